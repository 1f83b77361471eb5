#include "calendar/ui/BevelLine.h"

#include <QPainter>

namespace qorvane {

BevelLine::BevelLine(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int bottom = height() - 1;
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, bottom - 1, width() - 1, bottom - 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(0, bottom, width() - 1, bottom);
}

}  // namespace qorvane
