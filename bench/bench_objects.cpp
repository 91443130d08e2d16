// Painting a whole skinned form, compared with one full-frame alpha blend of the same
// size in the same run (PaintForm/blend_reference/<w>x<h>): repainting a window while the
// user drags it should cost at most about two such blends. FormRegion measures the window
// shape of the same form.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>

#include "skin/theme_se3objects.h"

namespace vt {
namespace {

uint32_t Argb(int r, int g, int b, int a = 255) {
  return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

// An image whose outer ring of `soft` pixels fades out (real alpha), as skin frames with
// rounded, shadowed corners do.
TteBitmap* FrameImage(const std::string& name, int width, int height, int soft, int r, int g,
                      int b) {
  auto* image = new TteBitmap;
  image->SetName(name);
  image->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int edge = std::min({x, y, width - 1 - x, height - 1 - y});
      const int alpha = edge >= soft ? 255 : 60 + 195 * edge / soft;
      const int shade = (x * 7 + y * 3) % 24;
      image->SetPixel(x, y, Argb(r + shade, g + shade, b + shade, alpha));
    }
  image->CheckAlpha();
  return image;
}

std::unique_ptr<TteBitmapLink> Link(const std::string& name, const TRect& rect) {
  auto link = std::make_unique<TteBitmapLink>();
  link->SetName(name);
  link->SetRect(rect);
  return link;
}

void SetMargins(TSeSkinObject& object, int left, int top, int right, int bottom) {
  object.SetMarginLeft(left);
  object.SetMarginTop(top);
  object.SetMarginRight(right);
  object.SetMarginBottom(bottom);
}

template <class T>
T* Add(TSeSkinObject& parent, TSeAlign align, const TRect& bounds) {
  auto* object = new T(&parent);
  object->SetBounds(bounds);
  object->SetAlign(align);
  return object;
}

// A main window: caption with title and three system buttons, four borders with corners
// drawn nine-part from images with alpha, and a client area holding a menu bar, a tool
// panel with check boxes, a dozen buttons, labels and a status bar.
class TSkinnedForm {
 public:
  TSkinnedForm() {
    FImages.Add(FrameImage("caption", 48, 30, 6, 40, 70, 140));
    FImages.Add(FrameImage("border", 18, 18, 3, 40, 70, 140));
    FImages.Add(FrameImage("sysbuttons", 63, 21, 4, 160, 60, 60));
    FImages.Add(FrameImage("button", 24, 24, 3, 200, 200, 210));
    FImages.Add(FrameImage("bars", 8, 22, 0, 220, 225, 235));
    FImages.Add(FrameImage("check", 13, 13, 2, 250, 250, 250));
    FForm.SetName("Form");
    FForm.SetKind(TSeKind::skForm);
    FForm.SetBounds({0, 0, 640, 480});
    BuildCaption();
    BuildBorders();
    BuildClient();
    FForm.SetBitmapList(&FImages);
    FForm.UpdateLinks();
    FForm.SetActive(true);
  }

  TSeSkinObject& Form() { return FForm; }

 private:
  void BuildCaption() {
    auto* caption = Add<TSeBitmapObject>(FForm, TSeAlign::saMostTop, {0, 0, 640, 30});
    caption->SetKind(TSeKind::skCaption);
    caption->SetBitmap(*Link("caption", {0, 0, 48, 30}));
    caption->SetTileStyle(TscTileStyle::tsStretch);
    caption->SetBorderTileStyle(TscTileStyle::tsStretch);
    SetMargins(*caption, 10, 6, 10, 4);
    auto* title = Add<TSeSkinObject>(*caption, TSeAlign::saClient, {});
    title->SetKind(TSeKind::skTitle);
    title->SetColor(clNone);
    title->SetTextMarginLeft(28);
    title->SetTextMarginRight(90);
    title->SetTextAlign(TSeTextAlign::taLeft);
    title->SetTextEffect(TSeTextEffect::teShadow);
    title->Font()->SetColor(clWhite);
    title->SetText("Veltrane - weather forecast for the next seven days");
    const TSeAction actions[] = {TSeAction::sbaMinimize, TSeAction::sbaMaximize,
                                 TSeAction::sbaClose};
    for (int i = 0; i < 3; ++i) {
      auto* button =
          Add<TSeSystemButton>(*caption, TSeAlign::saTopRight, {560 + 24 * i, 5, 581 + 24 * i, 26});
      button->SetAction(actions[i]);
      button->SetBitmap(*Link("sysbuttons", {21 * i, 0, 21 * i + 21, 21}));
      button->SetActiveBitmap(*Link("sysbuttons", {21 * i, 0, 21 * i + 21, 21}));
    }
  }

  void BuildBorders() {
    auto* bottom = Add<TSeBitmapObject>(FForm, TSeAlign::saMostBottom, {0, 474, 640, 480});
    bottom->SetKind(TSeKind::skBottom);
    bottom->SetBitmap(*Link("border", {0, 12, 18, 18}));
    SetMargins(*bottom, 6, 0, 6, 0);
    auto* left = Add<TSeBitmapObject>(FForm, TSeAlign::saLeft, {0, 0, 6, 10});
    left->SetKind(TSeKind::skLeft);
    left->SetBitmap(*Link("border", {0, 0, 6, 18}));
    SetMargins(*left, 0, 6, 0, 6);
    auto* right = Add<TSeBitmapObject>(FForm, TSeAlign::saRight, {0, 0, 6, 10});
    right->SetKind(TSeKind::skRight);
    right->SetBitmap(*Link("border", {12, 0, 18, 18}));
    SetMargins(*right, 0, 6, 0, 6);
  }

  void BuildClient() {
    auto* client = Add<TSeSkinObject>(FForm, TSeAlign::saClient, {});
    client->SetKind(TSeKind::skClient);
    client->SetColor(RGB(236, 236, 240));
    client->SetDrawIfOwner(true);
    client->SetMasked(false);  // as loading leaves the first client of a form
    auto* menu = Add<TSeBitmapObject>(*client, TSeAlign::saTop, {0, 0, 10, 22});
    menu->SetKind(TSeKind::skMenuBar);
    menu->SetBitmap(*Link("bars", {0, 0, 8, 22}));
    const char* items[] = {"File", "Edit", "View", "Forecast", "Tools", "Help"};
    for (int i = 0; i < 6; ++i) {
      auto* item = Add<TSeTextObject>(*menu, TSeAlign::saNone, {0, 0, 60, 20});
      item->SetText(items[i]);
      item->SetColor(clNone);
      item->SetTextAlign(TSeTextAlign::taCenter);
    }
    auto* status = Add<TSeBitmapObject>(*client, TSeAlign::saBottom, {0, 0, 10, 22});
    status->SetBitmap(*Link("bars", {0, 0, 8, 22}));
    for (int i = 0; i < 3; ++i) {
      auto* panel = Add<TSeTextObject>(*status, TSeAlign::saLeft, {0, 0, 160, 22});
      panel->SetColor(clNone);
      panel->SetTextMarginLeft(4);
      panel->SetText(i == 0 ? "Ready" : i == 1 ? "Station: Veltrane" : "12:00");
    }
    auto* tools = Add<TSeBitmapBoxObject>(*client, TSeAlign::saLeft, {0, 0, 140, 10});
    tools->SetBitmap(*Link("button", {0, 0, 24, 24}));
    tools->SetTileStyle(TscTileStyle::tsStretch);
    tools->SetBorderTileStyle(TscTileStyle::tsStretch);
    SetMargins(*tools, 4, 4, 4, 4);
    for (int i = 0; i < 6; ++i) {
      auto* check = Add<TSeBitmapSkinObject>(*client, TSeAlign::saNone,
                                             TRect::FromSize(14, 70 + 24 * i, 13, 13));
      check->SetBitmap(*Link("check", {0, 0, 13, 13}));
      check->SetTileStyle(TscTileStyle::tsCenter);
    }
    for (int i = 0; i < 12; ++i) {
      auto* button =
          Add<TSeButtonObject>(*client, TSeAlign::saNone,
                               TRect::FromSize(170 + 100 * (i % 4), 80 + 34 * (i / 4), 90, 26));
      button->SetBitmap(*Link("button", {0, 0, 24, 24}));
      button->SetTileStyle(TscTileStyle::tsStretch);
      button->SetBorderTileStyle(TscTileStyle::tsStretch);
      SetMargins(*button, 4, 4, 4, 4);
      button->SetTextAlign(TSeTextAlign::taCenter);
      button->SetText(QString("Button %1").arg(i + 1));
      if (i == 2) button->SetState(ssHot);
    }
    for (int i = 0; i < 8; ++i) {
      auto* label = Add<TSeTextObject>(*client, TSeAlign::saNone,
                                       TRect::FromSize(170, 200 + 20 * i, 300, 18));
      label->SetColor(clNone);
      label->SetText(QString("Temperature at %1:00  %2 degrees").arg(6 + 2 * i).arg(11 + i));
    }
  }

  TteBitmapList FImages;
  TSeSkinObject FForm{nullptr};
};

void BM_PaintForm(benchmark::State& state, int width, int height) {
  TSkinnedForm form;
  form.Form().SetBounds({0, 0, width, height});
  TteBitmap target;
  target.SetSize(width, height);
  for (auto _ : state) {
    TCanvas canvas(target.Surface());
    form.Form().Draw(canvas, TRect{});
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * int64_t{width} * height);
}

// One alpha image of the full frame drawn over it: the cost painting is measured against.
void BM_BlendReference(benchmark::State& state, int width, int height) {
  std::unique_ptr<TteBitmap> image(FrameImage("frame", width, height, 0, 30, 60, 90));
  for (int y = 0; y < height; ++y)  // every pixel half transparent: the blend path
    for (int x = 0; x < width; ++x)
      image->SetPixel(x, y, (image->Pixels(x, y) & 0xFFFFFFu) | 0x80000000u);
  image->CheckAlpha();
  TteBitmap target;
  target.SetSize(width, height);
  target.FillColor(0xFFFFFFFF);
  for (auto _ : state) {
    TCanvas canvas(target.Surface());
    image->Draw(canvas, 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * int64_t{width} * height);
}

void BM_FormRegion(benchmark::State& state) {
  TSkinnedForm form;
  form.Form().SetBounds({0, 0, 1920, 1080});
  for (auto _ : state) {
    QRegion region = form.Form().GetRegion();
    benchmark::DoNotOptimize(region);
  }
}

const bool kRegistered = [] {
  for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{640, 480}}) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    benchmark::RegisterBenchmark(("PaintForm/" + size).c_str(), BM_PaintForm, width, height)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("PaintForm/blend_reference/" + size).c_str(), BM_BlendReference,
                                 width, height)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("FormRegion/1920x1080", BM_FormRegion)
      ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
}  // namespace vt
