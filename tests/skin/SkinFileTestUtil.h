#pragma once
// Skin file test helpers: random skins, field comparison, filters, byte builders.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "TestBitmapUtil.h"
#include "rtl/Graphics.h"
#include "rtl/PropStream.h"
#include "rtl/Streams.h"
#include "rtl/TypInfo.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinrecords.h"
#include "skin/se_skinsource.h"
#include "skin/se_zlib.h"
#include "skin/te_bitmap.h"
#include "skin/theme_se3objects.h"

namespace vt::skintest {

using test::MessageOf;

// ---- Byte builders ----------------------------------------------------------------------

struct TBytes {
  std::vector<uint8_t> Data;
  TBytes& U8(int v) {
    Data.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  TBytes& U16(uint32_t v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
  TBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  TBytes& Raw(const std::string& s) {
    Data.insert(Data.end(), s.begin(), s.end());
    return *this;
  }
  TBytes& Raw(const std::vector<uint8_t>& bytes) {
    Data.insert(Data.end(), bytes.begin(), bytes.end());
    return *this;
  }
  TBytes& Str(const std::string& s) { return U32(static_cast<uint32_t>(s.size())).Raw(s); }
  TBytes& Strings(const std::string& name = "Old skin") {
    return Str(name).Str("1.0").Str("Someone").Str("a@b.example").Str("http://x.example");
  }
};

inline std::vector<uint8_t> SaveWith(TSeSkinSource& source, const TSeSkinFilterClass& cls) {
  TMemoryStream stream;
  auto filter = cls.Create();
  filter->SetSkinSource(&source);
  filter->SaveToStream(stream);
  return stream.Bytes();
}

// Loads through the source's own choice of filter (by tag, else the default one).
inline void LoadBytes(TSeSkinSource& source, const std::vector<uint8_t>& bytes) {
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  source.LoadFromStream(stream);
}

inline const std::vector<const TSeSkinFilterClass*>& Variants() {
  static const std::vector<const TSeSkinFilterClass*> variants = {
      &SkinFilterClassOf<TSeSkinFilterUncompressed>(),
      &SkinFilterClassOf<TSeSkinFilterCompressed>(),
      &SkinFilterClassOf<TSeSkinFilterUltraCompressed>(),
      &SkinFilterClassOf<TSeSkinFilterMaxCompression>()};
  return variants;
}

// `body` in the variant's envelope: tag, then the body plain or after "QXLZ" in zlib.
inline std::unique_ptr<TSeSkinSource> LoadVariant(const TSeSkinFilterClass& cls,
                                                  const TBytes& body) {
  TMemoryStream stream;
  auto filter = cls.Create();
  stream.WriteBuffer(filter->SkinTag().data(), 5);
  if (&cls == Variants()[0]) {
    stream.WriteBuffer(body.Data.data(), static_cast<int64_t>(body.Data.size()));
  } else {
    stream.WriteBuffer("QXLZ", 4);
    TCompressionStream z(TCompressionLevel::clDefault, stream);
    z.WriteBuffer(body.Data.data(), static_cast<int64_t>(body.Data.size()));
    z.Finish();
  }
  auto source = std::make_unique<TSeSkinSource>();
  LoadBytes(*source, stream.Bytes());
  return source;
}

// ---- Random skins -----------------------------------------------------------------------

class TSkinGenerator {
 public:
  explicit TSkinGenerator(uint32_t seed) : FRandom(seed) {}

  std::unique_ptr<TSeSkinSource> Skin() {
    auto source = std::make_unique<TSeSkinSource>();
    source->SetSkinName(Text(300));
    source->SetSkinVersion(Text(10));
    source->SetAuthor(Text(40));
    source->SetAuthorEMail(Text(20));
    source->SetAuthorURL(Text(20));
    for (int i = Below(5); i > 0; --i) source->Bitmaps().Add(Bitmap());
    for (int i = 1 + Below(4); i > 0; --i) source->AddObject(Object(nullptr, 0));
    Tables(*source);
    return source;
  }

  TteBitmap* Bitmap() {
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetName(Below(4) ? Text(20) : Text(300));
    if (Below(8) == 0) return bitmap.release();  // an empty image
    const int width = 1 + Below(12), height = 1 + Below(12);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, Pixel());
    bitmap->CheckAlpha();
    bitmap->SetKeyFlag(Below(2));
    return bitmap.release();
  }

  TSeSkinObject* Object(TSeSkinObject* parent, int depth) {
    const auto& classes = SkinObjectClasses();
    const TClassInfo* cls = classes[static_cast<size_t>(Below(static_cast<int>(classes.size())))];
    auto* object = dynamic_cast<TSeSkinObject*>(cls->Create(parent));
    object->SetName(Below(4) ? Identifier() : std::string());
    if (Below(5) == 0) object->SetTag(Int());
    for (int i = depth < 3 ? Below(4) : 0; i > 0; --i) Object(object, depth + 1);
    Randomize(*object);
    return object;
  }

  // Every published property of the object and its sub-objects gets a random value.
  void Randomize(TPersistent& object) {
    for (const TPropInfo* prop : object.ClassInfo().AllProperties()) {
      if (prop->ReadOnly() || !prop->Stored(object) || prop->Name == "Name" || prop->Name == "Tag")
        continue;
      RandomizeProperty(object, *prop);
    }
  }

  void Tables(TSeSkinSource& source) {
    for (int i = 0; i < TteThemeColors::kCount; ++i) source.Colors().SetColor(i, Color());
    for (int i = 0; i < TteThemeSysColors::kCount; ++i) source.SysColors().SetColor(i, Color());
    for (int i = 0; i < TteThemeFonts::kCount; ++i) {
      TFont& font = source.Fonts().Font(i);
      font.SetName(Below(2) ? "Tahoma" : "Courier New");
      font.SetSize(6 + Below(30));
      font.SetCharset(static_cast<TFontCharset>(Below(256)));
      font.SetColor(Color());
      font.SetStyle(TFontStyles::FromMask(static_cast<uint32_t>(Below(16))));
    }
  }

  int Below(int n) { return static_cast<int>(FRandom() % static_cast<uint32_t>(n)); }

  // Quotes, control characters and bytes of 128 and above, now and then beyond 255 bytes.
  std::string Text(int maxLength) {
    std::string text(static_cast<size_t>(Below(maxLength + 1)), ' ');
    for (char& c : text) {
      const int kind = Below(6);
      c = static_cast<char>(kind == 0   ? Below(32)
                            : kind == 1 ? '\''
                            : kind == 2 ? 128 + Below(128)
                                        : 32 + Below(95));
    }
    return text;
  }

  std::string Identifier() {
    static const char kFirst[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    std::string id(1, kFirst[Below(53)]);
    for (int i = Below(12); i > 0; --i) id += "abcXYZ_019"[Below(10)];
    return id;
  }

  // A byte, a word, any value or an extreme.
  int32_t Int() {
    const int kind = Below(4);
    return kind == 0   ? Below(256) - 128
           : kind == 1 ? Below(65536) - 32768
           : kind == 2 ? static_cast<int32_t>(FRandom())
                       : (Below(2) ? INT32_MIN : INT32_MAX);
  }

  // None, a named colour, a system colour or any RGB value.
  TColor Color() {
    const int kind = Below(5);
    const auto idents = ColorIdents();
    return kind == 0   ? clNone
           : kind == 1 ? *IdentToColor(idents[size_t(Below(int(idents.size())))])
           : kind == 2 ? MakeSysColor(Below(31))
                       : static_cast<TColor>(FRandom() & 0xFFFFFF);
  }

  // Key pixels, near-key and near-magenta pixels, partial alpha, plain opaque pixels.
  uint32_t Pixel() {
    const int kind = Below(6);
    return kind == 0   ? kKeyPixel
           : kind == 1 ? 0xFF7F007F + uint32_t(Below(5)) * 0x010001  // near the key
           : kind == 2 ? 0xFFFA00FF + uint32_t(Below(4)) * 0x100     // near magenta
           : kind == 3 ? (uint32_t(1 + Below(254)) << 24) | (FRandom() & 0xFFFFFF)
                       : 0xFF000000 | (FRandom() & 0xFFFFFF);
  }

 private:
  void RandomizeProperty(TPersistent& object, const TPropInfo& prop) {
    const TTypeInfo& type = *prop.PropType;
    switch (type.Kind) {
      case TTypeKind::Class:
        if (TPersistent* sub = prop.GetObject(object)) Randomize(*sub);
        return;
      case TTypeKind::String:
        prop.SetStr(object, type.Name == "TFontName" ? Identifier() : Text(Below(8) ? 30 : 300));
        return;
      case TTypeKind::Enumeration:
        prop.SetOrd(object, Below(static_cast<int>(type.Names.size())));
        return;
      case TTypeKind::Boolean:
        prop.SetOrd(object, Below(2));
        return;
      case TTypeKind::Set:
        prop.SetOrd(object, Below(1 << type.Names.size()));
        return;
      case TTypeKind::Integer:
        prop.SetOrd(object, type.Name == "TColor"         ? Color()
                            : type.Name == "TFontCharset" ? Below(256)
                            : prop.Name == "Height" && type.MaxValue == INT32_MAX &&
                                    object.ClassName() == "TFont"
                                ? Below(80) - 40
                                : Int());
        return;
    }
  }

  std::mt19937 FRandom;
};

// ---- Field-by-field comparison ---------------------------------------------------------

inline void ExpectSameProperties(const TPersistent& expected, const TPersistent& actual,
                                 const std::string& path) {
  ASSERT_EQ(expected.ClassName(), actual.ClassName()) << path;
  for (const TPropInfo* prop : expected.ClassInfo().AllProperties()) {
    const std::string where = path + "." + prop->Name;
    switch (prop->Kind()) {
      case TTypeKind::Class: {
        TPersistent* a = prop->GetObject(expected);
        TPersistent* b = prop->GetObject(actual);
        ASSERT_EQ(a == nullptr, b == nullptr) << where;
        if (a) ExpectSameProperties(*a, *b, where);
        break;
      }
      case TTypeKind::String:
        EXPECT_EQ(prop->GetStr(expected), prop->GetStr(actual)) << where;
        break;
      default:
        EXPECT_EQ(prop->GetOrd(expected), prop->GetOrd(actual)) << where;
    }
  }
}

inline void ExpectSameObject(const TSeSkinObject& expected, const TSeSkinObject& actual,
                             const std::string& path) {
  ExpectSameProperties(expected, actual, path);
  ASSERT_EQ(expected.ChildCount(), actual.ChildCount()) << path;
  for (int i = 0; i < expected.ChildCount(); ++i)
    ExpectSameObject(*expected.Children(i), *actual.Children(i),
                     path + "/" + std::to_string(i) + ":" + expected.Children(i)->GetName());
}

inline void ExpectSameBitmap(const TteBitmap& expected, const TteBitmap& actual,
                             const std::string& path) {
  EXPECT_EQ(expected.Name(), actual.Name()) << path;
  ASSERT_EQ(expected.Width(), actual.Width()) << path;
  ASSERT_EQ(expected.Height(), actual.Height()) << path;
  ASSERT_EQ(test::AllPixels(expected), test::AllPixels(actual)) << path;
  EXPECT_EQ(expected.KeyFlag(), actual.KeyFlag()) << path;
  EXPECT_EQ(expected.AlphaFlag(), actual.AlphaFlag()) << path;
}

// What loading `original` through `cls` gives: key processing (text layouts), charsets.
inline std::unique_ptr<TSeSkinSource> ExpectedAfterLoad(const TSeSkinSource& original,
                                                        const TSeSkinFilterClass& cls) {
  auto expected = std::make_unique<TSeSkinSource>();
  expected->Assign(original);
  if (&cls != Variants()[3])  // the three text layouts
    for (int i = 0; i < expected->Bitmaps().Count(); ++i)
      expected->Bitmaps().Bitmaps(i)->ProcessKeyOnLoad();
  for (int i = 0; i < expected->Count(); ++i) expected->Objects(i)->SetCharset(DEFAULT_CHARSET);
  expected->FixClientAreas();
  return expected;
}

// `throughText`: table fonts went through text, which keeps only RGB colours.
inline void ExpectSameSkin(const TSeSkinSource& expected, const TSeSkinSource& actual,
                           bool throughText = true) {
  ExpectSameProperties(expected, actual, "source");
  ASSERT_EQ(expected.Bitmaps().Count(), actual.Bitmaps().Count());
  for (int i = 0; i < expected.Bitmaps().Count(); ++i)
    ExpectSameBitmap(*expected.Bitmaps().Bitmaps(i), *actual.Bitmaps().Bitmaps(i),
                     "bitmap " + std::to_string(i));
  ASSERT_EQ(expected.Count(), actual.Count());
  for (int i = 0; i < expected.Count(); ++i)
    ExpectSameObject(*expected.Objects(i), *actual.Objects(i), "object " + std::to_string(i));
  for (int i = 0; i < TteThemeColors::kCount; ++i)
    EXPECT_EQ(expected.Colors().GetColor(i), actual.Colors().GetColor(i)) << "colour " << i;
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    EXPECT_EQ(expected.SysColors().GetColor(i), actual.SysColors().GetColor(i))
        << "system colour " << i;
  // The font table keeps face, size, charset, RGB colour and style.
  for (int i = 0; i < TteThemeFonts::kCount; ++i) {
    const TFont& font = expected.Fonts().Font(i);
    const TFont& back = actual.Fonts().Font(i);
    EXPECT_EQ(font.GetName(), back.GetName()) << "font " << i;
    EXPECT_EQ(font.GetHeight(), back.GetHeight()) << "font " << i;
    EXPECT_EQ(font.GetCharset(), back.GetCharset()) << "font " << i;
    EXPECT_EQ(throughText ? ColorToRGB(font.GetColor()) : font.GetColor(), back.GetColor())
        << "font " << i;
    EXPECT_EQ(font.GetStyle(), back.GetStyle()) << "font " << i;
  }
}

}  // namespace vt::skintest
