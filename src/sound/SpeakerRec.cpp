#include "sound/SpeakerRec.h"

#include "platform/DecimalNumber.h"

#include <cstddef>

namespace sound {

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
        *field = platform::ParseInt32(text.substr(start, end - start), platform::PlusSign::Refused)
                     .value_or(0);
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
