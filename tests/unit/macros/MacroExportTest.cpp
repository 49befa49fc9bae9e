#include "macros/MacroExportFile.h"
#include "macros/MacroTransfer.h"
#include "regfile/Reader.h"

#include "platform/Utf16Text.h"
#include "unit/regfile/RegFileTestText.h"

#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "toolkit/fake/FakeApplicationHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using platform::RegType;

namespace {

constexpr auto HKCU = platform::Hive::CurrentUser;
constexpr const char16_t* kProgramDir = u"C:\\Programme\\Tastor32\\";
constexpr const char16_t* kChosen = u"D:\\Sicher\\meine.reg";
constexpr const char16_t* kBackups = u"C:\\Users\\Anna\\AppData\\Roaming\\Tastor32";
constexpr const char16_t* kCopy =
    u"C:\\Users\\Anna\\AppData\\Roaming\\Tastor32\\Makros Import läuft.reg";
constexpr const char16_t* kBackup =
    u"C:\\Users\\Anna\\AppData\\Roaming\\Tastor32\\Makros vor Import 2024-03-05 09-07-02.reg";
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
        fake.files.folders.insert(u"D:\\Sicher");
        fake.files.folders.insert(u"C:\\Programme\\Tastor32");
    }
    void Store(const char* name, const std::string& text) {
        fake.registry.SetString(HKCU, settings::kMacroKey, name, text);
    }
    void Import() {
        transfer.ImportBtnClick([this] { ++reloads; });
    }
    // The user chooses kChosen, which holds these bytes.
    void ImportFile(const std::string& bytes) {
        fake.files.files[kChosen] = bytes;
        fake.fileDialogs.openFileAnswers = {kChosen};
        Import();
    }
    // A registry editor that applies the file to the macro key as planned.
    void EditorApplies(const std::string& file) {
        std::vector<platform::RegTreeKey> stored;
        fake.registry.ReadTree(HKCU, settings::kMacroKey, stored);
        const auto plan = macros::PlanMacroImport(file, stored);
        ASSERT_TRUE(std::holds_alternative<macros::ImportPlan>(plan));
        fake.registry.WriteTree(HKCU, settings::kMacroKey,
                                std::get<macros::ImportPlan>(plan).expected);
    }
    bool WroteAnything() const {
        return std::any_of(
            fake.files.log.begin(), fake.files.log.end(),
            [](const std::u16string& entry) { return entry.starts_with(u"write:"); });
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
    EXPECT_EQ(fake.registry.OpenKeys(), 0);
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
    const std::u16string longPath = u"D:\\Sicher\\" + std::u16string(250, u'x') + u".reg";
    struct Case {
        const char* what;
        std::u16string path;
        std::optional<std::string> before;
        std::deque<bool> answers;
        std::uint32_t failure;
        std::optional<std::string> after;
        std::vector<std::string> boxes;
    } cases[] = {
        {"a new file", kChosen, std::nullopt, {}, 0, stored, {}},
        {"a new file named outside code page 1252",
         u"D:\\Sicher\\Ωmega жук.reg",
         std::nullopt,
         {},
         0,
         stored,
         {}},
        {"No keeps the file",
         kChosen,
         "old",
         {false},
         0,
         "old",
         {"beep:question", "yesno:Datei existiert bereits. Überschreiben?"}},
        {"Yes replaces it",
         kChosen,
         "old",
         {true},
         0,
         stored,
         {"beep:question", "yesno:Datei existiert bereits. Überschreiben?"}},
        {"a failed write keeps it and tells why",
         kChosen,
         "old",
         {true},
         5,
         "old",
         {"beep:question", "yesno:Datei existiert bereits. Überschreiben?", "beep:hand",
          "error:Kann Datei D:\\Sicher\\meine.reg nicht schreiben\r(Systemfehler 5)"}},
        {"a name outside code page 1252 that cannot be written is named with \"?\"",
         u"D:\\Sicher\\Ω.reg",
         std::nullopt,
         {},
         3,
         std::nullopt,
         {"beep:hand", "error:Kann Datei D:\\Sicher\\?.reg nicht schreiben\r(Systemfehler 3)"}},
        {"a path longer than the system takes says so",
         longPath,
         std::nullopt,
         {},
         206,
         std::nullopt,
         {"beep:hand", "error:Kann Datei D:\\Sicher\\" + std::string(250, 'x') +
                           ".reg nicht schreiben: Der Pfad ist länger als 259 Zeichen\r"
                           "(Systemfehler 206)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.files.files.erase(c.path);
        if (c.before) {
            fake.files.files[c.path] = *c.before;
        }
        fake.files.failures.clear();
        if (c.failure != 0) {
            fake.files.failures[c.path] = c.failure;
        }
        fake.boxes.answers = c.answers;
        fake.boxes.log.clear();
        fake.fileDialogs.saveAnswers = {c.path};
        transfer.ExportBtnClick();
        EXPECT_EQ(fake.boxes.log, c.boxes);
        ASSERT_EQ(fake.files.files.count(c.path), c.after ? 1u : 0u);
        if (c.after) {
            EXPECT_EQ(fake.files.files[c.path], *c.after);
        }
        EXPECT_EQ(transfer.LastExportFile(), c.path);
    }
    const auto& request = fake.fileDialogs.saveRequests.back();
    EXPECT_EQ(request.filter, "Tastor32 Einstellungen|*.reg|Alle Dateien|*.*");
    EXPECT_EQ(request.defaultExtension, "reg");
    EXPECT_EQ(request.initialFolder, kProgramDir);
    EXPECT_EQ(request.fileName, u"Tastor32 Makros.reg");

    // A macro key that exists but cannot be read is an error, not an empty file.
    fake.files.files[kChosen] = "old";
    fake.boxes.answers = {true};
    fake.fileDialogs.saveAnswers = {kChosen};
    fake.registry.DenyOpenUnder(HKCU, settings::kMacroKey);
    EXPECT_THROW(transfer.ExportBtnClick(), std::exception);
    EXPECT_EQ(fake.files.files[kChosen], "old");
}

TEST_F(Transfer, ImportOffersTheLastExportNameAndCancelChangesNothing) {
    fake.files.files[kChosen] = "old";
    fake.fileDialogs.saveAnswers = {std::nullopt, kChosen};
    transfer.ExportToFile(); // cancelled: no name remembered
    Import();
    EXPECT_EQ(fake.fileDialogs.openRequests.back().fileName, u"");
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

TEST_F(Transfer, AnImportThatCannotBeCheckedOrChangesMoreThanMacrosStartsNothing) {
    const std::string refused = "error:Die Datei D:\\Sicher\\meine.reg wird nicht importiert: ";
    std::string sevenKeys;
    for (char key = 'A'; key < 'H'; ++key) {
        sevenKeys += std::string("[HKEY_CURRENT_USER\\") + key + "]\r\n";
    }
    struct Case {
        const char* what;
        std::optional<std::string> file; // nothing: it cannot be read
        bool storeUnreadable;
        std::vector<std::string> boxes;
        std::uint32_t readError = 5;
    } cases[] = {
        {"an unreadable file",
         std::nullopt,
         false,
         {"beep:hand", "error:Kann Datei D:\\Sicher\\meine.reg nicht lesen\r(Systemfehler 5)"}},
        {"a file larger than the import reads",
         std::nullopt,
         false,
         {"beep:hand", refused + "Sie ist größer als 64 MB."},
         platform::kFileTooLarge},
        {"random bytes",
         "\x89PNG\r\n",
         false,
         {"beep:hand", refused + "Zeile 1: Die erste Zeile ist nicht „REGEDIT4“."}},
        {"a file that breaks off",
         FileWith("\"00080041\"=\"abc").substr(0, 80),
         false,
         {"beep:hand", refused + "Zeile 4: Schließendes Anführungszeichen fehlt."}},
        {"a macro and an autostart entry",
         FileWith("\"00080041\"=\"x\"\r\n") +
             "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
             "\"Evil\"=\"c:\\\\evil.exe\"\r\n",
         false,
         {"beep:hand", refused +
                           "Sie ändert andere Schlüssel als die Makros:\r\n"
                           "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"}},
        {"seven other keys: five named",
         "REGEDIT4\r\n" + sevenKeys,
         false,
         {"beep:hand", refused + "Sie ändert andere Schlüssel als die Makros:\r\n"
                                 "HKEY_CURRENT_USER\\A\r\nHKEY_CURRENT_USER\\B\r\n"
                                 "HKEY_CURRENT_USER\\C\r\nHKEY_CURRENT_USER\\D\r\n"
                                 "HKEY_CURRENT_USER\\E\r\nund 2 weitere"}},
        {"a file without macros",
         "REGEDIT4\r\n\r\n",
         false,
         {"info:Die Datei D:\\Sicher\\meine.reg wird nicht importiert: Sie enthält keine "
          "Makros."}},
        {"stored macros that cannot be read",
         FileWith("\"00080041\"=\"x\"\r\n"),
         true,
         {"beep:hand", "error:Kann die gespeicherten Makros nicht lesen und keine Sicherung "
                       "anlegen. Der Import wird nicht ausgeführt.\r(Zugriff verweigert)"}},
        {"a replaced macro, answered No",
         std::string(
             "REGEDIT4\r\n[-HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\r\n") +
             kSection + "\"00080047\"=\"neu\"\r\n\"00080041\"=\"x\"\r\n",
         false,
         {"beep:question", "yesno-default-no:Der Import ändert gespeicherte Makros:\r\nneu: 1\r\n"
                           "ersetzt: 1\r\ngelöscht: 1\r\nDie Datei löscht zuerst alle "
                           "gespeicherten Makros mit den Unterschlüsseln.\r\n\r\n"
                           "Trotzdem importieren?"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.registry.DeleteKey(HKCU, settings::kMacroKey);
        Store("00080047", "alt");
        Store("00080048", "bleibt");
        fake.registry.DenyOpenUnder(HKCU, c.storeUnreadable ? settings::kMacroKey : "");
        fake.files.failures.clear();
        if (!c.file) {
            fake.files.failures[kChosen] = c.readError;
        }
        fake.files.log.clear();
        fake.boxes.log.clear();
        fake.boxes.answers = {false};
        ImportFile(c.file.value_or(""));
        EXPECT_EQ(fake.boxes.log, c.boxes);
        EXPECT_TRUE(fake.shell.runs.empty());
        EXPECT_FALSE(WroteAnything());
        EXPECT_EQ(reloads, 0);
    }
}

TEST_F(Transfer, ImportBacksUpRunsTheEditorOnItsOwnFileThenReloads) {
    fake.registry.SetRaw(HKCU, settings::kMacroKey, "00080041",
                         {1, Text("?mega"), platform::Utf16LeBytes(u"Ωmega жук ✓\0")});
    Store("00080047", "vorher");
    fake.registry.SetValue(HKCU, std::string(settings::kMacroKey) + "\\Sub", "v", RegType::DWord,
                           {7, 0, 0, 0});
    std::vector<std::string> order;
    fake.shell.whileRunning = [&](const platform::fake::FakeShell::Run& run) {
        order.push_back("run " + run.program + " " + platform::Cp1252FromUtf16(run.parameters));
        EXPECT_EQ(run.parameters, u"\"" + std::u16string(kCopy) + u"\"");
        // The editor gets the change alone, in the program's own UTF-16 lines.
        const auto copy = regfile::ReadRegFile(fake.files.files[kCopy]);
        ASSERT_TRUE(std::holds_alternative<regfile::RegFile>(copy));
        EXPECT_EQ(regfiletest::Rendered(std::get<regfile::RegFile>(copy)),
                  u"L3 [HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\n"
                  u"L4 \"00080042\"=1:\"dazu\\0\"\nL5 \"00080047\"=1:\"neu\\0\"\n");
        // Imported, the backup first removes the key, then writes it and its subkey again.
        const auto backup = regfile::ReadRegFile(fake.files.files[kBackup]);
        ASSERT_TRUE(std::holds_alternative<regfile::RegFile>(backup));
        const std::u16string expected =
            u"L3 [-HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\n"
            u"L5 [HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr]\n"
            u"L6 \"00080041\"=1:\"Ωmega жук ✓\\0\"\nL7 \"00080047\"=1:\"vorher\\0\"\n"
            u"L9 [HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\Macros\\AltGr\\Sub]\n"
            u"L10 \"v\"=4:07 00 00 00\n";
        EXPECT_EQ(regfiletest::Rendered(std::get<regfile::RegFile>(backup)), expected);
        EditorApplies(fake.files.files[kCopy]);
        EXPECT_EQ(reloads, 0);
    };
    fake.boxes.onShow = [&](const auto& box) {
        order.push_back(box.text);
        // The question carries the program's title, the note after the import none.
        EXPECT_EQ(box.title.empty(), box.text == "Weiter..");
    };
    fake.boxes.answers = {true};
    ImportFile(FileWith("\"80047\"=\"neu\"\r\n\"00080042\"=\"dazu\"\r\n"));
    EXPECT_EQ(order,
              (std::vector<std::string>{
                  "Der Import ändert gespeicherte Makros:\r\nneu: 1\r\nersetzt: 1\r\ngelöscht: "
                  "0\r\n\r\nTrotzdem importieren?",
                  "run REGEDIT.EXE \"C:\\Users\\Anna\\AppData\\Roaming\\Tastor32\\Makros Import "
                  "läuft.reg\"",
                  "Weiter.."}));
    EXPECT_EQ(fake.boxes.shown.back().kind, platform::BoxKind::Plain);
    EXPECT_EQ(fake.files.files.count(kCopy), 0u);
    EXPECT_EQ(fake.registry.ValueNamesOf(HKCU, settings::kMacroKey),
              (std::vector<std::string>{"00080041", "00080042", "00080047"}));
    EXPECT_EQ(reloads, 1);
}

TEST_F(Transfer, AnImportThatDoesNotArriveWholeIsPutBackAndSaysSo) {
    const std::string macroParent = "Software\\Velmark\\Tastor32\\Macros";
    const std::string notApplied = "error:Der Import wurde nicht ausgeführt. ";
    const std::string asBefore = "\r\nDie Makros sind wie vor dem Import.";
    struct Case {
        const char* what;
        std::uint32_t exitCode;
        std::function<void()> editor;
        std::string error;
    } cases[] = {
        {"the editor crashes after deleting the key", 0xC0000005,
         [&] { fake.registry.DeleteKey(HKCU, settings::kMacroKey); },
         notApplied + "Der Registrierungs-Editor endete mit dem Code 0xC0000005." + asBefore},
        {"the editor cannot write", 0, [] {},
         notApplied + "Der Registrierungs-Editor hat die Makros nicht wie geplant geschrieben." +
             asBefore},
        {"the editor writes in part, and then nothing can be written", 0,
         [&] {
             EditorApplies(fake.files.files[kCopy]);
             fake.registry.DeleteKey(HKCU, std::string(settings::kMacroKey) + "\\Sub");
             fake.registry.FailWritesUnder(HKCU, macroParent);
         },
         notApplied + "Der Registrierungs-Editor hat die Makros nicht wie geplant geschrieben." +
             "\r\nDie Makros konnten nicht wiederhergestellt werden. Die Sicherung " +
             platform::Cp1252FromUtf16(kBackup) + " stellt sie wieder her."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.registry.FailWritesUnder(HKCU, "");
        fake.registry.DeleteKey(HKCU, settings::kMacroKey);
        fake.registry.SetRaw(HKCU, settings::kMacroKey, "00080041",
                             {1, Text("?mega"), platform::Utf16LeBytes(u"Ωmega\0")});
        fake.registry.SetValue(HKCU, std::string(settings::kMacroKey) + "\\Sub", "v",
                               RegType::DWord, {7, 0, 0, 0});
        std::vector<platform::RegTreeKey> before;
        fake.registry.ReadTree(HKCU, settings::kMacroKey, before);
        fake.files.files.clear();
        fake.boxes.log.clear();
        fake.shell.runExitCode = c.exitCode;
        fake.shell.whileRunning = [&](const auto&) { c.editor(); };
        reloads = 0;
        ImportFile(FileWith("\"00080042\"=\"neu\"\r\n"));
        EXPECT_EQ(fake.boxes.log, (std::vector<std::string>{"beep:hand", c.error}));
        std::vector<platform::RegTreeKey> after;
        fake.registry.ReadTree(HKCU, settings::kMacroKey, after);
        if (c.error.ends_with(asBefore)) {
            EXPECT_EQ(after, before);
        }
        EXPECT_EQ(reloads, 1);
    }
}

TEST_F(Transfer, ImportStopsBeforeTheEditorOrTheReloadWhenAStepFails) {
    Store("00080047", "vorher");
    struct Case {
        const char* what;
        std::u16string appData;
        std::u16string failingPath;
        std::uint32_t runError;
        std::size_t runs;
        std::string error;
    } cases[] = {
        {"no application-data folder", u"", u"", 0, 0,
         "Kann keine Sicherung der Makros anlegen: kein Ordner für Anwendungsdaten. Der Import "
         "wird nicht ausgeführt."},
        {"the backup folder cannot be made", u"E:\\AD", u"E:\\AD\\Tastor32", 0, 0,
         "Kann Ordner E:\\AD\\Tastor32 nicht anlegen. Der Import wird nicht ausgeführt.\r"
         "(Systemfehler 5)"},
        {"the backup cannot be written", u"E:\\AD",
         u"E:\\AD\\Tastor32\\Makros vor Import 2024-03-05 09-07-02.reg", 0, 0,
         "Kann Sicherung E:\\AD\\Tastor32\\Makros vor Import 2024-03-05 09-07-02.reg nicht "
         "schreiben. Der Import wird nicht ausgeführt.\r(Systemfehler 5)"},
        {"the copy for the editor cannot be written", u"E:\\AD",
         u"E:\\AD\\Tastor32\\Makros Import läuft.reg", 0, 0,
         "Kann Datei E:\\AD\\Tastor32\\Makros Import läuft.reg nicht schreiben. Der Import wird "
         "nicht ausgeführt.\r(Systemfehler 5)"},
        {"the registry editor does not start", u"E:\\ÄD", u"", 2, 1,
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
        // The editor's failure reaches the application's error display as an error.
        try {
            ImportFile(FileWith("\"00080041\"=\"x\"\r\n"));
            EXPECT_EQ(fake.boxes.log.back(), "error:" + c.error);
        } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), c.error);
        }
        EXPECT_EQ(fake.shell.runs.size(), c.runs);
        EXPECT_EQ(fake.files.files.count(c.appData + u"\\Tastor32\\Makros Import läuft.reg"), 0u);
        EXPECT_EQ(reloads, 0);
    }
}

TEST_F(Transfer, ImportKeepsTheTenNewestBackupsAndNeverAUsersFile) {
    const std::u16string folder = kBackups;
    const std::u16string older = folder + u"\\Makros vor Import 2023-01-01 00-00-0";
    for (char16_t n = u'0'; n <= u'9'; ++n) {
        fake.files.files[older + n + u".reg"] = "alt";
    }
    const std::u16string own[] = {u"\\eigene.reg", u"\\Makros vor Import 2000 behalten.reg",
                                  u"\\Makros vor Import (Kopie).reg",
                                  u"\\Makros vor Import 2000-01-01 00-00-00_1.reg",
                                  u"\\Makros vor Import 2000-01-01 00-00-00 x.reg"};
    for (const std::u16string& name : own) {
        fake.files.files[folder + name] = "of the user";
    }
    const std::u16string now = folder + u"\\Makros vor Import 2024-03-05 09-07-02";
    fake.files.files[now + u".reg"] = "same second";
    ImportFile(FileWith("\"00080041\"=\"x\"\r\n"));
    EXPECT_EQ(fake.files.files[now + u".reg"], "same second");
    EXPECT_EQ(fake.files.files.count(now + u"_2.reg"), 1u);
    // Twelve: the two oldest go.
    EXPECT_EQ(fake.files.files.count(older + u"1.reg"), 0u);
    EXPECT_EQ(fake.files.files.count(older + u"2.reg"), 1u);
    for (const std::u16string& name : own) {
        EXPECT_EQ(fake.files.files.count(folder + name), 1u);
    }
    EXPECT_EQ(reloads, 1);
}
