// The playback speed's rules.
#include "control/state/speed.h"

#include <algorithm>

#include "base/translation.h"

namespace cuedeck {

namespace speed {

int bounded(int percent)
{
    return std::clamp(percent, slowest, fastest);
}

int slower(int percent)
{
    const int down = percent > slowest ? (percent - 1) / step * step : slowest;
    return bounded(down);
}

int faster(int percent)
{
    const int up = percent < fastest ? percent / step * step + step : fastest;
    return bounded(up);
}

std::string text(int percent)
{
    return percent == normal ? std::string()
                             : translated(UI_TEXT("Speed %1 %"), {std::to_string(percent)});
}

} // namespace speed

} // namespace cuedeck
