#include "base/cp1251.h"

#include <gtest/gtest.h>

namespace kvitmark::base {
namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const auto back = Utf8ToCp1251(Cp1251ToUtf8(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(Cp1251, EveryByteIsADifferentCharacter) {
  for (int a = 0; a < 256; ++a) {
    for (int b = a + 1; b < 256; ++b) {
      ASSERT_NE(Cp1251ToUnicode(static_cast<unsigned char>(a)),
                Cp1251ToUnicode(static_cast<unsigned char>(b)))
          << a << " and " << b;
    }
  }
}

struct KnownByte {
  unsigned char byte;
  char32_t character;
};

class Cp1251KnownBytes : public testing::TestWithParam<KnownByte> {};

TEST_P(Cp1251KnownBytes, MapToTheirCharacters) {
  EXPECT_EQ(Cp1251ToUnicode(GetParam().byte), GetParam().character);
  EXPECT_EQ(UnicodeToCp1251(GetParam().character), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Letters, Cp1251KnownBytes,
                         testing::Values(KnownByte{0xC0, U'А'}, KnownByte{0xFF, U'я'},
                                         KnownByte{0xB2, U'І'}, KnownByte{0xB3, U'і'},
                                         KnownByte{0xAA, U'Є'}, KnownByte{0xBA, U'є'},
                                         KnownByte{0xAF, U'Ї'}, KnownByte{0xBF, U'ї'},
                                         KnownByte{0xA5, U'Ґ'}, KnownByte{0xB4, U'ґ'},
                                         KnownByte{0xB9, U'№'}, KnownByte{0x88, U'€'},
                                         KnownByte{0xA8, U'Ё'}, KnownByte{0x98, char32_t{0x98}}));

TEST(Cp1251, UkrainianTextBecomesItsBytes) {
  EXPECT_EQ(Cp1251("Відділ 1;"), "\xC2\xB3\xE4\xE4\xB3\xEB 1;");
  EXPECT_EQ(Cp1251ToUtf8("\xD5\xEB\xE5\xE1"), "Хлеб");
}

TEST(Cp1251, TextTheCodePageCannotHoldIsRefused) {
  EXPECT_FALSE(Utf8ToCp1251("日本").has_value());
  EXPECT_FALSE(Utf8ToCp1251("\xC3").has_value());          // cut sequence
  EXPECT_FALSE(Utf8ToCp1251("\xC0\xAF").has_value());      // overlong form of '/'
  EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80").has_value());  // a surrogate
  EXPECT_EQ(Cp1251("a日b"), "a?b");
}

}  // namespace
}  // namespace kvitmark::base
