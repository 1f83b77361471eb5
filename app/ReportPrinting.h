#pragma once
#include <QFont>
#include <QPageLayout>
#include <QStringList>

#include "app/platform/PrinterTarget.h"

class QPrinter;
class QWidget;

namespace qorvane {

// The page settings the report starts with: US Letter, portrait, 12.7 mm
// margins all round. (The header and footer distances of 6.35 mm have no
// place here: the report prints neither a header nor a footer.)
QPageLayout DefaultReportPageLayout();

// Lays `lines` out on the pages of `printer` in `font` and prints them, every
// page, within the printer's margins. Throws std::runtime_error when the
// printer cannot be started.
void PrintLines(const QStringList& lines, const QFont& font, QPrinter& printer);

// The printing of the result report with its page settings, which the page
// setup changes for the rest of the run.
class ReportPrinting {
 public:
  explicit ReportPrinting(PrinterTarget target);

  // Prints at once on the target, no dialog, all pages, one copy. Throws
  // std::runtime_error with a message for the user when there is no printer
  // or printing cannot start.
  void Print(const QStringList& lines, const QFont& font);

  // The page-setup dialog for the stored settings, with "预览" (print preview)
  // and "打印" (print through the print dialog) beside OK and Cancel. OK keeps
  // the changes. Nothing that fails inside is reported.
  void PageSetup(const QStringList& lines, const QFont& font, QWidget* parent);

  const QPageLayout& pageLayout() const { return layout_; }

 private:
  std::unique_ptr<QPrinter> NewPrinter();

  PrinterTarget target_;
  QPageLayout layout_;
};

}  // namespace qorvane
