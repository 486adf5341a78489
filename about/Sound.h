#pragma once
// Playing one of the program's WAVE resources. Tests put a recorder in
// place of the sound device.
#include <functional>

namespace About {

// Plays WAVE resource `id` of the program asynchronously, with no default
// sound when it is missing and no wait when the device is busy.
void PlayWaveResource(int id);

// Replaces the sound device for PlayWaveResource; an empty function
// restores it.
void SetSoundForTests(std::function<void(int id)> player);

} // namespace About
