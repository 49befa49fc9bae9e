#include "sound/SoundSettings.h"

#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/Registry.h"
#include "settings/StoreError.h"
#include "toolkit/ErrorDisplay.h"

void CreateEmptySchemeKeys() {
    settings::TRegistry reg(platform::Hive::CurrentUser);
    if (reg.OpenKey(settings::kSchemeKey, true) && !reg.HasSubKeys()) {
        for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
            reg.CreateKey(settings::SoundEventNames[event]);
        }
    }
}

void LoadSpeakerTable(TSpeakerTable& table) {
    ClearSpeakerTable(table);
    settings::TRegistry reg(platform::Hive::CurrentUser);
    std::string unreadable;
    if (!reg.OpenKeyForLoading(settings::kSpeakerKey, &unreadable)) {
        // A key that exists but may not be opened holds records the user cannot see.
        if (!unreadable.empty()) {
            settings::RaiseKeyReadError(reg.FullKeyName(settings::kSpeakerKey), unreadable);
        }
        return;
    }
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        toolkit::Guarded([&] {
            ParseSpeakerRec(reg.ReadString(settings::SoundEventNames[event]), table[event]);
        });
    }
}

void SaveSpeakerTable(const TSpeakerTable& table) {
    settings::TRegistry reg(platform::Hive::CurrentUser);
    if (!reg.OpenKey(settings::kSpeakerKey, true)) {
        settings::RaiseKeyOpenError(reg.FullKeyName(settings::kSpeakerKey),
                                    platform::Reg().ErrorText(reg.LastOpenStatus()));
    }
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        reg.WriteString(settings::SoundEventNames[event], FormatSpeakerRec(table[event]));
    }
}
