#include "platform/fake/FakeClipboard.h"

namespace platform::fake {

bool FakeClipboard::SetText(const std::string& newText) {
    if (!works) {
        return false;
    }
    text = newText;
    return true;
}

} // namespace platform::fake
