#include "platform/CommandLine.h"

#include <cstddef>

namespace platform {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
    std::size_t at = 0;
    // The program's name: no escapes, one pair of quotes at most.
    if (at < line.size() && line[at] == L'"') {
        const std::size_t closing = line.find(L'"', at + 1);
        at = closing == std::wstring_view::npos ? line.size() : closing + 1;
    }
    while (at < line.size() && !IsBlank(line[at])) {
        ++at;
    }

    std::vector<std::wstring> arguments;
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) {
            ++at;
        }
        if (at >= line.size()) {
            return arguments;
        }
        std::wstring argument;
        bool quoted = false;
        while (at < line.size() && (quoted || !IsBlank(line[at]))) {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == L'\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == L'"') {
                argument.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    argument.push_back(L'"');
                } else if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
                    argument.push_back(L'"');
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
            } else {
                argument.append(backslashes, L'\\');
                if (backslashes == 0) {
                    argument.push_back(line[at]);
                    ++at;
                }
            }
        }
        arguments.push_back(std::move(argument));
    }
}

} // namespace platform
