// One 75 x 25 push button rendered into a 32-bit image by the skin style on the light demo
// skin (StylePart/PushButton/skin) and by Fusion (StylePart/PushButton/fusion), in the same
// run. Items per second are the button's pixels.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPushButton>
#include <QStyleFactory>
#include <memory>

#include "DemoSkin.h"
#include "controls/TTeStyle.h"
#include "skin/se_skinsource.h"
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt {
namespace {

void UseLightDemoTheme() {
  if (CurrentTheme()) return;
  demo::TDemoSkin skin = demo::BuildDemoSkin(demo::LightLook());
  TSeSkinSource source;
  demo::StoreDemoSkin(skin, source);
  auto theme = std::make_unique<TTeSkinFile>();
  theme->LoadFromSkinSource(source);
  SetCurrentTheme(std::move(theme));
}

void BM_StylePushButton(benchmark::State& state, bool skin) {
  UseLightDemoTheme();
  std::unique_ptr<QStyle> style(skin ? static_cast<QStyle*>(new TTeStyle)
                                     : QStyleFactory::create(QStringLiteral("Fusion")));
  QPushButton button(QStringLiteral("OK"));
  button.setStyle(style.get());
  button.resize(75, 25);
  QImage target(button.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    button.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  button.setStyle(nullptr);
  state.SetItemsProcessed(state.iterations() * 75 * 25);
}

const bool kRegistered = [] {
  benchmark::RegisterBenchmark("StylePart/PushButton/skin", BM_StylePushButton, true);
  benchmark::RegisterBenchmark("StylePart/PushButton/fusion", BM_StylePushButton, false);
  return true;
}();

}  // namespace
}  // namespace vt
