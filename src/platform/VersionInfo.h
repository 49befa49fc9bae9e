// The version resource of a program file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A program file's whole version-information block, as the system hands it out.
using VersionBlock = std::vector<std::uint8_t>;

class VersionInfo {
public:
    virtual ~VersionInfo() = default;
    // The file's version information; nothing when the file or its resource is missing.
    virtual std::optional<VersionBlock> Read(const std::string& file) = 0;
    // The entries of "\VarFileInfo\Translation": language in the low 16 bits, code page in
    // the high 16 bits. Empty when the block has none.
    virtual std::vector<std::uint32_t> Translations(const VersionBlock& block) = 0;
    // The text found under the path ("\StringFileInfo\040704E4\FileVersion") up to its
    // terminating zero, in code page 1252; nothing when the path finds nothing.
    virtual std::optional<std::string> Text(const VersionBlock& block, const std::string& path) = 0;
};

} // namespace platform
