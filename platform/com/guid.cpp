#include "com/guid.h"

namespace com {

QString Guid::toString() const
{
    auto hex = [](uint64_t value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    QString text = QLatin1Char('{') + hex(data1, 8) + QLatin1Char('-') + hex(data2, 4) + QLatin1Char('-')
                   + hex(data3, 4) + QLatin1Char('-') + hex(data4[0], 2) + hex(data4[1], 2) + QLatin1Char('-');
    for (int i = 2; i < 8; ++i)
        text += hex(data4[i], 2);
    return text + QLatin1Char('}');
}

std::optional<Guid> Guid::parse(QStringView text)
{
    const QByteArray latin1 = text.toLatin1();
    return detail::parseGuid(std::string_view(latin1.constData(), size_t(latin1.size())));
}

} // namespace com
