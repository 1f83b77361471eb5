#include "app/BoyGirlChartView.h"

#include <QPainter>

#include "app/BoyGirlChart.h"
#include "app/platform/Fonts.h"

namespace qorvane {

namespace {
const QColor kBoy(0x1F, 0x5F, 0xBF);
const QColor kGirl(0xD0, 0x30, 0x60);
const QColor kGrid(0x9A, 0xB8, 0xD8);
const QColor kHeader(0xE6, 0xF0, 0xFB);
}  // namespace

BoyGirlChartView::BoyGirlChartView(QString title, int firstAge, int lastAge, QWidget* parent)
    : QWidget(parent), title_(std::move(title)), firstAge_(firstAge), lastAge_(lastAge) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void BoyGirlChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRectF area = QRectF(rect()).adjusted(6, 4, -6, -6);
  const double titleHeight = 30;
  const int columns = lastAge_ - firstAge_ + 1;
  const double headWidth = 64;
  const double cellWidth = (area.width() - headWidth) / columns;
  const double cellHeight = (area.height() - titleHeight) / 13;  // the age row and twelve months

  QFont titleFont = SongFont(18);
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.setPen(QColor(0x80, 0x20, 0x20));
  painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignCenter, title_);

  const double top = area.top() + titleHeight;
  QFont cellFont = SongFont(13);
  painter.setFont(cellFont);
  // The age row and the month column.
  painter.fillRect(QRectF(area.left(), top, area.width(), cellHeight), kHeader);
  painter.fillRect(QRectF(area.left(), top, headWidth, cellHeight * 13), kHeader);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left(), top, headWidth, cellHeight), Qt::AlignCenter, QStringLiteral("月份\\岁"));
  for (int c = 0; c < columns; ++c) {
    painter.drawText(QRectF(area.left() + headWidth + c * cellWidth, top, cellWidth, cellHeight), Qt::AlignCenter,
                     QString::number(firstAge_ + c));
  }
  for (int month = 1; month <= 12; ++month) {
    const double y = top + month * cellHeight;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), y, headWidth, cellHeight), Qt::AlignCenter,
                     QString::number(month) + QStringLiteral("月"));
    for (int c = 0; c < columns; ++c) {
      const std::string_view cell = BoyGirlChartCell(firstAge_ + c, month);
      const QString text = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
      painter.setPen(text == QStringLiteral("男") ? kBoy : kGirl);
      painter.drawText(QRectF(area.left() + headWidth + c * cellWidth, y, cellWidth, cellHeight), Qt::AlignCenter,
                       text);
    }
  }
  // The grid over everything.
  painter.setPen(kGrid);
  for (int r = 0; r <= 13; ++r) {
    const double y = top + r * cellHeight;
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  painter.drawLine(QPointF(area.left(), top), QPointF(area.left(), top + 13 * cellHeight));
  for (int c = 0; c <= columns; ++c) {
    const double x = area.left() + headWidth + c * cellWidth;
    painter.drawLine(QPointF(x, top), QPointF(x, top + 13 * cellHeight));
  }
}

}  // namespace qorvane
