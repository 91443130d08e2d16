#pragma once
// Row kernels of the skin images: the three ways a source row is combined with a target
// row (alpha blend, key copy, plain copy) and the scan for runs of non-key pixels that
// region building needs.
//
// One complete portable table implements every entry; kernels_sse2.cpp and
// kernels_avx2.cpp replace the entries they speed up. The table is chosen once, from the
// processor's features, the first time it is asked for; VTSKIN_DISABLE_SIMD=avx2,sse2 (any
// subset, or "all") keeps the named variants out of that choice. Every variant gives
// exactly the portable results: the formulas and their rounding are in docs/pixel-math.md.
#include <cstdint>
#include <string_view>
#include <vector>

namespace vt {

// Pixels are 0xAARRGGBB numbers: blue, green, red, alpha bytes in memory.
constexpr uint32_t kAlphaMask = 0xFF000000u;
constexpr uint32_t kColorMask = 0x00FFFFFFu;
// The transparent key of every skin image (red 127, green 0, blue 127, alpha 0).
constexpr uint32_t kKeyPixelValue = 0x007F007Fu;

// Combines `width` source pixels into `width` target pixels. The rows never overlap.
using TRowKernel = void (*)(uint32_t* dst, const uint32_t* src, int width);

// Writes the runs of pixels that are not exactly kKeyPixelValue (all 32 bits compared) as
// pairs of column boundaries [start, end), left to right, into `bounds` (room for
// width + 1 entries), and returns the number of runs.
using TRunScanner = int (*)(const uint32_t* row, int width, int32_t* bounds);

struct TPixelKernels {
  const char* Name;  // "scalar", "sse2", "avx2": the benchmark and test names
  TRowKernel Blend;
  TRowKernel KeyCopy;
  TRowKernel Copy;
  TRunScanner OpaqueRuns;
};

// The reference table (plain C++).
const TPixelKernels& PortableKernels();
// The packed-integer tables, or nullptr when not compiled in or not supported here.
const TPixelKernels* Sse2Kernels();
const TPixelKernels* Avx2Kernels();
// Every table this processor can run, the portable one first.
std::vector<const TPixelKernels*> AvailableKernels();

// The best table that `disabled` (the form of VTSKIN_DISABLE_SIMD: names separated by
// commas, any letter case, or "all") leaves.
const TPixelKernels& ChooseKernels(std::string_view disabled);

// The table the drawing code uses: ChooseKernels(VTSKIN_DISABLE_SIMD), decided once.
const TPixelKernels& ActiveKernels();
// Replaces the active table (tests and benchmarks compare variants through the real
// drawing code); nullptr returns to the choice made at start.
void SetActiveKernels(const TPixelKernels* kernels);

// ---- Per-pixel reference formulas ---------------------------------------------------
// Internal linkage on purpose: the SIMD files use these for their tails while compiled
// with -mavx2, and an inline function shared between translation units could otherwise
// be linked in from the AVX2 object and run on a processor without AVX2.

// Alpha blending (docs/pixel-math.md, "Blend"): a = 0 keeps d, a = 255 copies s, else each
// colour byte is (s*a + d*(255-a)) >> 8 and alpha becomes 255.
static inline uint32_t BlendPixel(uint32_t d, uint32_t s) {
  const uint32_t a = s >> 24;
  if (a == 0) return d;
  if (a == 255) return s;
  const uint32_t inv = 255 - a;
  const uint32_t b = ((s & 0xFF) * a + (d & 0xFF) * inv) >> 8;
  const uint32_t g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * inv) >> 8;
  const uint32_t r = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * inv) >> 8;
  return kAlphaMask | (r << 16) | (g << 8) | b;
}

// Key copy (docs/pixel-math.md, "Key copy"): the key colour keeps d whatever s's alpha is;
// anything else is copied with alpha 255.
static inline uint32_t KeyCopyPixel(uint32_t d, uint32_t s) {
  return (s & kColorMask) == kKeyPixelValue ? d : (s | kAlphaMask);
}

}  // namespace vt
