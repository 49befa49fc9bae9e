#include "platform/win32/Win32VersionInfo.h"

#include "platform/win32/WideText.h"

#include <windows.h>

#include <cstring>

namespace platform::win32 {

std::optional<VersionBlock> Win32VersionInfo::Read(const std::string& file) {
    const std::wstring name = Wide(file);
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(name.c_str(), &unused);
    if (size == 0) {
        return std::nullopt;
    }
    VersionBlock block(size);
    if (!::GetFileVersionInfoW(name.c_str(), 0, size, block.data())) {
        return std::nullopt;
    }
    return block;
}

std::vector<std::uint32_t> Win32VersionInfo::Translations(const VersionBlock& block) {
    void* found = nullptr;
    UINT size = 0;
    std::vector<std::uint32_t> entries;
    if (::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &found, &size) &&
        found != nullptr) {
        entries.resize(size / sizeof(std::uint32_t));
        std::memcpy(entries.data(), found, entries.size() * sizeof(std::uint32_t));
    }
    return entries;
}

std::optional<std::string> Win32VersionInfo::Text(const VersionBlock& block,
                                                  const std::string& path) {
    void* found = nullptr;
    UINT length = 0; // in characters, for texts
    if (!::VerQueryValueW(block.data(), Wide(path).c_str(), &found, &length) || found == nullptr) {
        return std::nullopt;
    }
    const auto* text = static_cast<const wchar_t*>(found);
    std::size_t end = 0;
    while (end < length && text[end] != L'\0') {
        ++end;
    }
    return Narrow(text, end);
}

} // namespace platform::win32
