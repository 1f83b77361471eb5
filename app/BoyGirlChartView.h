#pragma once
#include <QString>
#include <QWidget>

namespace qorvane {

// One sheet of the boy-or-girl chart drawn from the chart table: the mother's
// ages `firstAge`…`lastAge` across, the lunar months 1月–12月 down, 男 or 女
// where they cross.
class BoyGirlChartView : public QWidget {
 public:
  BoyGirlChartView(QString title, int firstAge, int lastAge, QWidget* parent = nullptr);

  int firstAge() const { return firstAge_; }
  int lastAge() const { return lastAge_; }
  const QString& title() const { return title_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  int firstAge_;
  int lastAge_;
};

}  // namespace qorvane
