#include "vb/variant.h"

namespace vb {

VarType Variant::type() const
{
    static constexpr VarType byIndex[] = {VarType::Empty, VarType::Null, VarType::Boolean, VarType::Integer,
                                          VarType::Long, VarType::Double, VarType::Currency, VarType::Date,
                                          VarType::String};
    static_assert(std::size(byIndex) == std::variant_size_v<decltype(value_)>);
    return byIndex[value_.index()];
}

} // namespace vb
