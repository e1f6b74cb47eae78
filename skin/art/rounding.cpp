#include <cfenv>
#include <cmath>
#include <limits>

#include "skin/mSkinner.h"

namespace mSkinner {

LONG RoundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    constexpr double kMin = std::numeric_limits<LONG>::min();
    constexpr double kMax = std::numeric_limits<LONG>::max();
    // nearbyint rounds in the current mode; the program never leaves the default
    // round-to-nearest-even, but a library could, so say it here.
    const int previousMode = std::fegetround();
    if (previousMode != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    double rounded = std::nearbyint(value);
    if (previousMode != FE_TONEAREST) std::fesetround(previousMode);
    if (rounded < kMin) rounded = kMin;
    if (rounded > kMax) rounded = kMax;
    return static_cast<LONG>(rounded);
}

}  // namespace mSkinner
