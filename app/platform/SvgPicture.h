#pragma once
#include <QSvgRenderer>
#include <QWidget>

namespace qorvane {

// A picture drawn from an SVG resource, stretched over the whole widget, as a
// stretched image control of the forms is. Emits clicked() on a left click.
class SvgPicture : public QWidget {
  Q_OBJECT
 public:
  explicit SvgPicture(const QString& resource, QWidget* parent = nullptr);
  bool isValid() const { return renderer_.isValid(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QSvgRenderer renderer_;
};

}  // namespace qorvane
