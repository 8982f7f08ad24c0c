#include "frontdesk/booking/guestnumber.h"

#include "frontdesk/shared/drawunique.h"
#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/random.h"

namespace frontdesk {

namespace {
// The first character whole: a letter of the Basic Multilingual Plane is stored as typed by
// both engines; anything else (a digit, a blank, an emoji, half of a surrogate pair) is no
// initial, and a letter "A" to "Y" is drawn instead.
QString initialOf(const QString &name)
{
    const QString cleaned = QString(name).remove(QLatin1Char('\''));
    if (cleaned.isEmpty())
        throw vb::Error::standard(vb::errInvalidProcedureCall);
    const QChar first = cleaned.front();
    if (!first.isSurrogate() && first.isLetter())
        return QString(first);
    return RandomLetters(1);
}
} // namespace

QString RandomLetters(int count)
{
    vb::Randomize();
    QString letters;
    letters.reserve(count);
    for (int i = 0; i < count; ++i)
        letters += QChar(u'A' + static_cast<char16_t>(vb::Int(vb::Rnd() * 25)));
    return letters;
}

QString GuestInitials(const QString &firstName, const QString &lastName)
{
    return initialOf(firstName) + initialOf(lastName);
}

std::optional<QString> DrawUniqueGuestNumber(const QString &initials, const std::function<QString()> &draw,
                                             const std::function<std::optional<bool>(const QString &)> &inUse)
{
    return DrawUnique([&] { return initials + draw(); }, inUse);
}

} // namespace frontdesk
