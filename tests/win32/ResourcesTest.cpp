// What the shipped program carries: its manifest, its version resource and its dialog
// templates.
#include "TSetupVersion.h"

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

struct Module {
    explicit Module(const std::wstring& path)
        : handle(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~Module() {
        if (handle != nullptr) {
            FreeLibrary(handle);
        }
    }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    HMODULE handle;
};

INT_PTR CALLBACK NoHandler(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

BOOL CALLBACK ExpectNoText(HWND control, LPARAM dialogId) {
    EXPECT_EQ(GetWindowTextLengthW(control), 0)
        << "dialog " << dialogId << ", control " << GetDlgCtrlID(control);
    return TRUE;
}

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    reinterpret_cast<std::vector<int>*>(ids)->push_back(
        static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

} // namespace

// The forms' code holds every caption: a text in a template would be a second copy.
TEST(Resources, DialogTemplatesHoldLayoutButNoTexts) {
    // The pages are child dialogs: they need a parent.
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    // Every template the program carries, also those of dialogs added later.
    std::vector<int> ids;
    EnumResourceNamesW(nullptr, RT_DIALOG, &CollectId, reinterpret_cast<LONG_PTR>(&ids));
    EXPECT_GE(ids.size(), 5u);
    for (const int id : ids) {
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent,
                                         &NoHandler, 0);
        ASSERT_NE(dialog, nullptr) << id;
        EXPECT_EQ(GetWindowTextLengthW(dialog), 0) << id;
        EnumChildWindows(dialog, &ExpectNoText, id);
        DestroyWindow(dialog);
    }
    DestroyWindow(parent);
}

TEST(Resources, TheManifestRunsAsInvokerWithCommonControls6PerMonitorDpiAndLongPaths) {
    Module exe(BesideThisProgram(L"TSetup.exe"));
    ASSERT_NE(exe.handle, nullptr);
    HRSRC found = FindResourceW(exe.handle, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(exe.handle, found)));
    const std::string manifest(data, SizeofResource(exe.handle, found));
    for (const char* part : {"level=\"asInvoker\"", "Microsoft.Windows.Common-Controls",
                             "version=\"6.0.0.0\"", "PerMonitorV2", "true/pm",
                             "<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                             "WindowsSettings\">true</longPathAware>",
                             "TSetup\" version=\"" TSETUP_VERSION_TEXT "\""}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

TEST(Resources, TheVersionResourceNamesTheProgram) {
    const std::wstring path = BesideThisProgram(L"TSetup.exe");
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    struct Case {
        const wchar_t* name;
        const wchar_t* value;
    } cases[] = {
        {L"\\StringFileInfo\\040704E4\\FileDescription",
         L"TSetup - Einstellungsprogramm f\u00FCr Tastor32"},
        {L"\\StringFileInfo\\040704E4\\OriginalFilename", L"TSetup.exe"},
        {L"\\StringFileInfo\\040704E4\\ProductName", L"Tastor32"},
        {L"\\StringFileInfo\\040704E4\\FileVersion", L"" TSETUP_VERSION_TEXT},
        {L"\\StringFileInfo\\040704E4\\ProductVersion", L"" TSETUP_VERSION_TEXT},
    };
    for (const auto& c : cases) {
        wchar_t* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), c.name, reinterpret_cast<void**>(&value), &length))
            << c.name;
        EXPECT_EQ(std::wstring(value), c.value);
    }
}
