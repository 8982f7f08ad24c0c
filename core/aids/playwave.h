#pragma once
// Plays a sound file, as the booking and food order windows do after saving
// (vb::AppPath() + "/sounds/cashin.wav", not waiting). A missing file or audio device is
// silent: the result only says whether playing could be started, and callers ignore it.
#include <QString>

namespace core {

bool PlayWave(const QString &file);

} // namespace core
