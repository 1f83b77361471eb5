#pragma once
#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;

namespace qorvane::testing {

// Types `text` into `widget` key by key, as a user would.
void TypeKeys(QWidget* widget, const QString& text);

// Puts `text` on the clipboard and pastes it with Ctrl+V, the one way past
// the key filter.
void PasteText(QLineEdit* edit, const QString& text);

// Collects what ShowInfo and the error report would have shown while alive.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  QStringList infos;
  QStringList errors;
};

}  // namespace qorvane::testing
