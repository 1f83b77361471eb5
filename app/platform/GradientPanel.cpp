#include "app/platform/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace qorvane {

GradientPanel::GradientPanel(QColor from, QColor to, QWidget* parent)
    : QWidget(parent), from_(from), to_(to) {}

void GradientPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
  gradient.setColorAt(0, from_);
  gradient.setColorAt(1, to_);
  painter.fillRect(rect(), gradient);
}

}  // namespace qorvane
