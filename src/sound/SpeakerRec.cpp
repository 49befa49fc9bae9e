#include "sound/SpeakerRec.h"

#include <cstddef>
#include <limits>

namespace sound {

namespace {

// An optional minus sign and at least one decimal digit, nothing else (no blanks, no plus
// sign), within the range of a signed 32-bit number; anything else reads as 0.
std::int32_t FieldValue(const std::string& field) {
    std::size_t i = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (negative) {
        i = 1;
    }
    if (i == field.size()) {
        return 0;
    }
    // The magnitude may reach 2^31 for the most negative number.
    const std::int64_t limit =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9') {
            return 0;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return 0;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

std::string FormatSpeakerRec(const TSpeakerRec& rec) {
    return std::to_string(rec.Frequency) + ',' + std::to_string(rec.Duration) + ',' +
           std::to_string(rec.Count) + ',' + std::to_string(rec.Pause);
}

void ParseSpeakerRec(const std::string& text, TSpeakerRec& rec) {
    if (text.empty()) {
        return;
    }
    std::int32_t* const fields[] = {&rec.Frequency, &rec.Duration, &rec.Count, &rec.Pause};
    std::size_t start = 0;
    for (std::int32_t* field : fields) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string::npos ? text.size() : comma;
        *field = FieldValue(text.substr(start, end - start));
        if (comma == std::string::npos) {
            return;
        }
        start = comma + 1;
    }
}

void ClearSpeakerTable(TSpeakerTable& table) {
    for (TSpeakerRec& rec : table) {
        rec = TSpeakerRec{};
    }
}

} // namespace sound
