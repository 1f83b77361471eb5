#pragma once
#include <QColor>
#include <QWidget>

namespace qorvane {

// A filled rectangle with a 1-pixel outline: the calendar's frame and the
// highlight behind the selected day. It takes no mouse input, so clicks reach
// whatever lies under it.
class ShapeBox : public QWidget {
  Q_OBJECT
 public:
  ShapeBox(QColor fill, QColor outline, QWidget* parent = nullptr);

  QColor fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  QColor outline_;
};

}  // namespace qorvane
