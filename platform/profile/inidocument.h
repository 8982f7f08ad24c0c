#pragma once
// The lines of one INI file, understood as the profile functions understand them. Lines
// that are neither a section header nor a key (comments, blanks, text without "=") are
// kept as they are, so a rewrite changes only what was asked.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace profile::detail {

class IniDocument {
public:
    // Any line end (CR LF, LF, CR) separates lines.
    static IniDocument fromText(const QString &text);
    // Every line followed by CR LF.
    QString toText() const;

    // Section names in file order.
    QStringList sectionNames() const;
    // Key names of the first section of that name; nothing when there is no such section.
    std::optional<QStringList> keyNames(const QString &section) const;
    // The value (surrounding blanks removed) of the key in the first section of that name.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Each returns whether the document changed.
    bool setValue(const QString &section, const QString &key, const QString &value);
    bool removeKey(const QString &section, const QString &key);
    bool removeSection(const QString &section);

private:
    struct Line {
        enum class Kind { Section, Entry, Other };
        Kind kind = Kind::Other;
        QString text;    // the line as it stands in the file
        QString name;    // section or key name, without surrounding blanks
        QString value;   // entry value, without surrounding blanks
    };

    static Line parseLine(const QString &text);
    static Line entryLine(const QString &key, const QString &value);
    // Index of the first header of that section, or -1; the section's lines run from there
    // to endOfSection().
    qsizetype findSection(const QString &section) const;
    qsizetype endOfSection(qsizetype header) const;
    qsizetype findEntry(qsizetype header, const QString &key) const;

    std::vector<Line> lines_;
};

} // namespace profile::detail
