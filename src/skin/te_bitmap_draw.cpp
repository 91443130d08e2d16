// Drawing skin images onto canvases. Every form (unscaled, stretched, tiled) has one
// shape: map the destination to the source, clip once, return when nothing is left,
// then loop over rows calling one row kernel chosen by the image's flags. The pixel
// formulas are in docs/pixel-math.md.
#include <QPainter>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

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

// Walks the source coordinates of consecutive destination coordinates without a
// division per step: the stretch keeps the numerator (2i+1)*SourceLength as quotient and
// remainder of 2*DestLength and adds 2*SourceLength per step, so it gives exactly
// SourceOf's values.
class TSourceStepper {
 public:
  TSourceStepper(const TAxis& axis, int64_t device) : FAxis(axis) {
    const int64_t i = device - axis.DestStart;
    switch (axis.Mapping) {
      case TMapping::Shift:
        FSource = axis.SourceStart + i;
        break;
      case TMapping::Stretch: {
        FDenominator = 2 * axis.DestLength;
        const int64_t numerator = (2 * i + 1) * axis.SourceLength;
        FSource = axis.SourceStart + numerator / FDenominator;
        FRemainder = numerator % FDenominator;
        FStep = 2 * axis.SourceLength / FDenominator;
        FStepRemainder = 2 * axis.SourceLength % FDenominator;
        break;
      }
      case TMapping::Tile:
        FPhase = i % axis.SourceLength;
        FSource = axis.SourceStart + FPhase;
        break;
    }
  }

  int64_t Source() const { return FSource; }
  // The position of the source coordinate within a tile (tiles only).
  int64_t Phase() const { return FPhase; }

  void Next() {
    switch (FAxis.Mapping) {
      case TMapping::Shift:
        Next<TMapping::Shift>();
        break;
      case TMapping::Stretch:
        Next<TMapping::Stretch>();
        break;
      case TMapping::Tile:
        Next<TMapping::Tile>();
        break;
    }
  }

  // The step for a mapping known where it is called (the row loops).
  template <TMapping M>
  void Next() {
    if constexpr (M == TMapping::Shift) {
      ++FSource;
    } else if constexpr (M == TMapping::Stretch) {
      FSource += FStep;
      FRemainder += FStepRemainder;
      if (FRemainder >= FDenominator) {
        FRemainder -= FDenominator;
        ++FSource;
      }
    } else {
      ++FSource;
      if (++FPhase == FAxis.SourceLength) {
        FPhase = 0;
        FSource = FAxis.SourceStart;
      }
    }
  }

 private:
  const TAxis& FAxis;
  int64_t FSource = 0;
  int64_t FPhase = 0;
  int64_t FRemainder = 0, FDenominator = 1, FStep = 0, FStepRemainder = 0;
};

// A stretch over an equal length and a tile no longer than its piece show every source
// pixel once, in order: the same mapping as a shift, which needs no resampled rows.
void SimplifyMapping(TAxis& axis) {
  if (axis.Mapping == TMapping::Stretch && axis.DestLength == axis.SourceLength)
    axis.Mapping = TMapping::Shift;
  if (axis.Mapping == TMapping::Tile && axis.DestLength <= axis.SourceLength)
    axis.Mapping = TMapping::Shift;
}

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
  TDrawMode Mode = TDrawMode::Copy;

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
  SimplifyMapping(plan.X);
  SimplifyMapping(plan.Y);
  TBox visible = dest.Intersect(clip);
  TrimToSource(plan.X, bounds.Right, visible.Left, visible.Right);
  TrimToSource(plan.Y, bounds.Bottom, visible.Top, visible.Bottom);
  if (visible.IsEmpty()) return std::nullopt;
  // Inside the clip, which lies inside the target: 32 bits hold it.
  plan.Visible = {int32_t(visible.Left), int32_t(visible.Top), int32_t(visible.Right),
                  int32_t(visible.Bottom)};
  return plan;
}

// Rows this narrow are combined in place with the reference formulas: a call through the
// kernel table and the vector set-up cost more than the few pixels. The results are the
// same, since every table gives exactly the reference results.
constexpr int kNarrowRow = 8;

// Calls `fn` with the draw's row combiner: the kernel, or for narrow rows the mode's
// reference formula inlined into the row loop.
template <class Fn>
void WithCombiner(const TDrawPlan& plan, int width, Fn&& fn) {
  if (width >= kNarrowRow) {
    fn([kernel = plan.Kernel](uint32_t* dst, const uint32_t* src, int n) { kernel(dst, src, n); });
    return;
  }
  switch (plan.Mode) {
    case TDrawMode::Blend:
      fn([](uint32_t* dst, const uint32_t* src, int n) {
        for (int i = 0; i < n; ++i) dst[i] = BlendPixel(dst[i], src[i]);
      });
      break;
    case TDrawMode::KeyCopy:
      fn([](uint32_t* dst, const uint32_t* src, int n) {
        for (int i = 0; i < n; ++i) dst[i] = KeyCopyPixel(dst[i], src[i]);
      });
      break;
    case TDrawMode::Copy:
      fn([](uint32_t* dst, const uint32_t* src, int n) {
        for (int i = 0; i < n; ++i) dst[i] = src[i];
      });
      break;
  }
}

// Calls `rowFn(y, row)` for every visible row, `row` stepping the source rows; the
// stepping is chosen once per draw rather than per row.
template <TMapping M, class RowFn>
void WalkRows(const TDrawPlan& plan, RowFn& rowFn) {
  TSourceStepper row(plan.Y, plan.Visible.Top);
  for (int y = plan.Visible.Top; y < plan.Visible.Bottom; ++y, row.Next<M>()) rowFn(y, row);
}

template <class RowFn>
void ForEachRow(const TDrawPlan& plan, RowFn&& rowFn) {
  switch (plan.Y.Mapping) {
    case TMapping::Shift:
      WalkRows<TMapping::Shift>(plan, rowFn);
      break;
    case TMapping::Stretch:
      WalkRows<TMapping::Stretch>(plan, rowFn);
      break;
    case TMapping::Tile:
      WalkRows<TMapping::Tile>(plan, rowFn);
      break;
  }
}

// Memory the row cache reuses from draw to draw on this thread (draws do not nest), so
// that a draw allocates nothing once the buffers have grown; large buffers are returned
// after the draw rather than kept.
struct TRowScratch {
  std::vector<int64_t> SlotRow;
  std::vector<uint32_t> Pixels;

  static TRowScratch& ForThisThread() {
    thread_local TRowScratch scratch;
    return scratch;
  }
};

// Source rows resampled to the visible columns and kept for reuse: a stretched row
// serves every destination row that maps to it, and a tile keeps every row of its piece
// (when that fits the budget), so each destination row is one kernel call.
class TRowCache {
 public:
  explicit TRowCache(const TDrawPlan& plan)
      : FPlan(plan), FWidth(plan.Visible.Width()), FScratch(TRowScratch::ForThisThread()) {
    constexpr int64_t kBudgetPixels = int64_t{1} << 20;
    const bool keepPiece =
        plan.Y.Mapping == TMapping::Tile && plan.Y.SourceLength * FWidth <= kBudgetPixels;
    FSlots = keepPiece ? plan.Y.SourceLength : 1;
    FScratch.SlotRow.assign(static_cast<size_t>(FSlots), -1);
    if (plan.X.Mapping == TMapping::Stretch) {
      // The column map lives after the slots' pixels (source columns fit 32 bits).
      FScratch.Pixels.resize(static_cast<size_t>((FSlots + 1) * FWidth));
      FColumns = FScratch.Pixels.data() + FSlots * FWidth;
      TSourceStepper column(plan.X, plan.Visible.Left);
      for (int i = 0; i < FWidth; ++i, column.Next()) FColumns[i] = uint32_t(column.Source());
    } else {
      FScratch.Pixels.resize(static_cast<size_t>(FSlots * FWidth));
    }
    FPixels = FScratch.Pixels.data();
  }

  ~TRowCache() {
    constexpr size_t kKeptPixels = size_t{1} << 16;
    if (FScratch.Pixels.capacity() > kKeptPixels) FScratch.Pixels = {};
    if (FScratch.SlotRow.capacity() > kKeptPixels) FScratch.SlotRow = {};
  }

  TRowCache(const TRowCache&) = delete;
  TRowCache& operator=(const TRowCache&) = delete;

  // The resampled row of `row` (the stepper's position on the vertical axis).
  const uint32_t* Row(const TSourceStepper& row) {
    const int64_t slot = FSlots == 1 ? 0 : row.Phase();
    const int64_t sourceRow = row.Source();
    uint32_t* out = FPixels + slot * FWidth;
    if (FScratch.SlotRow[slot] != sourceRow) {
      FScratch.SlotRow[slot] = sourceRow;
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
  TRowScratch& FScratch;
  int64_t FSlots = 1;
  uint32_t* FPixels = nullptr;
  uint32_t* FColumns = nullptr;
};

void Compose(const TPixelSurface& target, const TDrawPlan& plan) {
  const TRect& area = plan.Visible;
  const int width = area.Width();
  if (plan.X.Mapping == TMapping::Shift) {
    const int64_t sourceLeft = plan.X.SourceOf(area.Left);
    // Whole rows of both images lie back to back: one call covers them all.
    if (plan.Y.Mapping == TMapping::Shift && width == target.StridePixels &&
        width == plan.ImageWidth) {
      plan.Kernel(target.Row(area.Top), plan.SourceRow(plan.Y.SourceOf(area.Top)),
                  width * area.Height());
      return;
    }
    WithCombiner(plan, width, [&](auto combine) {
      ForEachRow(plan, [&](int y, const TSourceStepper& row) {
        combine(target.Row(y) + area.Left, plan.SourceRow(row.Source()) + sourceLeft, width);
      });
    });
    return;
  }
  TRowCache rows(plan);
  WithCombiner(plan, width, [&](auto combine) {
    ForEachRow(plan, [&](int y, const TSourceStepper& row) {
      combine(target.Row(y) + area.Left, rows.Row(row), width);
    });
  });
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
  plan.Mode = mode;
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
  plan.Mode = TDrawMode::Copy;
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
