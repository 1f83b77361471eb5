#include "calendar/ui/ShapeBox.h"

#include <QPainter>

namespace qorvane {

ShapeBox::ShapeBox(QColor fill, QColor outline, QWidget* parent)
    : QWidget(parent), fill_(fill), outline_(outline) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(outline_);
  painter.setBrush(fill_);
  // A 1-pixel pen draws on the right and bottom edges of the rectangle it is
  // given, so the rectangle is one pixel smaller to keep the outline inside.
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qorvane
