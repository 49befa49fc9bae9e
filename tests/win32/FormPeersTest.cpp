// The settings window on real controls: what the store holds shows in the windows, what
// the user does reaches the control objects, and what the program sets reaches the windows.
#include "macros/EditMacroUnit.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/WideText.h"
#include "resource.h"
#include "settings/Layout.h"
#include "settings/SettingsStore.h"
#include "toolkit/fake/FakeApplicationHost.h"
#include "toolkit/win32/FormWindow.h"
#include "ui/MainForm.h"

#include <windows.h>

#include <commctrl.h>
#include <vsstyle.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using platform::Hive;

class FormPeers : public testing::Test {
protected:
    void SetUp() override {
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "Tastor eingeschaltet",
                                {1});
        fake.registry.SetString(Hive::CurrentUser, settings::kSettingsKey, "DecimalDot", ",");
        fake.registry.SetString(Hive::CurrentUser, settings::kMacroKey, "00080047", "Grüße");
        fake.registry.SetString(Hive::CurrentUser, settings::kMacroKey, "00000070", "Eins");
        window = host.CreateModeless(nullptr, false);
        ASSERT_NE(window, nullptr);
    }

    struct Search {
        int id;
        HWND found;
    };
    static BOOL CALLBACK Match(HWND child, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) == search->id) {
            search->found = child;
            return FALSE;
        }
        return TRUE;
    }
    // Controls may sit in the pages, which are child dialogs.
    HWND Control(int id) const {
        Search search{id, nullptr};
        EnumChildWindows(window, &FormPeers::Match, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    static std::wstring Text(HWND control) {
        wchar_t buffer[512];
        GetWindowTextW(control, buffer, 512);
        return buffer;
    }
    std::wstring Cell(int row, int column) const {
        wchar_t buffer[512] = L"";
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 512;
        SendMessageW(Control(IDC_MACROLISTVIEW), LVM_GETITEMTEXTW, row,
                     reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    // Shows the page as the program chooses it; a page's controls exist once it was shown.
    void ShowPage(toolkit::TTabSheet& page) {
        form.PageControl1.SetActivePage(page);
        host.DrawChanges();
    }
    // Chooses the page on the row of tabs, as a click on its tab does.
    void ChooseTab(int index) const {
        HWND tabs = Control(IDC_PAGECONTROL);
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR change{tabs, static_cast<UINT_PTR>(IDC_PAGECONTROL),
                     static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window, WM_NOTIFY, IDC_PAGECONTROL, reinterpret_cast<LPARAM>(&change));
    }
    // The windows of the pages made so far, in z-order (the dialog's tab order).
    std::vector<HWND> PageWindows() const {
        std::vector<HWND> pages;
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[16] = L"";
            GetClassNameW(child, name, 16);
            if (std::wstring(name) == L"#32770") {
                pages.push_back(child);
            }
        }
        return pages;
    }
    // The form's tool tips; null while it has none.
    HWND ToolTips() const {
        HWND tips = nullptr;
        do {
            tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
        } while (tips != nullptr && GetWindow(tips, GW_OWNER) != window);
        return tips;
    }
    // The text of the control's tool tip once the mouse has come over it; empty when it has
    // none.
    std::wstring ToolTipOf(HWND control) const {
        SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        HWND tips = ToolTips();
        wchar_t text[512] = L"";
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = GetParent(control);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    // The page itself is shown (the test never shows the whole window).
    static bool Shown(HWND page) { return (GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE) != 0; }
    static bool Checked(HWND button) {
        return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // What an image of the list looks like drawn over grey: whether it draws anything, and
    // whether anything it draws has a colour.
    struct Look {
        bool drawn = false;
        bool coloured = false;
    };
    static Look LookOf(HIMAGELIST images, int index) {
        int width = 0, height = 0;
        ImageList_GetIconSize(images, &width, &height);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ earlier = SelectObject(dc, bitmap);
        constexpr std::uint32_t grey = 0x808080;
        auto* pixels = static_cast<std::uint32_t*>(bits);
        std::fill(pixels, pixels + width * height, grey);
        ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
        GdiFlush();
        Look look;
        for (int i = 0; i < width * height; ++i) {
            const std::uint32_t p = pixels[i] & 0xFFFFFF;
            look.drawn = look.drawn || p != grey;
            look.coloured = look.coloured || (p & 0xFF) != ((p >> 8) & 0xFF) ||
                            ((p >> 8) & 0xFF) != ((p >> 16) & 0xFF);
        }
        SelectObject(dc, earlier);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return look;
    }
    static int ScreenDpi() {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return dpi;
    }

    platform::fake::FakePlatform fake;
    settings::TSettingsStore store;
    ui::TMainForm form{{}, store};
    toolkit::win32::FormWindow host{form};
    HWND window = nullptr;
};

} // namespace

TEST_F(FormPeers, TheStoredStateShowsInTheWindows) {
    EXPECT_EQ(Text(window), L"Tastor32 Einstellungen");
    HWND tabs = Control(IDC_PAGECONTROL);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    HWND list = Control(IDC_MACROLISTVIEW);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Cell(0, 0), L" F1");
    EXPECT_EQ(Cell(0, 1), L"Eins");
    EXPECT_EQ(Cell(1, 0), L"AltGr+ G");
    EXPECT_EQ(Cell(1, 1), L"Gr\u00FC\u00DFe");
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_SELECTED), LVIS_SELECTED);
    EXPECT_EQ(GetFocus(), list);
    ShowPage(form.TabOptions);
    EXPECT_TRUE(Checked(Control(IDC_MAINFUNCTIONCB)));
    EXPECT_FALSE(Checked(Control(IDC_EASYTABCB)));
    EXPECT_EQ(Text(Control(IDC_EDTDECIMALDOT)), L",");
    ShowPage(form.TabSounds);
    EXPECT_TRUE(Checked(Control(IDC_USEWAVRB)));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_USESPEAKERRB)));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_SPEAKERCB)));
    EXPECT_EQ(SendMessageW(Control(IDC_SPEAKERCB), CB_GETCOUNT, 0, 0), 8);
    EXPECT_EQ(Text(Control(IDC_ACCEPTBTN)), L"&\u00DCbernehmen");
}

TEST_F(FormPeers, WhatTheUserDoesReachesTheControlObjects) {
    ShowPage(form.TabOptions);
    SendMessageW(Control(IDC_EASYTABCB), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.OptionsPage.EasyTabCB.Checked());
    EXPECT_TRUE(Checked(Control(IDC_EASYTABCB)));

    HWND edit = Control(IDC_EDTDECIMALDOT);
    SetWindowTextW(edit, L"\u20AC");
    EXPECT_EQ(form.OptionsPage.EdtDecimalDot.Text(), "€");
    // A character code page 1252 cannot hold is refused: the text stays as it was.
    SetWindowTextW(edit, L"\u03A9");
    EXPECT_EQ(form.OptionsPage.EdtDecimalDot.Text(), "€");
    EXPECT_EQ(Text(edit), L"\u20AC");
    // Typed, it is refused with the beep of a refused key.
    SendMessageW(edit, WM_CHAR, 0x03A9, 0);
    EXPECT_EQ(Text(edit), L"\u20AC");
    EXPECT_EQ(fake.boxes.log.back(), "beep:default");

    std::vector<std::uint16_t> keys;
    form.MacroListView.OnKeyUp = [&](std::uint16_t key, toolkit::TShiftState shift) {
        keys.push_back(key);
        EXPECT_EQ(shift, 0u);
    };
    SendMessageW(Control(IDC_MACROLISTVIEW), WM_KEYUP, VK_INSERT, 0);
    EXPECT_EQ(keys, std::vector<std::uint16_t>{VK_INSERT});
}

TEST_F(FormPeers, WhatTheProgramSetsReachesTheWindowsOnceDrawn) {
    ShowPage(form.TabOptions);
    ShowPage(form.TabSounds);
    form.OptionsPage.HideCB.SetChecked(true);
    form.OptionsPage.ControlTastorBtn.SetCaption("&Tastor schließen");
    form.OptionsPage.ControlTastorBtn.SetDown(true);
    form.Macros.Insert(0x00000041, "A");
    form.MacroListView.RowsChanged();
    form.SoundsPage.UseSpeakerRB.SetEnabled(true);
    // Outside a message of its own window nothing is drawn until the form is told to.
    EXPECT_FALSE(Checked(Control(IDC_HIDECB)));
    EXPECT_EQ(SendMessageW(Control(IDC_MACROLISTVIEW), LVM_GETITEMCOUNT, 0, 0), 2);
    host.DrawChanges();
    EXPECT_TRUE(Checked(Control(IDC_HIDECB)));
    EXPECT_EQ(Text(Control(IDC_CONTROLTASTORBTN)), L"&Tastor schlie\u00DFen");
    EXPECT_TRUE(Checked(Control(IDC_CONTROLTASTORBTN)));
    EXPECT_EQ(SendMessageW(Control(IDC_MACROLISTVIEW), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(Cell(0, 0), L" A");
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_USESPEAKERRB)));
}

TEST_F(FormPeers, DeletingADistantRowShowsTheNextRowAndTheListDoesNotJumpBack) {
    // Alt, Strg and Umsch with every letter: 78 rows beside the two of the set-up.
    for (const std::uint8_t modifier : {0x01, 0x02, 0x04}) {
        for (std::uint16_t key = 'A'; key <= 'Z'; ++key) {
            fake.registry.SetString(Hive::CurrentUser, settings::kMacroKey,
                                    macros::KeyCodeToValueName(macros::MakeKeyCode(key, modifier)),
                                    "Zeile");
        }
    }
    form.LoadSettings();
    host.DrawChanges();
    HWND list = Control(IDC_MACROLISTVIEW);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 80);
    ShowWindow(window, SW_SHOWNA);

    // New: the added row sorts near the top and is scrolled to.
    toolkit::fake::FakeApplicationHost app;
    app.onModal = [](toolkit::TForm& editor) {
        auto& e = dynamic_cast<macros::TEditMacroForm&>(editor);
        e.cbAltGr.SetChecked(true);
        e.HotKey1.UserPressed('A');
        e.textEdit.UserSetText("neu");
        e.btnOK.Click();
    };
    SendMessageW(Control(IDC_NEWBTN), BM_CLICK, 0, 0);
    const int added = form.Macros.Find(macros::KeyCodeOf({'A', 0x08}));
    ASSERT_EQ(Cell(added, 0), L"AltGr+ A");
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), added);

    // The user scrolls far down and selects a row there, then deletes it.
    const int distant = 75;
    SendMessageW(list, LVM_ENSUREVISIBLE, distant, FALSE);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, distant, reinterpret_cast<LPARAM>(&state));
    ASSERT_EQ(form.MacroListView.Selected(), distant);
    const auto top = SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, added);
    fake.boxes.answers = {true};
    SendMessageW(Control(IDC_DELETEBTN), BM_CLICK, 0, 0);

    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 80);
    EXPECT_EQ(form.MacroListView.Selected(), distant);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), distant);
    const auto shownTop = SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
    const auto perPage = SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0);
    EXPECT_EQ(shownTop, top);
    EXPECT_GE(distant, shownTop);
    EXPECT_LT(distant, shownTop + perPage);
}

TEST_F(FormPeers, ListColumnsFollowTheDpiOfTheWindowsMonitor) {
    HWND list = Control(IDC_MACROLISTVIEW);
    const int dpi = ScreenDpi();
    const auto& columns = form.MacroListView.Columns;
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0), MulDiv(columns[i].Width, dpi, 96));
    }
    // Moved to a monitor of twice the DPI.
    RECT place;
    GetWindowRect(window, &place);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
                 reinterpret_cast<LPARAM>(&place));
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, i, 0),
                  2 * MulDiv(columns[i].Width, dpi, 96));
    }
}

TEST_F(FormPeers, CtrlTabTurnsThePages) {
    fake.keyboard.down[VK_CONTROL] = true;
    MSG key{Control(IDC_MACROLISTVIEW), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(host.TranslatePageKeys(key));
    fake.keyboard.down[VK_CONTROL] = false;
    EXPECT_EQ(form.PageControl1.ActivePage(), &form.TabOptions);
    EXPECT_EQ(SendMessageW(Control(IDC_PAGECONTROL), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(Shown(GetParent(Control(IDC_EASYTABCB))));
    EXPECT_FALSE(Shown(GetParent(Control(IDC_MACROLISTVIEW))));
    // Without Ctrl the Tab key is the dialog's own.
    EXPECT_FALSE(host.TranslatePageKeys(key));
}

TEST_F(FormPeers, APageIsMadeWhenFirstShownWithWhatWasSetBeforeAndOnlyOnce) {
    // At the start only the page shown exists.
    HWND tabs = Control(IDC_PAGECONTROL);
    HWND list = Control(IDC_MACROLISTVIEW);
    const std::vector<HWND> atStart = PageWindows();
    ASSERT_EQ(atStart.size(), 1u);
    HWND macros = atStart[0];
    EXPECT_EQ(GetParent(list), macros);
    EXPECT_EQ(Control(IDC_EASYTABCB), nullptr);
    EXPECT_EQ(Control(IDC_USEWAVRB), nullptr);
    // Set while their pages do not exist yet.
    form.OptionsPage.EasyTabCB.SetChecked(true);
    form.SoundsPage.UseSpeakerRB.SetEnabled(true);
    host.DrawChanges();

    // The last page first, on the row of tabs.
    ChooseTab(2);
    ASSERT_EQ(PageWindows().size(), 2u);
    HWND sounds = GetParent(Control(IDC_USEWAVRB));
    EXPECT_TRUE(Shown(sounds));
    EXPECT_FALSE(Shown(macros));
    EXPECT_EQ(GetFocus(), tabs);
    EXPECT_TRUE(Checked(Control(IDC_USEWAVRB)));
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_USESPEAKERRB)));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_SPEAKERCB)));
    EXPECT_EQ(SendMessageW(Control(IDC_SPEAKERCB), CB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(form.SoundsPage.SpeakerCB.Items.size()));
    // The tool tips wait for the mouse, then take the hints of the pages made so far.
    EXPECT_EQ(ToolTips(), nullptr);
    EXPECT_EQ(ToolTipOf(Control(IDC_NEWBTN)), platform::win32::Wide(form.NewBtn.Hint()));

    // The page between, chosen by the program, which also gives a control of it the focus.
    form.PageControl1.SetActivePage(form.TabOptions);
    form.OptionsPage.EasyTabCB.SetFocus();
    host.DrawChanges();
    const std::vector<HWND> all = PageWindows();
    ASSERT_EQ(all.size(), 3u);
    HWND easyTab = Control(IDC_EASYTABCB);
    HWND options = GetParent(easyTab);
    EXPECT_TRUE(Shown(options));
    EXPECT_FALSE(Shown(sounds));
    EXPECT_EQ(GetFocus(), easyTab);
    EXPECT_TRUE(Checked(easyTab));
    EXPECT_TRUE(Checked(Control(IDC_MAINFUNCTIONCB)));
    EXPECT_EQ(Text(Control(IDC_EDTDECIMALDOT)), L",");
    EXPECT_EQ(ToolTipOf(easyTab), platform::win32::Wide(form.OptionsPage.EasyTabCB.Hint()));
    // Right after the tabs in the order of the tabs, whatever order they were made in: the
    // Tab key runs through them so.
    EXPECT_EQ(all, (std::vector<HWND>{macros, options, sounds}));
    EXPECT_EQ(GetWindow(macros, GW_HWNDPREV), tabs);

    // Back and forth: nothing is made twice.
    fake.keyboard.down[VK_CONTROL] = true;
    MSG key{easyTab, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    for (int turn = 0; turn < 4; ++turn) {
        EXPECT_TRUE(host.TranslatePageKeys(key));
    }
    fake.keyboard.down[VK_CONTROL] = false;
    ChooseTab(0);
    ChooseTab(1);
    EXPECT_EQ(PageWindows(), all);
    EXPECT_EQ(Control(IDC_EASYTABCB), easyTab);
    EXPECT_TRUE(Shown(options));
    EXPECT_FALSE(Shown(macros));
    EXPECT_FALSE(Shown(sounds));
}

TEST_F(FormPeers, CancelClosesTheWindowWithoutWriting) {
    ShowPage(form.TabOptions);
    SendMessageW(Control(IDC_EASYTABCB), BM_CLICK, 0, 0);
    SendMessageW(Control(IDC_CANCELBTN), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.Closed());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(fake.registry.GetValue(Hive::CurrentUser, settings::kSettingsKey, "EasyTab"));
}

TEST_F(FormPeers, TypingTheFirstLettersOfAKeyFindsItsRowAmongAThousand) {
    // Twenty sets of modifiers, AltGr alone among them, with fifty keys each.
    std::vector<std::uint16_t> keys = {VK_INSERT, VK_HOME};
    for (std::uint16_t key = 'A'; key <= 'Z'; ++key) {
        keys.push_back(key);
    }
    for (std::uint16_t key = '0'; key <= '9'; ++key) {
        keys.push_back(key);
    }
    for (std::uint16_t key = VK_F1; key <= VK_F12; ++key) {
        keys.push_back(key);
    }
    int sets = 0;
    for (unsigned modifiers = 1; sets < 20; ++modifiers) {
        if ((modifiers & ~0xCFu) != 0) {
            continue;
        }
        ++sets;
        for (const std::uint16_t key : keys) {
            fake.registry.SetString(Hive::CurrentUser, settings::kMacroKey,
                                    macros::KeyCodeToValueName(macros::MakeKeyCode(
                                        key, static_cast<std::uint8_t>(modifiers))),
                                    "x");
        }
    }
    form.LoadSettings();
    host.DrawChanges();
    HWND list = Control(IDC_MACROLISTVIEW);
    // The set-up's AltGr+G is among them; its F1 is not.
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(count, 1001);
    int target = -1;
    for (int row = 0; row < count; ++row) {
        if (Cell(row, 0) == L"AltGr+ G") {
            target = row;
        }
    }
    ASSERT_GT(target, 0);

    // Typed as the user types it, without the blank and in small letters.
    SetFocus(list);
    for (const wchar_t typed : std::wstring(L"altgr+g")) {
        SendMessageW(list, WM_CHAR, typed, 1);
    }
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), target);
    EXPECT_EQ(form.MacroListView.Selected(), target);

    auto find = [&](const wchar_t* text, int start, UINT flags) {
        LVFINDINFOW request{};
        request.flags = flags;
        request.psz = text;
        return static_cast<int>(
            SendMessageW(list, LVM_FINDITEMW, start, reinterpret_cast<LPARAM>(&request)));
    };
    // From the last row the search wraps to the top; without wrapping it finds nothing.
    EXPECT_EQ(find(L"ALTGR+ G", count - 1, LVFI_PARTIAL | LVFI_WRAP), target);
    EXPECT_EQ(find(L"ALTGR+ G", count - 1, LVFI_PARTIAL), -1);
    EXPECT_EQ(find(L"altgr+ gx", -1, LVFI_PARTIAL | LVFI_WRAP), -1);
    EXPECT_EQ(find(L"f1", -1, LVFI_STRING), 0);
}

TEST_F(FormPeers, TheVersionStandsRightAlignedAndTheDocumentationButtonShowsItsPicture) {
    ShowPage(form.TabOptions);
    EXPECT_EQ(GetWindowLongW(Control(IDC_TASTORVERSIONLBL), GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
    HWND button = Control(IDC_BTNDOC);
    EXPECT_EQ(Text(button), L"&Dokumentation");
    auto picture = [button] {
        BUTTON_IMAGELIST images{};
        SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
        return images;
    };
    auto size = [](HIMAGELIST images) {
        int width = 0, height = 0;
        ImageList_GetIconSize(images, &width, &height);
        return std::pair(width, height);
    };
    const int dpi = ScreenDpi();
    const BUTTON_IMAGELIST shown = picture();
    ASSERT_NE(shown.himl, nullptr);
    EXPECT_EQ(shown.uAlign, static_cast<UINT>(BUTTON_IMAGELIST_ALIGN_LEFT));
    ASSERT_EQ(ImageList_GetImageCount(shown.himl), 6);
    EXPECT_EQ(size(shown.himl), std::pair(MulDiv(16, dpi, 96), MulDiv(16, dpi, 96)));
    // One image per state of the button: in colour, and grey while it is disabled.
    for (int state = PBS_NORMAL; state < PBS_NORMAL + 6; ++state) {
        const Look look = LookOf(shown.himl, state - 1);
        EXPECT_TRUE(look.drawn) << state;
        EXPECT_EQ(look.coloured, state != PBS_DISABLED) << state;
    }

    // Moved to a monitor of twice the DPI: pictures of twice the size.
    RECT place;
    GetWindowRect(window, &place);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
                 reinterpret_cast<LPARAM>(&place));
    const BUTTON_IMAGELIST scaled = picture();
    ASSERT_NE(scaled.himl, nullptr);
    EXPECT_EQ(size(scaled.himl), std::pair(MulDiv(32, dpi, 96), MulDiv(32, dpi, 96)));
    EXPECT_TRUE(LookOf(scaled.himl, PBS_NORMAL - 1).coloured);
}
