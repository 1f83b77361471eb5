#include "app/TFrm_servers.h"

#include <QFrame>
#include <QLabel>

#include "app/MakerContact.h"
#include "app/platform/Fonts.h"
#include "app/platform/SvgPicture.h"

namespace qorvane {

namespace {

struct Row {
  SvgPicture* icon;
  QLabel* heading;
  QLabel* text;
};

// One row at `top`: the icon at the left, the heading beside it and the text
// below the heading, wrapped to 324 pixels.
Row MakeRow(QWidget* panel, int top, const char* icon, const char* iconName, const char* headingName,
            const QString& heading, const char* textName, const QString& text) {
  Row row;
  row.icon = new SvgPicture(QString::fromUtf8(icon), panel);
  row.icon->setObjectName(QString::fromUtf8(iconName));
  row.icon->setGeometry(16, top + 4, 41, 41);
  row.heading = new QLabel(heading, panel);
  row.heading->setObjectName(QString::fromUtf8(headingName));
  QFont bold = SongFont(12);
  bold.setBold(true);
  row.heading->setFont(bold);
  row.heading->setStyleSheet(QStringLiteral("color: #000080;"));
  row.heading->setGeometry(72, top, 324, 16);
  row.text = new QLabel(text, panel);
  row.text->setObjectName(QString::fromUtf8(textName));
  row.text->setWordWrap(true);
  row.text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  row.text->setGeometry(72, top + 18, 324, 44);
  return row;
}

}  // namespace

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frm_servers"));
  setWindowTitle(QStringLiteral("客户服务"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(SongFont(12));
  setFixedSize(420, 273);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("RzPanel1"));
  panel->setGeometry(0, 0, 420, 273);
  panel->setStyleSheet(QStringLiteral(
      "QFrame#RzPanel1 { background: white; border: 1px solid #B0C4DE; border-radius: 6px; }"));
  RzPanel1 = panel;

  const QString qq = QString::fromUtf8(kSupportQq);
  Row row1 = MakeRow(panel, 8, ":/people.svg", "Image1", "Label1", QStringLiteral("市场合作:"), "Label2",
                     QStringLiteral("欢迎各地经销商洽谈软件销售代理，我们也承接各类\n软件定制开发业务，期待与您携手合作。"));
  Row row2 = MakeRow(panel, 73, ":/telephone.svg", "Image2", "Label5",
                     QStringLiteral("服务电话：") + QString::fromUtf8(kServiceTelephone), "Label3",
                     QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。"));
  Row row3 = MakeRow(panel, 138, ":/penguin.svg", "Image3", "Label4", QStringLiteral("QQ在线支持：") + qq, "Label6",
                     QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，"
                                    "稍后可以再来查看。"));
  Row row4 = MakeRow(panel, 203, ":/people.svg", "Image4", "Label7",
                     QStringLiteral("技术支持邮箱：") + QString::fromUtf8(kSupportMail), "Label8",
                     QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，"
                                    "我们会尽快给您答复。"));
  Image1 = row1.icon;
  Label1 = row1.heading;
  Label2 = row1.text;
  Image2 = row2.icon;
  Label5 = row2.heading;
  Label3 = row2.text;
  Image3 = row3.icon;
  Label4 = row3.heading;
  Label6 = row3.text;
  Image4 = row4.icon;
  Label7 = row4.heading;
  Label8 = row4.text;
}

}  // namespace qorvane
