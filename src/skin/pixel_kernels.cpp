// The portable row kernels and the choice of the kernel table at start.
#include "skin/pixel_kernels.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vt {

// The SIMD files fill a copy of the portable table with the entries they speed up.
void FillSse2Kernels(TPixelKernels& table);
void FillAvx2Kernels(TPixelKernels& table);

namespace {

void BlendRowPortable(uint32_t* dst, const uint32_t* src, int width) {
  for (int i = 0; i < width; ++i) dst[i] = BlendPixel(dst[i], src[i]);
}

void KeyCopyRowPortable(uint32_t* dst, const uint32_t* src, int width) {
  for (int i = 0; i < width; ++i) dst[i] = KeyCopyPixel(dst[i], src[i]);
}

// memcpy is already the fastest copy the C library has for this processor.
void CopyRowPortable(uint32_t* dst, const uint32_t* src, int width) {
  if (width > 0) std::memcpy(dst, src, static_cast<size_t>(width) * sizeof(uint32_t));
}

int OpaqueRunsPortable(const uint32_t* row, int width, int32_t* bounds) {
  int count = 0;
  int x = 0;
  while (x < width) {
    while (x < width && row[x] == kKeyPixelValue) ++x;
    if (x == width) break;
    bounds[2 * count] = x;
    while (x < width && row[x] != kKeyPixelValue) ++x;
    bounds[2 * count + 1] = x;
    ++count;
  }
  return count;
}

constexpr TPixelKernels kPortable{"scalar", BlendRowPortable, KeyCopyRowPortable, CopyRowPortable,
                                  OpaqueRunsPortable};

// __builtin_cpu_init makes the answers valid even when asked from a static constructor
// (the benchmarks register themselves that way).
[[maybe_unused]] bool CpuHasSse2() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("sse2");
#else
  return false;
#endif
}

[[maybe_unused]] bool CpuHasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

bool Mentions(std::string_view list, std::string_view variant) {
  while (!list.empty()) {
    const size_t comma = list.find(',');
    std::string item(list.substr(0, comma));
    std::erase(item, ' ');
    for (char& c : item) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (item == "all" || item == variant) return true;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

std::atomic<const TPixelKernels*> gOverride{nullptr};

}  // namespace

const TPixelKernels& PortableKernels() {
  return kPortable;
}

const TPixelKernels* Sse2Kernels() {
#if defined(VTSKIN_HAVE_SSE2_KERNELS)
  static const TPixelKernels table = [] {
    TPixelKernels t = kPortable;
    t.Name = "sse2";
    FillSse2Kernels(t);
    return t;
  }();
  return CpuHasSse2() ? &table : nullptr;
#else
  return nullptr;
#endif
}

const TPixelKernels* Avx2Kernels() {
#if defined(VTSKIN_HAVE_AVX2_KERNELS)
  static const TPixelKernels table = [] {
    TPixelKernels t = kPortable;
    t.Name = "avx2";
    FillAvx2Kernels(t);
    return t;
  }();
  return CpuHasAvx2() ? &table : nullptr;
#else
  return nullptr;
#endif
}

std::vector<const TPixelKernels*> AvailableKernels() {
  std::vector<const TPixelKernels*> tables{&kPortable};
  if (const TPixelKernels* sse2 = Sse2Kernels()) tables.push_back(sse2);
  if (const TPixelKernels* avx2 = Avx2Kernels()) tables.push_back(avx2);
  return tables;
}

const TPixelKernels& ChooseKernels(std::string_view disabled) {
  if (const TPixelKernels* avx2 = Avx2Kernels(); avx2 && !Mentions(disabled, "avx2")) return *avx2;
  if (const TPixelKernels* sse2 = Sse2Kernels(); sse2 && !Mentions(disabled, "sse2")) return *sse2;
  return kPortable;
}

const TPixelKernels& ActiveKernels() {
  static const TPixelKernels* const startup = [] {
    const char* disabled = std::getenv("VTSKIN_DISABLE_SIMD");
    return &ChooseKernels(disabled ? disabled : "");
  }();
  const TPixelKernels* forced = gOverride.load(std::memory_order_relaxed);
  return forced ? *forced : *startup;
}

void SetActiveKernels(const TPixelKernels* kernels) {
  gOverride.store(kernels, std::memory_order_relaxed);
}

}  // namespace vt
