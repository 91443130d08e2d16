#pragma once
// Skin images: 32-bit pixels with alpha and a transparent key, the named references
// (links) into them, and the owning list. See docs/pixel-math.md for the blending formulas.
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rtl/Assert.h"
#include "rtl/Canvas.h"
#include "rtl/Classes.h"
#include "rtl/Streams.h"
#include "rtl/Types.h"

namespace vt {

// An allocator whose new elements are default-initialised: pixel memory that is about
// to be overwritten whole (a loaded image) is not cleared first. Code that wants zeroed
// pixels says so (assign(n, 0)).
template <class T>
struct TDefaultInitAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = TDefaultInitAllocator<U>;
  };
  using std::allocator<T>::allocator;
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using TPixelVector = std::vector<uint32_t, TDefaultInitAllocator<uint32_t>>;

// Moves `count` stored pixels (4 bytes each, at any alignment) from `from` to `to`,
// processing them on the way; `from` may be `to`. Loaders process each piece of an
// image this way as it is read, while it is in the cache, instead of in another pass.
using TPixelTransfer = std::function<void(const uint8_t* from, uint32_t* to, size_t count)>;

// A named bitmap resource that does not exist.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// One piece of a band (TteBitmap::DrawBand): how `Source` reaches the canvas and with which
// key flag.
struct TteBandPiece {
  enum class TScale : uint8_t {
    Unscaled,  // `Source` at its own size at Dest's top-left corner, as Draw(canvas, x, y, source)
    Stretch,   // as Draw(canvas, Dest, Source)
    Tile,      // as Tile(canvas, Dest, Source), or TileClip when there is a Clip
  };
  TRect Dest;
  TRect Source;
  TScale Scale = TScale::Stretch;
  bool KeyFlag = false;  // replaces the image's key flag for this piece
  std::optional<TRect> Clip;
};

class TteBitmap : public TPersistent {
 public:
  TteBitmap();
  ~TteBitmap() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  // Absolute values are used; nothing happens when either is 0 or the size is unchanged.
  // EOutOfResources "Can't allocate the DIB handle" when the memory cannot be had.
  void SetSize(int32_t width, int32_t height);
  bool Empty() const { return FBits.empty(); }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }

  // Name, width, height, pixels. A height below 1 means bottom-up rows. A size that is
  // negative beyond that convention, or pixels whose bytes are not in the stream, fail
  // with EReadError before anything is allocated.
  void LoadFromStream(TStream& stream);
  // The same, every piece of pixels arriving through `transfer`, in stored order: straight
  // from a stream that holds its bytes in memory, else after reading them into place.
  void LoadFromStream(TStream& stream, const TPixelTransfer& transfer);
  void SaveToStream(TStream& stream) const;

  // From another TteBitmap: size, pixels, both flags. From a QImage-holding persistent
  // (TImageHolder): a 32-bit image with its alpha, then CheckAlpha; any other format is
  // converted with alpha 255.
  void Assign(const TPersistent& source) override;
  // Into a TImageHolder: a zeroed 32-bit ARGB image of the same size that the bitmap is
  // drawn into (so its flags decide how pixels arrive, as on any target).
  void AssignTo(TPersistent& dest) const override;
  void AssignImage(const QImage& image);
  // A 32-bit ARGB copy of the pixels (the platform bitmap of AssignTo).
  QImage ToImage() const;
  // A bitmap resource of a module: the file `module`/`resourceName` (a Qt resource
  // prefix such as ":/skins" or a folder), tried as named, then with ".bmp" and ".png".
  // 32-bit bitmap files keep their alpha bytes. EResNotFound when there is no such file.
  void LoadFromResource(const QString& module, const QString& resourceName);
  // The bytes of a picture file: a 32-bit Windows bitmap (uncompressed, or with the
  // standard bit-field masks) keeps its alpha bytes and gets CheckAlpha; anything else
  // goes through Qt's readers. False, and the bitmap untouched, when nothing can read it.
  bool LoadFromPictureData(const QByteArray& data);

  void FillColor(uint32_t pixel);
  void FillRect(const TRect& rect, uint32_t pixel);
  uint32_t Pixels(int x, int y) const;
  void SetPixel(int x, int y, uint32_t pixel);
  uint32_t* ScanLine(int row);
  const uint32_t* ScanLine(int row) const;
  TPixelSurface Surface();

  bool AlphaFlag() const { return FAlpha; }
  void SetAlphaFlag(bool value) { FAlpha = value; }
  bool KeyFlag() const { return FKey; }
  void SetKeyFlag(bool value) { FKey = value; }

  void CheckAlpha();
  void ReplaceWithKey(TColor color);
  void SetAlpha(uint8_t value);
  void ChangeBrightness(int delta);
  void ChangeHue(int delta);
  // Magenta to key, near-key to exact key, then CheckAlpha: the processing of loading.
  void ProcessKeyOnLoad();

  // Drawing combines pixels by the flags: alpha flag -> blend, else key flag -> key copy,
  // else plain copy (docs/pixel-math.md). A canvas over memory is written directly, any
  // other canvas through its painter. Parts of `source` outside the image draw nothing.
  // Unscaled copy of the whole image / of `source` to (x, y).
  void Draw(TCanvas& canvas, int x, int y) const;
  void Draw(TCanvas& canvas, int x, int y, const TRect& source) const;
  // `source` stretched (nearest neighbour) over `dest`: destination column i of W takes
  // source column source.Left + ((2i+1) * source.Width()) / (2W), rows likewise.
  void Draw(TCanvas& canvas, const TRect& dest, const TRect& source) const;
  // `source` (cut to the image) repeated from dest's top-left corner, cut at dest's
  // right and bottom edges, and for TileClip also at `clip` (logical coordinates).
  void Tile(TCanvas& canvas, const TRect& dest, const TRect& source) const;
  void TileClip(TCanvas& canvas, const TRect& dest, const TRect& source, const TRect& clip) const;
  // Draws `pieces` one after the other exactly as the calls named by their scales would.
  // Pieces that lie side by side over the same rows, show the same source rows there and
  // combine pixels the same way (a band of a nine-part image) are drawn together instead:
  // each source row is composed once for the whole band and each destination row is one
  // pass over the band's width.
  void DrawBand(TCanvas& canvas, std::span<const TteBandPiece> pieces) const;

  // Every pixel that is not the key pixel, offset by (x, y).
  QRegion CreateRegion(int x, int y) const;

  // Whether `bitmap` is a live image that owns pixel memory (the registry of images).
  static bool IsRegistered(const TteBitmap* bitmap);

 private:
  void AdoptPixels(int32_t width, int32_t height, TPixelVector bits);
  void Reset();

  int32_t FWidth = 0;
  int32_t FHeight = 0;
  std::string FName;
  TPixelVector FBits;
  bool FAlpha = false;
  bool FKey = false;
};

// A persistent wrapper of a QImage, the platform bitmap that TteBitmap assigns from.
class TImageHolder : public TPersistent {
 public:
  explicit TImageHolder(QImage image) : Image(std::move(image)) {}
  QImage Image;
};

class TteBitmapLink : public TPersistent {
 public:
  TteBitmapLink() = default;
  TteBitmapLink(TteBitmap* bitmap, const TRect& rect);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;
  bool IsValid() const;
  void CheckMasked();
  void CheckMasked(int marginLeft, int marginTop, int marginRight, int marginBottom);

  const std::string& GetName() const { return FName; }
  void SetName(const std::string& v) { FName = v; }
  int32_t GetLeft() const { return FRect.Left; }
  void SetLeft(int32_t v) { FRect.Left = v; }
  int32_t GetTop() const { return FRect.Top; }
  void SetTop(int32_t v) { FRect.Top = v; }
  int32_t GetRight() const { return FRect.Right; }
  void SetRight(int32_t v) { FRect.Right = v; }
  int32_t GetBottom() const { return FRect.Bottom; }
  void SetBottom(int32_t v) { FRect.Bottom = v; }
  TRect Rect() const { return FRect; }
  void SetRect(const TRect& r) { FRect = r; }

  TteBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TteBitmap* b) { FBitmap = b; }
  bool MaskedBorder = false;
  bool MaskedAngles = false;
  bool Masked = false;  // the centre flag

 private:
  std::string FName;
  TRect FRect;
  TteBitmap* FBitmap = nullptr;
};

class TteBitmapList {
 public:
  TteBitmapList() = default;
  ~TteBitmapList() { Clear(); }
  TteBitmapList(const TteBitmapList&) = delete;
  TteBitmapList& operator=(const TteBitmapList&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  TteBitmap* Bitmaps(int index) const;
  void Add(TteBitmap* bitmap);  // takes ownership; never nullptr
  void Insert(int index, TteBitmap* bitmap);
  int IndexOf(const TteBitmap* bitmap) const;
  // Removes without freeing: the caller owns the image again.
  TteBitmap* Extract(int index);
  void Delete(int index);
  void Clear();
  TteBitmap* GetBitmapByName(const std::string& name) const;
  // A new link (owned by the caller) to the first image of that name, or nullptr.
  std::unique_ptr<TteBitmapLink> GetLink(const std::string& name, const TRect& rect) const;

 private:
  std::vector<TteBitmap*> FItems;
};

}  // namespace vt
