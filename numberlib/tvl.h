#pragma once
// Class TVL of tvlno: the object behind _TVL; it has no fields.
#include "com/object.h"
#include "numberlib/tvlno.h"

namespace tvlno {

class TVL final : public com::Object<_TVL> {
public:
    // Reseeds the process's random source from the clock, then builds a token from it.
    QString NUMB() override;
};

} // namespace tvlno
