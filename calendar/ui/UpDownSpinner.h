#pragma once
#include <QWidget>

class QToolButton;

namespace qorvane {

// A spinner of two arrow buttons and no text field: the upper arrow steps
// the position up, the lower one down, and the position stops at the ends of
// its range instead of wrapping round. Every arrow click is reported, also
// one at an end of the range that leaves the position where it was.
class UpDownSpinner : public QWidget {
  Q_OBJECT
 public:
  explicit UpDownSpinner(QWidget* parent = nullptr);

  int position() const { return position_; }
  // Values outside the range are held at its nearest end.
  void setPosition(int position);
  void setRange(int minimum, int maximum);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void clicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void step(int delta);

  QToolButton* up_;
  QToolButton* down_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace qorvane
