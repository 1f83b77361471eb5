#include "app/ResultFileCommands.h"

#include <QFile>
#include <QSaveFile>
#include <string>
#include <vector>

#include "app/ResultFile.h"
#include "app/ResultMemo.h"
#include "app/platform/FileDialogs.h"
#include "text/Trim.h"

namespace qorvane {

QString OfferedSaveName(const QString& rememberedName) {
  static const QString kNameBreakers = QStringLiteral("*/<>?\\|");
  for (QChar c : rememberedName) {
    if (kNameBreakers.contains(c)) return QStringLiteral("*.txt");
  }
  return rememberedName;
}

bool WriteResultFile(const QString& path, const QStringList& lines) {
  std::vector<std::string> utf8;
  utf8.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines) utf8.push_back(line.toStdString());
  const std::string bytes = EncodeResultFile(utf8);
  // A half-written file must never take the place of the user's old one.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  // A short write can pass unnoticed through Qt's buffer (a full disk, a size
  // limit): the size on disk is what counts before the file takes the old one's place.
  if (file.write(bytes.data(), size) != size || !file.flush() || file.size() != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void SaveResult(const ResultMemo& memo, QString& rememberedName, QWidget* parent) {
  if (TrimView(memo.toPlainText().toStdString()).empty()) return;
  rememberedName = OfferedSaveName(rememberedName);
  const QString chosen =
      GetSaveFileName(parent, QStringLiteral("保存"), QStringLiteral("文本文件 (*.txt)"), rememberedName);
  if (chosen.isEmpty()) return;
  rememberedName = chosen;
  WriteResultFile(chosen + QStringLiteral(".txt"), memo.lines());
}

void OpenResult(ResultMemo& memo, QWidget* parent) {
  const QString chosen = GetOpenFileName(parent);
  if (chosen.isEmpty()) return;
  QFile file(chosen);
  if (!file.open(QIODevice::ReadOnly) || file.size() > static_cast<qint64>(kMaxResultFileBytes)) {
    memo.clearLines();
    return;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxResultFileBytes) + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > static_cast<qsizetype>(kMaxResultFileBytes)) {
    memo.clearLines();
    return;
  }
  const std::vector<std::string> lines =
      DecodeResultFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  memo.clearLines();
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) text << QString::fromStdString(line);
  if (lines.size() == 1 && lines.front().empty()) {
    memo.addLine(QString());  // one empty line, which an empty document cannot show apart
  } else if (!lines.empty()) {
    memo.setLines(text.join(QLatin1Char('\n')));
  }
}

}  // namespace qorvane
