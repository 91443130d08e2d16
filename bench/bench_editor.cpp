// The editor's two costs that grow with the skin:
//   UndoSnapshot/8MB     PushUndoState plus UndoLastChange on a skin of 8 MB of images and
//                        200 objects, beside UndoSnapshot/memcpy of the same bytes;
//   WorkAreaDrag/800     one drag step at 800 % on a 1024 x 768 form (bounds, realign,
//                        repaint of a 1280 x 800 viewport), beside one Blend of that size
//                        (WorkAreaDrag/blend/1280x800).
// Items per second are skin bytes (undo) and viewport pixels (drag) for both members of
// each pair, so their ratio is the cost relative to the plain operation.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "editor/SkinDocument.h"
#include "editor/WorkArea.h"
#include "skin/pixel_kernels.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {
namespace {

constexpr int kImageWidth = 1024, kImageHeight = 2048;  // 8 MB of pixels
constexpr int kObjectCount = 200;
constexpr int kViewportWidth = 1280, kViewportHeight = 800;

int64_t ImageBytes(const TSeSkinSource& source) {
  int64_t bytes = 0;
  for (int i = 0; i < source.Bitmaps().Count(); ++i)
    bytes +=
        int64_t{4} * source.Bitmaps().Bitmaps(i)->Width() * source.Bitmaps().Bitmaps(i)->Height();
  return bytes;
}

// A form with a grid of coloured children, the first of them selected.
void FillForm(TSkinDocument& document, int width, int height, int objects) {
  TSeSkinObject* form = document.Source().GetFormObject();
  form->SetBounds({0, 0, width, height});
  form->SetColor(0x00D8E0E8);
  for (int i = 0; i < objects; ++i) {
    auto* child = new TSeSkinObject(form);
    child->SetName("Object" + std::to_string(i));
    const int left = (i % 20) * (width / 20), top = (i / 20) * (height / 10 + 1) % height;
    child->SetBounds({left, top, left + width / 24, top + height / 12});
    child->SetColor(static_cast<TColor>(0x00102030 + i * 0x00010203));
  }
  document.Source().BindObject(*form);
  document.Select(form->Children(0));
}

void UndoSnapshot8MB(benchmark::State& state) {
  TSkinDocument document;
  auto* image = new TteBitmap;
  image->SetSize(kImageWidth, kImageHeight);
  image->SetName("big");
  image->FillColor(0xFF336699);
  document.Source().Bitmaps().Add(image);
  FillForm(document, 800, 600, kObjectCount);
  for (auto _ : state) {
    document.PushUndoState();
    document.UndoLastChange();
  }
  state.SetItemsProcessed(state.iterations() * ImageBytes(document.Source()));
}
BENCHMARK(UndoSnapshot8MB)->Name("UndoSnapshot/8MB")->Unit(benchmark::kMillisecond);

void UndoSnapshotMemcpy(benchmark::State& state) {
  const size_t bytes = size_t{4} * kImageWidth * kImageHeight;
  std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(UndoSnapshotMemcpy)->Name("UndoSnapshot/memcpy")->Unit(benchmark::kMillisecond);

void WorkAreaDrag800(benchmark::State& state) {
  SkinDesignMode = true;
  TSkinDocument document;
  FillForm(document, 1024, 768, kObjectCount);
  TWorkArea area(document);
  area.SetScale(8.0);
  QImage viewport(kViewportWidth, kViewportHeight, QImage::Format_ARGB32);
  const QRect visible(0, 0, kViewportWidth, kViewportHeight);
  int step = 1;
  for (auto _ : state) {
    document.DragSelected(TDragHandle::dhMove, step, 0);
    step = -step;
    area.Render(viewport, visible);
    benchmark::DoNotOptimize(viewport.bits());
  }
  state.SetItemsProcessed(state.iterations() * kViewportWidth * kViewportHeight);
}
BENCHMARK(WorkAreaDrag800)->Name("WorkAreaDrag/800")->Unit(benchmark::kMicrosecond);

void WorkAreaDragBlend(benchmark::State& state) {
  std::vector<uint32_t> target(size_t{kViewportWidth} * kViewportHeight, 0xFF808080);
  std::vector<uint32_t> source(target.size(), 0x80336699);
  const TPixelKernels& kernels = ActiveKernels();
  for (auto _ : state) {
    for (int y = 0; y < kViewportHeight; ++y)
      kernels.Blend(target.data() + size_t{kViewportWidth} * y,
                    source.data() + size_t{kViewportWidth} * y, kViewportWidth);
    benchmark::DoNotOptimize(target.data());
  }
  state.SetItemsProcessed(state.iterations() * kViewportWidth * kViewportHeight);
}
BENCHMARK(WorkAreaDragBlend)->Name("WorkAreaDrag/blend/1280x800")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vt
