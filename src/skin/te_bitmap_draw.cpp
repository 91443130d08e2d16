// Drawing skin images onto canvases. Every form (unscaled, stretched, tiled) has one
// shape: map the destination to the source, clip once, return when nothing is left,
// then loop over rows calling one row kernel chosen by the image's flags. The pixel
// formulas are in docs/pixel-math.md.
#include <QPainter>
#include <cstdint>
#include <cstring>
#include <optional>

#include "skin/pixel_kernels.h"
#include "skin/te_bitmap.h"

namespace vt {

namespace {

enum class TDrawMode { Blend, KeyCopy, Copy };

TDrawMode DrawModeOf(const TteBitmap& image) {
  if (image.AlphaFlag()) return TDrawMode::Blend;
  return image.KeyFlag() ? TDrawMode::KeyCopy : TDrawMode::Copy;
}

TRowKernel KernelFor(TDrawMode mode, const TPixelKernels& kernels) {
  switch (mode) {
    case TDrawMode::Blend:
      return kernels.Blend;
    case TDrawMode::KeyCopy:
      return kernels.KeyCopy;
    case TDrawMode::Copy:
      return kernels.Copy;
  }
  return kernels.Copy;
}

// A rectangle in 64 bits: coordinates come from skin files and may hold any 32-bit
// values, so sizes and offsets are computed where they cannot overflow.
struct TBox {
  int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;

  static TBox From(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
  int64_t Width() const { return Right - Left; }
  int64_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  TBox Offset(int64_t dx, int64_t dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  TBox Intersect(const TBox& o) const {
    return {std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
            std::min(Bottom, o.Bottom)};
  }
};

// Stretches over larger extents are not drawn: no image is that big, and it keeps the
// products of the stretch mapping inside 64 bits.
constexpr int64_t kMaxStretchExtent = int64_t{1} << 30;

enum class TMapping { Shift, Stretch, Tile };

// One axis of a draw: which source coordinate a destination device coordinate shows.
struct TAxis {
  TMapping Mapping = TMapping::Shift;
  int64_t DestStart = 0;
  int64_t DestLength = 1;
  int64_t SourceStart = 0;
  int64_t SourceLength = 1;

  // Stretching samples at pixel centres: destination pixel i (centre i + 1/2) shows the
  // source pixel under centre position (i + 1/2) * SourceLength / DestLength.
  int64_t SourceOf(int64_t device) const {
    const int64_t i = device - DestStart;
    switch (Mapping) {
      case TMapping::Shift:
        return SourceStart + i;
      case TMapping::Stretch:
        return SourceStart + (2 * i + 1) * SourceLength / (2 * DestLength);
      case TMapping::Tile:
        return SourceStart + i % SourceLength;
    }
    return SourceStart;
  }
};

// Narrows [first, last) to the coordinates whose source lies in [0, limit). Shift and
// stretch are monotonic, so that part is one interval; tiles are already inside.
void TrimToSource(const TAxis& axis, int64_t limit, int64_t& first, int64_t& last) {
  while (first < last && axis.SourceOf(first) < 0) ++first;
  while (last > first && axis.SourceOf(last - 1) >= limit) --last;
}

struct TDrawPlan {
  const uint32_t* Pixels = nullptr;  // the source image, rows ImageWidth apart
  int32_t ImageWidth = 0;
  TAxis X, Y;
  TRect Visible;  // the device pixels written, inside the target
  TRowKernel Kernel = nullptr;

  const uint32_t* SourceRow(int64_t y) const { return Pixels + y * ImageWidth; }
};

std::optional<TDrawPlan> MakePlan(const TteBitmap& image, TMapping mapping, const TBox& dest,
                                  TBox source, const TBox& clip) {
  const TBox bounds{0, 0, image.Width(), image.Height()};
  if (mapping == TMapping::Tile) source = source.Intersect(bounds);
  if (image.Empty() || dest.IsEmpty() || source.IsEmpty()) return std::nullopt;
  if (mapping == TMapping::Stretch && dest.Width() == source.Width() &&
      dest.Height() == source.Height())
    mapping = TMapping::Shift;  // the same pixels, without resampling
  if (mapping == TMapping::Stretch &&
      std::max({dest.Width(), dest.Height(), source.Width(), source.Height()}) > kMaxStretchExtent)
    return std::nullopt;
  TDrawPlan plan;
  plan.Pixels = image.ScanLine(0);
  plan.ImageWidth = image.Width();
  plan.X = {mapping, dest.Left, dest.Width(), source.Left, source.Width()};
  plan.Y = {mapping, dest.Top, dest.Height(), source.Top, source.Height()};
  TBox visible = dest.Intersect(clip);
  TrimToSource(plan.X, bounds.Right, visible.Left, visible.Right);
  TrimToSource(plan.Y, bounds.Bottom, visible.Top, visible.Bottom);
  if (visible.IsEmpty()) return std::nullopt;
  // Inside the clip, which lies inside the target: 32 bits hold it.
  plan.Visible = {int32_t(visible.Left), int32_t(visible.Top), int32_t(visible.Right),
                  int32_t(visible.Bottom)};
  return plan;
}

// Source rows resampled to the visible columns and kept for reuse: a stretched row
// serves every destination row that maps to it, and a tile keeps every row of its piece
// (when that fits the budget), so each destination row is one kernel call.
class TRowCache {
 public:
  explicit TRowCache(const TDrawPlan& plan) : FPlan(plan), FWidth(plan.Visible.Width()) {
    constexpr int64_t kBudgetPixels = int64_t{1} << 20;
    const bool keepPiece =
        plan.Y.Mapping == TMapping::Tile && plan.Y.SourceLength * FWidth <= kBudgetPixels;
    FSlots = keepPiece ? plan.Y.SourceLength : 1;
    FSlotRow.assign(static_cast<size_t>(FSlots), -1);
    FPixels.resize(static_cast<size_t>(FSlots * FWidth));
    if (plan.X.Mapping == TMapping::Stretch) {
      FColumns.resize(static_cast<size_t>(FWidth));
      for (int i = 0; i < FWidth; ++i)
        FColumns[i] = int32_t(plan.X.SourceOf(plan.Visible.Left + i));
    }
  }

  const uint32_t* Row(int64_t sourceRow) {
    const int64_t slot = (sourceRow - FPlan.Y.SourceStart) % FSlots;
    uint32_t* out = FPixels.data() + slot * FWidth;
    if (FSlotRow[slot] != sourceRow) {
      FSlotRow[slot] = sourceRow;
      if (FPlan.X.Mapping == TMapping::Tile)
        BuildTiled(FPlan.SourceRow(sourceRow), out);
      else
        BuildStretched(FPlan.SourceRow(sourceRow), out);
    }
    return out;
  }

 private:
  void BuildStretched(const uint32_t* source, uint32_t* out) const {
    for (int i = 0; i < FWidth; ++i) out[i] = source[FColumns[i]];
  }

  // The piece's row repeated, starting at the phase of the first visible column.
  void BuildTiled(const uint32_t* source, uint32_t* out) const {
    const TAxis& x = FPlan.X;
    int64_t phase = (FPlan.Visible.Left - x.DestStart) % x.SourceLength;
    for (int done = 0; done < FWidth;) {
      const int piece = int(std::min<int64_t>(x.SourceLength - phase, FWidth - done));
      std::memcpy(out + done, source + x.SourceStart + phase, size_t(piece) * 4);
      done += piece;
      phase = 0;
    }
  }

  const TDrawPlan& FPlan;
  int FWidth;
  int64_t FSlots = 1;
  std::vector<int64_t> FSlotRow;
  std::vector<uint32_t> FPixels;
  std::vector<int32_t> FColumns;
};

void Compose(const TPixelSurface& target, const TDrawPlan& plan) {
  const TRect& area = plan.Visible;
  const int width = area.Width();
  if (plan.X.Mapping == TMapping::Shift) {
    const int64_t sourceLeft = plan.X.SourceOf(area.Left);
    // Whole rows of both images lie back to back: one call covers them all.
    if (width == target.StridePixels && width == plan.ImageWidth) {
      plan.Kernel(target.Row(area.Top), plan.SourceRow(plan.Y.SourceOf(area.Top)),
                  width * area.Height());
      return;
    }
    for (int y = area.Top; y < area.Bottom; ++y)
      plan.Kernel(target.Row(y) + area.Left, plan.SourceRow(plan.Y.SourceOf(y)) + sourceLeft,
                  width);
    return;
  }
  TRowCache rows(plan);
  for (int y = area.Top; y < area.Bottom; ++y)
    plan.Kernel(target.Row(y) + area.Left, rows.Row(plan.Y.SourceOf(y)), width);
}

bool SharesMemory(const TPixelSurface& target, const TteBitmap& image) {
  if (target.Height <= 0 || target.Width <= 0) return false;
  const auto targetFirst = reinterpret_cast<uintptr_t>(target.Bits);
  const auto targetEnd = reinterpret_cast<uintptr_t>(target.Row(target.Height - 1) + target.Width);
  const auto imageFirst = reinterpret_cast<uintptr_t>(image.ScanLine(0));
  const auto imageEnd = imageFirst + uintptr_t(image.Width()) * image.Height() * 4;
  return targetFirst < imageEnd && imageFirst < targetEnd;
}

void DrawIntoMemory(const TPixelSurface& target, const TteBitmap& image, TDrawPlan plan,
                    TDrawMode mode) {
  plan.Kernel = KernelFor(mode, ActiveKernels());
  // Drawing an image onto itself reads from a copy, so that no row is read after it
  // was written.
  std::vector<uint32_t> snapshot;
  if (SharesMemory(target, image)) {
    snapshot.assign(image.ScanLine(0), image.ScanLine(0) + size_t(image.Width()) * image.Height());
    plan.Pixels = snapshot.data();
  }
  Compose(target, plan);
}

// A painter cannot run the row kernels, so the visible pixels are first resampled into
// a piece of the visible size and then handed over with the same three choices: blend
// as straight alpha over the target, key copy as a piece whose key pixels are fully
// transparent and all others opaque, plain copy as an opaque piece.
QImage PieceForPainter(TDrawPlan plan, TDrawMode mode) {
  const TRect area = plan.Visible;
  QImage piece(area.Width(), area.Height(), QImage::Format_ARGB32);
  const TPixelSurface surface{reinterpret_cast<uint32_t*>(piece.bits()), piece.width(),
                              piece.height(), int32_t(piece.bytesPerLine() / 4)};
  plan.X.DestStart -= area.Left;
  plan.Y.DestStart -= area.Top;
  plan.Visible = {0, 0, area.Width(), area.Height()};
  plan.Kernel = ActiveKernels().Copy;
  Compose(surface, plan);
  if (mode == TDrawMode::Blend) return piece;
  for (int y = 0; y < surface.Height; ++y) {
    uint32_t* row = surface.Row(y);
    for (int x = 0; x < surface.Width; ++x)
      row[x] = (mode == TDrawMode::KeyCopy && (row[x] & kColorMask) == kKeyPixelValue)
                   ? 0u
                   : row[x] | kAlphaMask;
  }
  return piece;
}

void DrawThroughPainter(TCanvas& canvas, const TDrawPlan& plan, TDrawMode mode) {
  const QImage piece = PieceForPainter(plan, mode);
  QPainter& painter = canvas.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.drawImage(plan.Visible.Left, plan.Visible.Top, piece);
  painter.restore();
}

void DrawMapped(const TteBitmap& image, TCanvas& canvas, TMapping mapping, const TBox& dest,
                const TBox& source, const std::optional<TRect>& clip) {
  if (image.Empty()) return;
  const TPoint origin = canvas.Origin();
  TBox deviceClip = TBox::From(canvas.DeviceClip());
  if (clip) deviceClip = deviceClip.Intersect(TBox::From(*clip).Offset(-origin.X, -origin.Y));
  const std::optional<TDrawPlan> plan =
      MakePlan(image, mapping, dest.Offset(-origin.X, -origin.Y), source, deviceClip);
  if (!plan) return;
  if (const TPixelSurface* surface = canvas.Surface())
    DrawIntoMemory(*surface, image, *plan, DrawModeOf(image));
  else
    DrawThroughPainter(canvas, *plan, DrawModeOf(image));
}

}  // namespace

void TteBitmap::Draw(TCanvas& canvas, int x, int y) const {
  Draw(canvas, x, y, TRect{0, 0, FWidth, FHeight});
}

void TteBitmap::Draw(TCanvas& canvas, int x, int y, const TRect& source) const {
  const TBox from = TBox::From(source);
  const TBox to{x, y, x + from.Width(), y + from.Height()};
  DrawMapped(*this, canvas, TMapping::Shift, to, from, std::nullopt);
}

void TteBitmap::Draw(TCanvas& canvas, const TRect& dest, const TRect& source) const {
  DrawMapped(*this, canvas, TMapping::Stretch, TBox::From(dest), TBox::From(source), std::nullopt);
}

void TteBitmap::Tile(TCanvas& canvas, const TRect& dest, const TRect& source) const {
  DrawMapped(*this, canvas, TMapping::Tile, TBox::From(dest), TBox::From(source), std::nullopt);
}

void TteBitmap::TileClip(TCanvas& canvas, const TRect& dest, const TRect& source,
                         const TRect& clip) const {
  DrawMapped(*this, canvas, TMapping::Tile, TBox::From(dest), TBox::From(source), clip);
}

}  // namespace vt
