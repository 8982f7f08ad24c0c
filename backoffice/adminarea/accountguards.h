#pragma once
// The accounts that must keep their access to the administration area: the master account
// (cusertype 1) and the last account that has the access. Without them nobody could change
// the settings, add accounts or give the access back.
#include <QString>

namespace backoffice {

// Why the account may not lose the access (the message to show); empty when it may.
QString KeepsSettingsRight(long userId);

} // namespace backoffice
