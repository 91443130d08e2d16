// Skin bitmap benchmarks: the three row kernels through TteBitmap::Draw, stretching,
// tiling and region building, for every kernel table, beside the same work done by
// memcpy, pixman (premultiplied a8r8g8b8) and Qt's QBitmap route.
//
// Names: <Operation>/<implementation>/<width>x<height>/<images>, where <images> is
//   runs   - runs of 1 to 48 pixels: 40% key, 40% opaque, 20% partly transparent
//   random - the same mix with the class chosen anew for every pixel
//   mask   - a shape with rounded corners and round holes (CreateRegion)
// Items per second are pixels per second.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "skin/pixel_kernels.h"
#include "skin/te_bitmap.h"

namespace vt {
namespace {

enum class TImageSet { Runs, Random };

const char* SetName(TImageSet set) {
  return set == TImageSet::Runs ? "runs" : "random";
}

struct TSize {
  int Width, Height;
  std::string Name() const { return std::to_string(Width) + "x" + std::to_string(Height); }
};

const TSize kSizes[] = {{256, 256}, {1920, 1080}};

// One pixel of a class: the key, an opaque colour, or a partly transparent colour.
uint32_t PixelOfClass(std::mt19937& random, uint32_t klass) {
  const uint32_t colour = random() & kColorMask;
  if (klass < 40) return kKeyPixelValue;
  if (klass < 80) return colour | kAlphaMask;
  return colour | (1 + random() % 254) << 24;
}

std::vector<uint32_t> SourcePixels(int width, int height, TImageSet set) {
  std::mt19937 random(12345);
  std::vector<uint32_t> pixels(size_t(width) * height);
  for (size_t i = 0; i < pixels.size();) {
    const uint32_t klass = random() % 100;
    const size_t run = set == TImageSet::Runs ? 1 + random() % 48 : 1;
    for (size_t k = 0; k < run && i < pixels.size(); ++k, ++i)
      pixels[i] = PixelOfClass(random, klass);
  }
  return pixels;
}

enum class TFlags { Alpha, Key, None };

std::unique_ptr<TteBitmap> MakeSource(int width, int height, TImageSet set, TFlags flags) {
  auto bitmap = std::make_unique<TteBitmap>();
  bitmap->SetSize(width, height);
  const std::vector<uint32_t> pixels = SourcePixels(width, height, set);
  std::memcpy(bitmap->ScanLine(0), pixels.data(), pixels.size() * 4);
  bitmap->SetAlphaFlag(flags == TFlags::Alpha);
  bitmap->SetKeyFlag(flags == TFlags::Key);
  return bitmap;
}

std::unique_ptr<TteBitmap> MakeTarget(int width, int height) {
  auto bitmap = std::make_unique<TteBitmap>();
  bitmap->SetSize(width, height);
  std::mt19937 random(777);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->ScanLine(y)[x] = random() | kAlphaMask;
  return bitmap;
}

// ---- Our implementations -----------------------------------------------------------------

// Runs `draw` with the kernel table of that name active.
void RunWithKernels(benchmark::State& state, const TPixelKernels* kernels, int64_t pixels,
                    const std::function<void()>& draw) {
  SetActiveKernels(kernels);
  for (auto _ : state) {
    draw();
    benchmark::ClobberMemory();
  }
  SetActiveKernels(nullptr);
  state.SetItemsProcessed(state.iterations() * pixels);
}

void Composite(benchmark::State& state, const TPixelKernels* kernels, TSize size, TImageSet set,
               TFlags flags) {
  const auto source = MakeSource(size.Width, size.Height, set, flags);
  const auto target = MakeTarget(size.Width, size.Height);
  TCanvas canvas(target->Surface());
  RunWithKernels(state, kernels, int64_t{size.Width} * size.Height,
                 [&] { source->Draw(canvas, 0, 0); });
}

const TSize kStretchFrom{300, 250}, kStretchTo{2400, 2000};

void StretchNearest(benchmark::State& state, const TPixelKernels* kernels, TImageSet set) {
  const auto source = MakeSource(kStretchFrom.Width, kStretchFrom.Height, set, TFlags::Alpha);
  const auto target = MakeTarget(kStretchTo.Width, kStretchTo.Height);
  TCanvas canvas(target->Surface());
  const TRect to{0, 0, kStretchTo.Width, kStretchTo.Height};
  const TRect from{0, 0, kStretchFrom.Width, kStretchFrom.Height};
  RunWithKernels(state, kernels, int64_t{to.Width()} * to.Height(),
                 [&] { source->Draw(canvas, to, from); });
}

constexpr int kTilePiece = 16;

void Tile(benchmark::State& state, const TPixelKernels* kernels, TSize size, TImageSet set) {
  const auto source = MakeSource(64, 64, set, TFlags::Alpha);
  const auto target = MakeTarget(size.Width, size.Height);
  TCanvas canvas(target->Surface());
  const TRect to{0, 0, size.Width, size.Height};
  const TRect piece{0, 0, kTilePiece, kTilePiece};
  RunWithKernels(state, kernels, int64_t{size.Width} * size.Height,
                 [&] { source->Tile(canvas, to, piece); });
}

// A shape with rounded corners (radius an eighth of the height) and a row of round holes.
std::unique_ptr<TteBitmap> MakeMask(TSize size) {
  auto mask = MakeTarget(size.Width, size.Height);
  const int r = size.Height / 8, w = size.Width, h = size.Height;
  const auto inside = [](int dx, int dy, int radius) {
    return dx * dx + dy * dy <= radius * radius;
  };
  for (int y = 0; y < h; ++y) {
    uint32_t* row = mask->ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
      bool opaque = inside(x - cx, y - cy, r);
      for (int hole = 1; hole <= 4; ++hole)
        if (inside(x - hole * w / 5, y - h / 2, h / 10)) opaque = false;
      if (!opaque) row[x] = kKeyPixelValue;
    }
  }
  return mask;
}

void CreateRegion(benchmark::State& state, const TPixelKernels* kernels, TSize size) {
  const auto mask = MakeMask(size);
  RunWithKernels(state, kernels, int64_t{size.Width} * size.Height,
                 [&] { benchmark::DoNotOptimize(mask->CreateRegion(0, 0)); });
}

// ---- Peers -------------------------------------------------------------------------------------

void Memcpy(benchmark::State& state, TSize size) {
  const auto source = MakeSource(size.Width, size.Height, TImageSet::Runs, TFlags::None);
  const auto target = MakeTarget(size.Width, size.Height);
  const size_t bytes = size_t(size.Width) * size.Height * 4;
  for (auto _ : state) {
    std::memcpy(target->ScanLine(0), source->ScanLine(0), bytes);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size.Width * size.Height);
}

// A premultiplied a8r8g8b8 pixman image over its own pixels.
class TPixmanImage {
 public:
  TPixmanImage(const TteBitmap& bitmap, bool premultiply)
      : FPixels(bitmap.ScanLine(0), bitmap.ScanLine(0) + size_t(bitmap.Width()) * bitmap.Height()) {
    if (premultiply)
      for (uint32_t& p : FPixels) p = Premultiplied(p);
    FImage = pixman_image_create_bits(PIXMAN_a8r8g8b8, bitmap.Width(), bitmap.Height(),
                                      FPixels.data(), bitmap.Width() * 4);
  }
  ~TPixmanImage() { pixman_image_unref(FImage); }
  TPixmanImage(const TPixmanImage&) = delete;
  TPixmanImage& operator=(const TPixmanImage&) = delete;
  pixman_image_t* Image() const { return FImage; }

 private:
  static uint32_t Premultiplied(uint32_t p) {
    const uint32_t a = p >> 24;
    const auto channel = [a, p](int shift) {
      return (((p >> shift) & 0xFF) * a + 127) / 255 << shift;
    };
    return a << 24 | channel(16) | channel(8) | channel(0);
  }

  std::vector<uint32_t> FPixels;
  pixman_image_t* FImage;
};

void PixmanComposite(benchmark::State& state, pixman_op_t op, TSize size, TImageSet set) {
  const auto sourceBitmap = MakeSource(size.Width, size.Height, set, TFlags::Alpha);
  const auto targetBitmap = MakeTarget(size.Width, size.Height);
  const TPixmanImage source(*sourceBitmap, true), target(*targetBitmap, false);
  for (auto _ : state) {
    pixman_image_composite32(op, source.Image(), nullptr, target.Image(), 0, 0, 0, 0, 0, 0,
                             size.Width, size.Height);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size.Width * size.Height);
}

void PixmanStretch(benchmark::State& state, TImageSet set) {
  const auto sourceBitmap = MakeSource(kStretchFrom.Width, kStretchFrom.Height, set, TFlags::Alpha);
  const auto targetBitmap = MakeTarget(kStretchTo.Width, kStretchTo.Height);
  const TPixmanImage source(*sourceBitmap, true), target(*targetBitmap, false);
  pixman_transform_t scale;
  pixman_transform_init_scale(&scale, pixman_int_to_fixed(kStretchFrom.Width) / kStretchTo.Width,
                              pixman_int_to_fixed(kStretchFrom.Height) / kStretchTo.Height);
  pixman_image_set_transform(source.Image(), &scale);
  pixman_image_set_filter(source.Image(), PIXMAN_FILTER_NEAREST, nullptr, 0);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, source.Image(), nullptr, target.Image(), 0, 0, 0, 0, 0,
                             0, kStretchTo.Width, kStretchTo.Height);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kStretchTo.Width * kStretchTo.Height);
}

void PixmanTile(benchmark::State& state, TSize size, TImageSet set) {
  const auto sourceBitmap = MakeSource(kTilePiece, kTilePiece, set, TFlags::Alpha);
  const auto targetBitmap = MakeTarget(size.Width, size.Height);
  const TPixmanImage source(*sourceBitmap, true), target(*targetBitmap, false);
  pixman_image_set_repeat(source.Image(), PIXMAN_REPEAT_NORMAL);
  for (auto _ : state) {
    pixman_image_composite32(PIXMAN_OP_OVER, source.Image(), nullptr, target.Image(), 0, 0, 0, 0, 0,
                             0, size.Width, size.Height);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size.Width * size.Height);
}

void QBitmapRegion(benchmark::State& state, TSize size) {
  const auto mask = MakeMask(size);
  const QImage image = mask->ToImage();
  for (auto _ : state) {
    const QImage bits = image.createMaskFromColor(kKeyPixelValue, Qt::MaskInColor);
    benchmark::DoNotOptimize(QRegion(QBitmap::fromImage(bits)));
  }
  state.SetItemsProcessed(state.iterations() * size.Width * size.Height);
}

// ---- Registration ------------------------------------------------------------------------------

std::string Name(const std::string& op, const std::string& impl, const std::string& size,
                 const std::string& images) {
  return op + "/" + impl + "/" + size + "/" + images;
}

void Register(const std::string& name, std::function<void(benchmark::State&)> run) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(run))->Unit(benchmark::kMicrosecond);
}

void RegisterComposites(const TSize& size, TImageSet set) {
  const std::string sizeName = size.Name(), images = SetName(set);
  const struct {
    const char* Op;
    TFlags Flags;
  } operations[] = {{"Blend", TFlags::Alpha}, {"KeyCopy", TFlags::Key}, {"Copy", TFlags::None}};
  for (const auto& op : operations) {
    for (const TPixelKernels* kernels : AvailableKernels())
      Register(Name(op.Op, kernels->Name, sizeName, images),
               [=](benchmark::State& s) { Composite(s, kernels, size, set, op.Flags); });
    if (op.Flags == TFlags::None) continue;
    Register(Name(op.Op, "pixman_over", sizeName, images),
             [=](benchmark::State& s) { PixmanComposite(s, PIXMAN_OP_OVER, size, set); });
    Register(Name(op.Op, "pixman_src", sizeName, images),
             [=](benchmark::State& s) { PixmanComposite(s, PIXMAN_OP_SRC, size, set); });
  }
  if (set == TImageSet::Runs)
    Register(Name("Copy", "memcpy", sizeName, images),
             [=](benchmark::State& s) { Memcpy(s, size); });
}

void RegisterTiles(const TSize& size, TImageSet set) {
  for (const TPixelKernels* kernels : AvailableKernels())
    Register(Name("Tile", kernels->Name, size.Name(), SetName(set)),
             [=](benchmark::State& s) { Tile(s, kernels, size, set); });
  Register(Name("Tile", "pixman_over", size.Name(), SetName(set)),
           [=](benchmark::State& s) { PixmanTile(s, size, set); });
}

void RegisterStretches(TImageSet set) {
  const std::string sizeName = kStretchTo.Name();
  for (const TPixelKernels* kernels : AvailableKernels())
    Register(Name("StretchNearest", kernels->Name, sizeName, SetName(set)),
             [=](benchmark::State& s) { StretchNearest(s, kernels, set); });
  Register(Name("StretchNearest", "pixman_over", sizeName, SetName(set)),
           [=](benchmark::State& s) { PixmanStretch(s, set); });
}

void RegisterRegions(const TSize& size) {
  for (const TPixelKernels* kernels : AvailableKernels())
    Register(Name("CreateRegion", kernels->Name, size.Name(), "mask"),
             [=](benchmark::State& s) { CreateRegion(s, kernels, size); });
  Register(Name("CreateRegion", "qbitmap", size.Name(), "mask"),
           [=](benchmark::State& s) { QBitmapRegion(s, size); });
}

const bool kRegistered = [] {
  for (TImageSet set : {TImageSet::Runs, TImageSet::Random})
    for (const TSize& size : kSizes) RegisterComposites(size, set);
  for (TImageSet set : {TImageSet::Runs, TImageSet::Random}) RegisterStretches(set);
  for (TImageSet set : {TImageSet::Runs, TImageSet::Random})
    for (const TSize& size : kSizes) RegisterTiles(size, set);
  for (const TSize& size : kSizes) RegisterRegions(size);
  return true;
}();

}  // namespace
}  // namespace vt
