#include "numbers/PhoneKey.h"

#include <gtest/gtest.h>

#include <ostream>

#include "numbers/NumberConversionError.h"

namespace qorvane {
namespace {

struct KeyCase {
  const char* number;
  const char* key;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.number << " -> " << c.key; }

class PhoneKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PhoneKey, LastFourDigitsMod80) {
  EXPECT_EQ(shoujiinfostr(GetParam().number), GetParam().key) << GetParam().number;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PhoneKey,
    ::testing::Values(KeyCase{"13912345678", "78"}, KeyCase{"13900000081", "1"},
                      KeyCase{"15900009999", "79"}, KeyCase{"13900001600", "0"},
                      KeyCase{"13900000000", "0"}, KeyCase{"13900009920", "0"},
                      KeyCase{"13900000079", "79"}, KeyCase{"13900000080", "0"},
                      // eight to ten characters: one to three digits from the eighth on
                      KeyCase{"13912345", "5"}, KeyCase{"13912340", "0"},
                      KeyCase{"139123456", "56"}, KeyCase{"139123499", "19"},
                      KeyCase{"1391234567", "7"},  // 567 mod 80
                      // beyond eleven only four characters count
                      KeyCase{"139123456781", "78"}));

class PhoneKeyRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(PhoneKeyRefuses, NumbersWithoutFourthToEighthDigitsOrWithOtherCharacters) {
  EXPECT_THROW(shoujiinfostr(GetParam()), NumberConversionError);
}

INSTANTIATE_TEST_SUITE_P(Texts, PhoneKeyRefuses,
                         ::testing::Values("", "1", "13", "1391234", "13a12345678",
                                           "1391234567x", "139 1234567", "13912345 ",
                                           "-1391234567", "１３９１２３４５６７８"));

TEST(HasMobilePrefix, OnlyThirteenAndFifteen) {
  EXPECT_TRUE(HasMobilePrefix("13912345678"));
  EXPECT_TRUE(HasMobilePrefix("15912345678"));
  EXPECT_TRUE(HasMobilePrefix("13"));
  for (const char* number : {"12912345678", "18912345678", "1", "", "31", "1 3", "０13"}) {
    EXPECT_FALSE(HasMobilePrefix(number)) << number;
  }
}

}  // namespace
}  // namespace qorvane
