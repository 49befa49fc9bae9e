#include "sound/SoundSettings.h"

#include "platform/Services.h"
#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/Registry.h"
#include "settings/StoreError.h"

namespace sound {

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
    if (!reg.OpenKeyForLoading(settings::kSpeakerKey)) {
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
    reg.OpenKeyForWriting(settings::kSpeakerKey);
    for (int event = settings::kFirstSoundEvent; event <= settings::kLastSoundEvent; ++event) {
        reg.WriteString(settings::SoundEventNames[event], FormatSpeakerRec(table[event]));
    }
}

} // namespace sound
