#include "frontdesk/shared/typedamount.h"

#include "vb/conversions.h"
#include "vb/error.h"

namespace frontdesk {

std::optional<vb::Currency> TypedAmount(const QString &text)
{
    if (!vb::IsNumeric(vb::Variant(text)))
        return std::nullopt;
    try {
        return vb::CCur(vb::Variant(text));
    } catch (const vb::Error &) {
        return std::nullopt;
    }
}

} // namespace frontdesk
