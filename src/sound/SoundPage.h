// What the "Sounds" page of the settings window does beyond showing its controls.
#pragma once

// Starts the system's sound control panel on the page of the sound events. Raises an
// error naming the system's error code when it cannot be started.
void StartSoundControlPanel();
