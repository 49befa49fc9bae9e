// The driver file's version as the options page shows it, and the documentation button.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// The low 16 bits moved to the high half and the high 16 bits to the low half.
constexpr std::uint32_t SwapWords(std::uint32_t value) {
    return (value << 16) | (value >> 16);
}

// The string value of that name under the file's first translation of its version
// resource; empty when the file, the resource, the translation or the value is missing.
std::string GetVersionInfoString(const std::string& fileName, const std::string& valueName);

// Opens "Tastor32.pdf" beside the settings program with the system's viewer; a missing
// file or a viewer that does not start is reported.
void OpenDocumentation();

} // namespace ui
