// What a key rewritten in place keeps when the store fails or another program deletes the
// key at any point of the rewrite, and which reason a failure names.
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/Registry.h"
#include "settings/SettingsStore.h"
#include "settings/StoreError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

using platform::Hive;
using settings::TRegistry;

namespace {

using Texts = std::map<std::string, std::string>;

constexpr const char* kKey = "Software\\Test\\Macros";

std::string Name(int i) {
    char name[9];
    std::snprintf(name, sizeof name, "%08X", 0x00080000 + i);
    return name;
}

// 50 macros stored before and 50 in the list: 25 of them under the same names with new texts.
struct Rewrite {
    Texts before;
    Texts list;
    Rewrite() {
        for (int i = 0; i < 50; ++i) {
            before[Name(i)] = "alt " + std::to_string(i);
            list[Name(i + 25)] = "neu " + std::to_string(i + 25);
        }
    }
    void Store(platform::fake::FakeRegistry& registry) const {
        for (const auto& [name, text] : before) {
            registry.SetString(Hive::CurrentUser, kKey, name, text);
        }
        // A value the program does not read goes as well.
        registry.SetString(Hive::CurrentUser, kKey, "Default", "x");
    }
    std::vector<std::pair<std::string, platform::RegValue>> Rows() const {
        std::vector<std::pair<std::string, platform::RegValue>> rows;
        for (const auto& [name, text] : list) {
            rows.emplace_back(name, platform::RegValue(1, {text.begin(), text.end()}));
        }
        return rows;
    }
};

Texts Stored(platform::fake::FakeRegistry& registry) {
    Texts texts;
    for (const std::string& name : registry.ValueNamesOf(Hive::CurrentUser, kKey)) {
        texts[name] = registry.GetString(Hive::CurrentUser, kKey, name).value_or("<not text>");
    }
    return texts;
}

// Runs the rewrite; the error text, or empty when it succeeded.
std::string Replace(const Rewrite& rewrite) {
    TRegistry reg;
    EXPECT_TRUE(reg.OpenKey(kKey, true));
    try {
        reg.ReplaceTexts(rewrite.Rows());
    } catch (const settings::StoreError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(SaveFaults, ARewriteStoppedAtAnyWriteLosesNothingAndIsReported) {
    const Rewrite rewrite;
    int writes = 0;
    {
        platform::fake::FakePlatform fake;
        rewrite.Store(fake.registry);
        fake.registry.FailWriteNumber(0);
        ASSERT_EQ(Replace(rewrite), "");
        writes = fake.registry.WritesSeen();
        // Finished: exactly the list, as if the key had been deleted and written anew.
        EXPECT_EQ(Stored(fake.registry), rewrite.list);
    }
    ASSERT_GT(writes, 50);
    for (int n = 1; n <= writes; ++n) {
        platform::fake::FakePlatform fake;
        rewrite.Store(fake.registry);
        fake.registry.FailWriteNumber(n);
        const std::string error = Replace(rewrite);
        EXPECT_NE(error, "") << "write " << n << " failed unreported";
        EXPECT_NE(error.find("Zugriff verweigert"), std::string::npos) << error;
        const Texts stored = Stored(fake.registry);
        const bool listWritten = n > static_cast<int>(rewrite.list.size());
        for (const auto& [name, text] : rewrite.before) {
            const auto it = stored.find(name);
            const auto listed = rewrite.list.find(name);
            if (it == stored.end()) {
                // Only a macro deleted from the list may go, once the whole list is written.
                EXPECT_TRUE(listed == rewrite.list.end() && listWritten)
                    << "write " << n << " lost " << name;
                continue;
            }
            EXPECT_TRUE(it->second == text ||
                        (listed != rewrite.list.end() && it->second == listed->second))
                << "write " << n << ": " << name << " holds " << it->second;
        }
        for (const auto& [name, text] : rewrite.list) {
            if (listWritten) {
                EXPECT_EQ(stored.count(name) ? stored.at(name) : "", text) << "write " << n;
            }
        }
    }
}

TEST(SaveFaults, AKeyDeletedFromOutsideAfterAnyWriteIsWrittenWholeAgain) {
    const Rewrite rewrite;
    platform::fake::FakePlatform probe;
    rewrite.Store(probe.registry);
    probe.registry.FailWriteNumber(0);
    ASSERT_EQ(Replace(rewrite), "");
    const int writes = probe.registry.WritesSeen();
    for (int n = 1; n <= writes; ++n) {
        platform::fake::FakePlatform fake;
        rewrite.Store(fake.registry);
        fake.registry.DeleteKeyAfterWrite(n, Hive::CurrentUser, kKey);
        EXPECT_EQ(Replace(rewrite), "") << "deleted after write " << n;
        EXPECT_EQ(Stored(fake.registry), rewrite.list) << "deleted after write " << n;
    }
}

TEST(SaveFaults, FailuresNameTheKeyOrValueAndTheRealReason) {
    const std::string denied = "Zugriff verweigert";
    const std::string deleted =
        "Unzulässiger Vorgang für einen Registrierungsschlüssel, der zum Löschen markiert wurde.";
    std::optional<settings::TSettingsStore> store;
    struct Case {
        const char* name;
        std::function<void(platform::fake::FakeRegistry&)> arrange;
        std::function<void(platform::fake::FakeRegistry&)> act;
        std::string error;
    } cases[] = {
        {"a read-only settings key refuses the write for its own reason",
         [](auto& r) { r.FailWritesUnder(Hive::CurrentUser, settings::kSettingsKey); },
         [&](auto&) { store->ForWriting().WriteOption(settings::optEasyTab, 1); },
         "Fehler beim Setzen der Daten für 'EasyTab':\r\n" + denied},
        {"a settings key that did not open at start-up names why",
         [](auto& r) {
             r.SetString(Hive::CurrentUser, settings::kSettingsKey, "HomeDir", "C:\\");
             r.DenyOpenUnder(Hive::CurrentUser, settings::kSettingsKey);
         },
         [&](auto&) { store->ForWriting().WriteOptionString(settings::optDecimalDot, ","); },
         "Fehler beim Setzen der Daten für 'DecimalDot':\r\n" + denied},
        {"a settings key deleted and not to be made again", [](auto&) {},
         [&](auto& r) {
             auto& reg = store->ForWriting();
             r.DeleteKey(Hive::CurrentUser, settings::kSettingsKey);
             r.FailWritesUnder(Hive::CurrentUser, "Software");
             reg.WriteOption(settings::optEasyTab, 1);
         },
         "Fehler beim Setzen der Daten für 'EasyTab':\r\n" + deleted},
        {"a macro key whose values cannot all be listed",
         [](auto& r) {
             r.SetString(Hive::CurrentUser, settings::kMacroKey, "00080047", "x");
             r.FailListingUnder(Hive::CurrentUser, settings::kMacroKey, platform::kRegAccessDenied);
         },
         [](auto&) {
             TRegistry reg;
             reg.OpenKey(settings::kMacroKey, false);
             reg.GetValues();
         },
         "Fehler beim Lesen des Schlüssels 'HKEY_CURRENT_USER\\Software\\Velmark\\Tastor32\\"
         "Macros\\AltGr':\r\n" +
             denied},
        {"a value left over that cannot be deleted",
         [](auto& r) {
             r.SetString(Hive::CurrentUser, kKey, "alt", "x");
             r.FailWriteNumber(2);
         },
         [](auto&) {
             TRegistry reg;
             reg.OpenKey(kKey, true);
             reg.ReplaceTexts({{"neu", platform::RegValue(1, {'y'})}});
         },
         "Fehler beim Löschen von 'alt':\r\n" + denied},
    };
    for (const auto& c : cases) {
        platform::fake::FakePlatform fake;
        c.arrange(fake.registry);
        store.emplace();
        try {
            c.act(fake.registry);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const settings::StoreError& e) {
            EXPECT_EQ(e.what(), c.error) << c.name;
        }
        store.reset();
    }
}
