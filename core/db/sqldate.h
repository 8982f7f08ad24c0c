#pragma once
// A date written into a statement: "#YYYY-MM-DD#", with " HH:MM:SS" when it has a time of
// day. Year first is the one form both engines read the same way in every locale; the
// locale's short date would be read month first, so that 3 April became 4 March in a
// day-first locale.
#include "vb/datetime.h"

#include <QString>

namespace core {

QString SqlDate(vb::Date date);

} // namespace core
