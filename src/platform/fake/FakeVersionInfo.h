// Version resources in memory, by file name; every query is recorded.
#pragma once

#include "platform/VersionInfo.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeVersionInfo : public VersionInfo {
public:
    struct Resource {
        std::vector<std::uint32_t> translations;
        std::map<std::string, std::string> texts; // query path to text
    };
    std::map<std::string, Resource> resources; // by file name
    std::vector<std::string> queries;

    std::optional<VersionBlock> Read(const std::string& file) override;
    std::vector<std::uint32_t> Translations(const VersionBlock& block) override;
    std::optional<std::string> Text(const VersionBlock& block, const std::string& path) override;

private:
    const Resource* Find(const VersionBlock& block) const;
};

} // namespace platform::fake
