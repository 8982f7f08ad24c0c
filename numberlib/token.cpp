#include "numberlib/token.h"

#include <cmath>

namespace tvlno {

namespace {

int wholePart(double value)
{
    return static_cast<int>(std::floor(value));
}

} // namespace

QString RandomGroup(const RandomSource &rnd)
{
    QString group;
    for (int i = 0; i < 4; ++i)
        group += QChar(65 + wholePart(rnd() * 25));
    return group;
}

QString ReplaceLetterByCode(const QString &group, int position)
{
    const QChar letter = group.at(position - 1);
    QString replaced = group;
    return replaced.replace(letter, QString::number(letter.unicode()));
}

QString BuildToken(const RandomSource &rnd)
{
    QString first = RandomGroup(rnd);
    QString second = RandomGroup(rnd);
    first = ReplaceLetterByCode(first, 1 + wholePart(rnd() * 3));
    second = ReplaceLetterByCode(second, 1 + wholePart(rnd() * 3));
    rnd();   // advances the shared source, so the next token starts from the same place in the sequence
    return first + second;
}

} // namespace tvlno
