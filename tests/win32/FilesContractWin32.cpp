#include "contract/FilesUnderTest.h"

#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace {

using platform::win32::Wide;

std::string NewTempFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return platform::win32::Narrow(std::wstring(temp)) + "tsetup-files-" +
           std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

std::optional<std::string> ReadFileBytes(platform::Files&, const std::string& path) {
    platform::win32::FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Files, FilesContract,
    testing::Values(FilesUnderTest{
                        "Win32", [] { return std::make_unique<platform::win32::Win32Files>(); },
                        NewTempFolder, ReadFileBytes,
                        [](const std::string& folder) { RemoveDirectoryW(Wide(folder).c_str()); }},
                    FakeFilesSide()),
    FilesName);
