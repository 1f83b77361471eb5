#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>
#include <stdexcept>

#include "app/platform/CommandGuard.h"
#include "app/platform/ModalWindow.h"
#include "app/platform/ShowInfo.h"
#include "text/SilentAbort.h"

using namespace qorvane;

TEST(CommandGuard, SilentAbortIsSilentAndOtherErrorsAreReported) {
  QStringList reports;
  SetErrorReportSinkForTesting([&](const QString& text) { reports << text; });
  bool after = false;
  RunCommand([&] {
    throw SilentAbort("cancelled");
    after = true;
  });
  EXPECT_TRUE(reports.isEmpty());
  RunCommand([] { throw std::runtime_error("磁盘已满"); });
  RunCommand([] { throw 42; });
  RunCommand([] {});
  SetErrorReportSinkForTesting({});
  EXPECT_FALSE(after);
  EXPECT_EQ(reports, (QStringList{QStringLiteral("磁盘已满"), QStringLiteral("未知错误")}));
}

TEST(ShowInfo, GoesToTheSinkWhileOneIsSet) {
  QStringList shown;
  SetShowInfoSinkForTesting([&](const QString& text) { shown << text; });
  ShowInfo(QStringLiteral("请输入你的号码！"));
  SetShowInfoSinkForTesting({});
  EXPECT_EQ(shown, QStringList{QStringLiteral("请输入你的号码！")});
}

namespace {
class ProbeDialog : public QDialog {
 public:
  explicit ProbeDialog(int value) : value(value) {}
  int value;
};
}  // namespace

TEST(ModalWindow, EachOpeningFreesTheLastWindowAndMakesAFreshOne) {
  QPointer<ProbeDialog> first;
  QTimer::singleShot(0, [&] {
    first = ModalInstance<ProbeDialog>();
    first->value = 99;  // what the user changed in the first window
    first->reject();
  });
  OpenModal<ProbeDialog>(1);
  ASSERT_TRUE(first);  // closed, but kept until the next opening
  EXPECT_FALSE(first->isVisible());

  QTimer::singleShot(0, [&] { ModalInstance<ProbeDialog>()->reject(); });
  OpenModal<ProbeDialog>(2);
  EXPECT_FALSE(first);  // the earlier window is gone
  ASSERT_TRUE(ModalInstance<ProbeDialog>());
  EXPECT_EQ(ModalInstance<ProbeDialog>()->value, 2);
  delete ModalInstance<ProbeDialog>().data();
}
