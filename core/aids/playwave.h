#pragma once
// Plays a sound file, as the booking and food order windows do after saving
// (vb::AppPath() + "/sounds/cashin.wav", not waiting). A missing file or audio device is
// silent: the result only says whether playing could be started, and callers ignore it.
#include <QString>

namespace core {

// `wait` is accepted for the callers' sake: the sound never holds up the window.
bool PlayWave(const QString &file, bool wait);

} // namespace core
