#pragma once
#include <QString>

class QWidget;

namespace qorvane {

class ResultMemo;

// The save command: nothing for an empty (blank) result area; otherwise the
// save dialog, titled "保存", and the whole area written as a result file under
// the chosen name with ".txt" appended. `rememberedName` is the save dialog's
// file name, which lasts the run. A failed write is silent and leaves any
// existing file of that name as it was.
void SaveResult(const ResultMemo& memo, QString& rememberedName, QWidget* parent);

// The open command: the chosen file replaces the whole result area; a file
// that cannot be read (or is far too large to be a report) empties it.
void OpenResult(ResultMemo& memo, QWidget* parent);

// The name the save dialog offers: a remembered name holding one of
// * / < > ? \ | becomes "*.txt" (a full path always does).
QString OfferedSaveName(const QString& rememberedName);

// Writes the result file for `lines` to `path` through a temporary file that
// replaces `path` only once it is complete. False when that fails.
bool WriteResultFile(const QString& path, const QStringList& lines);

}  // namespace qorvane
