#include "platform/fake/FakeFiles.h"

#include "platform/Paths.h"

#include <algorithm>

namespace platform::fake {
namespace {

// "*" stands for any run of characters, as in the system's patterns.
bool Matches(const std::u16string& name, const std::u16string& pattern) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern[0] == u'*') {
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

bool FakeFiles::IsFolder(const std::u16string& folder) const {
    // The current folder, or one made with or without a trailing backslash.
    return folder.empty() || std::any_of(folders.begin(), folders.end(), [&](const auto& made) {
               return platform::AddTrailingBackslash(made) == folder;
           });
}

std::uint32_t FakeFiles::Read(const std::u16string& path, std::string& bytes,
                              std::size_t maxBytes) {
    log.push_back(u"read:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    const auto file = files.find(path);
    if (file == files.end()) {
        return 2; // the file was not found
    }
    if (file->second.size() > maxBytes) {
        return kFileTooLarge;
    }
    bytes = file->second;
    return 0;
}

std::uint32_t FakeFiles::WriteReplacing(const std::u16string& path, const std::string& bytes) {
    log.push_back(u"write:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    if (folders.count(path) != 0) {
        return 5; // access denied: a folder is in the place of the file
    }
    if (!IsFolder(platform::FolderOf(path))) {
        return 3; // the path was not found
    }
    files[path] = bytes;
    return 0;
}

std::uint32_t FakeFiles::CreateFolder(const std::u16string& path) {
    log.push_back(u"mkdir:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    // With its parents, as the system makes them.
    for (std::size_t end = path.find(u'\\'); end != std::u16string::npos;
         end = path.find(u'\\', end + 1)) {
        folders.insert(path.substr(0, end));
    }
    folders.insert(path);
    return 0;
}

std::vector<std::u16string> FakeFiles::List(const std::u16string& folder,
                                            const std::u16string& pattern) {
    std::vector<std::u16string> names;
    for (const auto& [path, content] : files) {
        if (platform::FolderOf(path) == platform::AddTrailingBackslash(folder)) {
            const std::u16string name = platform::FileNameOf(path);
            if (Matches(name, pattern)) {
                names.push_back(name);
            }
        }
    }
    return names;
}

bool FakeFiles::Delete(const std::u16string& path) {
    log.push_back(u"delete:" + path);
    return files.erase(path) != 0;
}

} // namespace platform::fake
