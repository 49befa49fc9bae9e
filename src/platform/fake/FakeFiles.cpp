#include "platform/fake/FakeFiles.h"

namespace platform::fake {
namespace {

std::u16string FolderOf(const std::u16string& path) {
    const auto slash = path.find_last_of(u'\\');
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

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

std::uint32_t FakeFiles::Read(const std::u16string& path, std::string& bytes) {
    log.push_back(u"read:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    const auto file = files.find(path);
    if (file == files.end()) {
        return 2; // the file was not found
    }
    bytes = file->second;
    return 0;
}

std::uint32_t FakeFiles::WriteReplacing(const std::u16string& path, const std::string& bytes) {
    log.push_back(u"write:" + path);
    if (auto failure = failures.find(path); failure != failures.end()) {
        return failure->second;
    }
    const std::u16string folder = FolderOf(path);
    if (!folder.empty() && folders.count(folder) == 0) {
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
    folders.insert(path);
    return 0;
}

std::vector<std::u16string> FakeFiles::List(const std::u16string& folder,
                                            const std::u16string& pattern) {
    std::vector<std::u16string> names;
    for (const auto& [path, content] : files) {
        if (FolderOf(path) == folder) {
            const std::u16string name = path.substr(folder.size() + 1);
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

bool FakeClipboard::SetText(const std::string& newText) {
    if (!works) {
        return false;
    }
    text = newText;
    return true;
}

std::intptr_t FakeShell::OpenDocument(const std::string& path) {
    opened.push_back(path);
    return openResult;
}

std::uint32_t FakeShell::RunAndWait(const std::string& program, const std::u16string& parameters) {
    runs.push_back({program, parameters});
    if (runError == 0 && whileRunning) {
        whileRunning(runs.back());
    }
    return runError;
}

std::optional<VersionBlock> FakeVersionInfo::Read(const std::string& file) {
    if (resources.count(file) == 0) {
        return std::nullopt;
    }
    return VersionBlock(file.begin(), file.end());
}

const FakeVersionInfo::Resource* FakeVersionInfo::Find(const VersionBlock& block) const {
    const auto found = resources.find(std::string(block.begin(), block.end()));
    return found == resources.end() ? nullptr : &found->second;
}

std::vector<std::uint32_t> FakeVersionInfo::Translations(const VersionBlock& block) {
    const Resource* resource = Find(block);
    return resource != nullptr ? resource->translations : std::vector<std::uint32_t>{};
}

std::optional<std::string> FakeVersionInfo::Text(const VersionBlock& block,
                                                 const std::string& path) {
    queries.push_back(path);
    const Resource* resource = Find(block);
    if (resource == nullptr) {
        return std::nullopt;
    }
    const auto found = resource->texts.find(path);
    if (found == resource->texts.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace platform::fake
