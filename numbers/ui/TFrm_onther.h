#pragma once
#include "numbers/ui/FortuneNumberDialog.h"

namespace qorvane {

// "任意号码分析": the 81-number fortune of any number.
class TFrm_onther : public FortuneNumberDialog {
  Q_OBJECT

 public:
  explicit TFrm_onther(QWidget* parent = nullptr);
};

}  // namespace qorvane
