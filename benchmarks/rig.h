#pragma once

#include <benchmark/benchmark.h>

namespace cuedeck {

/// The one set-up a benchmark program shares between its benchmarks, made on
/// first use; `Rig` has a `ready` flag.
template <typename Rig> Rig& rig()
{
    static Rig instance;
    return instance;
}

/// Whether the set-up is ready; when not, the benchmark is skipped with `why`.
template <typename Rig> bool ready(benchmark::State& state, const char* why)
{
    if (rig<Rig>().ready)
        return true;
    state.SkipWithError(why);
    return false;
}

} // namespace cuedeck
