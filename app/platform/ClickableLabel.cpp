#include "app/platform/ClickableLabel.h"

#include <QMouseEvent>

namespace qorvane {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace qorvane
