// Reading a box's text as a whole number.
#include <gtest/gtest.h>

#include "core/reading/number_text.h"

namespace zorvane {
namespace {

const NumberFormat kPoint{"."};
const NumberFormat kComma{","};

std::optional<std::int16_t> Whole(std::string_view text, const NumberFormat& format = kPoint) {
    return TextToWholeNumber(text, format);
}

TEST(TextToWholeNumber, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Whole("1.5"), 2);
    EXPECT_EQ(Whole("2.5"), 2);
    EXPECT_EQ(Whole("3.5"), 4);
    EXPECT_EQ(Whole("-2.5"), -2);
    EXPECT_EQ(Whole("-1.5"), -2);
    EXPECT_EQ(Whole("2.51"), 3);
    EXPECT_EQ(Whole("-0.4"), 0);
}

TEST(TextToWholeNumber, SignsBlanksAndExponents) {
    EXPECT_EQ(Whole("-20"), -20);
    EXPECT_EQ(Whole("+7"), 7);
    EXPECT_EQ(Whole(" 5 "), 5);
    EXPECT_EQ(Whole("007"), 7);
    EXPECT_EQ(Whole("1e2"), 100);
    EXPECT_EQ(Whole(".5"), 0);
    EXPECT_EQ(Whole("5."), 5);
}

TEST(TextToWholeNumber, ZoneBoxesTakeTheMagnitudeBeforeRounding) {
    EXPECT_EQ(TextToWholeNumber("-5", kPoint, true), 5);
    EXPECT_EQ(TextToWholeNumber("-30", kPoint, true), 30);
    EXPECT_EQ(TextToWholeNumber("-2.5", kPoint, true), 2);
    EXPECT_EQ(TextToWholeNumber("-32768", kPoint, true), std::nullopt);  // 32768 does not fit
}

TEST(TextToWholeNumber, FollowsTheUsersDecimalPoint) {
    EXPECT_EQ(Whole("1,5", kComma), 2);
    EXPECT_EQ(Whole("1.5", kComma), std::nullopt);
    EXPECT_EQ(Whole("1,5", kPoint), std::nullopt);
    EXPECT_EQ(Whole("2\xd9\xab" "5", NumberFormat{"\xd9\xab"}), 2);  // Arabic decimal separator
}

TEST(TextToWholeNumber, RefusesWhatIsNotANumberOrDoesNotFit) {
    for (const char* text : {"", " ", "ab", "a", "-", "+", ".", "e5", "1e", "1e+", "0x1", "--1", "1 2",
                             "1e9", "32768", "-32769", "nan", "inf", "1e999", "\xe0\xa5\xa7"}) {
        EXPECT_EQ(Whole(text), std::nullopt) << text;
    }
    EXPECT_EQ(Whole("32767"), 32767);
    EXPECT_EQ(Whole("-32768"), -32768);
    EXPECT_EQ(Whole("32767.4"), 32767);
    EXPECT_EQ(Whole("32767.5"), std::nullopt);  // rounds to 32768
}

}  // namespace
}  // namespace zorvane
