// The skin object base class, its layout and painting, and the class registry.
//
// Sections: enumerations and process-wide switches - TSeSkinObject: creation, published
// properties, assignment - geometry and layout - the tree (find, hit test, links, colours)
// - regions - painting - class registry and cloning.
// The sixteen subclasses and the bitmap painting live in theme_se3objects_classes.cpp.
#include "skin/theme_se3objects.h"

#include <QLocale>
#include <algorithm>
#include <utility>

#include "rtl/Regions.h"
#include "skin/theme_se3objects_support.h"

namespace vt {

// ---- Enumerations and process-wide switches -----------------------------------------

const TTypeInfo& EnumTypeInfo<TSeKind>::Info() {
  static const TTypeInfo info = MakeEnumTypeInfo("TSeKind", {"skNone",
                                                             "skForm",
                                                             "skCaption",
                                                             "skTitle",
                                                             "skTop",
                                                             "skLeft",
                                                             "skRight",
                                                             "skBottom",
                                                             "skTopLeft",
                                                             "skTopRight",
                                                             "skBottomLeft",
                                                             "skBottomRight",
                                                             "skSysButton",
                                                             "skClient",
                                                             "skMenuBar",
                                                             "skMenuBarItem",
                                                             "skMenuBarItemText",
                                                             "skPopupMenu",
                                                             "skPopupMenuItem",
                                                             "skPopupMenuItemText",
                                                             "skItemText",
                                                             "skTranparent"});
  return info;
}

const TTypeInfo& EnumTypeInfo<TSeAlign>::Info() {
  static const TTypeInfo info = MakeEnumTypeInfo(
      "TSeAlign", {"saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight", "saMostRight",
                   "saBottom", "saMostBottom", "saClient", "saTopLeft", "saTopRight",
                   "saBottomLeft", "saBottomRight", "saCenter", "saText"});
  return info;
}

const TTypeInfo& EnumTypeInfo<TSeTextAlign>::Info() {
  static const TTypeInfo info = MakeEnumTypeInfo(
      "TSeTextAlign", {"taTopLeft", "taTopCenter", "taTopRight", "taLeft", "taCenter", "taRight",
                       "taBottomLeft", "taBottomCenter", "taBottomRight"});
  return info;
}

const TTypeInfo& EnumTypeInfo<TSeTextEffect>::Info() {
  static const TTypeInfo info = MakeEnumTypeInfo("TSeTextEffect", {"teNone", "teShadow"});
  return info;
}

const TTypeInfo& EnumTypeInfo<TscTileStyle>::Info() {
  static const TTypeInfo info = MakeEnumTypeInfo(
      "TscTileStyle", {"tsTile", "tsStretch", "tsCenter", "tsVertCenterStretch", "tsVertCenterTile",
                       "tsHorzCenterStretch", "tsHorzCenterTile"});
  return info;
}

const TTypeInfo& EnumTypeInfo<TSeAction>::Info() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TSeAction", {"sbaNone", "sbaClose", "sbaHelp", "sbaMinimize", "sbaMaximize",
                                     "sbaRestore", "sbaRollUp", "sbaRollDown", "sbaTray",
                                     "sbaSysMenu", "sbaRollPanel", "sbaCustom"});
  return info;
}

const TTypeInfo& EnumTypeInfo<TSeRollKind>::Info() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TSeRollKind", {"rkLeft", "rkTop", "rkRight", "rkBottom"});
  return info;
}

bool SkinDesignMode = false;
bool SysLocaleRightToLeft = QLocale::system().textDirection() == Qt::RightToLeft;

namespace {

using TA = TSeAlign;

// Places computed by the layout may lie beyond 32 bits; they are kept at its ends.
int32_t SaturatedCoordinate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int32_t SaturatedExtent(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
}

int32_t PaintExtent(int32_t stored) {
  return std::min(stored, TSeSkinObject::kMaxCoordinate);
}

// Masks larger than this (an 8K screen is half of it) are not painted: the region of
// such an object is its rectangle, so that a stored size cannot demand gigabytes.
constexpr int64_t kMaxMaskPixels = int64_t{1} << 26;

constexpr TColor kGrayText = 0x808080;
const QString kEllipsis = QStringLiteral("...");

uint32_t HorizontalFlags(TSeTextAlign align) {
  switch (align) {
    case TSeTextAlign::taTopCenter:
    case TSeTextAlign::taCenter:
    case TSeTextAlign::taBottomCenter:
      return dtCenter;
    case TSeTextAlign::taTopRight:
    case TSeTextAlign::taRight:
    case TSeTextAlign::taBottomRight:
      return dtRight;
    default:
      return dtLeft;
  }
}

uint32_t VerticalFlags(TSeTextAlign align) {
  switch (align) {
    case TSeTextAlign::taLeft:
    case TSeTextAlign::taCenter:
    case TSeTextAlign::taRight:
      return dtVCenter;
    case TSeTextAlign::taBottomLeft:
    case TSeTextAlign::taBottomCenter:
    case TSeTextAlign::taBottomRight:
      return dtBottom;
    default:
      return dtTop;
  }
}

// Left becomes right and right left; centred text stays centred.
uint32_t MirrorHorizontal(uint32_t horizontal) {
  if (horizontal == dtLeft) return dtRight;
  if (horizontal == dtRight) return dtLeft;
  return horizontal;
}

// The longest start of `text` that fits `maxWidth` together with "...". Text widths grow
// with the number of characters, so a binary search over the length finds it.
QString ShortenWithEllipsis(TCanvas& canvas, const QString& text, int maxWidth) {
  if (canvas.TextWidth(text) <= maxWidth) return text;
  qsizetype fitting = 0;
  qsizetype tooLong = text.size();
  while (tooLong - fitting > 1) {
    const qsizetype middle = (fitting + tooLong) / 2;
    if (canvas.TextWidth(text.left(middle) + kEllipsis) <= maxWidth)
      fitting = middle;
    else
      tooLong = middle;
  }
  // Never cut a surrogate pair in half.
  if (fitting > 0 && text.at(fitting - 1).isHighSurrogate()) --fitting;
  return text.left(fitting) + kEllipsis;
}

// The colour of a one-pixel image after a pixel operation of the skin images, so that
// object colours shift exactly as the images around them do.
TColor ShiftedColor(TColor color, int delta, void (TteBitmap::*operation)(int)) {
  TteBitmap pixel;
  pixel.SetSize(1, 1);
  pixel.SetPixel(0, 0, ColorToPixel(color));
  (pixel.*operation)(delta);
  return PixelToColor(pixel.Pixels(0, 0));
}

}  // namespace

// ---- TSeSkinObject: creation, published properties, assignment -----------------------

TSeSkinObject::TSeSkinObject(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()) {}

TSeSkinObject::~TSeSkinObject() = default;

const TClassInfo& TSeSkinObject::StaticClassInfo() {
  using C = TSeSkinObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeSkinObject", &TComponent::StaticClassInfo())
          .Property("Align", &C::GetAlign, &C::SetAlign)
          .Property<TColorType>("Color", &C::GetColor, &C::SetColor)
          .Property("DrawIfOwner", &C::GetDrawIfOwner, &C::SetDrawIfOwner)
          .Property("Font", &C::Font, &C::SetFont)
          .Property("Kind", &C::GetKind, &C::SetKind)
          .Property("Masked", &C::GetMasked, &C::SetMasked)
          .Property("Left", &C::GetLeft, &C::SetLeft)
          .Property("Top", &C::GetTop, &C::SetTop)
          .Property("Height", &C::GetHeight, &C::SetHeight)
          .Property("Width", &C::GetWidth, &C::SetWidth)
          .Property("MarginLeft", &C::GetMarginLeft, &C::SetMarginLeft)
          .Property("MarginRight", &C::GetMarginRight, &C::SetMarginRight)
          .Property("MarginTop", &C::GetMarginTop, &C::SetMarginTop)
          .Property("MarginBottom", &C::GetMarginBottom, &C::SetMarginBottom)
          .Property("TextAlign", &C::GetTextAlign, &C::SetTextAlign)
          .Property("TextEffect", &C::GetTextEffect, &C::SetTextEffect)
          .Property("TextMarginLeft", &C::GetTextMarginLeft, &C::SetTextMarginLeft)
          .Property("TextMarginRight", &C::GetTextMarginRight, &C::SetTextMarginRight)
          .Property("TextMarginRightStretch", &C::GetTextMarginRightStretch,
                    &C::SetTextMarginRightStretch)
          .Property("TextMarginTop", &C::GetTextMarginTop, &C::SetTextMarginTop)
          .Creatable()
          .Build();
  return info;
}

void TSeSkinObject::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  if (DefineObjectsProperty) DefineObjectsProperty(*this, filer);
}

void TSeSkinObject::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSeSkinObject*>(&source);
  if (!other) {
    TComponent::Assign(source);
    return;
  }
  if (other == this) return;
  AssignSettings(*other);
  CloneChildrenOf(*other);
  // The bounds are copied as they are: the cloned children already carry their places.
  FLeft = other->FLeft;
  FTop = other->FTop;
  FWidth = other->FWidth;
  FHeight = other->FHeight;
}

// The name and tag are published properties too and travel with the copy, so that a
// cloned tree can still be searched by name.
void TSeSkinObject::AssignSettings(const TSeSkinObject& source) {
  SetName(source.GetName());
  SetTag(source.GetTag());
  FMasked = source.FMasked;
  FAlign = source.FAlign;
  FKind = source.FKind;
  FBitmapList = source.FBitmapList;
  FColor = source.FColor;
  FDrawIfOwner = source.FDrawIfOwner;
  FFont->Assign(*source.FFont);
  FTextAlign = source.FTextAlign;
  FTextEffect = source.FTextEffect;
  FTextMarginLeft = source.FTextMarginLeft;
  FTextMarginRight = source.FTextMarginRight;
  FTextMarginTop = source.FTextMarginTop;
  FTextMarginRightStretch = source.FTextMarginRightStretch;
  FMarginLeft = source.FMarginLeft;
  FMarginRight = source.FMarginRight;
  FMarginTop = source.FMarginTop;
  FMarginBottom = source.FMarginBottom;
}

void TSeSkinObject::CloneChildrenOf(const TSeSkinObject& source) {
  // A snapshot: when the source is this object's ancestor, the clones join this object,
  // which may be one of the source's children.
  std::vector<TSeSkinObject*> originals;
  for (int i = 0; i < source.ChildCount(); ++i)
    if (TSeSkinObject* child = source.Children(i)) originals.push_back(child);
  for (TSeSkinObject* child : originals) CloneSkinObject(*child, this);
}

// ---- Geometry and layout ---------------------------------------------------------

void TSeSkinObject::SetLeft(int32_t value) {
  PlaceAt(value, FTop, FWidth, FHeight);
}
void TSeSkinObject::SetTop(int32_t value) {
  PlaceAt(FLeft, value, FWidth, FHeight);
}
void TSeSkinObject::SetWidth(int32_t value) {
  PlaceAt(FLeft, FTop, value, FHeight);
}
void TSeSkinObject::SetHeight(int32_t value) {
  PlaceAt(FLeft, FTop, FWidth, value);
}

void TSeSkinObject::SetMarginLeft(int32_t value) {
  FMarginLeft = value;
}
void TSeSkinObject::SetMarginRight(int32_t value) {
  FMarginRight = value;
}
void TSeSkinObject::SetMarginTop(int32_t value) {
  FMarginTop = value;
}
void TSeSkinObject::SetMarginBottom(int32_t value) {
  FMarginBottom = value;
}
void TSeSkinObject::SetTextMarginLeft(int32_t value) {
  FTextMarginLeft = value;
}
void TSeSkinObject::SetTextMarginRight(int32_t value) {
  FTextMarginRight = value;
}
void TSeSkinObject::SetTextMarginTop(int32_t value) {
  FTextMarginTop = value;
}

int32_t TSeSkinObject::PaintLength(int32_t stored) {
  return std::clamp(stored, -kMaxCoordinate, kMaxCoordinate);
}

// The stored place may reach the ends of 32 bits; the rectangle is cut to the painting
// range so that it and sums of it with a few margins always fit.
TRect TSeSkinObject::BoundsRect() const {
  return TRect::FromSize(PaintLength(FLeft), PaintLength(FTop), PaintExtent(FWidth),
                         PaintExtent(FHeight));
}

void TSeSkinObject::SetBounds(const TRect& rect) {
  PlaceAt(rect.Left, rect.Top, int64_t{rect.Right} - rect.Left, int64_t{rect.Bottom} - rect.Top);
}

// SetBounds in 64-bit terms: the layout computes places that may lie far outside.
void TSeSkinObject::PlaceAt(int64_t left, int64_t top, int64_t width, int64_t height) {
  const int32_t newLeft = SaturatedCoordinate(left);
  const int32_t newTop = SaturatedCoordinate(top);
  const int32_t newWidth = SaturatedExtent(width);
  const int32_t newHeight = SaturatedExtent(height);
  if (newLeft == FLeft && newTop == FTop && newWidth == FWidth && newHeight == FHeight) return;
  FPrevLeft = FLeft;
  FPrevTop = FTop;
  FPrevWidth = FWidth;
  FPrevHeight = FHeight;
  FLeft = newLeft;
  FTop = newTop;
  FWidth = newWidth;
  FHeight = newHeight;
  AlignChildren();
  FPrevLeft = FLeft;
  FPrevTop = FTop;
  FPrevWidth = FWidth;
  FPrevHeight = FHeight;
}

TSeSkinObject::TRuntimeSnapshot::TRuntimeSnapshot(TSeSkinObject& root) {
  Take(root);
}

void TSeSkinObject::TRuntimeSnapshot::Take(TSeSkinObject& object) {
  const TEntry entry{&object,         object.FLeft,      object.FTop,
                     object.FWidth,   object.FHeight,    object.FPrevLeft,
                     object.FPrevTop, object.FPrevWidth, object.FPrevHeight,
                     object.FState,   object.FVisible,   object.FActive};
  if (FInlineCount < kInlineEntries)
    FInline[FInlineCount++] = entry;
  else
    FSpilled.push_back(entry);
  for (TSeSkinObject* child : object.ChildList())
    if (child) Take(*child);
}

TSeSkinObject::TRuntimeSnapshot::~TRuntimeSnapshot() {
  const auto restore = [](const TEntry& e) {
    TSeSkinObject& o = *e.Object;
    o.FLeft = e.Left;
    o.FTop = e.Top;
    o.FWidth = e.Width;
    o.FHeight = e.Height;
    o.FPrevLeft = e.PrevLeft;
    o.FPrevTop = e.PrevTop;
    o.FPrevWidth = e.PrevWidth;
    o.FPrevHeight = e.PrevHeight;
    o.FState = e.State;
    o.FVisible = e.Visible;
    o.FActive = e.Active;
  };
  std::for_each(FInline.begin(), FInline.begin() + FInlineCount, restore);
  std::for_each(FSpilled.begin(), FSpilled.end(), restore);
}

// The part of the object not yet taken by edge-aligned children. It is kept in 64 bits:
// many tall children can push it far beyond the object.
struct TSeSkinObject::TFreeRect {
  int64_t Left, Top, Right, Bottom;
  int64_t Width() const { return Right - Left; }
  int64_t Height() const { return Bottom - Top; }
};

size_t TSeSkinObject::ListVisibleChildren(TSeSkinObject** list) const {
  size_t count = 0;
  for (TSeSkinObject* child : ChildList())
    if (child && child->FVisible) list[count++] = child;
  return count;
}

std::vector<TSeSkinObject*> TSeSkinObject::VisibleChildren() const {
  std::vector<TSeSkinObject*> visible(ChildList().size());
  visible.resize(ListVisibleChildren(visible.data()));
  return visible;
}

// Every placement goes through the child's SetBounds (PlaceAt), so the grandchildren
// are laid out in turn.
void TSeSkinObject::AlignChildren() {
  const size_t children = ChildList().size();
  if (children == 0) return;
  // Listed once: laying a child out never changes which children there are or whether
  // they are visible. Layout runs on every paint of a part, so a short list is kept on
  // the stack rather than allocated.
  constexpr size_t kInlineChildren = 32;
  std::array<TSeSkinObject*, kInlineChildren> inlineList;
  std::vector<TSeSkinObject*> heapList(children > kInlineChildren ? children : 0);
  TSeSkinObject** list = heapList.empty() ? inlineList.data() : heapList.data();
  AlignVisibleChildren(TChildList(list, ListVisibleChildren(list)));
}

void TSeSkinObject::AlignVisibleChildren(TChildList visible) {
  TFreeRect free{FLeft, FTop, int64_t{FLeft} + FWidth, int64_t{FTop} + FHeight};
  AlignEdgeChildren(visible, free, TA::saMostTop, TA::saMostBottom, true);
  AlignEdgeChildren(visible, free, TA::saMostLeft, TA::saMostRight, false);
  AlignEdgeChildren(visible, free, TA::saTop, TA::saBottom, true);
  AlignEdgeChildren(visible, free, TA::saLeft, TA::saRight, false);
  AlignTextChildren(visible);
  AlignCenterChildren(visible, free);
  AlignClientChildren(visible, free);
  AlignAnchoredChildren(visible);
}

// One pass of edge alignment: children aligned to the near edge take a strip from the
// start of the free rectangle, those aligned to the far edge from its end.
void TSeSkinObject::AlignEdgeChildren(TChildList children, TFreeRect& free, TSeAlign nearEdge,
                                      TSeAlign farEdge, bool vertical) {
  for (TSeSkinObject* child : children) {
    const int64_t height = child->FHeight;
    const int64_t width = child->FWidth;
    if (child->FAlign == nearEdge && vertical) {
      child->PlaceAt(free.Left, free.Top, free.Width(), height);
      free.Top += height;
    } else if (child->FAlign == farEdge && vertical) {
      child->PlaceAt(free.Left, free.Bottom - height, free.Width(), height);
      free.Bottom -= height;
    } else if (child->FAlign == nearEdge) {
      child->PlaceAt(free.Left, free.Top, width, free.Height());
      free.Left += width;
    } else if (child->FAlign == farEdge) {
      child->PlaceAt(free.Right - width, free.Top, width, free.Height());
      free.Right -= width;
    }
  }
}

// saText children are as wide as their text plus the text margins; they stay in place.
void TSeSkinObject::AlignTextChildren(TChildList children) {
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TSeSkinObject* child = *it;
    if (child->FAlign != TA::saText) continue;
    const int64_t width = int64_t{ScreenTextExtent(*child->GetFont(), child->FText).width()} +
                          child->FTextMarginLeft + child->FTextMarginRight;
    child->PlaceAt(child->FLeft, child->FTop, width, child->FHeight);
  }
}

void TSeSkinObject::AlignCenterChildren(TChildList children, const TFreeRect& free) {
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TSeSkinObject* child = *it;
    if (child->FAlign != TA::saCenter) continue;
    // Integer division rounds toward zero, as the offsets are defined.
    const int64_t left = free.Left + (free.Width() - child->FWidth) / 2;
    const int64_t top = free.Top + (free.Height() - child->FHeight) / 2;
    child->PlaceAt(left, top, child->FWidth, child->FHeight);
  }
}

void TSeSkinObject::AlignClientChildren(TChildList children, const TFreeRect& free) {
  for (TSeSkinObject* child : children)
    if (child->FAlign == TA::saClient)
      child->PlaceAt(free.Left, free.Top, free.Width(), free.Height());
}

// Anchored children keep their size and follow the edges they are anchored to:
//   saTopLeft     follows the parent's left and top edges (a move of the parent);
//   saTopRight    follows the parent's right and top edges;
//   saBottomLeft  follows the parent's left and bottom edges;
//   saBottomRight follows the parent's right and bottom edges.
// Each child moves by exactly the distance its anchor edges moved between the previous
// and the new bounds, so its distance to those edges stays the same whether the parent
// was resized, moved or both. A parent that had no width before has no edges to keep a
// distance to, and its anchored children stay where they are.
void TSeSkinObject::AlignAnchoredChildren(TChildList children) {
  if (FPrevWidth <= 0) return;
  const int64_t leftMove = int64_t{FLeft} - FPrevLeft;
  const int64_t topMove = int64_t{FTop} - FPrevTop;
  const int64_t rightMove = (int64_t{FLeft} + FWidth) - (int64_t{FPrevLeft} + FPrevWidth);
  const int64_t bottomMove = (int64_t{FTop} + FHeight) - (int64_t{FPrevTop} + FPrevHeight);
  for (TSeSkinObject* child : children) {
    int64_t dx = 0;
    int64_t dy = 0;
    switch (child->FAlign) {
      case TA::saTopLeft:
        dx = leftMove, dy = topMove;
        break;
      case TA::saTopRight:
        dx = rightMove, dy = topMove;
        break;
      case TA::saBottomLeft:
        dx = leftMove, dy = bottomMove;
        break;
      case TA::saBottomRight:
        dx = rightMove, dy = bottomMove;
        break;
      default:
        continue;
    }
    const int64_t left = child->FLeft + dx;
    const int64_t top = child->FTop + dy;
    child->PlaceAt(left, top, child->FWidth, child->FHeight);
  }
}

// ---- The tree ----------------------------------------------------------------------

TSeSkinObject* TSeSkinObject::Children(int index) const {
  const std::vector<TSeSkinObject*>& list = ChildList();
  if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
  return list[static_cast<size_t>(index)];
}

const std::vector<TSeSkinObject*>& TSeSkinObject::ChildList() const {
  if (FChildListBuilt && FChildListVersion == ComponentsVersion()) return FChildList;
  FChildList.resize(static_cast<size_t>(ComponentCount()));
  bool complete = true;
  for (int i = 0; i < ComponentCount(); ++i) {
    FChildList[static_cast<size_t>(i)] = dynamic_cast<TSeSkinObject*>(Components(i));
    complete = complete && FChildList[static_cast<size_t>(i)];
  }
  // A child still being constructed is not yet a skin object; such a list is not kept.
  FChildListBuilt = complete;
  FChildListVersion = ComponentsVersion();
  return FChildList;
}

TSeSkinObject* TSeSkinObject::FindByKind(TSeKind kind) {
  if (FKind == kind) return this;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i))
      if (TSeSkinObject* found = child->FindByKind(kind)) return found;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindByName(const std::string& name) {
  if (SameText(GetName(), name)) return this;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i))
      if (TSeSkinObject* found = child->FindByName(name)) return found;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindSysButton(TSeAction action) {
  if (auto* button = dynamic_cast<TSeSystemButton*>(this); button && button->GetAction() == action)
    return this;
  if (auto* button = dynamic_cast<TSeSysButtonSkinObject*>(this);
      button && button->GetAction() == action)
    return this;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i))
      if (TSeSkinObject* found = child->FindSysButton(action)) return found;
  return nullptr;
}

TSeSkinObject* TSeSkinObject::HitTest(TPoint point) {
  return HitTestIn(point, true);
}

TSeSkinObject* TSeSkinObject::HitTestAll(TPoint point) {
  return HitTestIn(point, false);
}

TSeSkinObject* TSeSkinObject::HitTestIn(TPoint point, bool visibleOnly) {
  if (visibleOnly && !FVisible) return nullptr;
  if (!BoundsRect().Contains(point)) return nullptr;
  if (FKind == TSeKind::skTranparent && !SkinDesignMode) return nullptr;
  TSeSkinObject* hit = HitTestChildren(point, visibleOnly);
  return hit ? hit : this;
}

// Later children are painted over earlier ones, so the last answer wins.
TSeSkinObject* TSeSkinObject::HitTestChildren(TPoint point, bool visibleOnly) {
  TSeSkinObject* hit = nullptr;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i))
      if (TSeSkinObject* childHit = child->HitTestIn(point, visibleOnly)) hit = childHit;
  return hit;
}

void TSeSkinObject::SetBitmapList(TteBitmapList* list) {
  FBitmapList = list;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->SetBitmapList(list);
}

void TSeSkinObject::SetActive(bool value) {
  if (FActive == value) return;
  FActive = value;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->SetActive(value);
}

TFont* TSeSkinObject::GetFont() const {
  return FFont.get();
}

void TSeSkinObject::SetBorderIcons(TSeBorderIcons icons) {
  FBorderIcons = icons;
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->SetBorderIcons(icons);
}

void TSeSkinObject::SetState(TSeState state) {
  FState = state;
  SetChildrenState(state);
}

void TSeSkinObject::SetChildrenState(TSeState state) {
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->SetState(state);
}

void TSeSkinObject::UpdateLinks() {
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->UpdateLinks();
}

void TSeSkinObject::ResolveLink(TteBitmapLink& link) const {
  if (!FBitmapList) return;
  const std::unique_ptr<TteBitmapLink> found = FBitmapList->GetLink(link.GetName(), link.Rect());
  if (!found) {
    // The image is gone from the list (deleted or renamed): keeping the old pointer
    // would paint from freed memory.
    link.SetBitmap(nullptr);
    return;
  }
  found->CheckMasked(FMarginLeft, FMarginTop, FMarginRight, FMarginBottom);
  link.Assign(*found);
}

void TSeSkinObject::ShiftColorHue(TColor& color, int delta) const {
  if (color != clNone && delta != 0) color = ShiftedColor(color, delta, &TteBitmap::ChangeHue);
}

void TSeSkinObject::ShiftColorBrightness(TColor& color, int delta) const {
  if (color != clNone && delta != 0)
    color = ShiftedColor(color, delta, &TteBitmap::ChangeBrightness);
}

void TSeSkinObject::ShiftFontHue(TFont& font, int delta) const {
  TColor color = font.GetColor();
  ShiftColorHue(color, delta);
  if (color != font.GetColor()) font.SetColor(color);
}

void TSeSkinObject::ShiftFontBrightness(TFont& font, int delta) const {
  TColor color = font.GetColor();
  ShiftColorBrightness(color, delta);
  if (color != font.GetColor()) font.SetColor(color);
}

void TSeSkinObject::ChangeHue(int delta) {
  ShiftColorHue(FColor, delta);
  ShiftFontHue(*FFont, delta);
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->ChangeHue(delta);
}

void TSeSkinObject::ChangeBrightness(int delta) {
  ShiftColorBrightness(FColor, delta);
  ShiftFontBrightness(*FFont, delta);
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->ChangeBrightness(delta);
}

void TSeSkinObject::SetCharset(TFontCharset charset) {
  GetFont()->SetCharset(charset);
  for (int i = 0; i < ChildCount(); ++i)
    if (TSeSkinObject* child = Children(i)) child->SetCharset(charset);
}

bool TSeSkinObject::HasMargins() const {
  return FMarginLeft != 0 || FMarginTop != 0 || FMarginRight != 0 || FMarginBottom != 0;
}

// ---- Regions -----------------------------------------------------------------------

QRegion TSeSkinObject::GetRegion() {
  if (FWidth <= 0 || FHeight <= 0) return QRegion();
  if (ChildCount() == 0 || FDrawIfOwner || !FMasked) return GetMaskRegion();
  QRegion united;
  for (TSeSkinObject* child : VisibleChildren()) united += child->GetRegion();
  return united;
}

QRegion TSeSkinObject::GetMaskRegion() {
  return BoundsRegion();
}

QRegion TSeSkinObject::BoundsRegion() const {
  return RegionFromRect(BoundsRect());
}

bool TSeSkinObject::MaskRegionWanted() const {
  return FWidth >= 1 && FHeight >= 1 && FKind != TSeKind::skClient && FMasked;
}

QRegion TSeSkinObject::PaintedMaskRegion() {
  if (int64_t{FWidth} * FHeight > kMaxMaskPixels) return BoundsRegion();
  const TRect placed = BoundsRect();
  const int32_t storedLeft = FLeft, storedTop = FTop;
  TteBitmap image;
  image.SetSize(FWidth, FHeight);
  image.FillColor(kKeyPixel);
  {
    SetBounds({0, 0, FWidth, FHeight});
    // Back to the stored place itself, which the painting rectangle may have cut.
    const TScopeExit moveBack([&] { PlaceAt(storedLeft, storedTop, FWidth, FHeight); });
    TCanvas canvas(image.Surface());
    Draw(canvas, TRect{});
  }
  return image.CreateRegion(placed.Left, placed.Top);
}

// ---- Painting ----------------------------------------------------------------------

bool TSeSkinObject::MeetsClip(const TRect& clip) const {
  return clip.IsEmpty() || RectsIntersect(clip, BoundsRect());
}

void TSeSkinObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (!FVisible || FWidth <= 0 || FHeight <= 0 || !MeetsClip(clip)) return;
  const TCanvasClipScope clipScope(canvas, clip);
  if (ChildCount() == 0 || FDrawIfOwner) PaintSelf(canvas);
  PaintChildren(canvas, clip);
}

void TSeSkinObject::PaintSelf(TCanvas& canvas) {
  PaintBackground(canvas);
  PaintText(canvas);
}

void TSeSkinObject::PaintBackground(TCanvas& canvas) {
  if (FColor != clNone)
    canvas.FillRect(BoundsRect(), FColor);
  else if (SkinDesignMode)
    canvas.FillRect(BoundsRect(), kKeyColor);
}

void TSeSkinObject::PaintChildren(TCanvas& canvas, const TRect& clip) {
  for (int i = 0; i < ChildCount(); ++i) {
    TSeSkinObject* child = Children(i);
    if (!child || !child->FVisible || child->FWidth <= 0 || child->FHeight <= 0) continue;
    if (child->MeetsClip(clip)) child->Draw(canvas, clip);
  }
}

void TSeSkinObject::PaintText(TCanvas& canvas) {
  if (FText == QLatin1String("-")) {
    PaintSeparator(canvas);
    return;
  }
  if (FText.isEmpty() && FOppositeText.isEmpty()) return;
  const TRect bounds = BoundsRect();
  const TRect textRect{bounds.Left + PaintLength(FTextMarginLeft),
                       bounds.Top + PaintLength(FTextMarginTop),
                       bounds.Right - PaintLength(FTextMarginRight), bounds.Bottom};
  canvas.Font().Assign(*FFont);
  if (!FEnabled) canvas.Font().SetColor(kGrayText);
  if (!FText.isEmpty()) PaintCaption(canvas, textRect);
  if (!FOppositeText.isEmpty()) PaintOppositeText(canvas, textRect);
}

// A one-pixel line across the middle, 3 pixels in from each side, in the font colour.
void TSeSkinObject::PaintSeparator(TCanvas& canvas) {
  const TRect bounds = BoundsRect();
  const int32_t top = bounds.Top + bounds.Height() / 2 - 1;
  canvas.FillRect({bounds.Left + 3, top, bounds.Right - 3, top + 1}, GetFont()->GetColor());
}

void TSeSkinObject::PaintCaption(TCanvas& canvas, const TRect& textRect) {
  uint32_t horizontal = HorizontalFlags(FTextAlign);
  uint32_t format = dtSingleLine | dtNoPrefix | VerticalFlags(FTextAlign);
  if (SysLocaleRightToLeft && FBiDiMode != TBiDiMode::bdLeftToRight) {
    horizontal = MirrorHorizontal(horizontal);
    if (FBiDiMode == TBiDiMode::bdRightToLeft) format |= dtRtlReading;
  }
  format |= horizontal;
  const QString shown =
      FKind == TSeKind::skTitle
          ? ShortenWithEllipsis(
                canvas, FText,
                PaintExtent(FWidth) - PaintLength(FTextMarginLeft) - PaintLength(FTextMarginRight))
          : FText;
  if (FTextEffect == TSeTextEffect::teShadow) {
    const TColor textColor = canvas.Font().GetColor();
    canvas.Font().SetColor(kGrayText);
    TRect shadowRect = textRect.Offset(1, 1);
    canvas.DrawText(shown, shadowRect, format);
    canvas.Font().SetColor(textColor);
  }
  TRect rect = textRect;
  canvas.DrawText(shown, rect, format);
}

void TSeSkinObject::PaintOppositeText(TCanvas& canvas, const TRect& textRect) {
  uint32_t format = dtSingleLine | dtNoPrefix | VerticalFlags(FTextAlign) |
                    MirrorHorizontal(HorizontalFlags(FTextAlign));
  if (FControl) format = FControl->DrawTextBiDiModeFlags(format);
  TRect rect = textRect;
  canvas.DrawText(FOppositeText, rect, format);
}

// ---- Class registry and cloning ----------------------------------------------------

namespace {

std::vector<const TClassInfo*>& SkinObjectClassList() {
  static std::vector<const TClassInfo*> classes;
  return classes;
}

}  // namespace

void RegisterSkinObjectClasses() {
  static int startCount = 0;
  if (startCount++ != 0) return;
  for (const TClassInfo* cls : {
           &TSeSkinObject::StaticClassInfo(),
           &TSeActiveObject::StaticClassInfo(),
           &TSeBitmapObject::StaticClassInfo(),
           &TSeActiveBitmap::StaticClassInfo(),
           &TSeSystemButton::StaticClassInfo(),
           &TSeButtonObject::StaticClassInfo(),
           &TSeTextObject::StaticClassInfo(),
           &TSeLinkSkinObject::StaticClassInfo(),
           &TSeBitmapSkinObject::StaticClassInfo(),
           &TSeFormBitmapSkinObject::StaticClassInfo(),
           &TSeSysButtonSkinObject::StaticClassInfo(),
           &TSeActiveSkinObject::StaticClassInfo(),
           &TSeColorButtonObject::StaticClassInfo(),
           &TSeBitmapBoxObject::StaticClassInfo(),
           &TSeActiveBitmapBoxObject::StaticClassInfo(),
           &TSeButtonBitmapBoxObject::StaticClassInfo(),
           &TSeRollPanelObject::StaticClassInfo(),
       })
    SkinObjectClassList().push_back(cls);
}

void RegisterSkinObjectClass(const TClassInfo& cls) {
  RegisterSkinObjectClasses();
  SkinObjectClassList().push_back(&cls);
}

const TClassInfo* FindSkinObjectClass(const std::string& name) {
  RegisterSkinObjectClasses();
  for (const TClassInfo* cls : SkinObjectClassList())
    if (cls->Name == name) return cls;
  return nullptr;
}

const std::vector<const TClassInfo*>& SkinObjectClasses() {
  RegisterSkinObjectClasses();
  return SkinObjectClassList();
}

// The clone is assigned before it joins its owner: assigning an object into its own
// subtree then never meets the clone among the children it copies.
TSeSkinObject* CloneSkinObject(const TSeSkinObject& object, TComponent* owner) {
  const TClassInfo* cls = FindSkinObjectClass(object.ClassName());
  if (!cls || !cls->Create) return nullptr;
  std::unique_ptr<TComponent> created(cls->Create(nullptr));
  auto* clone = dynamic_cast<TSeSkinObject*>(created.get());
  if (!clone) return nullptr;
  clone->Assign(object);
  created.release();
  if (owner) owner->InsertComponent(clone);
  return clone;
}

}  // namespace vt
