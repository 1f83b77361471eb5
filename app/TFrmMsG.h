#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qorvane {

class HomePageStore;
class SvgPicture;

// The exit question: Yes or No, and a box (ticked) that offers to make the
// partner web directory the browser's home page. The box is hidden when that
// page already is the home page.
class TFrmMsG : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmMsG(HomePageStore& homePages, QWidget* parent = nullptr);

  // True once Yes has been answered and done; any other way out means No.
  bool result() const { return result_; }

  QWidget* RzPanel1 = nullptr;
  SvgPicture* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* Button1 = nullptr;  // 是(&Y)
  QPushButton* Button2 = nullptr;  // 否(&N)

 private:
  void FormCreate();
  void Button1Click();
  void Button2Click();

  HomePageStore& homePages_;
  bool result_ = false;
};

}  // namespace qorvane
