// Keys the window could not read: reported at load with their name and reason, left as
// they are by every save until a load reads them; and texts kept as they were read.
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/SettingsStore.h"
#include "toolkit/fake/FakeApplicationHost.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

#include <functional>

using platform::Hive;

namespace {

const std::string kDenied = "Zugriff verweigert";

std::string ReadError(const std::string& key) {
    return "Fehler beim Lesen des Schlüssels 'HKEY_CURRENT_USER\\" + key + "':\r\n" + kDenied;
}

std::string NotSaved(const std::string& what, const std::string& reason) {
    return what + " wurden nicht gespeichert, weil sie nicht gelesen werden konnten:\r\n" + reason;
}

class UnreadKeys : public testing::Test {
protected:
    void SetUp() override {
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "Tastor eingeschaltet",
                                {1});
        fake.registry.SetBinary(Hive::CurrentUser, settings::kSettingsKey, "EasyTab", {0});
        fake.registry.SetString(Hive::CurrentUser, settings::kMacroKey, "00080047", "gespeichert");
        fake.registry.SetString(Hive::CurrentUser, settings::kSpeakerKey, "Ein", "1,2,3,4");
    }
    // Opens the window, checks EasyTab, presses OK; the error boxes shown, in order.
    std::vector<std::string> OpenCheckAndOk(ui::TMainForm& form) {
        host.onMainForm = [&](toolkit::TForm&) {
            form.OptionsPage.EasyTabCB.SetChecked(true);
            form.OkBtn.Click();
        };
        toolkit::RunMainForm(form);
        store.reset();
        std::vector<std::string> errors;
        for (const auto& box : fake.boxes.shown) {
            errors.push_back(box.text);
        }
        return errors;
    }
    std::optional<std::string> Text(const char* key, const char* name) {
        return fake.registry.GetString(Hive::CurrentUser, key, name);
    }

    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    std::optional<settings::TSettingsStore> store;
};

} // namespace

TEST_F(UnreadKeys, AKeyThatCannotBeReadIsReportedAndKeptWhileTheRestIsSaved) {
    const std::string macroKey = settings::kMacroKey;
    struct Case {
        const char* name;
        std::function<void(platform::fake::FakeRegistry&)> arrange;
        std::vector<std::string> errors;
        bool optionSaved;
        bool closed;
    } cases[] = {
        {"macro key not to be opened",
         [](auto& r) { r.DenyOpenUnder(Hive::CurrentUser, settings::kMacroKey); },
         {ReadError(macroKey), NotSaved("Die Makros", ReadError(macroKey))},
         true,
         false},
        {"macro key not to be listed",
         [](auto& r) {
             r.FailListingUnder(Hive::CurrentUser, settings::kMacroKey, platform::kRegAccessDenied);
         },
         {ReadError(macroKey), NotSaved("Die Makros", ReadError(macroKey))},
         true,
         false},
        {"macro key read-only: shown, and the save says why it fails",
         [](auto& r) { r.FailWritesUnder(Hive::CurrentUser, settings::kMacroKey); },
         {"Fehler beim Setzen der Daten für '00080047':\r\n" + kDenied},
         true,
         false},
        {"settings key read-only: loaded, and the save says why it fails",
         [](auto& r) { r.FailWritesUnder(Hive::CurrentUser, settings::kSettingsKey); },
         {"Fehler beim Setzen der Daten für 'EasyBackslash':\r\n" + kDenied},
         false,
         false},
        {"settings key not to be opened (the speaker key lies below it)",
         [](auto& r) { r.DenyOpenUnder(Hive::CurrentUser, settings::kSettingsKey); },
         {ReadError(settings::kSettingsKey), ReadError(settings::kSpeakerKey),
          NotSaved("Die Optionen", ReadError(settings::kSettingsKey)) + "\r\n\r\n" +
              NotSaved("Die Lautsprecher-Signale", ReadError(settings::kSpeakerKey))},
         false,
         false},
        {"speaker key not to be opened",
         [](auto& r) { r.DenyOpenUnder(Hive::CurrentUser, settings::kSpeakerKey); },
         {ReadError(settings::kSpeakerKey),
          NotSaved("Die Lautsprecher-Signale", ReadError(settings::kSpeakerKey))},
         true,
         false},
        {"every key readable", [](auto&) {}, {}, true, true},
    };
    for (const auto& c : cases) {
        SetUp();
        fake.boxes.shown.clear();
        c.arrange(fake.registry);
        store.emplace();
        ui::TMainForm form{settings::TStartupState{}, *store};
        EXPECT_EQ(OpenCheckAndOk(form), c.errors) << c.name;
        fake.registry.DenyOpenUnder(Hive::CurrentUser, "");
        fake.registry.FailListingUnder(Hive::CurrentUser, "", platform::kRegOk);
        fake.registry.FailWritesUnder(Hive::CurrentUser, "");
        EXPECT_EQ(Text(settings::kMacroKey, "00080047"), "gespeichert") << c.name;
        EXPECT_EQ(Text(settings::kSpeakerKey, "Ein"), "1,2,3,4") << c.name;
        EXPECT_EQ(
            fake.registry.GetValue(Hive::CurrentUser, settings::kSettingsKey, "EasyTab")->data,
            std::vector<std::uint8_t>{c.optionSaved ? std::uint8_t{1} : std::uint8_t{0}})
            << c.name;
        EXPECT_EQ(form.Closed(), c.closed) << c.name;
    }
}

TEST_F(UnreadKeys, AnUntouchedTextGoesBackAsItWasReadAnEditedOneAsShown) {
    // "Ωmega" as the store holds it (UTF-16), shown as "?mega".
    const std::vector<std::uint8_t> omega = {0xA9, 0x03, 'm', 0, 'e', 0, 'g', 0, 'a', 0, 0, 0};
    const std::vector<std::uint8_t> shown = {'?', 'm', 'e', 'g', 'a', 0};
    const std::vector<std::uint8_t> typed = {',', 0};
    struct Subject {
        const char* key;
        const char* name;
        std::function<std::string(ui::TMainForm&)> text;
        std::function<void(ui::TMainForm&)> edit;
    } subjects[] = {
        {settings::kSettingsKey, "DecimalDot",
         [](auto& f) { return f.OptionsPage.EdtDecimalDot.Text(); },
         [](auto& f) { f.OptionsPage.EdtDecimalDot.SetText(","); }},
        {settings::kMacroKey, "00080047", [](auto& f) { return f.Macros.At(0).Macro.MacroText; },
         [](auto& f) { f.Macros.Replace(0, 0x00080047, ","); }},
    };
    for (const auto& subject : subjects) {
        for (const bool edit : {false, true}) {
            SetUp();
            fake.registry.SetRaw(Hive::CurrentUser, subject.key, subject.name,
                                 platform::RegValue(1, shown, omega));
            store.emplace();
            ui::TMainForm form{settings::TStartupState{}, *store};
            host.onMainForm = [&](toolkit::TForm&) {
                EXPECT_EQ(subject.text(form), "?mega") << subject.name;
                if (edit) {
                    subject.edit(form);
                }
                form.AcceptBtn.Click();
            };
            toolkit::RunMainForm(form);
            store.reset();
            const auto stored =
                fake.registry.GetValue(Hive::CurrentUser, subject.key, subject.name);
            ASSERT_TRUE(stored.has_value()) << subject.name;
            EXPECT_EQ(stored->original, edit ? std::vector<std::uint8_t>{} : omega)
                << subject.name << edit;
            EXPECT_EQ(stored->data, edit ? typed : shown) << subject.name << edit;
        }
    }
}
