#pragma once
#include <filesystem>

#include "numbers/ui/NumberDialog.h"

class QLabel;

namespace qorvane {

// "手机号码测算": the reading of a mobile number, looked up by its last four
// digits in dream.dll of the content directory. Kept hidden after closing
// until the command opens a new one.
class TFrm_SJcs : public NumberDialog {
  Q_OBJECT

 public:
  explicit TFrm_SJcs(std::filesystem::path contentDirectory, QWidget* parent = nullptr);

  QLabel* RzLabel2;  // the eleven-digit hint
  QLabel* RzLabel3;  // why a number matters

 protected:
  void RzBitBtn1Click() override;

 private:
  std::filesystem::path contentDirectory_;
};

}  // namespace qorvane
