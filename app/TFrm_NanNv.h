#pragma once
#include <QDialog>

class QLabel;
class QTabWidget;

namespace qorvane {

class BoyGirlChartView;
class SvgPicture;

// The boy-or-girl chart: two sheets of the chart, an article, and the note on
// how to read the chart.
class TFrm_NanNv : public QDialog {
  Q_OBJECT
 public:
  explicit TFrm_NanNv(QWidget* parent = nullptr);

  QWidget* RzPanel1 = nullptr;
  QTabWidget* RzPageControl1 = nullptr;
  BoyGirlChartView* Image1 = nullptr;  // ages 18 to 31
  BoyGirlChartView* Image2 = nullptr;  // ages 32 to 44
  SvgPicture* Image3 = nullptr;        // the article
  QLabel* RzLabel1 = nullptr;
};

}  // namespace qorvane
