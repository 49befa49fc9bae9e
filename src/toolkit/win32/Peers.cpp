#include "toolkit/win32/Peers.h"

#include "platform/win32/WideText.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ErrorDisplay.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ToggleButton.h"
#include "toolkit/win32/ButtonGlyph.h"
#include "toolkit/win32/ComboBoxPeer.h"
#include "toolkit/win32/EditPeer.h"
#include "toolkit/win32/HotKeyPeer.h"
#include "toolkit/win32/ListViewPeer.h"
#include "toolkit/win32/RadioButtonPeer.h"
#include "toolkit/win32/ScrollBarPeer.h"
#include "toolkit/win32/SpinEditPeer.h"

#include <commctrl.h>

namespace toolkit::win32 {
namespace {

class ButtonPeer : public Win32Peer {
public:
    ButtonPeer(TButton& button, HWND window) : Win32Peer(button, window), button_(button) {
        if (button_.GlyphId != 0) {
            glyph_ =
                std::make_unique<ButtonGlyph>(window_, button_.GlyphId, button_.DisabledGlyphId);
            glyph_->Show(WindowDpi(window_));
        }
    }
    void Command(WORD code) override {
        if (code == BN_CLICKED) {
            button_.Click();
        }
    }
    void DpiChanged(int dpi) override {
        if (glyph_ != nullptr && dpi > 0) {
            glyph_->Show(dpi);
        }
    }
    void ColoursChanged() override {
        if (glyph_ != nullptr) {
            glyph_->Show(WindowDpi(window_));
        }
        Win32Peer::ColoursChanged();
    }

private:
    TButton& button_;
    std::unique_ptr<ButtonGlyph> glyph_;
};

// A button that shows a checked state (the check box and the toggle button); Checked reads
// the state of the control.
template <class Button, bool (Button::*Checked)() const> class CheckablePeer : public Win32Peer {
public:
    CheckablePeer(Button& button, HWND window) : Win32Peer(button, window), button_(button) {}
    void Refresh() override {
        RefreshCommon(true);
        SendMessageW(window_, BM_SETCHECK, (button_.*Checked)() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void Command(WORD code) override {
        if (code == BN_CLICKED) {
            button_.UserClick();
        }
    }

private:
    Button& button_;
};
using ToggleButtonPeer = CheckablePeer<TToggleButton, &TToggleButton::Down>;
using CheckBoxPeer = CheckablePeer<TCheckBox, &TCheckBox::Checked>;

} // namespace

std::string WindowText(HWND window, bool* lossy) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return platform::win32::Narrow(text, lossy);
}

// The dots per inch of the monitor the window is on. GetDpiForWindow is looked up because
// systems before Windows 10 lack it; they have one DPI for all monitors.
int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(window);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen != nullptr) {
        ReleaseDC(window, screen);
    }
    return dpi;
}

void Win32Peer::RefreshCommon(bool withText) {
    if (withText) {
        if (WindowText(window_) != control_.Caption()) {
            SetWindowTextW(window_, platform::win32::Wide(control_.Caption()).c_str());
        }
    }
    if ((IsWindowEnabled(window_) != FALSE) != control_.Enabled()) {
        EnableWindow(window_, control_.Enabled() ? TRUE : FALSE);
    }
}

LRESULT Win32Peer::Handled(const std::function<LRESULT()>& handler) {
    LRESULT result = 0;
    if (!Guarded([&] { result = handler(); })) {
        result = 0;
    }
    control_.Form().DrawChanges();
    return result;
}

void Win32Peer::Refresh() {
    RefreshCommon(true);
}

std::unique_ptr<Win32Peer> MakePeer(TControl& control, HWND window) {
    // Each kind names its class exactly, so the casts are safe and no order matters.
    switch (control.Kind()) {
    case TControlKind::ListView:
        return std::make_unique<ListViewPeer>(static_cast<TListView&>(control), window);
    case TControlKind::ComboBox:
        return std::make_unique<ComboBoxPeer>(static_cast<TComboBox&>(control), window);
    case TControlKind::HotKey:
        return std::make_unique<HotKeyPeer>(static_cast<THotKey&>(control), window);
    case TControlKind::ToggleButton:
        return std::make_unique<ToggleButtonPeer>(static_cast<TToggleButton&>(control), window);
    case TControlKind::Button:
        return std::make_unique<ButtonPeer>(static_cast<TButton&>(control), window);
    case TControlKind::CheckBox:
        return std::make_unique<CheckBoxPeer>(static_cast<TCheckBox&>(control), window);
    case TControlKind::RadioButton:
        return std::make_unique<RadioButtonPeer>(static_cast<TRadioButton&>(control), window);
    case TControlKind::Edit:
        return std::make_unique<EditPeer>(static_cast<TEdit&>(control), window);
    case TControlKind::SpinEdit:
        return std::make_unique<SpinEditPeer>(static_cast<TSpinEdit&>(control), window);
    case TControlKind::ScrollBar:
        return std::make_unique<ScrollBarPeer>(static_cast<TScrollBar&>(control), window);
    case TControlKind::Plain:
    case TControlKind::TabSheet:
    case TControlKind::PageControl:
        break;
    }
    return std::make_unique<Win32Peer>(control, window);
}

} // namespace toolkit::win32
