#pragma once
// Playing a wave file without waiting, like PlaySound with SND_ASYNC: a new sound replaces
// the one playing. No audio device, or a file that is missing or unreadable, fails quietly.
#include <QString>

namespace ui {

// The path may be in Windows form. False when the file does not exist; otherwise true once playing has been asked for.
bool PlaySoundFile(const QString &file);

} // namespace ui
