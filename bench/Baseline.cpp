// The least a program like TSetup does to open its window: a dialog with a tab control of
// three pages and an empty virtual list view of two columns, shown, then a message loop.
// Built once more as baseline-read.exe (BASELINE_READS), it also reads the macro key with the
// program's own registry code, on a thread of its own from its first step while the dialog is
// built, and shows as many rows: the least a program that shows the stored macros can take.
// The bare one stays free of that code, so that its start is the bare window's alone.
// bench.exe starts both beside TSetup.exe and times all three the same way.
#include "platform/win32/Handles.h"

#ifdef BASELINE_READS
#include "platform/win32/Win32Registry.h"
#include "settings/Layout.h"
#endif

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr int kDialog = 100;
constexpr int kTabs = 101;
constexpr int kList = 102;

void Fill(HWND dialog) {
    const HWND tabs = GetDlgItem(dialog, kTabs);
    const wchar_t* pages[] = {L"Macros", L"Optionen", L"Sounds"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(pages[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    const HWND list = GetDlgItem(dialog, kList);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    const wchar_t* columns[] = {L"Tasten", L"Macro"};
    const int widths[] = {90, 400};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i]);
        column.cx = widths[i];
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

// Cancel and the close box end the loop; the window goes with its owner in wWinMain.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        Fill(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            PostQuitMessage(0);
        }
        return TRUE;
    case WM_CLOSE:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef BASELINE_READS
    platform::win32::Win32Registry registry;
    registry.ReadAhead(platform::Hive::CurrentUser, settings::kMacroKey);
#endif
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const platform::win32::WindowHandle dialog(
        CreateDialogParamW(instance, MAKEINTRESOURCEW(kDialog), nullptr, &DialogProc, 0));
    if (!dialog) {
        return 1;
    }
#ifdef BASELINE_READS
    const auto key = registry.OpenReadOnly(platform::Hive::CurrentUser, settings::kMacroKey, false);
    const auto rows = key != nullptr ? key->Values().size() : 0;
    SendMessageW(GetDlgItem(dialog.Get(), kList), LVM_SETITEMCOUNT, rows, 0);
#endif
    ShowWindow(dialog.Get(), SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(dialog.Get(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
