#pragma once
#include <QString>
#include <optional>

class QWidget;

namespace qorvane {

// What a file dialog was asked to show, kept for tests.
struct FileDialogRequest {
  QString title;     // empty: the system's default title
  QString filter;    // empty: every file is listed
  QString fileName;  // the name offered in the name field
};

// The save dialog: the chosen path, or "" when the user cancels. It does not
// ask before replacing a file; the caller decides the final name.
QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& fileName);

// The open dialog with no filter and no title of its own: the chosen path, or "".
QString GetOpenFileName(QWidget* parent);

// Tests answer the next dialog ahead of time: the next Get…FileName returns
// `path` at once without showing anything ("" answers Cancel).
void SetNextFileNameForTesting(const QString& path);

// The request of the last Get…FileName call, shown or answered ahead of time;
// none before the first call or after a reset.
std::optional<FileDialogRequest> LastFileDialogRequestForTesting();

// Forgets the prepared answer and the last request.
void ResetFileDialogsForTesting();

}  // namespace qorvane
