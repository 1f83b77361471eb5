#pragma once
#include <QWidget>

namespace qorvane {

// A rule drawn as a lowered line along the bottom edge of its box: a shadow
// line with a highlight line under it.
class BevelLine : public QWidget {
  Q_OBJECT
 public:
  explicit BevelLine(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qorvane
