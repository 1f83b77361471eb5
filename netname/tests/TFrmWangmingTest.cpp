// The net-name dialog driven as a user drives it: typing, Enter, the buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/platform/ModalWindow.h"
#include "app/platform/ShowInfo.h"
#include "netname/ui/TFrmWangming.h"

using namespace qorvane;

namespace {

// Types text as key presses, one character at a time: QTest::keyClicks
// cannot send Chinese text.
void Type(QWidget* widget, const QString& text) {
  for (int i = 0; i < text.size(); ++i) {
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, pair ? 2 : 1), Qt::NoModifier);
    if (pair) ++i;
  }
}

class TFrmWangmingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetShowInfoSinkForTesting([this](const QString& text) { infos.append(text); });
    dialog = new TFrmWangming;
    dialog->show();
  }
  void TearDown() override {
    delete dialog.data();
    SetShowInfoSinkForTesting({});
  }

  // Clears the edit, types the name and clicks 测算.
  void Calculate(const QString& name) {
    dialog->edtmun->clear();
    Type(dialog->edtmun, name);
    QTest::mouseClick(dialog->RzBitBtn1, Qt::LeftButton);
  }

  QString NameLine() const { return dialog->RzLabel11->text(); }
  QString PersonalityLine() const { return dialog->RzLabel8->text(); }

  QPointer<TFrmWangming> dialog;
  QStringList infos;
};

const QString kPersonality = QStringLiteral("你的性格：");

}  // namespace

TEST_F(TFrmWangmingTest, StartsWithItsCaptionControlsAndEmptyResult) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("网名与性格"));
  EXPECT_EQ(dialog->RzLabel1->text(), QStringLiteral("输入网名："));
  EXPECT_EQ(dialog->RzBitBtn1->text(), QStringLiteral("测算"));
  EXPECT_EQ(dialog->RzBitBtn2->text(), QStringLiteral("关闭"));
  EXPECT_EQ(dialog->RzGroupBox1->title(), QStringLiteral("测算结果"));
  EXPECT_EQ(dialog->edtmun->width(), 144);
  EXPECT_TRUE(dialog->RzLabel8->wordWrap());
  EXPECT_EQ(dialog->RzLabel8->size(), QSize(329, 75));
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(dialog->testAttribute(Qt::WA_DeleteOnClose));
  EXPECT_TRUE(NameLine().isEmpty());
  EXPECT_TRUE(PersonalityLine().isEmpty());
}

TEST_F(TFrmWangmingTest, ShowsTheNameAndThePersonalityOfItsLastLetter) {
  const struct {
    QString typed;
    QString nameLine;
    QString personalityLine;
  } cases[] = {
      {QStringLiteral("小明"), QStringLiteral("你的网名：小明"),
       kPersonality + QStringLiteral("反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱")},
      {QStringLiteral("ABC"), QStringLiteral("你的网名：ABC"), kPersonality + QStringLiteral("可爱，较明显的自恋")},
      {QStringLiteral("tom2"), QStringLiteral("你的网名：TOM2"), kPersonality + QStringLiteral("老实，沉默")},
      {QStringLiteral("李四"), QStringLiteral("你的网名：李四"),
       kPersonality + QStringLiteral("心胸宽大，有深藏不露的自恋")},
      {QStringLiteral("  ABC!  "), QStringLiteral("你的网名：ABC!"), kPersonality + QStringLiteral("可爱，较明显的自恋")},
      {QStringLiteral("丽丽佛"), QStringLiteral("你的网名：丽丽佛"), kPersonality},
      {QStringLiteral("!!!"), QStringLiteral("你的网名：!!!"), kPersonality},
      {QStringLiteral("QQ9"), QStringLiteral("你的网名：QQ9"), kPersonality + QStringLiteral("有点懒惰")},
      {QStringLiteral("①⑩"), QStringLiteral("你的网名：①⑩"), kPersonality + QStringLiteral("煽情高手")},
      {QStringLiteral("f"), QStringLiteral("你的网名：F"), kPersonality + QStringLiteral("有抱负，志气高")},
      {QStringLiteral("h"), QStringLiteral("你的网名：H"), kPersonality + QStringLiteral("自立，自强，可依靠")},
  };
  for (const auto& c : cases) {
    Calculate(c.typed);
    EXPECT_EQ(NameLine(), c.nameLine) << c.typed.toStdString();
    EXPECT_EQ(PersonalityLine(), c.personalityLine) << c.typed.toStdString();
  }
  EXPECT_TRUE(infos.isEmpty());
}

TEST_F(TFrmWangmingTest, EnterRunsTheReadingLikeTheButton) {
  Type(dialog->edtmun, QStringLiteral("小明"));
  QTest::keyClick(dialog->edtmun, Qt::Key_Return);
  EXPECT_EQ(NameLine(), QStringLiteral("你的网名：小明"));
  EXPECT_TRUE(PersonalityLine().startsWith(kPersonality + QStringLiteral("反复无常")));
  EXPECT_TRUE(dialog->isVisible());  // no default button closed it
}

TEST_F(TFrmWangmingTest, BlankNameIsRefusedAndTheLabelsKeepTheirText) {
  Calculate(QStringLiteral("小明"));
  const QString name = NameLine(), personality = PersonalityLine();
  for (const QString& blank : {QString(), QStringLiteral("   ")}) {
    infos.clear();
    Calculate(blank);
    EXPECT_EQ(infos, QStringList{QStringLiteral("请输入你的网名！")});
    EXPECT_EQ(NameLine(), name);
    EXPECT_EQ(PersonalityLine(), personality);
  }
}

TEST_F(TFrmWangmingTest, ANameGbkCannotHoldAsksForAnotherName) {
  Calculate(QStringLiteral("小明") + QString::fromUtf8("\xF0\x9F\x98\x80"));
  EXPECT_EQ(NameLine(), QStringLiteral("你的网名：小明") + QString::fromUtf8("\xF0\x9F\x98\x80"));
  EXPECT_EQ(PersonalityLine(), QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
  EXPECT_TRUE(infos.isEmpty());
}

TEST_F(TFrmWangmingTest, EditTakesEighteenCharactersInUpperCase) {
  Type(dialog->edtmun, QStringLiteral("abcdefghij小明klmnopqrst"));
  EXPECT_EQ(dialog->edtmun->text(), QStringLiteral("ABCDEFGHIJ小明KLMNOP"));
}

// The dialog that OpenModal is running; anything else modal is closed, so
// that a failing case cannot leave the test waiting in a modal loop.
TFrmWangming* RunningDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  auto* dialog = qobject_cast<TFrmWangming*>(modal);
  if (!dialog && modal) modal->close();
  return dialog;
}

TEST(TFrmWangmingLifecycle, ClosingFreesTheDialogAndClearsItsReference) {
  for (bool byButton : {true, false}) {
    QPointer<TFrmWangming> opened;
    QTimer::singleShot(0, [&] {
      opened = RunningDialog();
      ASSERT_TRUE(opened);
      EXPECT_EQ(opened, ModalInstance<TFrmWangming>());
      if (byButton) {
        QTest::mouseClick(opened->RzBitBtn2, Qt::LeftButton);
      } else {
        opened->close();  // the close box
      }
    });
    OpenModal<TFrmWangming>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull()) << (byButton ? "关闭" : "close box");
    EXPECT_TRUE(ModalInstance<TFrmWangming>().isNull());
  }
}

TEST(TFrmWangmingLifecycle, OpeningAgainGivesAFreshDialog) {
  QStringList seen;
  for (int round = 0; round < 2; ++round) {
    QTimer::singleShot(0, [&] {
      TFrmWangming* dialog = RunningDialog();
      ASSERT_TRUE(dialog);
      seen << dialog->edtmun->text() << dialog->RzLabel11->text() << dialog->RzLabel8->text();
      Type(dialog->edtmun, QStringLiteral("ABC"));
      QTest::mouseClick(dialog->RzBitBtn1, Qt::LeftButton);
      dialog->close();
    });
    OpenModal<TFrmWangming>();
  }
  EXPECT_EQ(seen, QStringList(6, QString()));
}
