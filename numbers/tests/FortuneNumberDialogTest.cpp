#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <type_traits>

#include "app/platform/ModalWindow.h"
#include "numbers/FortuneEntryFields.h"
#include "numbers/Haomainfostr.h"
#include "numbers/tests/NumberDialogDriver.h"
#include "numbers/ui/TFrmQQhm.h"
#include "numbers/ui/TFrm_onther.h"

namespace qorvane {
namespace {

using testing::MessageRecorder;
using testing::PasteText;
using testing::TypeKeys;

// What differs between the twin dialogs.
template <class Dialog>
struct Look;
template <>
struct Look<TFrmQQhm> {
  static constexpr const char* caption = "QQ号码测试";
  static constexpr int height = 270;
  static constexpr const char* prompt = "QQ号码：";
  static constexpr const char* numberCaption = "qq号码是：";
  static constexpr const char* emptyMessage = "请输入你的QQ号码！";
};
template <>
struct Look<TFrm_onther> {
  static constexpr const char* caption = "任意号码分析";
  static constexpr int height = 271;
  static constexpr const char* prompt = "任意号码：";
  static constexpr const char* numberCaption = "输入号码是：";
  static constexpr const char* emptyMessage = "请输入你的号码！";
};

QStringList EntryValues(const QString& number, int index) {
  FortuneEntryFields fields = SplitFortuneEntry(NumerologyEntryText(index));
  return {number, QString::fromStdString(fields.verse), QString::fromStdString(fields.verdict),
          QString::fromStdString(fields.reading)};
}

template <class Dialog>
class FortuneNumberDialogTest : public ::testing::Test {
 protected:
  FortuneNumberDialogTest() : dialog(new Dialog) {}
  ~FortuneNumberDialogTest() override { delete dialog.data(); }

  QStringList Values() const {
    return {dialog->RzLabel11->text(), dialog->RzLabel10->text(), dialog->RzLabel9->text(),
            dialog->RzLabel8->text()};
  }
  void ClearEdit() {
    QTest::keyClick(dialog->edtmun, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dialog->edtmun, Qt::Key_Backspace);
  }
  // Leaves a full result on screen, so that a test can see what changes.
  void ComputeTwelveThousand() {
    TypeKeys(dialog->edtmun, "12345");
    QTest::keyClick(dialog->edtmun, Qt::Key_Return);
    ASSERT_EQ(Values(), EntryValues("12345", 33));
  }
  QString EmptyMessage() const { return QString::fromUtf8(Look<Dialog>::emptyMessage); }

  MessageRecorder messages;
  QPointer<Dialog> dialog;
};

struct DialogName {
  template <class Dialog>
  static std::string GetName(int) {
    return std::is_same_v<Dialog, TFrmQQhm> ? "TFrmQQhm" : "TFrm_onther";
  }
};

using FortuneDialogs = ::testing::Types<TFrmQQhm, TFrm_onther>;
TYPED_TEST_SUITE(FortuneNumberDialogTest, FortuneDialogs, DialogName);

TYPED_TEST(FortuneNumberDialogTest, OpensEmptyWithItsOwnTexts) {
  auto* d = this->dialog.data();
  EXPECT_EQ(d->windowTitle(), QString::fromUtf8(Look<TypeParam>::caption));
  EXPECT_EQ(d->size(), QSize(388, Look<TypeParam>::height));
  EXPECT_EQ(d->RzLabel1->text(), QString::fromUtf8(Look<TypeParam>::prompt));
  EXPECT_EQ(d->RzLabel5->text(), QString::fromUtf8(Look<TypeParam>::numberCaption));
  EXPECT_EQ(d->RzLabel4->text(), QStringLiteral("状态："));
  EXPECT_EQ(d->RzLabel6->text(), QStringLiteral("吉凶："));
  EXPECT_EQ(d->RzLabel7->text(), QStringLiteral("具体表现："));
  EXPECT_EQ(d->RzGroupBox1->title(), QStringLiteral("测算结果"));
  EXPECT_EQ(d->RzBitBtn1->text(), QStringLiteral("测算"));
  EXPECT_EQ(d->RzBitBtn2->text(), QStringLiteral("关闭"));
  EXPECT_EQ(d->edtmun->maxLength(), 18);
  EXPECT_EQ(d->edtmun->text(), QString());
  EXPECT_EQ(this->Values(), QStringList({"", "", "", ""}));
  EXPECT_EQ(d->RzLabel9->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(d->RzLabel8->wordWrap());
}

TYPED_TEST(FortuneNumberDialogTest, TypedDigitsAndEnterShowTheEntry) {
  auto* d = this->dialog.data();
  TypeKeys(d->edtmun, "12a3-4 5.6");  // only the digits get through
  QTest::keyClick(d->edtmun, Qt::Key_Backspace);
  EXPECT_EQ(d->edtmun->text(), QStringLiteral("12345"));
  QTest::keyClick(d->edtmun, Qt::Key_Return);
  EXPECT_EQ(this->Values(), EntryValues("12345", 33));
  EXPECT_EQ(d->RzLabel9->text(), QStringLiteral("凶"));
  EXPECT_TRUE(d->RzLabel8->text().startsWith(
      QStringLiteral("主人性格类型：[不善表达/疑心大型]，其具体表现为：")));
  EXPECT_TRUE(this->messages.infos.isEmpty());
}

TYPED_TEST(FortuneNumberDialogTest, ButtonKeepsLeadingZerosOfTheNumber) {
  TypeKeys(this->dialog->edtmun, "0000");
  this->dialog->RzBitBtn1->click();
  EXPECT_EQ(this->Values(), EntryValues("0000", 0));
}

TYPED_TEST(FortuneNumberDialogTest, TakesEighteenDigitsAtMost) {
  TypeKeys(this->dialog->edtmun, QString(20, QLatin1Char('9')));
  EXPECT_EQ(this->dialog->edtmun->text(), QString(18, QLatin1Char('9')));
  QTest::keyClick(this->dialog->edtmun, Qt::Key_Enter);  // the keypad's Enter too
  EXPECT_EQ(this->Values(), EntryValues(QString(18, QLatin1Char('9')), 0));
}

TYPED_TEST(FortuneNumberDialogTest, EmptyFieldShowsItsMessageAndKeepsTheResult) {
  this->ComputeTwelveThousand();
  this->ClearEdit();
  QTest::keyClick(this->dialog->edtmun, Qt::Key_Return);
  PasteText(this->dialog->edtmun, "   ");  // blanks only are empty too
  this->dialog->RzBitBtn1->click();
  EXPECT_EQ(this->messages.infos, QStringList({this->EmptyMessage(), this->EmptyMessage()}));
  EXPECT_EQ(this->Values(), EntryValues("12345", 33));
}

TYPED_TEST(FortuneNumberDialogTest, PastedTextThatIsNoNumberIsRefusedLikeAnEmptyField) {
  this->ComputeTwelveThousand();
  this->ClearEdit();
  PasteText(this->dialog->edtmun, "12ab");
  EXPECT_EQ(this->dialog->edtmun->text(), QStringLiteral("12AB"));  // shown in upper case
  QTest::keyClick(this->dialog->edtmun, Qt::Key_Return);
  EXPECT_EQ(this->messages.infos, QStringList({this->EmptyMessage()}));
  EXPECT_TRUE(this->messages.errors.isEmpty());
  EXPECT_EQ(this->Values(), EntryValues("12345", 33));
}

TYPED_TEST(FortuneNumberDialogTest, SecondComputeReplacesAllFourValues) {
  this->ComputeTwelveThousand();
  this->ClearEdit();
  PasteText(this->dialog->edtmun, " -5 ");  // negative, not a multiple of 81
  this->dialog->RzBitBtn1->click();
  EXPECT_EQ(this->Values(), QStringList({"-5", "", "", QString::fromUtf8(kNumerologyFallback.data(),
                                                                         kNumerologyFallback.size())}));
  this->ClearEdit();
  TypeKeys(this->dialog->edtmun, "82");
  QTest::keyClick(this->dialog->edtmun, Qt::Key_Return);
  EXPECT_EQ(this->Values(), EntryValues("82", 1));
  EXPECT_TRUE(this->messages.infos.isEmpty());
}

TYPED_TEST(FortuneNumberDialogTest, ClosingFreesTheDialogAndTheNextOpeningIsFresh) {
  QPointer<TypeParam>& instance = ModalInstance<TypeParam>();
  QTimer::singleShot(0, [&] {
    TypeKeys(instance->edtmun, "12345");
    QTest::keyClick(instance->edtmun, Qt::Key_Return);
    instance->RzBitBtn2->click();
  });
  OpenModal<TypeParam>();
  EXPECT_TRUE(instance.isNull());

  QStringList seen;
  QTimer::singleShot(0, [&] {
    seen << instance->edtmun->text() << instance->RzLabel11->text() << instance->RzLabel8->text();
    instance->close();  // the title bar's close button
  });
  OpenModal<TypeParam>();
  EXPECT_EQ(seen, QStringList({"", "", ""}));
  EXPECT_TRUE(instance.isNull());
}

}  // namespace
}  // namespace qorvane
