#pragma once
#include <QDialog>

class QLabel;

namespace qorvane {

class ClickableLabel;
class ShellOpener;
class SvgPicture;

// The about window: the drawing on the left, the product name, the notice
// line and the maker's contact data; the mail line opens a mail link.
class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(ShellOpener& shell, QWidget* parent = nullptr);

  SvgPicture* Image1 = nullptr;
  QLabel* RzLabel2 = nullptr;
  QLabel* RzLabel1 = nullptr;
  QLabel* RzLabel4 = nullptr;
  QLabel* RzLabel3 = nullptr;
  QLabel* RzLabel6 = nullptr;
  ClickableLabel* RzURLLabel1 = nullptr;
};

}  // namespace qorvane
