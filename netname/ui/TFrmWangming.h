#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qorvane {

class GradientPanel;

// The net-name dialog: a nickname goes in, the personality line of its last
// letter comes out. It frees itself when closed, which also empties the
// program-wide reference that opened it.
class TFrmWangming : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmWangming(QWidget* parent = nullptr);

  GradientPanel* RzPanel1;
  QGroupBox* RzGroupBox2;
  QLabel* RzLabel1;
  QLineEdit* edtmun;
  QPushButton* RzBitBtn1;
  QPushButton* RzBitBtn2;
  QGroupBox* RzGroupBox1;
  QLabel* RzLabel11;
  QLabel* RzLabel8;

 public slots:
  void RzBitBtn1Click();
  void RzBitBtn2Click();
  void edtmunKeyPress();
};

}  // namespace qorvane
