// Skin bodies of every older layout built byte by byte: object, bitmap and table forms.
#include "SkinFileTestUtil.h"
#include "skin/pixel_kernels.h"
#include "skin/se_zlib.h"

using namespace vt;
using namespace vt::skintest;

namespace {

TBytes& TextRecord(TBytes& b, const std::string& className, const std::string& text) {
  return b.Str(className).Str(text);
}

// One table entry as stored: its name, a colon, its value.
TBytes& Entry(TBytes& b, const std::string& name, const std::string& value) {
  return b.Str(name).Str(":").Str(value);
}

// The bytes of `b` as a string, to look for inside a saved file.
std::string Text(const TBytes& b) {
  return std::string(b.Data.begin(), b.Data.end());
}

TBytes& ColorTable(TBytes& b, int highest, TColor first) {
  b.U8(highest);
  for (int i = 0; i <= highest; ++i)
    Entry(b, i == 3 ? "NotWindow" : "Name", ColorToString(first + i));
  return b;
}

TBytes& SysColorTable(TBytes& b, int count) {
  b.U32(static_cast<uint32_t>(count));
  for (int i = 0; i < count; ++i) Entry(b, "cl", ColorToString(0x10 + i));
  return b;
}

TBytes& FontTable(TBytes& b, int highest) {
  b.U8(highest);
  for (int i = 0; i <= highest; ++i)
    Entry(b, "F", "Arial," + std::to_string(8 + i % 5) + ",0,1,2,3" + (i % 2 ? ",bold" : ""));
  return b;
}

// All three tables at their full size.
TBytes& FullTables(TBytes& b, TColor firstColor) {
  ColorTable(b, 21, firstColor);
  SysColorTable(b, 26);
  return FontTable(b, 65);
}

const std::string kFormText =
    "object Form: TSeSkinObject\r\n  Kind = skForm\r\n  Color = clRed\r\nend\r\n";

// ---- Object words ---------------------------------------------------------------------------

TEST(SkinLayouts, ObjectWordsWithAllThreeTablesOrColoursAndFontsOnly) {
  TBytes body;
  body.Strings().U32(0).U32(2 | 0x00FF0000);
  TextRecord(body, "TSeSkinObject", kFormText);
  TextRecord(body, "TSeTextObject", "object TSeTextObject\r\n  Width = 7\r\nend\r\n");
  FullTables(body, 0x100);
  for (const TSeSkinFilterClass* cls : {Variants()[0], Variants()[1], Variants()[2]}) {
    const auto source = LoadVariant(*cls, body);
    ASSERT_EQ(source->Count(), 2);
    EXPECT_EQ(source->Objects(0)->GetName(), "Form");
    EXPECT_EQ(source->Objects(0)->GetColor(), clRed);
    EXPECT_EQ(source->Objects(1)->GetWidth(), 7);
    EXPECT_EQ(source->Objects(0)->BitmapList(), &source->Bitmaps());
    EXPECT_EQ(source->Colors().GetColor(3), 0x103);  // by position, whatever the name
    EXPECT_EQ(source->Colors().GetColor(21), 0x100 + 21);
    EXPECT_EQ(source->SysColors().GetColor(25), 0x10 + 25);
    EXPECT_EQ(source->Fonts().Font(1).GetName(), "Arial");
    EXPECT_EQ(source->Fonts().Font(1).GetSize(), 9);
    EXPECT_EQ(source->Fonts().Font(1).GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(source->Fonts().Font(1).GetStyle(), TFontStyles{TFontStyle::fsBold});
  }
  SCOPED_TRACE("an object word with colours and fonts only");
  TBytes text;
  text.Strings().U32(0).U32(1 | 0x000F0000);
  TextRecord(text, "TSeSkinObject", kFormText);
  ColorTable(text, 21, 0x200);
  FontTable(text, 65);  // and nothing after it: a system colour table would be missing
  const auto partial = LoadVariant(*Variants()[0], text);
  ASSERT_EQ(partial->Count(), 1);
  EXPECT_EQ(partial->Colors().GetColor(0), 0x200);
  EXPECT_EQ(partial->Fonts().Font(65).GetName(), "Arial");
  // No system colour table was read: the entries keep the desktop's values.
  EXPECT_EQ(partial->SysColors().GetColor(4), ColorToRGB(clBtnFace));
}

// The bytes in hexadecimal, as an object list property stores them.
std::string Hex(const std::vector<uint8_t>& bytes, bool upper = true) {
  const QByteArray hex =
      QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())).toHex();
  return (upper ? hex.toUpper() : hex).toStdString();
}

TEST(SkinLayouts, APlainObjectCountBuildsTheTablesFromNamedObjects) {
  // "form" has one child, a skTitle text object, stored as one binary record.
  TSeTextObject title(nullptr);
  title.SetKind(TSeKind::skTitle);
  title.SetColor(clNavy);
  title.FontFocused()->SetName("Focused Face");
  TMemoryStream child;
  WriteUInt32(child, 1 | kBinaryRecordsFlag);
  WriteSkinObjectBinary(child, title);
  TBytes fixed;
  fixed.Strings().U32(0).U32(3);
  TextRecord(fixed, "TSeSkinObject",
             "object form: TSeSkinObject\r\n  Color = clTeal\r\n  Objects = {" +
                 Hex(child.Bytes()) + "}\r\nend\r\n");
  TextRecord(fixed, "TSeActiveObject",
             "object Button: TSeActiveObject\r\n  Color = clLime\r\n"
             "  ActiveFont.Name = 'Hot Face'\r\nend\r\n");
  TextRecord(fixed, "TSeSkinObject", "object EDIT: TSeSkinObject\r\n  Color = clAqua\r\nend\r\n");

  const auto source = LoadVariant(*Variants()[0], fixed);
  ASSERT_EQ(source->Count(), 3);
  const TteThemeColors& colors = source->Colors();
  EXPECT_EQ(colors.GetColor(ciWindow), clTeal);
  EXPECT_EQ(colors.GetColor(ciCaptionInactive), clNavy);
  EXPECT_EQ(colors.GetColor(ciButtonHot), clLime);
  EXPECT_EQ(colors.GetColor(ciEditDisabled), clAqua);  // names ignore letter case
  EXPECT_EQ(colors.GetColor(ciHint), clInfoBk);
  EXPECT_EQ(source->Fonts().Font(fiCaptionTextNormal).GetName(), "Focused Face");
}

template <class TObject>
TObject* Named(TObject* object, const std::string& name) {
  object->SetName(name);
  return object;
}

TEST(SkinLayouts, BuildDefaultColorsAndFontsFollowsEachObjectsStateFonts) {
  TSeSkinSource source;
  auto* button = Named(new TSeSkinObject(nullptr), "button");
  auto* text = Named(new TSeTextObject(button), "Text");
  auto* edit = Named(new TSeSkinObject(nullptr), "edit");
  auto* editText = Named(new TSeActiveObject(edit), "text");
  auto* popup = Named(new TSeSkinObject(nullptr), "PopupMenu");
  auto* item = Named(new TSeActiveBitmap(popup), "item");
  auto* hint = Named(new TSeSkinObject(nullptr), "Hint");
  hint->SetColor(0x123456);
  for (TSeSkinObject* object : {button, edit, popup, hint}) source.AddObject(object);
  const std::pair<TFont*, const char*> faces[] = {{text->Font(), "N"},
                                                  {text->FontPressed(), "P"},
                                                  {text->FontHot(), "H"},
                                                  {text->FontFocused(), "F"},
                                                  {text->FontDisabled(), "D"},
                                                  {editText->Font(), "EN"},
                                                  {editText->ActiveFont(), "EA"},
                                                  {editText->DisabledFont(), "ED"},
                                                  {item->Font(), "IN"},
                                                  {item->ActiveFont(), "IA"}};
  for (auto [font, face] : faces) font->SetName(face);
  source.BuildDefaultColorsAndFonts();
  const TteThemeFonts& f = source.Fonts();
  const std::pair<int, const char*> expected[] = {{fiButtonTextNormal, "N"},
                                                  {fiButtonTextPressed, "P"},
                                                  {fiButtonTextHot, "H"},
                                                  {fiButtonTextFocused, "F"},
                                                  {fiButtonTextDisabled, "D"},
                                                  {fiEditBoxTextNormal, "EN"},
                                                  {fiEditBoxTextFocused, "EA"},
                                                  {fiEditBoxTextHot, "EA"},
                                                  {fiEditBoxTextSelected, "EN"},
                                                  {fiEditBoxTextDisabled, "ED"},
                                                  {fiPopupMenuItemTextNormal, "IN"},
                                                  {fiPopupMenuItemTextHot, "IA"},
                                                  {fiPopupMenuItemTextSelected, "IA"},
                                                  {fiPopupMenuItemTextDisabled, "IN"},
                                                  {fiCheckBoxTextNormal, "Tahoma"}};
  for (auto [index, name] : expected) EXPECT_EQ(f.Font(index).GetName(), name) << index;
  EXPECT_EQ(f.Font(fiEditBoxTextSelected).GetColor(), clWhite);
  EXPECT_EQ(f.Font(fiPopupMenuItemTextDisabled).GetColor(), 0x808080);
  EXPECT_EQ(source.Colors().GetColor(ciHint), 0x123456);
}

// ---- Bitmap words ---------------------------------------------------------------------------

TBytes& StreamBitmap(TBytes& b, const std::string& name, std::vector<uint32_t> pixels, int width) {
  b.Str(name).U32(uint32_t(width)).U32(uint32_t(pixels.size() / size_t(width)));
  for (uint32_t p : pixels) b.U32(p);
  return b;
}

TBytes TablesAfterObjects(TBytes body) {
  body.U32(0x00FF0000);
  FullTables(body, 0);
  return body;
}

constexpr uint32_t kNearKey = 0xFF80017E;
constexpr uint32_t kNearMagenta = 0xFFFC02FE;

TEST(SkinLayouts, BitmapsWithFlagBytesAreTakenAsStoredOthersAreKeyProcessed) {
  TBytes body;
  body.Strings().U32(2 | 0x00FFF000);
  StreamBitmap(body, "a", {kNearKey, kNearMagenta}, 2).U8(1).U8(0);
  StreamBitmap(body, "b", {0x80FFFFFF}, 1).U8(0).U8(1);
  const auto source = LoadVariant(*Variants()[3], TablesAfterObjects(body));
  ASSERT_EQ(source->Bitmaps().Count(), 2);
  const TteBitmap& a = *source->Bitmaps().Bitmaps(0);
  EXPECT_EQ(a.Pixels(0, 0), kNearKey);
  EXPECT_EQ(a.Pixels(1, 0), kNearMagenta);
  EXPECT_TRUE(a.KeyFlag());
  EXPECT_FALSE(a.AlphaFlag());
  EXPECT_TRUE(source->Bitmaps().Bitmaps(1)->AlphaFlag());

  SCOPED_TRACE("without flag bytes, bitmaps are key processed");
  TBytes plain;
  plain.Strings().U32(1 | 0x000F0000);
  StreamBitmap(plain, "a", {kNearKey, kNearMagenta, 0xFF112233, 0x40112233}, 2);
  const auto processed = LoadVariant(*Variants()[3], TablesAfterObjects(plain));
  ASSERT_EQ(processed->Bitmaps().Count(), 1);
  const TteBitmap& keyed = *processed->Bitmaps().Bitmaps(0);
  EXPECT_EQ(keyed.Pixels(0, 0), kKeyPixel);
  EXPECT_EQ(keyed.Pixels(1, 0), kKeyPixel);
  EXPECT_EQ(keyed.Pixels(0, 1), 0xFF112233u);
  EXPECT_TRUE(keyed.KeyFlag());
  EXPECT_TRUE(keyed.AlphaFlag());
  // The text layout processes its plain count the same way.
  TBytes text;
  text.Strings().U32(1);
  StreamBitmap(text, "a", {kNearKey, 0xFF000000}, 1);
  const auto fromText = LoadVariant(*Variants()[1], TablesAfterObjects(text));
  EXPECT_EQ(fromText->Bitmaps().Bitmaps(0)->Pixels(0, 0), kKeyPixel);
  EXPECT_EQ(fromText->Bitmaps().Bitmaps(0)->Height(), 2);
}

TEST(SkinLayouts, KeyProcessingOfTheTextLayoutMatchesTheBitmapsOwn) {
  // Distances 0 to 7 from magenta and the key on each channel, with several alphas.
  std::vector<uint32_t> pixels;
  for (uint32_t base : {0x00FF00FFu, 0x007F007Fu})
    for (int channel = 0; channel < 3; ++channel)
      for (int delta = -7; delta <= 7; ++delta)
        for (uint32_t alpha : {0x00u, 0x80u, 0xFFu}) {
          const int shift = 8 * channel;
          const int value = static_cast<int>((base >> shift) & 0xFF) + delta;
          if (value < 0 || value > 255) continue;
          pixels.push_back((alpha << 24) | (base & ~(0xFFu << shift)) |
                           (static_cast<uint32_t>(value) << shift));
        }
  pixels.push_back(0xFF123456);
  // Repeated, so the vector path meets them again after it has found partial alpha.
  const size_t block = pixels.size();
  while (pixels.size() < 4 * block)
    pixels.insert(pixels.end(), pixels.begin(),
                  pixels.begin() + static_cast<std::ptrdiff_t>(block));
  TSeSkinSource source;
  auto* bitmap = new TteBitmap;
  bitmap->SetSize(static_cast<int>(pixels.size()), 1);
  for (size_t i = 0; i < pixels.size(); ++i) bitmap->SetPixel(static_cast<int>(i), 0, pixels[i]);
  source.Bitmaps().Add(bitmap);
  TteBitmap expected;
  expected.Assign(*bitmap);
  expected.ProcessKeyOnLoad();
  // Each processing path (per drawing kernels), read in place ("uskn") and inflated ("kskn").
  for (const TPixelKernels* kernels : AvailableKernels()) {
    SetActiveKernels(kernels);
    for (const TSeSkinFilterClass* variant : {Variants()[0], Variants()[1]}) {
      SCOPED_TRACE(std::string(kernels->Name) + " " + variant->GetFileExtension());
      TSeSkinSource loaded;
      LoadBytes(loaded, SaveWith(source, *variant));
      ExpectSameBitmap(expected, *loaded.Bitmaps().Bitmaps(0), "boundary pixels");
      // A single key or partial-alpha pixel sets its flag wherever it lies.
      for (int x : {0, 7, 8, bitmap->Width() / 2, bitmap->Width() - 1}) {
        for (uint32_t odd : {0x00FF00FFu, 0xFE123456u}) {
          TSeSkinSource one;
          auto* image = new TteBitmap;
          image->SetSize(bitmap->Width(), 1);
          image->FillColor(0xFF123456);
          image->SetPixel(x, 0, odd);
          one.Bitmaps().Add(image);
          LoadBytes(loaded, SaveWith(one, *variant));
          EXPECT_EQ(loaded.Bitmaps().Bitmaps(0)->KeyFlag(), odd == 0x00FF00FFu) << x;
          EXPECT_EQ(loaded.Bitmaps().Bitmaps(0)->AlphaFlag(), odd == 0xFE123456u) << x;
        }
      }
    }
  }
  SetActiveKernels(nullptr);
}

// A Windows bitmap file, rows given top first (indices or values), bottom-up unless `topDown`.
std::vector<uint8_t> BmpFile(int bits, const std::vector<std::vector<uint32_t>>& rows,
                             const std::vector<uint32_t>& palette, bool topDown,
                             bool bitfields = false) {
  const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
  const int stride = (width * bits + 31) / 32 * 4;
  const int paletteSize = bits <= 8 ? (1 << bits) * 4 : bitfields ? 12 : 0;
  const int offset = 14 + 40 + paletteSize;
  TBytes b;
  b.Raw("BM").U32(uint32_t(offset + stride * height)).U32(0).U32(uint32_t(offset));
  b.U32(40).U32(uint32_t(width)).U32(uint32_t(topDown ? -height : height));
  b.U16(1).U16(static_cast<uint32_t>(bits)).U32(bitfields ? 3 : 0);
  b.U32(static_cast<uint32_t>(stride * height)).U32(2835).U32(2835).U32(0).U32(0);
  if (bitfields) b.U32(0x00FF0000).U32(0x0000FF00).U32(0x000000FF);
  for (int i = 0; i < (bits <= 8 ? paletteSize / 4 : 0); ++i)
    b.U32(i < int(palette.size()) ? palette[i] : 0);
  for (int r = 0; r < height; ++r) {
    const auto& row = rows[static_cast<size_t>(topDown ? r : height - 1 - r)];
    std::vector<uint8_t> line(static_cast<size_t>(stride), 0);
    for (int x = 0; x < width; ++x) {
      const uint32_t v = row[static_cast<size_t>(x)];
      if (bits < 8) {
        const int shift = 8 - bits - (x * bits) % 8;
        line[static_cast<size_t>(x * bits / 8)] |= static_cast<uint8_t>(v << shift);
      } else {
        for (int k = 0; k < bits / 8; ++k)
          line[static_cast<size_t>(x * bits / 8 + k)] = static_cast<uint8_t>(v >> (8 * k));
      }
    }
    b.Raw(line);
  }
  return b.Data;
}

TEST(SkinLayouts, TheOldestBitmapWordHoldsWindowsBitmapFiles) {
  const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF, 0x7F007F, 0x102030,
                                         0x00FF00, 0x0000FF, 0xFF0000, 0x808080};
  struct TCase {
    int Bits;
    std::vector<std::vector<uint32_t>> Rows;  // indices or values as the file stores them
    std::vector<uint32_t> Expected;           // the loaded pixels, top row first
    bool Alpha = false;                       // 32 bits keep their alpha bytes
  };
  const TCase cases[] = {
      {1,
       {{0, 1, 1}, {1, 0, 0}},
       {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000}},
      {4,
       {{2, 3, 4}, {5, 6, 7}},
       {kKeyPixel, 0xFF102030, 0xFF00FF00, 0xFF0000FF, 0xFFFF0000, 0xFF808080}},
      {8,
       {{7, 2, 0}, {1, 3, 5}},
       {0xFF808080, kKeyPixel, 0xFF000000, 0xFFFFFFFF, 0xFF102030, 0xFF0000FF}},
      {16,
       {{0x7C00, 0x03E0, 0x001F}, {0x7FFF, 0, 0x4010}},  // 5-5-5, each value shifted up
       {0xFFF80000, 0xFF00F800, 0xFF0000F8, 0xFFF8F8F8, 0xFF000000, kKeyPixel}},
      {24,
       {{0x7E017F, 0x102030, 0xABCDEF}, {0, 0xFFFFFF, 0x010203}},
       {kKeyPixel, 0xFF102030, 0xFFABCDEF, 0xFF000000, 0xFFFFFFFF, 0xFF010203}},
      {32,
       {{0x00102030, 0xFFFFFFFF, 0x007F007F}, {0, 0x00ABCDEF, 0xFF808080}},
       {0x00102030, 0xFFFFFFFF, kKeyPixel, 0x00000000, 0x00ABCDEF, 0xFF808080}},
      {32,
       {{0x00102030, 0x80405060, 0xFFABCDEF}, {0x00000000, 0x01FFFFFF, 0xFE010203}},
       {0x00102030, 0x80405060, 0xFFABCDEF, 0x00000000, 0x01FFFFFF, 0xFE010203},
       true},
      // Key processing follows the alpha bytes: a near-key pixel becomes the key at any alpha.
      {32, {{0x807E017F, 0x80102030, 0}, {0, 0, 0}}, {kKeyPixel, 0x80102030, 0, 0, 0, 0}, true},
  };
  for (const TCase& c : cases) {
    for (int variant = 0; variant < (c.Bits == 32 ? 4 : 2); ++variant) {
      const bool topDown = variant % 2, bitfields = variant / 2;
      SCOPED_TRACE(std::to_string(c.Bits) + (topDown ? " bits, top-down" : " bits, bottom-up") +
                   (bitfields ? ", bit-field masks" : ""));
      const std::vector<uint8_t> file = BmpFile(c.Bits, c.Rows, palette, topDown, bitfields);
      TBytes body;
      body.Strings().U32(1).Str("old.bmp").U32(static_cast<uint32_t>(file.size())).Raw(file);
      const auto source = LoadVariant(*Variants()[3], TablesAfterObjects(body));
      ASSERT_EQ(source->Bitmaps().Count(), 1);
      const TteBitmap& bitmap = *source->Bitmaps().Bitmaps(0);
      EXPECT_EQ(bitmap.Name(), "old.bmp");
      ASSERT_EQ(bitmap.Width(), 3);
      ASSERT_EQ(bitmap.Height(), 2);
      for (int i = 0; i < 6; ++i) EXPECT_EQ(bitmap.Pixels(i % 3, i / 3), c.Expected[i]) << i;
      const bool hasKey = std::count(c.Expected.begin(), c.Expected.end(), kKeyPixel) > 0;
      EXPECT_EQ(bitmap.KeyFlag(), hasKey);
      EXPECT_EQ(bitmap.AlphaFlag(), c.Alpha);
    }
  }
}

TEST(SkinLayouts, DamagedWindowsBitmapFilesFailBeforeDecoding) {
  const std::vector<uint8_t> good = BmpFile(24, {{1, 2}, {3, 4}}, {}, false);
  auto patched = [&good](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> file = good;
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<long>(at));
    return file;
  };
  const std::pair<std::vector<uint8_t>, const char*> cases[] = {
      {patched(0, {'X', 'M'}), "no \"BM\" header"},
      {patched(18, {0xFF, 0xFF, 0x00, 0x00}), "pixel data missing"},  // width 65535
      {patched(18, {0x00, 0x00, 0x00, 0x40}), "too large"},           // width 2^30
      {patched(18, {0, 0, 0, 0}), "size 0 x 2"},                      // no width
      {patched(28, {7, 0}), "7 bits per pixel"},
      {patched(30, {9, 0, 0, 0}), "compression 9"},
      {patched(14, {20, 0, 0, 0}), "unknown header"},
      {std::vector<uint8_t>(good.begin(), good.begin() + 20), "no \"BM\" header"},
  };
  for (const auto& [file, why] : cases) {
    TBytes body;
    body.Strings().U32(1).Str("bad").U32(static_cast<uint32_t>(file.size())).Raw(file);
    const std::string message =
        MessageOf<EReadError>([&] { LoadVariant(*Variants()[3], TablesAfterObjects(body)); });
    const std::string expected = "Bitmap \"bad\": not a usable Windows bitmap file (";
    EXPECT_NE(message.find(expected + why + ")"), std::string::npos) << message;
    EXPECT_NE(message.find("in bitmap 1 of 1"), std::string::npos) << message;
  }
}

// ---- Table forms and records -----------------------------------------------------------------

TEST(SkinLayouts, SmallerTablesSetTheEntriesTheyHaveUnreadableEntriesAreSkipped) {
  TBytes body;
  body.Strings().U32(0).U32(0x00FF0000);
  ColorTable(body, 20, 0x300);
  SysColorTable(body, 3);
  FontTable(body, 1);
  const auto source = LoadVariant(*Variants()[0], body);
  EXPECT_EQ(source->Colors().GetColor(20), 0x300 + 20);
  EXPECT_EQ(source->Colors().GetColor(21), 0);  // as the table was created
  EXPECT_EQ(source->SysColors().GetColor(2), 0x12);
  EXPECT_EQ(source->SysColors().GetColor(3), ColorToRGB(clBackground));
  EXPECT_EQ(source->Fonts().Font(1).GetName(), "Arial");
  EXPECT_EQ(source->Fonts().Font(2).GetSize(), 8);
  // Unreadable entries are reported and skipped.
  TBytes damaged;
  damaged.Strings().U32(0).U32(0x00FF0000);
  Entry(Entry(damaged.U8(1), "A", "clNoSuchColour"), "B", "clRed");
  SysColorTable(damaged, 0);
  Entry(Entry(damaged.U8(1), "A", "Arial,8,0,1,2,3,wobbly"), "B", "Arial,9");
  const auto skipped = LoadVariant(*Variants()[0], damaged);
  EXPECT_EQ(skipped->Colors().GetColor(1), clRed);
  EXPECT_EQ(skipped->Fonts().Font(1).GetSize(), 9);
  EXPECT_EQ(skipped->Fonts().Font(0).GetName(), "Tahoma");
  ASSERT_EQ(skipped->Warnings.size(), 2u);
  EXPECT_NE(skipped->Warnings[0].find("clNoSuchColour"), std::string::npos);
  EXPECT_NE(skipped->Warnings[1].find("wobbly"), std::string::npos);
}

TEST(SkinLayouts, WritesTheTableFormsAsStored) {
  TSeSkinSource source;
  source.Colors().SetColor(0, clWhite);
  source.Colors().SetColor(1, 0x00123456);
  source.Fonts().Font(0).SetName("Verdana");
  source.Fonts().Font(0).SetSize(10);
  source.Fonts().Font(0).SetColor(clBtnShadow);
  source.Fonts().Font(0).SetStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
  const std::vector<uint8_t> bytes = SaveWith(source, *Variants()[0]);
  const std::string text(bytes.begin(), bytes.end());
  TBytes colors;
  Entry(Entry(colors.U8(21), "CaptionNormal", "clWhite"), "CaptionInactive", "$00123456");
  EXPECT_NE(text.find(Text(colors)), std::string::npos);
  EXPECT_NE(text.find(Text(TBytes().Str("clDefault").Str(":"))), std::string::npos);
  const std::string e = Text(TBytes().Str("clActiveCaption").Str(":"));
  EXPECT_NE(text.find(e, text.find(e) + 1), std::string::npos);  // named twice
  const TColor shadow = ColorToRGB(clBtnShadow);
  TBytes font;
  Entry(font.U8(65), "CaptionTextNormal",
        "Verdana,10,1," + std::to_string(GetRValue(shadow)) + "," +
            std::to_string(GetGValue(shadow)) + "," + std::to_string(GetBValue(shadow)) +
            ",bold,strikeout");
  EXPECT_NE(text.find(Text(font)), std::string::npos);
}

TEST(SkinLayouts, RecordClassesFallBackUnknownOnesAreSkippedChildrenMayBeText) {
  EXPECT_EQ(ResolveSkinObjectClass("TXyTextObject"), &TSeTextObject::StaticClassInfo());
  EXPECT_EQ(ResolveSkinObjectClass("TTwButtonObject"), &TSeButtonObject::StaticClassInfo());
  EXPECT_EQ(ResolveSkinObjectClass("TSe"), nullptr);
  EXPECT_EQ(ResolveSkinObjectClass("tsetextobject"), nullptr);  // names are case-sensitive

  TBytes body;
  body.Strings().U32(0).U32(3 | 0x00FF0000);
  TextRecord(body, "TQwTextObject", "object Caption: TQwTextObject\r\n  Width = 3\r\nend\r\n");
  TextRecord(body, "TSeFancyObject", "anything at all, never parsed");
  TextRecord(body, "TSeSkinObject", kFormText);
  FullTables(body, 0);
  const auto source = LoadVariant(*Variants()[2], body);
  ASSERT_EQ(source->Count(), 2);
  EXPECT_EQ(source->Objects(0)->ClassName(), "TSeTextObject");
  EXPECT_EQ(source->Objects(0)->GetWidth(), 3);
  EXPECT_EQ(source->Objects(1)->GetName(), "Form");
  ASSERT_EQ(source->Warnings.size(), 1u);
  EXPECT_EQ(source->Warnings[0], "Skin object of the unknown class \"TSeFancyObject\" skipped");
  // Unknown binary records are skipped by their length.
  TSeSkinObject parent(nullptr);
  parent.SetName("Form");
  auto* child = new TSeSkinObject(&parent);
  child->SetName("Kid");
  TMemoryStream records;
  WriteSkinObjectBinary(records, parent);
  std::vector<uint8_t> bytes = records.Bytes();
  // The child's class renamed inside the parent's record: same length, unknown name.
  const std::string known = std::string("\x0D\0\0\0", 4) + "TSeSkinObject";
  const std::string unknown = "TZzUnknownXyz";
  auto at = std::search(bytes.begin() + 4, bytes.end(), known.begin(), known.end());
  ASSERT_NE(at, bytes.end());
  std::copy(unknown.begin(), unknown.end(), at + 4);
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  TReadWarnings warnings;
  std::unique_ptr<TSeSkinObject> back(ReadSkinObjectBinary(stream, nullptr));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->ChildCount(), 0);
  EXPECT_EQ(stream.Position(), stream.Size());
  ASSERT_EQ(warnings.Items().size(), 1u);
  EXPECT_NE(warnings.Items()[0].find("TZzUnknownXyz"), std::string::npos);
  // Children may travel as text records.
  TBytes objects;
  objects.U32(2);  // no flag bits: text records
  TextRecord(objects, "TSeTextObject", "object A: TSeTextObject\r\nend\r\n");
  TextRecord(objects, "TSeSkinObject", "object B: TSeSkinObject\r\n  Kind = skClient\r\nend\r\n");
  const std::string hex = Hex(objects.Data, false);  // one long line, in lower case
  TBytes record;
  TextRecord(record, "TSeSkinObject",
             "object Form: TSeSkinObject\r\n  Objects = {" + hex + "}\r\nend\r\n");
  TReadOnlyMemoryStream text(record.Data.data(), static_cast<int64_t>(record.Data.size()));
  std::unique_ptr<TSeSkinObject> form(ReadSkinObjectText(text, nullptr));
  ASSERT_EQ(form->ChildCount(), 2);
  EXPECT_EQ(form->Children(0)->ClassName(), "TSeTextObject");
  EXPECT_EQ(form->Children(1)->GetName(), "B");
  EXPECT_EQ(form->Children(1)->GetKind(), TSeKind::skClient);
}

}  // namespace
