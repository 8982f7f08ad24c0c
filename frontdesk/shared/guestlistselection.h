#pragma once
// The row selected in the current guest list ("frmCustomers", list "customerList"), read by
// the windows it opens: the guest details take the guest's key (column 21), the food orders
// the order sign and guest number (column 19). Read through the list's model by name, so
// these windows do not depend on the guest list's library.
#include <QString>
#include <optional>

namespace frontdesk {

inline constexpr int GuestListNumberColumn = 18;   // sub-item 18: order sign + cUniqueNo
inline constexpr int GuestListKeyColumn = 20;      // sub-item 20: ID

// The text of `column` (0 the row's own text) in the selected row; nullopt when the guest
// list is not loaded or no row is selected.
std::optional<QString> GuestListSelection(int column);

} // namespace frontdesk
