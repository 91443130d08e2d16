// TteBitmap storage, stream form, images, resources and colours; links and lists.
#include <QFile>

#include "TestBitmapUtil.h"
#include "rtl/Streams.h"
#include "rtl/TypInfo.h"

namespace vt {
namespace {

using test::AllPixels;
using test::MakeBitmap;
using test::RowOf;

// ---- Size and pixel access ---------------------------------------------------------------

TEST(TteBitmap, SetSizeUsesAbsoluteValuesPixelAccessAndFillsOutsideAreIgnored) {
  TteBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_FALSE(TteBitmap::IsRegistered(&bitmap));
  bitmap.SetSize(-3, 2);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_TRUE(TteBitmap::IsRegistered(&bitmap));
  EXPECT_EQ(AllPixels(bitmap), std::vector<uint32_t>(6, 0u));

  bitmap.SetPixel(1, 1, 0xFF123456);
  bitmap.SetSize(3, -2);  // unchanged: pixels stay
  EXPECT_EQ(bitmap.Pixels(1, 1), 0xFF123456u);
  bitmap.SetSize(0, 7);  // ignored
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  // An absurd size fails with the allocation message and leaves the image empty.
  TteBitmap absurd;
  EXPECT_EQ(test::MessageOf<EOutOfResources>([&] { absurd.SetSize(100000, 100000); }),
            "Can't allocate the DIB handle");
  EXPECT_TRUE(absurd.Empty());
  EXPECT_THROW(absurd.SetSize(INT32_MIN, 1), EOutOfResources);
  // Pixel access and fills outside the image read zero or are ignored.
  TteBitmap none;
  EXPECT_EQ(none.Pixels(0, 0), 0u);
  EXPECT_EQ(none.ScanLine(0), nullptr);
  auto image = MakeBitmap(2, {1, 2, 3, 4});
  EXPECT_EQ(image->Pixels(1, 1), 4u);
  EXPECT_EQ(image->Pixels(2, 0), 0u);
  EXPECT_EQ(image->Pixels(-1, 0), 0u);
  EXPECT_EQ(image->Pixels(0, 2), 0u);
  image->SetPixel(2, 0, 9);
  image->SetPixel(0, -1, 9);
  EXPECT_EQ(AllPixels(*image), (std::vector<uint32_t>{1, 2, 3, 4}));
  EXPECT_EQ(image->ScanLine(1)[0], 3u);
  EXPECT_EQ(image->ScanLine(2), nullptr);
  // Fills are clipped to the image.
  image = MakeBitmap(3, {0, 0, 0, 0, 0, 0, 0, 0, 0});
  image->FillRect(TRect{-5, -5, 2, 1}, 7);
  image->FillRect(TRect{2, 2, 50, 50}, 8);
  image->FillRect(TRect{2, 0, 1, 3}, 9);  // empty
  EXPECT_EQ(AllPixels(*image), (std::vector<uint32_t>{7, 7, 0, 0, 0, 0, 0, 0, 8}));
  image->FillColor(5);
  EXPECT_EQ(AllPixels(*image), std::vector<uint32_t>(9, 5u));
}

// ---- Stream form --------------------------------------------------------------------------

TMemoryStream StoredImage(const std::string& name, int32_t width, int32_t height,
                          const std::vector<uint32_t>& pixels) {
  TMemoryStream stream;
  WriteLengthString(stream, name);
  WriteInt32(stream, width);
  WriteInt32(stream, height);
  stream.WriteBuffer(pixels.data(), int64_t(pixels.size()) * 4);
  stream.SetPosition(0);
  return stream;
}

TEST(TteBitmapStream, SaveAndLoadRoundTripBottomUpRowsAndEmptyImagesLoad) {
  auto bitmap = MakeBitmap(3, {1, 2, 3, 0xFF000004, 5, kKeyPixel}, "Frame");
  TMemoryStream stream;
  bitmap->SaveToStream(stream);
  EXPECT_EQ(stream.Size(), 4 + 5 + 4 + 4 + 6 * 4);
  stream.SetPosition(0);
  TteBitmap loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.Name(), "Frame");
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.Height(), 2);
  EXPECT_EQ(AllPixels(loaded), AllPixels(*bitmap));
  EXPECT_EQ(stream.Position(), stream.Size());
  // A negative height means bottom-up rows.
  TMemoryStream three = StoredImage("y", 2, -3, {1, 2, 3, 4, 5, 6});
  loaded.LoadFromStream(three);
  EXPECT_EQ(loaded.Height(), 3);
  EXPECT_EQ(AllPixels(loaded), (std::vector<uint32_t>{5, 6, 3, 4, 1, 2}));
  // Saving writes top-down with a positive height.
  TMemoryStream saved;
  loaded.SaveToStream(saved);
  saved.SetPosition(4 + 1 + 4);
  EXPECT_EQ(ReadInt32(saved), 3);
  // A stored size without pixels loads empty, and in step with what follows.
  TMemoryStream none = StoredImage("none", 4, 0, {});
  none.Seek(0, TSeekOrigin::soEnd);
  WriteInt32(none, 77);  // what follows must stay in step
  none.SetPosition(0);
  bitmap->LoadFromStream(none);
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_FALSE(TteBitmap::IsRegistered(bitmap.get()));
  EXPECT_EQ(bitmap->Name(), "none");
  EXPECT_EQ(ReadInt32(none), 77);
}

// A stream that cannot tell how much is left, as a decompressor.
class TUnsizedStream : public TStream {
 public:
  explicit TUnsizedStream(TMemoryStream& inner) : FInner(inner) {}
  int64_t Read(void* buffer, int64_t count) override { return FInner.Read(buffer, count); }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override { return FInner.Seek(offset, origin); }

 private:
  TMemoryStream& FInner;
};

void ExpectReadError(TStream& stream, const std::string& fragment) {
  TteBitmap bitmap;
  const std::string message = test::MessageOf<EReadError>([&] { bitmap.LoadFromStream(stream); });
  EXPECT_NE(message.find(fragment), std::string::npos) << message;
  EXPECT_TRUE(bitmap.Empty());
}

TEST(TteBitmapStream, DamagedStreamsFailBeforeAllocatingUnsizedOnesReadInPieces) {
  TMemoryStream negativeWidth = StoredImage("w", -1, 2, {1, 2});
  ExpectReadError(negativeWidth, "Bitmap \"w\": stored width -1 is negative");
  TMemoryStream minHeight = StoredImage("h", 1, INT32_MIN, {});
  ExpectReadError(minHeight, "stored height -2147483648 is out of range");
  TMemoryStream huge = StoredImage("huge", 1 << 20, 1 << 20, {});
  ExpectReadError(huge, "too large");
  TMemoryStream hugeBottomUp = StoredImage("big", INT32_MAX, -INT32_MAX, {});
  ExpectReadError(hugeBottomUp, "too large");
  TMemoryStream truncated = StoredImage("t", 2, 2, {1, 2, 3});
  ExpectReadError(truncated, "the pixels need 16 bytes but the stream holds only 12");
  TMemoryStream noName;
  WriteInt32(noName, 1000);
  noName.SetPosition(0);
  EXPECT_THROW(TteBitmap().LoadFromStream(noName), EReadError);
  // Streams that cannot tell how much is left are read in pieces.
  std::vector<uint32_t> pixels(600 * 500);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint32_t(i * 2654435761u);
  TMemoryStream whole = StoredImage("big", 600, 500, pixels);
  TUnsizedStream unsized(whole);
  TteBitmap bitmap;
  bitmap.LoadFromStream(unsized);
  EXPECT_EQ(AllPixels(bitmap), pixels);

  // 10000 x 10000 promised, a few bytes present: an error, not 400 MB of memory.
  TMemoryStream lying = StoredImage("lie", 10000, 10000, {1, 2, 3});
  TUnsizedStream unsizedLying(lying);
  ExpectReadError(unsizedLying, "Bitmap \"lie\": the stream ends inside the pixels");
}

// ---- Platform images and resources --------------------------------------------------------------

TEST(TteBitmapAssign, FromAnotherBitmapCopiesSizePixelsAndFlagsAssignToDrawsIntoZeroes) {
  auto source = MakeBitmap(2, {1, 2, 3, 4}, "source");
  source->SetKeyFlag(true);
  source->SetAlphaFlag(true);
  TteBitmap copy;
  copy.SetName("copy");
  copy.Assign(*source);
  EXPECT_EQ(copy.Name(), "copy");
  EXPECT_EQ(AllPixels(copy), AllPixels(*source));
  EXPECT_TRUE(copy.KeyFlag());
  EXPECT_TRUE(copy.AlphaFlag());
  source->SetPixel(0, 0, 99);
  EXPECT_EQ(copy.Pixels(0, 0), 1u);

  TteBitmap empty;
  copy.Assign(empty);
  EXPECT_TRUE(copy.Empty());
  EXPECT_FALSE(copy.KeyFlag());

  TteBitmapLink link;
  EXPECT_THROW(copy.Assign(link), EConvertError);
  // AssignTo draws into a zeroed image; ToImage is the raw copy.
  source = MakeBitmap(3, {kKeyPixel, 0x00123456, 0xFF0000FF});
  source->SetKeyFlag(true);
  TImageHolder holder{QImage()};
  source->AssignTo(holder);
  ASSERT_EQ(holder.Image.format(), QImage::Format_ARGB32);
  ASSERT_EQ(holder.Image.size(), QSize(3, 1));
  EXPECT_EQ(holder.Image.pixel(0, 0), 0u);  // the key leaves the zeroed target
  EXPECT_EQ(holder.Image.pixel(1, 0), 0xFF123456u);
  EXPECT_EQ(holder.Image.pixel(2, 0), 0xFF0000FFu);
  EXPECT_EQ(source->ToImage().pixel(0, 0), kKeyPixel);
}

const std::vector<uint32_t> kResourcePixels{0x80FF0000, 0xFF00FF00, 0x000000FF,
                                            0x007F007F, 0x40102030, 0xFFFFFFFF};

TEST(TteBitmapAssign, ThirtyTwoBitImagesAndResourcesKeepAlphaOthersBecomeOpaque) {
  QImage argb(2, 1, QImage::Format_ARGB32);
  argb.setPixel(0, 0, 0x80102030);
  argb.setPixel(1, 0, 0xFF405060);
  TteBitmap bitmap;
  bitmap.Assign(TImageHolder(argb));
  EXPECT_EQ(RowOf(bitmap, 0), (std::vector<uint32_t>{0x80102030, 0xFF405060}));
  EXPECT_TRUE(bitmap.AlphaFlag());

  // Premultiplied pixels come back to straight alpha.
  QImage premultiplied = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  bitmap.Assign(TImageHolder(premultiplied));
  EXPECT_EQ(bitmap.Pixels(1, 0), 0xFF405060u);
  EXPECT_EQ(bitmap.Pixels(0, 0) >> 24, 0x80u);
  // Other images become opaque.
  QImage rgb(2, 1, QImage::Format_RGB888);
  rgb.setPixel(0, 0, qRgb(1, 2, 3));
  rgb.setPixel(1, 0, qRgb(200, 100, 50));
  bitmap.SetKeyFlag(true);
  bitmap.AssignImage(rgb);
  EXPECT_EQ(RowOf(bitmap, 0), (std::vector<uint32_t>{0xFF010203, 0xFFC86432}));
  EXPECT_FALSE(bitmap.AlphaFlag());
  EXPECT_FALSE(bitmap.KeyFlag());
  bitmap.AssignImage(QImage());
  EXPECT_TRUE(bitmap.Empty());
  // A 32-bit resource keeps its alpha (from Qt's resources), any other is opaque.
  bitmap.LoadFromResource(":/bitmaps", "alpha-32bit-bottom-up");
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(AllPixels(bitmap), kResourcePixels);
  EXPECT_TRUE(bitmap.AlphaFlag());
  bitmap.LoadFromResource(QString(VTSKIN_TEST_DATA) + "/data/bitmap", "rgb-24bit.bmp");
  std::vector<uint32_t> opaque;
  for (uint32_t p : kResourcePixels) opaque.push_back(p | 0xFF000000u);
  EXPECT_EQ(AllPixels(bitmap), opaque);
  EXPECT_FALSE(bitmap.AlphaFlag());
  EXPECT_EQ(test::MessageOf<EResNotFound>([&] { bitmap.LoadFromResource(":/bitmaps", "NOSUCH"); }),
            "Resource NOSUCH not found");
}

// ---- Transparency and colour operations -------------------------------------------------

constexpr uint32_t Bgr(int r, int g, int b, int a = 255) {
  return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

TEST(TteBitmapFlags, AlphaNeedsAPartlyTransparentPixelReplaceWithKeyAToleranceBelowSix) {
  // Fully clear and opaque pixels (the key among them) do not count; any other alpha does.
  for (uint32_t first : {0x00000000u, 0x80000000u, 0xFE000000u, 0x01000000u}) {
    auto bitmap = MakeBitmap(3, {first, 0xFFFFFFFF, kKeyPixel});
    bitmap->CheckAlpha();
    EXPECT_EQ(bitmap->AlphaFlag(), first != 0) << std::hex << first;
  }
  auto bitmap =
      MakeBitmap(4, {Bgr(250, 4, 251), Bgr(249, 0, 255), Bgr(255, 0, 255, 0x20), Bgr(255, 5, 250)});
  bitmap->ReplaceWithKey(RGB(255, 0, 255));
  EXPECT_EQ(RowOf(*bitmap, 0),
            (std::vector<uint32_t>{kKeyPixel, Bgr(249, 0, 255), kKeyPixel, kKeyPixel}));
  EXPECT_TRUE(bitmap->KeyFlag());
  bitmap->ReplaceWithKey(clLime);  // nothing near: the flag drops
  EXPECT_FALSE(bitmap->KeyFlag());
  // Loading also takes pixels near the key colour itself, and notes partial alpha.
  bitmap =
      MakeBitmap(4, {Bgr(255, 0, 255), Bgr(125, 2, 129), Bgr(10, 20, 30, 0x80), Bgr(40, 50, 60)});
  bitmap->ProcessKeyOnLoad();
  EXPECT_EQ(RowOf(*bitmap, 0),
            (std::vector<uint32_t>{kKeyPixel, kKeyPixel, Bgr(10, 20, 30, 0x80), Bgr(40, 50, 60)}));
  EXPECT_TRUE(bitmap->KeyFlag());
  EXPECT_TRUE(bitmap->AlphaFlag());
}

TEST(TteBitmapColour, HueTurnsByDeltaOver255BrightnessAddsAndSetAlphaKeepsColours) {
  auto bitmap = MakeBitmap(5, {Bgr(255, 0, 0), Bgr(128, 128, 128, 0x40), Bgr(0, 0, 255, 0x80),
                               Bgr(255, 0, 0, 0), kKeyPixel});
  bitmap->ChangeHue(85);  // a third of a turn: red -> green, blue -> red
  EXPECT_EQ(RowOf(*bitmap, 0),
            (std::vector<uint32_t>{Bgr(0, 255, 0), Bgr(128, 128, 128, 0x40), Bgr(255, 0, 0, 0x80),
                                   Bgr(255, 0, 0, 0), kKeyPixel}));
  bitmap->ChangeHue(-85);  // and back, wrapping below zero
  EXPECT_EQ(bitmap->Pixels(0, 0), Bgr(255, 0, 0));
  EXPECT_EQ(bitmap->Pixels(2, 0), Bgr(0, 0, 255, 0x80));
  // Nothing and a whole turn change no pixel.
  test::TRandom random(7);
  TteBitmap many;
  many.SetSize(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) many.SetPixel(x, y, random.Next() | 0xFF000000u);
  const std::vector<uint32_t> before = AllPixels(many);
  for (int delta : {0, 255}) {
    many.ChangeHue(delta);
    EXPECT_EQ(AllPixels(many), before) << delta;
  }
  // Brightness clamps and skips transparent pixels; SetAlpha keeps the colours.
  bitmap = MakeBitmap(3, {Bgr(250, 10, 128, 0x80), kKeyPixel, Bgr(1, 2, 3, 0)});
  bitmap->ChangeBrightness(10);
  EXPECT_EQ(RowOf(*bitmap, 0),
            (std::vector<uint32_t>{Bgr(255, 20, 138, 0x80), kKeyPixel, Bgr(1, 2, 3, 0)}));
  bitmap->ChangeBrightness(-30);
  EXPECT_EQ(bitmap->Pixels(0, 0), Bgr(225, 0, 108, 0x80));
  bitmap->SetAlpha(0x40);
  EXPECT_EQ(RowOf(*bitmap, 0),
            (std::vector<uint32_t>{Bgr(225, 0, 108, 0x40), 0x407F007F, Bgr(1, 2, 3, 0x40)}));
}

// TteBitmapLink (validity, assignment, transparency flags) and TteBitmapList.

TEST(TteBitmapLink, PublishesItsFieldsInOrderChecksValidityAndAssignsThemAll) {
  std::vector<std::string> names;
  for (const TPropInfo* p : TteBitmapLink::StaticClassInfo().AllProperties())
    names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Left", "Top", "Right", "Bottom"}));
  SCOPED_TRACE("valid needs an image and a positive area");
  auto bitmap = MakeBitmap(1, {0}, "pic");
  EXPECT_TRUE(TteBitmapLink(bitmap.get(), TRect{0, 0, 1, 1}).IsValid());
  EXPECT_FALSE(TteBitmapLink(bitmap.get(), TRect{3, 0, 3, 5}).IsValid());
  EXPECT_FALSE(TteBitmapLink(bitmap.get(), TRect{0, 5, 3, 4}).IsValid());
  EXPECT_FALSE(TteBitmapLink(nullptr, TRect{0, 0, 1, 1}).IsValid());
  // Differences that overflow 32 bits are not a positive area.
  EXPECT_FALSE(TteBitmapLink(bitmap.get(), TRect{INT32_MAX, 0, INT32_MIN, 1}).IsValid());
  SCOPED_TRACE("assign copies name, rectangle, image and flags");
  TteBitmapLink source(bitmap.get(), TRect{1, 2, 3, 4});
  source.MaskedAngles = true;
  source.Masked = true;
  TteBitmapLink copy;
  copy.MaskedBorder = true;
  copy.Assign(source);
  EXPECT_EQ(copy.GetName(), "pic");
  EXPECT_EQ(copy.Rect(), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(copy.Bitmap(), bitmap.get());
  EXPECT_TRUE(copy.MaskedAngles);
  EXPECT_FALSE(copy.MaskedBorder);
  EXPECT_TRUE(copy.Masked);
}

// 6 x 6 opaque; the link covers columns 1..5, rows 0..4; margins 2, bottom 1.
struct TMaskFixture {
  std::unique_ptr<TteBitmap> Bitmap = [] {
    auto b = std::make_unique<TteBitmap>();
    b->SetSize(6, 6);
    b->FillColor(0xFF808080);
    return b;
  }();
  TteBitmapLink Link{Bitmap.get(), TRect{1, 0, 6, 5}};

  std::array<bool, 3> FlagsWithTransparentAt(int x, int y, uint32_t pixel = kKeyPixel) {
    Bitmap->FillColor(0xFF808080);
    Bitmap->SetPixel(x, y, pixel);
    Link.CheckMasked(2, 2, 2, 1);
    return {Link.MaskedAngles, Link.MaskedBorder, Link.Masked};
  }
};

TEST(TteBitmapLink, CheckMaskedClassifiesByPieceAndCountsNothingOutsideTheImage) {
  TMaskFixture f;
  using Flags = std::array<bool, 3>;                                       // corner, border, centre
  EXPECT_EQ(f.FlagsWithTransparentAt(1, 0), (Flags{true, false, false}));  // top-left corner
  EXPECT_EQ(f.FlagsWithTransparentAt(5, 4), (Flags{true, false, false}));  // bottom-right
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 1), (Flags{false, true, false}));  // top edge
  EXPECT_EQ(f.FlagsWithTransparentAt(1, 2), (Flags{false, true, false}));  // left edge
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 4), (Flags{false, true, false}));  // bottom edge
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 2), (Flags{false, false, true}));  // centre
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 3), (Flags{false, false, true}));  // centre
  EXPECT_EQ(f.FlagsWithTransparentAt(0, 2), (Flags{false, false, false}));  // outside the link
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 5), (Flags{false, false, false}));  // outside the link
  // Any alpha below 255 is transparent.
  EXPECT_EQ(f.FlagsWithTransparentAt(3, 2, 0xFE808080), (Flags{false, false, true}));
  // Without margins the whole rectangle is the centre.
  f.FlagsWithTransparentAt(1, 0);
  f.Link.MaskedAngles = true;
  f.Link.CheckMasked();
  EXPECT_TRUE(f.Link.Masked);
  EXPECT_FALSE(f.Link.MaskedAngles);
  EXPECT_FALSE(f.Link.MaskedBorder);
  f.Bitmap->FillColor(0xFF000000);
  f.Link.CheckMasked();
  EXPECT_FALSE(f.Link.Masked);
  // Parts of the rectangle outside the image count for nothing.
  f.Link.SetRect(TRect{-4, -4, 10, 10});
  f.Link.CheckMasked(1, 1, 1, 1);
  EXPECT_FALSE(f.Link.Masked || f.Link.MaskedBorder || f.Link.MaskedAngles);
  TteBitmapLink unresolved;
  unresolved.SetRect(TRect{0, 0, 2, 1});
  unresolved.Masked = true;
  unresolved.CheckMasked();
  EXPECT_FALSE(unresolved.Masked);
}

TEST(TteBitmapList, OwnsFindsIgnoringCaseAndMakesLinks) {
  TteBitmapList list;
  TteBitmap* first = new TteBitmap;
  first->SetName("button.bmp");
  first->SetSize(2, 2);
  TteBitmap* second = new TteBitmap;
  second->SetName("Button.BMP");
  list.Add(first);
  list.Add(second);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Bitmaps(1), second);
  EXPECT_EQ(list.Bitmaps(2), nullptr);
  EXPECT_EQ(list.Bitmaps(-1), nullptr);
  EXPECT_EQ(list.GetBitmapByName("BUTTON.bmp"), first);
  EXPECT_EQ(list.GetBitmapByName("button"), nullptr);

  std::unique_ptr<TteBitmapLink> link = list.GetLink("BUTTON.BMP", TRect{0, 0, 1, 2});
  ASSERT_TRUE(link);
  EXPECT_EQ(link->Bitmap(), first);
  EXPECT_EQ(link->GetName(), "button.bmp");
  EXPECT_EQ(link->Rect(), (TRect{0, 0, 1, 2}));
  EXPECT_EQ(list.GetLink("other", TRect{0, 0, 1, 1}), nullptr);

  EXPECT_EQ(list.Extract(0), first);
  EXPECT_EQ(list.IndexOf(second), 0);
  list.Insert(5, first);  // clamped to the end
  EXPECT_EQ(list.IndexOf(first), 1);
  list.Delete(1);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_FALSE(TteBitmap::IsRegistered(first));  // freed (it had pixels)
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace vt
