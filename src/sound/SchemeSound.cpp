#include "sound/SchemeSound.h"

#include "settings/Layout.h"
#include "settings/Names.h"
#include "settings/Registry.h"

namespace sound {

void WriteSchemeSound(int event, const std::string& path) {
    settings::TRegistry reg(platform::Hive::CurrentUser);
    if (reg.OpenKey(std::string(settings::kSchemeKey) + settings::SoundEventNames.at(event) +
                        "\\.current",
                    true)) {
        reg.WriteString("", path);
    }
}

} // namespace sound
