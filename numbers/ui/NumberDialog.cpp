#include "numbers/ui/NumberDialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/platform/CommandGuard.h"
#include "app/platform/Fonts.h"
#include "numbers/ui/UpperCaseValidator.h"
#include "text/Trim.h"

namespace qorvane {

namespace {

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

QLabel* MakeValueLabel(const char* name, QWidget* parent) {
  QLabel* label = MakeLabel(QString(), name, parent);
  // Texts from the table or the database are shown as they are, never as markup.
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QPushButton* MakeButton(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

NumberDialog::NumberDialog(const NumberDialogLook& look, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(look.caption);
  setFont(SongFont(12));

  RzLabel1 = MakeLabel(look.numberPrompt, "RzLabel1", this);
  edtmun = new QLineEdit(this);
  edtmun->setObjectName(QStringLiteral("edtmun"));
  edtmun->setMaxLength(look.maxLength);
  edtmun->setValidator(new UpperCaseValidator(edtmun));
  // Typed characters all pass through the key filter; an input method would
  // commit text past it.
  edtmun->setAttribute(Qt::WA_InputMethodEnabled, false);
  edtmun->installEventFilter(this);
  RzBitBtn1 = MakeButton(QStringLiteral("测算"), "RzBitBtn1", this);
  RzBitBtn2 = MakeButton(QStringLiteral("关闭"), "RzBitBtn2", this);

  RzGroupBox1 = new QGroupBox(QStringLiteral("测算结果"), this);
  RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
  RzLabel5 = MakeLabel(look.numberCaption, "RzLabel5", RzGroupBox1);
  RzLabel11 = MakeValueLabel("RzLabel11", RzGroupBox1);
  RzLabel4 = MakeLabel(QStringLiteral("状态："), "RzLabel4", RzGroupBox1);
  RzLabel10 = MakeValueLabel("RzLabel10", RzGroupBox1);
  RzLabel6 = MakeLabel(QStringLiteral("吉凶："), "RzLabel6", RzGroupBox1);
  RzLabel9 = MakeValueLabel("RzLabel9", RzGroupBox1);
  QPalette red = RzLabel9->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  RzLabel9->setPalette(red);
  RzLabel7 = MakeLabel(QStringLiteral("具体表现："), "RzLabel7", RzGroupBox1);
  RzLabel8 = MakeValueLabel("RzLabel8", RzGroupBox1);
  RzLabel8->setWordWrap(true);
  RzLabel8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  RzLabel7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* results = new QGridLayout(RzGroupBox1);
  results->setColumnStretch(1, 1);
  results->setRowStretch(3, 1);
  results->addWidget(RzLabel5, 0, 0);
  results->addWidget(RzLabel11, 0, 1);
  results->addWidget(RzLabel4, 1, 0);
  results->addWidget(RzLabel10, 1, 1);
  results->addWidget(RzLabel6, 2, 0);
  results->addWidget(RzLabel9, 2, 1);
  results->addWidget(RzLabel7, 3, 0);
  results->addWidget(RzLabel8, 3, 1);

  auto* entryRow = new QHBoxLayout;
  entryRow->addWidget(RzLabel1);
  entryRow->addWidget(edtmun, 1);
  entryRow->addWidget(RzBitBtn1);
  entryRow->addWidget(RzBitBtn2);

  body_ = new QVBoxLayout(this);
  body_->addLayout(entryRow);
  body_->addWidget(RzGroupBox1, 1);

  connect(RzBitBtn1, &QPushButton::clicked, this, &NumberDialog::RunCompute);
  connect(RzBitBtn2, &QPushButton::clicked, this, &NumberDialog::RzBitBtn2Click);

  setFixedSize(look.size);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void NumberDialog::RzBitBtn2Click() { close(); }

bool NumberDialog::edtmunKeyPress(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    RunCompute();
    return true;
  }
  if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  if (text.isEmpty()) return false;
  if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Tab ||
      event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Delete) {
    return false;
  }
  const bool digits = std::all_of(text.begin(), text.end(), IsAsciiDigit);
  return !digits;
}

bool NumberDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edtmun && event->type() == QEvent::KeyPress) {
    return edtmunKeyPress(static_cast<QKeyEvent*>(event));
  }
  return QDialog::eventFilter(watched, event);
}

std::string NumberDialog::NumberText() const { return Trim(edtmun->text().toStdString()); }

void NumberDialog::ShowResult(const std::string& number, const std::string& status,
                              const std::string& verdict, const std::string& details) {
  RzLabel11->setText(QString::fromStdString(number));
  RzLabel10->setText(QString::fromStdString(status));
  RzLabel9->setText(QString::fromStdString(verdict));
  RzLabel8->setText(QString::fromStdString(details));
}

void NumberDialog::RunCompute() {
  RunCommand([this] { RzBitBtn1Click(); });
}

}  // namespace qorvane
