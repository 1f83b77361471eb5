#pragma once
#include "numbers/ui/FortuneNumberDialog.h"

namespace qorvane {

// "QQ号码测试": the 81-number fortune of a QQ number.
class TFrmQQhm : public FortuneNumberDialog {
  Q_OBJECT

 public:
  explicit TFrmQQhm(QWidget* parent = nullptr);
};

}  // namespace qorvane
