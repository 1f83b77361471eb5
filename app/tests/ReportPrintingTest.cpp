// Printing the result area into a real PDF file and reading it back with
// poppler's pdftotext and pdfinfo; the page setup and the failures.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <cstdio>
#include <stdexcept>

#include "app/ResultMemo.h"
#include "app/TFrmmain.h"
#include "app/platform/CommandGuard.h"
#include "app/tests/ShellTestSupport.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

QString Output(const QString& command) {
  std::string out;
  if (FILE* pipe = popen(command.toLocal8Bit().constData(), "r")) {
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return QString::fromUtf8(out);
}

QString PdfInfo(const QString& pdf) { return Output(QStringLiteral("pdfinfo '%1' 2>/dev/null").arg(pdf)); }
QString PdfText(const QString& pdf) { return Output(QStringLiteral("pdftotext -layout '%1' - 2>/dev/null").arg(pdf)); }

// The top-left corner, in points, of the first word on the first page.
QPointF FirstWordCorner(const QString& pdf) {
  const QString html = Output(QStringLiteral("pdftotext -bbox -f 1 -l 1 '%1' - 2>/dev/null").arg(pdf));
  const QRegularExpression word(QStringLiteral(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)")re"));
  const QRegularExpressionMatch match = word.match(html);
  if (!match.hasMatch()) return {-1, -1};
  return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

class Printing : public ::testing::Test {
 protected:
  Printing() : window(fixture.services()) {
    SetErrorReportSinkForTesting([this](const QString& text) { errors << text; });
  }
  ~Printing() override { SetErrorReportSinkForTesting({}); }

  // A report long enough for three pages, each line with its number.
  QStringList LongReport() const {
    QStringList lines;
    for (int i = 1; i <= 150; ++i) lines << QStringLiteral("第%1行 星座运程 line%1").arg(i);
    return lines;
  }
  void Fill(const QStringList& lines) {
    for (const QString& line : lines) window.RzMemo1->addLine(line);
  }

  ShellFixture fixture;
  TFrmmain window;
  QStringList errors;
};

}  // namespace

TEST_F(Printing, PrintsEveryLineOnLetterPagesInsideTheMargins) {
  const QStringList report = LongReport();
  Fill(report);  // the result area is not even shown
  window.findChild<QAction*>(QStringLiteral("dxBarButton3"))->trigger();
  ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();

  const QString info = PdfInfo(fixture.pdf);
  EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts (letter)"))) << info.toStdString();
  const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info);
  ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
  EXPECT_GE(pages.captured(1).toInt(), 2);

  const QString text = PdfText(fixture.pdf);
  for (const QString& line : report) EXPECT_TRUE(text.contains(line)) << line.toStdString();

  // 12.7 mm is 36 points; the engine adds no margin of its own.
  const QPointF corner = FirstWordCorner(fixture.pdf);
  EXPECT_NEAR(corner.x(), 36.0, 2.0);
  EXPECT_GE(corner.y(), 35.0);
  EXPECT_LT(corner.y(), 50.0);
}

TEST_F(Printing, ThePrintButtonPrintsTheSame) {
  Fill({QStringLiteral("您的星座为白羊座,经系统分析如下:")});
  window.RzBitBtnprint->click();
  EXPECT_TRUE(PdfText(fixture.pdf).contains(QStringLiteral("您的星座为白羊座,经系统分析如下:")));
  EXPECT_TRUE(errors.isEmpty());
}

TEST(PrintingFailures, WithoutAPrinterTheErrorReportSaysSo) {
  ShellFixture fixture;
  MainWindowServices services = fixture.services();
  const QString unwritable = QString::fromStdString((fixture.dir.path() / "no-such-dir" / "x.pdf").string());
  const std::pair<const char*, PrinterTarget> targets[] = {
      // What Qt hands back when no printer is installed: a PDF writer without a file.
      {"no printer", [] {
         auto printer = std::make_unique<QPrinter>();
         printer->setOutputFormat(QPrinter::PdfFormat);
         printer->setOutputFileName(QString());
         return printer;
       }},
      {"cannot start", [unwritable] {
         auto printer = std::make_unique<QPrinter>();
         printer->setOutputFormat(QPrinter::PdfFormat);
         printer->setOutputFileName(unwritable);
         return printer;
       }},
  };
  for (const auto& [name, target] : targets) {
    QStringList errors;
    SetErrorReportSinkForTesting([&](const QString& text) { errors << text; });
    services.printerTarget = target;
    TFrmmain window(services);
    window.RzMemo1->addLine(QStringLiteral("x"));
    window.dxBarButton3Click();
    SetErrorReportSinkForTesting({});
    ASSERT_EQ(errors.size(), 1) << name;
    EXPECT_TRUE(errors.front().startsWith(QStringLiteral("打印失败"))) << name;
    EXPECT_TRUE(errors.front().contains(QStringLiteral("打印机"))) << name;
  }
}

TEST_F(Printing, PageSetupOffersPreviewAndPrintAndKeepsItsChanges) {
  Fill({QStringLiteral("line")});
  QStringList buttons;
  AnswerNextModal([&](QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) buttons << button->text();
    auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("landscape"));
    if (landscape) landscape->click();
    static_cast<QDialog*>(dialog)->accept();
  });
  window.findChild<QAction*>(QStringLiteral("dxBarButton61"))->trigger();
  EXPECT_TRUE(buttons.contains(QStringLiteral("预览")));
  EXPECT_TRUE(buttons.contains(QStringLiteral("打印")));

  window.dxBarButton3Click();
  EXPECT_TRUE(PdfInfo(fixture.pdf).contains(QStringLiteral("792 x 612 pts"))) << PdfInfo(fixture.pdf).toStdString();

  // Cancel keeps what OK stored.
  AnswerNextModal([](QWidget* dialog) {
    if (auto* portrait = dialog->findChild<QRadioButton*>(QStringLiteral("portrait"))) portrait->click();
    static_cast<QDialog*>(dialog)->reject();
  });
  window.dxBarButton61Click();
  std::filesystem::remove(fixture.pdf.toStdString());
  window.dxBarButton3Click();
  EXPECT_TRUE(PdfInfo(fixture.pdf).contains(QStringLiteral("792 x 612 pts")));
  EXPECT_TRUE(errors.isEmpty());
}

TEST(PageSetupFailures, AreIgnored) {
  ShellFixture fixture;
  MainWindowServices services = fixture.services();
  services.printerTarget = []() -> std::unique_ptr<QPrinter> { throw std::runtime_error("broken"); };
  QStringList errors;
  SetErrorReportSinkForTesting([&](const QString& text) { errors << text; });
  TFrmmain window(services);
  window.dxBarButton61Click();
  SetErrorReportSinkForTesting({});
  EXPECT_TRUE(errors.isEmpty());
}
