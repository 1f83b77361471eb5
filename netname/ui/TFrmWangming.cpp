#include "netname/ui/TFrmWangming.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "app/platform/CommandGuard.h"
#include "app/platform/Fonts.h"
#include "app/platform/GradientPanel.h"
#include "app/platform/ShowInfo.h"
#include "netname/NetNameReading.h"
#include "text/Trim.h"

namespace qorvane {

namespace {

const QColor kPaleBlue(0xD7, 0xE8, 0xFA);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);

// Shows typed Latin letters in upper case, as they are read. Only a-z and
// their full-width forms change, so that every character the user can type
// into GBK still encodes after the change.
class UpperCaseLatin : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    for (QChar& c : input) {
      const char16_t u = c.unicode();
      if ((u >= u'a' && u <= u'z') || (u >= u'\uFF41' && u <= u'\uFF5A')) c = QChar(char16_t(u - 0x20));
    }
    return Acceptable;
  }
};

void SetTextColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

}  // namespace

TFrmWangming::TFrmWangming(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("网名与性格"));
  setFont(SongFont(12));
  // The form is 395 x 213 with its frame; this is its client area.
  setFixedSize(387, 179);

  RzPanel1 = new GradientPanel(kPaleBlue, kPaleBlue, this);
  RzPanel1->setGeometry(0, 0, 387, 179);

  RzGroupBox2 = new QGroupBox(RzPanel1);
  RzGroupBox2->setGeometry(8, 4, 371, 44);

  RzLabel1 = new QLabel(QStringLiteral("输入网名："), RzGroupBox2);
  RzLabel1->setGeometry(12, 14, 64, 20);

  edtmun = new QLineEdit(RzGroupBox2);
  edtmun->setGeometry(76, 13, 144, 21);
  edtmun->setMaxLength(18);
  edtmun->setValidator(new UpperCaseLatin(edtmun));
  // No input method is asked for here: on Linux the desktop's input method
  // framework (IBus, Fcitx) chooses it, and an application cannot pick one.

  RzBitBtn1 = new QPushButton(QStringLiteral("测算"), RzGroupBox2);
  RzBitBtn1->setGeometry(228, 11, 64, 25);
  RzBitBtn2 = new QPushButton(QStringLiteral("关闭"), RzGroupBox2);
  RzBitBtn2->setGeometry(298, 11, 64, 25);
  // Enter belongs to the edit alone: no button may take it as the default.
  for (QPushButton* button : {RzBitBtn1, RzBitBtn2}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  RzGroupBox1 = new QGroupBox(QStringLiteral("测算结果"), RzPanel1);
  RzGroupBox1->setGeometry(8, 54, 371, 119);

  RzLabel11 = new QLabel(RzGroupBox1);
  RzLabel11->setGeometry(16, 22, 321, 16);
  SetTextColor(RzLabel11, kGreen);

  RzLabel8 = new QLabel(RzGroupBox1);
  RzLabel8->setGeometry(16, 40, 329, 75);
  RzLabel8->setWordWrap(true);
  RzLabel8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetTextColor(RzLabel8, kNavy);

  connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn1Click(); }); });
  connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RunCommand([this] { RzBitBtn2Click(); }); });
  connect(edtmun, &QLineEdit::returnPressed, this, [this] { RunCommand([this] { edtmunKeyPress(); }); });
}

void TFrmWangming::RzBitBtn1Click() {
  const std::string name = Trim(edtmun->text().toStdString());
  if (name.empty()) {
    ShowInfo(QStringLiteral("请输入你的网名！"));
    return;
  }
  RzLabel11->setText(QStringLiteral("你的网名：") + QString::fromStdString(name));
  try {
    const std::string reading = Trim(NetNameReading(name));
    RzLabel8->setText(QStringLiteral("你的性格：") + QString::fromStdString(reading));
  } catch (...) {
    // A character that GBK cannot hold (an emoji, say) ends up here.
    RzLabel8->setText(QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
  }
}

void TFrmWangming::RzBitBtn2Click() { close(); }

// Enter in the edit runs the reading, like the button.
void TFrmWangming::edtmunKeyPress() { RzBitBtn1Click(); }

}  // namespace qorvane
