#include "toolkit/SpinEdit.h"

#include "platform/fake/FakePlatform.h"
#include "toolkit/Form.h"
#include "toolkit/ScrollBar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <limits>
#include <stdexcept>

using toolkit::TSpinHalf;

namespace {

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

struct Form : toolkit::TForm {
    Form() : TForm(1), Spin(*this, 10), Other(*this, 11) {}
    toolkit::TSpinEdit Spin;
    toolkit::TEdit Other;
};

class SpinEdit : public testing::Test {
protected:
    void Limits(std::int32_t min, std::int32_t max, std::int32_t increment = 1) {
        form.Spin.MinValue = min;
        form.Spin.MaxValue = max;
        form.Spin.Increment = increment;
    }
    // Typing as the edit does it: printable characters the field accepts are appended;
    // control characters are commands to the edit.
    void Type(const std::string& text) {
        for (char c : text) {
            if (form.Spin.UserChar(c) && static_cast<unsigned char>(c) >= 32) {
                form.Spin.UserSetText(form.Spin.Text() + c);
            }
        }
    }
    int Beeps() const {
        return static_cast<int>(
            std::count(fake.boxes.log.begin(), fake.boxes.log.end(), std::string("beep:default")));
    }

    platform::fake::FakePlatform fake;
    Form form;
};

} // namespace

TEST_F(SpinEdit, WritingLimitsReadingDoesNot) {
    struct Case {
        std::int32_t min, max;
        std::string text;     // set as the user's text, or written as a number below
        std::int32_t written; // used when text is empty and writeNumber is set
        bool writeNumber;
        std::string shown;
        std::int32_t read;
    } cases[] = {
        {0, 200, "", 250, true, "200", 200},
        {0, 200, "", -5, true, "0", 0},
        {0, 0, "", 250, true, "250", 250},
        {-10, -10, "", kMaxInt, true, "2147483647", kMaxInt},
        {0, 200, "999", 0, false, "999", 999},
        {7, 200, "abc", 0, false, "abc", 7},
        {7, 200, "", 0, false, "", 7},
        {7, 200, "+12", 0, false, "+12", 12},
        {7, 200, "-", 0, false, "-", 7},
        {7, 200, "2147483648", 0, false, "2147483648", 7},
        {-5, 5, "-2147483648", 0, false, "-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) {
        Limits(c.min, c.max);
        if (c.writeNumber) {
            form.Spin.SetValue(c.written);
        } else {
            form.Spin.UserSetText(c.text);
        }
        EXPECT_EQ(form.Spin.Text(), c.shown) << c.min << ".." << c.max << " " << c.text;
        EXPECT_EQ(form.Spin.Value(), c.read) << c.min << ".." << c.max << " " << c.text;
    }
}

TEST_F(SpinEdit, StepsAreLimited) {
    struct Case {
        std::int32_t min, max, increment;
        const char* start;
        bool up;
        const char* after;
        int beeps;
    } cases[] = {
        {0, 200, 5, "198", true, "200", 0},
        {0, 200, 5, "3", false, "0", 0},
        {0, 200, 5, "999", false, "200", 0},
        {0, 5, 1, "abc", true, "1", 0},
        {0, 0, 1, "2147483647", true, "2147483647", 0},
        {0, 0, 10, "-2147483647", false, "-2147483648", 0},
    };
    for (const auto& c : cases) {
        fake.boxes.log.clear();
        Limits(c.min, c.max, c.increment);
        form.Spin.UserSetText(c.start);
        form.Spin.UserKeyDown(c.up ? 0x26 : 0x28);
        EXPECT_EQ(form.Spin.Text(), c.after) << c.start;
        EXPECT_EQ(Beeps(), c.beeps) << c.start;
    }
}

TEST_F(SpinEdit, TypingIsFilteredAndLeavingShowsTheLimitedNumber) {
    struct Case {
        bool editorEnabled;
        std::string typed;
        std::string text; // while in the field
        int beeps;
        std::string left; // after leaving it
        bool pasteOrCut;
    } cases[] = {
        {true, "999", "999", 0, "200", true}, {true, "-5", "-5", 0, "0", true},
        {true, "1a\r2", "12", 2, "12", true}, {true, "1,+ ", "1,+", 1, "1,+", true},
        {true, "1.", "1", 1, "1", true},      {false, "12\b\x01\x16", "", 3, "", false},
    };
    for (const auto& c : cases) {
        fake.boxes.log.clear();
        Limits(0, 200);
        form.Spin.EditorEnabled = c.editorEnabled;
        form.Spin.SetText("");
        Type(c.typed);
        EXPECT_EQ(form.Spin.Text(), c.text) << c.typed;
        EXPECT_EQ(Beeps(), c.beeps) << c.typed;
        EXPECT_EQ(form.Spin.CanPasteOrCut(), c.pasteOrCut) << c.typed;
        form.Spin.UserExit();
        EXPECT_EQ(form.Spin.Text(), c.left) << c.typed;
    }
    // Entering from the keyboard selects the text, a click into it does not.
    EXPECT_TRUE(form.Spin.SelectsAllOnEntry(false));
    EXPECT_FALSE(form.Spin.SelectsAllOnEntry(true));
    form.Spin.AutoSelect = false;
    EXPECT_FALSE(form.Spin.SelectsAllOnEntry(false));
}

TEST_F(SpinEdit, AnArrowHeldDownRepeatsAfter400MsThenEvery100Ms) {
    struct Case {
        const char* what;
        TSpinHalf half;
        std::uint32_t held;
        bool releasedInside;
        int whileHeld; // steps before the release
        int afterRelease;
    } cases[] = {
        {"a quick click", TSpinHalf::Up, 50, true, 0, 1},
        {"just before the first repeat", TSpinHalf::Up, 399, true, 0, 1},
        {"the first repeat", TSpinHalf::Up, 400, true, 1, 2},
        {"then every 100 ms", TSpinHalf::Up, 699, true, 3, 4},
        {"down as well", TSpinHalf::Down, 1000, true, 7, 8},
        {"released beside the arrow", TSpinHalf::Up, 50, false, 0, 0},
    };
    for (const auto& c : cases) {
        Limits(-1000, 1000);
        form.Other.SetFocus();
        form.Spin.SetValue(0);
        const int sign = c.half == TSpinHalf::Up ? 1 : -1;
        form.Spin.UserArrowPress(c.half);
        EXPECT_TRUE(form.Spin.Focused()) << c.what;
        EXPECT_EQ(form.Spin.FocusedHalf(), c.half) << c.what;
        fake.clock.Advance(c.held);
        EXPECT_EQ(form.Spin.Value(), sign * c.whileHeld) << c.what;
        if (!c.releasedInside) {
            form.Spin.UserArrowMove(false);
            EXPECT_FALSE(form.Spin.ArrowShownPressed(c.half)) << c.what;
        }
        form.Spin.UserArrowRelease(c.releasedInside);
        EXPECT_EQ(form.Spin.Value(), sign * c.afterRelease) << c.what;
        EXPECT_EQ(fake.clock.RunningTimers(), 0u) << c.what;
        fake.clock.Advance(1000);
        EXPECT_EQ(form.Spin.Value(), sign * c.afterRelease) << c.what;
    }
}

TEST_F(SpinEdit, TheRepeatPausesOutsideTheArrowAndStopsWithTheCapture) {
    Limits(0, 1000);
    form.Spin.UserArrowPress(TSpinHalf::Up);
    fake.clock.Advance(500);
    EXPECT_EQ(form.Spin.Value(), 2);
    form.Spin.UserArrowMove(false);
    fake.clock.Advance(300);
    EXPECT_EQ(form.Spin.Value(), 2);
    form.Spin.UserArrowMove(true);
    fake.clock.Advance(100);
    EXPECT_EQ(form.Spin.Value(), 3);
    form.Spin.UserArrowCaptureLost();
    EXPECT_EQ(fake.clock.RunningTimers(), 0u);
    form.Spin.UserArrowRelease(true);
    EXPECT_EQ(form.Spin.Value(), 3);
}

TEST(ScrollBar, ScrollingStepsWithinTheRangeAndReportsEachChange) {
    platform::fake::FakePlatform fake;
    struct Bar : toolkit::TForm {
        Bar() : TForm(1), Bar1(*this, 10) {}
        toolkit::TScrollBar Bar1;
    } form;
    auto& bar = form.Bar1;
    bar.SetRange(0, 9000);
    bar.SmallChange = 100;
    bar.LargeChange = 200;
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    struct Case {
        toolkit::TScrollCode code;
        int thumb;
        int position;
    } cases[] = {
        {toolkit::TScrollCode::LineDown, 0, 100},  {toolkit::TScrollCode::PageDown, 0, 300},
        {toolkit::TScrollCode::Track, 4321, 4321}, {toolkit::TScrollCode::Position, 9500, 9000},
        {toolkit::TScrollCode::LineDown, 0, 9000}, {toolkit::TScrollCode::PageUp, 0, 8800},
        {toolkit::TScrollCode::Top, 0, 0},         {toolkit::TScrollCode::LineUp, 0, 0},
        {toolkit::TScrollCode::Bottom, 0, 9000},
    };
    int expectedChanges = 0;
    int previous = bar.Position();
    for (const auto& c : cases) {
        bar.UserScroll(c.code, c.thumb);
        EXPECT_EQ(bar.Position(), c.position) << static_cast<int>(c.code);
        expectedChanges += c.position != previous ? 1 : 0;
        previous = c.position;
    }
    EXPECT_EQ(changes, expectedChanges);
    bar.SetRange(0, 100);
    EXPECT_EQ(bar.Position(), 100);
}
