#pragma once

#include <string>

namespace cuedeck {

/// The program's one time format: "m:ss", with a leading "-" for negative
/// values. Minutes do not wrap into hours (3600 s shows as "60:00").
std::string format_minutes_seconds(int seconds);

} // namespace cuedeck
