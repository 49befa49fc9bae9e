#include "sound/SoundSettings.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "sound/SchemeSound.h"

#include <gtest/gtest.h>

namespace sound {

using platform::Hive;

TEST(SoundSettings, AnUnreadableRecordIsReportedAndTheOthersComeBackByteForByte) {
    platform::fake::FakePlatform fake;
    const char* stored[] = {"4000,10,1,50", "0,0,0,0",      "1,2,3,4",       "",
                            "-7,0,5,999",   "2000,10,1,50", "9000,200,5,50", "19,1,1,1"};
    const int unreadable = 4;
    for (int event = 1; event <= 8; ++event) {
        if (event == unreadable) {
            fake.registry.SetValue(Hive::CurrentUser, settings::kSpeakerKey,
                                   settings::SoundEventNames[event], platform::RegType::DWord,
                                   {1, 0, 0, 0});
        } else {
            fake.registry.SetString(Hive::CurrentUser, settings::kSpeakerKey,
                                    settings::SoundEventNames[event], stored[event - 1]);
        }
    }
    std::vector<std::optional<platform::RegValue>> before;
    for (int event = 1; event <= 8; ++event) {
        before.push_back(fake.registry.GetValue(Hive::CurrentUser, settings::kSpeakerKey,
                                                settings::SoundEventNames[event]));
    }

    TSpeakerTable table;
    table.fill({5, 5, 5, 5});
    EXPECT_EQ(LoadSpeakerTable(table),
              std::vector<std::string>{"Ungültiger Datentyp für 'Rollen'"});
    EXPECT_TRUE(fake.boxes.shown.empty());
    EXPECT_EQ(table[0], TSpeakerRec{});
    EXPECT_EQ(table[unreadable], TSpeakerRec{});
    EXPECT_EQ(table[8], (TSpeakerRec{19, 1, 1, 1}));

    SaveSpeakerTable(table);
    for (int event = 1; event <= 8; ++event) {
        const auto after = fake.registry.GetValue(Hive::CurrentUser, settings::kSpeakerKey,
                                                  settings::SoundEventNames[event]);
        if (event == unreadable) {
            EXPECT_EQ(fake.registry.GetString(Hive::CurrentUser, settings::kSpeakerKey,
                                              settings::SoundEventNames[event]),
                      "0,0,0,0");
        } else {
            EXPECT_EQ(after->type, before[event - 1]->type) << event;
            EXPECT_EQ(after->data, before[event - 1]->data) << event;
        }
    }
}

TEST(SoundSettings, WriteSchemeSoundSetsTheDefaultValueOfTheEventsCurrentKey) {
    const struct {
        int event;
        const char* key;
    } cases[] = {
        {3, "AppEvents\\Schemes\\Apps\\Tastor32\\Großschrift\\.current"},
        {8, "AppEvents\\Schemes\\Apps\\Tastor32\\EasyTab\\.current"},
    };
    platform::fake::FakePlatform fake;
    for (const auto& c : cases) {
        const std::string path = "C:\\Programme\\Tastor32\\Squeeze.wav";
        WriteSchemeSound(c.event, path);
        EXPECT_EQ(fake.registry.GetString(Hive::CurrentUser, c.key, ""), path) << c.key;
    }
    EXPECT_EQ(fake.registry.OpenKeys(), 0);
}

} // namespace sound
