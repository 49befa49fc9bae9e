// Command-line helper for the end-to-end tests: looks at and acts on the top-level windows
// of other programs.
//
//   wintool find <title>                prints the window (decimal handle); 1 if there is none
//   wintool wait <title> <ms>           waits until the window exists and is visible; 1 on timeout
//   wintool minimize <title>            minimises the window
//   wintool iconic <title>              0 if the window is minimised, else 1
//   wintool visible <title>             0 if the window is visible, else 1
//   wintool foreground                  prints the title of the foreground window
//   wintool close <title>               posts WM_CLOSE to the window
//   wintool acp                         prints the ANSI code page
//   wintool click <title> <controlId>   clicks the button with that ID inside the window
//   wintool text <title> <controlId>    prints the text of the control with that ID
//   wintool settext <title> <controlId> <text>  sets the text of the control with that ID
//   wintool enabled <title> <controlId> 0 if the control with that ID is enabled, else 1
//   wintool center <title> <controlId>  prints the screen position of the control's centre
//                                       as "x y", for a mouse click
//   wintool items <title> <controlId>   prints the rows of the list view with that ID, one
//                                       per line: "*" for the selected row or " ", then the
//                                       columns separated by tabs (same bitness as the program)
//   wintool focus <title>               prints the id of the control with the keyboard focus
//                                       (of a list view also its focused row, -1 for none)
//
// Titles are matched exactly (FindWindowW, any class; "" a dialog box without a title). Output
// is UTF-8. Exit code 0 for success or true, 1 for failure or false, 2 for a usage error.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kTrue = 0;
constexpr int kFalse = 1;
constexpr int kUsage = 2;
constexpr DWORD kPollMilliseconds = 50;
// Reading a control's text waits this long at most for the program to answer.
constexpr UINT kTextTimeoutMilliseconds = 5000;

void PrintLine(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), bytes, nullptr, nullptr);
    return text;
}

bool ParseNumber(const wchar_t* text, unsigned long long& value) {
    if (text == nullptr || *text == L'\0') {
        return false;
    }
    wchar_t* end = nullptr;
    value = std::wcstoull(text, &end, 10);
    return *end == L'\0' && *text != L'-';
}

// The top-level window with the title; a visible one wins over hidden ones of the same
// title (a program's hidden application window may carry the title of its message boxes).
// The empty title names a dialog box without a title.
HWND FindTop(const wchar_t* title) {
    const wchar_t* windowClass = *title == L'\0' ? L"#32770" : nullptr;
    HWND first = FindWindowW(windowClass, title);
    for (HWND window = first; window != nullptr;
         window = FindWindowExW(nullptr, window, windowClass, title)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return first;
}

std::wstring WindowTitle(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, title.data(), length + 1);
    title.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return title;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Any descendant: controls may sit in child dialogs (the pages of the settings window).
HWND FindControl(HWND top, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(top, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Find(const wchar_t* title) {
    const HWND window = FindTop(title);
    if (window == nullptr) {
        return kFalse;
    }
    PrintLine(std::to_string(reinterpret_cast<std::uintptr_t>(window)));
    return kTrue;
}

int Wait(const wchar_t* title, unsigned long long milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        const HWND window = FindTop(title);
        if (window != nullptr && IsWindowVisible(window)) {
            return kTrue;
        }
        if (GetTickCount64() >= deadline) {
            return kFalse;
        }
        Sleep(kPollMilliseconds);
    }
}

int Minimize(const wchar_t* title) {
    const HWND window = FindTop(title);
    if (window == nullptr) {
        return kFalse;
    }
    ShowWindow(window, SW_MINIMIZE);
    return kTrue;
}

int Iconic(const wchar_t* title) {
    const HWND window = FindTop(title);
    return window != nullptr && IsIconic(window) ? kTrue : kFalse;
}

int Visible(const wchar_t* title) {
    const HWND window = FindTop(title);
    return window != nullptr && IsWindowVisible(window) ? kTrue : kFalse;
}

int Foreground() {
    const HWND window = GetForegroundWindow();
    if (window == nullptr) {
        return kFalse;
    }
    PrintLine(Utf8(WindowTitle(window)));
    return kTrue;
}

// The clipboard's ANSI text as its bytes in hexadecimal, without the terminating zero.
int ClipboardBytes() {
    if (!OpenClipboard(nullptr)) {
        return kFalse;
    }
    std::string hex;
    const HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        static constexpr char kDigits[] = "0123456789abcdef";
        for (const char* c = text; *c != '\0'; ++c) {
            hex += kDigits[static_cast<unsigned char>(*c) >> 4];
            hex += kDigits[static_cast<unsigned char>(*c) & 0x0F];
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    PrintLine(hex);
    return text != nullptr ? kTrue : kFalse;
}

// Keeps the file open without sharing it for the time given, as another program that
// holds it would.
int Hold(const wchar_t* path, unsigned long long milliseconds) {
    const HANDLE file =
        CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return kFalse;
    }
    PrintLine("held");
    Sleep(static_cast<DWORD>(milliseconds));
    CloseHandle(file);
    return kTrue;
}

int Close(const wchar_t* title) {
    const HWND window = FindTop(title);
    if (window == nullptr) {
        return kFalse;
    }
    return PostMessageW(window, WM_CLOSE, 0, 0) ? kTrue : kFalse;
}

// The control with the id inside the top-level window with the title, or null.
HWND FindControlIn(const wchar_t* title, int id) {
    const HWND top = FindTop(title);
    return top != nullptr ? FindControl(top, id) : nullptr;
}

int Click(const wchar_t* title, int id) {
    const HWND control = FindControlIn(title, id);
    if (control == nullptr) {
        return kFalse;
    }
    // Posted, not sent: a click that opens a modal dialog would not return until that dialog
    // closes. The caller waits for the click's effect.
    return PostMessageW(control, BM_CLICK, 0, 0) ? kTrue : kFalse;
}

int Enabled(const wchar_t* title, int id) {
    const HWND control = FindControlIn(title, id);
    return control != nullptr && IsWindowEnabled(control) ? kTrue : kFalse;
}

int Text(const wchar_t* title, int id) {
    const HWND control = FindControlIn(title, id);
    if (control == nullptr) {
        return kFalse;
    }
    // GetWindowText does not ask a window of another process; WM_GETTEXT does, and so gives
    // the current text of an edit control too.
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                            kTextTimeoutMilliseconds, &length) == 0) {
        return kFalse;
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                            reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                            kTextTimeoutMilliseconds, &copied) == 0) {
        return kFalse;
    }
    text.resize(copied < text.size() ? static_cast<std::size_t>(copied) : length);
    PrintLine(Utf8(text));
    return kTrue;
}

int SetText(const wchar_t* title, int id, const wchar_t* text) {
    const HWND control = FindControlIn(title, id);
    DWORD_PTR result = 0;
    return control != nullptr &&
                   SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                                       SMTO_ABORTIFHUNG, kTextTimeoutMilliseconds, &result) != 0
               ? kTrue
               : kFalse;
}

int Center(const wchar_t* title, int id) {
    const HWND control = FindControlIn(title, id);
    RECT area;
    // A click on a control nobody sees would land on whatever is shown there.
    if (control == nullptr || !IsWindowVisible(control) || !GetWindowRect(control, &area)) {
        return kFalse;
    }
    PrintLine(std::to_string((area.left + area.right) / 2) + " " +
              std::to_string((area.top + area.bottom) / 2));
    return kTrue;
}

// Reads the rows of a list view in another process through memory shared for the call.
int Items(const wchar_t* title, int id) {
    const HWND list = FindControlIn(title, id);
    if (list == nullptr) {
        return kFalse;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return kFalse;
    }
    constexpr int kChars = 1024;
    const SIZE_T size = sizeof(LVITEMW) + kChars * sizeof(wchar_t);
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote == nullptr) {
        CloseHandle(process);
        return kFalse;
    }
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns =
        header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    for (int row = 0; row < rows; ++row) {
        const bool selected = SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0;
        std::wstring line = selected ? L"*" : L" ";
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iSubItem = column;
            item.pszText = remoteText;
            item.cchTextMax = kChars;
            WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            const auto length = static_cast<int>(
                SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote)));
            std::wstring text(static_cast<std::size_t>(length), L'\0');
            ReadProcessMemory(process, remoteText, text.data(), text.size() * sizeof(wchar_t),
                              nullptr);
            if (column > 0) {
                line += L'\t';
            }
            line += text;
        }
        PrintLine(Utf8(line));
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return kTrue;
}

// The focus belongs to the thread of the window: GetFocus would ask this process's own.
int Focus(const wchar_t* title) {
    const HWND top = FindTop(title);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (top == nullptr || !GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) ||
        !IsChild(top, info.hwndFocus)) {
        return kFalse;
    }
    wchar_t name[32] = L"";
    GetClassNameW(info.hwndFocus, name, 32);
    const bool list = std::wstring(name) == WC_LISTVIEWW;
    PrintLine(
        std::to_string(GetDlgCtrlID(info.hwndFocus)) +
        (list ? " " + std::to_string(ListView_GetNextItem(info.hwndFocus, -1, LVNI_FOCUSED)) : ""));
    return kTrue;
}

int Usage() {
    std::fputs("usage: wintool "
               "find|wait|minimize|iconic|visible|foreground|close|acp|clipboard|click|text|"
               "enabled|center|hold|"
               "items|focus"
               " [title] [ms|controlId]\n",
               stderr);
    return kUsage;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::wstring command = argv[1];
    const int operands = argc - 2;
    unsigned long long number = 0;

    if (command == L"foreground" && operands == 0) {
        return Foreground();
    }
    if (command == L"clipboard" && operands == 0) {
        return ClipboardBytes();
    }
    if (command == L"acp" && operands == 0) {
        PrintLine(std::to_string(GetACP()));
        return kTrue;
    }
    if (operands == 1) {
        const wchar_t* title = argv[2];
        if (command == L"find") {
            return Find(title);
        }
        if (command == L"minimize") {
            return Minimize(title);
        }
        if (command == L"iconic") {
            return Iconic(title);
        }
        if (command == L"visible") {
            return Visible(title);
        }
        if (command == L"close") {
            return Close(title);
        }
        if (command == L"focus") {
            return Focus(title);
        }
    }
    if (operands == 2 && ParseNumber(argv[3], number)) {
        const wchar_t* title = argv[2];
        if (command == L"wait") {
            return Wait(title, number);
        }
        if (command == L"hold") {
            return Hold(title, number);
        }
        if (number <= 0xFFFF) {
            if (command == L"click") {
                return Click(title, static_cast<int>(number));
            }
            if (command == L"text") {
                return Text(title, static_cast<int>(number));
            }
            if (command == L"enabled") {
                return Enabled(title, static_cast<int>(number));
            }
            if (command == L"center") {
                return Center(title, static_cast<int>(number));
            }
            if (command == L"items") {
                return Items(title, static_cast<int>(number));
            }
        }
    }
    if (operands == 3 && command == L"settext" && ParseNumber(argv[3], number) &&
        number <= 0xFFFF) {
        return SetText(argv[2], static_cast<int>(number), argv[4]);
    }
    return Usage();
}
