#pragma once
// Removes or replaces a list of character sequences in a text, as the room and
// administration windows clean an id before it goes into SQL.
#include "vb/error.h"
#include "vb/variant.h"

#include <QList>
#include <QString>

namespace core {

// The support address the critical messages of the aids name.
inline const QString SupportMailAddress = QStringLiteral("support@brevant.example");

// The critical message of a procedure that ends on a run-time error: where it happened, the
// error's number and description, and the support address.
void ShowCriticalError(const QString &where, const vb::Error &error);

// Every occurrence of each item (as text), first to last, becomes `replacement` (exact
// match). An item without a text form (Null) shows the critical message and gives "".
QString ReplaceEach(const QString &text, const QString &replacement, const QList<vb::Variant> &items);

} // namespace core
