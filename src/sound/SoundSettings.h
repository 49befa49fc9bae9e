// The sound steps of loading and saving the settings: the driver's keys in the system's
// sound scheme, and the speaker table.
#pragma once

#include "sound/SpeakerRec.h"

#include <string>
#include <vector>

namespace sound {

// Creates the application key "AppEvents\Schemes\Apps\Tastor32" and, when it has no event
// keys at all, the eight empty ones. Event keys that exist already are left as they are.
void CreateEmptySchemeKeys();

// Clears the table, then reads each event's record from the Speaker key (created when
// missing). Each record stands on its own: a value that is not text reads as 0,0,0,0 and
// its error is returned, in event order, and the records after it still load. A key that
// exists but cannot be opened raises the store error naming it and the reason.
[[nodiscard]] std::vector<std::string> LoadSpeakerTable(TSpeakerTable& table);
// Writes the records of events 1 to 8 in order; a key that cannot be opened raises the
// store error.
void SaveSpeakerTable(const TSpeakerTable& table);

} // namespace sound
