#include "numbers/tests/NumberDialogDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "app/platform/CommandGuard.h"
#include "app/platform/ShowInfo.h"

namespace qorvane::testing {

void TypeKeys(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, ch.toLatin1());
    } else {
      // keyClick has no key for a Han character.
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
  }
}

void PasteText(QLineEdit* edit, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

MessageRecorder::MessageRecorder() {
  SetShowInfoSinkForTesting([this](const QString& text) { infos << text; });
  SetErrorReportSinkForTesting([this](const QString& text) { errors << text; });
}

MessageRecorder::~MessageRecorder() {
  SetShowInfoSinkForTesting({});
  SetErrorReportSinkForTesting({});
}

}  // namespace qorvane::testing
