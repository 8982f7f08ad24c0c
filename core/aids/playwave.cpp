#include "core/aids/playwave.h"

#include "ui/dialogs.h"

namespace core {

bool PlayWave(const QString &file, bool wait) { return ui::PlayWave(file, wait); }

} // namespace core
