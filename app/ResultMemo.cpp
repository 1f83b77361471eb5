#include "app/ResultMemo.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace qorvane {

ResultMemo::ResultMemo(QWidget* parent) : QPlainTextEdit(parent) {}

void ResultMemo::clearLines() {
  clear();
  hasLines_ = false;
}

void ResultMemo::addLine(const QString& text) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (hasLines_) cursor.insertBlock();
  // Stored texts end their lines with CR LF; Qt would make two breaks of it.
  QString normalized = text;
  normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  cursor.insertText(normalized);
  hasLines_ = true;
}

void ResultMemo::setLines(const QString& text) {
  setPlainText(text);
  hasLines_ = !text.isEmpty();
}

QStringList ResultMemo::lines() const {
  if (!hasLines_) return {};
  return toPlainText().split(QLatin1Char('\n'));
}

void ResultMemo::showTop() {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::Start);
  setTextCursor(cursor);
  ensureCursorVisible();
  cursor.movePosition(QTextCursor::NextBlock);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

}  // namespace qorvane
