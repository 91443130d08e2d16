// The controls preview window (TfrmTest, its client 561 x 516 with every control of its
// first page visible, inside the skinned frame) rendered whole into a 32-bit image with
// QWidget::render: every widget on the skin style with the light demo skin current
// (PreviewPaint/TfrmTest/skin), and the same widget tree on Fusion
// (PreviewPaint/TfrmTest/fusion). Items per second are the pixels of the client area.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QStyleFactory>
#include <memory>

#include "controls/TTeStyle.h"
#include "editor/TestForm.h"

namespace vt {
namespace {

void SetStyleOfTree(QWidget& root, QStyle* style) {
  root.setStyle(style);
  for (QWidget* widget : root.findChildren<QWidget*>()) widget->setStyle(style);
}

void BM_PreviewPaint(benchmark::State& state, bool skin) {
  std::unique_ptr<QStyle> style(skin ? static_cast<QStyle*>(new TTeStyle)
                                     : QStyleFactory::create(QStringLiteral("Fusion")));
  TfrmTest form(QStringLiteral(VTSKIN_DEMO_SKIN_DIR "/demo-light.mskn"));
  form.ThemeForm1->SetShowEffect(kNoEffectName);
  SetStyleOfTree(form, style.get());
  // Laid out and polished as on screen, without a window on the screen.
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QImage target(form.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    form.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  SetStyleOfTree(form, nullptr);
  state.SetItemsProcessed(state.iterations() * 561 * 516);
}

const bool kRegistered = [] {
  benchmark::RegisterBenchmark("PreviewPaint/TfrmTest/skin", BM_PreviewPaint, true);
  benchmark::RegisterBenchmark("PreviewPaint/TfrmTest/fusion", BM_PreviewPaint, false);
  return true;
}();

}  // namespace
}  // namespace vt
