#include "platform/DecimalNumber.h"

#include <limits>

namespace platform {

std::optional<std::int32_t> ParseInt32(const std::string& text, PlusSign plus) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative || (plus == PlusSign::Taken && !text.empty() && text[0] == '+')) {
        i = 1;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // The magnitude may reach 2^31 for the most negative number.
    const std::int64_t limit =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace platform
