// A clipboard in memory that can be made to refuse.
#pragma once

#include "platform/Clipboard.h"

#include <optional>
#include <string>

namespace platform::fake {

class FakeClipboard : public Clipboard {
public:
    std::optional<std::string> text;
    bool works = true;
    bool SetText(const std::string& newText) override;
};

} // namespace platform::fake
