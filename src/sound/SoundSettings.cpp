#include "sound/SoundSettings.h"

#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/Registry.h"
#include "settings/StoreError.h"

void CreateEmptySchemeKeys() {
    settings::TRegistry reg(platform::Hive::CurrentUser);
    if (reg.OpenKey(settings::kSchemeKey, true) && !reg.HasSubKeys()) {
        for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
            reg.CreateKey(settings::SoundEventNames[event]);
        }
    }
}

std::vector<std::string> LoadSpeakerTable(TSpeakerTable& table) {
    ClearSpeakerTable(table);
    std::vector<std::string> errors;
    settings::TRegistry reg(platform::Hive::CurrentUser);
    std::string unreadable;
    if (!reg.OpenKeyForLoading(settings::kSpeakerKey, &unreadable)) {
        // A key that exists but may not be opened holds records the user cannot see.
        if (!unreadable.empty()) {
            settings::RaiseKeyReadError(reg.FullKeyName(settings::kSpeakerKey), unreadable);
        }
        return errors;
    }
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        try {
            ParseSpeakerRec(reg.ReadString(settings::SoundEventNames[event]), table[event]);
        } catch (const settings::StoreError& e) {
            errors.push_back(e.what());
        }
    }
    return errors;
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
