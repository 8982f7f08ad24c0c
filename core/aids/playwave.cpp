#include "core/aids/playwave.h"

#include "ui/dialogs.h"

namespace core {

bool PlayWave(const QString &file) { return ui::PlayWave(file); }

} // namespace core
