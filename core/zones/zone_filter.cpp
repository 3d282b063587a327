#include "core/zones/zone_filter.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace zorvane {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string_view Trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    const auto found = std::ranges::search(text, part, {}, Lower, Lower);
    return !found.empty() || part.empty();
}

// The offset the row writes, "+5:30", "-8:00" or "0:00".
std::string OffsetText(const TimeZoneRow& row) {
    const ZoneBoxTexts texts = BoxTextsFor(row);
    const std::string minutes = texts.minute.size() == 1 ? "0" + texts.minute : texts.minute;
    return texts.hour + ":" + minutes;
}

}  // namespace

bool ZoneRowMatches(const TimeZoneRow& row, std::string_view typed) {
    const std::string_view wanted = Trimmed(typed);
    if (wanted.empty() || ContainsIgnoringCase(row.listText, wanted)) return true;
    const std::string offset = OffsetText(row);
    const std::string_view offsetWithoutSign =
        std::string_view(offset).substr(offset.front() == '+' || offset.front() == '-' ? 1 : 0);
    return std::string_view(offset).starts_with(wanted) || offsetWithoutSign.starts_with(wanted);
}

}  // namespace zorvane
