#include "app/platform/FileDialogs.h"

#include <QFileDialog>

namespace qorvane {

namespace {

std::optional<QString>& NextFileName() {
  static std::optional<QString> next;
  return next;
}

std::optional<FileDialogRequest>& LastRequest() {
  static std::optional<FileDialogRequest> last;
  return last;
}

// Answers from the test's answer when there is one, else from the dialog.
QString Run(QFileDialog::AcceptMode mode, QWidget* parent, const FileDialogRequest& request) {
  LastRequest() = request;
  if (NextFileName()) {
    QString answer = *NextFileName();
    NextFileName().reset();
    return answer;
  }
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.filter.isEmpty()) dialog.setNameFilter(request.filter);
  // The name gets ".txt" appended after the dialog, so a question about
  // replacing the typed name would be about another file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& fileName) {
  return Run(QFileDialog::AcceptSave, parent, {title, filter, fileName});
}

QString GetOpenFileName(QWidget* parent) { return Run(QFileDialog::AcceptOpen, parent, {}); }

void SetNextFileNameForTesting(const QString& path) { NextFileName() = path; }

std::optional<FileDialogRequest> LastFileDialogRequestForTesting() { return LastRequest(); }

void ResetFileDialogsForTesting() {
  NextFileName().reset();
  LastRequest().reset();
}

}  // namespace qorvane
