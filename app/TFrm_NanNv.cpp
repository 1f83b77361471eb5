#include "app/TFrm_NanNv.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>

#include "app/BoyGirlChartView.h"
#include "app/platform/Fonts.h"
#include "app/platform/SvgPicture.h"

namespace qorvane {

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frm_NanNv"));
  setWindowTitle(QStringLiteral("生男生女"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(SongFont(12));
  // Outer size 594 × 480: the client area inside a thin frame and a title bar.
  setFixedSize(588, 454);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("RzPanel1"));
  panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  panel->setGeometry(0, 0, 588, 454);
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel->setPalette(white);
  RzPanel1 = panel;

  RzPageControl1 = new QTabWidget(panel);
  RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
  RzPageControl1->setGeometry(3, 3, 582, 393);
  RzPageControl1->setStyleSheet(QStringLiteral("QTabWidget::pane { background: white; }"));

  Image1 = new BoyGirlChartView(QStringLiteral("生男生女预测表"), 18, 31);
  Image1->setObjectName(QStringLiteral("Image1"));
  RzPageControl1->addTab(Image1, QStringLiteral("18到31岁"));
  Image2 = new BoyGirlChartView(QStringLiteral("续表"), 32, 44);
  Image2->setObjectName(QStringLiteral("Image2"));
  RzPageControl1->addTab(Image2, QStringLiteral("32到44岁"));
  Image3 = new SvgPicture(QStringLiteral(":/boygirl-article.svg"));
  Image3->setObjectName(QStringLiteral("Image3"));
  RzPageControl1->addTab(Image3, QStringLiteral("生男生女有秘诀"));
  RzPageControl1->setCurrentIndex(0);

  RzLabel1 = new QLabel(
      QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
                     "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。"),
      panel);
  RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
  RzLabel1->setWordWrap(true);
  RzLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  RzLabel1->setGeometry(16, 404, 552, 40);
}

}  // namespace qorvane
