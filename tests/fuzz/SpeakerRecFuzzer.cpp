// Fuzz target: a stored speaker record. Any text parses without harm; fields the text does
// not reach keep their values; a parsed record written and parsed again is the same record.
#include "sound/SpeakerRec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const sound::TSpeakerRec before{11, 22, 33, 44};
    sound::TSpeakerRec rec = before;
    sound::ParseSpeakerRec(text, rec);
    if (text.empty() && !(rec == before)) {
        std::abort();
    }
    // Fields past the text's last comma keep their earlier values.
    std::size_t commas = 0;
    for (char c : text) {
        commas += c == ',' ? 1 : 0;
    }
    if (!text.empty() && commas < 3 && rec.Pause != before.Pause) {
        std::abort();
    }
    sound::TSpeakerRec again{};
    sound::ParseSpeakerRec(sound::FormatSpeakerRec(rec), again);
    if (!(again == rec)) {
        std::abort();
    }
    return 0;
}
