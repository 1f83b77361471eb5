#include "numbers/ui/TFrm_onther.h"

namespace qorvane {

TFrm_onther::TFrm_onther(QWidget* parent)
    : FortuneNumberDialog({.caption = QStringLiteral("任意号码分析"),
                           .size = QSize(388, 271),
                           .numberPrompt = QStringLiteral("任意号码："),
                           .numberCaption = QStringLiteral("输入号码是："),
                           .maxLength = 18},
                          QStringLiteral("请输入你的号码！"), parent) {}

}  // namespace qorvane
