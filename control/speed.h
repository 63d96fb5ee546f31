#pragma once

#include <string>

/// The playback speed, in whole percent of normal: its bounds, its steps and
/// how the window shows it.
namespace cuedeck::speed {

constexpr int normal = 100;
constexpr int slowest = 50;
constexpr int fastest = 200;
constexpr int step = 10;

/// The next step down or up: to the next multiple of the step, within the bounds.
int slower(int percent);
int faster(int percent);
/// Within the bounds.
int bounded(int percent);
/// A value read from the settings file: out of bounds is normal.
int checked(int percent);
/// What the window shows: nothing at normal speed, else "Speed 80 %".
std::string text(int percent);

} // namespace cuedeck::speed
