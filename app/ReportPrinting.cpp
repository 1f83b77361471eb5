#include "app/ReportPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <stdexcept>

namespace qorvane {

namespace {

// The screen font of the result area measured in points, so that the paper
// shows it at the size the user reads on screen (96 pixels to the inch).
QFont PaperFont(QFont font) {
  if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
  return font;
}

// Runs `body`, swallowing whatever it throws: the page-setup command ignores
// its failures, and no exception may cross a Qt frame.
template <class Body>
void Quietly(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace

QPageLayout DefaultReportPageLayout() {
  return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                     QPageLayout::Millimeter);
}

void PrintLines(const QStringList& lines, const QFont& font, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    throw std::runtime_error("打印失败：无法启动打印机 " + printer.printerName().toStdString());
  }
  // A document laid out for the page rectangle itself: QTextDocument::print
  // and QPlainTextEdit::print would add a margin of their own to the paper's.
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&printer);
  document.setDefaultFont(PaperFont(font));
  document.setDocumentMargin(0);  // the root frame's margin, which survives setPlainText
  document.setPlainText(lines.join(QLatin1Char('\n')));
  const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
  document.setPageSize(page);

  const int pages = std::max(1, document.pageCount());
  for (int index = 0; index < pages; ++index) {
    if (index > 0) printer.newPage();
    painter.save();
    const QRectF view(0, index * page.height(), page.width(), page.height());
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
  }
  painter.end();
}

ReportPrinting::ReportPrinting(PrinterTarget target)
    : target_(std::move(target)), layout_(DefaultReportPageLayout()) {}

std::unique_ptr<QPrinter> ReportPrinting::NewPrinter() {
  std::unique_ptr<QPrinter> printer = target_ ? target_() : DefaultPrinter();
  if (!printer) throw std::runtime_error("打印失败：没有可用的打印机。");
  printer->setPageLayout(layout_);
  printer->setCopyCount(1);
  printer->setPrintRange(QPrinter::AllPages);
  return printer;
}

void ReportPrinting::Print(const QStringList& lines, const QFont& font) {
  std::unique_ptr<QPrinter> printer = NewPrinter();
  // With no printer installed Qt quietly turns the printer into a PDF writer
  // without a file, and nothing would ever come out.
  if (printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty()) {
    throw std::runtime_error("打印失败：系统中没有安装打印机。请先添加打印机，或在“打印设置”中选择打印到文件。");
  }
  PrintLines(lines, font, *printer);
}

void ReportPrinting::PageSetup(const QStringList& lines, const QFont& font, QWidget* parent) {
  Quietly([&] {
    std::unique_ptr<QPrinter> printer = NewPrinter();
    QPageSetupDialog dialog(printer.get(), parent);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
      QPushButton* preview = buttons->addButton(QStringLiteral("预览"), QDialogButtonBox::ActionRole);
      preview->setObjectName(QStringLiteral("previewButton"));
      QObject::connect(preview, &QPushButton::clicked, &dialog, [&] {
        Quietly([&] {
          QPrintPreviewDialog previewDialog(printer.get(), &dialog);
          QObject::connect(&previewDialog, &QPrintPreviewDialog::paintRequested, &previewDialog,
                           [&](QPrinter* target) { Quietly([&] { PrintLines(lines, font, *target); }); });
          previewDialog.exec();
        });
      });
      QPushButton* print = buttons->addButton(QStringLiteral("打印"), QDialogButtonBox::ActionRole);
      print->setObjectName(QStringLiteral("printButton"));
      QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
        Quietly([&] {
          QPrintDialog printDialog(printer.get(), &dialog);
          if (printDialog.exec() == QDialog::Accepted) PrintLines(lines, font, *printer);
        });
      });
    }
    if (dialog.exec() == QDialog::Accepted) layout_ = printer->pageLayout();
  });
}

}  // namespace qorvane
