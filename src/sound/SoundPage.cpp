#include "sound/SoundPage.h"

#include "platform/Services.h"

#include <cstdint>
#include <stdexcept>
#include <string>

void StartSoundControlPanel() {
    const auto started = platform::Procs().Exec("control.exe MMSYS.CPL,@1");
    if (started.result < 32) {
        throw std::runtime_error("Fehler beim Starten von: Systemsteuerung (" +
                                 std::to_string(static_cast<std::int32_t>(started.lastError)) +
                                 ")");
    }
}
