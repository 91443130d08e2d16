#pragma once
// Internal invariants. Untrusted input never reaches these: readers throw instead.
#include <cassert>

#define VT_ASSERT(cond) assert(cond)
