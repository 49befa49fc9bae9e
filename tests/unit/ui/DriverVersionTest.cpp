#include "ui/DriverVersion.h"

#include "platform/Utf16Text.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "toolkit/fake/FakeApplicationHost.h"
#include "ui/MainForm.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kDriver = "C:\\Programme\\Tastor32\\Tastor32.exe";
constexpr const char* kGerman = "\\StringFileInfo\\040704E4\\FileVersion";
constexpr const char* kEnglish = "\\StringFileInfo\\040904B0\\FileVersion";

struct DriverVersionForm : testing::Test {
    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    settings::TSettingsStore store;
};

} // namespace

TEST(DriverVersion, OnlyTheFirstTranslationIsAskedForTheValue) {
    struct Case {
        const char* what;
        bool hasResource;
        std::vector<std::uint32_t> translations;
        std::map<std::string, std::string> texts;
        std::string shown;
        std::vector<std::string> queries;
    } cases[] = {
        {"German first, shown as stored",
         true,
         {0x04E40407, 0x04B00409},
         {{kGerman, " 2.0.1 beta"}, {kEnglish, "9"}},
         " 2.0.1 beta",
         {kGerman}},
        {"only the second translation has it",
         true,
         {0x04E40407, 0x04B00409},
         {{kEnglish, "9"}},
         "",
         {kGerman}},
        {"no translation: a path that finds nothing",
         true,
         {},
         {{kGerman, "2.0.1"}},
         "",
         {"\\StringFileInfo\\\\FileVersion"}},
        {"no resource or no file", false, {}, {}, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform::fake::FakePlatform fake;
        if (c.hasResource) {
            fake.versionInfo.resources[kDriver] = {c.translations, c.texts};
        }
        EXPECT_EQ(ui::GetVersionInfoString(kDriver, "FileVersion"), c.shown);
        EXPECT_EQ(fake.versionInfo.queries, c.queries);
    }
    static_assert(ui::SwapWords(0x04E40407) == 0x040704E4);
}

TEST_F(DriverVersionForm, TheOptionsPageReadsTheVersionEachTimeItIsShownOrTheDriverSwitched) {
    fake.registry.SetString(platform::Hive::CurrentUser, settings::kSettingsKey, "HomeDir",
                            "D:\\Treiber");
    const std::string driver = "D:\\Treiber\\Tastor32.exe";
    fake.versionInfo.resources[driver] = {{0x04E40407}, {{kGerman, "2.0.1"}}};
    ui::TMainForm form{settings::TStartupState{}, store};
    const std::string designed = form.OptionsPage.TastorVersionLbl.Caption();
    form.PageControl1.UserSelectPage(2); // Sounds
    EXPECT_EQ(form.OptionsPage.TastorVersionLbl.Caption(), designed);
    form.PageControl1.UserSelectPage(1);
    EXPECT_EQ(form.OptionsPage.TastorVersionLbl.Caption(), "2.0.1");
    fake.versionInfo.resources[driver].texts[kGerman] = "2.0.2";
    form.OptionsPage.ControlTastorBtn.Click();
    EXPECT_EQ(form.OptionsPage.TastorVersionLbl.Caption(), "2.0.2");
    fake.versionInfo.resources.clear();
    form.PageControl1.UserSelectPage(0);
    form.PageControl1.UserSelectPage(1);
    EXPECT_EQ(form.OptionsPage.TastorVersionLbl.Caption(), "");
}

TEST_F(DriverVersionForm, TheDocumentationIsTakenFromTheProgramsOwnFolder) {
    fake.registry.SetString(platform::Hive::CurrentUser, settings::kSettingsKey, "HomeDir",
                            "D:\\Treiber");
    const std::string pdf = "C:\\Programme\\Tastor32\\Tastor32.pdf";
    struct Case {
        const char* what;
        bool exists;
        std::intptr_t shellResult;
        std::vector<std::string> opened;
        std::vector<std::string> boxes;
    } cases[] = {
        {"missing", false, 42, {}, {"beep:hand", "error:Datei " + pdf + " nicht gefunden"}},
        {"no viewer",
         true,
         32,
         {pdf},
         {"beep:hand", "error:Kann Datei " + pdf + " nicht anzeigen"}},
        {"opened", true, 33, {pdf}, {}},
    };
    ui::TMainForm form{settings::TStartupState{}, store};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.files.files.clear();
        if (c.exists) {
            fake.files.files[platform::Utf16FromCp1252(pdf)] = "%PDF";
        }
        fake.shell.openResult = c.shellResult;
        fake.shell.opened.clear();
        fake.boxes.log.clear();
        form.OptionsPage.BtnDoc.Click();
        EXPECT_EQ(fake.shell.opened, c.opened);
        EXPECT_EQ(fake.boxes.log, c.boxes);
    }
}

TEST_F(DriverVersionForm, AnImportShowsTheImportedMacrosAndOkKeepsThem) {
    fake.registry.SetString(platform::Hive::CurrentUser, settings::kMacroKey, "00080047", "alt");
    ui::TMainForm form{settings::TStartupState{}, store};
    form.LoadSettings();
    fake.fileDialogs.openFileAnswers = {u"C:\\x.reg"};
    fake.files.files[u"C:\\x.reg"] =
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n"
        "\"00080048\"=\"neu\"\r\n";
    fake.shell.whileRunning = [&](const auto&) {
        fake.registry.SetString(platform::Hive::CurrentUser, settings::kMacroKey, "00080048",
                                "neu");
    };
    form.ImportBtn.Click();
    ASSERT_EQ(form.Macros.Count(), 2);
    EXPECT_EQ(form.Macros.At(1).KeyText, "AltGr+ H");
    form.OkBtn.Click();
    EXPECT_EQ(fake.registry.GetString(platform::Hive::CurrentUser, settings::kMacroKey, "00080048"),
              "neu");
}
