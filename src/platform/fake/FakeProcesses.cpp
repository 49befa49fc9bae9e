#include "platform/fake/FakeProcesses.h"

#include <algorithm>

namespace platform::fake {

bool FakeProcesses::Create(const std::string& file, const std::string& commandLine,
                           const std::string& directory) {
    Started s{file, commandLine, directory};
    started.push_back(s);
    if (std::find(existing.begin(), existing.end(), file) == existing.end()) {
        return false;
    }
    if (onStart) {
        onStart(s);
    }
    return true;
}

} // namespace platform::fake
