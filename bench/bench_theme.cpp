// Painting through the skin-backed theme, each beside one alpha blend of the same area in
// the same run (".../blend/<w>x<h>"): a complete scroll bar as a scroll bar control requests
// it, and a main window's frame as the window layer does on every repaint (client
// rectangle, frame, caption with its title and four system buttons). Items per second are
// the pixels of the area; the theme should cost at most three such blends.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "DemoSkin.h"
#include "skin/se_skinsource.h"
#include "theme/theme_se3.h"

namespace vt {
namespace {

// The light demo skin, loaded once for all benchmarks.
TTeSkinFile& DemoTheme() {
  static const std::unique_ptr<TTeSkinFile> theme = [] {
    demo::TDemoSkin skin = demo::BuildDemoSkin(demo::LightLook());
    TSeSkinSource source;
    demo::StoreDemoSkin(skin, source);
    auto loaded = std::make_unique<TTeSkinFile>();
    loaded->LoadFromSkinSource(source);
    return loaded;
  }();
  return *theme;
}

TtePartInfo Part(const TRect& rect, uint8_t part, TteOrientation orientation = koHorizontal) {
  TtePartInfo info;
  info.Rect = rect;
  info.Part = part;
  info.Orientation = orientation;
  return info;
}

void BM_ThemeScrollBar(benchmark::State& state, int width, int height) {
  TTeSkinFile& theme = DemoTheme();
  const std::string object = "default";
  TteBitmap target;
  target.SetSize(width, height);
  const int button = width;
  for (auto _ : state) {
    TCanvas canvas(target.Surface());
    theme.ScrollDrawTrack(canvas, 0, Part({0, 0, width, height}, 0, koVertical), object);
    theme.ScrollDrawButton(canvas, 0, Part({0, 0, width, button}, kspTopButton), object);
    theme.ScrollDrawButton(canvas, 0, Part({0, height - button, width, height}, kspBottomButton),
                           object);
    theme.ScrollDrawButton(
        canvas, 0, Part({0, height / 3, width, height / 3 + height / 4}, kspVertSlider), object);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * int64_t{width} * height);
}

void BM_ThemeFormFrame(benchmark::State& state, int width, int height) {
  TTeSkinFile& theme = DemoTheme();
  const std::string object = "default";
  TteWindowInfo info;
  info.Rect = {0, 0, width, height};
  info.BorderIcons = BorderIconBit(kbiSysMenu) | BorderIconBit(kbiClose) |
                     BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaximize);
  info.Caption = "Veltrane - Forecast for the coming week";
  TteBitmap target;
  target.SetSize(width, height);
  for (auto _ : state) {
    TCanvas canvas(target.Surface());
    const TRect client = theme.WindowGetClientRect(kwkSizeable, info, object);
    benchmark::DoNotOptimize(client);
    theme.WindowDraw(canvas, kwkSizeable, info, object);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * int64_t{width} * height);
}

// One half-transparent image of the whole area drawn over it.
void BM_Blend(benchmark::State& state, int width, int height) {
  TteBitmap image;
  image.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, 0x80000000u | uint32_t((x * 7 + y * 3) % 256) * 0x010101u);
  image.CheckAlpha();
  TteBitmap target;
  target.SetSize(width, height);
  target.FillColor(0xFFFFFFFF);
  for (auto _ : state) {
    TCanvas canvas(target.Surface());
    image.Draw(canvas, 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * int64_t{width} * height);
}

const bool kRegistered = [] {
  benchmark::RegisterBenchmark("ThemeScrollBar/17x400", BM_ThemeScrollBar, 17, 400)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ThemeScrollBar/blend/17x400", BM_Blend, 17, 400)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ThemeFormFrame/1024x768", BM_ThemeFormFrame, 1024, 768)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ThemeFormFrame/blend/1024x768", BM_Blend, 1024, 768)
      ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
}  // namespace vt
