#pragma once
#include <QDialog>
#include <QSize>
#include <QString>
#include <string>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace qorvane {

// What tells the three number dialogs apart on screen.
struct NumberDialogLook {
  QString caption;
  QSize size;
  QString numberPrompt;   // RzLabel1, before the edit
  QString numberCaption;  // RzLabel5, before the number as read
  int maxLength;          // of edtmun
};

// The frame the three number dialogs share: a number edit that takes only
// digits, the compute and close buttons, and the result box with four value
// labels (number, status, verdict in red, details). Subclasses supply the
// compute action.
class NumberDialog : public QDialog {
  Q_OBJECT

 public:
  NumberDialog(const NumberDialogLook& look, QWidget* parent);

  QLabel* RzLabel1;
  QLineEdit* edtmun;
  QPushButton* RzBitBtn1;  // 测算
  QPushButton* RzBitBtn2;  // 关闭
  QGroupBox* RzGroupBox1;
  QLabel* RzLabel5;
  QLabel* RzLabel11;  // the number as read
  QLabel* RzLabel4;
  QLabel* RzLabel10;  // status
  QLabel* RzLabel6;
  QLabel* RzLabel9;  // verdict, in red
  QLabel* RzLabel7;
  QLabel* RzLabel8;  // details, word-wrapped

 protected:
  // The compute action, run inside the command guard by the button and by
  // Enter in the edit.
  virtual void RzBitBtn1Click() = 0;
  void RzBitBtn2Click();

  // Passes Backspace, Enter and the digits; Enter also computes. Returns true
  // when the key is used up here. Keys that type no character (arrows,
  // Delete, Tab) and shortcuts (copy, paste, undo) are left to the edit.
  bool edtmunKeyPress(QKeyEvent* event);

  // The edit's text with the blanks around it removed.
  std::string NumberText() const;
  // Replaces the four value labels together.
  void ShowResult(const std::string& number, const std::string& status,
                  const std::string& verdict, const std::string& details);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // Above the result box and below it, for what a dialog adds of its own.
  QVBoxLayout* Body() const { return body_; }

 private:
  void RunCompute();

  QVBoxLayout* body_;
};

}  // namespace qorvane
