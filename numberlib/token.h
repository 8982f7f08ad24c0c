#pragma once
// The steps of TVL.NUMB over any source of random numbers uniform in [0, 1), so that a
// test can feed chosen numbers.
#include <QString>
#include <functional>

namespace tvlno {

using RandomSource = std::function<double()>;

// Four letters, each 65 + the whole part of (random x 25): "A" to "Y".
QString RandomGroup(const RandomSource &rnd);

// The letter at `position` (1-based) replaced, wherever it occurs in the group, by its
// character code in decimal.
QString ReplaceLetterByCode(const QString &group, int position);

// Two groups, then a pick at position 1 + the whole part of (random x 3) in each (never the
// fourth letter), then one more draw that only advances the source; the groups joined.
QString BuildToken(const RandomSource &rnd);

} // namespace tvlno
