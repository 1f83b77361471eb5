#pragma once
#include <QPlainTextEdit>
#include <QStringList>

namespace qorvane {

// The result area: a read-only text control used as a list of lines, where an
// added empty text is an empty line of its own (also as the first line).
class ResultMemo : public QPlainTextEdit {
 public:
  explicit ResultMemo(QWidget* parent = nullptr);

  void clearLines();
  // Appends one entry; a text with line breaks shows as several lines.
  void addLine(const QString& text);
  // Replaces everything with `text`, lines separated by '\n'.
  void setLines(const QString& text);
  QStringList lines() const;
  // Brings the first line into view and puts the caret at the start of the
  // second line; the text stays as it is.
  void showTop();

 private:
  // False while the control holds no line at all, which an empty document
  // cannot tell apart from one empty line.
  bool hasLines_ = false;
};

}  // namespace qorvane
