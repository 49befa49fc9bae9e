// The typed option access of the settings store, run against every registry.
#include "contract/RegistryUnderTest.h"

#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/SettingsStore.h"
#include "settings/StoreError.h"
#include "toolkit/ErrorDisplay.h"

using platform::Hive;
using platform::RegType;

namespace {

class StoreSession {
public:
    explicit StoreSession(platform::Registry& registry) : registry_(registry) {
        registry_.DeleteKey(Hive::CurrentUser, "Software\\Velmark");
        store_.emplace();
    }
    ~StoreSession() {
        store_.reset();
        registry_.DeleteKey(Hive::CurrentUser, "Software\\Velmark");
    }
    void Put(const std::string& name, RegType type, std::vector<std::uint8_t> data) {
        auto key = registry_.Open(Hive::CurrentUser, settings::kSettingsKey, true);
        if (type == RegType::Sz && !data.empty() && data.back() == 0) {
            data.pop_back();
        }
        ASSERT_EQ(key->WriteValue(name, static_cast<std::uint32_t>(type), data), platform::kRegOk);
    }
    std::optional<platform::RegValue> Get(const std::string& name) {
        auto key = registry_.Open(Hive::CurrentUser, settings::kSettingsKey, false);
        return key ? key->ReadValue(name) : std::nullopt;
    }

    settings::TSettingsStore& Store() { return *store_; }

private:
    platform::Registry& registry_;
    std::optional<settings::TSettingsStore> store_;
};

const std::string& NameOf(int option) {
    return settings::OptionValueNames[option];
}

} // namespace

TEST_P(OptionsStore, OpeningTheStoreCreatesTheSettingsKeyForReadingOnly) {
    StoreSession session(Reg());
    EXPECT_NE(Reg().Open(Hive::CurrentUser, settings::kSettingsKey, false), nullptr);
    EXPECT_EQ(session.Store().Registry().ReadOption(settings::optEnabled), 0);
    EXPECT_EQ(session.Store().Registry().ReadString(NameOf(settings::optDecimalDot)), "");
    EXPECT_THROW(session.Store().Registry().WriteOption(settings::optEnabled, 1),
                 settings::StoreError);
    EXPECT_FALSE(session.Get(NameOf(settings::optEnabled)).has_value());
    // Opened for writing, the same store writes.
    session.Store().ForWriting().WriteOption(settings::optEnabled, 1);
    EXPECT_EQ(session.Get(NameOf(settings::optEnabled))->data, std::vector<std::uint8_t>{1});
}

TEST_P(OptionsStore, OptionsReadTheirFirstByteOrZero) {
    struct Case {
        const char* what;
        std::optional<std::vector<std::uint8_t>> stored;
        std::uint8_t expected;
    } cases[] = {
        {"missing", std::nullopt, 0},
        {"zero", std::vector<std::uint8_t>{0}, 0},
        {"one", std::vector<std::uint8_t>{1}, 1},
        {"two", std::vector<std::uint8_t>{2}, 2},
        {"0xFF", std::vector<std::uint8_t>{0xFF}, 0xFF},
        {"no bytes", std::vector<std::uint8_t>{}, 0},
    };
    StoreSession session(Reg());
    for (const auto& c : cases) {
        session.Store().ForWriting().DeleteValue(NameOf(settings::optHideIcon));
        if (c.stored) {
            session.Put(NameOf(settings::optHideIcon), RegType::Binary, *c.stored);
        }
        EXPECT_EQ(session.Store().Registry().ReadOption(settings::optHideIcon), c.expected)
            << c.what;
    }
}

TEST_P(OptionsStore, AnOptionOfAnotherTypeOrSizeIsAReadErrorShownInAnErrorBox) {
    struct Case {
        const char* what;
        RegType type;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {"text", RegType::Sz, {'1', 0}},
        {"number", RegType::DWord, {1, 0, 0, 0}},
        {"two bytes", RegType::Binary, {1, 0}},
    };
    StoreSession session(Reg());
    for (const auto& c : cases) {
        session.Put(NameOf(settings::optEasyTab), c.type, c.data);
        fake_.boxes.shown.clear();
        bool after = false;
        const bool completed = toolkit::Guarded([&] {
            session.Store().Registry().ReadOption(settings::optEasyTab);
            after = true;
        });
        EXPECT_FALSE(completed) << c.what;
        EXPECT_FALSE(after) << c.what;
        ASSERT_EQ(fake_.boxes.shown.size(), 1u) << c.what;
        EXPECT_EQ(fake_.boxes.shown[0].kind, platform::BoxKind::Error);
        EXPECT_EQ(fake_.boxes.shown[0].text, "Ungültiger Datentyp für 'EasyTab'") << c.what;
        // The program goes on: the next read works.
        EXPECT_EQ(session.Store().Registry().ReadOption(settings::optBeep), 0);
    }
}

TEST_P(OptionsStore, OptionsAreWrittenAsOneByteOfBinaryData) {
    StoreSession session(Reg());
    session.Put(NameOf(settings::optBeep), RegType::Sz, {'x', 0});
    auto& store = session.Store().ForWriting();
    store.WriteOption(settings::optBeep, 1);
    store.WriteOption(settings::optLockNum, 0);
    for (auto [option, byte] : {std::pair{settings::optBeep, 1}, {settings::optLockNum, 0}}) {
        auto value = session.Get(NameOf(option));
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->type, static_cast<std::uint32_t>(RegType::Binary));
        EXPECT_EQ(value->data, std::vector<std::uint8_t>{static_cast<std::uint8_t>(byte)});
    }
}

TEST_P(OptionsStore, TextOptionsKeepEveryByteAndAnEmptyTextIsStored) {
    StoreSession session(Reg());
    for (const std::string text : {"", ",", "ßü€ÄÖÜ", "$\"\\"}) {
        session.Store().ForWriting().WriteOptionString(settings::optDecimalDot, text);
        auto value = session.Get("DecimalDot");
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(value->type, static_cast<std::uint32_t>(RegType::Sz));
        EXPECT_EQ(session.Store().Registry().ReadString(NameOf(settings::optDecimalDot)), text);
    }
}

TEST_P(OptionsStore, ASettingsKeyDeletedMeanwhileIsOpenedAgainByTheSave) {
    // Deleted while the store holds it open for reading (the window is open), or after the
    // save opened it for writing.
    for (const bool openedForWriting : {false, true}) {
        StoreSession session(Reg());
        if (openedForWriting) {
            session.Store().ForWriting();
        }
        Reg().DeleteKey(Hive::CurrentUser, settings::kSettingsKey);
        auto& store = openedForWriting ? session.Store().Registry() : session.Store().ForWriting();
        store.WriteOption(settings::optEasyTab, 1);
        store.WriteOption(settings::optEasyBackslash, 0);
        auto value = session.Get("EasyTab");
        ASSERT_TRUE(value.has_value()) << openedForWriting;
        EXPECT_EQ(value->data, std::vector<std::uint8_t>{1});
        EXPECT_TRUE(session.Get("EasyBackslash").has_value()) << openedForWriting;
    }
}
