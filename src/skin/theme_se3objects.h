#pragma once
// Skin objects: the trees of named rectangles a skin is made of.
//
// Each object has a Kind (the part of a window or control it stands for), an alignment
// rule inside its parent, a colour, a font and text settings; the bitmap classes add links
// into the skin's images. The skin-backed theme sets bounds, state and text and asks the
// objects to paint and to give window-shape regions; the editor creates and arranges them.
//
// All objects of one tree share one coordinate system: a child's Left/Top are not
// relative to its parent. The children of an object are exactly the components it owns,
// in ownership order, which is also the drawing order and the order of the layout passes.
//
// Sections: enumerations and runtime values - the control interface - TSeSkinObject -
// the sixteen subclasses - the class registry and cloning.
#include <QIcon>
#include <QRegion>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "rtl/Canvas.h"
#include "rtl/Classes.h"
#include "rtl/Graphics.h"
#include "rtl/TypInfo.h"
#include "skin/te_bitmap.h"

namespace vt {

// ---- Enumerations (stored in files by value name; order and spelling are the format) ----

// `skTranparent` is spelled as the files store it.
// clang-format off
enum class TSeKind {
  skNone, skForm, skCaption, skTitle, skTop, skLeft, skRight, skBottom, skTopLeft, skTopRight,
  skBottomLeft, skBottomRight, skSysButton, skClient, skMenuBar, skMenuBarItem,
  skMenuBarItemText, skPopupMenu, skPopupMenuItem, skPopupMenuItemText, skItemText,
  skTranparent
};
enum class TSeAlign {
  saNone, saLeft, saMostLeft, saTop, saMostTop, saRight, saMostRight, saBottom, saMostBottom,
  saClient, saTopLeft, saTopRight, saBottomLeft, saBottomRight, saCenter, saText
};
enum class TSeTextAlign {
  taTopLeft, taTopCenter, taTopRight, taLeft, taCenter, taRight, taBottomLeft, taBottomCenter,
  taBottomRight
};
enum class TSeTextEffect { teNone, teShadow };
enum class TscTileStyle {
  tsTile, tsStretch, tsCenter, tsVertCenterStretch, tsVertCenterTile, tsHorzCenterStretch,
  tsHorzCenterTile
};
enum class TSeAction {
  sbaNone, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown,
  sbaTray, sbaSysMenu, sbaRollPanel, sbaCustom
};
enum class TSeRollKind { rkLeft, rkTop, rkRight, rkBottom };
// clang-format on

template <>
struct EnumTypeInfo<TSeKind> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TSeAlign> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TSeTextAlign> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TSeTextEffect> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TscTileStyle> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TSeAction> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TSeRollKind> {
  static const TTypeInfo& Info();
};

// ---- Runtime values ---------------------------------------------------------------

// The object state is a small number set by the theme. Painting reads hot, pressed,
// focused and disabled and paints every other value as normal; the system buttons also
// read the window states 0, 2, 3 and 4; 1 is the link placeholder's state.
using TSeState = int32_t;
enum TSeStateValue : TSeState {
  ssNormal = 0,
  ssPlaceholder = 1,
  ssMaximized = 2,
  ssMinimized = 3,
  ssRolledUp = 4,
  ssHot = 5,
  ssPressed = 6,
  ssFocused = 7,
  ssDisabled = 8,
};

// The bits of the border-icon set handed to SetBorderIcons.
// clang-format off
enum class TSeBorderIcon {
  biSysMenu = 0, biClose = 1, biHelp = 2, biMinimize = 3, biRestore = 4, biMaximize = 5,
  biRestoreMaximized = 6, biRollUp = 7, biRollDown = 8, biTray = 9
};
// clang-format on
using TSeBorderIcons = uint16_t;
constexpr TSeBorderIcons BorderIconBit(TSeBorderIcon icon) {
  return static_cast<TSeBorderIcons>(1u << static_cast<unsigned>(icon));
}

// The caption-button state of the two system-button classes.
enum class TSeButtonState { bsNormal = 0, bsHot = 1, bsPressed = 2 };

enum class TBiDiMode {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};

// Design mode: transparent backgrounds paint as the key colour, and skTranparent objects
// are hit-testable. The editor turns it on while it shows a skin.
extern bool SkinDesignMode;
// Whether the system locale reads right to left; with it, objects whose BiDiMode is not
// left-to-right mirror their text alignment. Starts from the system locale.
extern bool SysLocaleRightToLeft;

// ---- The painted control ----------------------------------------------------------

// What painting needs from the window control it paints for. The control layer implements
// it for its widgets and windows, which keeps this engine free of widget code.
class TSeControl {
 public:
  virtual ~TSeControl() = default;
  // Whether the control is a top-level form: only forms show a window icon.
  virtual bool IsForm() const = 0;
  // The form's own icon, or a null icon when it has none.
  virtual QIcon WindowIcon() const = 0;
  // The text flags with the control's right-to-left alignment and reading applied.
  virtual uint32_t DrawTextBiDiModeFlags(uint32_t flags) const { return flags; }
};

// ---- TSeSkinObject ----------------------------------------------------------------

class TSeSkinObject : public TComponent {
 public:
  explicit TSeSkinObject(TComponent* owner);
  ~TSeSkinObject() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  // From another skin object: the settings, clones of the source's children (added after
  // the existing ones), then the bounds without a new layout. Subclasses add their own.
  void Assign(const TPersistent& source) override;

  // The children travel in the stored form as the binary property "Objects". The skin
  // file code installs its reader and writer here, so that the object model does not
  // depend on the property stream; while none is installed the children are not stored.
  using TDefineObjectsProperty = void (*)(TSeSkinObject& object, TFiler& filer);
  static inline TDefineObjectsProperty DefineObjectsProperty = nullptr;
  void DefineProperties(TFiler& filer) override;

  // ---- Virtual operations ----
  // The font for the current state.
  virtual TFont* GetFont() const;
  virtual void SetBorderIcons(TSeBorderIcons icons);
  virtual void SetState(TSeState state);
  // Re-resolves the bitmap links against the bitmap list (bitmap classes), children first.
  virtual void UpdateLinks();
  // Paints the object and its children. An empty clip rectangle paints everything.
  virtual void Draw(TCanvas& canvas, const TRect& clip);
  // The window-shape region of the object alone.
  virtual QRegion GetMaskRegion();
  virtual void ChangeHue(int delta);
  virtual void ChangeBrightness(int delta);
  virtual void SetCharset(TFontCharset charset);

  // The runtime fields that a painter sets on an object and its descendants (bounds and
  // previous bounds, state, visibility, activity), taken when made and put back, without
  // a new layout, when destroyed. A painter that works on shared objects holds one for the
  // time of a draw, so that every draw starts from the same objects and a draw that is
  // re-entered leaves the outer one's objects as they were.
  class TRuntimeSnapshot {
   public:
    explicit TRuntimeSnapshot(TSeSkinObject& root);
    ~TRuntimeSnapshot();
    TRuntimeSnapshot(const TRuntimeSnapshot&) = delete;
    TRuntimeSnapshot& operator=(const TRuntimeSnapshot&) = delete;

   private:
    struct TEntry {
      TSeSkinObject* Object;
      int32_t Left, Top, Width, Height, PrevLeft, PrevTop, PrevWidth, PrevHeight;
      TSeState State;
      bool Visible, Active;
    };
    void Take(TSeSkinObject& object);
    // A painted part is an object with a child or two: its entries are kept in place, and
    // only larger trees spill to the heap, so that a paint allocates nothing for them.
    static constexpr size_t kInlineEntries = 8;
    std::array<TEntry, kInlineEntries> FInline;
    size_t FInlineCount = 0;
    std::vector<TEntry> FSpilled;
  };

  // Marks the object as laid out for a paint that follows at once, so that a bitmap
  // object's Draw does not align its children a second time; the mark ends with the scope.
  class TFreshLayoutScope {
   public:
    explicit TFreshLayoutScope(TSeSkinObject& object) : FObject(object), FWas(object.FFreshLayout) {
      object.FFreshLayout = true;
    }
    ~TFreshLayoutScope() { FObject.FFreshLayout = FWas; }
    TFreshLayoutScope(const TFreshLayoutScope&) = delete;
    TFreshLayoutScope& operator=(const TFreshLayoutScope&) = delete;

   private:
    TSeSkinObject& FObject;
    bool FWas;
  };

  // ---- Geometry and layout ----
  void SetBounds(const TRect& rect);
  TRect BoundsRect() const;
  void AlignChildren();

  // ---- The tree ----
  int ChildCount() const { return ComponentCount(); }
  TSeSkinObject* Children(int index) const;
  TSeSkinObject* FindByKind(TSeKind kind);
  TSeSkinObject* FindByName(const std::string& name);
  TSeSkinObject* FindSysButton(TSeAction action);
  // The deepest visible object at the point (the last child wins), or nullptr.
  TSeSkinObject* HitTest(TPoint point);
  // The same, ignoring Visible.
  TSeSkinObject* HitTestAll(TPoint point);
  // The union of the children's regions, or the object's own mask where it paints itself.
  QRegion GetRegion();

  void SetBitmapList(TteBitmapList* list);
  TteBitmapList* BitmapList() const { return FBitmapList; }
  void SetActive(bool value);
  bool GetActive() const { return FActive; }

  // ---- Published properties ----
  TSeAlign GetAlign() const { return FAlign; }
  void SetAlign(TSeAlign value) { FAlign = value; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  bool GetDrawIfOwner() const { return FDrawIfOwner; }
  void SetDrawIfOwner(bool value) { FDrawIfOwner = value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont& value) { FFont->Assign(value); }
  TSeKind GetKind() const { return FKind; }
  void SetKind(TSeKind value) { FKind = value; }
  bool GetMasked() const { return FMasked; }
  void SetMasked(bool value) { FMasked = value; }
  int32_t GetLeft() const { return FLeft; }
  void SetLeft(int32_t value);
  int32_t GetTop() const { return FTop; }
  void SetTop(int32_t value);
  int32_t GetHeight() const { return FHeight; }
  void SetHeight(int32_t value);
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t value);
  int32_t GetMarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int32_t value);
  int32_t GetMarginRight() const { return FMarginRight; }
  void SetMarginRight(int32_t value);
  int32_t GetMarginTop() const { return FMarginTop; }
  void SetMarginTop(int32_t value);
  int32_t GetMarginBottom() const { return FMarginBottom; }
  void SetMarginBottom(int32_t value);
  TSeTextAlign GetTextAlign() const { return FTextAlign; }
  void SetTextAlign(TSeTextAlign value) { FTextAlign = value; }
  TSeTextEffect GetTextEffect() const { return FTextEffect; }
  void SetTextEffect(TSeTextEffect value) { FTextEffect = value; }
  int32_t GetTextMarginLeft() const { return FTextMarginLeft; }
  void SetTextMarginLeft(int32_t value);
  int32_t GetTextMarginRight() const { return FTextMarginRight; }
  void SetTextMarginRight(int32_t value);
  bool GetTextMarginRightStretch() const { return FTextMarginRightStretch; }
  void SetTextMarginRightStretch(bool value) { FTextMarginRightStretch = value; }
  int32_t GetTextMarginTop() const { return FTextMarginTop; }
  void SetTextMarginTop(int32_t value);

  // ---- Runtime fields ----
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode value) { FBiDiMode = value; }
  TSeState GetState() const { return FState; }
  const QString& GetText() const { return FText; }
  void SetText(const QString& value) { FText = value; }
  const QString& GetOppositeText() const { return FOppositeText; }
  void SetOppositeText(const QString& value) { FOppositeText = value; }
  // The control being painted (not owned), or nullptr.
  TSeControl* GetControl() const { return FControl; }
  void SetControl(TSeControl* value) { FControl = value; }
  TSeBorderIcons GetBorderIcons() const { return FBorderIcons; }

  // Coordinates beyond this many pixels mean nothing on any screen. Stored values keep
  // the whole 32-bit range; painting and hit testing cut them to this many pixels (see
  // PaintLength, BoundsRect) so that sums of a few of them always fit 32 bits.
  static constexpr int32_t kMaxCoordinate = 1 << 28;
  // A stored coordinate or margin as painting uses it: within plus or minus kMaxCoordinate.
  static int32_t PaintLength(int32_t stored);

 protected:
  // Fill and text of the object itself (base painting step 2).
  void PaintSelf(TCanvas& canvas);
  void PaintBackground(TCanvas& canvas);
  void PaintText(TCanvas& canvas);
  // Every visible child of positive size that meets the clip rectangle.
  void PaintChildren(TCanvas& canvas, const TRect& clip);
  bool MeetsClip(const TRect& clip) const;
  // Paints the object at (0, 0) into a key-filled image and returns the region of the
  // pixels that are not the key, at the object's place.
  QRegion PaintedMaskRegion();
  QRegion BoundsRegion() const;
  bool MaskRegionWanted() const;
  // Looks the link up in the bitmap list by its name and rectangle and takes the found
  // image and the transparency flags for this object's margins; an image that is no
  // longer in the list is dropped.
  void ResolveLink(TteBitmapLink& link) const;
  bool HasMargins() const;
  void ShiftColorHue(TColor& color, int delta) const;
  void ShiftColorBrightness(TColor& color, int delta) const;
  void ShiftFontHue(TFont& font, int delta) const;
  void ShiftFontBrightness(TFont& font, int delta) const;
  void SetChildrenState(TSeState state);

  TSeAlign FAlign = TSeAlign::saNone;
  TColor FColor = clWhite;
  bool FDrawIfOwner = false;
  std::unique_ptr<TFont> FFont;
  TSeKind FKind = TSeKind::skNone;
  bool FMasked = true;
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FHeight = 0;
  int32_t FWidth = 0;
  int32_t FMarginLeft = 0;
  int32_t FMarginRight = 0;
  int32_t FMarginTop = 0;
  int32_t FMarginBottom = 0;
  TSeTextAlign FTextAlign = TSeTextAlign::taLeft;
  TSeTextEffect FTextEffect = TSeTextEffect::teNone;
  int32_t FTextMarginLeft = 0;
  int32_t FTextMarginRight = 0;
  bool FTextMarginRightStretch = false;
  int32_t FTextMarginTop = 0;

  bool FVisible = true;
  bool FEnabled = true;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  bool FActive = false;
  TSeState FState = ssNormal;
  QString FText;
  QString FOppositeText;
  TSeControl* FControl = nullptr;
  TteBitmapList* FBitmapList = nullptr;
  TSeBorderIcons FBorderIcons = 0;
  // Set while a painter that has just laid the object out draws it (TFreshLayoutScope).
  bool FFreshLayout = false;
  // The bounds before the current change, for the anchored alignments.
  int32_t FPrevLeft = 0;
  int32_t FPrevTop = 0;
  int32_t FPrevWidth = 0;
  int32_t FPrevHeight = 0;

 private:
  struct TFreeRect;
  void PlaceAt(int64_t left, int64_t top, int64_t width, int64_t height);
  TSeSkinObject* HitTestChildren(TPoint point, bool visibleOnly);
  TSeSkinObject* HitTestIn(TPoint point, bool visibleOnly);
  void AssignSettings(const TSeSkinObject& source);
  void CloneChildrenOf(const TSeSkinObject& source);
  // The passes of AlignChildren over the visible children, which no pass changes.
  using TChildList = std::span<TSeSkinObject* const>;
  void AlignEdgeChildren(TChildList children, TFreeRect& free, TSeAlign top, TSeAlign bottom,
                         bool vertical);
  void AlignTextChildren(TChildList children);
  void AlignCenterChildren(TChildList children, const TFreeRect& free);
  void AlignClientChildren(TChildList children, const TFreeRect& free);
  void AlignAnchoredChildren(TChildList children);
  void PaintSeparator(TCanvas& canvas);
  void PaintCaption(TCanvas& canvas, const TRect& textRect);
  void PaintOppositeText(TCanvas& canvas, const TRect& textRect);
  std::vector<TSeSkinObject*> VisibleChildren() const;
  // The visible children, in order, into `list` (room for every child); returns how many.
  size_t ListVisibleChildren(TSeSkinObject** list) const;
  void AlignVisibleChildren(TChildList visible);
  // The owned components as skin objects (nullptr for any other kind), built again only
  // when the components change: painting and layout ask for children all the time.
  const std::vector<TSeSkinObject*>& ChildList() const;
  mutable std::vector<TSeSkinObject*> FChildList;
  mutable uint32_t FChildListVersion = 0;
  mutable bool FChildListBuilt = false;
};

// ---- Subclasses -------------------------------------------------------------------

class TSeActiveObject : public TSeSkinObject {
 public:
  explicit TSeActiveObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  TFont* GetFont() const override;
  void Draw(TCanvas& canvas, const TRect& clip) override;
  void ChangeHue(int delta) override;
  void ChangeBrightness(int delta) override;
  void SetCharset(TFontCharset charset) override;

  TColor GetActiveColor() const { return FActiveColor; }
  void SetActiveColor(TColor value) { FActiveColor = value; }
  TFont* ActiveFont() const { return FActiveFont.get(); }
  void SetActiveFont(const TFont& value) { FActiveFont->Assign(value); }
  TFont* DisabledFont() const { return FDisabledFont.get(); }
  void SetDisabledFont(const TFont& value) { FDisabledFont->Assign(value); }

 protected:
  TColor FActiveColor = clBlack;
  std::unique_ptr<TFont> FActiveFont;
  std::unique_ptr<TFont> FDisabledFont;
};

class TSeBitmapObject : public TSeSkinObject {
 public:
  explicit TSeBitmapObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;
  QRegion GetMaskRegion() override;

  TteBitmapLink* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(const TteBitmapLink& value) { FBitmap->Assign(value); }
  TscTileStyle GetBorderTileStyle() const { return FBorderTileStyle; }
  void SetBorderTileStyle(TscTileStyle value) { FBorderTileStyle = value; }
  bool GetMaskedBorder() const { return FMaskedBorder; }
  void SetMaskedBorder(bool value) { FMaskedBorder = value; }
  bool GetMaskedAngles() const { return FMaskedAngles; }
  void SetMaskedAngles(bool value) { FMaskedAngles = value; }
  TscTileStyle GetTileStyle() const { return FTileStyle; }
  void SetTileStyle(TscTileStyle value) { FTileStyle = value; }

 protected:
  std::unique_ptr<TteBitmapLink> FBitmap;
  TscTileStyle FBorderTileStyle = TscTileStyle::tsTile;
  bool FMaskedBorder = true;
  bool FMaskedAngles = true;
  TscTileStyle FTileStyle = TscTileStyle::tsTile;

 private:
  void DrawSimple(TCanvas& canvas, const TRect& clip);
  void DrawNinePart(TCanvas& canvas, const TRect& clip);
};

class TSeActiveBitmap : public TSeBitmapObject {
 public:
  explicit TSeActiveBitmap(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  TFont* GetFont() const override;
  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;
  void SetCharset(TFontCharset charset) override;

  TteBitmapLink* ActiveBitmap() const { return FActiveBitmap.get(); }
  void SetActiveBitmap(const TteBitmapLink& value) { FActiveBitmap->Assign(value); }
  TFont* ActiveFont() const { return FActiveFont.get(); }
  void SetActiveFont(const TFont& value) { FActiveFont->Assign(value); }

 protected:
  std::unique_ptr<TteBitmapLink> FActiveBitmap;
  std::unique_ptr<TFont> FActiveFont;
};

class TSeSystemButton : public TSeActiveBitmap {
 public:
  explicit TSeSystemButton(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void SetBorderIcons(TSeBorderIcons icons) override;
  void SetState(TSeState state) override;
  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;

  TSeAction GetAction() const { return FAction; }
  void SetAction(TSeAction value) { FAction = value; }
  TteBitmapLink* BitmapHot() const { return FBitmapHot.get(); }
  void SetBitmapHot(const TteBitmapLink& value) { FBitmapHot->Assign(value); }
  TteBitmapLink* BitmapPressed() const { return FBitmapPressed.get(); }
  void SetBitmapPressed(const TteBitmapLink& value) { FBitmapPressed->Assign(value); }
  TSeButtonState GetButtonState() const { return FButtonState; }
  void SetButtonState(TSeButtonState value) { FButtonState = value; }

 protected:
  TSeAction FAction = TSeAction::sbaNone;
  std::unique_ptr<TteBitmapLink> FBitmapHot;
  std::unique_ptr<TteBitmapLink> FBitmapPressed;
  TSeButtonState FButtonState = TSeButtonState::bsNormal;

 private:
  void DrawInState(TCanvas& canvas, const TRect& clip, const TteBitmapLink* bitmap,
                   TSeState childState);
};

class TSeButtonObject : public TSeBitmapObject {
 public:
  explicit TSeButtonObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;

  TteBitmapLink* BitmapHot() const { return FBitmapHot.get(); }
  void SetBitmapHot(const TteBitmapLink& value) { FBitmapHot->Assign(value); }
  TteBitmapLink* BitmapFocused() const { return FBitmapFocused.get(); }
  void SetBitmapFocused(const TteBitmapLink& value) { FBitmapFocused->Assign(value); }
  TteBitmapLink* BitmapPressed() const { return FBitmapPressed.get(); }
  void SetBitmapPressed(const TteBitmapLink& value) { FBitmapPressed->Assign(value); }
  TteBitmapLink* BitmapDisabled() const { return FBitmapDisabled.get(); }
  void SetBitmapDisabled(const TteBitmapLink& value) { FBitmapDisabled->Assign(value); }

 protected:
  std::unique_ptr<TteBitmapLink> FBitmapHot;
  std::unique_ptr<TteBitmapLink> FBitmapFocused;
  std::unique_ptr<TteBitmapLink> FBitmapPressed;
  std::unique_ptr<TteBitmapLink> FBitmapDisabled;
};

class TSeTextObject : public TSeSkinObject {
 public:
  explicit TSeTextObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  TFont* GetFont() const override;
  void Draw(TCanvas& canvas, const TRect& clip) override;
  void ChangeHue(int delta) override;
  void ChangeBrightness(int delta) override;
  void SetCharset(TFontCharset charset) override;

  TFont* FontHot() const { return FFontHot.get(); }
  void SetFontHot(const TFont& value) { FFontHot->Assign(value); }
  TFont* FontFocused() const { return FFontFocused.get(); }
  void SetFontFocused(const TFont& value) { FFontFocused->Assign(value); }
  TFont* FontPressed() const { return FFontPressed.get(); }
  void SetFontPressed(const TFont& value) { FFontPressed->Assign(value); }
  TFont* FontDisabled() const { return FFontDisabled.get(); }
  void SetFontDisabled(const TFont& value) { FFontDisabled->Assign(value); }

 protected:
  // The font of the hot, pressed, focused or disabled state, or nullptr for the others.
  TFont* StateFont() const;

  std::unique_ptr<TFont> FFontHot;
  std::unique_ptr<TFont> FFontFocused;
  std::unique_ptr<TFont> FFontPressed;
  std::unique_ptr<TFont> FFontDisabled;
};

class TSeLinkSkinObject : public TSeSkinObject {
 public:
  explicit TSeLinkSkinObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void Draw(TCanvas& canvas, const TRect& clip) override;

  const std::string& GetLinkControl() const { return FLinkControl; }
  void SetLinkControl(const std::string& value) { FLinkControl = value; }

 protected:
  std::string FLinkControl;
};

class TSeActiveSkinObject : public TSeSkinObject {
 public:
  explicit TSeActiveSkinObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void Draw(TCanvas& canvas, const TRect& clip) override;
  void ChangeHue(int delta) override;
  void ChangeBrightness(int delta) override;

  TColor GetActiveColor() const { return FActiveColor; }
  void SetActiveColor(TColor value) { FActiveColor = value; }
  TFont* ActiveFont() const { return FActiveFont.get(); }
  void SetActiveFont(const TFont& value) { FActiveFont->Assign(value); }

 protected:
  TColor FActiveColor = clBlack;
  std::unique_ptr<TFont> FActiveFont;
};

class TSeBitmapSkinObject : public TSeSkinObject {
 public:
  explicit TSeBitmapSkinObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;
  QRegion GetMaskRegion() override;

  TteBitmapLink* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(const TteBitmapLink& value) { FBitmap->Assign(value); }
  TscTileStyle GetTileStyle() const { return FTileStyle; }
  void SetTileStyle(TscTileStyle value) { FTileStyle = value; }

 protected:
  // The whole link rectangle by TileStyle (no margins), then the text.
  void DrawWhole(TCanvas& canvas, const TRect& clip);

  std::unique_ptr<TteBitmapLink> FBitmap;
  TscTileStyle FTileStyle = TscTileStyle::tsTile;
};

class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
 public:
  explicit TSeFormBitmapSkinObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;

  TteBitmapLink* InactiveBitmap() const { return FInactiveBitmap.get(); }
  void SetInactiveBitmap(const TteBitmapLink& value) { FInactiveBitmap->Assign(value); }

 protected:
  std::unique_ptr<TteBitmapLink> FInactiveBitmap;
};

class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
 public:
  explicit TSeSysButtonSkinObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void SetBorderIcons(TSeBorderIcons icons) override;
  void SetState(TSeState state) override;
  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;

  TSeAction GetAction() const { return FAction; }
  void SetAction(TSeAction value) { FAction = value; }
  TteBitmapLink* BitmapHover() const { return FBitmapHover.get(); }
  void SetBitmapHover(const TteBitmapLink& value) { FBitmapHover->Assign(value); }
  TteBitmapLink* BitmapDown() const { return FBitmapDown.get(); }
  void SetBitmapDown(const TteBitmapLink& value) { FBitmapDown->Assign(value); }
  const std::string& GetRollPanel() const { return FRollPanel; }
  void SetRollPanel(const std::string& value) { FRollPanel = value; }
  TSeButtonState GetButtonState() const { return FButtonState; }
  void SetButtonState(TSeButtonState value) { FButtonState = value; }

 protected:
  TSeAction FAction = TSeAction::sbaNone;
  std::unique_ptr<TteBitmapLink> FBitmapHover;
  std::unique_ptr<TteBitmapLink> FBitmapDown;
  std::string FRollPanel;
  TSeButtonState FButtonState = TSeButtonState::bsNormal;
};

class TSeColorButtonObject : public TSeSkinObject {
 public:
  explicit TSeColorButtonObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void Draw(TCanvas& canvas, const TRect& clip) override;

  TColor GetHotColor() const { return FHotColor; }
  void SetHotColor(TColor value) { FHotColor = value; }
  TFont* HotFont() const { return FHotFont.get(); }
  void SetHotFont(const TFont& value) { FHotFont->Assign(value); }
  TColor GetPressedColor() const { return FPressedColor; }
  void SetPressedColor(TColor value) { FPressedColor = value; }
  TFont* PressedFont() const { return FPressedFont.get(); }
  void SetPressedFont(const TFont& value) { FPressedFont->Assign(value); }
  TColor GetFocusedColor() const { return FFocusedColor; }
  void SetFocusedColor(TColor value) { FFocusedColor = value; }
  TFont* FocusedFont() const { return FFocusedFont.get(); }
  void SetFocusedFont(const TFont& value) { FFocusedFont->Assign(value); }
  TColor GetDisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(TColor value) { FDisabledColor = value; }
  TFont* DisabledFont() const { return FDisabledFont.get(); }
  void SetDisabledFont(const TFont& value) { FDisabledFont->Assign(value); }

 protected:
  TColor FHotColor = clBlack;
  std::unique_ptr<TFont> FHotFont;
  TColor FPressedColor = clBlack;
  std::unique_ptr<TFont> FPressedFont;
  TColor FFocusedColor = clBlack;
  std::unique_ptr<TFont> FFocusedFont;
  TColor FDisabledColor = clBlack;
  std::unique_ptr<TFont> FDisabledFont;
};

class TSeBitmapBoxObject : public TSeBitmapSkinObject {
 public:
  explicit TSeBitmapBoxObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void Draw(TCanvas& canvas, const TRect& clip) override;

  TscTileStyle GetBorderTileStyle() const { return FBorderTileStyle; }
  void SetBorderTileStyle(TscTileStyle value) { FBorderTileStyle = value; }

 protected:
  TscTileStyle FBorderTileStyle = TscTileStyle::tsTile;

 private:
  void DrawBox(TCanvas& canvas, const TRect& clip);
};

class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
 public:
  explicit TSeActiveBitmapBoxObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;

  TteBitmapLink* FocusedBitmap() const { return FFocusedBitmap.get(); }
  void SetFocusedBitmap(const TteBitmapLink& value) { FFocusedBitmap->Assign(value); }

 protected:
  std::unique_ptr<TteBitmapLink> FFocusedBitmap;
};

class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
 public:
  explicit TSeButtonBitmapBoxObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  void UpdateLinks() override;
  void Draw(TCanvas& canvas, const TRect& clip) override;

  TteBitmapLink* HotBitmap() const { return FHotBitmap.get(); }
  void SetHotBitmap(const TteBitmapLink& value) { FHotBitmap->Assign(value); }
  TteBitmapLink* FocusedBitmap() const { return FFocusedBitmap.get(); }
  void SetFocusedBitmap(const TteBitmapLink& value) { FFocusedBitmap->Assign(value); }
  TteBitmapLink* PressedBitmap() const { return FPressedBitmap.get(); }
  void SetPressedBitmap(const TteBitmapLink& value) { FPressedBitmap->Assign(value); }
  TteBitmapLink* DisabledBitmap() const { return FDisabledBitmap.get(); }
  void SetDisabledBitmap(const TteBitmapLink& value) { FDisabledBitmap->Assign(value); }

 protected:
  std::unique_ptr<TteBitmapLink> FHotBitmap;
  std::unique_ptr<TteBitmapLink> FFocusedBitmap;
  std::unique_ptr<TteBitmapLink> FPressedBitmap;
  std::unique_ptr<TteBitmapLink> FDisabledBitmap;
};

// Stored and painted as a base object; the skin-backed theme gives RollKind and
// RollValue their meaning.
class TSeRollPanelObject : public TSeSkinObject {
 public:
  explicit TSeRollPanelObject(TComponent* owner);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  void Assign(const TPersistent& source) override;

  TSeRollKind GetRollKind() const { return FRollKind; }
  void SetRollKind(TSeRollKind value) { FRollKind = value; }
  int32_t GetRollValue() const { return FRollValue; }
  void SetRollValue(int32_t value) { FRollValue = value; }

 protected:
  TSeRollKind FRollKind = TSeRollKind::rkLeft;
  int32_t FRollValue = 0;
};

// ---- Class registry and cloning ---------------------------------------------------

// Appends a class to the registry of skin object classes (the built-in seventeen are
// registered on first use, in their fixed order).
void RegisterSkinObjectClass(const TClassInfo& cls);
// The first registered class whose name equals `name` exactly (case-sensitive), or nullptr.
const TClassInfo* FindSkinObjectClass(const std::string& name);
// Every registered class, in registration order.
const std::vector<const TClassInfo*>& SkinObjectClasses();
// Fills the registry with the built-in classes; a start counter makes later calls no-ops.
void RegisterSkinObjectClasses();

// A new object of the same registered class, owned by `owner` (nullptr: the caller owns
// it), assigned from `object` with all its children; nullptr when the class is unknown.
TSeSkinObject* CloneSkinObject(const TSeSkinObject& object, TComponent* owner);

}  // namespace vt
