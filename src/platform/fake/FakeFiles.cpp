#include "platform/fake/FakeFiles.h"

namespace platform::fake {
namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// "*" stands for any run of characters, as in the system's patterns.
bool Matches(const std::string& name, const std::string& pattern) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern[0] == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (Matches(name.substr(skip), pattern.substr(1))) {
                return true;
            }
        }
        return false;
    }
    return !name.empty() && name[0] == pattern[0] && Matches(name.substr(1), pattern.substr(1));
}

} // namespace

std::uint32_t FakeFiles::WriteReplacing(const std::string& path, const std::string& bytes) {
    log.push_back("write:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    const std::string folder = FolderOf(path);
    if (!folder.empty() && folders.count(folder) == 0) {
        return 3; // the path was not found
    }
    files[path] = bytes;
    return 0;
}

std::uint32_t FakeFiles::CreateFolder(const std::string& path) {
    log.push_back("mkdir:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    folders.insert(path);
    return 0;
}

std::vector<std::string> FakeFiles::List(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    for (const auto& [path, content] : files) {
        if (FolderOf(path) == folder) {
            const std::string name = path.substr(folder.size() + 1);
            if (Matches(name, pattern)) {
                names.push_back(name);
            }
        }
    }
    return names;
}

bool FakeFiles::Delete(const std::string& path) {
    log.push_back("delete:" + path);
    return files.erase(path) != 0;
}

} // namespace platform::fake
