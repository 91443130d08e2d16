// AVX2 row kernels, eight pixels per vector, decided in blocks of 32. Compiled with -mavx2 on its
// own; everything here has internal linkage so that no AVX2-compiled copy of a shared inline
// function can replace the portable one elsewhere (and then run on a processor without AVX2).
// Results equal the portable kernels bit for bit: the formulas and their rounding are in
// docs/pixel-math.md.
#include <immintrin.h>

#include "skin/pixel_kernels.h"

namespace vt {

namespace {

inline int LaneMask(__m256i laneCompare) {
  return _mm256_movemask_ps(_mm256_castsi256_ps(laneCompare));
}

inline __m256i Load(const uint32_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
inline void Store(uint32_t* p, __m256i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

// Eight pixels blended without branches (docs/pixel-math.md, "Blend", packed form). The
// bytes are split into blue/red and green/alpha 16-bit lanes; each is multiplied by
// (a + [a = 255]) for the source and (255 - a + [a = 0]) for the target, summed and
// shifted right by 8. The two corrections make a = 255 give s and a = 0 give d exactly
// (weights 256 and 0), and leave every other alpha on the reference formula. No sum
// exceeds 255 * 256, so 16 unsigned bits hold it.
inline __m256i BlendEight(__m256i s, __m256i d) {
  const __m256i lowBytes = _mm256_set1_epi16(0xFF);
  // Each pixel's alpha in both of its 16-bit lanes.
  const __m256i alpha = _mm256_shuffle_epi8(
      s, _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1, 3, -1, 3, -1,
                          7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1));
  const __m256i transparent = _mm256_cmpeq_epi16(alpha, _mm256_setzero_si256());
  const __m256i sourceWeight = _mm256_sub_epi16(alpha, _mm256_cmpeq_epi16(alpha, lowBytes));
  const __m256i targetWeight = _mm256_sub_epi16(_mm256_xor_si256(alpha, lowBytes), transparent);
  const __m256i blueRed = _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(s, lowBytes), sourceWeight),
                       _mm256_mullo_epi16(_mm256_and_si256(d, lowBytes), targetWeight)),
      8);
  const __m256i greenAlpha =
      _mm256_add_epi16(_mm256_mullo_epi16(_mm256_srli_epi16(s, 8), sourceWeight),
                       _mm256_mullo_epi16(_mm256_srli_epi16(d, 8), targetWeight));
  // Blended pixels become opaque; a = 0 keeps the target's own alpha.
  const __m256i opaqueAlpha =
      _mm256_andnot_si256(transparent, _mm256_set1_epi32(static_cast<int>(kAlphaMask)));
  return _mm256_or_si256(_mm256_or_si256(blueRed, _mm256_andnot_si256(lowBytes, greenAlpha)),
                         opaqueAlpha);
}

// Lanes below `count` (1..7) set.
inline __m256i FirstLanes(int count) {
  return _mm256_cmpgt_epi32(_mm256_set1_epi32(count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

// The last 1..7 pixels of a row blended as one eight; the lanes past the row are neither
// read nor written.
inline void BlendTail(uint32_t* dst, const uint32_t* src, int count) {
  const __m256i lanes = FirstLanes(count);
  const __m256i s = _mm256_maskload_epi32(reinterpret_cast<const int*>(src), lanes);
  const __m256i d = _mm256_maskload_epi32(reinterpret_cast<const int*>(dst), lanes);
  _mm256_maskstore_epi32(reinterpret_cast<int*>(dst), lanes, BlendEight(s, d));
}

// Blocks of 32 pixels whose alphas are all 0 are skipped and those whose alphas are all
// 255 copied; everything else is computed without branches. Deciding per block keeps
// mispredicted branches rare on images whose transparency changes every few pixels,
// while large transparent or opaque areas still cost next to nothing.
constexpr int kBlock = 32;

void BlendRowAvx2(uint32_t* dst, const uint32_t* src, int width) {
  const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kAlphaMask));
  int i = 0;
  for (; i + kBlock <= width; i += kBlock) {
    const __m256i s0 = Load(src + i), s1 = Load(src + i + 8), s2 = Load(src + i + 16),
                  s3 = Load(src + i + 24);
    const __m256i any = _mm256_or_si256(_mm256_or_si256(s0, s1), _mm256_or_si256(s2, s3));
    if (_mm256_testz_si256(any, alphaMask)) continue;
    const __m256i all = _mm256_and_si256(_mm256_and_si256(s0, s1), _mm256_and_si256(s2, s3));
    const bool opaque = _mm256_testc_si256(all, alphaMask);
    Store(dst + i, opaque ? s0 : BlendEight(s0, Load(dst + i)));
    Store(dst + i + 8, opaque ? s1 : BlendEight(s1, Load(dst + i + 8)));
    Store(dst + i + 16, opaque ? s2 : BlendEight(s2, Load(dst + i + 16)));
    Store(dst + i + 24, opaque ? s3 : BlendEight(s3, Load(dst + i + 24)));
  }
  // Short rows (the pieces of skin objects are often 9 to 31 pixels wide) and the ends of
  // long ones: eight at a time, an opaque or transparent eight taking the shortcut, then
  // the last few pixels as one masked eight or one by one.
  for (; i + 8 <= width; i += 8) {
    const __m256i s = Load(src + i);
    if (_mm256_testc_si256(s, alphaMask))
      Store(dst + i, s);
    else if (!_mm256_testz_si256(s, alphaMask))
      Store(dst + i, BlendEight(s, Load(dst + i)));
  }
  // A masked eight costs about as much as three pixels done one by one.
  if (width - i >= 4) {
    BlendTail(dst + i, src + i, width - i);
    return;
  }
  for (; i < width; ++i) dst[i] = BlendPixel(dst[i], src[i]);
}

// Lanes whose colour is the key (the alpha byte is not compared).
inline __m256i KeyMask(__m256i s) {
  return _mm256_cmpeq_epi32(_mm256_and_si256(s, _mm256_set1_epi32(static_cast<int>(kColorMask))),
                            _mm256_set1_epi32(static_cast<int>(kKeyPixelValue)));
}

// Eight pixels of a key copy: the target where the colour is the key, else the source
// made opaque (docs/pixel-math.md, "Key copy").
inline __m256i KeyCopyEight(__m256i s, __m256i d, __m256i isKey) {
  const __m256i opaqueSource = _mm256_or_si256(s, _mm256_set1_epi32(static_cast<int>(kAlphaMask)));
  return _mm256_blendv_epi8(opaqueSource, d, isKey);
}

// Blocks of 32 that are all key are skipped, blocks without a key are stored opaque,
// the rest is selected per pixel without branches.
void KeyCopyRowAvx2(uint32_t* dst, const uint32_t* src, int width) {
  const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kAlphaMask));
  int i = 0;
  for (; i + kBlock <= width; i += kBlock) {
    const __m256i s0 = Load(src + i), s1 = Load(src + i + 8), s2 = Load(src + i + 16),
                  s3 = Load(src + i + 24);
    const __m256i k0 = KeyMask(s0), k1 = KeyMask(s1), k2 = KeyMask(s2), k3 = KeyMask(s3);
    const __m256i allKey = _mm256_and_si256(_mm256_and_si256(k0, k1), _mm256_and_si256(k2, k3));
    if (LaneMask(allKey) == 0xFF) continue;
    const __m256i anyKey = _mm256_or_si256(_mm256_or_si256(k0, k1), _mm256_or_si256(k2, k3));
    if (_mm256_testz_si256(anyKey, anyKey)) {
      Store(dst + i, _mm256_or_si256(s0, alphaMask));
      Store(dst + i + 8, _mm256_or_si256(s1, alphaMask));
      Store(dst + i + 16, _mm256_or_si256(s2, alphaMask));
      Store(dst + i + 24, _mm256_or_si256(s3, alphaMask));
      continue;
    }
    Store(dst + i, KeyCopyEight(s0, Load(dst + i), k0));
    Store(dst + i + 8, KeyCopyEight(s1, Load(dst + i + 8), k1));
    Store(dst + i + 16, KeyCopyEight(s2, Load(dst + i + 16), k2));
    Store(dst + i + 24, KeyCopyEight(s3, Load(dst + i + 24), k3));
  }
  for (; i + 8 <= width; i += 8) {
    const __m256i s = Load(src + i);
    Store(dst + i, KeyCopyEight(s, Load(dst + i), KeyMask(s)));
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
