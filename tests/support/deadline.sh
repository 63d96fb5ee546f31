# Sourced by the shell tests: how long a wait for what a test expects may
# take before the test fails. Generous, for a loaded machine, as the C++
# tests' (support/deadline.h); CUEDECK_TEST_DEADLINE (seconds) lowers it to
# find a hang quickly. A passing test waits only as long as it must.
export CUEDECK_TEST_DEADLINE=${CUEDECK_TEST_DEADLINE:-60}
until_true() { # COMMAND...: polls until it holds, within the deadline
  local end=$((SECONDS + CUEDECK_TEST_DEADLINE))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}
