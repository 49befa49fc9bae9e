#include "platform/Registry.h"

namespace platform {

std::string TrimBackslashes(const std::string& path) {
    std::size_t begin = 0;
    std::size_t end = path.size();
    while (begin < end && path[begin] == '\\') {
        ++begin;
    }
    while (end > begin && path[end - 1] == '\\') {
        --end;
    }
    return path.substr(begin, end - begin);
}

} // namespace platform
