// What a screen reader is told of the controls the program answers for itself: the
// frequency bar, the number fields' arrows and the key field.
#include "macros/EditMacroUnit.h"
#include "platform/VirtualKeys.h"
#include "platform/fake/FakePlatform.h"
#include "sound/EditSpeaker.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Told {
    std::string name, value, description;
};

Told Of(const toolkit::TControl& control) {
    return {control.AccessibleName(), control.AccessibleValue(), control.AccessibleDescription()};
}

} // namespace

TEST(Accessibility, NamesValuesAndDescriptionsFollowTheControls) {
    platform::fake::FakePlatform fake;
    sound::TEditSpeakerFrm speaker(3, sound::TSpeakerRec{4000, 10, 1, 50});
    speaker.FormShow();
    macros::TEditMacroForm editor;
    struct Case {
        const char* what;
        std::function<Told()> act;
        const char *name, *value;
        // Whether the description is the hint line under the key field, and says something.
        bool describedByHint;
    } cases[] = {
        {"bar moved",
         [&] {
             speaker.ScrollBar1.UserScroll(toolkit::TScrollCode::Position, 2350);
             return Of(speaker.ScrollBar1);
         },
         "Frequenz", "2350 Hz", false},
        {"duration stepped",
         [&] {
             speaker.DurationEdit.UserKeyDown(platform::kVkUp);
             return Of(speaker.DurationEdit);
         },
         "Dauer", "15", false},
        {"count typed",
         [&] {
             speaker.CountEdit.UserSetText("4");
             return Of(speaker.CountEdit);
         },
         "Anzahl", "4", false},
        {"no key",
         [&] {
             editor.UpdateHint();
             return Of(editor.HotKey1);
         },
         "Taste", "", true},
        {"key caught, the driver's own switch",
         [&] {
             editor.cbAltGr.SetChecked(true);
             editor.HotKey1.UserPressed(0x70);
             return Of(editor.HotKey1);
         },
         "Taste", "F1", true},
        {"a key that works",
         [&] {
             editor.cbAltGr.SetChecked(false);
             editor.HotKey1.UserPressed('G');
             return Of(editor.HotKey1);
         },
         "Taste", "G", false},
    };
    for (const Case& c : cases) {
        const Told told = c.act();
        EXPECT_EQ(told.name, c.name) << c.what;
        EXPECT_EQ(told.value, c.value) << c.what;
        EXPECT_EQ(told.description, c.describedByHint ? editor.HintLbl.Caption() : "") << c.what;
        EXPECT_EQ(told.description.empty(), !c.describedByHint) << c.what;
    }
}
