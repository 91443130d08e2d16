#include "Canvas.h"

#include <QFontMetrics>
#include <QHash>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace vt {

namespace {

constexpr uint32_t kOpaqueAlpha = 0xFF000000u;

// Canvas colours become opaque pixels, except the key colour, which stays the exact
// transparent key (see the alpha policy in Canvas.h).
uint32_t CanvasPixel(TColor color) {
  return ColorToRGB(color) == kKeyColor ? kKeyPixel : ColorToPixel(color);
}

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool IsMemoryFormat(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied;
}

Qt::Alignment ToQtAlignment(uint32_t format) {
  Qt::Alignment a = Qt::AlignAbsolute;
  if (format & dtCenter)
    a |= Qt::AlignHCenter;
  else if (format & dtRight)
    a |= Qt::AlignRight;
  else
    a |= Qt::AlignLeft;
  if (format & dtVCenter)
    a |= Qt::AlignVCenter;
  else if (format & dtBottom)
    a |= Qt::AlignBottom;
  else
    a |= Qt::AlignTop;
  return a;
}

// Both scans go four pixels a step, which the compiler turns into vector operations: a
// text's box is a few thousand pixels, scanned on every draw.
bool AllOpaque(const TPixelSurface& s, const TRect& r) {
  uint32_t all[4] = {kOpaqueAlpha, kOpaqueAlpha, kOpaqueAlpha, kOpaqueAlpha};
  for (int y = r.Top; y < r.Bottom; ++y) {
    const uint32_t* row = s.Row(y);
    int x = r.Left;
    for (; x + 4 <= r.Right; x += 4)
      for (int i = 0; i < 4; ++i) all[i] &= row[x + i];
    for (; x < r.Right; ++x) all[0] &= row[x];
  }
  return (all[0] & all[1] & all[2] & all[3]) == kOpaqueAlpha;
}

void MakeOpaque(const TPixelSurface& s, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = s.Row(y);
    int x = r.Left;
    for (; x + 4 <= r.Right; x += 4)
      for (int i = 0; i < 4; ++i) row[x + i] |= kOpaqueAlpha;
    for (; x < r.Right; ++x) row[x] |= kOpaqueAlpha;
  }
}

void CopyPixels(const TPixelSurface& s, const TRect& r, std::vector<uint32_t>& copy) {
  copy.clear();
  for (int y = r.Top; y < r.Bottom; ++y)
    copy.insert(copy.end(), s.Row(y) + r.Left, s.Row(y) + r.Right);
}

void MakeChangedPixelsOpaque(const TPixelSurface& s, const TRect& r,
                             const std::vector<uint32_t>& before) {
  const uint32_t* old = before.data();
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = s.Row(y);
    for (int x = r.Left; x < r.Right; ++x, ++old)
      if (row[x] != *old) row[x] |= 0xFF000000u;
  }
}

// Qt blends antialiased text into all four bytes of an RGB32 view, so the pixels a text
// touched are made opaque afterwards. Where everything under the text is opaque already
// (text on a filled background, the usual case) that is the whole box made opaque again;
// elsewhere the box is copied before drawing and only the pixels that changed are made
// opaque. The copy's memory is kept per thread and lent out for the draw, so that a draw
// made while another is under way (none is today) would get a buffer of its own.
class TAlphaRestorer {
 public:
  TAlphaRestorer(const std::optional<TPixelSurface>& surface, const TRect& box)
      : FSurface(surface), FBox(box) {
    if (!FSurface || AllOpaque(*FSurface, FBox)) return;
    FBefore = std::exchange(Spare(), {});
    CopyPixels(*FSurface, FBox, FBefore);
    FCompare = true;
  }
  ~TAlphaRestorer() {
    if (!FSurface) return;
    if (!FCompare) {
      MakeOpaque(*FSurface, FBox);
      return;
    }
    MakeChangedPixelsOpaque(*FSurface, FBox, FBefore);
    Spare() = std::move(FBefore);
  }
  TAlphaRestorer(const TAlphaRestorer&) = delete;
  TAlphaRestorer& operator=(const TAlphaRestorer&) = delete;

 private:
  static std::vector<uint32_t>& Spare() {
    thread_local std::vector<uint32_t> spare;
    return spare;
  }

  const std::optional<TPixelSurface>& FSurface;
  const TRect FBox;
  std::vector<uint32_t> FBefore;
  bool FCompare = false;
};

// One text drawn in one font at one place: what its inked box depends on. The font is
// kept as its key, which names every property it is made from, rather than itself, since
// fonts must not outlive the application and the cache below lives as long as its thread.
struct TInkRequest {
  QString FontKey;
  QString Text;
  QRect Target;
  int Flags;

  bool operator==(const TInkRequest&) const = default;
};

size_t qHash(const TInkRequest& r, size_t seed = 0) {
  return qHashMulti(seed, r.FontKey, r.Text, r.Target.left(), r.Target.top(), r.Target.width(),
                    r.Target.height(), r.Flags);
}

// The box the text's ink can reach: its laid-out box, widened by a margin for slanted and
// antialiased ink that reaches past the advance. Laying a text out costs about as much as
// drawing it, and a window repaints the same texts at the same places, so the boxes of
// recent requests are kept, per thread since any thread may paint.
QRect InkedBox(const QString& fontKey, const QFontMetrics& fm, const QRect& target, int flags,
               const QString& text) {
  constexpr qsizetype kKeptBoxes = 512;
  thread_local QHash<TInkRequest, QRect> boxes;
  TInkRequest request{fontKey, text, target, flags};
  if (auto known = boxes.constFind(request); known != boxes.constEnd()) return *known;
  const int overhang = fm.height();
  const QRect box = fm.boundingRect(target, flags, text)
                        .adjusted(-overhang, -overhang / 2 - 2, overhang, overhang / 2 + 2);
  if (boxes.size() >= kKeptBoxes) boxes.clear();
  boxes.insert(std::move(request), box);
  return box;
}

}  // namespace

TCanvas::TCanvas(const TPixelSurface& surface) : FSurface(surface) {}

TCanvas::TCanvas(QImage& image) {
  if (IsMemoryFormat(image.format()) && !image.isNull()) {
    FSurface = TPixelSurface{reinterpret_cast<uint32_t*>(image.bits()), image.width(),
                             image.height(), static_cast<int32_t>(image.bytesPerLine() / 4)};
  } else {
    FOwnPainter = std::make_unique<QPainter>(&image);
    FPainter = FOwnPainter.get();
  }
}

TCanvas::TCanvas(QPainter& painter) : FPainter(&painter) {}

TCanvas::~TCanvas() {
  EndPainter();
}

void TCanvas::EndPainter() {
  if (FOwnPainter && FOwnPainter->isActive()) FOwnPainter->end();
  FOwnPainter.reset();
  FImageView.reset();
  FPainter = nullptr;
}

QPainter& TCanvas::Painter() {
  if (!FPainter) {
    // RGB32 view of the same bytes: Qt then writes opaque pixels and leaves the alpha of
    // everything it does not touch, which is the canvas's alpha policy.
    FImageView = std::make_unique<QImage>(
        reinterpret_cast<uchar*>(FSurface->Bits), FSurface->Width, FSurface->Height,
        static_cast<qsizetype>(FSurface->StridePixels) * 4, QImage::Format_RGB32);
    FOwnPainter = std::make_unique<QPainter>(FImageView.get());
    FPainter = FOwnPainter.get();
  }
  return *FPainter;
}

void TCanvas::SetOrigin(TPoint origin) {
  FOrigin = origin;
}

void TCanvas::SetClipRect(std::optional<TRect> clip) {
  FClip = clip;
}

TRect TCanvas::DeviceClip() const {
  TRect bounds;
  if (FSurface) {
    bounds = {0, 0, FSurface->Width, FSurface->Height};
  } else if (FPainter && FPainter->device()) {
    bounds = {0, 0, FPainter->device()->width(), FPainter->device()->height()};
  }
  return FClip ? IntersectRect(bounds, LogicalToDevice(*FClip)) : bounds;
}

void TCanvas::FillRect(const TRect& rect, TColor color) {
  if (color == clNone) return;
  const TRect r = IntersectRect(LogicalToDevice(rect), DeviceClip());
  if (r.IsEmpty()) return;
  if (!FSurface) {
    FPainter->fillRect(r.ToQRect(), ToQColor(color));
    return;
  }
  // Only the first row is filled pixel by pixel; the others are block copies of it, which
  // the C library does several times faster than a pixel loop over a whole window.
  const uint32_t pixel = CanvasPixel(color);
  uint32_t* firstRow = FSurface->Row(r.Top) + r.Left;
  std::fill(firstRow, firstRow + r.Width(), pixel);
  const size_t rowBytes = static_cast<size_t>(r.Width()) * sizeof(uint32_t);
  for (int y = r.Top + 1; y < r.Bottom; ++y)
    std::memcpy(FSurface->Row(y) + r.Left, firstRow, rowBytes);
}

void TCanvas::FrameRect(const TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}, color);
  FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, color);
  FillRect({rect.Left, rect.Top + 1, rect.Left + 1, rect.Bottom - 1}, color);
  FillRect({rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom - 1}, color);
}

void TCanvas::SetPixel(int x, int y, uint32_t pixel, bool xorMode) {
  const TPoint d = LogicalToDevice(TPoint{x, y});
  if (!DeviceClip().Contains(d)) return;
  if (FSurface) {
    uint32_t& p = FSurface->Row(d.Y)[d.X];
    p = xorMode ? (p ^ (pixel & 0x00FFFFFFu)) : pixel;
    return;
  }
  QPainter& painter = *FPainter;
  painter.save();
  if (xorMode) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(QRect(d.X, d.Y, 1, 1), QColor::fromRgb(pixel));
  painter.restore();
}

void TCanvas::LineTo(int x, int y) {
  // Bresenham without the end point, as the platform draws lines; a dotted pen sets every
  // second pixel, counted from the start.
  const TPoint from = FPenPos;
  FPenPos = {x, y};
  if (PenStyle == TPenStyle::psClear) return;
  const uint32_t pixel = CanvasPixel(PenColor);
  const bool xorMode = PenMode == TPenMode::pmXor;
  int x0 = from.X, y0 = from.Y;
  const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
  const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  for (int step = 0; x0 != x || y0 != y; ++step) {
    if (PenStyle == TPenStyle::psSolid || step % 2 == 0) SetPixel(x0, y0, pixel, xorMode);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

// Built again only when the canvas font changed: a paint draws many texts in a font or two,
// and making a Qt font and its key costs more than drawing a short text.
const TCanvas::TQtFont& TCanvas::CurrentQFont() const {
  if (!FQtFont || !(FQtFont->Source == FFont)) {
    if (!FQtFont) FQtFont = std::make_unique<TQtFont>();
    FQtFont->Source.Assign(FFont);
    FQtFont->Font = FFont.ToQFont();
    FQtFont->Key = FQtFont->Font.key();
  }
  return *FQtFont;
}

QSize TCanvas::TextExtent(const QString& text) {
  const QFontMetrics fm(CurrentQFont().Font);
  return QSize(fm.horizontalAdvance(text), fm.height());
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  TRect r{x, y, x + TextWidth(text), y + TextHeight(text)};
  DrawText(text, r, dtLeft | dtTop | dtSingleLine | dtNoPrefix);
}

int TCanvas::DrawText(const QString& text, TRect& rect, uint32_t format) {
  const TQtFont& font = CurrentQFont();
  const QFontMetrics fm(font.Font);
  if (format & dtCalcRect) {
    rect.Right = rect.Left + fm.horizontalAdvance(text);
    rect.Bottom = rect.Top + fm.height();
    return fm.height();
  }
  const TRect clip = DeviceClip();
  const TRect target = LogicalToDevice(rect);
  if (text.isEmpty() || clip.IsEmpty() || !RectsIntersect(clip, target)) return fm.height();
  const QString shown = (format & dtEndEllipsis)
                            ? fm.elidedText(text, Qt::ElideRight, std::max(0, rect.Width()))
                            : text;
  const int flags = int(ToQtAlignment(format) | Qt::TextSingleLine);
  // Only the text's inked box can change: a caption's rectangle is mostly empty.
  const TRect inked = TRect::FromQRect(InkedBox(font.Key, fm, target.ToQRect(), flags, shown));
  const TAlphaRestorer alpha(FSurface, IntersectRect(IntersectRect(clip, target), inked));
  QPainter& p = Painter();
  p.save();
  p.setClipRect(clip.ToQRect());
  p.setFont(font.Font);
  p.setPen(ToQColor(FFont.GetColor()));
  p.setLayoutDirection((format & dtRtlReading) ? Qt::RightToLeft : Qt::LeftToRight);
  p.drawText(target.ToQRect(), flags, shown);
  p.restore();
  return fm.height();
}

QSize ScreenTextExtent(const TFont& font, const QString& text) {
  const QFontMetrics fm(font.ToQFont());
  return QSize(fm.horizontalAdvance(text), fm.height());
}

}  // namespace vt
