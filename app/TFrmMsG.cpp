#include "app/TFrmMsG.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/OutsideLinks.h"
#include "app/platform/CommandGuard.h"
#include "app/platform/Fonts.h"
#include "app/platform/HomePageStore.h"
#include "app/platform/SvgPicture.h"
#include "text/Trim.h"

namespace qorvane {

TFrmMsG::TFrmMsG(HomePageStore& homePages, QWidget* parent) : QDialog(parent), homePages_(homePages) {
  setObjectName(QStringLiteral("FrmMsG"));
  setWindowTitle(QStringLiteral("退出系统"));
  // A bare title bar: no system menu and no close box, only the two answers.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(SongFont(12));
  // Outer size 244 × 135 at 500, 303; the frame of this desktop takes its share.
  setFixedSize(238, 110);
  move(500, 303);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("RzPanel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  panel->setGeometry(0, 0, 238, 110);
  RzPanel1 = panel;

  Image1 = new SvgPicture(QStringLiteral(":/question.svg"), RzPanel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(8, 8, 41, 44);

  Label1 = new QLabel(QStringLiteral("您是否确定要退出系统？"), RzPanel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(60, 20, 170, 16);

  CheckBox1 = new QCheckBox(QStringLiteral("设") + QString::fromUtf8(kPartnerDirectoryName) + QStringLiteral("为首页"),
                            RzPanel1);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setChecked(true);
  CheckBox1->setGeometry(60, 48, 170, 18);

  Button1 = new QPushButton(QStringLiteral("是(&Y)"), RzPanel1);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(44, 76, 70, 24);
  Button2 = new QPushButton(QStringLiteral("否(&N)"), RzPanel1);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(128, 76, 70, 24);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  FormCreate();
}

void TFrmMsG::FormCreate() {
  RunCommand([this] {
    if (TrimView(homePages_.ReadStartPage()) == kPartnerHomePage) {
      CheckBox1->setChecked(false);
      CheckBox1->hide();
    }
  });
}

void TFrmMsG::Button1Click() {
  // A failing write reaches the error report; the answer then stays No and
  // the program stays open.
  RunCommand([this] {
    if (CheckBox1->isChecked()) homePages_.WriteStartPage(kPartnerHomePage);
    result_ = true;
  });
  done(1);
}

void TFrmMsG::Button2Click() {
  result_ = false;
  done(2);
}

}  // namespace qorvane
