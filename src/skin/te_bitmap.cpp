// Skin images: storage, stream form, transparency bookkeeping, colour operations, regions,
// links and the owning list. Drawing lives in te_bitmap_draw.cpp.
//
// Sections: registry and storage | stream form | platform images and resources |
// transparency and colour operations | regions | TteBitmapLink | TteBitmapList
#include "skin/te_bitmap.h"

#include <QFile>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

#include "rtl/Regions.h"
#include "rtl/TypInfo.h"
#include "skin/pixel_kernels.h"

namespace vt {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as little-endian 0xAARRGGBB numbers");
static_assert(kKeyPixelValue == kKeyPixel, "one key pixel everywhere");

namespace {

// ---- Registry ------------------------------------------------------------------------

// Every image that owns pixel memory, so that code holding only a pointer can tell a live
// image from a freed one. The engine is single-threaded; the lock costs nothing and keeps
// the set sound should a test or tool create images elsewhere.
struct TRegistry {
  std::mutex Lock;
  std::unordered_set<const TteBitmap*> Items;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

void Register(const TteBitmap* bitmap) {
  std::lock_guard guard(Registry().Lock);
  Registry().Items.insert(bitmap);
}

void Unregister(const TteBitmap* bitmap) {
  std::lock_guard guard(Registry().Lock);
  Registry().Items.erase(bitmap);
}

// An image never holds more pixels than this (1 GiB of memory). It keeps every size
// computation far from overflow and turns absurd stored sizes into a clear error.
constexpr int64_t kMaxPixels = int64_t{1} << 28;

constexpr TColor kMagenta = RGB(255, 0, 255);

}  // namespace

// ---- Storage -----------------------------------------------------------------------------

const TClassInfo& TteBitmap::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteBitmap>("TteBitmap", &TPersistent::StaticClassInfo()).Build();
  return info;
}

TteBitmap::TteBitmap() = default;

TteBitmap::~TteBitmap() {
  Unregister(this);
}

void TteBitmap::SetSize(int32_t width, int32_t height) {
  // abs() of INT32_MIN does not fit; such a size can never be allocated anyway.
  const int64_t w = std::abs(int64_t{width});
  const int64_t h = std::abs(int64_t{height});
  if (w == 0 || h == 0 || (w == FWidth && h == FHeight)) return;
  if (w * h > kMaxPixels) throw EOutOfResources("Can't allocate the DIB handle");
  TPixelVector bits;
  try {
    bits.assign(static_cast<size_t>(w * h), 0u);
  } catch (const std::bad_alloc&) {
    throw EOutOfResources("Can't allocate the DIB handle");
  }
  AdoptPixels(static_cast<int32_t>(w), static_cast<int32_t>(h), std::move(bits));
}

void TteBitmap::AdoptPixels(int32_t width, int32_t height, TPixelVector bits) {
  VT_ASSERT(static_cast<int64_t>(bits.size()) == int64_t{width} * height && "pixel count");
  FBits = std::move(bits);
  FWidth = width;
  FHeight = height;
  Register(this);
}

void TteBitmap::Reset() {
  FBits = {};
  FWidth = 0;
  FHeight = 0;
  Unregister(this);
}

bool TteBitmap::IsRegistered(const TteBitmap* bitmap) {
  std::lock_guard guard(Registry().Lock);
  return Registry().Items.count(bitmap) != 0;
}

uint32_t TteBitmap::Pixels(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
  return FBits[static_cast<size_t>(y) * FWidth + x];
}

void TteBitmap::SetPixel(int x, int y, uint32_t pixel) {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
  FBits[static_cast<size_t>(y) * FWidth + x] = pixel;
}

uint32_t* TteBitmap::ScanLine(int row) {
  if (row < 0 || row >= FHeight) return nullptr;
  return FBits.data() + static_cast<size_t>(row) * FWidth;
}

const uint32_t* TteBitmap::ScanLine(int row) const {
  if (row < 0 || row >= FHeight) return nullptr;
  return FBits.data() + static_cast<size_t>(row) * FWidth;
}

TPixelSurface TteBitmap::Surface() {
  return TPixelSurface{FBits.data(), FWidth, FHeight, FWidth};
}

void TteBitmap::FillColor(uint32_t pixel) {
  std::fill(FBits.begin(), FBits.end(), pixel);
}

void TteBitmap::FillRect(const TRect& rect, uint32_t pixel) {
  const TRect clipped = IntersectRect(rect, TRect{0, 0, FWidth, FHeight});
  for (int y = clipped.Top; y < clipped.Bottom; ++y)
    std::fill(ScanLine(y) + clipped.Left, ScanLine(y) + clipped.Right, pixel);
}

// ---- Stream form ---------------------------------------------------------------------------

namespace {

// The stored width and height, checked against what a stream can honestly describe.
struct TStoredSize {
  int32_t Width = 0;
  int32_t Height = 0;  // always positive here
  bool BottomUp = false;
  int64_t PixelCount() const { return int64_t{Width} * Height; }
};

std::string BitmapLabel(const std::string& name) {
  return "Bitmap \"" + name + "\"";
}

TStoredSize CheckStoredSize(const std::string& name, int32_t width, int32_t height) {
  if (width < 0)
    throw EReadError(BitmapLabel(name) + ": stored width " + std::to_string(width) +
                     " is negative");
  if (height == INT32_MIN)
    throw EReadError(BitmapLabel(name) + ": stored height " + std::to_string(height) +
                     " is out of range");
  // A height below 1 means rows stored bottom-up.
  TStoredSize size{width, height < 1 ? -height : height, height < 1};
  if (size.PixelCount() > kMaxPixels)
    throw EReadError(BitmapLabel(name) + ": stored size " + std::to_string(width) + " x " +
                     std::to_string(size.Height) + " is too large");
  return size;
}

// A transfer takes pixels in pieces of this many, each small enough to stay in the cache.
constexpr int64_t kTransferPixels = int64_t{1} << 14;

// Reads `count` pixels to `out`, through `transfer` when there is one.
void ReadPixelsTo(TStream& stream, uint32_t* out, int64_t count, const TPixelTransfer& transfer,
                  const std::string& name) {
  const auto fail = [&] {
    throw EReadError(BitmapLabel(name) + ": the stream ends inside the pixels");
  };
  if (!transfer) {
    if (stream.Read(out, count * 4) != count * 4) fail();
    return;
  }
  for (int64_t done = 0; done < count;) {
    const int64_t piece = std::min(kTransferPixels, count - done);
    const uint8_t* from = stream.ReadInPlace(piece * 4);
    if (!from) {
      if (stream.Read(out + done, piece * 4) != piece * 4) fail();
      from = reinterpret_cast<const uint8_t*>(out + done);
    }
    transfer(from, out + done, static_cast<size_t>(piece));
    done += piece;
  }
}

// Pixels of a stream that cannot tell its size (a decompressor) arrive in bounded
// pieces, so memory only grows with data that is really there.
TPixelVector ReadPixelsInChunks(TStream& stream, int64_t count, const TPixelTransfer& transfer,
                                const std::string& name) {
  constexpr int64_t kChunkPixels = int64_t{1} << 18;
  TPixelVector pixels;
  while (static_cast<int64_t>(pixels.size()) < count) {
    const int64_t done = static_cast<int64_t>(pixels.size());
    const int64_t piece = std::min(kChunkPixels, count - done);
    pixels.resize(static_cast<size_t>(done + piece));
    ReadPixelsTo(stream, pixels.data() + done, piece, transfer, name);
  }
  return pixels;
}

TPixelVector ReadPixels(TStream& stream, int64_t count, const TPixelTransfer& transfer,
                        const std::string& name) {
  const int64_t bytes = count * 4;
  if (const std::optional<int64_t> remaining = stream.Remaining()) {
    if (*remaining < bytes)
      throw EReadError(BitmapLabel(name) + ": the pixels need " + std::to_string(bytes) +
                       " bytes but the stream holds only " + std::to_string(*remaining));
    TPixelVector pixels(static_cast<size_t>(count));  // not cleared: read over whole
    ReadPixelsTo(stream, pixels.data(), count, transfer, name);
    return pixels;
  }
  return ReadPixelsInChunks(stream, count, transfer, name);
}

void FlipRows(TPixelVector& pixels, int32_t width, int32_t height) {
  for (int32_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(pixels.begin() + int64_t{top} * width,
                     pixels.begin() + int64_t{top + 1} * width,
                     pixels.begin() + int64_t{bottom} * width);
}

}  // namespace

void TteBitmap::LoadFromStream(TStream& stream) {
  LoadFromStream(stream, nullptr);
}

void TteBitmap::LoadFromStream(TStream& stream, const TPixelTransfer& transfer) {
  std::string name = ReadLengthString(stream, "bitmap name");
  const int32_t width = ReadInt32(stream);
  const int32_t height = ReadInt32(stream);
  const TStoredSize size = CheckStoredSize(name, width, height);
  FName = std::move(name);
  if (size.PixelCount() == 0) {
    Reset();  // a stored image without pixels loads as an empty image
    return;
  }
  TPixelVector pixels = ReadPixels(stream, size.PixelCount(), transfer, FName);
  if (size.BottomUp) FlipRows(pixels, size.Width, size.Height);
  AdoptPixels(size.Width, size.Height, std::move(pixels));
}

void TteBitmap::SaveToStream(TStream& stream) const {
  WriteLengthString(stream, FName);
  WriteInt32(stream, FWidth);
  WriteInt32(stream, FHeight);
  stream.WriteBuffer(FBits.data(), static_cast<int64_t>(FBits.size()) * 4);
}

// ---- Platform images and resources -------------------------------------------------------------

void TteBitmap::Assign(const TPersistent& source) {
  if (const auto* bitmap = dynamic_cast<const TteBitmap*>(&source)) {
    if (bitmap == this) return;
    if (bitmap->Empty())
      Reset();
    else
      AdoptPixels(bitmap->FWidth, bitmap->FHeight, bitmap->FBits);
    FKey = bitmap->FKey;
    FAlpha = bitmap->FAlpha;
    return;
  }
  if (const auto* holder = dynamic_cast<const TImageHolder*>(&source)) {
    AssignImage(holder->Image);
    return;
  }
  TPersistent::Assign(source);
}

void TteBitmap::AssignTo(TPersistent& dest) const {
  auto* holder = dynamic_cast<TImageHolder*>(&dest);
  if (!holder) {
    TPersistent::AssignTo(dest);
    return;
  }
  // A new 32-bit platform bitmap starts all zero; the image is drawn into it as onto
  // any other target, so its flags decide how its pixels arrive.
  QImage image(FWidth, FHeight, QImage::Format_ARGB32);
  image.fill(0u);
  if (!Empty()) {
    TCanvas canvas(image);
    Draw(canvas, 0, 0);
  }
  holder->Image = std::move(image);
}

namespace {

// Copies the rows of a 32-bit image (stride may differ from the width) into pixels.
TPixelVector CopyImageRows(const QImage& image) {
  TPixelVector pixels(static_cast<size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(pixels.data() + static_cast<size_t>(y) * image.width(), image.constScanLine(y),
                static_cast<size_t>(image.width()) * 4);
  return pixels;
}

bool IsRawArgb(QImage::Format format) {
  return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32;
}

}  // namespace

void TteBitmap::AssignImage(const QImage& image) {
  FKey = false;
  FAlpha = false;
  if (image.isNull()) {
    Reset();
    return;
  }
  if (int64_t{image.width()} * image.height() > kMaxPixels)
    throw EOutOfResources("Can't allocate the DIB handle");
  if (image.depth() == 32) {
    // A 32-bit picture keeps its alpha; premultiplied or byte-ordered forms are brought
    // to the straight-alpha 0xAARRGGBB numbers the skin images use.
    const QImage argb =
        IsRawArgb(image.format()) ? image : image.convertToFormat(QImage::Format_ARGB32);
    AdoptPixels(argb.width(), argb.height(), CopyImageRows(argb));
    CheckAlpha();
    return;
  }
  AdoptPixels(image.width(), image.height(),
              CopyImageRows(image.convertToFormat(QImage::Format_RGB32)));
  SetAlpha(255);
}

QImage TteBitmap::ToImage() const {
  if (Empty()) return {};
  QImage image(FWidth, FHeight, QImage::Format_ARGB32);
  for (int y = 0; y < FHeight; ++y)
    std::memcpy(image.scanLine(y), ScanLine(y), static_cast<size_t>(FWidth) * 4);
  return image;
}

namespace {

uint32_t LittleUInt32(const QByteArray& data, qsizetype at) {
  uint32_t value;
  std::memcpy(&value, data.constData() + at, 4);
  return value;
}

uint16_t LittleUInt16(const QByteArray& data, qsizetype at) {
  uint16_t value;
  std::memcpy(&value, data.constData() + at, 2);
  return value;
}

// The parts of a Windows bitmap file that decide whether its 32-bit pixels can be taken
// with their alpha bytes (Qt's reader drops them).
struct TBmp32 {
  int32_t Width = 0;
  int32_t Height = 0;
  bool BottomUp = true;
  qsizetype PixelOffset = 0;
};

constexpr uint32_t kBiRgb = 0, kBiBitfields = 3;
constexpr qsizetype kBmpFileHeader = 14, kBmpInfoHeader = 40;

bool HasStandardMasks(const QByteArray& data, uint32_t compression) {
  if (compression == kBiRgb) return true;
  const qsizetype masks = kBmpFileHeader + kBmpInfoHeader;
  if (compression != kBiBitfields || data.size() < masks + 12) return false;
  return LittleUInt32(data, masks) == 0x00FF0000 && LittleUInt32(data, masks + 4) == 0x0000FF00 &&
         LittleUInt32(data, masks + 8) == 0x000000FF;
}

// A 32-bit uncompressed bitmap file whose pixels are all present, or nullopt for any
// other file (which then goes through Qt's reader).
std::optional<TBmp32> ParseBmp32(const QByteArray& data) {
  if (data.size() < kBmpFileHeader + kBmpInfoHeader || !data.startsWith("BM")) return {};
  if (LittleUInt32(data, 14) < kBmpInfoHeader || LittleUInt16(data, 28) != 32) return {};
  const uint32_t compression = LittleUInt32(data, 30);
  if (!HasStandardMasks(data, compression)) return {};
  TBmp32 bmp;
  bmp.Width = static_cast<int32_t>(LittleUInt32(data, 18));
  const auto height = static_cast<int32_t>(LittleUInt32(data, 22));
  if (bmp.Width <= 0 || height == 0 || height == INT32_MIN) return {};
  bmp.BottomUp = height > 0;
  bmp.Height = std::abs(height);
  bmp.PixelOffset = LittleUInt32(data, 10);
  const int64_t pixels = int64_t{bmp.Width} * bmp.Height;
  if (pixels > kMaxPixels || bmp.PixelOffset < kBmpFileHeader + kBmpInfoHeader) return {};
  if (data.size() - bmp.PixelOffset < pixels * 4) return {};
  return bmp;
}

TPixelVector Bmp32Pixels(const QByteArray& data, const TBmp32& bmp) {
  TPixelVector pixels(static_cast<size_t>(bmp.Width) * bmp.Height);
  std::memcpy(pixels.data(), data.constData() + bmp.PixelOffset, pixels.size() * 4);
  if (bmp.BottomUp) FlipRows(pixels, bmp.Width, bmp.Height);
  return pixels;
}

QByteArray ReadResourceFile(const QString& module, const QString& resourceName) {
  const QString base = module.isEmpty() ? resourceName : module + '/' + resourceName;
  for (const QString& candidate : {base, base + ".bmp", base + ".png"}) {
    QFile file(candidate);
    if (!file.open(QIODevice::ReadOnly)) continue;
    if (file.size() > kMaxPixels * 4)
      throw EReadError("Bitmap resource " + resourceName.toStdString() + " is too large");
    return file.readAll();
  }
  throw EResNotFound("Resource " + resourceName.toStdString() + " not found");
}

}  // namespace

void TteBitmap::LoadFromResource(const QString& module, const QString& resourceName) {
  if (!LoadFromPictureData(ReadResourceFile(module, resourceName)))
    throw EReadError("Bitmap resource " + resourceName.toStdString() + " is not a picture");
}

bool TteBitmap::LoadFromPictureData(const QByteArray& data) {
  if (const std::optional<TBmp32> bmp = ParseBmp32(data)) {
    FKey = false;
    AdoptPixels(bmp->Width, bmp->Height, Bmp32Pixels(data, *bmp));
    CheckAlpha();
    return true;
  }
  const QImage image = QImage::fromData(data);
  if (image.isNull()) return false;
  AssignImage(image);
  return true;
}

// ---- Transparency and colour operations -------------------------------------------------------

void TteBitmap::CheckAlpha() {
  FAlpha = std::any_of(FBits.begin(), FBits.end(), [](uint32_t p) {
    const uint32_t a = p >> 24;
    return a != 0 && a != 255;
  });
}

void TteBitmap::ReplaceWithKey(TColor color) {
  FKey = false;
  const TColor rgb = ColorToRGB(color);
  const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  const auto near = [](int a, int c) { return std::abs(a - c) < 6; };
  for (uint32_t& p : FBits) {
    if (near(int(p >> 16) & 0xFF, r) && near(int(p >> 8) & 0xFF, g) && near(int(p) & 0xFF, b)) {
      p = kKeyPixel;
      FKey = true;
    }
  }
}

void TteBitmap::SetAlpha(uint8_t value) {
  const uint32_t alpha = uint32_t{value} << 24;
  for (uint32_t& p : FBits) p = (p & kColorMask) | alpha;
}

void TteBitmap::ChangeBrightness(int delta) {
  const auto shift = [delta](uint32_t p, int at) {
    return static_cast<uint32_t>(std::clamp(int((p >> at) & 0xFF) + delta, 0, 255)) << at;
  };
  for (uint32_t& p : FBits)
    if (p & kAlphaMask) p = (p & kAlphaMask) | shift(p, 16) | shift(p, 8) | shift(p, 0);
}

namespace {

struct THsl {
  double H, S, L;  // each 0 ... 1
};

THsl RgbToHsl(double r, double g, double b) {
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  const double l = (high + low) / 2;
  if (high == low) return {0, 0, l};
  const double d = high - low;
  const double s = l > 0.5 ? d / (2 - high - low) : d / (high + low);
  double h;
  if (high == r)
    h = (g - b) / d + (g < b ? 6 : 0);
  else if (high == g)
    h = (b - r) / d + 2;
  else
    h = (r - g) / d + 4;
  return {h / 6, s, l};
}

double HueToChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 1.0 / 2) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

uint32_t ToByte(double v) {
  return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

uint32_t RotateHue(uint32_t pixel, double turn) {
  const double r = ((pixel >> 16) & 0xFF) / 255.0, g = ((pixel >> 8) & 0xFF) / 255.0,
               b = (pixel & 0xFF) / 255.0;
  THsl hsl = RgbToHsl(r, g, b);
  if (hsl.S == 0) return pixel;  // greys have no hue to turn
  hsl.H = std::fmod(hsl.H + turn, 1.0);
  if (hsl.H < 0) hsl.H += 1;
  const double q = hsl.L < 0.5 ? hsl.L * (1 + hsl.S) : hsl.L + hsl.S - hsl.L * hsl.S;
  const double p = 2 * hsl.L - q;
  return (pixel & kAlphaMask) | ToByte(HueToChannel(p, q, hsl.H + 1.0 / 3)) << 16 |
         ToByte(HueToChannel(p, q, hsl.H)) << 8 | ToByte(HueToChannel(p, q, hsl.H - 1.0 / 3));
}

}  // namespace

void TteBitmap::ChangeHue(int delta) {
  const double turn = delta / 255.0;
  for (uint32_t& p : FBits)
    if (p & kAlphaMask) p = RotateHue(p, turn);
}

void TteBitmap::ProcessKeyOnLoad() {
  ReplaceWithKey(kMagenta);
  ReplaceWithKey(kKeyColor);
  CheckAlpha();
}

// ---- Regions
// -------------------------------------------------------------------------------------

namespace {

// Collects the rectangles of one region: rows with the same runs as the row above extend
// that band instead of adding rectangles, so a shape with straight sides stays small.
class TBandBuilder {
 public:
  TBandBuilder(int width, int offsetX, int offsetY)
      : FBand(static_cast<size_t>(width) + 1),
        FRow(static_cast<size_t>(width) + 1),
        FX(offsetX),
        FY(offsetY) {}

  int32_t* RowBounds() { return FRow.data(); }

  void AddRow(int y, int runs) {
    const bool sameAsBand = y > 0 && runs == FBandRuns &&
                            std::equal(FRow.begin(), FRow.begin() + 2 * runs, FBand.begin());
    if (sameAsBand) return;
    Flush(y);
    FRow.swap(FBand);
    FBandRuns = runs;
    FBandTop = y;
  }

  QRegion Finish(int height) {
    Flush(height);
    return RegionFromRects(FRects);
  }

 private:
  void Flush(int bandBottom) {
    for (int i = 0; i < FBandRuns; ++i)
      FRects.emplace_back(FX + FBand[2 * i], FY + FBandTop, FBand[2 * i + 1] - FBand[2 * i],
                          bandBottom - FBandTop);
  }

  std::vector<int32_t> FBand, FRow;
  int FBandRuns = 0;
  int FBandTop = 0;
  int FX, FY;
  std::vector<QRect> FRects;
};

}  // namespace

QRegion TteBitmap::CreateRegion(int x, int y) const {
  if (Empty()) return {};
  const TRunScanner scan = ActiveKernels().OpaqueRuns;
  TBandBuilder bands(FWidth, x, y);
  for (int row = 0; row < FHeight; ++row)
    bands.AddRow(row, scan(ScanLine(row), FWidth, bands.RowBounds()));
  return bands.Finish(FHeight);
}

// ---- TteBitmapLink
// -------------------------------------------------------------------------------

const TClassInfo& TteBitmapLink::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteBitmapLink>("TteBitmapLink", &TPersistent::StaticClassInfo())
          .Property("Name", &TteBitmapLink::GetName, &TteBitmapLink::SetName)
          .Property("Left", &TteBitmapLink::GetLeft, &TteBitmapLink::SetLeft)
          .Property("Top", &TteBitmapLink::GetTop, &TteBitmapLink::SetTop)
          .Property("Right", &TteBitmapLink::GetRight, &TteBitmapLink::SetRight)
          .Property("Bottom", &TteBitmapLink::GetBottom, &TteBitmapLink::SetBottom)
          .Build();
  return info;
}

TteBitmapLink::TteBitmapLink(TteBitmap* bitmap, const TRect& rect)
    : FName(bitmap ? bitmap->Name() : std::string()), FRect(rect), FBitmap(bitmap) {}

void TteBitmapLink::Assign(const TPersistent& source) {
  const auto* link = dynamic_cast<const TteBitmapLink*>(&source);
  if (!link) {
    TPersistent::Assign(source);
    return;
  }
  FName = link->FName;
  FRect = link->FRect;
  FBitmap = link->FBitmap;
  MaskedBorder = link->MaskedBorder;
  MaskedAngles = link->MaskedAngles;
  Masked = link->Masked;
}

bool TteBitmapLink::IsValid() const {
  // 64-bit products: the rectangle comes from files and may hold any 32-bit values.
  const int64_t width = int64_t{FRect.Right} - FRect.Left;
  const int64_t height = int64_t{FRect.Bottom} - FRect.Top;
  return FBitmap && width > 0 && height > 0;
}

void TteBitmapLink::CheckMasked() {
  CheckMasked(0, 0, 0, 0);
}

namespace {

bool IsTransparentPixel(uint32_t p) {
  return p == kKeyPixel || (p >> 24) < 255;
}

// Where a pixel lies among the nine pieces that the margins cut a rectangle into.
enum class TPiece { Centre, Border, Corner };

struct TMargins {
  int Left, Top, Right, Bottom;
  bool AllZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
};

TPiece PieceOf(int64_t x, int64_t y, int64_t width, int64_t height, const TMargins& m) {
  const bool inColumnMargin = x < m.Left || x >= width - m.Right;
  const bool inRowMargin = y < m.Top || y >= height - m.Bottom;
  if (inColumnMargin && inRowMargin) return TPiece::Corner;
  if (inColumnMargin || inRowMargin) return TPiece::Border;
  return TPiece::Centre;
}

}  // namespace

void TteBitmapLink::CheckMasked(int marginLeft, int marginTop, int marginRight, int marginBottom) {
  MaskedBorder = MaskedAngles = Masked = false;
  if (!IsValid() || FBitmap->Empty()) return;
  const TMargins margins{marginLeft, marginTop, marginRight, marginBottom};
  const int64_t width = int64_t{FRect.Right} - FRect.Left;
  const int64_t height = int64_t{FRect.Bottom} - FRect.Top;
  // Only pixels of the image count: the parts of the rectangle outside it are never drawn.
  const TRect inside = IntersectRect(FRect, TRect{0, 0, FBitmap->Width(), FBitmap->Height()});
  for (int y = inside.Top; y < inside.Bottom; ++y) {
    const uint32_t* row = FBitmap->ScanLine(y);
    for (int x = inside.Left; x < inside.Right; ++x) {
      if (!IsTransparentPixel(row[x])) continue;
      if (margins.AllZero()) {
        Masked = true;
        return;
      }
      switch (PieceOf(x - int64_t{FRect.Left}, y - int64_t{FRect.Top}, width, height, margins)) {
        case TPiece::Corner:
          MaskedAngles = true;
          break;
        case TPiece::Border:
          MaskedBorder = true;
          break;
        case TPiece::Centre:
          Masked = true;
          break;
      }
      if (MaskedAngles && MaskedBorder && Masked) return;
    }
  }
}

// ---- TteBitmapList
// -------------------------------------------------------------------------------

TteBitmap* TteBitmapList::Bitmaps(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(index)];
}

void TteBitmapList::Add(TteBitmap* bitmap) {
  VT_ASSERT(bitmap && "the list holds images, never nullptr");
  FItems.push_back(bitmap);
}

void TteBitmapList::Insert(int index, TteBitmap* bitmap) {
  VT_ASSERT(bitmap && "the list holds images, never nullptr");
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, bitmap);
}

int TteBitmapList::IndexOf(const TteBitmap* bitmap) const {
  const auto it = std::find(FItems.begin(), FItems.end(), bitmap);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TteBitmap* TteBitmapList::Extract(int index) {
  TteBitmap* bitmap = Bitmaps(index);
  if (bitmap) FItems.erase(FItems.begin() + index);
  return bitmap;
}

void TteBitmapList::Delete(int index) {
  delete Extract(index);
}

void TteBitmapList::Clear() {
  // Emptied first so that nothing freed can be reached through the list meanwhile.
  std::vector<TteBitmap*> items;
  items.swap(FItems);
  for (TteBitmap* bitmap : items) delete bitmap;
}

TteBitmap* TteBitmapList::GetBitmapByName(const std::string& name) const {
  for (TteBitmap* bitmap : FItems)
    if (SameText(bitmap->Name(), name)) return bitmap;
  return nullptr;
}

std::unique_ptr<TteBitmapLink> TteBitmapList::GetLink(const std::string& name,
                                                      const TRect& rect) const {
  TteBitmap* bitmap = GetBitmapByName(name);
  if (!bitmap) return nullptr;
  return std::make_unique<TteBitmapLink>(bitmap, rect);
}

}  // namespace vt
