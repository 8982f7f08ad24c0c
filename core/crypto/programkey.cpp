#include "core/crypto/programkey.h"

namespace core {

namespace {
// Changing it makes every stored password and config.ini secret unreadable.
constexpr qint32 kProgramKeyNumber = 604918273;
} // namespace

QString ProgramKey() { return QString::number(kProgramKeyNumber); }

} // namespace core
