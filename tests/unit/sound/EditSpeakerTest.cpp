#include "sound/EditSpeaker.h"

#include "platform/fake/FakePlatform.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

namespace sound {

namespace {

using Access = platform::fake::FakeIoPorts::Access;

class EditSpeaker : public testing::Test {
protected:
    // Opens the editor on the record and lets the script act in it.
    bool Edit(int event, TSpeakerRec& rec, std::function<void(TEditSpeakerFrm&)> script) {
        host.onModal = [&](toolkit::TForm& form) { script(static_cast<TEditSpeakerFrm&>(form)); };
        return EditSpeakerSound(event, rec);
    }

    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
};

} // namespace

TEST_F(EditSpeaker, TheDialogShowsTheEventAndTheRecord) {
    struct Case {
        int event;
        TSpeakerRec rec;
        const char* caption;
        int position;
        const char *frequency, *duration, *count;
    } cases[] = {
        {3,
         {4000, 10, 1, 50},
         "Klangfunktion bearbeiten für: Großschrift",
         4000,
         "4000",
         "10",
         "1"},
        {8, {0, 0, 0, 0}, "Klangfunktion bearbeiten für: EasyTab", 0, "0", "0", "0"},
        {1, {12000, 500, 9, 7}, "Klangfunktion bearbeiten für: Ein", 9000, "9000", "200", "5"},
        {6, {-3, -5, -1, 0}, "Klangfunktion bearbeiten für: NUM Punkt", 0, "0", "0", "0"},
    };
    for (const auto& c : cases) {
        TSpeakerRec rec = c.rec;
        Edit(c.event, rec, [&](TEditSpeakerFrm& form) {
            EXPECT_EQ(form.Caption(), c.caption);
            EXPECT_EQ(form.ScrollBar1.Position(), c.position) << c.caption;
            EXPECT_EQ(form.FreqLbl.Caption(), c.frequency) << c.caption;
            EXPECT_EQ(form.DurationEdit.Text(), c.duration) << c.caption;
            EXPECT_EQ(form.CountEdit.Text(), c.count) << c.caption;
            form.ScrollBar1.UserScroll(toolkit::TScrollCode::LineDown);
            EXPECT_EQ(form.FreqLbl.Caption(), std::to_string(form.ScrollBar1.Position()));
        });
        // Closed without OK: the record is as it was.
        EXPECT_EQ(rec, c.rec) << c.caption;
    }
}

TEST_F(EditSpeaker, OkStoresTheControlsWithAPauseOf50AndCancelKeepsTheRecord) {
    struct Case {
        bool ok;
        int lineSteps;        // arrow steps of the scroll bar from 1000 Hz
        const char* duration; // typed, then the dialog is confirmed without leaving the field
        const char* count;
        bool result;
        TSpeakerRec after;
    } cases[] = {
        {true, 10, "10", "1", true, {2000, 10, 1, 50}},
        {true, 0, "999", "7", true, {1000, 200, 5, 50}},
        {true, -20, "abc", "", true, {0, 0, 0, 50}},
        {false, 10, "10", "1", false, {1000, 30, 2, 999}},
    };
    for (const auto& c : cases) {
        TSpeakerRec rec{1000, 30, 2, 999};
        const bool result = Edit(4, rec, [&](TEditSpeakerFrm& form) {
            const auto code =
                c.lineSteps < 0 ? toolkit::TScrollCode::LineUp : toolkit::TScrollCode::LineDown;
            for (int i = 0; i < std::abs(c.lineSteps); ++i) {
                form.ScrollBar1.UserScroll(code);
            }
            form.DurationEdit.UserSetText(c.duration);
            form.CountEdit.UserSetText(c.count);
            (c.ok ? form.OkBtn : form.CancelBtn).Click();
        });
        EXPECT_EQ(result, c.result) << c.duration;
        EXPECT_EQ(rec, c.after) << c.duration;
    }
}

TEST_F(EditSpeaker, ThePreviewPlaysTheControlsThroughThePorts) {
    struct Case {
        int frequency;
        const char *duration, *count;
        int tones;  // tones that reach the timer
        int sleeps; // waits of duration and 50 ms each
    } cases[] = {
        {2000, "10", "2", 2, 2}, {2000, "10", "0", 0, 0}, {2000, "10", "-1", 0, 0},
        {0, "100", "3", 0, 3},   {0, "250", "9", 0, 5},
    };
    for (const auto& c : cases) {
        fake.ports.accesses.clear();
        fake.clock.log.clear();
        TSpeakerRec rec{c.frequency, 0, 0, 0};
        Edit(2, rec, [&](TEditSpeakerFrm& form) {
            form.DurationEdit.UserSetText(c.duration);
            form.CountEdit.UserSetText(c.count);
            form.ListenBtn.Click();
        });
        const std::string duration = std::to_string(std::min(std::stoi(c.duration), 200));
        std::vector<std::string> waits;
        std::vector<Access> ports;
        for (int i = 0; i < c.sleeps; ++i) {
            waits.insert(waits.end(), {"sleep:" + duration, "sleep:50"});
            if (c.tones > 0) {
                // On: speaker bits set, counter 2 programmed with 1193181 / 2000 = 0x0254.
                ports.insert(ports.end(), {{false, 0x61, 0},
                                           {true, 0x61, 3},
                                           {true, 0x43, 0xB6},
                                           {true, 0x42, 0x54},
                                           {true, 0x42, 0x02}});
                ports.insert(ports.end(), {{false, 0x61, 3}, {true, 0x61, 0}});
            } else {
                // 18 Hz and below: silence, and still the speaker switched off afterwards.
                ports.insert(ports.end(), {{false, 0x61, 0}, {true, 0x61, 0}});
            }
        }
        EXPECT_EQ(fake.clock.log, waits) << c.frequency << " " << c.count;
        EXPECT_EQ(fake.ports.accesses, ports) << c.frequency << " " << c.count;
    }
}

} // namespace sound
