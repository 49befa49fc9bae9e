// Deletes a registry key under HKEY_CURRENT_USER as soon as one of its values changes: another
// program deleting the key while TSetup writes it, at a moment the test does not have to guess.
// Usage: deleteonchange.exe KEY LOG [SECONDS]   (KEY without the hive; 60 seconds by default)
// It opens the key, asks to be told of the next value written with other data, added or
// deleted, appends "armed" to LOG, waits, deletes the key with everything in it and appends
// "deleted". Each line reaches LOG in one appending write, so that lines another program
// appends to the same file (the stand-in driver's log) stay in the order things happened.
// Exit code 0 when the key was deleted; otherwise 1, with the reason appended to LOG.
#include "platform/win32/Handles.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

using platform::win32::FileHandle;
using platform::win32::KernelHandle;
using platform::win32::KeyHandle;

class Log {
public:
    explicit Log(const wchar_t* path)
        : file_(CreateFileW(path, FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    void Line(const std::string& line) {
        const std::string text = line + "\n";
        DWORD written = 0;
        if (file_) {
            WriteFile(file_.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        }
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    }

private:
    FileHandle file_;
};

int Failed(Log& log, const char* what, LONG status) {
    log.Line(std::string("deleteonchange: ") + what + " failed with error " +
             std::to_string(status));
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || argc > 4) {
        std::fwprintf(stderr, L"usage: deleteonchange KEY LOG [SECONDS]\n");
        return 2;
    }
    const std::wstring path = argv[1];
    Log log(argv[2]);
    const DWORD seconds = argc == 4 ? std::wcstoul(argv[3], nullptr, 10) : 60;
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash == 0 || slash + 1 == path.size()) {
        std::fwprintf(stderr, L"KEY needs a parent key: %ls\n", path.c_str());
        return 2;
    }
    const std::wstring parentPath = path.substr(0, slash);
    const std::wstring name = path.substr(slash + 1);

    // Everything the deletion needs is open before the wait, so that it follows the change
    // as closely as it can.
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_NOTIFY, &opened);
    KeyHandle watched(opened);
    if (status != ERROR_SUCCESS) {
        return Failed(log, "opening the key", status);
    }
    opened = nullptr;
    status = RegOpenKeyExW(HKEY_CURRENT_USER, parentPath.c_str(), 0, KEY_ALL_ACCESS, &opened);
    KeyHandle parent(opened);
    if (status != ERROR_SUCCESS) {
        return Failed(log, "opening the parent key", status);
    }
    KernelHandle changed(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!changed) {
        return Failed(log, "creating the event", static_cast<LONG>(GetLastError()));
    }
    status = RegNotifyChangeKeyValue(watched.Get(), FALSE,
                                     REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                     changed.Get(), TRUE);
    if (status != ERROR_SUCCESS) {
        return Failed(log, "asking for change notification", status);
    }
    log.Line("armed");
    if (WaitForSingleObject(changed.Get(), seconds * 1000) != WAIT_OBJECT_0) {
        log.Line("deleteonchange: no change within " + std::to_string(seconds) + " s");
        return 1;
    }
    // With a subkey name, the tree call removes the key itself too; the key call is for a
    // system whose tree call leaves the emptied key.
    status = RegDeleteTreeW(parent.Get(), name.c_str());
    if (status != ERROR_SUCCESS) {
        return Failed(log, "deleting the key's tree", status);
    }
    status = RegDeleteKeyW(parent.Get(), name.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        return Failed(log, "deleting the key", status);
    }
    log.Line("deleted");
    return 0;
}
