#pragma once
// Password boxes show a "*" for each typed character, whatever the style's own mask is.
#include <QLineEdit>
#include <QString>

namespace core {

inline void MakePasswordBox(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

} // namespace core
