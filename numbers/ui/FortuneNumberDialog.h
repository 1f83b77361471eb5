#pragma once
#include <QString>

#include "numbers/ui/NumberDialog.h"

namespace qorvane {

// The QQ-number and any-number dialogs: the 81-number fortune of the number
// typed, up to eighteen digits so that every number fits in 64 bits. Each
// frees itself when it closes (FormClose), which also empties the main
// window's reference to it, so the next command opens a fresh one.
class FortuneNumberDialog : public NumberDialog {
  Q_OBJECT

 public:
  FortuneNumberDialog(const NumberDialogLook& look, const QString& emptyFieldMessage,
                      QWidget* parent);

 protected:
  void RzBitBtn1Click() override;

 private:
  QString emptyFieldMessage_;
};

}  // namespace qorvane
