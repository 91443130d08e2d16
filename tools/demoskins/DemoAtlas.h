#pragma once
// Collects the painted pieces of one skin image ("sprites") in rows, packs them into one
// TteBitmap and remembers where each landed, so that bitmap links can name them.
//
// Each row holds one part's looks side by side (normal, hot, pressed, focused, disabled),
// which makes the image read like a state table when a designer opens it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DemoPainter.h"
#include "rtl/Types.h"

namespace vt::demo {

enum class TTransparency {
  Alpha,  // smooth edges with partial alpha
  Key,    // only the transparent key: the image exports as a bitmap
};

class TAtlas {
 public:
  TAtlas(std::string imageName, TTransparency transparency);

  const std::string& ImageName() const { return FImageName; }
  // Starts a new row; the sprites added next go side by side in it.
  void NewRow();
  // Adds a sprite under a key unique within this atlas ("face.hot").
  void Add(const std::string& key, TPicture picture);
  // Where a sprite landed (valid after Pack), or a sub-rectangle of it.
  TRect Rect(const std::string& key) const;
  TRect SubRect(const std::string& key, int left, int top, int width, int height) const;

  // Lays out the rows and paints the image. The layout leaves 2 pixels of transparent
  // key around every sprite so that no stretched piece ever samples a neighbour.
  std::unique_ptr<TteBitmap> Pack();

 private:
  struct TSprite {
    std::string Key;
    TPicture Picture;
    int Row = 0;
    TRect Placed;
  };
  std::string FImageName;
  TTransparency FTransparency;
  std::vector<TSprite> FSprites;
  int FRow = 0;
  bool FPacked = false;
};

}  // namespace vt::demo
