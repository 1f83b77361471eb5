#pragma once
#include <QDialog>

class QLabel;

namespace qorvane {

class SvgPicture;

// The customer-service window: four rows of icon, heading and text, nothing
// clickable.
class TFrm_servers : public QDialog {
  Q_OBJECT
 public:
  explicit TFrm_servers(QWidget* parent = nullptr);

  QWidget* RzPanel1 = nullptr;
  SvgPicture* Image1 = nullptr;
  SvgPicture* Image2 = nullptr;
  SvgPicture* Image3 = nullptr;
  SvgPicture* Image4 = nullptr;
  QLabel* Label1 = nullptr;  // row 1 heading
  QLabel* Label2 = nullptr;  // row 1 text
  QLabel* Label5 = nullptr;  // row 2 heading
  QLabel* Label3 = nullptr;  // row 2 text
  QLabel* Label4 = nullptr;  // row 3 heading
  QLabel* Label6 = nullptr;  // row 3 text
  QLabel* Label7 = nullptr;  // row 4 heading
  QLabel* Label8 = nullptr;  // row 4 text
};

}  // namespace qorvane
