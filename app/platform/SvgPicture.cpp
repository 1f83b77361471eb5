#include "app/platform/SvgPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace qorvane {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(resource) {
  renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_.render(&painter, QRectF(rect()));
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace qorvane
