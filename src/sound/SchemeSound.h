// The wave sounds of the driver's events in the system's sound scheme.
#pragma once

#include <string>

namespace sound {

// Opens (creating it) "AppEvents\Schemes\Apps\Tastor32\" + the event's name + "\.current"
// under HKEY_CURRENT_USER and writes the file name as the key's default value. A key that
// does not open is passed over without a message; a failing write raises the store error.
void WriteSchemeSound(int event, const std::string& path);

} // namespace sound
