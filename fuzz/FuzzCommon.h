#pragma once
// Shared by the fuzz targets: inputs are untrusted bytes; the engine's own exceptions are
// the expected way to reject them, anything else (a crash, a sanitizer report, another
// exception type) is a finding.
#include <cstddef>
#include <cstdint>

#include "rtl/Classes.h"
#include "rtl/PropStream.h"

#define VT_FUZZ_EXPECTING_ERRORS(body) \
  do {                                 \
    vt::TReadWarnings warnings;        \
    try {                              \
      body;                            \
    } catch (const vt::Exception&) {   \
    }                                  \
  } while (0)

// A finding that is no sanitizer report: the round-trip properties below.
#define VT_FUZZ_CHECK(condition)        \
  do {                                  \
    if (!(condition)) __builtin_trap(); \
  } while (0)
