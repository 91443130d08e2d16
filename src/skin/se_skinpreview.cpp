#include "skin/se_skinpreview.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "rtl/AnsiText.h"
#include "rtl/Canvas.h"

namespace vt {

namespace {

std::vector<std::string> PathSteps(const std::string& path) {
  std::vector<std::string> steps;
  std::string::size_type start = 0;
  while (start <= path.size()) {
    const std::string::size_type slash = std::min(path.find('/', start), path.size());
    if (slash > start) steps.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return steps;
}

TSeSkinObject* FindBelow(TSeSkinObject& object, const std::string& name) {
  for (int i = 0; i < object.ChildCount(); ++i)
    if (TSeSkinObject* found = object.Children(i)->FindByName(name)) return found;
  return nullptr;
}

}  // namespace

TSeSkinObject* FindSkinObjectByPath(const TSeSkinSource& source, const std::string& path,
                                    int* missingStep) {
  const std::vector<std::string> steps = PathSteps(path);
  TSeSkinObject* object = steps.empty() ? nullptr : source.GetObjectByName(steps[0]);
  size_t step = 0;
  while (object && ++step < steps.size()) object = FindBelow(*object, steps[step]);
  if (!object && missingStep) *missingStep = int(step);
  return object;
}

std::string SkinObjectPath(const TSeSkinObject& object) {
  std::string path;
  for (const TComponent* c = &object; c; c = c->Owner()) {
    const auto* skinObject = dynamic_cast<const TSeSkinObject*>(c);
    if (!skinObject) break;
    path = path.empty() ? skinObject->GetName() : skinObject->GetName() + "/" + path;
  }
  return path;
}

void RealignSkinTree(TSeSkinObject& object) {
  object.AlignChildren();
  for (int i = 0; i < object.ChildCount(); ++i) RealignSkinTree(*object.Children(i));
}

void PoseSkinObject(TSeSkinObject& object, QSize size, const TSkinObjectPose& pose) {
  // The state first: the window states also decide which caption buttons show, and the
  // border icons then hide those an ordinary window does not have.
  object.SetState(pose.State);
  object.SetBorderIcons(
      BorderIconBit(TSeBorderIcon::biSysMenu) | BorderIconBit(TSeBorderIcon::biClose) |
      BorderIconBit(TSeBorderIcon::biMinimize) | BorderIconBit(TSeBorderIcon::biMaximize));
  object.SetActive(pose.Active);
  if (pose.Text) {
    TSeSkinObject* title = object.FindByKind(TSeKind::skTitle);
    (title ? title : &object)->SetText(*pose.Text);
  }
  object.SetBounds({0, 0, size.width(), size.height()});
  // Hidden caption buttons give their room back only when the tree is laid out again.
  RealignSkinTree(object);
}

namespace {

QImage PaintOver(TSeSkinObject& object, uint32_t background) {
  QImage image(object.GetWidth(), object.GetHeight(), QImage::Format_ARGB32);
  image.fill(background);
  TCanvas canvas(image);
  object.Draw(canvas, TRect{});
  return image;
}

// One pixel's colour and alpha from the same painting over black and over white: where
// the object leaves the background alone the two differ by 255, where it covers it they
// agree, and in between the difference is what shows through.
QRgb UnmixPixel(QRgb black, QRgb white) {
  const int through = std::max(
      {qRed(white) - qRed(black), qGreen(white) - qGreen(black), qBlue(white) - qBlue(black), 0});
  const int alpha = 255 - std::min(through, 255);
  if (alpha == 0) return 0;
  auto unmix = [alpha](int v) { return std::min(255, (v * 255 + alpha / 2) / alpha); };
  return qRgba(unmix(qRed(black)), unmix(qGreen(black)), unmix(qBlue(black)), alpha);
}

QImage RecoverAlpha(const QImage& overBlack, const QImage& overWhite) {
  QImage result(overBlack.size(), QImage::Format_ARGB32);
  for (int y = 0; y < result.height(); ++y) {
    const auto* black = reinterpret_cast<const QRgb*>(overBlack.constScanLine(y));
    const auto* white = reinterpret_cast<const QRgb*>(overWhite.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) out[x] = UnmixPixel(black[x], white[x]);
  }
  return result;
}

// Sets the process-wide design-mode switch for one painting and puts it back, also when
// the painting throws.
class TDesignModeScope {
 public:
  explicit TDesignModeScope(bool designMode) : FSaved(SkinDesignMode) {
    SkinDesignMode = designMode;
  }
  ~TDesignModeScope() { SkinDesignMode = FSaved; }
  TDesignModeScope(const TDesignModeScope&) = delete;
  TDesignModeScope& operator=(const TDesignModeScope&) = delete;

 private:
  bool FSaved;
};

}  // namespace

QImage RenderSkinObject(TSeSkinObject& object, bool designMode) {
  const TDesignModeScope scope(designMode);
  const QImage overBlack = PaintOver(object, 0xFF000000u);
  const QImage overWhite = PaintOver(object, 0xFFFFFFFFu);
  return RecoverAlpha(overBlack, overWhite);
}

QSize ThumbnailSize(QSize formSize, int side) {
  const bool plausible = formSize.width() >= 64 && formSize.height() >= 48 &&
                         formSize.width() <= 2048 && formSize.height() <= 2048;
  const QSize shape = plausible ? formSize : QSize(320, 240);
  const int longer = std::max(shape.width(), shape.height());
  auto scaled = [&](int length) {
    return std::max(1, int((int64_t(length) * side + longer / 2) / longer));
  };
  return {scaled(shape.width()), scaled(shape.height())};
}

QImage RenderSkinThumbnail(const TSeSkinSource& source, int side) {
  const TSeSkinObject* form = source.GetFormObject();
  if (!form || side < 1) return {};
  const std::unique_ptr<TSeSkinObject> copy(CloneSkinObject(*form, nullptr));
  if (!copy) return {};
  // The copy only reads the images while it paints.
  copy->SetBitmapList(const_cast<TteBitmapList*>(&source.Bitmaps()));
  copy->UpdateLinks();
  const QSize formSize(form->GetWidth(), form->GetHeight());
  const QSize target = ThumbnailSize(formSize, side);
  const QSize painted =
      side >= kMinThumbnailPaintSide ? target : ThumbnailSize(formSize, kMinThumbnailPaintSide);
  TSkinObjectPose pose;
  pose.Active = true;
  pose.Text = AnsiToQString(source.GetSkinName());
  PoseSkinObject(*copy, painted, pose);
  const QImage picture = RenderSkinObject(*copy, false);
  if (painted == target) return picture;
  // Scaled in premultiplied form so that transparent pixels do not bleed dark edges.
  return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
      .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace vt
