// The speaker editor on real controls: the number field's arrows sit beside its text, typing
// and keys reach the field object, a held arrow steps on the timer and shows it, and the
// scroll bar moves the frequency label.
#include "EditSpeakerIds.h"
#include "platform/fake/FakePlatform.h"
#include "sound/EditSpeaker.h"
#include "toolkit/win32/FormWindow.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace sound {

namespace {

class SpeakerEditorPeers : public testing::Test {
protected:
    void SetUp() override {
        window = host.CreateModeless(nullptr, false);
        ASSERT_NE(window, nullptr);
    }
    HWND Item(int id) const { return GetDlgItem(window, id); }
    static std::wstring Text(HWND control) {
        wchar_t buffer[64] = L"";
        GetWindowTextW(control, buffer, 64);
        return buffer;
    }
    static HWND Arrows(HWND edit) { return GetWindow(edit, GW_CHILD); }
    int Beeps() const {
        return static_cast<int>(
            std::count(fake.boxes.log.begin(), fake.boxes.log.end(), std::string("beep:default")));
    }

    platform::fake::FakePlatform fake;
    TEditSpeakerFrm form{3, TSpeakerRec{4000, 10, 1, 50}};
    toolkit::win32::FormWindow host{form};
    HWND window = nullptr;
};

} // namespace

TEST_F(SpeakerEditorPeers, TheArrowsSitAtTheRightEdgeAndTheTextEndsBeforeThem) {
    for (int id : {IDC_DURATIONEDIT, IDC_COUNTEDIT}) {
        const HWND edit = Item(id);
        const HWND arrows = Arrows(edit);
        ASSERT_NE(arrows, nullptr) << id;
        RECT client, pair;
        GetClientRect(edit, &client);
        GetWindowRect(arrows, &pair);
        MapWindowPoints(nullptr, edit, reinterpret_cast<POINT*>(&pair), 2);
        EXPECT_EQ(pair.right, client.right) << id;
        EXPECT_EQ(pair.top, 0) << id;
        EXPECT_EQ(pair.bottom, client.bottom) << id;
        EXPECT_GE(pair.right - pair.left, 15) << id;
        const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
        EXPECT_GE(static_cast<int>(HIWORD(margins)), pair.right - pair.left + 2) << id;
    }
}

TEST_F(SpeakerEditorPeers, TypingAndKeysReachTheFieldAndItsWindow) {
    const HWND duration = Item(IDC_DURATIONEDIT);
    EXPECT_EQ(Text(duration), L"10");
    SendMessageW(duration, WM_CHAR, L'a', 0);
    EXPECT_EQ(Text(duration), L"10");
    EXPECT_EQ(Beeps(), 1);
    SendMessageW(duration, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Text(duration), L"15");
    EXPECT_EQ(form.DurationEdit.Value(), 15);
    SetWindowTextW(duration, L"999");
    EXPECT_EQ(form.DurationEdit.Value(), 999);
    SendMessageW(duration, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Text(duration), L"200");
}

TEST_F(SpeakerEditorPeers, AHeldArrowStepsOnTheTimerAndShowsEachStep) {
    const HWND count = Item(IDC_COUNTEDIT);
    const HWND arrows = Arrows(count);
    SetWindowTextW(count, L"0");
    // The upper half, pressed and held.
    SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
    fake.clock.Advance(500);
    EXPECT_EQ(Text(count), L"2");
    SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
    EXPECT_EQ(Text(count), L"3");
    EXPECT_EQ(fake.clock.RunningTimers(), 0u);
}

TEST_F(SpeakerEditorPeers, TheScrollBarMovesTheFrequencyLabel) {
    const HWND bar = Item(IDC_SCROLLBAR1);
    EXPECT_EQ(Text(Item(IDC_FREQLBL)), L"4000");
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar));
    SendMessageW(window, WM_HSCROLL, SB_PAGELEFT, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(Text(Item(IDC_FREQLBL)), L"3900");
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 3900);
}

TEST_F(SpeakerEditorPeers, EnterInANumberFieldBeepsAndKeepsTheEditorOpenElsewhereItPressesOk) {
    // As the message loop hands a key to the dialog manager.
    auto enter = [this](HWND control) {
        for (const UINT message : {WM_KEYDOWN, WM_CHAR}) {
            MSG key{control, message, VK_RETURN, 0, 0, {}};
            if (!IsWindow(window) || !IsDialogMessageW(window, &key)) {
                TranslateMessage(&key);
                DispatchMessageW(&key);
            }
        }
    };
    for (const int id : {IDC_DURATIONEDIT, IDC_COUNTEDIT}) {
        const HWND field = Item(id);
        const std::wstring before = Text(field);
        const int beeps = Beeps();
        enter(field);
        EXPECT_EQ(Text(field), before) << id;
        EXPECT_EQ(Beeps(), beeps + 1) << id;
        EXPECT_FALSE(form.Closed()) << id;
    }
    enter(Item(IDC_SCROLLBAR1));
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(form.GetModalResult(), toolkit::ModalResult::mrOk);
}

TEST_F(SpeakerEditorPeers, TheListenButtonShowsItsPictureBesideItsCaption) {
    const HWND listen = Item(IDC_LISTENBTN);
    EXPECT_EQ(Text(listen), L"An&h\u00F6ren");
    BUTTON_IMAGELIST picture{};
    SendMessageW(listen, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&picture));
    ASSERT_NE(picture.himl, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(picture.himl), 6);
}

} // namespace sound
