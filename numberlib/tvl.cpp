#include "numberlib/tvl.h"

#include "numberlib/token.h"
#include "vb/random.h"

namespace tvlno {

QString TVL::NUMB()
{
    vb::Randomize();
    return BuildToken([] { return vb::Rnd(); });
}

} // namespace tvlno
