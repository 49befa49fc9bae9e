// Sets the access list of a registry key under HKEY_CURRENT_USER, for the tests of keys the
// user may only read or may not open at all.
// Usage: regacl.exe KEY read|none|full    (KEY without the hive, e.g. Software\Velmark)
// Exit code 0 when the list was set.
#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: regacl KEY read|none|full\n");
        return 2;
    }
    // Everyone: key read access only, nothing, or everything. "P": not inherited from above.
    const wchar_t* sddl = nullptr;
    if (std::wcscmp(argv[2], L"read") == 0) {
        sddl = L"D:P(A;;KR;;;WD)";
    } else if (std::wcscmp(argv[2], L"none") == 0) {
        sddl = L"D:P";
    } else if (std::wcscmp(argv[2], L"full") == 0) {
        sddl = L"D:P(A;;KA;;;WD)";
    } else {
        std::fwprintf(stderr, L"unknown access %ls\n", argv[2]);
        return 2;
    }
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr)) {
        std::fwprintf(stderr, L"bad descriptor: %lu\n", GetLastError());
        return 1;
    }
    HKEY key = nullptr;
    LONG result = RegOpenKeyExW(HKEY_CURRENT_USER, argv[1], 0, WRITE_DAC, &key);
    if (result == ERROR_SUCCESS) {
        result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(key);
    }
    LocalFree(descriptor);
    if (result != ERROR_SUCCESS) {
        std::fwprintf(stderr, L"regacl %ls: error %ld\n", argv[1], result);
        return 1;
    }
    return 0;
}
