#pragma once
#include <QColor>
#include <QWidget>

namespace qorvane {

// A panel filled with a diagonal gradient from its top-left to its bottom-right corner.
class GradientPanel : public QWidget {
 public:
  GradientPanel(QColor from, QColor to, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor from_;
  QColor to_;
};

}  // namespace qorvane
