#pragma once
#include <QLabel>

namespace qorvane {

// One of the two labels of a day cell. It answers the mouse as the cells
// always have: every button press is a mouse-down, and a left press released
// inside the label is a click. Its tag is the day number the cell shows.
class CellLabel : public QLabel {
  Q_OBJECT
 public:
  explicit CellLabel(QWidget* parent = nullptr);

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

 signals:
  void mouseDown();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int tag_ = 0;
  bool leftPressed_ = false;
};

}  // namespace qorvane
