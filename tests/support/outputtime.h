#pragma once
// While it lives, written lists carry 7 December 2026, 12:00 UTC as the time they were made,
// read in UTC, so that they compare with the expected files; then the real clock is back.
#include <stdlib.h>

#include <ctime>

#include "core/helpers.h"

class FixedOutputTime {
 public:
  FixedOutputTime() {
    setenv("TZ", "UTC", 1);
    tzset();
    setOutputTime(1796644800);
  }
  ~FixedOutputTime() { setOutputTime(0); }
  FixedOutputTime(const FixedOutputTime&) = delete;
  FixedOutputTime& operator=(const FixedOutputTime&) = delete;
};
