// What the program relies on from the registry, run against every implementation.
#include "contract/RegistryUnderTest.h"

#include "platform/Cp1252.h"
#include "platform/Utf16Text.h"

#include <algorithm>
#include <cstdio>
#include <map>

using platform::Cp1252UpperText;
using platform::Hive;
using platform::RegType;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Each key's values by name: some stores list them so.
std::vector<platform::RegTreeKey> ValuesSorted(std::vector<platform::RegTreeKey> keys) {
    for (auto& key : keys) {
        std::sort(key.values.begin(), key.values.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
    }
    return keys;
}

constexpr auto kSz = static_cast<std::uint32_t>(RegType::Sz);
constexpr auto kBinary = static_cast<std::uint32_t>(RegType::Binary);
constexpr auto kDWord = static_cast<std::uint32_t>(RegType::DWord);

} // namespace

TEST_P(RegistryContract, KeyNamesIgnoreCaseAndATrailingBackslash) {
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Größe", true);
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->WriteValue("Wert", kSz, Bytes("x")), platform::kRegOk);
    for (const char* path : {"software\\tsetuptests\\GRÖßE", "Software\\TSetupTests\\Größe\\",
                             "SOFTWARE\\TSETUPTESTS\\größe\\"}) {
        auto again = Reg().Open(Hive::CurrentUser, path, false);
        ASSERT_NE(again, nullptr) << path;
        EXPECT_TRUE(again->QueryValue("WERT").has_value()) << path;
        EXPECT_TRUE(again->QueryValue("wert").has_value()) << path;
    }
}

TEST_P(RegistryContract, OpeningWithCreationMakesMissingParents) {
    ASSERT_NE(Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\A\\B\\C", true), nullptr);
    for (const char* path : {"Software\\TSetupTests\\A", "Software\\TSetupTests\\A\\B"}) {
        EXPECT_NE(Reg().Open(Hive::CurrentUser, path, false), nullptr) << path;
    }
    auto a = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\A", false);
    EXPECT_EQ(a->SubKeyNames(), std::vector<std::string>{"B"});
}

TEST_P(RegistryContract, OpeningAMissingKeyWithoutCreationFailsAndCreatesNothing) {
    platform::RegStatus status = platform::kRegOk;
    EXPECT_EQ(Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Missing", false, &status),
              nullptr);
    EXPECT_EQ(status, platform::kRegFileNotFound);
    auto root = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests", true);
    EXPECT_TRUE(root->SubKeyNames().empty());
}

TEST_P(RegistryContract, DeletingAKeyTakesEverythingBelowIt) {
    auto c = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\A\\B\\C", true);
    ASSERT_EQ(c->WriteValue("v", kSz, Bytes("1")), platform::kRegOk);
    auto a = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\A", false);
    ASSERT_EQ(a->WriteValue("w", kSz, Bytes("2")), platform::kRegOk);
    a.reset();
    c.reset();
    EXPECT_EQ(Reg().DeleteKey(Hive::CurrentUser, "Software\\TSetupTests\\a"), platform::kRegOk);
    EXPECT_EQ(Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\A", false), nullptr);
    EXPECT_NE(Reg().Open(Hive::CurrentUser, "Software\\TSetupTests", false), nullptr);
    EXPECT_NE(Reg().DeleteKey(Hive::CurrentUser, "Software\\TSetupTests\\A"), platform::kRegOk);
}

TEST_P(RegistryContract, WritingToAKeyDeletedMeanwhileFails) {
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Gone", true);
    ASSERT_EQ(Reg().DeleteKey(Hive::CurrentUser, "Software\\TSetupTests\\Gone"), platform::kRegOk);
    EXPECT_NE(key->WriteValue("v", kSz, Bytes("1")), platform::kRegOk);
    platform::RegStatus counted = platform::kRegOk;
    EXPECT_EQ(key->ValueCount(&counted), std::nullopt);
    EXPECT_EQ(counted, platform::kRegKeyDeleted);
    EXPECT_FALSE(Reg().ErrorText(platform::kRegKeyDeleted).empty());
}

TEST_P(RegistryContract, ManyValuesWrittenAtOnceAreStoredAsIfOneAfterAnother) {
    // Enough values for the store to take them in several parts at once.
    constexpr int kCount = 1200;
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Many", true);
    std::vector<std::pair<std::string, platform::RegValue>> values;
    std::map<std::string, std::vector<std::uint8_t>> expected;
    for (int i = 0; i < kCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%08x", (i * 7919) % kCount);
        const std::string text = "Text " + std::to_string(i) + " \xE4";
        values.push_back({name, {kSz, Bytes(text)}});
        expected[Cp1252UpperText(name)] = Bytes(std::string(text.c_str(), text.size() + 1));
    }
    // Names given again, in other case: the later data remains.
    values.push_back({"000000AB", {kBinary, {1, 2}}});
    values.push_back({"000004A3", {kSz, Bytes("zuletzt")}});
    expected["000000AB"] = {1, 2};
    expected["000004A3"] = Bytes(std::string("zuletzt", 8));
    std::size_t failed = 99;
    ASSERT_EQ(key->WriteValues(values, &failed), platform::kRegOk);
    EXPECT_EQ(failed, 99u);
    std::map<std::string, std::vector<std::uint8_t>> stored;
    for (const auto& [name, value] : key->Values()) {
        stored[Cp1252UpperText(name)] = value.data;
    }
    ASSERT_EQ(stored.size(), expected.size());
    int different = 0;
    for (const auto& [name, data] : expected) {
        if (stored[name] != data && ++different <= 3) {
            ADD_FAILURE() << name << " holds other data";
        }
    }
    EXPECT_EQ(different, 0);

    // Into a key deleted meanwhile nothing is written, and the failure names a value.
    ASSERT_EQ(Reg().DeleteKey(Hive::CurrentUser, "Software\\TSetupTests\\Many"), platform::kRegOk);
    EXPECT_NE(key->WriteValues(values, &failed), platform::kRegOk);
    EXPECT_LT(failed, values.size());
}

TEST_P(RegistryContract, ValuesKeepTheirTypesSizesAndBytes) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::uint32_t storedSize;
        std::vector<std::uint8_t> readBack;
    } cases[] = {
        {"text", kSz, Bytes("abc"), 4, Bytes(std::string("abc", 4))},
        {"empty text", kSz, {}, 1, {0}},
        {"umlauts", kSz, Bytes("ßü€$\"\\"), 7, Bytes(std::string("ßü€$\"\\", 7))},
        {"one byte", kBinary, {2}, 1, {2}},
        {"no bytes", kBinary, {}, 0, {}},
        {"two bytes", kBinary, {1, 0}, 2, {1, 0}},
        {"number", kDWord, {1, 2, 3, 4}, 4, {1, 2, 3, 4}},
    };
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Types", true);
    for (const auto& c : cases) {
        ASSERT_EQ(key->WriteValue(c.name, c.type, c.data), platform::kRegOk) << c.name;
    }
    // One pass over all values gives the same as reading each.
    const auto all = key->Values();
    EXPECT_EQ(all.size(), std::size(cases));
    for (const auto& [name, value] : all) {
        auto single = key->ReadValue(name);
        ASSERT_TRUE(single.has_value()) << name;
        EXPECT_EQ(value.type, single->type) << name;
        EXPECT_EQ(value.data, single->data) << name;
    }
    for (const auto& c : cases) {
        auto info = key->QueryValue(c.name);
        ASSERT_TRUE(info.has_value()) << c.name;
        EXPECT_EQ(info->type, c.type) << c.name;
        EXPECT_EQ(info->size, c.storedSize) << c.name;
        auto value = key->ReadValue(c.name);
        ASSERT_TRUE(value.has_value()) << c.name;
        EXPECT_EQ(value->data, c.readBack) << c.name;
    }
    // Writing again under another type replaces the value.
    ASSERT_EQ(key->WriteValue("TEXT", kBinary, {7}), platform::kRegOk);
    EXPECT_EQ(key->QueryValue("text")->type, kBinary);
}

TEST_P(RegistryContract, ValueNamesListEveryValueOnceWhateverTheOrder) {
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Names", true);
    for (const char* name : {"0008005A", "00080047", "Default", "Größe", ""}) {
        ASSERT_EQ(key->WriteValue(name, kSz, Bytes(name)), platform::kRegOk) << name;
    }
    ASSERT_EQ(key->WriteValue("default", kSz, Bytes("again")), platform::kRegOk);
    EXPECT_EQ(Sorted(key->ValueNames()), Sorted({"", "0008005A", "00080047", "Default", "Größe"}));
    EXPECT_EQ(key->DeleteValue("GRÖßE"), platform::kRegOk);
    EXPECT_NE(key->DeleteValue("Größe"), platform::kRegOk);
    EXPECT_EQ(Sorted(key->ValueNames()), Sorted({"", "0008005A", "00080047", "Default"}));
    EXPECT_EQ(key->ValueCount(), std::optional<std::size_t>(4));
}

TEST_P(RegistryContract, ValuesAreListedInCreationOrderOrByNameAsTheStoreSays) {
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Order", true);
    const std::vector<std::string> created = {"b", "C", "Größe", "0008005A", "a", "00080047"};
    for (const std::string& name : created) {
        ASSERT_EQ(key->WriteValue(name, kSz, Bytes(name)), platform::kRegOk) << name;
    }
    // Writing a value again keeps its place.
    ASSERT_EQ(key->WriteValue("B", kSz, Bytes("wieder")), platform::kRegOk);
    const std::vector<std::string> expected =
        Reg().KeepsValuesInNameOrder()
            ? std::vector<std::string>{"00080047", "0008005A", "a", "b", "C", "Größe"}
            : created;
    EXPECT_EQ(key->ValueNames(), expected);
    std::vector<std::string> listed;
    for (const auto& [name, value] : key->Values()) {
        listed.push_back(name);
    }
    EXPECT_EQ(listed, expected);
}

TEST_P(RegistryContract, TheDefaultValueIsTheEmptyName) {
    auto key = Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Sound\\.current", true);
    EXPECT_FALSE(key->QueryValue("").has_value());
    ASSERT_EQ(key->WriteValue("", kSz, Bytes("ding.wav")), platform::kRegOk);
    EXPECT_EQ(key->ReadValue("")->data, Bytes(std::string("ding.wav", 9)));
    EXPECT_EQ(key->ValueNames(), std::vector<std::string>{""});
}

TEST_P(RegistryContract, SubKeysAreCreatedBelowAnOpenKey) {
    const std::string path = "Software\\TSetupTests\\Scheme\\";
    auto key = Reg().Open(Hive::CurrentUser, path, true);
    for (const char* name : {"Ein", "Aus", "Großschrift", "ein"}) {
        ASSERT_NE(Reg().Open(Hive::CurrentUser, path + name, true), nullptr) << name;
    }
    EXPECT_EQ(Sorted(key->SubKeyNames()), Sorted({"Ein", "Aus", "Großschrift"}));
}

TEST_P(RegistryContract, AKeyOpenedForReadingReadsEverythingAndRefusesEveryChange) {
    const std::string path = "Software\\TSetupTests\\Lesen";
    {
        auto writer = Reg().Open(Hive::CurrentUser, path + "\\Unter", true);
        writer.reset();
        writer = Reg().Open(Hive::CurrentUser, path, false);
        ASSERT_EQ(writer->WriteValue("v", kSz, Bytes("1")), platform::kRegOk);
    }
    const auto expectUntouched = [&](const std::string& when) {
        auto key = Reg().OpenReadOnly(Hive::CurrentUser, path, false);
        ASSERT_NE(key, nullptr) << when;
        EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"v"}) << when;
        EXPECT_EQ(key->ReadValue("v")->data, Bytes(std::string("1", 2))) << when;
        EXPECT_EQ(key->SubKeyNames(), std::vector<std::string>{"Unter"}) << when;
    };
    // Asking to create an existing key only opens it.
    for (const bool createMissing : {false, true}) {
        platform::RegStatus status = 99;
        auto key = Reg().OpenReadOnly(Hive::CurrentUser, path + "\\", createMissing, &status);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(status, platform::kRegOk);
        EXPECT_EQ(key->QueryValue("V")->size, 2u);
        platform::RegStatus listed = 99;
        EXPECT_EQ(key->Values(&listed).size(), 1u);
        EXPECT_EQ(listed, platform::kRegOk);
        std::size_t failed = 99;
        const std::vector<std::pair<std::string, platform::RegValue>> values = {
            {"w", {kSz, Bytes("2")}}};
        EXPECT_EQ(key->WriteValue("v", kSz, Bytes("geändert")), platform::kRegAccessDenied);
        EXPECT_EQ(key->WriteValues(values, &failed), platform::kRegAccessDenied);
        EXPECT_EQ(failed, 0u);
        EXPECT_EQ(key->DeleteValue("v"), platform::kRegAccessDenied);
        expectUntouched(createMissing ? "opened with creation" : "opened");
    }
}

TEST_P(RegistryContract, OpeningForReadingCreatesAMissingKeyOnlyWhenAsked) {
    const std::string path = "Software\\TSetupTests\\Neu\\Tiefer";
    platform::RegStatus status = platform::kRegOk;
    EXPECT_EQ(Reg().OpenReadOnly(Hive::CurrentUser, path, false, &status), nullptr);
    EXPECT_EQ(status, platform::kRegFileNotFound);
    EXPECT_EQ(Reg().Open(Hive::CurrentUser, "Software\\TSetupTests\\Neu", false), nullptr);

    auto made = Reg().OpenReadOnly(Hive::CurrentUser, path, true, &status);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(status, platform::kRegOk);
    EXPECT_TRUE(made->ValueNames().empty());
    // Made for reading: the new key refuses writes as well.
    EXPECT_EQ(made->WriteValue("v", kSz, Bytes("1")), platform::kRegAccessDenied);
    auto writer = Reg().Open(Hive::CurrentUser, path, false);
    ASSERT_NE(writer, nullptr);
    EXPECT_TRUE(writer->ValueNames().empty());
}

// What an import puts back when the registry editor did not finish: the key exactly as read.
TEST_P(RegistryContract, AKeyWrittenAsATreeReadsBackAsWritten) {
    const std::string path = std::string(kTestRoot) + "\\Tree";
    const std::u16string root = u"Software\\TSetupTests\\Tree";
    const auto utf16 = [](std::u16string_view text) { return platform::Utf16LeBytes(text); };
    const std::vector<platform::RegTreeKey> keys = {
        {root,
         {{u"00080041", kSz, utf16(std::u16string(u"Ωmega жук ✓\0", 12))},
          {u"", kSz, utf16(std::u16string(u"a\0b\0", 4))},
          {u"Zahl", kDWord, {7, 0, 0, 0}},
          {u"Leer", kBinary, {}},
          {u"Viele", 7, utf16(std::u16string(u"x\0y\0\0", 5))}}},
        {root + u"\\Sub", {}},
        {root + u"\\Sub\\Tiefer", {{u"Grüße", 11, {1, 2, 3}}}},
    };
    struct Case {
        const char* what;
        std::vector<platform::RegTreeKey> before;
    } cases[] = {
        {"over a key with other values and subkeys",
         {{root, {{u"alt", kSz, utf16(std::u16string(u"weg\0", 4))}}}, {root + u"\\Alt", {}}}},
        {"where there was no key", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Reg().WriteTree(Hive::CurrentUser, path, c.before), platform::kRegOk);
        ASSERT_EQ(Reg().WriteTree(Hive::CurrentUser, path, keys), platform::kRegOk);
        std::vector<platform::RegTreeKey> read;
        ASSERT_EQ(Reg().ReadTree(Hive::CurrentUser, path, read), platform::kRegOk);
        EXPECT_EQ(ValuesSorted(read), ValuesSorted(keys));
    }
    ASSERT_EQ(Reg().WriteTree(Hive::CurrentUser, path, {}), platform::kRegOk);
    std::vector<platform::RegTreeKey> none;
    EXPECT_EQ(Reg().ReadTree(Hive::CurrentUser, path, none), platform::kRegFileNotFound);
}

// A listing after ReadAhead shows the key as it is then, whatever was done to it meanwhile
// through the registry; so does the next listing after a change by another program.
TEST_P(RegistryContract, AListingAfterAReadAheadShowsTheKeyAsItIsThen) {
    const std::string parent = std::string(kTestRoot) + "\\Ahead";
    const std::string path = parent + "\\Macros";
    const auto write = [&](const std::string& name, const std::string& text) {
        Reg().Open(Hive::CurrentUser, path, true)->WriteValue(name, kSz, Bytes(text));
    };
    const auto fill = [&](int count) {
        std::vector<std::pair<std::string, platform::RegValue>> values;
        for (int i = 0; i < count; ++i) {
            values.emplace_back("V" + std::to_string(i), platform::RegValue(kSz, Bytes("t")));
        }
        std::size_t failed = 0;
        Reg().Open(Hive::CurrentUser, path, true)->WriteValues(values, &failed);
    };
    using Listing = std::map<std::string, std::vector<std::uint8_t>>;
    const auto listed = [&](const std::string& as) {
        Listing values;
        if (auto key = Reg().OpenReadOnly(Hive::CurrentUser, as, false)) {
            for (auto& [name, value] : key->Values()) {
                values[name] = value.data;
            }
        }
        return values;
    };
    // The key as value by value reading finds it.
    const auto stored = [&] {
        Listing values;
        if (auto key = Reg().OpenReadOnly(Hive::CurrentUser, path, false)) {
            for (const std::string& name : key->ValueNames()) {
                values[name] = key->ReadValue(name)->data;
            }
        }
        return values;
    };
    // Only the real registry is one store for every instance, as for every program.
    const bool oneStore = GetParam().name == "Win32";
    struct Case {
        const char* what;
        int values; // in the key before the read ahead; -1: no key
        std::function<void()> meanwhile;
    } cases[] = {
        {"nothing", 3, [] {}},
        {"nothing, a key read in parts", 1500, [] {}},
        {"a value written", 3, [&] { write("V1", "neu"); }},
        {"a value deleted", 3,
         [&] { Reg().Open(Hive::CurrentUser, path, false)->DeleteValue("V0"); }},
        {"values written at once", 1500, [&] { fill(1600); }},
        {"the key made", -1, [&] { write("V9", "neu"); }},
        {"the parent deleted and made again", 3,
         [&] {
             Reg().DeleteKey(Hive::CurrentUser, parent);
             write("W", "neu");
         }},
        {"the parent written as a tree", 3,
         [&] {
             Reg().WriteTree(Hive::CurrentUser, parent, {{u"Software\\TSetupTests\\Ahead", {}}});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Reg().DeleteKey(Hive::CurrentUser, parent);
        if (c.values >= 0) {
            fill(c.values);
        }
        Reg().ReadAhead(Hive::CurrentUser, path);
        c.meanwhile();
        EXPECT_EQ(listed("software\\TSETUPTESTS\\ahead\\macros\\"), stored());
        if (oneStore) {
            GetParam()
                .make()
                ->Open(Hive::CurrentUser, path, true)
                ->WriteValue("Andere", kSz, Bytes("x"));
            EXPECT_EQ(listed(path), stored());
        }
    }
}
