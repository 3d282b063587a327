// The checks before a calculation and before a place search.
#include <gtest/gtest.h>

#include <vector>

#include "core/reading/validate_input.h"

namespace zorvane {
namespace {

ReadingForm Complete() {
    return ReadingForm{.name = "Asha",
                       .zoneHour = "5",
                       .zoneMinute = "30",
                       .latDegrees = "18",
                       .latMinutes = "31",
                       .lonDegrees = "73",
                       .lonMinutes = "52"};
}

ReadingForm AtLongitude(std::string degrees, std::string minutes) {
    ReadingForm form = Complete();
    form.lonDegrees = std::move(degrees);
    form.lonMinutes = std::move(minutes);
    return form;
}

ReadingForm OnDate(int year, int monthIndex, int day) {
    ReadingForm form = Complete();
    form.yearText = std::to_string(year);
    form.monthIndex = monthIndex;
    form.dayIndex = day - 1;
    form.dayText = std::to_string(day);
    return form;
}

std::string MessageFor(const ReadingForm& form, ValidationScope scope = ValidationScope::FullReading) {
    const std::optional<Refusal> refusal = ValidateInput(form, NumberFormat{}, scope);
    return refusal ? std::string(refusal->message) : std::string();
}

TEST(ValidateInput, CompleteReadingPasses) {
    EXPECT_EQ(ValidateInput(Complete(), NumberFormat{}), std::nullopt);
    ReadingForm blanks = Complete();
    blanks.name = "   ";       // blanks are not empty
    blanks.latDegrees = "abc";  // latitude is only required, never read
    EXPECT_EQ(ValidateInput(blanks, NumberFormat{}), std::nullopt);
}

TEST(ValidateInput, FirstEmptyBoxInOrderWithFocus) {
    struct Case {
        std::string ReadingForm::*box;
        const char* message;
        FormControl focus;
    };
    const Case cases[] = {
        {&ReadingForm::name, "Please Enter Your Name", FormControl::txtName},
        {&ReadingForm::zoneHour, "Please Enter Degree of Time Zone", FormControl::txtZoneHour},
        {&ReadingForm::zoneMinute, "Please Enter Minute of Time Zone", FormControl::txtZoneMinute},
        {&ReadingForm::latDegrees, "Please Enter Degree of Latitude", FormControl::txtLatD},
        {&ReadingForm::latMinutes, "Please Enter Minutes of Latitude", FormControl::txtLatM},
        {&ReadingForm::lonDegrees, "Please Enter Degree of Longitude", FormControl::txtLonD},
        {&ReadingForm::lonMinutes, "Please Enter Minute of Longitude", FormControl::txtLonM},
    };
    for (const Case& c : cases) {
        ReadingForm form = Complete();
        form.*(c.box) = "";
        const std::optional<Refusal> refusal = ValidateInput(form, NumberFormat{});
        ASSERT_TRUE(refusal) << c.message;
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->icon, MessageIcon::Error);
        EXPECT_EQ(refusal->followUp, c.focus);
    }
    EXPECT_EQ(MessageFor(ReadingForm{}), "Please Enter Your Name");  // all empty: only the first
}

TEST(ValidateInput, MissingDirections) {
    ReadingForm form = Complete();
    form.northSelected = form.southSelected = false;
    form.eastSelected = form.westSelected = false;
    const std::optional<Refusal> latitude = ValidateInput(form, NumberFormat{});
    ASSERT_TRUE(latitude);
    EXPECT_EQ(latitude->message, "Please Select Direction For The Latitude");
    EXPECT_EQ(latitude->followUp, FormControl::optLatNorth);
    form.northSelected = true;
    const std::optional<Refusal> longitude = ValidateInput(form, NumberFormat{});
    ASSERT_TRUE(longitude);
    EXPECT_EQ(longitude->message, "Please Select Direction For The Longitude");
    EXPECT_EQ(longitude->followUp, FormControl::optLongEast);
}

TEST(ValidateInput, ImpossibleDates) {
    const std::string february = "Please Enter Correct Date Or Month!";
    const std::string thirtyDays = "Please Enter Correct Date Or Month !";
    EXPECT_EQ(MessageFor(OnDate(2000, 1, 29)), "");
    EXPECT_EQ(MessageFor(OnDate(1904, 1, 29)), "");
    EXPECT_EQ(MessageFor(OnDate(1901, 1, 29)), february);
    EXPECT_EQ(MessageFor(OnDate(2001, 1, 29)), february);
    EXPECT_EQ(MessageFor(OnDate(2000, 1, 30)), february);
    EXPECT_EQ(MessageFor(OnDate(1999, 1, 31)), february);
    EXPECT_EQ(MessageFor(OnDate(1990, 3, 31)), thirtyDays);  // April
    EXPECT_EQ(MessageFor(OnDate(1990, 10, 31)), thirtyDays);  // November
    EXPECT_EQ(MessageFor(OnDate(1990, 4, 31)), "");           // May
    EXPECT_EQ(MessageFor(OnDate(1990, 3, 30)), "");
    const std::optional<Refusal> refusal = ValidateInput(OnDate(1990, 5, 31), NumberFormat{});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->icon, MessageIcon::Information);
    EXPECT_EQ(refusal->followUp, FormControl::None);
}

TEST(ValidateInput, BoxesThatAreNotWholeNumbersOrOutOfRangeAreRefusedAfterTheDate) {
    struct Case {
        std::string ReadingForm::*box;
        const char* message;
        FormControl focus;
        std::vector<const char*> refused;
        std::vector<const char*> largestAccepted;
    };
    const Case cases[] = {
        {&ReadingForm::zoneHour, "Please Enter Valid Hour of Time Zone", FormControl::txtZoneHour,
         {"ab", "1e9", "x1", "15", "-15", "+15", "25"}, {"14", "-14", "+14", "14.4"}},
        {&ReadingForm::zoneMinute, "Please Enter Valid Minute of Time Zone", FormControl::txtZoneMinute,
         {"ab", "1e9", "x1", "60", "-60", "99"}, {"59", "-59"}},
        {&ReadingForm::lonDegrees, "Please Enter Valid Degree of Longitude", FormControl::txtLonD,
         {"ab", "1e9", "x1", "181", "-181", "200"}, {"180", "-180"}},
        {&ReadingForm::lonMinutes, "Please Enter Valid Minute of Longitude", FormControl::txtLonM,
         {"ab", "1e9", "x1", "60", "-60", "75"}, {"59", "-59"}},
    };
    for (const Case& c : cases) {
        for (const char* text : c.refused) {
            ReadingForm form = AtLongitude("10", "0");
            form.*(c.box) = text;
            const std::optional<Refusal> refusal = ValidateInput(form, NumberFormat{});
            ASSERT_TRUE(refusal) << c.message << " " << text;
            EXPECT_EQ(refusal->message, c.message);
            EXPECT_EQ(refusal->icon, MessageIcon::Error);
            EXPECT_EQ(refusal->followUp, c.focus);
        }
        for (const char* text : c.largestAccepted) {
            ReadingForm form = AtLongitude("10", "0");
            form.*(c.box) = text;
            EXPECT_EQ(MessageFor(form), "") << c.message << " " << text;
        }
    }
    ReadingForm both = OnDate(1990, 3, 31);
    both.lonDegrees = "ab";
    EXPECT_EQ(MessageFor(both), "Please Enter Correct Date Or Month !");  // the date comes first
    ReadingForm order = Complete();
    order.zoneMinute = "ab";
    order.lonMinutes = "ab";
    EXPECT_EQ(MessageFor(order), "Please Enter Valid Minute of Time Zone");
    ReadingForm unreadableBeforeRange = Complete();
    unreadableBeforeRange.zoneHour = "99";
    unreadableBeforeRange.lonMinutes = "ab";
    EXPECT_EQ(MessageFor(unreadableBeforeRange), "Please Enter Valid Minute of Longitude");

    // The angle the two longitude boxes add up to must not pass 180°00'.
    const struct {
        const char* degrees;
        const char* minutes;
        const char* message;
    } angles[] = {
        {"180", "0", ""},
        {"180", "1", "Please Enter Valid Minute of Longitude"},
        {"-180", "-1", "Please Enter Valid Minute of Longitude"},
        {"180", "-1", ""},  // 179°59'
        {"179", "59", ""},
    };
    for (const auto& angle : angles) {
        ReadingForm form = Complete();
        form.lonDegrees = angle.degrees;
        form.lonMinutes = angle.minutes;
        EXPECT_EQ(MessageFor(form), angle.message) << angle.degrees << " " << angle.minutes;
    }

    ReadingForm fine = Complete();
    fine.zoneHour = "-5";
    fine.latDegrees = "999";  // latitude is never converted
    fine.latMinutes = "zz";
    EXPECT_EQ(MessageFor(fine), "");
}

TEST(ValidateInput, CommandLineScopeSkipsNameAndLatitude) {
    ReadingForm form = Complete();
    form.name.clear();
    form.latDegrees.clear();
    form.latMinutes.clear();
    form.northSelected = form.southSelected = false;
    EXPECT_EQ(MessageFor(form, ValidationScope::WithoutNameAndLatitude), "");
    EXPECT_EQ(MessageFor(form), "Please Enter Your Name");
}

TEST(ValidatePlaceSearch, FirstEmptyPlaceBox) {
    EXPECT_EQ(ValidatePlaceSearch("Pune", "MH", "India"), std::nullopt);
    EXPECT_EQ(ValidatePlaceSearch("", "", "")->message, "Please Enter Name Of City");
    const std::optional<Refusal> state = ValidatePlaceSearch("Pune", "", "India");
    ASSERT_TRUE(state);
    EXPECT_EQ(state->message, "Please Enter Name Of State");
    EXPECT_EQ(state->followUp, FormControl::txtState);
    EXPECT_EQ(ValidatePlaceSearch("Pune", "MH", "")->message, "Please Enter Name Of Country");
    EXPECT_EQ(ValidatePlaceSearch(" ", " ", " "), std::nullopt);
}

}  // namespace
}  // namespace zorvane
