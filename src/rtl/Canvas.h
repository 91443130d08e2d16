#pragma once
// The drawing surface of the engine: a canvas over 32-bit pixel memory (a skin image or
// a QImage in one of the 32-bit RGB formats) or, for any other target, over a QPainter.
//
// Alpha policy. Skin images keep alpha in the top byte of each pixel, and the key pixel
// 0x007F007F marks transparency. Everything the canvas itself draws (fills, frames, lines,
// text) is opaque: the pixels it touches get alpha 255, except that a fill or line in the
// key colour (red 127, green 0, blue 127) writes exactly the key pixel, so that painting a
// transparent background in design mode leaves pixels that the region and blending code
// recognise. XOR lines flip the colour bytes and leave alpha alone.
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <optional>

#include "Graphics.h"
#include "Types.h"

namespace vt {

// Memory of a 32-bit image: rows top-down, StridePixels pixels apart.
struct TPixelSurface {
  uint32_t* Bits = nullptr;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t StridePixels = 0;
  uint32_t* Row(int y) const { return Bits + static_cast<ptrdiff_t>(y) * StridePixels; }
};

enum class TPenStyle { psSolid, psDot, psClear };
enum class TPenMode { pmCopy, pmXor };

// Text formats; the values follow the platform's DrawText flags.
enum TTextFormat : uint32_t {
  dtLeft = 0x0,
  dtCenter = 0x1,
  dtRight = 0x2,
  dtTop = 0x0,
  dtVCenter = 0x4,
  dtBottom = 0x8,
  dtSingleLine = 0x20,
  dtCalcRect = 0x400,
  dtNoPrefix = 0x800,
  dtEndEllipsis = 0x8000,
  dtRtlReading = 0x20000,
};

class TCanvas {
 public:
  // Over pixel memory: every operation writes the memory directly.
  explicit TCanvas(const TPixelSurface& surface);
  // Over a QImage: direct memory for Format_RGB32/ARGB32/ARGB32_Premultiplied,
  // QPainter otherwise.
  explicit TCanvas(QImage& image);
  // Over any other target (a widget's paint event, a printer): through the painter.
  explicit TCanvas(QPainter& painter);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The memory behind the canvas, or nullptr when drawing goes through a painter.
  const TPixelSurface* Surface() const { return FSurface ? &*FSurface : nullptr; }
  // The painter for drawing that only Qt does (text, non-memory targets). On a memory
  // canvas it paints into a QImage view of the same bytes (no copy).
  QPainter& Painter();

  // Window origin: the logical point that lands on device pixel (0, 0). Every drawing
  // call takes logical coordinates; device = logical - Origin.
  TPoint Origin() const { return FOrigin; }
  void SetOrigin(TPoint origin);
  TPoint LogicalToDevice(TPoint p) const { return {p.X - FOrigin.X, p.Y - FOrigin.Y}; }
  TRect LogicalToDevice(const TRect& r) const { return r.Offset(-FOrigin.X, -FOrigin.Y); }

  // Drawing is limited to this rectangle (logical coordinates) and to the surface.
  void SetClipRect(std::optional<TRect> clip);
  std::optional<TRect> ClipRect() const { return FClip; }
  // The device rectangle that drawing may touch: surface bounds cut by the clip.
  TRect DeviceClip() const;

  TFont& Font() { return FFont; }
  TColor BrushColor = clWhite;
  TColor PenColor = clBlack;
  TPenStyle PenStyle = TPenStyle::psSolid;
  TPenMode PenMode = TPenMode::pmCopy;

  void FillRect(const TRect& rect) { FillRect(rect, BrushColor); }
  void FillRect(const TRect& rect, TColor color);
  void FrameRect(const TRect& rect, TColor color);
  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  // A line to (x, y) in the pen's colour, style and mode, without the end point.
  void LineTo(int x, int y);

  QSize TextExtent(const QString& text);
  int TextWidth(const QString& text) { return TextExtent(text).width(); }
  int TextHeight(const QString& text) { return TextExtent(text).height(); }
  void TextOut(int x, int y, const QString& text);
  // Text in a rectangle with the TTextFormat flags; returns the text height. With
  // dtCalcRect nothing is drawn and `rect` gets the text's size at its top-left.
  int DrawText(const QString& text, TRect& rect, uint32_t format);

 private:
  void SetPixel(int x, int y, uint32_t pixel, bool xorMode);
  void EndPainter();
  // The canvas font as Qt knows it, with the key that names it in text caches.
  struct TQtFont {
    TFont Source;
    QFont Font;
    QString Key;
  };
  const TQtFont& CurrentQFont() const;

  std::optional<TPixelSurface> FSurface;
  std::unique_ptr<QImage> FImageView;
  std::unique_ptr<QPainter> FOwnPainter;
  QPainter* FPainter = nullptr;
  TPoint FOrigin;
  std::optional<TRect> FClip;
  TPoint FPenPos;
  TFont FFont;
  mutable std::unique_ptr<TQtFont> FQtFont;
};

// A font metrics helper for measuring without a target (alignment of text children).
QSize ScreenTextExtent(const TFont& font, const QString& text);

}  // namespace vt
