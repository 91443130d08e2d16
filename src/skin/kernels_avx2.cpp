// AVX2 row kernels, eight pixels at a time. Compiled with -mavx2 on its own; everything
// here has internal linkage so that no AVX2-compiled copy of a shared inline function can
// replace the portable one elsewhere (and then run on a processor without AVX2). Results
// equal the portable kernels bit for bit: the formulas and their rounding are in
// docs/pixel-math.md.
#include <immintrin.h>

#include "skin/pixel_kernels.h"

namespace vt {

namespace {

constexpr int kAllLanes = 0xFF;

inline int LaneMask(__m256i laneCompare) {
  return _mm256_movemask_ps(_mm256_castsi256_ps(laneCompare));
}

// (s*a + d*(255-a)) >> 8 on the colour bytes of four pixels widened to 16-bit lanes
// (two per 128-bit half). The sum is at most 255*255, so 16 unsigned bits hold it and
// the shift is exact. `alpha` holds each pixel's alpha in all four of its lanes.
inline __m256i BlendWide(__m256i s16, __m256i d16, __m256i alpha) {
  const __m256i inverse = _mm256_xor_si256(alpha, _mm256_set1_epi16(0xFF));
  const __m256i sum =
      _mm256_add_epi16(_mm256_mullo_epi16(s16, alpha), _mm256_mullo_epi16(d16, inverse));
  return _mm256_srli_epi16(sum, 8);
}

// Eight pixels with mixed alphas: the arithmetic result, then the two exact cases.
inline __m256i BlendMixed(__m256i s, __m256i d, __m256i transparent, __m256i opaque) {
  const __m256i zero = _mm256_setzero_si256();
  // Within each 128-bit half, unpacklo takes pixels 0-1 and unpackhi pixels 2-3; the
  // shuffles spread the alpha byte (3, 7, 11, 15) of the same pixels over 16-bit lanes.
  const __m256i alphaLow = _mm256_shuffle_epi8(
      s, _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, 3, -1, 3, -1, 3,
                          -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1));
  const __m256i alphaHigh = _mm256_shuffle_epi8(
      s, _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1, 11, -1,
                          11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1));
  const __m256i low =
      BlendWide(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero), alphaLow);
  const __m256i high =
      BlendWide(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero), alphaHigh);
  const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kAlphaMask));
  const __m256i blended = _mm256_or_si256(_mm256_packus_epi16(low, high), alphaMask);
  return _mm256_blendv_epi8(_mm256_blendv_epi8(blended, d, transparent), s, opaque);
}

// One group of eight: nothing to do when all are transparent, a store when all are
// opaque (interface images are mostly runs of one or the other), arithmetic otherwise.
inline void BlendGroup(uint32_t* dst, const uint32_t* src) {
  const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kAlphaMask));
  const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src));
  const __m256i alpha = _mm256_and_si256(s, alphaMask);
  const __m256i transparent = _mm256_cmpeq_epi32(alpha, _mm256_setzero_si256());
  if (LaneMask(transparent) == kAllLanes) return;
  const __m256i opaque = _mm256_cmpeq_epi32(alpha, alphaMask);
  __m256i* target = reinterpret_cast<__m256i*>(dst);
  if (LaneMask(opaque) == kAllLanes) {
    _mm256_storeu_si256(target, s);
    return;
  }
  const __m256i d = _mm256_loadu_si256(target);
  _mm256_storeu_si256(target, BlendMixed(s, d, transparent, opaque));
}

void BlendRowAvx2(uint32_t* dst, const uint32_t* src, int width) {
  int i = 0;
  for (; i + 8 <= width; i += 8) BlendGroup(dst + i, src + i);
  for (; i < width; ++i) dst[i] = BlendPixel(dst[i], src[i]);
}

void KeyCopyRowAvx2(uint32_t* dst, const uint32_t* src, int width) {
  const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kAlphaMask));
  const __m256i colorMask = _mm256_set1_epi32(static_cast<int>(kColorMask));
  const __m256i key = _mm256_set1_epi32(static_cast<int>(kKeyPixelValue));
  int i = 0;
  for (; i + 8 <= width; i += 8) {
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    const __m256i isKey = _mm256_cmpeq_epi32(_mm256_and_si256(s, colorMask), key);
    const int keyLanes = LaneMask(isKey);
    if (keyLanes == kAllLanes) continue;
    __m256i* target = reinterpret_cast<__m256i*>(dst + i);
    const __m256i opaqueSource = _mm256_or_si256(s, alphaMask);
    if (keyLanes == 0) {
      _mm256_storeu_si256(target, opaqueSource);
      continue;
    }
    _mm256_storeu_si256(target,
                        _mm256_blendv_epi8(opaqueSource, _mm256_loadu_si256(target), isKey));
  }
  for (; i < width; ++i) dst[i] = KeyCopyPixel(dst[i], src[i]);
}

// Bit i set when pixel i of the group of 64 is not the key pixel.
inline uint64_t NonKeyBits64(const uint32_t* row) {
  const __m256i key = _mm256_set1_epi32(static_cast<int>(kKeyPixelValue));
  uint64_t keyBits = 0;
  for (int group = 0; group < 8; ++group) {
    const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + 8 * group));
    keyBits |= static_cast<uint64_t>(LaneMask(_mm256_cmpeq_epi32(pixels, key))) << (8 * group);
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

int OpaqueRunsAvx2(const uint32_t* row, int width, int32_t* bounds) {
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

void FillAvx2Kernels(TPixelKernels& table) {
  table.Blend = BlendRowAvx2;
  table.KeyCopy = KeyCopyRowAvx2;
  table.OpaqueRuns = OpaqueRunsAvx2;
}

}  // namespace vt
