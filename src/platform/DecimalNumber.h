// Whole numbers written in decimal, as the user types them and as the settings store them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class PlusSign { Taken, Refused };

// An optional sign and at least one decimal digit, nothing else (no blanks), within the
// range of a signed 32-bit number; nothing for any other text. A plus sign is taken only
// when asked.
std::optional<std::int32_t> ParseInt32(const std::string& text, PlusSign plus);

} // namespace platform
