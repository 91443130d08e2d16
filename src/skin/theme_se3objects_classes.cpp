// The sixteen skin object subclasses: their published properties, assignment, state
// swaps, system-button visibility, link resolution and the bitmap painting.
//
// Sections: bitmap painting helpers (pieces, nine parts, window icon) - the colour and
// font classes - the bitmap-object family - the bitmap-skin-object family - the rest.
#include <QGuiApplication>
#include <QPainter>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>

#include "rtl/AnsiText.h"
#include "skin/theme_se3objects.h"
#include "skin/theme_se3objects_support.h"

namespace vt {

namespace {

using TS = TscTileStyle;

// ---- Bitmap painting helpers ------------------------------------------------------

enum class TPieceScale { Stretch, Tile, Center };

TPieceScale ScaleOf(TscTileStyle style) {
  switch (style) {
    case TS::tsStretch:
    case TS::tsVertCenterStretch:
    case TS::tsHorzCenterStretch:
      return TPieceScale::Stretch;
    case TS::tsCenter:
      return TPieceScale::Center;
    default:
      return TPieceScale::Tile;
  }
}

bool IsVerticalCenter(TscTileStyle style) {
  return style == TS::tsVertCenterStretch || style == TS::tsVertCenterTile;
}

bool IsHorizontalCenter(TscTileStyle style) {
  return style == TS::tsHorzCenterStretch || style == TS::tsHorzCenterTile;
}

// Draws pieces of one image for one object. Stretch styles stretch a piece over its
// target, tile styles tile it (cut at the clip rectangle), and tsCenter draws it unscaled,
// centred in the object's bounds. A piece is drawn with its link's transparency flag for
// that kind of piece as the image's key flag; without a value the image keeps its own.
class TPiecePainter {
 public:
  TPiecePainter(TCanvas& canvas, const TteBitmap& image, const TRect& objectBounds,
                const TRect& clip)
      : FCanvas(canvas), FImage(image), FObjectBounds(objectBounds), FClip(clip) {}

  // Up to three pieces side by side, left to right, each made where it is drawn from: a
  // band is made on every paint, and pieces copied about cost more than small pieces take
  // to draw. A piece with an empty target or source is left out.
  class TBand {
   public:
    explicit TBand(const TPiecePainter& painter) : FPainter(painter) {}

    // `source` over `target` by `style`.
    TBand& Scaled(const TRect& target, const TRect& source, TscTileStyle style,
                  std::optional<bool> keyFlag) {
      TteBandPiece* piece = Add(target, source, keyFlag);
      if (!piece) return *this;
      switch (ScaleOf(style)) {
        case TPieceScale::Stretch:
          break;
        case TPieceScale::Tile:
          piece->Scale = TteBandPiece::TScale::Tile;
          if (!FPainter.FClip.IsEmpty()) piece->Clip = FPainter.FClip;
          break;
        case TPieceScale::Center: {
          const TRect& bounds = FPainter.FObjectBounds;
          piece->Scale = TteBandPiece::TScale::Unscaled;
          piece->Dest = TRect::FromSize(bounds.Left + (bounds.Width() - source.Width()) / 2,
                                        bounds.Top + (bounds.Height() - source.Height()) / 2,
                                        source.Width(), source.Height());
          break;
        }
      }
      return *this;
    }

    // `source` at its own size at the target's top-left corner.
    TBand& Unscaled(const TRect& target, const TRect& source, std::optional<bool> keyFlag) {
      if (TteBandPiece* piece = Add(target, source, keyFlag))
        piece->Scale = TteBandPiece::TScale::Unscaled;
      return *this;
    }

    void Draw() const {
      if (FCount > 0) FPainter.FImage.DrawBand(FPainter.FCanvas, std::span(FSlots.Pieces, FCount));
    }

   private:
    TteBandPiece* Add(const TRect& target, const TRect& source, std::optional<bool> keyFlag) {
      if (target.IsEmpty() || source.IsEmpty() || FCount == kMaxPieces) return nullptr;
      return std::construct_at(
          &FSlots.Pieces[FCount++],
          TteBandPiece{target, source, TteBandPiece::TScale::Stretch,
                       keyFlag.value_or(FPainter.FImage.KeyFlag()), std::nullopt});
    }

    static constexpr size_t kMaxPieces = 3;
    // Slots that are not cleared beforehand (a piece is made whole when it is added):
    // clearing them cost as much as planning a piece.
    union TSlots {
      TSlots() {}
      TteBandPiece Pieces[kMaxPieces];
    };
    static_assert(std::is_trivially_destructible_v<TteBandPiece>);

    const TPiecePainter& FPainter;
    TSlots FSlots;
    size_t FCount = 0;
  };

  TBand Band() const { return TBand(*this); }

  void Draw(const TRect& target, const TRect& source, TscTileStyle style,
            std::optional<bool> keyFlag) const {
    Band().Scaled(target, source, style, keyFlag).Draw();
  }

  bool DrawsIntoMemory() const { return FCanvas.Surface() != nullptr; }
  bool ClipsTiles() const { return !FClip.IsEmpty(); }
  bool ImageKeyFlag() const { return FImage.KeyFlag(); }

 private:
  TCanvas& FCanvas;
  const TteBitmap& FImage;
  TRect FObjectBounds;
  TRect FClip;
};

// The link rectangle within its image (the image's size bounds every later sum).
TRect LinkSource(const TteBitmapLink& link) {
  const TteBitmap& image = *link.Bitmap();
  return IntersectRect(link.Rect(), {0, 0, image.Width(), image.Height()});
}

struct TPiece {
  TRect Source;
  TRect Target;
};

// The nine pieces of the source rectangle `s` cut by the margins, mapped onto frame `r`.
struct TNineParts {
  TPiece Centre;
  std::array<TPiece, 4> Edges;    // top, bottom, left, right
  std::array<TPiece, 4> Corners;  // top-left, top-right, bottom-left, bottom-right
};

struct TMargins {
  int32_t Left, Top, Right, Bottom;
};

// The object's margins within the painting range, so that the sums below fit 32 bits.
TMargins PaintMargins(const TSeSkinObject& object) {
  return {TSeSkinObject::PaintLength(object.GetMarginLeft()),
          TSeSkinObject::PaintLength(object.GetMarginTop()),
          TSeSkinObject::PaintLength(object.GetMarginRight()),
          TSeSkinObject::PaintLength(object.GetMarginBottom())};
}

TNineParts CutNineParts(const TRect& s, const TRect& r, const TMargins& m) {
  TNineParts p;
  p.Centre = {{s.Left + m.Left, s.Top + m.Top, s.Right - m.Right, s.Bottom - m.Bottom},
              {r.Left + m.Left, r.Top + m.Top, r.Right - m.Right, r.Bottom - m.Bottom}};
  p.Edges[0] = {{s.Left + m.Left, s.Top, s.Right - m.Right, s.Top + m.Top},
                {r.Left + m.Left, r.Top, r.Right - m.Right, r.Top + m.Top}};
  p.Edges[1] = {{s.Left + m.Left, s.Bottom - m.Bottom, s.Right - m.Right, s.Bottom},
                {r.Left + m.Left, r.Bottom - m.Bottom, r.Right - m.Right, r.Bottom}};
  p.Edges[2] = {{s.Left, s.Top + m.Top, s.Left + m.Left, s.Bottom - m.Bottom},
                {r.Left, r.Top + m.Top, r.Left + m.Left, r.Bottom - m.Bottom}};
  p.Edges[3] = {{s.Right - m.Right, s.Top + m.Top, s.Right, s.Bottom - m.Bottom},
                {r.Right - m.Right, r.Top + m.Top, r.Right, r.Bottom - m.Bottom}};
  p.Corners[0] = {{s.Left, s.Top, s.Left + m.Left, s.Top + m.Top},
                  {r.Left, r.Top, r.Left + m.Left, r.Top + m.Top}};
  p.Corners[1] = {{s.Right - m.Right, s.Top, s.Right, s.Top + m.Top},
                  {r.Right - m.Right, r.Top, r.Right, r.Top + m.Top}};
  p.Corners[2] = {{s.Left, s.Bottom - m.Bottom, s.Left + m.Left, s.Bottom},
                  {r.Left, r.Bottom - m.Bottom, r.Left + m.Left, r.Bottom}};
  p.Corners[3] = {{s.Right - m.Right, s.Bottom - m.Bottom, s.Right, s.Bottom},
                  {r.Right - m.Right, r.Bottom - m.Bottom, r.Right, r.Bottom}};
  return p;
}

// How the pieces of a nine-part image are drawn: the styles of the centre and of the
// edges (corners are unscaled), and each kind of piece's key flag (none: the image's own).
struct TNinePartLook {
  TscTileStyle CentreStyle;
  TscTileStyle BorderStyle;
  std::optional<bool> CentreKey, BorderKey, CornerKey;
};

// Whether the nine targets tile the frame without overlapping, with every piece inside
// its target (tsCenter pieces are placed by the object's bounds instead). Then no pixel
// is drawn twice and the pieces may be drawn row band by row band rather than centre,
// edges, corners.
bool NinePartsTileFrame(const TRect& frame, const TMargins& m, const TNinePartLook& look) {
  if (m.Left < 0 || m.Top < 0 || m.Right < 0 || m.Bottom < 0) return false;
  if (ScaleOf(look.CentreStyle) == TPieceScale::Center ||
      ScaleOf(look.BorderStyle) == TPieceScale::Center)
    return false;
  return int64_t{m.Left} + m.Right <= frame.Width() && int64_t{m.Top} + m.Bottom <= frame.Height();
}

// Whether the nine pieces together are the source rectangle drawn unscaled: the frame is
// as large as the source, so every piece keeps its size and place, and every piece
// combines its pixels the same way (one key flag, no tile clipped differently from the
// corners). Buttons drawn at their image's size are the common case; one draw replaces
// nine then.
TRect NinePartsSource(const TNineParts& parts) {
  return {parts.Corners[0].Source.Left, parts.Corners[0].Source.Top, parts.Corners[3].Source.Right,
          parts.Corners[3].Source.Bottom};
}

// Whether pieces of every kind, drawn as one, combine their pixels alike: one key flag for
// them all, and no tile clipped where a corner is not.
bool NinePartsCombineAlike(const TPiecePainter& painter, const TNinePartLook& look) {
  const bool key = painter.ImageKeyFlag();
  const bool cornerKey = look.CornerKey.value_or(key);
  if (look.CentreKey.value_or(key) != cornerKey || look.BorderKey.value_or(key) != cornerKey)
    return false;
  const bool tiles = ScaleOf(look.CentreStyle) == TPieceScale::Tile ||
                     ScaleOf(look.BorderStyle) == TPieceScale::Tile;
  return !(tiles && painter.ClipsTiles());
}

bool NinePartsAreWholeImage(const TPiecePainter& painter, const TNineParts& parts,
                            const TRect& frame, const TMargins& margins,
                            const TNinePartLook& look) {
  const TRect source = NinePartsSource(parts);
  if (frame.Width() != source.Width() || frame.Height() != source.Height()) return false;
  return NinePartsTileFrame(frame, margins, look) && NinePartsCombineAlike(painter, look);
}

// The source and target of two pieces and of everything between them.
TPiece Span(const TPiece& first, const TPiece& last) {
  return {{first.Source.Left, first.Source.Top, last.Source.Right, last.Source.Bottom},
          {first.Target.Left, first.Target.Top, last.Target.Right, last.Target.Bottom}};
}

// A frame as wide as its source (the track or thumb of a vertical scroll bar) shows each
// row band's three pieces side by side at their own widths: together they are one strip
// of the source's width. A frame as high as its source has three such columns. Drawn as
// strips, a band is one piece to plan and combine instead of three, with the same pixels
// when the pieces combine alike and the centre is scaled as the edges. Returns false when
// this does not hold.
bool DrawNinePartStrips(const TPiecePainter& painter, const TNineParts& parts, const TRect& frame,
                        const TNinePartLook& look) {
  const TRect source = NinePartsSource(parts);
  const bool asWide = frame.Width() == source.Width();
  const bool asHigh = frame.Height() == source.Height();
  if (asWide == asHigh || ScaleOf(look.BorderStyle) != ScaleOf(look.CentreStyle) ||
      !NinePartsCombineAlike(painter, look))
    return false;
  const bool key = look.CornerKey.value_or(painter.ImageKeyFlag());
  const TPiece middle =
      asWide ? Span(parts.Edges[2], parts.Edges[3]) : Span(parts.Edges[0], parts.Edges[1]);
  auto unscaled = [&](TPiecePainter::TBand& band, const TPiece& strip) {
    band.Unscaled(strip.Target, strip.Source, key);
  };
  auto scaled = [&](TPiecePainter::TBand& band) {
    band.Scaled(middle.Target, middle.Source, look.CentreStyle, key);
  };
  if (asWide) {
    TPiecePainter::TBand top = painter.Band(), centre = painter.Band(), bottom = painter.Band();
    unscaled(top, Span(parts.Corners[0], parts.Corners[1]));
    scaled(centre);
    unscaled(bottom, Span(parts.Corners[2], parts.Corners[3]));
    top.Draw();
    centre.Draw();
    bottom.Draw();
  } else {
    TPiecePainter::TBand band = painter.Band();
    unscaled(band, Span(parts.Corners[0], parts.Corners[2]));
    scaled(band);
    unscaled(band, Span(parts.Corners[1], parts.Corners[3]));
    band.Draw();
  }
  return true;
}

// The centre by its style, the edges by theirs, the corners unscaled. On a memory canvas
// the three pieces of each row band go together when the pieces cannot overlap; a
// painter gains nothing from bands and keeps the order centre, edges, corners.
void DrawNineParts(const TPiecePainter& painter, const TNineParts& parts, const TRect& frame,
                   const TMargins& margins, const TNinePartLook& look) {
  using TBand = TPiecePainter::TBand;
  auto corner = [&](TBand& band, int i) {
    band.Unscaled(parts.Corners[i].Target, parts.Corners[i].Source, look.CornerKey);
  };
  auto edge = [&](TBand& band, int i) {
    band.Scaled(parts.Edges[i].Target, parts.Edges[i].Source, look.BorderStyle, look.BorderKey);
  };
  auto centre = [&](TBand& band) {
    band.Scaled(parts.Centre.Target, parts.Centre.Source, look.CentreStyle, look.CentreKey);
  };
  if (painter.DrawsIntoMemory() && NinePartsAreWholeImage(painter, parts, frame, margins, look)) {
    painter.Band().Unscaled(frame, NinePartsSource(parts), look.CornerKey).Draw();
    return;
  }
  if (painter.DrawsIntoMemory() && NinePartsTileFrame(frame, margins, look)) {
    if (DrawNinePartStrips(painter, parts, frame, look)) return;
    TBand top = painter.Band();
    corner(top, 0);
    edge(top, 0);
    corner(top, 1);
    top.Draw();
    TBand middle = painter.Band();
    edge(middle, 2);
    centre(middle);
    edge(middle, 3);
    middle.Draw();
    TBand bottom = painter.Band();
    corner(bottom, 2);
    edge(bottom, 1);
    corner(bottom, 3);
    bottom.Draw();
    return;
  }
  // One piece at a time, in the order centre, edges, corners.
  TBand alone = painter.Band();
  centre(alone);
  alone.Draw();
  for (int i = 0; i < 4; ++i) {
    TBand band = painter.Band();
    edge(band, i);
    band.Draw();
  }
  for (int i = 0; i < 4; ++i) {
    TBand band = painter.Band();
    corner(band, i);
    band.Draw();
  }
}

// The frame the nine parts are laid into, relative to the object: the whole object for
// tile and stretch, the link rectangle centred for tsCenter, and for the centre-line
// styles the link rectangle stretched to the object's height or width and centred.
TRect NinePartFrame(TscTileStyle style, int32_t width, int32_t height, const TRect& source) {
  const int32_t sw = source.Width();
  const int32_t sh = source.Height();
  if (style == TS::tsCenter) return TRect::FromSize((width - sw) / 2, (height - sh) / 2, sw, sh);
  if (IsVerticalCenter(style)) return TRect::FromSize((width - sw) / 2, 0, sw, height);
  if (IsHorizontalCenter(style)) return TRect::FromSize(0, (height - sh) / 2, width, sh);
  return {0, 0, width, height};
}

// The target of the simple (margin-free) drawing: the bounds, or for the centre-line
// styles a strip as wide (high) as the link rectangle, centred in the bounds.
TRect SimpleTarget(TscTileStyle style, const TRect& bounds, const TRect& source) {
  if (IsVerticalCenter(style))
    return TRect::FromSize(bounds.Left + (bounds.Width() - source.Width()) / 2, bounds.Top,
                           source.Width(), bounds.Height());
  if (IsHorizontalCenter(style))
    return TRect::FromSize(bounds.Left, bounds.Top + (bounds.Height() - source.Height()) / 2,
                           bounds.Width(), source.Height());
  return bounds;
}

// ---- Window icon of the system-menu button ---------------------------------------

// The desktop's small-icon size; a platform without the metric would report 0, and the
// caption-button size is the fallback then.
constexpr int kSmallIconSize = 16;
constexpr int kCaptionButtonSize = 18;

int SmallIconSize() {
  return kSmallIconSize > 0 ? kSmallIconSize : kCaptionButtonSize;
}

// A plain window pictogram, the icon of applications that have none.
// A plain window pictogram, the icon of applications that have none. Kept as an image:
// pixmaps must not outlive the application object, statics do.
const QImage& DefaultApplicationImage() {
  static const QImage image = [] {
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(QRect(2, 4, 28, 24), QColor(0x20, 0x40, 0x80));
    painter.fillRect(QRect(4, 10, 24, 16), Qt::white);
    painter.end();
    return picture;
  }();
  return image;
}

// The form's icon (none without a control), else the application's, else the default
// one, as 32-bit pixels.
QImage FormIconImage(const TSeControl* control, int size) {
  QIcon icon = control ? control->WindowIcon() : QIcon();
  if (icon.isNull()) icon = QGuiApplication::windowIcon();
  const QImage picture =
      icon.isNull() ? DefaultApplicationImage() : icon.pixmap(QSize(size, size), 1.0).toImage();
  return picture.convertToFormat(QImage::Format_ARGB32);
}

// Only forms show an icon, at the top-left corner of the bounds at the small-icon size.
// Painted for no control at all (a picture of the skin: a rendering, a thumbnail, the
// editor's work area) the button shows the program's own icon, so that the caption keeps
// the look it will have on a window.
void DrawWindowIcon(TCanvas& canvas, const TSeControl* control, const TRect& bounds) {
  if (control && !control->IsForm()) return;
  const int size = SmallIconSize();
  const QImage picture = FormIconImage(control, size);
  if (picture.isNull()) return;
  TteBitmap image;
  image.AssignImage(picture);
  image.Draw(canvas, TRect::FromSize(bounds.Left, bounds.Top, size, size),
             {0, 0, image.Width(), image.Height()});
}

// ---- System-button visibility ----------------------------------------------------

bool HasIcon(TSeBorderIcons icons, TSeBorderIcon icon) {
  return (icons & BorderIconBit(icon)) != 0;
}

// Whether the border-icon set shows the button; no answer for actions it does not govern.
std::optional<bool> VisibleByBorderIcons(TSeAction action, TSeBorderIcons icons, TSeState state) {
  using A = TSeAction;
  using I = TSeBorderIcon;
  switch (action) {
    case A::sbaSysMenu:
      return HasIcon(icons, I::biSysMenu);
    case A::sbaClose:
      return HasIcon(icons, I::biClose);
    case A::sbaHelp:
      return HasIcon(icons, I::biHelp);
    case A::sbaMinimize:
      return HasIcon(icons, I::biMinimize);
    case A::sbaMaximize:
      return HasIcon(icons, I::biMaximize);
    case A::sbaRestore:
      return HasIcon(icons, state == ssMaximized ? I::biRestoreMaximized : I::biRestore);
    case A::sbaRollUp:
      return HasIcon(icons, I::biRollUp);
    case A::sbaRollDown:
      return HasIcon(icons, I::biRollDown);
    case A::sbaTray:
      return HasIcon(icons, I::biTray);
    default:
      return std::nullopt;
  }
}

bool IsWindowState(TSeState state) {
  return state == ssNormal || state == ssMaximized || state == ssMinimized || state == ssRolledUp;
}

bool HiddenInWindowState(TSeAction action, TSeState state) {
  using A = TSeAction;
  switch (action) {
    case A::sbaMinimize:
      return state == ssMinimized;
    case A::sbaMaximize:
      return state == ssMaximized || state == ssMinimized;
    case A::sbaRestore:
      return state == ssNormal || state == ssRolledUp;
    case A::sbaRollUp:
      return state == ssMinimized || state == ssRolledUp;
    case A::sbaRollDown:
      return state == ssNormal || state == ssMaximized || state == ssMinimized;
    default:
      return false;
  }
}

// The window state makes the button visible, then hides it where its action has no use.
std::optional<bool> VisibleByWindowState(TSeAction action, TSeState state) {
  if (!IsWindowState(state)) return std::nullopt;
  return !HiddenInWindowState(action, state);
}

bool IsHotPressedOrFocused(TSeState state) {
  return state == ssHot || state == ssPressed || state == ssFocused;
}

// The link of the state among a button's four state links, when it resolves.
const TteBitmapLink* StateBitmap(TSeState state, const TteBitmapLink& focused,
                                 const TteBitmapLink& hot, const TteBitmapLink& disabled,
                                 const TteBitmapLink& pressed) {
  const TteBitmapLink* link = nullptr;
  switch (state) {
    case ssFocused:
      link = &focused;
      break;
    case ssHot:
      link = &hot;
      break;
    case ssDisabled:
      link = &disabled;
      break;
    case ssPressed:
      link = &pressed;
      break;
    default:
      break;
  }
  return link && link->IsValid() ? link : nullptr;
}

std::unique_ptr<TFont> NewFont() {
  return std::make_unique<TFont>();
}
std::unique_ptr<TteBitmapLink> NewLink() {
  return std::make_unique<TteBitmapLink>();
}

}  // namespace

// ---- TSeActiveObject ---------------------------------------------------------------

TSeActiveObject::TSeActiveObject(TComponent* owner)
    : TSeSkinObject(owner), FActiveFont(NewFont()), FDisabledFont(NewFont()) {}

const TClassInfo& TSeActiveObject::StaticClassInfo() {
  using C = TSeActiveObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeActiveObject", &TSeSkinObject::StaticClassInfo())
          .Property<TColorType>("ActiveColor", &C::GetActiveColor, &C::SetActiveColor)
          .Property("ActiveFont", &C::ActiveFont, &C::SetActiveFont)
          .Property("DisabledFont", &C::DisabledFont, &C::SetDisabledFont)
          .Creatable()
          .Build();
  return info;
}

void TSeActiveObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeActiveObject*>(&source);
  if (!other || other == this) return;
  FActiveColor = other->FActiveColor;
  FActiveFont->Assign(*other->FActiveFont);
  FDisabledFont->Assign(*other->FDisabledFont);
}

TFont* TSeActiveObject::GetFont() const {
  return IsHotPressedOrFocused(FState) ? FActiveFont.get() : FFont.get();
}

void TSeActiveObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (FActive || IsHotPressedOrFocused(FState)) {
    const TScopedValue<TColor> color(FColor, FActiveColor);
    const TScopedAssign<TFont> font(*FFont, *FActiveFont);
    TSeSkinObject::Draw(canvas, clip);
  } else if (FState == ssDisabled) {
    const TScopedAssign<TFont> font(*FFont, *FDisabledFont);
    TSeSkinObject::Draw(canvas, clip);
  } else {
    TSeSkinObject::Draw(canvas, clip);
  }
}

void TSeActiveObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  ShiftColorHue(FActiveColor, delta);
  ShiftFontHue(*FActiveFont, delta);
  ShiftFontHue(*FDisabledFont, delta);
}

void TSeActiveObject::ChangeBrightness(int delta) {
  TSeSkinObject::ChangeBrightness(delta);
  ShiftColorBrightness(FActiveColor, delta);
  ShiftFontBrightness(*FActiveFont, delta);
  ShiftFontBrightness(*FDisabledFont, delta);
}

void TSeActiveObject::SetCharset(TFontCharset charset) {
  TSeSkinObject::SetCharset(charset);
  FActiveFont->SetCharset(charset);
  FDisabledFont->SetCharset(charset);
}

// ---- TSeTextObject -----------------------------------------------------------------

TSeTextObject::TSeTextObject(TComponent* owner)
    : TSeSkinObject(owner),
      FFontHot(NewFont()),
      FFontFocused(NewFont()),
      FFontPressed(NewFont()),
      FFontDisabled(NewFont()) {}

const TClassInfo& TSeTextObject::StaticClassInfo() {
  using C = TSeTextObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeTextObject", &TSeSkinObject::StaticClassInfo())
          .Property("FontHot", &C::FontHot, &C::SetFontHot)
          .Property("FontFocused", &C::FontFocused, &C::SetFontFocused)
          .Property("FontPressed", &C::FontPressed, &C::SetFontPressed)
          .Property("FontDisabled", &C::FontDisabled, &C::SetFontDisabled)
          .Creatable()
          .Build();
  return info;
}

void TSeTextObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeTextObject*>(&source);
  if (!other || other == this) return;
  FFontHot->Assign(*other->FFontHot);
  FFontFocused->Assign(*other->FFontFocused);
  FFontPressed->Assign(*other->FFontPressed);
  FFontDisabled->Assign(*other->FFontDisabled);
}

TFont* TSeTextObject::StateFont() const {
  switch (FState) {
    case ssHot:
      return FFontHot.get();
    case ssPressed:
      return FFontPressed.get();
    case ssFocused:
      return FFontFocused.get();
    case ssDisabled:
      return FFontDisabled.get();
    default:
      return nullptr;
  }
}

TFont* TSeTextObject::GetFont() const {
  TFont* stateFont = StateFont();
  return stateFont ? stateFont : FFont.get();
}

void TSeTextObject::Draw(TCanvas& canvas, const TRect& clip) {
  std::optional<TScopedAssign<TFont>> font;
  if (TFont* stateFont = StateFont()) font.emplace(*FFont, *stateFont);
  TSeSkinObject::Draw(canvas, clip);
}

void TSeTextObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  for (TFont* font : {FFontHot.get(), FFontFocused.get(), FFontPressed.get(), FFontDisabled.get()})
    ShiftFontHue(*font, delta);
}

void TSeTextObject::ChangeBrightness(int delta) {
  TSeSkinObject::ChangeBrightness(delta);
  for (TFont* font : {FFontHot.get(), FFontFocused.get(), FFontPressed.get(), FFontDisabled.get()})
    ShiftFontBrightness(*font, delta);
}

void TSeTextObject::SetCharset(TFontCharset charset) {
  TSeSkinObject::SetCharset(charset);
  for (TFont* font : {FFontHot.get(), FFontFocused.get(), FFontPressed.get(), FFontDisabled.get()})
    font->SetCharset(charset);
}

// ---- TSeActiveSkinObject -------------------------------------------------------------

TSeActiveSkinObject::TSeActiveSkinObject(TComponent* owner)
    : TSeSkinObject(owner), FActiveFont(NewFont()) {}

const TClassInfo& TSeActiveSkinObject::StaticClassInfo() {
  using C = TSeActiveSkinObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeActiveSkinObject", &TSeSkinObject::StaticClassInfo())
          .Property<TColorType>("ActiveColor", &C::GetActiveColor, &C::SetActiveColor)
          .Property("ActiveFont", &C::ActiveFont, &C::SetActiveFont)
          .Creatable()
          .Build();
  return info;
}

void TSeActiveSkinObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeActiveSkinObject*>(&source);
  if (!other || other == this) return;
  FActiveColor = other->FActiveColor;
  FActiveFont->Assign(*other->FActiveFont);
}

void TSeActiveSkinObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (FActive || IsHotPressedOrFocused(FState)) {
    const TScopedValue<TColor> color(FColor, FActiveColor);
    const TScopedAssign<TFont> font(*FFont, *FActiveFont);
    TSeSkinObject::Draw(canvas, clip);
  } else {
    TSeSkinObject::Draw(canvas, clip);
  }
}

void TSeActiveSkinObject::ChangeHue(int delta) {
  TSeSkinObject::ChangeHue(delta);
  ShiftColorHue(FActiveColor, delta);
  ShiftFontHue(*FActiveFont, delta);
}

void TSeActiveSkinObject::ChangeBrightness(int delta) {
  TSeSkinObject::ChangeBrightness(delta);
  ShiftColorBrightness(FActiveColor, delta);
  ShiftFontBrightness(*FActiveFont, delta);
}

// ---- TSeColorButtonObject ------------------------------------------------------------

TSeColorButtonObject::TSeColorButtonObject(TComponent* owner)
    : TSeSkinObject(owner),
      FHotFont(NewFont()),
      FPressedFont(NewFont()),
      FFocusedFont(NewFont()),
      FDisabledFont(NewFont()) {}

const TClassInfo& TSeColorButtonObject::StaticClassInfo() {
  using C = TSeColorButtonObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeColorButtonObject", &TSeSkinObject::StaticClassInfo())
          .Property<TColorType>("HotColor", &C::GetHotColor, &C::SetHotColor)
          .Property("HotFont", &C::HotFont, &C::SetHotFont)
          .Property<TColorType>("PressedColor", &C::GetPressedColor, &C::SetPressedColor)
          .Property("PressedFont", &C::PressedFont, &C::SetPressedFont)
          .Property<TColorType>("FocusedColor", &C::GetFocusedColor, &C::SetFocusedColor)
          .Property("FocusedFont", &C::FocusedFont, &C::SetFocusedFont)
          .Property<TColorType>("DisabledColor", &C::GetDisabledColor, &C::SetDisabledColor)
          .Property("DisabledFont", &C::DisabledFont, &C::SetDisabledFont)
          .Creatable()
          .Build();
  return info;
}

void TSeColorButtonObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeColorButtonObject*>(&source);
  if (!other || other == this) return;
  FHotColor = other->FHotColor;
  FHotFont->Assign(*other->FHotFont);
  FPressedColor = other->FPressedColor;
  FPressedFont->Assign(*other->FPressedFont);
  FFocusedColor = other->FFocusedColor;
  FFocusedFont->Assign(*other->FFocusedFont);
  FDisabledColor = other->FDisabledColor;
  FDisabledFont->Assign(*other->FDisabledFont);
}

void TSeColorButtonObject::Draw(TCanvas& canvas, const TRect& clip) {
  TColor stateColor = FColor;
  const TFont* stateFont = nullptr;
  switch (FState) {
    case ssHot:
      stateColor = FHotColor, stateFont = FHotFont.get();
      break;
    case ssPressed:
      stateColor = FPressedColor, stateFont = FPressedFont.get();
      break;
    case ssFocused:
      stateColor = FFocusedColor, stateFont = FFocusedFont.get();
      break;
    case ssDisabled:
      stateColor = FDisabledColor, stateFont = FDisabledFont.get();
      break;
    default:
      break;
  }
  if (!stateFont) {
    TSeSkinObject::Draw(canvas, clip);
    return;
  }
  const TScopedValue<TColor> color(FColor, stateColor);
  const TScopedAssign<TFont> font(*FFont, *stateFont);
  TSeSkinObject::Draw(canvas, clip);
}

// ---- TSeBitmapObject -----------------------------------------------------------------

TSeBitmapObject::TSeBitmapObject(TComponent* owner) : TSeSkinObject(owner), FBitmap(NewLink()) {}

const TClassInfo& TSeBitmapObject::StaticClassInfo() {
  using C = TSeBitmapObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeBitmapObject", &TSeSkinObject::StaticClassInfo())
          .Property("Bitmap", &C::Bitmap, &C::SetBitmap)
          .Property("BorderTileStyle", &C::GetBorderTileStyle, &C::SetBorderTileStyle)
          .Property("MaskedBorder", &C::GetMaskedBorder, &C::SetMaskedBorder)
          .Property("MaskedAngles", &C::GetMaskedAngles, &C::SetMaskedAngles)
          .Property("TileStyle", &C::GetTileStyle, &C::SetTileStyle)
          .Creatable()
          .Build();
  return info;
}

void TSeBitmapObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeBitmapObject*>(&source);
  if (!other || other == this) return;
  FBitmap->Assign(*other->FBitmap);
  FBorderTileStyle = other->FBorderTileStyle;
  FMaskedBorder = other->FMaskedBorder;
  FMaskedAngles = other->FMaskedAngles;
  FTileStyle = other->FTileStyle;
}

void TSeBitmapObject::UpdateLinks() {
  TSeSkinObject::UpdateLinks();
  ResolveLink(*FBitmap);
}

// The bitmap, then the text; then the children are aligned and painted. Without margins
// and without a colour the object paints as a plain object (no bitmap).
void TSeBitmapObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (!FBitmap->IsValid() || FWidth < 1 || FHeight < 1) return;
  if (!HasMargins() && FColor == clNone) {
    TSeSkinObject::Draw(canvas, clip);
    return;
  }
  if (!MeetsClip(clip)) return;
  const TCanvasClipScope clipScope(canvas, clip);
  if (HasMargins())
    DrawNinePart(canvas, clip);
  else
    DrawSimple(canvas, clip);
  PaintText(canvas);
  if (!FFreshLayout) AlignChildren();
  PaintChildren(canvas, clip);
}

void TSeBitmapObject::DrawSimple(TCanvas& canvas, const TRect& clip) {
  const TRect source = LinkSource(*FBitmap);
  const TPiecePainter painter(canvas, *FBitmap->Bitmap(), BoundsRect(), clip);
  painter.Draw(SimpleTarget(FTileStyle, BoundsRect(), source), source, FTileStyle, FBitmap->Masked);
}

// Centre by TileStyle, edges by BorderTileStyle, corners unscaled; each piece with the
// link's transparency flag for its kind of piece.
void TSeBitmapObject::DrawNinePart(TCanvas& canvas, const TRect& clip) {
  const TRect source = LinkSource(*FBitmap);
  const TRect bounds = BoundsRect();
  const TRect frame = NinePartFrame(FTileStyle, bounds.Width(), bounds.Height(), source)
                          .Offset(bounds.Left, bounds.Top);
  const TMargins margins = PaintMargins(*this);
  const TPiecePainter painter(canvas, *FBitmap->Bitmap(), BoundsRect(), clip);
  DrawNineParts(painter, CutNineParts(source, frame, margins), frame, margins,
                {FTileStyle, FBorderTileStyle, FBitmap->Masked, FBitmap->MaskedBorder,
                 FBitmap->MaskedAngles});
}

QRegion TSeBitmapObject::GetMaskRegion() {
  if (FBitmap->IsValid() && MaskRegionWanted()) return PaintedMaskRegion();
  return BoundsRegion();
}

// ---- TSeActiveBitmap -----------------------------------------------------------------

TSeActiveBitmap::TSeActiveBitmap(TComponent* owner)
    : TSeBitmapObject(owner), FActiveBitmap(NewLink()), FActiveFont(NewFont()) {}

const TClassInfo& TSeActiveBitmap::StaticClassInfo() {
  using C = TSeActiveBitmap;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeActiveBitmap", &TSeBitmapObject::StaticClassInfo())
          .Property("ActiveBitmap", &C::ActiveBitmap, &C::SetActiveBitmap)
          .Property("ActiveFont", &C::ActiveFont, &C::SetActiveFont)
          .Creatable()
          .Build();
  return info;
}

void TSeActiveBitmap::Assign(const TPersistent& source) {
  TSeBitmapObject::Assign(source);
  const auto* other = dynamic_cast<const TSeActiveBitmap*>(&source);
  if (!other || other == this) return;
  FActiveBitmap->Assign(*other->FActiveBitmap);
  FActiveFont->Assign(*other->FActiveFont);
}

TFont* TSeActiveBitmap::GetFont() const {
  return FState == ssHot || FState == ssFocused ? FActiveFont.get() : FFont.get();
}

void TSeActiveBitmap::UpdateLinks() {
  TSeBitmapObject::UpdateLinks();
  ResolveLink(*FActiveBitmap);
}

void TSeActiveBitmap::Draw(TCanvas& canvas, const TRect& clip) {
  std::optional<TScopedAssign<TteBitmapLink>> bitmap;
  if ((FActive || IsHotPressedOrFocused(FState)) && FActiveBitmap->IsValid())
    bitmap.emplace(*FBitmap, *FActiveBitmap);
  TSeBitmapObject::Draw(canvas, clip);
}

void TSeActiveBitmap::SetCharset(TFontCharset charset) {
  TSeBitmapObject::SetCharset(charset);
  FActiveFont->SetCharset(charset);
}

// ---- TSeSystemButton -----------------------------------------------------------------

TSeSystemButton::TSeSystemButton(TComponent* owner)
    : TSeActiveBitmap(owner), FBitmapHot(NewLink()), FBitmapPressed(NewLink()) {
  FKind = TSeKind::skSysButton;
}

const TClassInfo& TSeSystemButton::StaticClassInfo() {
  using C = TSeSystemButton;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeSystemButton", &TSeActiveBitmap::StaticClassInfo())
          .Property("Action", &C::GetAction, &C::SetAction)
          .Property("BitmapHot", &C::BitmapHot, &C::SetBitmapHot)
          .Property("BitmapPressed", &C::BitmapPressed, &C::SetBitmapPressed)
          .Creatable()
          .Build();
  return info;
}

void TSeSystemButton::Assign(const TPersistent& source) {
  TSeActiveBitmap::Assign(source);
  const auto* other = dynamic_cast<const TSeSystemButton*>(&source);
  if (!other || other == this) return;
  FAction = other->FAction;
  FBitmapHot->Assign(*other->FBitmapHot);
  FBitmapPressed->Assign(*other->FBitmapPressed);
}

void TSeSystemButton::SetBorderIcons(TSeBorderIcons icons) {
  TSeActiveBitmap::SetBorderIcons(icons);
  if (const std::optional<bool> visible = VisibleByBorderIcons(FAction, icons, FState))
    FVisible = *visible;
}

void TSeSystemButton::SetState(TSeState state) {
  TSeActiveBitmap::SetState(state);
  if (const std::optional<bool> visible = VisibleByWindowState(FAction, state)) FVisible = *visible;
}

void TSeSystemButton::UpdateLinks() {
  TSeActiveBitmap::UpdateLinks();
  ResolveLink(*FBitmapHot);
  ResolveLink(*FBitmapPressed);
}

void TSeSystemButton::Draw(TCanvas& canvas, const TRect& clip) {
  if (FAction == TSeAction::sbaSysMenu) {
    if (MeetsClip(clip)) DrawWindowIcon(canvas, FControl, BoundsRect());
    return;
  }
  if (!FActive) {
    DrawInState(canvas, clip, nullptr, ssDisabled);
    return;
  }
  switch (FButtonState) {
    case TSeButtonState::bsHot:
      DrawInState(canvas, clip, FBitmapHot.get(), ssHot);
      break;
    case TSeButtonState::bsPressed:
      DrawInState(canvas, clip, FBitmapPressed.get(), ssPressed);
      break;
    default:
      TSeActiveBitmap::Draw(canvas, clip);
      break;
  }
}

// Paints as an active bitmap with `bitmap` (when it resolves) in place of Bitmap, Active
// off and the children (the glyphs) in `childState`; everything goes back afterwards.
void TSeSystemButton::DrawInState(TCanvas& canvas, const TRect& clip, const TteBitmapLink* bitmap,
                                  TSeState childState) {
  std::optional<TScopedAssign<TteBitmapLink>> bitmapSwap;
  if (bitmap && bitmap->IsValid()) bitmapSwap.emplace(*FBitmap, *bitmap);
  const TScopedValue<bool> inactive(FActive, false);
  SetChildrenState(childState);
  const TScopeExit childrenBack([this] { SetChildrenState(ssNormal); });
  TSeActiveBitmap::Draw(canvas, clip);
}

// ---- TSeButtonObject -----------------------------------------------------------------

TSeButtonObject::TSeButtonObject(TComponent* owner)
    : TSeBitmapObject(owner),
      FBitmapHot(NewLink()),
      FBitmapFocused(NewLink()),
      FBitmapPressed(NewLink()),
      FBitmapDisabled(NewLink()) {}

const TClassInfo& TSeButtonObject::StaticClassInfo() {
  using C = TSeButtonObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeButtonObject", &TSeBitmapObject::StaticClassInfo())
          .Property("BitmapHot", &C::BitmapHot, &C::SetBitmapHot)
          .Property("BitmapFocused", &C::BitmapFocused, &C::SetBitmapFocused)
          .Property("BitmapPressed", &C::BitmapPressed, &C::SetBitmapPressed)
          .Property("BitmapDisabled", &C::BitmapDisabled, &C::SetBitmapDisabled)
          .Creatable()
          .Build();
  return info;
}

void TSeButtonObject::Assign(const TPersistent& source) {
  TSeBitmapObject::Assign(source);
  const auto* other = dynamic_cast<const TSeButtonObject*>(&source);
  if (!other || other == this) return;
  FBitmapHot->Assign(*other->FBitmapHot);
  FBitmapFocused->Assign(*other->FBitmapFocused);
  FBitmapPressed->Assign(*other->FBitmapPressed);
  FBitmapDisabled->Assign(*other->FBitmapDisabled);
}

void TSeButtonObject::UpdateLinks() {
  TSeBitmapObject::UpdateLinks();
  ResolveLink(*FBitmapHot);
  ResolveLink(*FBitmapFocused);
  ResolveLink(*FBitmapPressed);
  ResolveLink(*FBitmapDisabled);
}

void TSeButtonObject::Draw(TCanvas& canvas, const TRect& clip) {
  std::optional<TScopedAssign<TteBitmapLink>> bitmap;
  if (const TteBitmapLink* link =
          StateBitmap(FState, *FBitmapFocused, *FBitmapHot, *FBitmapDisabled, *FBitmapPressed))
    bitmap.emplace(*FBitmap, *link);
  TSeBitmapObject::Draw(canvas, clip);
}

// ---- TSeBitmapSkinObject -------------------------------------------------------------

TSeBitmapSkinObject::TSeBitmapSkinObject(TComponent* owner)
    : TSeSkinObject(owner), FBitmap(NewLink()) {}

const TClassInfo& TSeBitmapSkinObject::StaticClassInfo() {
  using C = TSeBitmapSkinObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeBitmapSkinObject", &TSeSkinObject::StaticClassInfo())
          .Property("Bitmap", &C::Bitmap, &C::SetBitmap)
          .Property("TileStyle", &C::GetTileStyle, &C::SetTileStyle)
          .Creatable()
          .Build();
  return info;
}

void TSeBitmapSkinObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeBitmapSkinObject*>(&source);
  if (!other || other == this) return;
  FBitmap->Assign(*other->FBitmap);
  FTileStyle = other->FTileStyle;
}

void TSeBitmapSkinObject::UpdateLinks() {
  TSeSkinObject::UpdateLinks();
  ResolveLink(*FBitmap);
}

// The bitmap and the text only: children are neither aligned nor painted.
void TSeBitmapSkinObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (!FBitmap->IsValid() || FWidth < 1 || FHeight < 1 || !MeetsClip(clip)) return;
  const TCanvasClipScope clipScope(canvas, clip);
  DrawWhole(canvas, clip);
}

// Tile, stretch and centre draw the link rectangle; the centre-line styles draw nothing
// in this family.
void TSeBitmapSkinObject::DrawWhole(TCanvas& canvas, const TRect& clip) {
  if (FTileStyle == TS::tsTile || FTileStyle == TS::tsStretch || FTileStyle == TS::tsCenter) {
    const TPiecePainter painter(canvas, *FBitmap->Bitmap(), BoundsRect(), clip);
    painter.Draw(BoundsRect(), LinkSource(*FBitmap), FTileStyle, FBitmap->Masked);
  }
  PaintText(canvas);
}

QRegion TSeBitmapSkinObject::GetMaskRegion() {
  if (FBitmap->IsValid() && MaskRegionWanted()) return PaintedMaskRegion();
  return BoundsRegion();
}

// ---- TSeFormBitmapSkinObject ---------------------------------------------------------

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), FInactiveBitmap(NewLink()) {}

const TClassInfo& TSeFormBitmapSkinObject::StaticClassInfo() {
  using C = TSeFormBitmapSkinObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeFormBitmapSkinObject", &TSeBitmapSkinObject::StaticClassInfo())
          .Property("InactiveBitmap", &C::InactiveBitmap, &C::SetInactiveBitmap)
          .Creatable()
          .Build();
  return info;
}

void TSeFormBitmapSkinObject::Assign(const TPersistent& source) {
  TSeBitmapSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeFormBitmapSkinObject*>(&source);
  if (!other || other == this) return;
  FInactiveBitmap->Assign(*other->FInactiveBitmap);
}

void TSeFormBitmapSkinObject::UpdateLinks() {
  TSeBitmapSkinObject::UpdateLinks();
  ResolveLink(*FInactiveBitmap);
}

void TSeFormBitmapSkinObject::Draw(TCanvas& canvas, const TRect& clip) {
  std::optional<TScopedAssign<TteBitmapLink>> bitmap;
  if (!FActive && FInactiveBitmap->IsValid()) bitmap.emplace(*FBitmap, *FInactiveBitmap);
  TSeBitmapSkinObject::Draw(canvas, clip);
}

// ---- TSeSysButtonSkinObject ----------------------------------------------------------

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), FBitmapHover(NewLink()), FBitmapDown(NewLink()) {
  FKind = TSeKind::skSysButton;
}

const TClassInfo& TSeSysButtonSkinObject::StaticClassInfo() {
  using C = TSeSysButtonSkinObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeSysButtonSkinObject", &TSeBitmapSkinObject::StaticClassInfo())
          .Property("Action", &C::GetAction, &C::SetAction)
          .Property("BitmapHover", &C::BitmapHover, &C::SetBitmapHover)
          .Property("BitmapDown", &C::BitmapDown, &C::SetBitmapDown)
          .Property("RollPanel", &C::GetRollPanel, &C::SetRollPanel)
          .Creatable()
          .Build();
  return info;
}

void TSeSysButtonSkinObject::Assign(const TPersistent& source) {
  TSeBitmapSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeSysButtonSkinObject*>(&source);
  if (!other || other == this) return;
  FAction = other->FAction;
  FBitmapHover->Assign(*other->FBitmapHover);
  FBitmapDown->Assign(*other->FBitmapDown);
  FRollPanel = other->FRollPanel;
}

void TSeSysButtonSkinObject::SetBorderIcons(TSeBorderIcons icons) {
  TSeBitmapSkinObject::SetBorderIcons(icons);
  if (const std::optional<bool> visible = VisibleByBorderIcons(FAction, icons, FState))
    FVisible = *visible;
}

void TSeSysButtonSkinObject::SetState(TSeState state) {
  TSeBitmapSkinObject::SetState(state);
  if (const std::optional<bool> visible = VisibleByWindowState(FAction, state)) FVisible = *visible;
}

void TSeSysButtonSkinObject::UpdateLinks() {
  TSeBitmapSkinObject::UpdateLinks();
  ResolveLink(*FBitmapHover);
  ResolveLink(*FBitmapDown);
}

void TSeSysButtonSkinObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (FAction == TSeAction::sbaSysMenu) {
    if (MeetsClip(clip)) DrawWindowIcon(canvas, FControl, BoundsRect());
    return;
  }
  const TteBitmapLink* stateBitmap = nullptr;
  if (FButtonState == TSeButtonState::bsHot) stateBitmap = FBitmapHover.get();
  if (FButtonState == TSeButtonState::bsPressed) stateBitmap = FBitmapDown.get();
  std::optional<TScopedAssign<TteBitmapLink>> bitmap;
  if (stateBitmap && stateBitmap->IsValid()) bitmap.emplace(*FBitmap, *stateBitmap);
  TSeBitmapSkinObject::Draw(canvas, clip);
}

// ---- TSeBitmapBoxObject --------------------------------------------------------------

TSeBitmapBoxObject::TSeBitmapBoxObject(TComponent* owner) : TSeBitmapSkinObject(owner) {}

const TClassInfo& TSeBitmapBoxObject::StaticClassInfo() {
  using C = TSeBitmapBoxObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeBitmapBoxObject", &TSeBitmapSkinObject::StaticClassInfo())
          .Property("BorderTileStyle", &C::GetBorderTileStyle, &C::SetBorderTileStyle)
          .Creatable()
          .Build();
  return info;
}

void TSeBitmapBoxObject::Assign(const TPersistent& source) {
  TSeBitmapSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeBitmapBoxObject*>(&source);
  if (!other || other == this) return;
  FBorderTileStyle = other->FBorderTileStyle;
}

void TSeBitmapBoxObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (!FBitmap->IsValid() || FWidth < 1 || FHeight < 1 || !MeetsClip(clip)) return;
  const TCanvasClipScope clipScope(canvas, clip);
  if (HasMargins())
    DrawBox(canvas, clip);
  else
    DrawWhole(canvas, clip);
}

// Nine parts over the whole object. Centre and edges take the link's centre flag; the
// corners keep the image's own key flag.
void TSeBitmapBoxObject::DrawBox(TCanvas& canvas, const TRect& clip) {
  const TMargins margins = PaintMargins(*this);
  const TPiecePainter painter(canvas, *FBitmap->Bitmap(), BoundsRect(), clip);
  DrawNineParts(painter, CutNineParts(LinkSource(*FBitmap), BoundsRect(), margins), BoundsRect(),
                margins,
                {FTileStyle, FBorderTileStyle, FBitmap->Masked, FBitmap->Masked, std::nullopt});
  PaintText(canvas);
}

// ---- TSeActiveBitmapBoxObject --------------------------------------------------------

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(TComponent* owner)
    : TSeBitmapBoxObject(owner), FFocusedBitmap(NewLink()) {}

const TClassInfo& TSeActiveBitmapBoxObject::StaticClassInfo() {
  using C = TSeActiveBitmapBoxObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeActiveBitmapBoxObject", &TSeBitmapBoxObject::StaticClassInfo())
          .Property("FocusedBitmap", &C::FocusedBitmap, &C::SetFocusedBitmap)
          .Creatable()
          .Build();
  return info;
}

void TSeActiveBitmapBoxObject::Assign(const TPersistent& source) {
  TSeBitmapBoxObject::Assign(source);
  const auto* other = dynamic_cast<const TSeActiveBitmapBoxObject*>(&source);
  if (!other || other == this) return;
  FFocusedBitmap->Assign(*other->FFocusedBitmap);
}

void TSeActiveBitmapBoxObject::UpdateLinks() {
  TSeBitmapBoxObject::UpdateLinks();
  ResolveLink(*FFocusedBitmap);
}

void TSeActiveBitmapBoxObject::Draw(TCanvas& canvas, const TRect& clip) {
  std::optional<TScopedAssign<TteBitmapLink>> bitmap;
  if ((FState == ssFocused || FState == ssHot) && FFocusedBitmap->IsValid())
    bitmap.emplace(*FBitmap, *FFocusedBitmap);
  TSeBitmapBoxObject::Draw(canvas, clip);
}

// ---- TSeButtonBitmapBoxObject --------------------------------------------------------

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(TComponent* owner)
    : TSeBitmapBoxObject(owner),
      FHotBitmap(NewLink()),
      FFocusedBitmap(NewLink()),
      FPressedBitmap(NewLink()),
      FDisabledBitmap(NewLink()) {}

const TClassInfo& TSeButtonBitmapBoxObject::StaticClassInfo() {
  using C = TSeButtonBitmapBoxObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeButtonBitmapBoxObject", &TSeBitmapBoxObject::StaticClassInfo())
          .Property("HotBitmap", &C::HotBitmap, &C::SetHotBitmap)
          .Property("FocusedBitmap", &C::FocusedBitmap, &C::SetFocusedBitmap)
          .Property("PressedBitmap", &C::PressedBitmap, &C::SetPressedBitmap)
          .Property("DisabledBitmap", &C::DisabledBitmap, &C::SetDisabledBitmap)
          .Creatable()
          .Build();
  return info;
}

void TSeButtonBitmapBoxObject::Assign(const TPersistent& source) {
  TSeBitmapBoxObject::Assign(source);
  const auto* other = dynamic_cast<const TSeButtonBitmapBoxObject*>(&source);
  if (!other || other == this) return;
  FHotBitmap->Assign(*other->FHotBitmap);
  FFocusedBitmap->Assign(*other->FFocusedBitmap);
  FPressedBitmap->Assign(*other->FPressedBitmap);
  FDisabledBitmap->Assign(*other->FDisabledBitmap);
}

void TSeButtonBitmapBoxObject::UpdateLinks() {
  TSeBitmapBoxObject::UpdateLinks();
  ResolveLink(*FHotBitmap);
  ResolveLink(*FFocusedBitmap);
  ResolveLink(*FPressedBitmap);
  ResolveLink(*FDisabledBitmap);
}

void TSeButtonBitmapBoxObject::Draw(TCanvas& canvas, const TRect& clip) {
  std::optional<TScopedAssign<TteBitmapLink>> bitmap;
  if (const TteBitmapLink* link =
          StateBitmap(FState, *FFocusedBitmap, *FHotBitmap, *FDisabledBitmap, *FPressedBitmap))
    bitmap.emplace(*FBitmap, *link);
  TSeBitmapBoxObject::Draw(canvas, clip);
}

// ---- TSeLinkSkinObject ---------------------------------------------------------------

TSeLinkSkinObject::TSeLinkSkinObject(TComponent* owner) : TSeSkinObject(owner) {}

const TClassInfo& TSeLinkSkinObject::StaticClassInfo() {
  using C = TSeLinkSkinObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeLinkSkinObject", &TSeSkinObject::StaticClassInfo())
          .Property("LinkControl", &C::GetLinkControl, &C::SetLinkControl)
          .Creatable()
          .Build();
  return info;
}

void TSeLinkSkinObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeLinkSkinObject*>(&source);
  if (!other || other == this) return;
  FLinkControl = other->FLinkControl;
}

// The object stands in for a real control: in the placeholder state it shows where the
// control goes (a white box with the control's name); otherwise only its children paint.
void TSeLinkSkinObject::Draw(TCanvas& canvas, const TRect& clip) {
  if (!FVisible || FWidth <= 0 || FHeight <= 0 || !MeetsClip(clip)) return;
  const TCanvasClipScope clipScope(canvas, clip);
  if (FState == ssPlaceholder) {
    canvas.FillRect(BoundsRect(), clWhite);
    canvas.FrameRect(BoundsRect(), clBlack);
    canvas.Font().Assign(*FFont);
    TRect textRect = BoundsRect();
    canvas.DrawText(AnsiToQString(FLinkControl), textRect,
                    dtCenter | dtVCenter | dtSingleLine | dtNoPrefix);
  }
  PaintChildren(canvas, clip);
}

// ---- TSeRollPanelObject --------------------------------------------------------------

TSeRollPanelObject::TSeRollPanelObject(TComponent* owner) : TSeSkinObject(owner) {}

const TClassInfo& TSeRollPanelObject::StaticClassInfo() {
  using C = TSeRollPanelObject;
  static const TClassInfo info =
      TClassInfoBuilder<C>("TSeRollPanelObject", &TSeSkinObject::StaticClassInfo())
          .Property("RollKind", &C::GetRollKind, &C::SetRollKind)
          .Property("RollValue", &C::GetRollValue, &C::SetRollValue)
          .Creatable()
          .Build();
  return info;
}

void TSeRollPanelObject::Assign(const TPersistent& source) {
  TSeSkinObject::Assign(source);
  const auto* other = dynamic_cast<const TSeRollPanelObject*>(&source);
  if (!other || other == this) return;
  FRollKind = other->FRollKind;
  FRollValue = other->FRollValue;
}

}  // namespace vt
