// Speaker records: one PC-speaker beep sequence per sound event, their stored text form
// and the table of them that the settings window holds while it is open.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sound {

struct TSpeakerRec {
    std::int32_t Frequency = 0; // Hz
    std::int32_t Duration = 0;  // ms per tone
    std::int32_t Count = 0;     // tones
    std::int32_t Pause = 0;     // ms after each tone
    bool operator==(const TSpeakerRec&) const = default;
};

// Indexed by sound event 1..8; entry 0 is never used.
inline constexpr int SpeakerTableSize = 9;
using TSpeakerTable = std::array<TSpeakerRec, SpeakerTableSize>;

// "Frequency,Duration,Count,Pause" in decimal, e.g. "4000,10,1,50".
std::string FormatSpeakerRec(const TSpeakerRec& rec);
// Fills the record from a stored text, field by field. A field that is empty or not a
// decimal integer within 32 bits gives 0; fields past the fourth are ignored; record
// fields the text does not reach, and the whole record for an empty text, are kept.
void ParseSpeakerRec(const std::string& text, TSpeakerRec& rec);
void ClearSpeakerTable(TSpeakerTable& table);

} // namespace sound
