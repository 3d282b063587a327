// The scramble routines and the two-line reading file.
#include <gtest/gtest.h>

#include "core/files/reading_file.h"

namespace zorvane {
namespace {

TEST(Scramble, ShiftsEachCodeAndKeepsOrder) {
    EXPECT_EQ(ScrambleText(""), "");
    EXPECT_EQ(ScrambleText("AB"), std::string("\x7e\x7f"));  // 65+61, 66+61
    EXPECT_EQ(UnscrambleText(ScrambleText("Uttara Bhadrapada")), "Uttara Bhadrapada");
    // A code raised past 255 is dropped; so is one lowered below 0.
    EXPECT_EQ(ScrambleText(std::string("a\xc8" "b")), std::string("\x9e\x9f"));
    EXPECT_EQ(UnscrambleText(std::string("\x0a\x9e")), "a");
    EXPECT_EQ(UnscrambleText(ScrambleText("Duration")), "Duration");
}

TEST(ReadingFile, AshwiniVishkambhaIs21Bytes) {
    ChartState chart;
    chart.NakshatraName = "Ashwini";
    chart.YogaName = "Vishkambha";
    const std::string bytes = FormatReadingFile(chart);
    ASSERT_EQ(bytes.size(), 21u);
    EXPECT_EQ(bytes.substr(0, 7), ScrambleText("Ashwini"));
    EXPECT_EQ(bytes.substr(7, 2), "\r\n");
    EXPECT_EQ(bytes.substr(9, 10), ScrambleText("Vishkambha"));
    EXPECT_EQ(bytes.substr(19), "\r\n");
    for (std::size_t i : {0u, 6u, 9u, 18u}) {
        EXPECT_GT(static_cast<unsigned char>(bytes[i]), 13) << "scrambled names hold no CR or LF";
    }

    const std::optional<OpenedReading> opened = ParseReadingFile(bytes);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->nakshatraName, "Ashwini");
    EXPECT_EQ(opened->yogaName, "Vishkambha");
}

TEST(ReadingFile, LinesEndAtCrOrCrLf) {
    const ReadingFileLines crOnly = SplitReadingFile("ab\rcd\rignored");
    EXPECT_EQ(crOnly.first, "ab");
    EXPECT_EQ(crOnly.second, "cd");
    const ReadingFileLines lfOnly = SplitReadingFile("ab\ncd\n");
    EXPECT_EQ(lfOnly.first, "ab\ncd\n");  // a lone LF is part of the line
    EXPECT_EQ(lfOnly.second, "");
    const ReadingFileLines oneLine = SplitReadingFile("ab\r\n");
    EXPECT_EQ(oneLine.first, "ab");
    EXPECT_EQ(oneLine.second, "");
    EXPECT_EQ(SplitReadingFile("").first, "");
}

TEST(ReadingFile, ForeignOrDamagedFilesAreRefused) {
    const std::string nakshatra = ScrambleText("Ashwini");
    const std::string yoga = ScrambleText("Vishkambha");
    EXPECT_FALSE(ParseReadingFile(""));
    EXPECT_FALSE(ParseReadingFile(nakshatra + "\r\n"));                        // second line missing
    EXPECT_FALSE(ParseReadingFile(nakshatra + "\n" + yoga + "\n"));            // LF only: one joined line
    EXPECT_FALSE(ParseReadingFile(yoga + "\r\n" + nakshatra + "\r\n"));        // lines swapped
    EXPECT_FALSE(ParseReadingFile("Ashwini\r\nVishkambha\r\n"));               // not scrambled
    EXPECT_FALSE(ParseReadingFile(ScrambleText("ashwini") + "\r\n" + yoga));   // case matters
    EXPECT_FALSE(ParseReadingFile(std::string("\0\0\0", 3)));
    EXPECT_TRUE(ParseReadingFile(nakshatra + "\r" + yoga));                    // CR alone and no last end
    EXPECT_TRUE(ParseReadingFile(nakshatra + "\r\n" + yoga + "\r\nmore\r\n"));  // later lines ignored
}

TEST(ReadingFile, EndingIsExactlyLowerCaseVrn) {
    EXPECT_TRUE(HasReadingFileEnding("/home/a/reading.vrn"));
    EXPECT_TRUE(HasReadingFileEnding("vrn"));
    EXPECT_FALSE(HasReadingFileEnding("reading.txt"));
    EXPECT_FALSE(HasReadingFileEnding("READING.VRN"));
    EXPECT_FALSE(HasReadingFileEnding("rn"));
    EXPECT_FALSE(HasReadingFileEnding(""));
}

}  // namespace
}  // namespace zorvane
