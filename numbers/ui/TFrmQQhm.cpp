#include "numbers/ui/TFrmQQhm.h"

namespace qorvane {

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : FortuneNumberDialog({.caption = QStringLiteral("QQ号码测试"),
                           .size = QSize(388, 270),
                           .numberPrompt = QStringLiteral("QQ号码："),
                           .numberCaption = QStringLiteral("qq号码是："),
                           .maxLength = 18},
                          QStringLiteral("请输入你的QQ号码！"), parent) {}

}  // namespace qorvane
