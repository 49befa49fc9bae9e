#include "macros/MacroTransfer.h"
#include "macros/RegEditFile.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::RegType;

namespace {

constexpr auto HKCU = platform::Hive::CurrentUser;
constexpr const char* kProgramDir = "C:\\Programme\\Tastor32\\";
constexpr const char* kChosen = "D:\\Sicher\\meine.reg";
constexpr const char* kBackups = "C:\\Users\\Anna\\AppData\\Roaming\\Tastor32";
constexpr const char* kSection =
    "[HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n";

struct StoredValue {
    const char* name;
    RegType type;
    std::vector<std::uint8_t> data;
};

std::vector<std::uint8_t> Text(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// A file with the section and these value lines.
std::string FileWith(const std::string& valueLines) {
    return std::string("REGEDIT4\r\n\r\n") + kSection + valueLines + "\r\n\r\n";
}

struct Transfer : testing::Test {
    platform::fake::FakePlatform fake;
    toolkit::fake::FakeApplicationHost host;
    macros::TMacroTable shown;
    macros::TMacroTransfer transfer{shown};
    int reloads = 0;

    Transfer() {
        fake.files.folders.insert("D:\\Sicher");
        fake.files.folders.insert("C:\\Programme\\Tastor32");
    }
    void Store(const char* name, const std::string& text) {
        fake.registry.SetString(HKCU, settings::kMacroKey, name, text);
    }
    void Import() {
        transfer.ImportBtnClick([this] { ++reloads; });
    }
};

} // namespace

TEST(RegEditFile, TheMacroKeyIsWrittenByteForByte) {
    struct Case {
        const char* what;
        std::vector<StoredValue> values;
        bool keyExists;
        std::string file;
    } cases[] = {
        {"two macros: seven lines",
         {{"00080047", RegType::Sz, Text("alt")}, {"00000070", RegType::Sz, Text("Eins")}},
         true,
         FileWith("\"00080047\"=\"alt\"\r\n\"00000070\"=\"Eins\"\r\n")},
        {"a backslash and a double quote each get a backslash",
         {{"00080041", RegType::Sz, Text("C:\\x \"y\"")}},
         true,
         FileWith("\"00080041\"=\"C:\\\\x \\\"y\\\"\"\r\n")},
        {"umlauts and the euro sign as single bytes",
         {{"00080041", RegType::Sz, Text("\xE4\xF6\xFC\xDF\x80")}},
         true,
         FileWith("\"00080041\"=\"\xE4\xF6\xFC\xDF\x80\"\r\n")},
        {"a 32-bit number",
         {{"n", RegType::DWord, {0xFF, 0, 0, 0}}},
         true,
         FileWith("\"n\"=dword:000000FF\r\n")},
        {"a byte string",
         {{"b", RegType::Binary, {1, 171}}},
         true,
         FileWith("\"b\"=hex:01,AB\r\n")},
        {"an empty byte string", {{"b", RegType::Binary, {}}}, true, FileWith("\"b\"=hex:\r\n")},
        {"a line feed: the text as hex(1) with its zero",
         {{"00080041", RegType::Sz, Text("a\nb")}},
         true,
         FileWith("\"00080041\"=hex(1):61,0A,62,00\r\n")},
        {"a carriage return alone",
         {{"00080041", RegType::Sz, Text("\r")}},
         true,
         FileWith("\"00080041\"=hex(1):0D,00\r\n")},
        {"an expandable text under its own type number",
         {{"e", RegType::ExpandSz, Text("%A%")}},
         true,
         FileWith("\"e\"=hex(2):25,41,25,00\r\n")},
        {"a name with a backslash, a double quote and line breaks reads back as that name",
         {{"a\\b\"c\r\nd", RegType::Sz, Text("x")}},
         true,
         FileWith("\"a\\\\b\\\"c\\r\\nd\"=\"x\"\r\n")},
        {"an empty key", {}, true, FileWith("")},
        {"no key: the header and two empty lines", {}, false, "REGEDIT4\r\n\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform::fake::FakePlatform fake;
        if (c.keyExists) {
            fake.registry.Open(HKCU, settings::kMacroKey, true);
        }
        for (const auto& v : c.values) {
            fake.registry.SetValue(HKCU, settings::kMacroKey, v.name, v.type, v.data);
        }
        EXPECT_EQ(macros::MacroExportFile(), c.file);
        EXPECT_EQ(fake.registry.OpenKeys(), 0);
    }
}

TEST(RegEditFile, TheSectionNamesTheAccessorsRoot) {
    platform::fake::FakePlatform fake;
    fake.registry.SetString(platform::Hive::LocalMachine, "Software\\X\\", "v", "1");
    settings::TRegistry machine(platform::Hive::LocalMachine);
    std::string file;
    macros::ExportKeyToFile(file, machine, "Software\\X\\");
    EXPECT_EQ(file, "[HKEY_LOCAL_MACHINE\\Software\\X]\r\n\"v\"=\"1\"\r\n\r\n");
    EXPECT_FALSE(machine.HasCurrentKey());
}

TEST_F(Transfer, ShiftCopiesTheShownListWithoutAnyDialog) {
    struct Case {
        const char* what;
        std::vector<macros::TMacroTable::Entry> shown;
        bool clipboardWorks;
        std::optional<std::string> clipboard;
        std::string message;
    } cases[] = {
        {"tab inside, CR LF between, none after the last",
         {{0x00000070, "Eins"}, {0x00080047, "a\tb"}},
         true,
         " F1\tEins\r\nAltGr+ G\ta\tb",
         "info:Makroliste wurde in die Zwischenablage abgelegt"},
        {"an empty list", {}, true, "", "info:Makroliste wurde in die Zwischenablage abgelegt"},
        {"a clipboard that cannot be opened is reported, not claimed",
         {{0x00000070, "Eins"}},
         false,
         std::nullopt,
         "error:Kann die Makroliste nicht in die Zwischenablage ablegen"},
    };
    fake.keyboard.down[0x10] = true;
    Store("00000071", "stored but not shown");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        shown.Assign(c.shown);
        fake.clipboard.works = c.clipboardWorks;
        fake.clipboard.text.reset();
        fake.boxes.log.clear();
        transfer.ExportBtnClick();
        EXPECT_EQ(fake.clipboard.text, c.clipboard);
        ASSERT_FALSE(fake.boxes.log.empty());
        EXPECT_EQ(fake.boxes.log.back(), c.message);
    }
    EXPECT_TRUE(fake.fileDialogs.saveRequests.empty());
    EXPECT_TRUE(fake.files.log.empty());
}

TEST_F(Transfer, TheFileExportWritesTheStoreAndReplacesAFileOnlyAfterYes) {
    Store("00080047", "alt");
    shown.Assign({{0x00080047, "alt"}, {0x00080048, "not applied"}});
    const std::string stored = FileWith("\"00080047\"=\"alt\"\r\n");
    struct Case {
        const char* what;
        std::optional<std::string> before;
        std::deque<bool> answers;
        std::uint32_t failure;
        std::optional<std::string> after;
        std::vector<std::string> boxes;
    } cases[] = {
        {"a new file", std::nullopt, {}, 0, stored, {}},
        {"No keeps the file",
         "old",
         {false},
         0,
         "old",
         {"beep:question", "yesno:Datei existiert bereits. Überschreiben?"}},
        {"Yes replaces it",
         "old",
         {true},
         0,
         stored,
         {"beep:question", "yesno:Datei existiert bereits. Überschreiben?"}},
        {"a failed write keeps it and tells why",
         "old",
         {true},
         5,
         "old",
         {"beep:question", "yesno:Datei existiert bereits. Überschreiben?", "beep:hand",
          "error:Kann Datei D:\\Sicher\\meine.reg nicht schreiben\r(Systemfehler 5)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.files.files.erase(kChosen);
        if (c.before) {
            fake.files.files[kChosen] = *c.before;
        }
        fake.files.failures.clear();
        if (c.failure != 0) {
            fake.files.failures[kChosen] = c.failure;
        }
        fake.boxes.answers = c.answers;
        fake.boxes.log.clear();
        fake.fileDialogs.saveAnswers = {kChosen};
        transfer.ExportBtnClick();
        EXPECT_EQ(fake.boxes.log, c.boxes);
        ASSERT_EQ(fake.files.files.count(kChosen), c.after ? 1u : 0u);
        EXPECT_EQ(fake.files.files[kChosen], *c.after);
        EXPECT_EQ(transfer.LastExportFile(), kChosen);
    }
    const auto& request = fake.fileDialogs.saveRequests.back();
    EXPECT_EQ(request.filter, "Tastor32 Einstellungen|*.reg|Alle Dateien|*.*");
    EXPECT_EQ(request.defaultExtension, "reg");
    EXPECT_EQ(request.initialFolder, kProgramDir);
    EXPECT_EQ(request.fileName, "Tastor32 Makros.reg");
}

TEST_F(Transfer, ImportOffersTheLastExportNameAndCancelChangesNothing) {
    fake.files.files[kChosen] = "old";
    fake.fileDialogs.saveAnswers = {std::nullopt, kChosen};
    transfer.ExportToFile(); // cancelled: no name remembered
    Import();
    EXPECT_EQ(fake.fileDialogs.openRequests.back().fileName, "");
    transfer.ExportToFile(); // the user declines to overwrite
    Import();
    const auto& request = fake.fileDialogs.openRequests.back();
    EXPECT_EQ(request.fileName, kChosen);
    EXPECT_EQ(request.initialFolder, kProgramDir);
    EXPECT_EQ(request.filter, "Tastor32 Einstellungen|*.reg|Alle Dateien|*.*");
    EXPECT_EQ(request.defaultExtension, "reg");
    EXPECT_TRUE(fake.shell.runs.empty());
    EXPECT_EQ(reloads, 0);
}

TEST_F(Transfer, ImportBacksUpRunsTheEditorToItsEndThenReloads) {
    Store("00080047", "vorher");
    const std::string backup =
        std::string(kBackups) + "\\Makros vor Import 2024-03-05 09-07-02.reg";
    std::vector<std::string> order;
    fake.shell.whileRunning = [&](const platform::fake::FakeShell::Run& run) {
        order.push_back("run " + run.program + " " + run.parameters);
        // Imported, the backup first removes the key: it restores the macros exactly.
        EXPECT_EQ(fake.files.files[backup], std::string("REGEDIT4\r\n\r\n[-") + (kSection + 1) +
                                                "\r\n" + kSection +
                                                "\"00080047\"=\"vorher\"\r\n\r\n\r\n");
        EXPECT_EQ(reloads, 0);
        EXPECT_TRUE(fake.boxes.log.empty());
    };
    fake.boxes.onShow = [&](const auto& box) {
        order.push_back(box.text + "|" + box.title);
        EXPECT_EQ(box.kind, platform::BoxKind::Plain);
    };
    fake.fileDialogs.openAnswers = {"D:\\Sicher\\a b.reg"};
    transfer.ImportBtnClick([&] { order.push_back("reload"); });
    EXPECT_EQ(order, (std::vector<std::string>{"run REGEDIT.EXE \"D:\\Sicher\\a b.reg\"",
                                               "Weiter..|", "reload"}));
}

TEST_F(Transfer, ImportStopsBeforeTheEditorOrTheReloadWhenAStepFails) {
    Store("00080047", "vorher");
    struct Case {
        const char* what;
        std::string appData;
        std::string failingPath;
        std::uint32_t runError;
        std::size_t runs;
        std::string error;
    } cases[] = {
        {"no application-data folder", "", "", 0, 0,
         "Kann keine Sicherung der Makros anlegen: kein Ordner für Anwendungsdaten. Der Import "
         "wird nicht ausgeführt."},
        {"the backup folder cannot be made", "E:\\AD", "E:\\AD\\Tastor32", 0, 0,
         "Kann Ordner E:\\AD\\Tastor32 nicht anlegen. Der Import wird nicht ausgeführt.\r"
         "(Systemfehler 5)"},
        {"the backup cannot be written", "E:\\AD",
         "E:\\AD\\Tastor32\\Makros vor Import 2024-03-05 09-07-02.reg", 0, 0,
         "Kann Sicherung E:\\AD\\Tastor32\\Makros vor Import 2024-03-05 09-07-02.reg nicht "
         "schreiben. Der Import wird nicht ausgeführt.\r(Systemfehler 5)"},
        {"the registry editor does not start", "E:\\AD", "", 2, 1,
         "Kann Daten nicht einlesen\r(Systemfehler 2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.files.files.clear();
        fake.files.appData = c.appData;
        fake.files.failures.clear();
        if (!c.failingPath.empty()) {
            fake.files.failures[c.failingPath] = 5;
        }
        fake.shell.runs.clear();
        fake.shell.runError = c.runError;
        fake.boxes.log.clear();
        fake.fileDialogs.openAnswers = {kChosen};
        // The editor's failure reaches the application's error display as an error.
        try {
            Import();
            EXPECT_EQ(fake.boxes.log.back(), "error:" + c.error);
        } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), c.error);
        }
        EXPECT_EQ(fake.shell.runs.size(), c.runs);
        EXPECT_EQ(reloads, 0);
    }
}

TEST_F(Transfer, ImportKeepsTheTenNewestBackupsAndNeverOverwritesOne) {
    const std::string folder = kBackups;
    const std::string older = folder + "\\Makros vor Import 2023-01-01 00-00-0";
    for (int n = 0; n < 10; ++n) {
        fake.files.files[older + std::to_string(n) + ".reg"] = "alt";
    }
    fake.files.files[folder + "\\eigene.reg"] = "of the user";
    const std::string now = folder + "\\Makros vor Import 2024-03-05 09-07-02";
    fake.files.files[now + ".reg"] = "same second";
    fake.fileDialogs.openAnswers = {kChosen};
    Import();
    EXPECT_EQ(fake.files.files[now + ".reg"], "same second");
    EXPECT_EQ(fake.files.files.count(now + "_2.reg"), 1u);
    // Twelve: the two oldest go.
    EXPECT_EQ(fake.files.files.count(older + "1.reg"), 0u);
    EXPECT_EQ(fake.files.files.count(older + "2.reg"), 1u);
    EXPECT_EQ(fake.files.files.count(folder + "\\eigene.reg"), 1u);
    EXPECT_EQ(fake.files.List(folder, "Makros vor Import *.reg").size(), 10u);
    EXPECT_EQ(reloads, 1);
}
