#pragma once

#include <string>

#include "player/player_vocabulary.h"

/// The clarity aids as mpv's labelled audio filters: each aid is one entry of
/// mpv's `af` list, added and removed alone, so that switching one never
/// rebuilds the others.
namespace cuedeck::mpv_filters {

/// How far above 100 % the volume keys go while Louder is on.
constexpr int most_boost = 100;

/// The aid's entry label as `af remove` and `af add` name it: "@cuedeck-voice".
std::string label(Aid aid);

/// The entry `af add` takes for an aid that is on, as `aids` has it, with the
/// volume `boost_percent` above 100 % (Louder only):
/// "@cuedeck-voice:lavfi=[highpass=...]".
std::string entry(Aid aid, const ClarityAids& aids, int boost_percent = 0);

/// The gain of a volume `boost_percent` above 100 %, on mpv's own volume
/// scale (cubic), so that each step above 100 % sounds like one below it.
double boost_gain(int boost_percent);

} // namespace cuedeck::mpv_filters
