#include "core/format/reading_title.h"

#include <array>
#include <cstdio>

#include "core/format/reading_lines.h"

namespace zorvane {

std::vector<std::string> ReadingTitleParts(const BirthRecord& record, const Wording& wording) {
    std::vector<std::string> parts;
    if (!record.name.empty()) parts.push_back(record.name);
    std::array<char, 8> clock{};
    std::snprintf(clock.data(), clock.size(), "%02d:%02d", record.birth.Hour % 100, record.birth.Minute % 100);
    parts.push_back(LongDateLine(record.birth.Year, record.birth.Month, record.birth.Day, wording) + " " + clock.data());
    if (std::string place = PlaceLine(record.place); !place.empty()) parts.push_back(std::move(place));
    return parts;
}

std::string ReadingTitle(const BirthRecord& record, const Wording& wording) {
    std::string title;
    for (const std::string& part : ReadingTitleParts(record, wording)) {
        if (!title.empty()) title += ", ";
        title += part;
    }
    return title;
}

}  // namespace zorvane
