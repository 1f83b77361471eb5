// Broken content databases under the commands that read them: a sign click
// (BrelmFile.dll) and the phone-number dialog (dream.dll). The query-level
// cases (missing file, missing table or column, a file that is no database,
// NULL columns) have tests in content/ and numbers/; here each kind of damage
// goes through the window, which must stay silent, keep what it showed and
// work again once the file is good.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <random>

#include "app/ResultMemo.h"
#include "app/TFrmmain.h"
#include "app/platform/ClickableLabel.h"
#include "app/tests/ShellTestSupport.h"
#include "content/ContentDb.h"
#include "numbers/tests/NumberDialogDriver.h"
#include "numbers/ui/TFrm_SJcs.h"

using namespace qorvane;
using namespace qorvane::testing;

namespace {

enum class Damage { Missing, Empty, RandomBytes, MissingTable, MissingColumn, NullContent, MiBContent };

struct DamageCase {
  const char* name;
  Damage damage;
  bool queryFails;
};

const DamageCase kDamages[] = {
    {"missing", Damage::Missing, true},
    {"empty", Damage::Empty, true},
    {"random bytes", Damage::RandomBytes, true},
    {"missing table", Damage::MissingTable, true},
    {"missing column", Damage::MissingColumn, true},
    {"NULL content", Damage::NullContent, false},
    {"1 MiB content", Damage::MiBContent, false},
};

const std::string kMiBText = [] {
  std::string text;
  while (text.size() < 1024 * 1024) text += "好运";
  return text;
}();

// Puts a copy of the shipped file `name` into `directory`, damaged in `table`
// (row `key` of column `keyColumn` for the row-level damage).
void PlaceDamaged(const std::filesystem::path& directory, std::string_view name, Damage damage,
                  const std::string& table, const std::string& keyColumn, const std::string& key) {
  const std::filesystem::path file = directory / name;
  std::filesystem::remove(file);
  switch (damage) {
    case Damage::Missing:
      return;
    case Damage::Empty:
      WriteFile(file, "");
      return;
    case Damage::RandomBytes: {
      std::mt19937 random(11);
      std::string bytes(64 * 1024, '\0');
      for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
      WriteFile(file, bytes);
      return;
    }
    default:
      break;
  }
  std::filesystem::copy_file(std::filesystem::path(QORVANE_BINARY_DIR) / name, file);
  SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
  switch (damage) {
    case Damage::MissingTable:
      db.exec("drop table " + table);
      break;
    case Damage::MissingColumn:
      db.exec("alter table " + table + " drop column content");
      break;
    case Damage::NullContent:
      db.exec("update " + table + " set content = NULL where " + keyColumn + " = '" + key + "'");
      break;
    case Damage::MiBContent: {
      SQLite::Statement update(db, "update " + table + " set content = ? where " + keyColumn + " = ?");
      update.bind(1, kMiBText);
      update.bind(2, key);
      update.exec();
      break;
    }
    default:
      break;
  }
}

void PlaceShipped(const std::filesystem::path& directory, std::string_view name) {
  std::filesystem::remove(directory / name);
  std::filesystem::copy_file(std::filesystem::path(QORVANE_BINARY_DIR) / name, directory / name);
}

void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.name; }

class BadContentFile : public ::testing::TestWithParam<DamageCase> {};

}  // namespace

// The section of code 3 (health care, table baojian) is the fourth query of
// the report: what the first three wrote stays when it fails.
TEST_P(BadContentFile, SignReportStaysSilentAndRecovers) {
  const DamageCase& c = GetParam();
  TempDir directory;
  MessageRecorder messages;
  MainWindowServices services;
  services.contentDirectory = directory.path();
  services.bannerServer.clear();
  TFrmmain window(std::move(services));
  ClickableLabel* aries = nullptr;
  for (ClickableLabel* label : window.SignLabels) {
    if (label->hint() == QStringLiteral("白羊座")) aries = label;
  }
  ASSERT_NE(aries, nullptr);

  PlaceShipped(directory.path(), kContentFileName);
  QTest::mouseClick(aries, Qt::LeftButton);
  const QStringList fullReport = window.RzMemo1->lines();
  ASSERT_GT(fullReport.size(), 20);

  PlaceDamaged(directory.path(), kContentFileName, c.damage, "baojian", "title", "白羊座");
  QTest::mouseClick(aries, Qt::LeftButton);
  const QStringList lines = window.RzMemo1->lines();
  if (c.queryFails) {
    // What was written before the failing query stays: at least the header,
    // the reading and the label of the first section.
    EXPECT_GE(lines.size(), 5);
    EXPECT_LT(lines.size(), fullReport.size());
    EXPECT_EQ(lines, fullReport.mid(0, lines.size()));
  } else {
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), fullReport.front());
    EXPECT_EQ(lines.back(), fullReport.back());  // the report ran to its end
  }
  if (c.damage == Damage::MiBContent) {
    const QString mib = QString::fromStdString(kMiBText);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.contains(mib); }));
  }
  EXPECT_TRUE(messages.infos.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());

  PlaceShipped(directory.path(), kContentFileName);
  QTest::mouseClick(aries, Qt::LeftButton);
  EXPECT_EQ(window.RzMemo1->lines(), fullReport);
  EXPECT_FALSE(std::filesystem::exists(directory.path() / kDreamFileName));  // nothing else made
}

// 13912345678 has the key 5678 mod 80 = 78.
TEST_P(BadContentFile, PhoneDialogStaysSilentAndKeepsItsReading) {
  const DamageCase& c = GetParam();
  TempDir directory;
  MessageRecorder messages;
  PlaceShipped(directory.path(), kDreamFileName);
  TFrm_SJcs dialog(directory.path());
  const auto enter = [&](const QString& number) {
    dialog.edtmun->clear();
    TypeKeys(dialog.edtmun, number);
    dialog.RzBitBtn1->click();
  };
  const auto values = [&] {
    return QStringList{dialog.RzLabel11->text(), dialog.RzLabel10->text(), dialog.RzLabel9->text(),
                       dialog.RzLabel8->text()};
  };
  enter(QStringLiteral("13912345601"));  // key 1
  const QStringList before = values();
  ASSERT_FALSE(before.at(1).isEmpty());

  PlaceDamaged(directory.path(), kDreamFileName, c.damage, "shouji", "num", "78");
  enter(QStringLiteral("13912345678"));
  if (c.queryFails) {
    EXPECT_EQ(values(), before);
  } else {
    EXPECT_EQ(dialog.RzLabel11->text(), QStringLiteral("13912345678"));
    EXPECT_EQ(dialog.RzLabel8->text(), c.damage == Damage::MiBContent ? QString::fromStdString(kMiBText) : QString());
  }
  EXPECT_TRUE(messages.infos.isEmpty());
  EXPECT_TRUE(messages.errors.isEmpty());

  PlaceShipped(directory.path(), kDreamFileName);
  enter(QStringLiteral("13912345601"));
  EXPECT_EQ(values(), before);
}

INSTANTIATE_TEST_SUITE_P(Damages, BadContentFile, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name;
                         });
