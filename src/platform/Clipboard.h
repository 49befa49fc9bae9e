// The system's clipboard.
#pragma once

#include <string>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content by the code page 1252 text, so that programs that
    // read it as ANSI or as Unicode text get the same characters. False when the
    // clipboard could not be opened or written.
    virtual bool SetText(const std::string& text) = 0;
};

} // namespace platform
