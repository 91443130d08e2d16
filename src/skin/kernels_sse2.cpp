// SSE2 row kernels, four pixels at a time. Compiled with -msse2 on its own; everything
// here has internal linkage so that no SSE2-compiled copy of a shared inline function can
// replace the portable one elsewhere. Results equal the portable kernels bit for bit:
// the formulas and their rounding are in docs/pixel-math.md.
#include <emmintrin.h>

#include "skin/pixel_kernels.h"

namespace vt {

namespace {

// All four alphas are 0 / all four are 255: the groups that need no arithmetic.
constexpr int kAllLanes = 0xF;

inline int LaneMask(__m128i laneCompare) {
  return _mm_movemask_ps(_mm_castsi128_ps(laneCompare));
}

// (s*a + d*(255-a)) >> 8 on the colour bytes of two pixels widened to 16-bit lanes. The
// sum is at most 255*255, so 16 unsigned bits hold it and the shift is exact.
inline __m128i BlendWide(__m128i s16, __m128i d16) {
  const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s16, 0xFF), 0xFF);
  const __m128i inverse = _mm_xor_si128(alpha, _mm_set1_epi16(0xFF));
  const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(s16, alpha), _mm_mullo_epi16(d16, inverse));
  return _mm_srli_epi16(sum, 8);
}

inline __m128i Select(__m128i mask, __m128i ifSet, __m128i ifClear) {
  return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

// Four pixels with mixed alphas: the arithmetic result, then the two exact cases.
inline __m128i BlendMixed(__m128i s, __m128i d, __m128i transparent, __m128i opaque) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i low = BlendWide(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
  const __m128i high = BlendWide(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
  const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(kAlphaMask));
  const __m128i blended = _mm_or_si128(_mm_packus_epi16(low, high), alphaMask);
  return Select(opaque, s, Select(transparent, d, blended));
}

void BlendRowSse2(uint32_t* dst, const uint32_t* src, int width) {
  const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(kAlphaMask));
  const __m128i zero = _mm_setzero_si128();
  int i = 0;
  for (; i + 4 <= width; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i alpha = _mm_and_si128(s, alphaMask);
    const __m128i transparent = _mm_cmpeq_epi32(alpha, zero);
    const int transparentLanes = LaneMask(transparent);
    if (transparentLanes == kAllLanes) continue;
    const __m128i opaque = _mm_cmpeq_epi32(alpha, alphaMask);
    __m128i* target = reinterpret_cast<__m128i*>(dst + i);
    if (LaneMask(opaque) == kAllLanes) {
      _mm_storeu_si128(target, s);
      continue;
    }
    const __m128i d = _mm_loadu_si128(target);
    _mm_storeu_si128(target, BlendMixed(s, d, transparent, opaque));
  }
  for (; i < width; ++i) dst[i] = BlendPixel(dst[i], src[i]);
}

void KeyCopyRowSse2(uint32_t* dst, const uint32_t* src, int width) {
  const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(kAlphaMask));
  const __m128i colorMask = _mm_set1_epi32(static_cast<int>(kColorMask));
  const __m128i key = _mm_set1_epi32(static_cast<int>(kKeyPixelValue));
  int i = 0;
  for (; i + 4 <= width; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(s, colorMask), key);
    const int keyLanes = LaneMask(isKey);
    if (keyLanes == kAllLanes) continue;
    __m128i* target = reinterpret_cast<__m128i*>(dst + i);
    const __m128i opaqueSource = _mm_or_si128(s, alphaMask);
    if (keyLanes == 0) {
      _mm_storeu_si128(target, opaqueSource);
      continue;
    }
    _mm_storeu_si128(target, Select(isKey, _mm_loadu_si128(target), opaqueSource));
  }
  for (; i < width; ++i) dst[i] = KeyCopyPixel(dst[i], src[i]);
}

// Bit i set when pixel i of the group of 64 is not the key pixel.
inline uint64_t NonKeyBits64(const uint32_t* row) {
  const __m128i key = _mm_set1_epi32(static_cast<int>(kKeyPixelValue));
  uint64_t keyBits = 0;
  for (int group = 0; group < 16; ++group) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 4 * group));
    keyBits |= static_cast<uint64_t>(LaneMask(_mm_cmpeq_epi32(pixels, key))) << (4 * group);
  }
  return ~keyBits;
}

inline uint64_t NonKeyBitsTail(const uint32_t* row, int count) {
  uint64_t bits = 0;
  for (int i = 0; i < count; ++i) bits |= static_cast<uint64_t>(row[i] != kKeyPixelValue) << i;
  return bits;
}

// Every change between key and non-key is a run boundary; they alternate start, end.
inline int EmitBoundaries(uint64_t bits, uint64_t& previousBit, int base, int32_t* bounds,
                          int count) {
  uint64_t changes = bits ^ ((bits << 1) | previousBit);
  previousBit = bits >> 63;
  while (changes) {
    bounds[count++] = base + __builtin_ctzll(changes);
    changes &= changes - 1;
  }
  return count;
}

int OpaqueRunsSse2(const uint32_t* row, int width, int32_t* bounds) {
  int count = 0;
  uint64_t previousBit = 0;
  int x = 0;
  for (; x + 64 <= width; x += 64)
    count = EmitBoundaries(NonKeyBits64(row + x), previousBit, x, bounds, count);
  // The tail (possibly empty) has zero bits past the end, which closes an open run.
  count = EmitBoundaries(NonKeyBitsTail(row + x, width - x), previousBit, x, bounds, count);
  return count / 2;
}

}  // namespace

void FillSse2Kernels(TPixelKernels& table) {
  table.Blend = BlendRowSse2;
  table.KeyCopy = KeyCopyRowSse2;
  table.OpaqueRuns = OpaqueRunsSse2;
}

}  // namespace vt
