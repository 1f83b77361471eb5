#include "app/TAbout.h"

#include <QLabel>

#include "app/MakerContact.h"
#include "app/platform/ClickableLabel.h"
#include "app/platform/Fonts.h"
#include "app/platform/ShellOpener.h"
#include "app/platform/SvgPicture.h"

namespace qorvane {

namespace {

QLabel* Line(QWidget* parent, const char* name, const QString& text, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(164, y, 154, 18);
  return label;
}

QFont KaiFont(int pixelSize) {
  QFont font = FontWithFallbacks(QStringLiteral("楷体_GB2312"), pixelSize);
  font.setBold(true);
  return font;
}

}  // namespace

TAbout::TAbout(ShellOpener& shell, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("关于系统"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(SongFont(12));
  setFixedSize(321, 149);

  Image1 = new SvgPicture(QStringLiteral(":/about-figure.svg"), this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 153, 149);

  RzLabel2 = Line(this, "RzLabel2", QStringLiteral("Qorvane"), 10);
  RzLabel2->setFont(KaiFont(16));
  RzLabel2->setStyleSheet(QStringLiteral("color: #000080;"));
  RzLabel2->setFixedHeight(22);

  RzLabel1 = Line(this, "RzLabel1", QStringLiteral("星座娱乐 仅供消遣"), 36);
  RzLabel1->setFont(KaiFont(12));
  RzLabel1->setStyleSheet(QStringLiteral("color: red;"));

  RzLabel4 = Line(this, "RzLabel4", QStringLiteral("联系人：") + QString::fromUtf8(kContactPerson), 60);
  RzLabel3 = Line(this, "RzLabel3", QStringLiteral("QQ：") + QString::fromUtf8(kSupportQq), 80);
  RzLabel6 = Line(this, "RzLabel6", QStringLiteral("TEL：") + QString::fromUtf8(kServiceTelephone), 100);
  RzLabel6->setStyleSheet(QStringLiteral("color: #000080;"));

  RzURLLabel1 = new ClickableLabel(QStringLiteral("邮件：") + QString::fromUtf8(kSupportMail), this);
  RzURLLabel1->setObjectName(QStringLiteral("RzURLLabel1"));
  RzURLLabel1->setGeometry(164, 120, 154, 18);
  RzURLLabel1->setCursor(Qt::PointingHandCursor);
  QFont linkFont = font();
  linkFont.setUnderline(true);
  RzURLLabel1->setFont(linkFont);
  RzURLLabel1->setStyleSheet(QStringLiteral("color: palette(highlight);"));
  connect(RzURLLabel1, &ClickableLabel::clicked, this, [&shell] {
    shell.Open(ShellWay::DefaultHandler, QStringLiteral("mailto:") + QString::fromUtf8(kSupportMail));
  });
}

}  // namespace qorvane
