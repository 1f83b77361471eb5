// Pasted text of every awkward kind into the edit of each reading dialog: the
// dialog answers with its own message or a reading, never with an error, and
// reads a good number or name correctly afterwards. Already covered in the
// dialogs' own tests: letters in a number, blanks only, a negative number.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "netname/ui/TFrmWangming.h"
#include "numbers/tests/NumberDialogDriver.h"
#include "numbers/ui/TFrmQQhm.h"
#include "numbers/ui/TFrm_SJcs.h"
#include "numbers/ui/TFrm_onther.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

// One dialog as the test drives it.
struct Target {
  const char* name;
  std::function<QDialog*()> make;
  std::function<QLineEdit*(QDialog*)> edit;
  std::function<QPushButton*(QDialog*)> compute;
  std::function<QStringList(QDialog*)> values;
  QStringList messages;  // what the dialog may say to wrong input
  QString goodInput;
};

template <class D>
Target NumberTarget(const char* name, std::function<QDialog*()> make, QStringList messages, QString good) {
  return {name,
          std::move(make),
          [](QDialog* d) { return static_cast<D*>(d)->edtmun; },
          [](QDialog* d) { return static_cast<D*>(d)->RzBitBtn1; },
          [](QDialog* d) {
            auto* n = static_cast<D*>(d);
            return QStringList{n->RzLabel11->text(), n->RzLabel10->text(), n->RzLabel9->text(), n->RzLabel8->text()};
          },
          std::move(messages),
          std::move(good)};
}

std::vector<Target> Targets() {
  return {
      NumberTarget<TFrmQQhm>("qq", [] { return new TFrmQQhm; }, {QStringLiteral("请输入你的QQ号码！")},
                             QStringLiteral("12345")),
      NumberTarget<TFrm_onther>("any number", [] { return new TFrm_onther; }, {QStringLiteral("请输入你的号码！")},
                                QStringLiteral("12345")),
      NumberTarget<TFrm_SJcs>("phone", [] { return new TFrm_SJcs(QORVANE_BINARY_DIR); },
                              {QStringLiteral("请输入11位手机号码！"), QStringLiteral("请输入正确的手机号码！")},
                              QStringLiteral("13912345678")),
      {"net name",
       [] { return new TFrmWangming; },
       [](QDialog* d) { return static_cast<TFrmWangming*>(d)->edtmun; },
       [](QDialog* d) { return static_cast<TFrmWangming*>(d)->RzBitBtn1; },
       [](QDialog* d) {
         auto* w = static_cast<TFrmWangming*>(d);
         return QStringList{w->RzLabel11->text(), w->RzLabel8->text()};
       },
       {QStringLiteral("请输入你的网名！")},
       QStringLiteral("小明")},
  };
}

const QString kHan = QStringLiteral("中");
const QString kEmoji = QStringLiteral("\U0001F600");

const std::pair<const char*, QString> kPastes[] = {
    {"nineteen digits", QStringLiteral("1234567890123456789")},
    {"minus only", QStringLiteral("-")},
    {"full-width digits", QStringLiteral("１３９１２３４５６７８")},
    {"blanks and control characters", QStringLiteral(" \t13\x01" "9\x7F 12\r345678\n")},
    {"an emoji", kEmoji},
    {"an emoji cut in half by the length limit", QStringLiteral("13912345678901234") + kEmoji},
    {"ten thousand digits", QString(10000, QLatin1Char('7'))},
    {"ten thousand Han characters", kHan.repeated(10000)},
    {"ten thousand emoji", kEmoji.repeated(10000)},
};

void Compute(const Target& target, QDialog* dialog, const QString& text) {
  target.edit(dialog)->clear();
  PasteText(target.edit(dialog), text);
  target.compute(dialog)->click();
}

}  // namespace

TEST(BadPastes, EachDialogAnswersAndStillReadsAGoodInput) {
  for (const Target& target : Targets()) {
    SCOPED_TRACE(target.name);
    // What a fresh dialog shows for the good input.
    QPointer<QDialog> fresh = target.make();
    Compute(target, fresh, target.goodInput);
    const QStringList goodValues = target.values(fresh);
    delete fresh.data();

    QPointer<QDialog> dialog = target.make();
    for (const auto& [what, text] : kPastes) {
      SCOPED_TRACE(what);
      MessageRecorder messages;
      Compute(target, dialog, target.goodInput);
      const QStringList before = target.values(dialog);
      Compute(target, dialog, text);
      const QLineEdit* edit = target.edit(dialog);
      EXPECT_LE(edit->text().size(), edit->maxLength());
      EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
      EXPECT_LE(messages.infos.size(), 1);
      for (const QString& message : messages.infos) {
        EXPECT_TRUE(target.messages.contains(message)) << message.toStdString();
      }
      // A refused input changes nothing that was shown.
      if (!messages.infos.isEmpty()) {
        EXPECT_EQ(target.values(dialog), before);
      }
    }
    MessageRecorder messages;
    Compute(target, dialog, target.goodInput);
    EXPECT_EQ(target.values(dialog), goodValues);
    EXPECT_TRUE(messages.infos.isEmpty());
    delete dialog.data();
  }
}
