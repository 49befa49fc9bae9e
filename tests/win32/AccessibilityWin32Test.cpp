// What a screen reader learns of every window of the program, asked as it asks: the window's
// own server through WM_GETOBJECT, else the system's label rule (the text static nearest
// before a control in z-order names an edit, a list, a combo box, a key field and a scroll
// bar), else the system's object. And the events that tell it a value or a hint changed.
#include "EditMacroIds.h"
#include "EditSpeakerIds.h"
#include "macros/EditMacroUnit.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/WideText.h"
#include "settings/SettingsStore.h"
#include "setup/UnInstallForm.h"
#include "setup/WinKeyCheckForm.h"
#include "sound/EditSpeaker.h"
#include "toolkit/PageControl.h"
#include "toolkit/win32/ComPtr.h"
#include "toolkit/win32/FormWindow.h"
#include "ui/MainForm.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using platform::win32::Narrow;
using toolkit::TControlKind;
using toolkit::win32::ComPtr;

struct ComScope {
    ComScope() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), text.size())));
    return Narrow(text);
}

// The system's rule: the nearest static text before the control in z-order, shown or not.
std::string LabelRuleName(HWND control) {
    for (HWND w = GetWindow(control, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        const LONG type = GetWindowLongW(w, GWL_STYLE) & SS_TYPEMASK;
        if (_wcsicmp(ClassOf(w).c_str(), L"Static") == 0 && type <= SS_SIMPLE) {
            return toolkit::WithoutMnemonic(TextOf(w));
        }
    }
    return {};
}

bool NamedByLabel(HWND control) {
    for (const wchar_t* name :
         {L"Edit", L"ComboBox", L"SysListView32", L"msctls_hotkey32", L"ScrollBar"}) {
        if (_wcsicmp(ClassOf(control).c_str(), name) == 0) {
            return true;
        }
    }
    return false;
}

// The window's accessible object; *served tells whether the window answered itself.
ComPtr<IAccessible> AccessibleOf(HWND window, bool* served = nullptr) {
    ComPtr<IAccessible> object;
    const LRESULT answer = SendMessageW(window, WM_GETOBJECT, 0, OBJID_CLIENT);
    if (served != nullptr) {
        *served = answer > 0;
    }
    if (answer > 0) {
        ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(object.Put()));
    } else {
        CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                  reinterpret_cast<void**>(object.Put()));
    }
    return object;
}

using TextGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::string Told(IAccessible* object, TextGetter getter) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object == nullptr || FAILED((object->*getter)(self, &text)) || text == nullptr) {
        return {};
    }
    std::string told = Narrow(std::wstring(text, SysStringLen(text)));
    SysFreeString(text);
    return told;
}

LONG RoleOf(IAccessible* object) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    return object != nullptr && SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4
               ? role.lVal
               : 0;
}

// A control of the form's window or of one of its pages (child dialogs).
HWND ControlWindow(HWND form, int id) {
    HWND found = GetDlgItem(form, id);
    for (HWND page = GetWindow(form, GW_CHILD); found == nullptr && page != nullptr;
         page = GetWindow(page, GW_HWNDNEXT)) {
        if (ClassOf(page) == L"#32770") {
            found = GetDlgItem(page, id);
        }
    }
    return found;
}

// The program's forms, each as the program makes it.
struct Forms {
    platform::fake::FakePlatform fake;
    settings::TSettingsStore store;
    std::unique_ptr<toolkit::TForm> form;
    std::unique_ptr<toolkit::win32::FormWindow> host;
    HWND Show(std::unique_ptr<toolkit::TForm> made) {
        host.reset();
        form = std::move(made);
        host = std::make_unique<toolkit::win32::FormWindow>(*form);
        return host->CreateModeless(nullptr, false);
    }
    // A page's controls exist once the page was shown: every page is shown once.
    void ShowEveryPage() {
        for (toolkit::TControl* control : form->Controls()) {
            if (control->Kind() != TControlKind::PageControl) {
                continue;
            }
            auto& pages = static_cast<toolkit::TPageControl&>(*control);
            for (toolkit::TTabSheet* page : pages.Pages()) {
                pages.SetActivePage(*page);
                host->DrawChanges();
            }
        }
    }
};

} // namespace

// Every control that takes the focus or shows a value is named as its form names it, by the
// system's label rule where that applies, by the program's server where there is one; the
// server's value is the control's, and the number fields' arrows are a spin button.
TEST(Accessibility, EveryControlOfEveryWindowIsNamedAsItsFormNamesIt) {
    ComScope com;
    Forms forms;
    const std::pair<const char*, std::function<std::unique_ptr<toolkit::TForm>()>> windows[] = {
        {"settings window",
         [&] { return std::make_unique<ui::TMainForm>(settings::TStartupState{}, forms.store); }},
        {"macro editor", [] { return std::make_unique<macros::TEditMacroForm>(); }},
        {"speaker editor",
         [] {
             return std::make_unique<sound::TEditSpeakerFrm>(3,
                                                             sound::TSpeakerRec{2350, 10, 1, 50});
         }},
        {"Windows keys", [] { return std::make_unique<setup::TFrmWinKeyCheck>(); }},
        {"uninstallation", [] { return std::make_unique<setup::TUnInstallForm>(); }},
    };
    for (const auto& [what, make] : windows) {
        const HWND window = forms.Show(make());
        ASSERT_NE(window, nullptr) << what;
        forms.ShowEveryPage();
        int checked = 0;
        for (const toolkit::TControl* control : forms.form->Controls()) {
            if (control->Kind() == TControlKind::Plain ||
                control->Kind() == TControlKind::TabSheet) {
                continue;
            }
            const HWND item = ControlWindow(window, control->Id());
            ASSERT_NE(item, nullptr) << what << " " << control->Id();
            const std::string expected = control->AccessibleName();
            const std::string where = std::string(what) + " " + expected;
            EXPECT_FALSE(expected.empty()) << what << " " << control->Id();
            bool served = false;
            const ComPtr<IAccessible> object = AccessibleOf(item, &served);
            if (NamedByLabel(item)) {
                EXPECT_EQ(LabelRuleName(item), expected) << where;
            }
            if (served || !NamedByLabel(item)) {
                EXPECT_EQ(Told(object.Get(), &IAccessible::get_accName), expected) << where;
            }
            if (served && !control->AccessibleValue().empty()) {
                EXPECT_EQ(Told(object.Get(), &IAccessible::get_accValue),
                          control->AccessibleValue())
                    << where;
            }
            if (control->Kind() == TControlKind::SpinEdit) {
                bool arrowsServed = false;
                const ComPtr<IAccessible> arrows =
                    AccessibleOf(GetWindow(item, GW_CHILD), &arrowsServed);
                EXPECT_TRUE(arrowsServed) << where;
                EXPECT_EQ(RoleOf(arrows.Get()), ROLE_SYSTEM_SPINBUTTON) << where;
                EXPECT_EQ(Told(arrows.Get(), &IAccessible::get_accName), expected) << where;
                EXPECT_EQ(Told(arrows.Get(), &IAccessible::get_accValue), TextOf(item)) << where;
            }
            ++checked;
        }
        EXPECT_GT(checked, 0) << what;
    }
}

namespace {

// What the WinEvent hook saw: the event, the window, and the value or description read
// back when it came.
struct Event {
    DWORD event;
    HWND window;
    std::string text;
};
std::vector<Event>* seenEvents = nullptr;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                     DWORD) {
    if (seenEvents == nullptr || object != OBJID_CLIENT || child != CHILDID_SELF) {
        return;
    }
    const ComPtr<IAccessible> accessible = AccessibleOf(window);
    seenEvents->push_back({event, window,
                           Told(accessible.Get(), event == EVENT_OBJECT_VALUECHANGE
                                                      ? &IAccessible::get_accValue
                                                      : &IAccessible::get_accDescription)});
}

// The hook, in this thread, for as long as it lives.
struct EventHook {
    explicit EventHook(std::vector<Event>& seen)
        : handle(SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                 &Record, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
        seenEvents = &seen;
    }
    ~EventHook() {
        if (handle != nullptr) {
            UnhookWinEvent(handle);
        }
        seenEvents = nullptr;
    }
    EventHook(const EventHook&) = delete;
    EventHook& operator=(const EventHook&) = delete;
    HWINEVENTHOOK handle;
};

} // namespace

// The frequency bar, a number field's step and the key field say their new value, and the
// hint under the key field is told as its new description.
TEST(Accessibility, ValueAndHintChangesAreToldToAScreenReader) {
    ComScope com;
    Forms forms;
    std::vector<Event> seen;
    const EventHook hook(seen);
    ASSERT_NE(hook.handle, nullptr);

    // Waits, pumping messages, until the hook saw the event from the window with that text.
    auto told = [&](DWORD event, HWND window, const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            for (const Event& e : seen) {
                if (e.event == event && e.window == window && e.text == text) {
                    return true;
                }
            }
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    };

    HWND window = forms.Show(
        std::make_unique<sound::TEditSpeakerFrm>(3, sound::TSpeakerRec{2350, 10, 1, 50}));
    auto& speaker = static_cast<sound::TEditSpeakerFrm&>(*forms.form);
    const HWND bar = GetDlgItem(window, IDC_SCROLLBAR1);
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar));
    EXPECT_TRUE(told(EVENT_OBJECT_VALUECHANGE, bar, speaker.ScrollBar1.AccessibleValue()));
    const HWND duration = GetDlgItem(window, IDC_DURATIONEDIT);
    SendMessageW(duration, WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(told(EVENT_OBJECT_VALUECHANGE, GetWindow(duration, GW_CHILD),
                     speaker.DurationEdit.AccessibleValue()));

    auto editor = std::make_unique<macros::TEditMacroForm>();
    editor->cbAltGr.SetChecked(true);
    editor->UpdateHint();
    window = forms.Show(std::move(editor));
    auto& macro = static_cast<macros::TEditMacroForm&>(*forms.form);
    const HWND key = GetDlgItem(window, IDC_HOTKEY1);
    const std::string hintBefore = macro.HotKey1.AccessibleDescription();
    // AltGr+F1 is the driver's own switch: the line under the field says so.
    SendMessageW(key, HKM_SETHOTKEY, VK_F1, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_HOTKEY1, EN_CHANGE),
                 reinterpret_cast<LPARAM>(key));
    EXPECT_FALSE(macro.HotKey1.AccessibleValue().empty());
    EXPECT_NE(macro.HotKey1.AccessibleDescription(), hintBefore);
    EXPECT_TRUE(told(EVENT_OBJECT_VALUECHANGE, key, macro.HotKey1.AccessibleValue()));
    EXPECT_TRUE(told(EVENT_OBJECT_DESCRIPTIONCHANGE, key, macro.HotKey1.AccessibleDescription()));
}
