#pragma once
// Builds a complete demo skin for one look: the images (one per top-level object, named
// after it in small letters), every top-level object the themed controls look up with
// every part each control family paints, in all states, and colour, system-colour and
// font tables that match the images.
//
// Building happens in two steps: the family functions paint sprites into atlases and
// create objects whose links are bound to sprite keys; Finish() packs the atlases and
// fills in the links' image names and rectangles.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DemoAtlas.h"
#include "DemoLook.h"
#include "DemoPieces.h"
#include "skin/se_skinsource.h"
#include "skin/te_themetables.h"
#include "skin/theme_se3objects.h"

namespace vt::demo {

// The colour value of a paint colour (alpha dropped).
TColor ToColor(const TRgba& c);

// Bitmap border margins of a part (left, top, right, bottom).
struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  static TMargins All(int m) { return {m, m, m, m}; }
};

// Everything a skin holds, ready to be handed to a skin source.
struct TDemoSkin {
  std::string SkinName, SkinVersion, Author, AuthorEMail, AuthorURL;
  std::vector<std::unique_ptr<TteBitmap>> Bitmaps;
  std::vector<std::unique_ptr<TSeSkinObject>> Objects;
  std::unique_ptr<TteThemeColors> Colors = std::make_unique<TteThemeColors>();
  std::unique_ptr<TteThemeSysColors> SysColors = std::make_unique<TteThemeSysColors>();
  std::unique_ptr<TteThemeFonts> Fonts = std::make_unique<TteThemeFonts>();
};

class TDemoSkinBuilder {
 public:
  explicit TDemoSkinBuilder(const TLook& look) : Look(look) {}
  const TLook& Look;

  // The atlas of that image name, created on first use.
  TAtlas& Atlas(const std::string& imageName, TTransparency transparency = TTransparency::Alpha);
  // Adds a row with the five state looks of a part: sprites "<prefix>.<state>".
  template <class Paint>
  void AddStates(TAtlas& atlas, const std::string& prefix, Paint paint) {
    atlas.NewRow();
    for (TLookState state : kLookStates) atlas.Add(prefix + "." + StateKey(state), paint(state));
  }

  // The link will name the sprite (or the part of it) once the atlases are packed.
  void Bind(TteBitmapLink& link, const TAtlas& atlas, const std::string& key,
            std::optional<TRect> part = std::nullopt);

  // A top-level object (owned by the skin) of `width` x `height` at (0, 0).
  template <class T = TSeSkinObject>
  T* TopLevel(const std::string& name, int width, int height) {
    auto object = std::make_unique<T>(nullptr);
    T* raw = object.get();
    raw->SetName(name);
    raw->SetBounds(TRect::FromSize(0, 0, width, height));
    if constexpr (std::is_same_v<T, TSeSkinObject>) raw->SetColor(clNone);
    FObjects.push_back(std::move(object));
    return raw;
  }
  // A child object with its bounds; aligned children get their place when the tree is
  // laid out at the end.
  template <class T>
  T* Child(TSeSkinObject* owner, const std::string& name, TRect bounds,
           TSeAlign align = TSeAlign::saNone, TSeKind kind = TSeKind::skNone) {
    T* object = new T(owner);
    object->SetName(name);
    object->SetAlign(align);
    object->SetKind(kind);
    object->SetBounds(bounds);
    return object;
  }

  // A bitmap part painted from one sprite.
  TSeBitmapObject* ImagePart(TSeSkinObject* owner, const std::string& name, TRect bounds,
                             const TAtlas& atlas, const std::string& key, TMargins margins,
                             TscTileStyle tile = TscTileStyle::tsStretch);
  // A part with the five state looks "<prefix>.<state>".
  TSeButtonObject* StatePart(TSeSkinObject* owner, const std::string& name, TRect bounds,
                             const TAtlas& atlas, const std::string& prefix, TMargins margins,
                             TscTileStyle tile = TscTileStyle::tsStretch);
  // A glyph centred over the whole part, following the part's state.
  TSeButtonObject* GlyphChild(TSeButtonObject* part, const TAtlas& atlas,
                              const std::string& prefix);

  // Packs the atlases, fills in the links, lays out every tree and hands everything over.
  TDemoSkin Finish();

 private:
  struct TPendingLink {
    TteBitmapLink* Link;
    const TAtlas* Atlas;
    std::string Key;
    std::optional<TRect> Part;
  };
  std::vector<std::unique_ptr<TAtlas>> FAtlases;
  std::vector<TPendingLink> FLinks;
  std::vector<std::unique_ptr<TSeSkinObject>> FObjects;
};

// The families, each adding its top-level objects and images.
void BuildWindowFrames(TDemoSkinBuilder& builder);  // Form, ToolWindow
void BuildButtons(
    TDemoSkinBuilder& builder);  // Button, Checkbox, RadioButton, SpinButton, SpeedButton
void BuildBarsAndTracks(TDemoSkinBuilder& builder);  // ScrollBar, ProgressBar, TrackBar, Splitter
void BuildFields(TDemoSkinBuilder& builder);         // Edit, ComboBox, ListBox, Grid, Hint
void BuildMenusAndBars(
    TDemoSkinBuilder& builder);  // MenuBar, PopupMenu, Header, StatusBar, ControlBar, ToolBar
void BuildContainers(
    TDemoSkinBuilder& builder);  // GroupBox, Container, Frame, ScrollBox, Panel, Tabs
// The 22 colours, 26 system colours and 66 fonts of the look.
void FillThemeTables(const TLook& look, TDemoSkin& skin);

// The whole skin of a look.
TDemoSkin BuildDemoSkin(const TLook& look);

// Moves everything into the skin source (after clearing it).
void StoreDemoSkin(TDemoSkin& skin, TSeSkinSource& source);

// Lays out every object below `object` again, top-down (AlignChildren of each).
void RealignTree(TSeSkinObject& object);

}  // namespace vt::demo
