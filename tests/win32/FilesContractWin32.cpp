#include "contract/FilesUnderTest.h"

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace {

std::u16string NewTempFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    const std::string own =
        "tsetup-files-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    return std::u16string(temp, temp + length) + std::u16string(own.begin(), own.end());
}

void RemoveFolder(const std::u16string& folder) {
    RemoveDirectoryW(platform::win32::WideOf(folder).c_str());
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Files, FilesContract,
    testing::Values(FilesUnderTest{"Win32",
                                   [] { return std::make_unique<platform::win32::Win32Files>(); },
                                   NewTempFolder, RemoveFolder},
                    FakeFilesSide()),
    FilesName);
