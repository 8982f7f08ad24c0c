#pragma once
// The tvlno component as its users see it: the identifiers of its type library, class and
// interface, and the interface _TVL of class TVL, whose one method builds a random token.
#include "com/unknown.h"

#include <QString>

namespace tvlno {

// Type library "Number", version 1.00.
inline constexpr com::Guid LIBID_Number = com::MakeGuid("{3BE05B22-A2CC-4D66-A12B-34BC69CB5266}");
inline constexpr com::Guid CLSID_TVL = com::MakeGuid("{E3353CFA-0EF3-418D-B0C6-EAB917CD4548}");
inline constexpr com::Guid IID__TVL = com::MakeGuid("{1C918CBA-4F8B-4CE1-92B9-C77A466AD4D0}");

class _TVL : public com::IUnknown {
public:
    static constexpr com::Guid IID = IID__TVL;

    // A token of 10 to 16 characters: two groups of four capitals "A" to "Y", in each of which
    // one letter is written everywhere as its two-digit character code.
    virtual QString NUMB() = 0;

protected:
    ~_TVL() = default;
};

} // namespace tvlno
