#include "calendar/ui/UpDownSpinner.h"

#include <QToolButton>
#include <algorithm>

namespace qorvane {

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);  // holding an arrow keeps stepping
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

UpDownSpinner::UpDownSpinner(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
  connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownSpinner::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDownSpinner::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setPosition(position_);
}

void UpDownSpinner::step(int delta) {
  setPosition(position_ + delta);
  emit clicked();
}

void UpDownSpinner::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int upperHeight = height() / 2;
  up_->setGeometry(0, 0, width(), upperHeight);
  down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}

}  // namespace qorvane
