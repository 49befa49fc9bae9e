#include "platform/fake/FakeVersionInfo.h"

namespace platform::fake {

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
