// SSE2 row kernels, four pixels per vector, decided in blocks of 32. Compiled with -msse2 on its
// own; everything here has internal linkage so that no SSE2-compiled copy of a shared inline
// function can replace the portable one elsewhere. Results equal the portable kernels bit for bit:
// the formulas and their rounding are in docs/pixel-math.md.
#include <emmintrin.h>

#include "skin/pixel_kernels.h"

namespace vt {

namespace {

inline int LaneMask(__m128i laneCompare) {
  return _mm_movemask_ps(_mm_castsi128_ps(laneCompare));
}

inline __m128i Load(const uint32_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store(uint32_t* p, __m128i v) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

inline __m128i Splat(uint32_t v) {
  return _mm_set1_epi32(static_cast<int>(v));
}

inline __m128i Select(__m128i mask, __m128i ifSet, __m128i ifClear) {
  return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

// Four pixels blended without branches (docs/pixel-math.md, "Blend", packed form). The
// bytes are split into blue/red and green/alpha 16-bit lanes; each is multiplied by
// (a + [a = 255]) for the source and (255 - a + [a = 0]) for the target, summed and
// shifted right by 8. The two corrections make a = 255 give s and a = 0 give d exactly
// (weights 256 and 0), and leave every other alpha on the reference formula. No sum
// exceeds 255 * 256, so 16 unsigned bits hold it.
inline __m128i BlendFour(__m128i s, __m128i d) {
  const __m128i lowBytes = _mm_set1_epi16(0xFF);
  const __m128i alpha32 = _mm_srli_epi32(s, 24);
  const __m128i alpha = _mm_or_si128(alpha32, _mm_slli_epi32(alpha32, 16));  // in both lanes
  const __m128i transparent = _mm_cmpeq_epi16(alpha, _mm_setzero_si128());
  const __m128i sourceWeight = _mm_sub_epi16(alpha, _mm_cmpeq_epi16(alpha, lowBytes));
  const __m128i targetWeight = _mm_sub_epi16(_mm_xor_si128(alpha, lowBytes), transparent);
  const __m128i blueRed =
      _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(s, lowBytes), sourceWeight),
                                   _mm_mullo_epi16(_mm_and_si128(d, lowBytes), targetWeight)),
                     8);
  const __m128i greenAlpha = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(s, 8), sourceWeight),
                                           _mm_mullo_epi16(_mm_srli_epi16(d, 8), targetWeight));
  // Blended pixels become opaque; a = 0 keeps the target's own alpha.
  const __m128i opaqueAlpha = _mm_andnot_si128(transparent, Splat(kAlphaMask));
  return _mm_or_si128(_mm_or_si128(blueRed, _mm_andnot_si128(lowBytes, greenAlpha)), opaqueAlpha);
}

// Blocks of 32 pixels whose alphas are all 0 are skipped and those whose alphas are all
// 255 copied; everything else is computed without branches. Deciding per block keeps
// mispredicted branches rare on images whose transparency changes every few pixels,
// while large transparent or opaque areas still cost next to nothing.
constexpr int kBlock = 32, kVectors = kBlock / 4;

void BlendRowSse2(uint32_t* dst, const uint32_t* src, int width) {
  const __m128i alphaMask = Splat(kAlphaMask);
  int i = 0;
  for (; i + kBlock <= width; i += kBlock) {
    __m128i any = _mm_setzero_si128(), all = alphaMask;
    _Pragma("GCC unroll 8") for (int v = 0; v < kVectors; ++v) {
      const __m128i s = Load(src + i + 4 * v);
      any = _mm_or_si128(any, s);
      all = _mm_and_si128(all, s);
    }
    if (LaneMask(_mm_cmpeq_epi32(_mm_and_si128(any, alphaMask), _mm_setzero_si128())) == 0xF)
      continue;
    if (LaneMask(_mm_cmpeq_epi32(all, alphaMask)) == 0xF) {
      _Pragma("GCC unroll 8") for (int v = 0; v < kVectors; ++v)
          Store(dst + i + 4 * v, Load(src + i + 4 * v));
      continue;
    }
    _Pragma("GCC unroll 8") for (int v = 0; v < kVectors; ++v)
        Store(dst + i + 4 * v, BlendFour(Load(src + i + 4 * v), Load(dst + i + 4 * v)));
  }
  for (; i + 4 <= width; i += 4) Store(dst + i, BlendFour(Load(src + i), Load(dst + i)));
  for (; i < width; ++i) dst[i] = BlendPixel(dst[i], src[i]);
}

// Lanes whose colour is the key (the alpha byte is not compared).
inline __m128i KeyMask(__m128i s) {
  return _mm_cmpeq_epi32(_mm_and_si128(s, Splat(kColorMask)), Splat(kKeyPixelValue));
}

// Blocks of 32 that are all key are skipped, blocks without a key are stored opaque,
// the rest is selected per pixel without branches (docs/pixel-math.md, "Key copy").
void KeyCopyRowSse2(uint32_t* dst, const uint32_t* src, int width) {
  const __m128i alphaMask = Splat(kAlphaMask);
  int i = 0;
  for (; i + kBlock <= width; i += kBlock) {
    __m128i anyKey = _mm_setzero_si128(), allKey = _mm_set1_epi32(-1);
    _Pragma("GCC unroll 8") for (int v = 0; v < kVectors; ++v) {
      const __m128i isKey = KeyMask(Load(src + i + 4 * v));
      anyKey = _mm_or_si128(anyKey, isKey);
      allKey = _mm_and_si128(allKey, isKey);
    }
    if (LaneMask(allKey) == 0xF) continue;
    const bool noKey = LaneMask(anyKey) == 0;
    _Pragma("GCC unroll 8") for (int v = 0; v < kVectors; ++v) {
      const __m128i s = Load(src + i + 4 * v);
      const __m128i opaqueSource = _mm_or_si128(s, alphaMask);
      Store(dst + i + 4 * v,
            noKey ? opaqueSource : Select(KeyMask(s), Load(dst + i + 4 * v), opaqueSource));
    }
  }
  for (; i + 4 <= width; i += 4) {
    const __m128i s = Load(src + i);
    Store(dst + i, Select(KeyMask(s), Load(dst + i), _mm_or_si128(s, alphaMask)));
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
