#include "numbers/PhoneNumberCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "numbers/PhoneKey.h"

namespace qorvane {
namespace {

struct RefusalCase {
  const char* number;
  std::string_view refusal;
};

TEST(PhoneNumberRefusal, AnswersEachUnusableNumberInTheDialogsOrder) {
  const RefusalCase cases[] = {
      {"", kEnterElevenDigits},
      {"12345678901", kEnterCorrectNumber},
      {"18912345678", kEnterCorrectNumber},
      {"1", kEnterCorrectNumber},           // the prefix is tested before the length
      {"1391234", kEnterElevenDigits},      // seven characters: no eighth to key on
      {"139123456789", kEnterElevenDigits}, // twelve: more than the edit holds
      {"1391234567a", kEnterElevenDigits},  // a pasted letter
      {"139 1234567", kEnterElevenDigits},
  };
  for (const RefusalCase& c : cases) EXPECT_EQ(PhoneNumberRefusal(c.number), c.refusal) << c.number;
}

TEST(PhoneNumberRefusal, PassesEveryNumberThatGivesAKey) {
  for (const char* number : {"13912345678", "15900009999", "15912345", "1391234567"}) {
    EXPECT_EQ(PhoneNumberRefusal(number), "") << number;
    EXPECT_NO_THROW(shoujiinfostr(number)) << number;
  }
}

}  // namespace
}  // namespace qorvane
