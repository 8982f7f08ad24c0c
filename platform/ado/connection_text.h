#pragma once
// Connection texts: "key=value;key=value", keys without regard to case; a value may stand in {braces}
// or in quotes when it holds a ';'.
#include <QList>
#include <QPair>
#include <QString>

namespace ado {

class ConnectionText {
public:
    explicit ConnectionText(const QString &text);

    bool has(const QString &key) const;
    // The value of the last such key (trimmed unless quoted); empty when absent.
    QString value(const QString &key) const;

private:
    QList<QPair<QString, QString>> pairs_;
};

} // namespace ado
