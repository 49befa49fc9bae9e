#include "platform/win32/Win32FileDialogs.h"

#include "platform/win32/LateLibrary.h"
#include "platform/win32/UnderWine.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <new>

namespace platform::win32 {
namespace {

// Wine's file dialog joins the typed name to its folder in a buffer of MAX_PATH characters
// on its own stack, whatever buffer the program gives: a longer path ends the program inside
// the dialog. Under Wine the dialog's OK is watched: a path that long ends the dialog instead
// and is handed back as typed, so that the caller tries it and reports the system's reason.
struct LongPathGuard {
    WNDPROC dialogProc = nullptr;
    std::wstring tooLong;
};

constexpr const wchar_t* kGuardProperty = L"TSetupLongPathGuard";

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The path the dialog would make of the typed name; empty when it fits the dialog's buffer.
std::wstring PathTooLong(HWND dialog) {
    const std::wstring typed = ControlText(GetDlgItem(dialog, cmb13));
    const bool absolute = (typed.size() >= 2 && typed[1] == L':') || typed.starts_with(L"\\");
    std::wstring path = typed;
    if (!absolute) {
        std::wstring folder(MAX_PATH, L'\0');
        const LRESULT length = SendMessageW(dialog, CDM_GETFOLDERPATH, folder.size(),
                                            reinterpret_cast<LPARAM>(folder.data()));
        folder.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
        if (!folder.empty() && folder.back() != L'\\') {
            folder += L'\\';
        }
        path = folder + typed;
    }
    // Room for the default extension the dialog may add.
    return path.size() + 8 < MAX_PATH ? std::wstring() : path;
}

LRESULT CALLBACK GuardedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* guard = static_cast<LongPathGuard*>(GetPropW(dialog, kGuardProperty));
    const WNDPROC dialogProc = guard->dialogProc;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        try {
            guard->tooLong = PathTooLong(dialog);
        } catch (const std::bad_alloc&) {
            guard->tooLong.clear();
        }
        if (!guard->tooLong.empty()) {
            return CallWindowProcW(dialogProc, dialog, WM_COMMAND, IDCANCEL, 0);
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogProc));
        RemovePropW(dialog, kGuardProperty);
    }
    return CallWindowProcW(dialogProc, dialog, message, wParam, lParam);
}

UINT_PTR CALLBACK GuardHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* dialogData = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        auto* guard = reinterpret_cast<LongPathGuard*>(dialogData->lCustData);
        const HWND dialog = GetParent(hook);
        if (SetPropW(dialog, kGuardProperty, guard)) {
            guard->dialogProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GuardedDialogProc)));
        }
    }
    return 0;
}

// "A|*.a|B|*.*" becomes the system's "A\0*.a\0B\0*.*\0\0".
std::wstring SystemFilter(const std::string& filter) {
    std::wstring wide = Wide(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

// The path the user chose, as the system gives it.
std::optional<std::wstring> Run(bool save, const std::string& filter,
                                const std::string& defaultExtension,
                                const std::u16string& initialFolder, const std::u16string& fileName,
                                const std::string& title) {
    const std::wstring systemFilter = SystemFilter(filter);
    const std::wstring extension = Wide(defaultExtension);
    const std::wstring folder = WideOf(initialFolder);
    const std::wstring caption = Wide(title);
    // Room for the longest path the system knows.
    std::wstring buffer = WideOf(fileName);
    buffer.resize(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = systemFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_HIDEREADONLY : OFN_FILEMUSTEXIST);
    LongPathGuard guard;
    if (UnderWine()) {
        dialog.Flags |= OFN_ENABLEHOOK;
        dialog.lpfnHook = GuardHook;
        dialog.lCustData = reinterpret_cast<LPARAM>(&guard);
    }
    const auto run =
        save ? LateFunction<decltype(&::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW")
             : LateFunction<decltype(&::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (run == nullptr) {
        return std::nullopt;
    }
    if (!run(&dialog)) {
        if (guard.tooLong.empty()) {
            return std::nullopt;
        }
        buffer = guard.tooLong;
    }
    buffer.resize(wcslen(buffer.c_str()));
    return buffer;
}

} // namespace

std::optional<std::string> Win32FileDialogs::Open(const OpenFileRequest& request) {
    const auto chosen = Run(false, request.filter, request.defaultExtension, request.initialFolder,
                            request.fileName, request.title);
    if (!chosen) {
        return std::nullopt;
    }
    bool lossy = false;
    std::string path = Narrow(*chosen, &lossy);
    if (lossy) {
        // A path that code page 1252 cannot hold would name another file: take the short
        // form, which is plain ASCII.
        wchar_t shortPath[MAX_PATH];
        const DWORD length = GetShortPathNameW(chosen->c_str(), shortPath, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return std::nullopt;
        }
        path = Narrow(shortPath, length);
    }
    return path;
}

std::optional<std::u16string> Win32FileDialogs::OpenFile(const OpenFileRequest& request) {
    const auto chosen = Run(false, request.filter, request.defaultExtension, request.initialFolder,
                            request.fileName, request.title);
    return chosen ? std::optional<std::u16string>(Utf16Of(*chosen)) : std::nullopt;
}

std::optional<std::u16string> Win32FileDialogs::Save(const SaveFileRequest& request) {
    const auto chosen = Run(true, request.filter, request.defaultExtension, request.initialFolder,
                            request.fileName, request.title);
    return chosen ? std::optional<std::u16string>(Utf16Of(*chosen)) : std::nullopt;
}

} // namespace platform::win32
