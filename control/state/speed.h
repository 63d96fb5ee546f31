#pragma once

#include <string>

#include "files/settings_format.h"

/// The playback speed, in whole percent of normal (its bounds beside the
/// settings): its steps and how the window shows it.
namespace cuedeck::speed {

constexpr int step = 10;

/// The next step down or up: to the next multiple of the step, within the bounds.
int slower(int percent);
int faster(int percent);
/// Within the bounds.
int bounded(int percent);
/// What the window shows: nothing at normal speed, else "Speed 80 %".
std::string text(int percent);

} // namespace cuedeck::speed
