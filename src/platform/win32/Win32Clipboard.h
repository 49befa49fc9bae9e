// The clipboard on Windows.
#pragma once

#include "platform/Clipboard.h"

namespace platform::win32 {

class Win32Clipboard : public platform::Clipboard {
public:
    bool SetText(const std::string& text) override;
};

} // namespace platform::win32
