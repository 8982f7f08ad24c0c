#pragma once
// Literals of the back office statements: a text between apostrophes (made safe by
// core::SqlText) and a key as a decimal number; and the one cleaning of typed names.
#include "core/db/sqltext.h"
#include "vb/text.h"

#include <QString>

namespace backoffice {

inline QString Quoted(const QString &text) { return QStringLiteral("'") + core::SqlText(text) + QStringLiteral("'"); }

inline QString Number(long value) { return QString::number(value); }

// A typed name, password or note as it is both looked up and stored: blanks around it and
// every "'" removed.
inline QString CleanTypedText(const QString &typed) { return vb::Trim(core::WithoutApostrophes(typed)); }

} // namespace backoffice
