#include "calendar/ui/CellLabel.h"

#include <QMouseEvent>

namespace qorvane {

CellLabel::CellLabel(QWidget* parent) : QLabel(parent) {}

void CellLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  emit mouseDown();
  event->accept();
}

void CellLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  // A press dragged off the label and released elsewhere is no click.
  if (rect().contains(event->position().toPoint())) emit clicked();
  event->accept();
}

}  // namespace qorvane
