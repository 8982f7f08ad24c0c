#include "frontdesk/booking/guestnumber.h"

#include "frontdesk/shared/drawunique.h"
#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/random.h"

namespace frontdesk {

namespace {
QChar initialOf(const QString &name)
{
    const QString cleaned = QString(name).remove(QLatin1Char('\''));
    if (cleaned.isEmpty())
        throw vb::Error::standard(vb::errInvalidProcedureCall);
    return cleaned.front();
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
    return QString(initialOf(firstName)) + initialOf(lastName);
}

std::optional<QString> DrawUniqueGuestNumber(const QString &initials, const std::function<QString()> &draw,
                                             const std::function<std::optional<bool>(const QString &)> &inUse)
{
    return DrawUnique([&] { return initials + draw(); }, inUse);
}

} // namespace frontdesk
