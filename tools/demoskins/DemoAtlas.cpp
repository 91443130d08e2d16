#include "DemoAtlas.h"

#include <algorithm>
#include <stdexcept>

namespace vt::demo {

namespace {
constexpr int kGap = 2;
}

TAtlas::TAtlas(std::string imageName, TTransparency transparency)
    : FImageName(std::move(imageName)), FTransparency(transparency) {}

void TAtlas::NewRow() {
  if (!FSprites.empty() && FSprites.back().Row == FRow) ++FRow;
}

void TAtlas::Add(const std::string& key, TPicture picture) {
  for (const TSprite& sprite : FSprites)
    if (sprite.Key == key) throw std::logic_error("sprite \"" + key + "\" added twice");
  FSprites.push_back({key, std::move(picture), FRow, {}});
}

TRect TAtlas::Rect(const std::string& key) const {
  for (const TSprite& sprite : FSprites)
    if (sprite.Key == key) {
      if (!FPacked) throw std::logic_error("atlas \"" + FImageName + "\" is not packed yet");
      return sprite.Placed;
    }
  throw std::logic_error("no sprite \"" + key + "\" in \"" + FImageName + "\"");
}

TRect TAtlas::SubRect(const std::string& key, int left, int top, int width, int height) const {
  const TRect whole = Rect(key);
  return TRect::FromSize(whole.Left + left, whole.Top + top, width, height);
}

std::unique_ptr<TteBitmap> TAtlas::Pack() {
  int x = kGap, y = kGap, rowHeight = 0, width = 0, row = 0;
  for (TSprite& sprite : FSprites) {
    if (sprite.Row != row) {
      y += rowHeight + kGap;
      x = kGap;
      rowHeight = 0;
      row = sprite.Row;
    }
    sprite.Placed = TRect::FromSize(x, y, sprite.Picture.Width(), sprite.Picture.Height());
    x += sprite.Picture.Width() + kGap;
    rowHeight = std::max(rowHeight, sprite.Picture.Height());
    width = std::max(width, x);
  }
  const int height = y + rowHeight + kGap;
  auto bitmap = std::make_unique<TteBitmap>();
  bitmap->SetName(FImageName);
  bitmap->SetSize(width, height);
  bitmap->FillColor(kKeyPixel);
  for (const TSprite& sprite : FSprites) {
    if (FTransparency == TTransparency::Key)
      sprite.Picture.WriteKeyedTo(*bitmap, sprite.Placed.Left, sprite.Placed.Top);
    else
      sprite.Picture.WriteTo(*bitmap, sprite.Placed.Left, sprite.Placed.Top);
  }
  // The same flags a loaded skin gets, so that every storage variant of the demo skins
  // holds exactly these images.
  bitmap->ProcessKeyOnLoad();
  FPacked = true;
  return bitmap;
}

}  // namespace vt::demo
