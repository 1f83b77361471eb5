#include "numbers/ui/TFrm_SJcs.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/platform/ModalWindow.h"
#include "content/ContentDb.h"
#include "content/tests/TestDatabase.h"
#include "numbers/tests/NumberDialogDriver.h"

namespace qorvane {
namespace {

using testing::MessageRecorder;
using testing::PasteText;
using testing::TypeKeys;

const QString kEnterElevenDigits = QStringLiteral("请输入11位手机号码！");
const QString kEnterCorrectNumber = QStringLiteral("请输入正确的手机号码！");

class PhoneDialog : public ::testing::Test {
 protected:
  PhoneDialog() {
    testing::MakeDatabase(DreamFile(),
                          "create table shouji(num text, title text, jx text, content text);"
                          "insert into shouji values('78', ' 一帆风顺 ', '吉', '  顺顺当当。\r\n');"
                          "insert into shouji values('1', '开门见喜', '吉带凶', '好事多磨。');"
                          "insert into shouji values('5', '稳中求进', '凶带吉', '慢慢来。');");
    dialog = new TFrm_SJcs(directory.path());
  }
  ~PhoneDialog() override { delete dialog.data(); }

  std::filesystem::path DreamFile() const {
    return directory.path() / std::string(kDreamFileName);
  }
  QStringList Values() const {
    return {dialog->RzLabel11->text(), dialog->RzLabel10->text(), dialog->RzLabel9->text(),
            dialog->RzLabel8->text()};
  }
  void Enter(const QString& digits) {
    QTest::keyClick(dialog->edtmun, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dialog->edtmun, Qt::Key_Backspace);
    TypeKeys(dialog->edtmun, digits);
    QTest::keyClick(dialog->edtmun, Qt::Key_Return);
  }
  void Paste(const QString& text) {
    QTest::keyClick(dialog->edtmun, Qt::Key_A, Qt::ControlModifier);
    PasteText(dialog->edtmun, text);
  }

  testing::TempDir directory;
  MessageRecorder messages;
  QPointer<TFrm_SJcs> dialog;
};

const QStringList kReading78 = {"13912345678", "一帆风顺", "吉", "顺顺当当。"};

TEST_F(PhoneDialog, OpensEmptyWithItsTexts) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("手机号码测算"));
  EXPECT_EQ(dialog->size(), QSize(437, 300));
  EXPECT_EQ(dialog->edtmun->maxLength(), 11);
  EXPECT_EQ(dialog->RzLabel1->text(), QStringLiteral("输入号码："));
  EXPECT_EQ(dialog->RzLabel2->text(), QStringLiteral("请注意：手机号码是11位，请正确输入。"));
  EXPECT_EQ(dialog->RzLabel3->text(),
            QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响"
                           "运势命运的意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，"
                           "也代表您与所有人的沟通桥梁！"));
  EXPECT_EQ(dialog->RzLabel5->text(), QStringLiteral("手机号码是："));
  EXPECT_EQ(dialog->RzLabel4->text(), QStringLiteral("状态："));
  EXPECT_EQ(dialog->RzLabel6->text(), QStringLiteral("吉凶："));
  EXPECT_EQ(dialog->RzLabel7->text(), QStringLiteral("具体表现："));
  EXPECT_EQ(dialog->RzGroupBox1->title(), QStringLiteral("测算结果"));
  EXPECT_EQ(dialog->RzBitBtn1->text(), QStringLiteral("测算"));
  EXPECT_EQ(dialog->RzBitBtn2->text(), QStringLiteral("关闭"));
  EXPECT_EQ(Values(), QStringList({"", "", "", ""}));
  EXPECT_EQ(dialog->RzLabel9->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(PhoneDialog, TypedNumberAndEnterShowTheStoredReadingTrimmed) {
  TypeKeys(dialog->edtmun, "139a1234x5678");
  EXPECT_EQ(dialog->edtmun->text(), QStringLiteral("13912345678"));
  QTest::keyClick(dialog->edtmun, Qt::Key_Return);
  EXPECT_EQ(Values(), kReading78);
  EXPECT_TRUE(messages.infos.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(PhoneDialog, KeyIsTheLastFourDigitsMod80AndBlanksAreIgnored) {
  Paste("15900000081");  // "15" passes, 0081 -> key 1
  dialog->RzBitBtn1->click();
  EXPECT_EQ(Values(), QStringList({"15900000081", "开门见喜", "吉带凶", "好事多磨。"}));
  Paste("  13912345 ");  // eight digits: the key is the last one
  dialog->RzBitBtn1->click();
  EXPECT_EQ(Values(), QStringList({"13912345", "稳中求进", "凶带吉", "慢慢来。"}));
  EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(PhoneDialog, WrongInputGetsItsMessageAndChangesNothing) {
  struct Case {
    const char* input;
    bool pasted;
    QString message;
  };
  const Case cases[] = {
      {"", false, kEnterElevenDigits},
      {"12912345678", false, kEnterCorrectNumber},
      {"18912345678", false, kEnterCorrectNumber},
      {"3", false, kEnterCorrectNumber},
      {"1391234", false, kEnterElevenDigits},  // passes the prefix, too short for a key
      {"13", false, kEnterElevenDigits},
      {"13a45678901", true, kEnterElevenDigits},
      {"139 1234567", true, kEnterElevenDigits},
      {"abc", true, kEnterCorrectNumber},
  };
  Enter("13912345678");
  ASSERT_EQ(Values(), kReading78);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    messages.infos.clear();
    if (c.pasted) {
      Paste(c.input);
      dialog->RzBitBtn1->click();
    } else {
      Enter(c.input);
    }
    EXPECT_EQ(messages.infos, QStringList({c.message}));
    EXPECT_EQ(Values(), kReading78);
  }
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(PhoneDialog, KeyWithoutRowShowsOnlyTheNumber) {
  Enter("13912345678");
  Enter("13900000033");
  EXPECT_EQ(Values(), QStringList({"13900000033", "", "", ""}));
  EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(PhoneDialog, FailingQueryIsSilentAndKeepsThePreviousResult) {
  Enter("13912345678");
  std::filesystem::remove(DreamFile());
  Enter("15900000081");
  EXPECT_EQ(Values(), kReading78);
  EXPECT_FALSE(std::filesystem::exists(DreamFile()));  // not created by the query
  std::ofstream(DreamFile()) << "not a database";
  Enter("15900000081");
  EXPECT_EQ(Values(), kReading78);
  EXPECT_TRUE(messages.infos.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(PhoneDialog, ReadsTheDatabaseAfreshAtEachCompute) {
  Enter("13900000033");
  ASSERT_EQ(Values(), QStringList({"13900000033", "", "", ""}));
  SQLite::Database(DreamFile().string(), SQLite::OPEN_READWRITE)
      .exec("insert into shouji values('33', '后来居上', '吉', '新添的。')");
  Enter("13900000033");
  EXPECT_EQ(Values(), QStringList({"13900000033", "后来居上", "吉", "新添的。"}));
}

TEST(PhoneDialogShipped, ShowsTheRowOfTheBuiltDreamFile) {
  MessageRecorder messages;
  TFrm_SJcs dialog(QORVANE_BINARY_DIR);
  TypeKeys(dialog.edtmun, "13912345678");
  QTest::keyClick(dialog.edtmun, Qt::Key_Return);

  SQLite::Database dream(std::string(QORVANE_BINARY_DIR) + "/dream.dll", SQLite::OPEN_READONLY);
  SQLite::Statement row(dream, "select title, jx, content from shouji where num = '78'");
  ASSERT_TRUE(row.executeStep());
  EXPECT_EQ(dialog.RzLabel11->text(), QStringLiteral("13912345678"));
  EXPECT_EQ(dialog.RzLabel10->text(), QString::fromStdString(row.getColumn(0).getString()).trimmed());
  EXPECT_EQ(dialog.RzLabel9->text(), QString::fromStdString(row.getColumn(1).getString()).trimmed());
  EXPECT_EQ(dialog.RzLabel8->text(), QString::fromStdString(row.getColumn(2).getString()).trimmed());
  EXPECT_FALSE(dialog.RzLabel10->text().isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(PhoneDialog, ReopeningReplacesTheHiddenDialogWithAFreshOne) {
  QPointer<TFrm_SJcs>& instance = ModalInstance<TFrm_SJcs>();
  QTimer::singleShot(0, [&] {
    TypeKeys(instance->edtmun, "13912345678");
    QTest::keyClick(instance->edtmun, Qt::Key_Return);
    instance->RzBitBtn2->click();
  });
  OpenModal<TFrm_SJcs>(directory.path());
  ASSERT_FALSE(instance.isNull());  // kept, hidden, until the next opening
  EXPECT_FALSE(instance->isVisible());
  EXPECT_EQ(instance->RzLabel10->text(), QStringLiteral("一帆风顺"));
  QPointer<TFrm_SJcs> first = instance;

  QStringList seen;
  QTimer::singleShot(0, [&] {
    seen << instance->edtmun->text() << instance->RzLabel11->text() << instance->RzLabel10->text();
    instance->close();
  });
  OpenModal<TFrm_SJcs>(directory.path());
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(seen, QStringList({"", "", ""}));
  delete instance.data();
}

}  // namespace
}  // namespace qorvane
