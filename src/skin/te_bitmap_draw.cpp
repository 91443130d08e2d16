// Drawing skin images onto canvases. Every form (unscaled, stretched, tiled) has one
// shape: map the destination to the source, clip once, return when nothing is left,
// then loop over rows calling one row kernel chosen by the image's flags. A band (pieces
// side by side over the same rows, as the three pieces of a nine-part image's row) is
// drawn as one: its rows are composed once and combined in one pass each. The pixel
// formulas are in docs/pixel-math.md.
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "skin/pixel_kernels.h"
#include "skin/te_bitmap.h"

namespace vt {

namespace {

enum class TDrawMode { Blend, KeyCopy, Copy };

TDrawMode DrawModeOf(bool alphaFlag, bool keyFlag) {
  if (alphaFlag) return TDrawMode::Blend;
  return keyFlag ? TDrawMode::KeyCopy : TDrawMode::Copy;
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
// Axes and plans are filled whole by MakePlan before anything reads them; they carry no
// defaults, since a band's plans are made on every paint and clearing them first cost
// more than some pieces cost to draw.
struct TAxis {
  TMapping Mapping;
  int64_t DestStart;
  int64_t DestLength;
  int64_t SourceStart;
  int64_t SourceLength;

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

  // Steps past the destination coordinates that show the current source coordinate, at
  // most `limit` (at least 1) of them, and tells how many were passed. An enlarging stretch
  // knows the count from its remainder; the other mappings step and compare.
  template <TMapping M>
  int64_t SkipRun(int64_t limit) {
    if constexpr (M == TMapping::Stretch) {
      if (FStep == 0) {
        // The source moves on once the remainder reaches the denominator: after the
        // smallest n with FRemainder + n * FStepRemainder >= FDenominator.
        const int64_t toNext = (FDenominator - FRemainder + FStepRemainder - 1) / FStepRemainder;
        const int64_t steps = std::min(limit, toNext);
        FRemainder += steps * FStepRemainder;
        if (FRemainder >= FDenominator) {
          FRemainder -= FDenominator;
          ++FSource;
        }
        return steps;
      }
    }
    const int64_t source = FSource;
    int64_t steps = 0;
    do {
      ++steps;
      Next<M>();
    } while (steps < limit && FSource == source);
    return steps;
  }
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
  // Most draws show a source that lies inside the image: every coordinate keeps its place
  // without a division to find out.
  if (axis.SourceStart >= 0 && axis.SourceStart + axis.SourceLength <= limit) return;
  while (first < last && axis.SourceOf(first) < 0) ++first;
  while (last > first && axis.SourceOf(last - 1) >= limit) --last;
}

struct TDrawPlan {
  const uint32_t* Pixels;  // the source image, rows ImageWidth apart
  int32_t ImageWidth;
  TAxis X, Y;
  TRect Visible;  // the device pixels written, inside the target
  TRowKernel Kernel;
  TDrawMode Mode;

  const uint32_t* SourceRow(int64_t y) const { return Pixels + y * ImageWidth; }
};

// Fills `plan` and tells whether anything is to be drawn.
bool MakePlan(const TteBitmap& image, TMapping mapping, const TBox& dest, TBox source,
              const TBox& clip, TDrawPlan& plan) {
  const TBox bounds{0, 0, image.Width(), image.Height()};
  if (mapping == TMapping::Tile) source = source.Intersect(bounds);
  if (image.Empty() || dest.IsEmpty() || source.IsEmpty()) return false;
  if (mapping == TMapping::Stretch && dest.Width() == source.Width() &&
      dest.Height() == source.Height())
    mapping = TMapping::Shift;  // the same pixels, without resampling
  if (mapping == TMapping::Stretch &&
      std::max({dest.Width(), dest.Height(), source.Width(), source.Height()}) > kMaxStretchExtent)
    return false;
  plan.Pixels = image.ScanLine(0);
  plan.ImageWidth = image.Width();
  plan.X = {mapping, dest.Left, dest.Width(), source.Left, source.Width()};
  plan.Y = {mapping, dest.Top, dest.Height(), source.Top, source.Height()};
  SimplifyMapping(plan.X);
  SimplifyMapping(plan.Y);
  TBox visible = dest.Intersect(clip);
  TrimToSource(plan.X, bounds.Right, visible.Left, visible.Right);
  TrimToSource(plan.Y, bounds.Bottom, visible.Top, visible.Bottom);
  if (visible.IsEmpty()) return false;
  // Inside the clip, which lies inside the target: 32 bits hold it.
  plan.Visible = {int32_t(visible.Left), int32_t(visible.Top), int32_t(visible.Right),
                  int32_t(visible.Bottom)};
  return true;
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

// What a row's alphas allow when it is blended: transparent pixels leave the target as it
// is and opaque ones blend to copies of themselves (docs/pixel-math.md, "Blend": a = 0
// gives d, a = 255 gives s). So the transparent ends of a row are left out, and an opaque
// stretch between its soft ends (the inside of a frame with rounded, shaded edges) is
// copied while only the ends are blended.
enum class TRowOpacity : uint8_t { Mixed, Opaque, Clear };

struct TRowShape {
  int Begin = 0;  // the columns [Begin, End) that are combined
  int End = 0;
  int OpaqueBegin = 0;  // of which [OpaqueBegin, OpaqueEnd) are copied (Mixed rows)
  int OpaqueEnd = 0;
  TRowOpacity Opacity = TRowOpacity::Mixed;
};

bool IsOpaque(uint32_t pixel) {
  return (pixel & kAlphaMask) == kAlphaMask;
}

TRowShape ShapeOf(const uint32_t* row, int width) {
  TRowShape shape{0, width, 0, 0, TRowOpacity::Clear};
  while (shape.Begin < width && (row[shape.Begin] & kAlphaMask) == 0) ++shape.Begin;
  if (shape.Begin == width) return shape;
  while ((row[shape.End - 1] & kAlphaMask) == 0) --shape.End;
  int first = shape.Begin;
  int last = shape.End;
  while (first < last && !IsOpaque(row[first])) ++first;
  while (last > first && !IsOpaque(row[last - 1])) --last;
  // Four at a time: the alphas of a skin piece's row are mostly all 255.
  uint32_t all = kAlphaMask;
  int i = first;
  for (; i + 4 <= last; i += 4) all &= row[i] & row[i + 1] & row[i + 2] & row[i + 3];
  for (; i < last; ++i) all &= row[i];
  if (IsOpaque(all) && first == shape.Begin && last == shape.End) {
    shape.Opacity = TRowOpacity::Opaque;
    return shape;
  }
  // With soft pixels inside, or an opaque stretch too short to be worth a call of its own,
  // the whole row is blended.
  constexpr int kShortestOpaqueStretch = 64;
  if (!IsOpaque(all) || last - first < kShortestOpaqueStretch) first = last = shape.Begin;
  shape.OpaqueBegin = first;
  shape.OpaqueEnd = last;
  shape.Opacity = TRowOpacity::Mixed;
  return shape;
}

// Enlarging stretches and tiles show source rows more than once, so that what is worked
// out about a source row once serves all its copies.
bool RowsRepeat(const TAxis& y) {
  return y.Mapping == TMapping::Tile ||
         (y.Mapping == TMapping::Stretch && y.DestLength > y.SourceLength);
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

template <int N>
inline void CopyBlock(uint32_t* dst, const uint32_t* src) {
  __builtin_memcpy(dst, src, N * sizeof(uint32_t));
}

// Copies rows of a few dozen pixels without a library call, which would cost more than
// the copy. A width between one block size and twice it is two blocks of that size, the
// second ending where the row ends (the two may overlap): a skin piece's row is a few
// loads and stores whatever its width.
inline void CopyPixels(uint32_t* dst, const uint32_t* src, int width) {
  if (width > 32) {
    std::memcpy(dst, src, size_t(width) * 4);
  } else if (width >= 16) {
    CopyBlock<16>(dst, src);
    CopyBlock<16>(dst + width - 16, src + width - 16);
  } else if (width >= 8) {
    CopyBlock<8>(dst, src);
    CopyBlock<8>(dst + width - 8, src + width - 8);
  } else if (width >= 4) {
    CopyBlock<4>(dst, src);
    CopyBlock<4>(dst + width - 4, src + width - 4);
  } else {
    for (int i = 0; i < width; ++i) dst[i] = src[i];
  }
}

// Fills `n` pixels with one value, eight to a step, which the compiler makes vector stores
// (a plain fill loop stays one store per pixel at this optimisation level); the last step
// ends where the run ends and may overlap the one before.
inline void FillPixels(uint32_t* dst, uint32_t value, int n) {
  if (n < 8) {
    for (int i = 0; i < n; ++i) dst[i] = value;
    return;
  }
  uint32_t block[8];
  for (uint32_t& pixel : block) pixel = value;
  for (int i = 0; i + 8 <= n; i += 8) __builtin_memcpy(dst + i, block, sizeof block);
  __builtin_memcpy(dst + n - 8, block, sizeof block);
}

// Destination columns that show one source column, left to right: stretched wide, a source
// pixel fills many columns, and filling a run costs far less than looking up every column.
struct TColumnRun {
  uint32_t Source;
  uint32_t Length;
};

// Memory the row cache reuses from draw to draw on this thread (draws do not nest), so
// that a draw allocates nothing once the buffers have grown; large buffers are returned
// after the draw rather than kept.
struct TRowScratch {
  std::vector<int64_t> SlotRow;
  std::vector<TRowShape> SlotShape;
  std::vector<uint32_t> Pixels;
  std::vector<TColumnRun> Runs;
  std::vector<uint32_t> Columns;

  static TRowScratch& ForThisThread() {
    thread_local TRowScratch scratch;
    return scratch;
  }
};

// The most pieces drawn as one band: the three of a nine-part image's row.
constexpr size_t kMaxBandPieces = 3;

// Source rows composed for the visible columns of one or more pieces side by side (the
// pieces share their rows and vertical mapping) and kept for reuse: a stretched row
// serves every destination row that maps to it, and a tile keeps every row of its piece
// (when that fits the budget), so each destination row is one kernel call. For blending,
// each composed row also knows its shape: which columns need combining, and how.
class TRowCache {
 public:
  struct TRow {
    const uint32_t* Pixels;
    TRowShape Shape;
  };

  TRowCache(std::span<const TDrawPlan> pieces, const TRect& area, bool classify)
      : FPieces(pieces),
        FLeft(area.Left),
        FWidth(area.Width()),
        FClassify(classify),
        FScratch(TRowScratch::ForThisThread()) {
    constexpr int64_t kBudgetPixels = int64_t{1} << 20;
    const TAxis& y = pieces.front().Y;
    const bool keepPiece = y.Mapping == TMapping::Tile && y.SourceLength * FWidth <= kBudgetPixels;
    FSlots = keepPiece ? y.SourceLength : 1;
    FScratch.SlotRow.assign(static_cast<size_t>(FSlots), -1);
    FScratch.SlotShape.resize(static_cast<size_t>(FSlots));
    FScratch.Pixels.resize(static_cast<size_t>(FSlots * FWidth));
    FPixels = FScratch.Pixels.data();
    // A piece has at most one column run per visible column.
    FScratch.Runs.resize(static_cast<size_t>(FWidth));
    FScratch.Columns.resize(static_cast<size_t>(FWidth));
    TColumnRun* runs = FScratch.Runs.data();
    uint32_t* columns = FScratch.Columns.data();
    for (size_t k = 0; k < pieces.size(); ++k) {
      if (pieces[k].X.Mapping != TMapping::Stretch) continue;
      const size_t count = MapColumns(pieces[k], runs);
      const auto width = static_cast<size_t>(pieces[k].Visible.Width());
      // Filling runs pays where they are long; a piece stretched only a little looks its
      // columns up one by one.
      constexpr size_t kShortestRunFilled = 4;
      if (count * kShortestRunFilled <= width) {
        FRuns[k] = std::span(runs, count);
        runs += count;
      } else {
        FColumns[k] = columns;
        for (const TColumnRun& run : std::span(runs, count))
          columns = std::fill_n(columns, run.Length, run.Source);
      }
    }
  }

  ~TRowCache() {
    constexpr size_t kKeptPixels = size_t{1} << 16;
    if (FScratch.Pixels.capacity() > kKeptPixels) FScratch.Pixels = {};
    if (FScratch.Runs.capacity() > kKeptPixels) {
      FScratch.Runs = {};
      FScratch.Columns = {};
    }
    if (FScratch.SlotRow.capacity() > kKeptPixels) {
      FScratch.SlotRow = {};
      FScratch.SlotShape = {};
    }
  }

  TRowCache(const TRowCache&) = delete;
  TRowCache& operator=(const TRowCache&) = delete;

  // The composed row of `row` (the stepper's position on the vertical axis).
  TRow Row(const TSourceStepper& row) {
    const auto slot = static_cast<size_t>(FSlots == 1 ? 0 : row.Phase());
    const int64_t sourceRow = row.Source();
    uint32_t* out = FPixels + slot * size_t(FWidth);
    if (FScratch.SlotRow[slot] == sourceRow) return {out, FScratch.SlotShape[slot]};
    FScratch.SlotRow[slot] = sourceRow;
    Build(FPieces.front().SourceRow(sourceRow), out);
    const TRowShape shape =
        FClassify ? ShapeOf(out, FWidth) : TRowShape{0, FWidth, 0, 0, TRowOpacity::Mixed};
    FScratch.SlotShape[slot] = shape;
    return {out, shape};
  }

 private:
  // Fills `runs` with the runs of the piece's visible columns; returns how many.
  static size_t MapColumns(const TDrawPlan& piece, TColumnRun* runs) {
    TSourceStepper column(piece.X, piece.Visible.Left);
    size_t count = 0;
    for (int i = 0; i < piece.Visible.Width(); ++i, column.Next()) {
      const auto source = uint32_t(column.Source());
      if (count > 0 && runs[count - 1].Source == source)
        ++runs[count - 1].Length;
      else
        runs[count++] = {source, 1};
    }
    return count;
  }

  void Build(const uint32_t* source, uint32_t* out) const {
    for (size_t k = 0; k < FPieces.size(); ++k) {
      const TDrawPlan& piece = FPieces[k];
      uint32_t* segment = out + (piece.Visible.Left - FLeft);
      const int width = piece.Visible.Width();
      switch (piece.X.Mapping) {
        case TMapping::Shift:
          CopyPixels(segment, source + piece.X.SourceOf(piece.Visible.Left), width);
          break;
        case TMapping::Stretch:
          if (const uint32_t* columns = FColumns[k])
            for (int i = 0; i < width; ++i) segment[i] = source[columns[i]];
          else
            for (const TColumnRun& run : FRuns[k]) {
              FillPixels(segment, source[run.Source], int(run.Length));
              segment += run.Length;
            }
          break;
        case TMapping::Tile:
          BuildTiled(piece, source, segment);
          break;
      }
    }
  }

  // The piece's row repeated, starting at the phase of its first visible column.
  static void BuildTiled(const TDrawPlan& piece, const uint32_t* source, uint32_t* out) {
    const TAxis& x = piece.X;
    const int width = piece.Visible.Width();
    int64_t phase = (piece.Visible.Left - x.DestStart) % x.SourceLength;
    for (int done = 0; done < width;) {
      const int run = int(std::min<int64_t>(x.SourceLength - phase, width - done));
      CopyPixels(out + done, source + x.SourceStart + phase, run);
      done += run;
      phase = 0;
    }
  }

  std::span<const TDrawPlan> FPieces;
  int FLeft;
  int FWidth;
  bool FClassify;
  TRowScratch& FScratch;
  int64_t FSlots = 1;
  uint32_t* FPixels = nullptr;
  // Per stretched piece, its column runs or, when they are short, its column map.
  std::array<std::span<const TColumnRun>, kMaxBandPieces> FRuns{};
  std::array<const uint32_t*, kMaxBandPieces> FColumns{};
};

// A shifted piece's rows come straight from the image.
void ComposeShifted(const TPixelSurface& target, const TDrawPlan& plan) {
  const TRect& area = plan.Visible;
  const int width = area.Width();
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
}

// Whether rows of `width` pixels from column `left` lie back to back in the target's memory.
bool RowsBackToBack(const TPixelSurface& target, int left, int width) {
  return left == 0 && width == target.StridePixels;
}

// Copies one row into the rows [y, end), the rows [from, y) above them already holding it.
// Where those rows lie back to back (the target is as wide as the row), the rows written
// so far are copied on as one block, doubling each time: a few long block copies instead
// of one short copy per row.
void CopyRowRepeated(const TPixelSurface& target, int left, const uint32_t* pixels, int width,
                     int from, int y, int end) {
  if (!RowsBackToBack(target, left, width) || end - from < 2) {
    for (; y < end; ++y) CopyPixels(target.Row(y) + left, pixels, width);
    return;
  }
  uint32_t* first = target.Row(from);
  const size_t total = size_t(end - from) * size_t(width);
  size_t done = size_t(y - from) * size_t(width);
  if (done == 0) {
    CopyPixels(first, pixels, width);
    done = size_t(width);
  }
  while (done < total) {
    const size_t block = std::min(done, total - done);
    std::memcpy(first + done, first, block * 4);
    done += block;
  }
}

// The soft end of a row: a few pixels are blended in place, as narrow rows are (see
// kNarrowRow), longer ends go to the row's combiner.
template <class Combine>
void CombineEnd(uint32_t* dst, const uint32_t* src, int width, Combine& combine) {
  if (width >= kNarrowRow) {
    combine(dst, src, width);
    return;
  }
  for (int i = 0; i < width; ++i) dst[i] = BlendPixel(dst[i], src[i]);
}

// A mixed row: its soft ends are combined and the opaque stretch between them copied.
// Rows with an opaque stretch are classified rows, which are blended ones.
template <class Combine>
void CombineRow(uint32_t* dst, const TRowCache::TRow& row, Combine& combine) {
  const TRowShape& shape = row.Shape;
  const uint32_t* pixels = row.Pixels;
  if (shape.OpaqueBegin == shape.OpaqueEnd) {
    combine(dst + shape.Begin, pixels + shape.Begin, shape.End - shape.Begin);
    return;
  }
  CombineEnd(dst + shape.Begin, pixels + shape.Begin, shape.OpaqueBegin - shape.Begin, combine);
  CopyPixels(dst + shape.OpaqueBegin, pixels + shape.OpaqueBegin,
             shape.OpaqueEnd - shape.OpaqueBegin);
  CombineEnd(dst + shape.OpaqueEnd, pixels + shape.OpaqueEnd, shape.End - shape.OpaqueEnd, combine);
}

// Destination rows are taken in runs that show the same source row, so that the composed
// row and its shape are looked up once per run.
template <TMapping M, class Combine>
void ComposeRuns(const TPixelSurface& target, const TDrawPlan& first, const TRect& area,
                 TRowCache& rows, Combine& combine) {
  TSourceStepper row(first.Y, area.Top);
  // Opaque runs that show the same pixels as the run above them (source rows that are
  // alike, as in a plain stretched track) continue its block of copies where the rows lie
  // back to back; elsewhere each row is copied anyway.
  int opaqueFrom = area.Top;
  int opaqueEnd = area.Top;
  TRowShape opaqueShape;
  for (int y = area.Top; y < area.Bottom;) {
    const TRowCache::TRow composed = rows.Row(row);
    const int end = y + int(row.SkipRun<M>(area.Bottom - y));
    const int left = area.Left + composed.Shape.Begin;
    const uint32_t* pixels = composed.Pixels + composed.Shape.Begin;
    const int width = composed.Shape.End - composed.Shape.Begin;
    switch (composed.Shape.Opacity) {
      case TRowOpacity::Mixed:
        for (; y < end; ++y) CombineRow(target.Row(y) + area.Left, composed, combine);
        break;
      case TRowOpacity::Opaque:
        if (opaqueEnd != y || opaqueShape.Begin != composed.Shape.Begin ||
            opaqueShape.End != composed.Shape.End || !RowsBackToBack(target, left, width) ||
            std::memcmp(target.Row(y - 1) + left, pixels, size_t(width) * 4) != 0)
          opaqueFrom = y;
        CopyRowRepeated(target, left, pixels, width, opaqueFrom, y, end);
        opaqueShape = composed.Shape;
        opaqueEnd = y = end;
        break;
      case TRowOpacity::Clear:
        y = end;
        break;
    }
  }
}

void ComposeCached(const TPixelSurface& target, std::span<const TDrawPlan> pieces) {
  const TDrawPlan& first = pieces.front();
  const TRect area{first.Visible.Left, first.Visible.Top, pieces.back().Visible.Right,
                   first.Visible.Bottom};
  TRowCache rows(pieces, area, first.Mode == TDrawMode::Blend && RowsRepeat(first.Y));
  WithCombiner(first, area.Width(), [&](auto combine) {
    switch (first.Y.Mapping) {
      case TMapping::Shift:
        ComposeRuns<TMapping::Shift>(target, first, area, rows, combine);
        break;
      case TMapping::Stretch:
        ComposeRuns<TMapping::Stretch>(target, first, area, rows, combine);
        break;
      case TMapping::Tile:
        ComposeRuns<TMapping::Tile>(target, first, area, rows, combine);
        break;
    }
  });
}

// Shifted pieces side by side that show adjacent source columns are one shifted piece:
// the first, widened over the others.
bool MergeShifted(std::span<TDrawPlan> pieces) {
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (pieces[k].X.Mapping != TMapping::Shift) return false;
    if (k > 0 && pieces[k].X.SourceOf(pieces[k].Visible.Left) !=
                     pieces[k - 1].X.SourceOf(pieces[k - 1].Visible.Right))
      return false;
  }
  pieces.front().Visible.Right = pieces.back().Visible.Right;
  return true;
}

// Draws one piece, or a band (pieces that FormBand accepted).
void Compose(const TPixelSurface& target, std::span<TDrawPlan> pieces) {
  if (pieces.size() > 1 && MergeShifted(pieces)) pieces = pieces.first(1);
  const TDrawPlan& first = pieces.front();
  // Blended rows shown more than once go through the cache, which learns once per source
  // row whether the blend can be a copy or nothing.
  if (pieces.size() == 1 && first.X.Mapping == TMapping::Shift &&
      !(first.Mode == TDrawMode::Blend && RowsRepeat(first.Y)))
    ComposeShifted(target, first);
  else
    ComposeCached(target, pieces);
}

// Whether two axes give every coordinate the same source coordinate.
bool SameMapping(const TAxis& a, const TAxis& b) {
  if (a.Mapping != b.Mapping) return false;
  switch (a.Mapping) {
    case TMapping::Shift:
      return a.SourceStart - a.DestStart == b.SourceStart - b.DestStart;
    case TMapping::Stretch:
      return a.DestStart == b.DestStart && a.DestLength == b.DestLength &&
             a.SourceStart == b.SourceStart && a.SourceLength == b.SourceLength;
    case TMapping::Tile:
      return a.DestStart == b.DestStart && a.SourceStart == b.SourceStart &&
             a.SourceLength == b.SourceLength;
  }
  return false;
}

// Pieces are drawn as one band when, left to right and without gaps, they cover the same
// rows with the same source rows and combine pixels the same way. Their pixels are then
// disjoint, so the order in which they would have been drawn does not matter.
bool FormBand(std::span<const TDrawPlan> pieces) {
  if (pieces.size() < 2) return false;
  const TDrawPlan& first = pieces.front();
  for (size_t k = 1; k < pieces.size(); ++k) {
    const TDrawPlan& piece = pieces[k];
    if (piece.Mode != first.Mode || piece.Visible.Top != first.Visible.Top ||
        piece.Visible.Bottom != first.Visible.Bottom || !SameMapping(piece.Y, first.Y) ||
        piece.Visible.Left != pieces[k - 1].Visible.Right)
      return false;
  }
  return true;
}

bool SharesMemory(const TPixelSurface& target, const TteBitmap& image) {
  if (target.Height <= 0 || target.Width <= 0) return false;
  const auto targetFirst = reinterpret_cast<uintptr_t>(target.Bits);
  const auto targetEnd = reinterpret_cast<uintptr_t>(target.Row(target.Height - 1) + target.Width);
  const auto imageFirst = reinterpret_cast<uintptr_t>(image.ScanLine(0));
  const auto imageEnd = imageFirst + uintptr_t(image.Width()) * image.Height() * 4;
  return targetFirst < imageEnd && imageFirst < targetEnd;
}

void DrawIntoMemory(const TPixelSurface& target, const TteBitmap& image,
                    std::span<TDrawPlan> pieces, bool sharesMemory) {
  // Drawing an image onto itself reads from a copy, so that no row is read after it
  // was written.
  std::vector<uint32_t> snapshot;
  if (sharesMemory) {
    snapshot.assign(image.ScanLine(0), image.ScanLine(0) + size_t(image.Width()) * image.Height());
    for (TDrawPlan& piece : pieces) piece.Pixels = snapshot.data();
  }
  Compose(target, pieces);
}

// A painter cannot run the row kernels, so the visible pixels are first resampled into
// a piece of the visible size and then handed over with the same three choices: blend
// as straight alpha over the target, key copy as a piece whose key pixels are fully
// transparent and all others opaque, plain copy as an opaque piece.
QImage PieceForPainter(TDrawPlan plan) {
  const TDrawMode mode = plan.Mode;
  const TRect area = plan.Visible;
  QImage piece(area.Width(), area.Height(), QImage::Format_ARGB32);
  const TPixelSurface surface{reinterpret_cast<uint32_t*>(piece.bits()), piece.width(),
                              piece.height(), int32_t(piece.bytesPerLine() / 4)};
  plan.X.DestStart -= area.Left;
  plan.Y.DestStart -= area.Top;
  plan.Visible = {0, 0, area.Width(), area.Height()};
  plan.Kernel = ActiveKernels().Copy;
  plan.Mode = TDrawMode::Copy;
  Compose(surface, std::span(&plan, 1));
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

void DrawThroughPainter(TCanvas& canvas, const TDrawPlan& plan) {
  const QImage piece = PieceForPainter(plan);
  QPainter& painter = canvas.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.drawImage(plan.Visible.Left, plan.Visible.Top, piece);
  painter.restore();
}

// What every plan of a draw on one canvas shares, worked out once per draw rather than
// once per piece.
struct TCanvasFrame {
  TPoint Origin;
  TRect Clip;  // device coordinates
  const TPixelKernels* Kernels;

  explicit TCanvasFrame(const TCanvas& canvas)
      : Origin(canvas.Origin()), Clip(canvas.DeviceClip()), Kernels(&ActiveKernels()) {}
};

// The plan of one draw on the canvas of `frame` (logical coordinates), combining pixels
// by `mode`; false when nothing is to be drawn.
bool PlanOnCanvas(const TteBitmap& image, const TCanvasFrame& frame, TMapping mapping,
                  const TBox& dest, const TBox& source, const std::optional<TRect>& clip,
                  TDrawMode mode, TDrawPlan& plan) {
  if (image.Empty()) return false;
  const TPoint origin = frame.Origin;
  TBox deviceClip = TBox::From(frame.Clip);
  if (clip) deviceClip = deviceClip.Intersect(TBox::From(*clip).Offset(-origin.X, -origin.Y));
  if (!MakePlan(image, mapping, dest.Offset(-origin.X, -origin.Y), source, deviceClip, plan))
    return false;
  plan.Mode = mode;
  plan.Kernel = KernelFor(mode, *frame.Kernels);
  return true;
}

void DrawPlanned(const TteBitmap& image, TCanvas& canvas, TDrawPlan& plan) {
  if (const TPixelSurface* surface = canvas.Surface())
    DrawIntoMemory(*surface, image, std::span(&plan, 1), SharesMemory(*surface, image));
  else
    DrawThroughPainter(canvas, plan);
}

void DrawMapped(const TteBitmap& image, TCanvas& canvas, TMapping mapping, const TBox& dest,
                const TBox& source, const std::optional<TRect>& clip) {
  const TDrawMode mode = DrawModeOf(image.AlphaFlag(), image.KeyFlag());
  TDrawPlan plan;
  if (PlanOnCanvas(image, TCanvasFrame(canvas), mapping, dest, source, clip, mode, plan))
    DrawPlanned(image, canvas, plan);
}

bool PlanBandPiece(const TteBitmap& image, const TCanvasFrame& canvas, const TteBandPiece& piece,
                   TDrawPlan& plan) {
  const TBox source = TBox::From(piece.Source);
  const TDrawMode mode = DrawModeOf(image.AlphaFlag(), piece.KeyFlag);
  switch (piece.Scale) {
    case TteBandPiece::TScale::Unscaled: {
      const TBox dest{piece.Dest.Left, piece.Dest.Top, piece.Dest.Left + source.Width(),
                      piece.Dest.Top + source.Height()};
      return PlanOnCanvas(image, canvas, TMapping::Shift, dest, source, std::nullopt, mode, plan);
    }
    case TteBandPiece::TScale::Stretch:
      return PlanOnCanvas(image, canvas, TMapping::Stretch, TBox::From(piece.Dest), source,
                          std::nullopt, mode, plan);
    case TteBandPiece::TScale::Tile:
      return PlanOnCanvas(image, canvas, TMapping::Tile, TBox::From(piece.Dest), source, piece.Clip,
                          mode, plan);
  }
  return false;
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

// The pieces are planned first; when they form a band on a memory canvas they are drawn
// together, otherwise one by one in their order.
void TteBitmap::DrawBand(TCanvas& canvas, std::span<const TteBandPiece> pieces) const {
  if (Empty()) return;
  const bool together = canvas.Surface() && pieces.size() <= kMaxBandPieces;
  std::array<TDrawPlan, kMaxBandPieces> plans;
  size_t count = 0;
  const TCanvasFrame frame(canvas);
  for (const TteBandPiece& piece : pieces) {
    TDrawPlan& plan = plans[together ? count : 0];
    if (!PlanBandPiece(*this, frame, piece, plan)) continue;
    if (together)
      ++count;
    else
      DrawPlanned(*this, canvas, plan);
  }
  const std::span<TDrawPlan> planned(plans.data(), count);
  // Drawn onto itself, each piece must see what the pieces before it wrote.
  if (FormBand(planned) && !SharesMemory(*canvas.Surface(), *this)) {
    DrawIntoMemory(*canvas.Surface(), *this, planned, false);
    return;
  }
  for (TDrawPlan& plan : planned) DrawPlanned(*this, canvas, plan);
}

}  // namespace vt
