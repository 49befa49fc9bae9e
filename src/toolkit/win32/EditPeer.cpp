#include "toolkit/win32/EditPeer.h"

#include "platform/Services.h"
#include "platform/win32/WideText.h"

#include <commctrl.h>

namespace toolkit::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

EditPeer::EditPeer(TEdit& edit, HWND window) : Win32Peer(edit, window), edit_(edit) {
    subclassed_ = SetWindowSubclass(window_, &EditPeer::EditProc, kSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

EditPeer::~EditPeer() {
    if (subclassed_) {
        RemoveWindowSubclass(window_, &EditPeer::EditProc, kSubclassId);
    }
}

void EditPeer::Refresh() {
    if (WindowText(window_) != edit_.Text()) {
        refreshing_ = true;
        SetWindowTextW(window_, platform::win32::Wide(edit_.Text()).c_str());
        refreshing_ = false;
    }
    RefreshCommon(false);
}

void EditPeer::Command(WORD code) {
    if (code != EN_CHANGE || refreshing_) {
        return;
    }
    bool lossy = false;
    const std::string text = WindowText(window_, &lossy);
    if (lossy) {
        // A character outside code page 1252 would be stored changed: refuse it.
        platform::Boxes().Beep(platform::SystemSound::Hand);
        Refresh();
        return;
    }
    if (text != edit_.Text()) {
        edit_.UserSetText(text);
    }
}

LRESULT CALLBACK EditPeer::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<EditPeer*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &EditPeer::EditProc, kSubclassId);
        self->subclassed_ = false;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return self->Handled([&] { return self->HandleEdit(message, wParam, lParam); });
}

LRESULT EditPeer::HandleEdit(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
        bool lossy = false;
        const std::string typed =
            platform::win32::Narrow(std::wstring(1, static_cast<wchar_t>(wParam)), &lossy);
        if (lossy || typed.size() != 1) {
            platform::Boxes().Beep(platform::SystemSound::Default);
            return 0;
        }
        if (!edit_.UserChar(typed[0])) {
            return 0;
        }
    }
    return EditDefault(message, wParam, lParam);
}

LRESULT EditPeer::EditDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

} // namespace toolkit::win32
