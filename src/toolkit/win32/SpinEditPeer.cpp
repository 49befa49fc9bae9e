#include "toolkit/win32/SpinEditPeer.h"

#include "platform/Services.h"
#include "toolkit/Form.h"

#include <windowsx.h>

#include <algorithm>

namespace toolkit::win32 {
namespace {

constexpr wchar_t kArrowsClass[] = L"TSetupSpinArrows";
// The arrows are never narrower than this; the text area ends this far before them.
constexpr int kMinArrowWidth = 15;
constexpr int kTextGap = 2;

// A window's display context, released on every path.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

int TextHeight(HDC dc, HGDIOBJ font) {
    const HGDIOBJ earlier = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, earlier);
    return metrics.tmHeight;
}

// The edit is never lower than its font and borders need: four borders, the font, a
// quarter of the smaller of the font and the system font, and two pixels.
int MinimumHeight(HWND edit) {
    WindowDc dc(edit);
    if (dc.Get() == nullptr) {
        return 0;
    }
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = GetStockObject(SYSTEM_FONT);
    }
    const int fontHeight = TextHeight(dc.Get(), font);
    const int systemHeight = TextHeight(dc.Get(), GetStockObject(SYSTEM_FONT));
    return 4 * GetSystemMetrics(SM_CYBORDER) + fontHeight + std::min(systemHeight, fontHeight) / 4 +
           2;
}

void RegisterArrowsClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kArrowsClass, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kArrowsClass;
    RegisterClassExW(&windowClass);
}

} // namespace

SpinEditPeer::SpinEditPeer(TSpinEdit& spin, HWND edit) : EditPeer(spin, edit), spin_(spin) {
    RegisterArrowsClass(&SpinEditPeer::ArrowsProc);
    arrows_ = CreateWindowExW(0, kArrowsClass, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, edit,
                              nullptr, GetModuleHandleW(nullptr), this);
    if (arrows_ != nullptr) {
        accessibleArrows_ =
            std::make_unique<AccessibleWindow>(arrows_, spin, ROLE_SYSTEM_SPINBUTTON);
    }
    // The edit paints around its child, not over it.
    SetWindowLongPtrW(edit, GWL_STYLE, GetWindowLongPtrW(edit, GWL_STYLE) | WS_CLIPCHILDREN);
    Layout();
}

SpinEditPeer::~SpinEditPeer() {
    if (arrows_ != nullptr) {
        SetWindowLongPtrW(arrows_, GWLP_USERDATA, 0);
        DestroyWindow(arrows_);
    }
}

void SpinEditPeer::Refresh() {
    EditPeer::Refresh();
    SendMessageW(window_, EM_SETLIMITTEXT, static_cast<WPARAM>(spin_.MaxLength()), 0);
    if (arrows_ != nullptr) {
        InvalidateRect(arrows_, nullptr, FALSE);
    }
    // Each step, and each change typed, is a new value of the spin button.
    if (accessibleArrows_ != nullptr) {
        accessibleArrows_->TellChanges();
    }
}

void SpinEditPeer::ColoursChanged() {
    EditPeer::ColoursChanged();
    if (arrows_ != nullptr) {
        InvalidateRect(arrows_, nullptr, FALSE);
    }
}

void SpinEditPeer::Layout() {
    if (arrows_ == nullptr) {
        return;
    }
    RECT outer;
    GetWindowRect(window_, &outer);
    const int minimum = MinimumHeight(window_);
    if (outer.bottom - outer.top < minimum) {
        // Comes back here through WM_SIZE with the new height.
        SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, minimum,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    RECT client;
    GetClientRect(window_, &client);
    const int width = std::max(kMinArrowWidth, GetSystemMetrics(SM_CXVSCROLL) - 2);
    MoveWindow(arrows_, client.right - width, 0, width, client.bottom, TRUE);
    SendMessageW(window_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + kTextGap));
}

RECT SpinEditPeer::HalfRect(TSpinHalf half) const {
    RECT area;
    GetClientRect(arrows_, &area);
    // The upper half is half the height; the lower one begins a pixel above its end.
    const int upperHeight = area.bottom / 2;
    if (half == TSpinHalf::Up) {
        area.bottom = upperHeight;
    } else {
        area.top = std::max(0, upperHeight - 1);
    }
    return area;
}

// Drawn by the system in its colours of scroll-bar arrows, high contrast included.
void SpinEditPeer::PaintArrows() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(arrows_, &paint);
    for (TSpinHalf half : {TSpinHalf::Down, TSpinHalf::Up}) {
        RECT area = HalfRect(half);
        UINT state = half == TSpinHalf::Up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
        if (spin_.ArrowShownPressed(half)) {
            state |= DFCS_PUSHED;
        }
        if (!spin_.Enabled()) {
            state |= DFCS_INACTIVE;
        }
        DrawFrameControl(dc, &area, DFC_SCROLL, state);
    }
    EndPaint(arrows_, &paint);
}

LRESULT SpinEditPeer::HandleEdit(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        spin_.UserKeyDown(static_cast<std::uint16_t>(wParam));
        // Enter is the field's own (its character is refused), never the default button's.
        if (wParam == VK_RETURN) {
            return 0;
        }
        break;
    case WM_PASTE:
    case WM_CUT:
        if (!spin_.CanPasteOrCut()) {
            return 0;
        }
        break;
    case WM_GETDLGCODE: {
        // The dialog manager selects the whole text when the field is entered from the
        // keyboard, if the field says so.
        LRESULT code = EditDefault(message, wParam, lParam);
        if (!spin_.SelectsAllOnEntry(platform::Keys().IsDown(VK_LBUTTON))) {
            code &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
        }
        // The field asks for Enter, so that the dialog does not press its default button.
        if (const auto* key = reinterpret_cast<const MSG*>(lParam);
            key != nullptr && key->wParam == VK_RETURN &&
            (key->message == WM_KEYDOWN || key->message == WM_CHAR)) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = EditDefault(message, wParam, lParam);
        spin_.UserExit();
        return result;
    }
    case WM_SETFOCUS:
        control_.Form().SetActiveControl(&spin_);
        break;
    case WM_SIZE: {
        const LRESULT result = EditDefault(message, wParam, lParam);
        Layout();
        return result;
    }
    case WM_ENABLE:
        if (arrows_ != nullptr) {
            InvalidateRect(arrows_, nullptr, FALSE);
        }
        break;
    default:
        break;
    }
    return EditPeer::HandleEdit(message, wParam, lParam);
}

LRESULT CALLBACK SpinEditPeer::ArrowsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SpinEditPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->arrows_ != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // Destroyed with the edit.
        self->arrows_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handled([&] { return self->HandleArrows(message, wParam, lParam); });
}

LRESULT SpinEditPeer::HandleArrows(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT:
        PaintArrows();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN: {
        const RECT upper = HalfRect(TSpinHalf::Up);
        pressed_ = PtInRect(&upper, point) ? TSpinHalf::Up : TSpinHalf::Down;
        if (GetFocus() != window_) {
            SetFocus(window_);
        }
        SetCapture(arrows_);
        spin_.UserArrowPress(pressed_);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (GetCapture() == arrows_) {
            const RECT half = HalfRect(pressed_);
            spin_.UserArrowMove(PtInRect(&half, point) != FALSE);
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == arrows_) {
            const RECT half = HalfRect(pressed_);
            spin_.UserArrowRelease(PtInRect(&half, point) != FALSE);
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        spin_.UserArrowCaptureLost();
        return 0;
    default:
        return DefWindowProcW(arrows_, message, wParam, lParam);
    }
}

} // namespace toolkit::win32
