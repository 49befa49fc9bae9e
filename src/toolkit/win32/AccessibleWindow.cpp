#include "toolkit/win32/AccessibleWindow.h"

#include "platform/win32/LateLibrary.h"
#include "toolkit/ErrorDisplay.h"

#include <commctrl.h>

namespace toolkit::win32 {
namespace {

using platform::win32::LateFunction;

constexpr UINT_PTR kSubclassId = 0xA11;

} // namespace

void ComApartment::Enter() {
    if (entered_) {
        return;
    }
    static const auto initialise =
        LateFunction<HRESULT(WINAPI*)(void*, DWORD)>(L"ole32.dll", "CoInitializeEx");
    // S_FALSE: already entered, and to be left as often as entered.
    entered_ = initialise != nullptr && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
}

ComApartment::~ComApartment() {
    if (entered_) {
        static const auto leave = LateFunction<void(WINAPI*)()>(L"ole32.dll", "CoUninitialize");
        if (leave != nullptr) {
            leave();
        }
    }
}

AccessibleWindow::AccessibleWindow(HWND window, const TControl& control, LONG role)
    : window_(window), control_(control), role_(role), toldValue_(control.AccessibleValue()),
      toldDescription_(control.AccessibleDescription()) {
    subclassed_ = SetWindowSubclass(window_, &AccessibleWindow::SubclassProc, kSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

AccessibleWindow::~AccessibleWindow() {
    if (subclassed_) {
        RemoveWindowSubclass(window_, &AccessibleWindow::SubclassProc, kSubclassId);
    }
    // A client may hold the server longer than the control lives.
    if (server_) {
        server_->Disconnect();
    }
    server_.Reset();
}

void AccessibleWindow::TellChanges() {
    if (std::string value = control_.AccessibleValue(); value != toldValue_) {
        toldValue_ = std::move(value);
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    }
    if (const std::string& description = control_.AccessibleDescription();
        description != toldDescription_) {
        toldDescription_ = description;
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    }
}

LRESULT AccessibleWindow::ServeClient(WPARAM wParam) {
    if (!server_) {
        apartment_.Enter();
        server_ = AccessibleServer::Create(window_, control_, role_);
    }
    return server_ ? ResultFromServer(wParam, server_.Get()) : 0;
}

LRESULT CALLBACK AccessibleWindow::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<AccessibleWindow*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &AccessibleWindow::SubclassProc, kSubclassId);
        self->subclassed_ = false;
    } else if (message == WM_GETOBJECT &&
               static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
        LRESULT result = 0;
        // No exception may cross the window procedure.
        Guarded([&] { result = self->ServeClient(wParam); });
        // A failure leaves the question to the system's own object.
        if (result > 0) {
            return result;
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32
