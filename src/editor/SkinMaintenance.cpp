#include "editor/SkinMaintenance.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "rtl/TypInfo.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {

namespace {

void ForEachObject(TSeSkinObject& object, const std::function<void(TSeSkinObject&)>& visit) {
  visit(object);
  for (int i = 0; i < object.ChildCount(); ++i) ForEachObject(*object.Children(i), visit);
}

void ForEachObject(TSeSkinSource& source, const std::function<void(TSeSkinObject&)>& visit) {
  for (int i = 0; i < source.Count(); ++i) ForEachObject(*source.Objects(i), visit);
}

void ResolveAllLinks(TSeSkinSource& source) {
  for (int i = 0; i < source.Count(); ++i) source.Objects(i)->UpdateLinks();
}

// The fonts the maintenance commands treat, by class.
std::vector<TFont*> FontsOf(TSeSkinObject& object) {
  std::vector<TFont*> fonts{object.Font()};
  if (auto* active = dynamic_cast<TSeActiveObject*>(&object)) fonts.push_back(active->ActiveFont());
  if (auto* active = dynamic_cast<TSeActiveBitmap*>(&object)) fonts.push_back(active->ActiveFont());
  if (auto* text = dynamic_cast<TSeTextObject*>(&object))
    for (TFont* font :
         {text->FontHot(), text->FontFocused(), text->FontPressed(), text->FontDisabled()})
      fonts.push_back(font);
  return fonts;
}

// One colour slot: how to read it and how to write it.
struct TColorSlot {
  std::function<TColor()> Get;
  std::function<void(TColor)> Set;
};

TColorSlot FontColorSlot(TFont* font) {
  return {[font] { return font->GetColor(); }, [font](TColor c) { font->SetColor(c); }};
}

std::vector<TColorSlot> ColorsOf(TSeSkinObject& object) {
  std::vector<TColorSlot> colorSlots{
      {[&object] { return object.GetColor(); }, [&object](TColor c) { object.SetColor(c); }}};
  if (auto* active = dynamic_cast<TSeActiveObject*>(&object)) {
    colorSlots.push_back({[active] { return active->GetActiveColor(); },
                          [active](TColor c) { active->SetActiveColor(c); }});
    colorSlots.push_back(FontColorSlot(active->ActiveFont()));
    colorSlots.push_back(FontColorSlot(active->Font()));
  }
  if (auto* active = dynamic_cast<TSeActiveBitmap*>(&object)) {
    colorSlots.push_back(FontColorSlot(active->ActiveFont()));
    colorSlots.push_back(FontColorSlot(active->Font()));
  }
  return colorSlots;
}

std::vector<TteBitmapLink*> LinksOf(TSeSkinObject& object) {
  std::vector<TteBitmapLink*> links;
  for (const TPropInfo* property : object.ClassInfo().AllProperties())
    if (property->Kind() == TTypeKind::Class)
      if (auto* link = dynamic_cast<TteBitmapLink*>(property->GetObject(object)))
        links.push_back(link);
  return links;
}

// Which pixels of the packed image are taken, with a summed-area table so that asking
// whether a rectangle is free costs four look-ups.
class TPackingArea {
 public:
  TPackingArea(int width, int height)
      : FWidth(width), FHeight(height), FTaken(size_t(width) * height, 0) {
    Summarise();
  }
  std::optional<TPoint> FirstFreePlace(int w, int h) const {
    if (w <= 0 || h <= 0) return TPoint{0, 0};  // nothing to place
    if (w > FWidth || h > FHeight) return std::nullopt;
    for (int y = 0; y + h <= FHeight; ++y)
      for (int x = 0; x + w <= FWidth; ++x)
        if (TakenIn(x, y, w, h) == 0) return TPoint{x, y};
    return std::nullopt;
  }
  void Take(TPoint place, int w, int h) {
    if (w <= 0 || h <= 0) return;
    for (int y = place.Y; y < place.Y + h; ++y)
      std::fill_n(FTaken.begin() + size_t(y) * FWidth + place.X, w, 1);
    Summarise();
  }

 private:
  int64_t Sum(int x, int y) const { return FSums[size_t(y) * (FWidth + 1) + x]; }
  int64_t TakenIn(int x, int y, int w, int h) const {
    return Sum(x + w, y + h) - Sum(x, y + h) - Sum(x + w, y) + Sum(x, y);
  }
  void Summarise() {
    FSums.assign(size_t(FWidth + 1) * (FHeight + 1), 0);
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        FSums[size_t(y + 1) * (FWidth + 1) + x + 1] =
            FTaken[size_t(y) * FWidth + x] + Sum(x, y + 1) + Sum(x + 1, y) - Sum(x, y);
  }

  int FWidth, FHeight;
  std::vector<uint8_t> FTaken;
  std::vector<int64_t> FSums;
};

bool Report(const TProgress& progress, int done, int total) {
  return !progress || progress(done, total);
}

// PlaceImages, telling `placed` after each image; nothing when it answers false.
std::optional<std::vector<TPoint>> PlaceImagesStepping(const TteBitmapList& bitmaps, int width,
                                                       int height,
                                                       const std::function<bool(int)>& placed) {
  if (bitmaps.Count() == 0 || width <= 0 || height <= 0) return std::nullopt;
  // The table of the area holds (width + 1) x (height + 1) sums of eight bytes.
  if (int64_t{width} * height > (int64_t{1} << 26)) return std::nullopt;
  TPackingArea area(width, height);
  std::vector<TPoint> places;
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& image = *bitmaps.Bitmaps(i);
    const std::optional<TPoint> place = area.FirstFreePlace(image.Width(), image.Height());
    if (!place) return std::nullopt;
    area.Take(*place, image.Width(), image.Height());
    places.push_back(*place);
    if (!placed(i + 1)) return std::nullopt;
  }
  return places;
}

// A link's rectangle comes from the file and may lie anywhere: the move saturates
// instead of overflowing.
int32_t MovedCoordinate(int32_t value, int32_t offset) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{value} + offset, INT32_MIN, INT32_MAX));
}

TRect Moved(const TRect& rect, TPoint offset) {
  return {MovedCoordinate(rect.Left, offset.X), MovedCoordinate(rect.Top, offset.Y),
          MovedCoordinate(rect.Right, offset.X), MovedCoordinate(rect.Bottom, offset.Y)};
}

}  // namespace

void ChangeAllFonts(TSeSkinSource& source, const TFont& font) {
  ForEachObject(source, [&font](TSeSkinObject& object) {
    for (TFont* own : FontsOf(object)) {
      own->SetName(font.GetName());
      own->SetColor(ColorToRGB(own->GetColor()));
    }
  });
}

int ReplaceColor(TSeSkinSource& source, const std::string& from, TColor to) {
  const TColor replacement = ColorToRGB(to);
  int count = 0;
  ForEachObject(source, [&](TSeSkinObject& object) {
    for (const TColorSlot& slot : ColorsOf(object))
      if (ColorToString(slot.Get()) == from) {
        slot.Set(replacement);
        ++count;
      }
  });
  return count;
}

std::optional<int> RemoveDuplicateImages(TSeSkinSource& source, const TProgress& progress) {
  TteBitmapList& bitmaps = source.Bitmaps();
  // The duplicates are found first and removed only when the search was not cancelled.
  std::vector<bool> duplicate(static_cast<size_t>(bitmaps.Count()), false);
  for (int i = 0; i < bitmaps.Count(); ++i) {
    if (!duplicate[i])
      for (int j = i + 1; j < bitmaps.Count(); ++j)
        duplicate[j] =
            duplicate[j] || SameText(bitmaps.Bitmaps(i)->Name(), bitmaps.Bitmaps(j)->Name());
    if (!Report(progress, i + 1, bitmaps.Count())) return std::nullopt;
  }
  int removed = 0;
  for (int i = bitmaps.Count() - 1; i >= 0; --i)
    if (duplicate[i]) {
      // The links let go of it below, before anything paints again.
      std::unique_ptr<TteBitmap> freed(bitmaps.Extract(i));
      ++removed;
    }
  ResolveAllLinks(source);
  return removed;
}

std::optional<std::vector<TPoint>> PlaceImages(const TteBitmapList& bitmaps, int width,
                                               int height) {
  return PlaceImagesStepping(bitmaps, width, height, [](int) { return true; });
}

TteBitmap* PackImages(TSeSkinSource& source, int width, int height, const TProgress& progress) {
  TteBitmapList& bitmaps = source.Bitmaps();
  // Placing and copying take a step per image each.
  const int steps = 2 * bitmaps.Count();
  const std::optional<std::vector<TPoint>> found = PlaceImagesStepping(
      bitmaps, width, height, [&](int placed) { return Report(progress, placed, steps); });
  if (!found) return nullptr;
  const std::vector<TPoint>& places = *found;
  auto packed = std::make_unique<TteBitmap>();
  packed->SetSize(width, height);
  packed->FillColor(kKeyPixel);
  packed->SetName(kPackedImageName);
  // The first image of a name gives the place its links move to.
  std::map<std::string, TPoint> placeOf;
  bool alpha = false, key = false;
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& image = *bitmaps.Bitmaps(i);
    alpha = alpha || image.AlphaFlag();
    key = key || image.KeyFlag();
    for (int y = 0; y < image.Height(); ++y)
      std::copy_n(image.ScanLine(y), image.Width(),
                  packed->ScanLine(places[i].Y + y) + places[i].X);
    placeOf.emplace(image.Name(), places[i]);
    // Nothing of the skin has changed yet: a cancel frees the packed image only.
    if (!Report(progress, bitmaps.Count() + i + 1, steps)) return nullptr;
  }
  ForEachObject(source, [&placeOf](TSeSkinObject& object) {
    for (TteBitmapLink* link : LinksOf(object)) {
      const auto found = placeOf.find(link->GetName());
      if (found == placeOf.end()) continue;
      link->SetName(kPackedImageName);
      link->SetRect(Moved(link->Rect(), found->second));
    }
  });
  // Pixels keep the meaning they had: the packed image combines as its images did.
  packed->SetAlphaFlag(alpha);
  packed->SetKeyFlag(key);
  TteBitmap* result = packed.release();
  bitmaps.Clear();
  bitmaps.Add(result);
  ResolveAllLinks(source);
  return result;
}

}  // namespace vt
