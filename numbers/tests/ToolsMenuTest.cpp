// The 工具 menu's number commands, from the main window down to the dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/TFrmmain.h"
#include "app/platform/ModalWindow.h"
#include "content/ContentDb.h"
#include "content/tests/TestDatabase.h"
#include "numbers/tests/NumberDialogDriver.h"
#include "numbers/ui/TFrmQQhm.h"
#include "numbers/ui/TFrm_SJcs.h"
#include "numbers/ui/TFrm_onther.h"

namespace qorvane {
namespace {

class ToolsMenu : public ::testing::Test {
 protected:
  ToolsMenu() {
    testing::MakeDatabase(directory.path() / std::string(kDreamFileName),
                          "create table shouji(num text, title text, jx text, content text);"
                          "insert into shouji values('78', '测试专用', '吉', '只在这个目录里。');");
    MainWindowServices services;
    services.contentDirectory = directory.path();
    services.bannerServer.clear();  // no downloads in a test
    window = std::make_unique<TFrmmain>(std::move(services));
  }

  // Runs the menu item; `inDialog` sees the dialog it opened, then closes it.
  template <class Dialog>
  void Choose(const char* action, std::function<void(Dialog&)> inDialog) {
    QAction* item = window->findChild<QAction*>(QString::fromUtf8(action));
    ASSERT_NE(item, nullptr) << action;
    bool opened = false;
    QTimer::singleShot(0, [&] {
      Dialog* dialog = ModalInstance<Dialog>().data();
      if (!dialog || !dialog->isVisible()) return;
      opened = true;
      inDialog(*dialog);
      dialog->RzBitBtn2->click();
    });
    item->trigger();
    EXPECT_TRUE(opened) << action;
  }

  testing::TempDir directory;
  testing::MessageRecorder messages;
  std::unique_ptr<TFrmmain> window;
};

TEST_F(ToolsMenu, MoreNumbersShowsEntry33InRedFor12345) {
  QString verdict;
  QColor colour;
  Choose<TFrm_onther>("dxBarButton23", [&](TFrm_onther& dialog) {
    testing::TypeKeys(dialog.edtmun, "12345");
    QTest::keyClick(dialog.edtmun, Qt::Key_Return);
    verdict = dialog.RzLabel9->text();
    colour = dialog.RzLabel9->palette().color(QPalette::WindowText);
  });
  EXPECT_EQ(verdict, QStringLiteral("凶"));
  EXPECT_EQ(colour, QColor(Qt::red));
  EXPECT_TRUE(ModalInstance<TFrm_onther>().isNull());
}

TEST_F(ToolsMenu, QQNumberOpensItsDialog) {
  QString caption;
  Choose<TFrmQQhm>("dxBarButton22",
                   [&](TFrmQQhm& dialog) { caption = dialog.windowTitle(); });
  EXPECT_EQ(caption, QStringLiteral("QQ号码测试"));
  EXPECT_TRUE(ModalInstance<TFrmQQhm>().isNull());
}

TEST_F(ToolsMenu, PhoneNumberReadsTheMainWindowsContentDirectory) {
  QString status;
  Choose<TFrm_SJcs>("dxBarButton19", [&](TFrm_SJcs& dialog) {
    testing::TypeKeys(dialog.edtmun, "13912345678");
    QTest::keyClick(dialog.edtmun, Qt::Key_Return);
    status = dialog.RzLabel10->text();
  });
  EXPECT_EQ(status, QStringLiteral("测试专用"));
  EXPECT_TRUE(messages.errors.isEmpty());
  delete ModalInstance<TFrm_SJcs>().data();
}

}  // namespace
}  // namespace qorvane
