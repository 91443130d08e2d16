// Skin filters and the byte layouts of skin bodies.
//
// Sections:
//   1. Registries          RegisterSkinFilter ... DefaultSkinFilter
//   2. Limits and context  counts a skin can hold; where a damaged body failed
//   3. Table forms         colours, system colours, fonts
//   4. Images              the three bitmap forms, Windows bitmap files of the oldest one
//   5. Body layouts        the text layout (base filter) and the binary layout
//   6. Filters             tags, envelopes, the four variants
//
// Words that open the image and object sections, by layout and age:
//   images, text layout:   count                         stream form, then key processing
//   images, binary layout: count | 0x00FFF000            stream form, key and alpha bytes
//                          count | 0x000F0000            stream form, then key processing
//                          count (oldest)                name, size, Windows bitmap file
//   objects (both):        count | 0x00FF0000            records, colours, system colours, fonts
//                          count | 0x000F0000            records, colours, fonts
//                          count (oldest)                records; tables built from objects
#include "skin/se_skinfilters.h"

#include <immintrin.h>

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "rtl/PropStream.h"
#include "skin/pixel_kernels.h"
#include "skin/se_skinrecords.h"
#include "skin/se_skinsource.h"

namespace vt {

// ---- 1. Registries ------------------------------------------------------------------------

namespace {

std::vector<const TSeSkinFilterClass*>& FilterList() {
  static std::vector<const TSeSkinFilterClass*> list;
  return list;
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The extension with its dot, as the last "." after the last folder separator begins it.
std::string ExtensionOf(const std::string& fileName) {
  const size_t dot = fileName.find_last_of(".\\/:");
  if (dot == std::string::npos || fileName[dot] != '.') return {};
  return fileName.substr(dot);
}

}  // namespace

void RegisterSkinFilters() {
  static int startCount = 0;
  if (startCount++ != 0) return;
  for (const TSeSkinFilterClass* cls : {&SkinFilterClassOf<TSeSkinFilterUncompressed>(),
                                        &SkinFilterClassOf<TSeSkinFilterCompressed>(),
                                        &SkinFilterClassOf<TSeSkinFilterUltraCompressed>(),
                                        &SkinFilterClassOf<TSeSkinFilterMaxCompression>()})
    FilterList().push_back(cls);
}

void RegisterSkinFilter(const TSeSkinFilterClass& cls) {
  RegisterSkinFilters();
  FilterList().push_back(&cls);
}

void UnregisterSkinFilter(const TSeSkinFilterClass& cls) {
  RegisterSkinFilters();
  auto& list = FilterList();
  list.erase(std::remove(list.begin(), list.end(), &cls), list.end());
}

const std::vector<const TSeSkinFilterClass*>& SkinFilters() {
  RegisterSkinFilters();
  return FilterList();
}

const TSeSkinFilterClass* FindSkinFilterByExtension(const std::string& fileName) {
  const std::string extension = LowerAscii(ExtensionOf(fileName));
  for (const TSeSkinFilterClass* cls : SkinFilters())
    if ("." + LowerAscii(cls->GetFileExtension()) == extension) return cls;
  return nullptr;
}

const TSeSkinFilterClass* FindSkinFilterByStream(TStream& stream) {
  TSeSkinFilter::TSkinTag tag{};
  const int64_t got = stream.Read(tag.data(), TSeSkinFilter::kTagSize);
  const TSeSkinFilterClass* found = nullptr;
  if (got == TSeSkinFilter::kTagSize) {
    for (const TSeSkinFilterClass* cls : SkinFilters()) {
      if (cls->Create()->SkinTag() == tag) {
        found = cls;
        break;
      }
    }
  }
  stream.Seek(-std::max<int64_t>(got, 0), TSeekOrigin::soCurrent);
  return found;
}

std::string GetSkinFilterString() {
  std::string text;
  for (const TSeSkinFilterClass* cls : SkinFilters()) {
    if (!text.empty()) text += "|";
    const std::string extension = cls->GetFileExtension();
    text += cls->GetFileTypeName() + " (*." + extension + ")|*." + extension;
  }
  return text;
}

const TSeSkinFilterClass*& DefaultSkinFilter() {
  static const TSeSkinFilterClass* filter = &SkinFilterClassOf<TSeSkinFilterCompressed>();
  return filter;
}

// ---- 2. Limits and context ------------------------------------------------------------------

namespace {

constexpr uint32_t kObjectTablesWord = 0x00FF0000;  // records, then all three tables
constexpr uint32_t kObjectTwoTablesWord = 0x000F0000;
constexpr uint32_t kBitmapFlagsWord = 0x00FFF000;  // images followed by their flag bytes
constexpr uint32_t kBitmapProcessWord = 0x000F0000;

// The words above carry the counts in their low bits, so larger counts could not be
// read back. Readers apply the same limit to the plain counts of older layouts: a
// damaged count then fails at once instead of making a long run of empty records.
constexpr uint32_t kMaxObjects = 0xFFFF;
constexpr uint32_t kMaxFlaggedBitmaps = 0xFFF;
constexpr uint32_t kMaxBitmaps = 0xFFFF;

// Windows bitmap files of the oldest layout are decoded only within these sizes.
constexpr int64_t kMaxBmpPixels = int64_t{1} << 26;
constexpr int64_t kFreeRlePixels = int64_t{1} << 20;

// Names the part of the body being read, so that a damaged file reports where it failed.
class TBodyReader {
 public:
  TBodyReader(TStream& stream, TSeSkinSource& source)
      : Stream(stream), Source(source), FStart(stream.Position()) {}
  void Section(std::string what) { FSection = std::move(what); }

  [[noreturn]] void Fail(const std::string& what) { throw EReadError(what); }

  uint32_t CheckedCount(uint32_t count, uint32_t limit, const char* what) {
    if (count > limit)
      Fail(std::string(what) + " count " + std::to_string(count) + " is more than a skin holds (" +
           std::to_string(limit) + ")");
    return count;
  }

  std::string Where() {
    int64_t offset = -1;
    try {
      offset = Stream.Position() - FStart;
    } catch (const Exception&) {
    }
    return "in " + FSection + (offset >= 0 ? " at byte " + std::to_string(offset) : "") +
           " of the skin body";
  }

  TStream& Stream;
  TSeSkinSource& Source;

 private:
  int64_t FStart;  // offsets count from the start of the body
  std::string FSection = "the skin strings";
};

// ---- 3. Table forms -----------------------------------------------------------------------

// The names the system colour table form stores, as the original writer stored them
// (the eleventh repeats "clActiveCaption"); readers go by position.
constexpr const char* kSysColorTableNames[TteThemeSysColors::kCount] = {"clActiveBorder",
                                                                        "clActiveCaption",
                                                                        "clAppWorkSpace",
                                                                        "clBackground",
                                                                        "clBtnFace",
                                                                        "clBtnHighlight",
                                                                        "clBtnShadow",
                                                                        "clBtnText",
                                                                        "clCaptionText",
                                                                        "clDefault",
                                                                        "clActiveCaption",
                                                                        "clGrayText",
                                                                        "clHighlight",
                                                                        "clHighlightText",
                                                                        "clInactiveBorder",
                                                                        "clInactiveCaption",
                                                                        "clInactiveCaptionText",
                                                                        "clInfoBk",
                                                                        "clInfoText",
                                                                        "clMenu",
                                                                        "clMenuText",
                                                                        "clScrollBar",
                                                                        "cl3DDkShadow",
                                                                        "cl3DLight",
                                                                        "clWindow",
                                                                        "clWindowFrame"};

void WriteTableEntry(TStream& stream, const std::string& name, const std::string& value) {
  WriteLengthString(stream, name);
  WriteLengthString(stream, ":");
  WriteLengthString(stream, value);
}

// The value of one entry (its name and the ":" are not used: entries go by position).
std::string ReadTableEntry(TStream& stream) {
  ReadLengthString(stream, "table entry name");
  ReadLengthString(stream, "table entry separator");
  return ReadLengthString(stream, "table entry value");
}

// A colour text that cannot be read keeps the entry's value; the table stays in step.
std::optional<TColor> TableColor(const std::string& text, const char* table, int index) {
  try {
    return StringToColor(text);
  } catch (const EConvertError&) {
    TReadWarnings::Report(std::string(table) + " entry " + std::to_string(index) +
                          ": invalid colour \"" + text.substr(0, 40) + "\" ignored");
    return std::nullopt;
  }
}

void WriteColorTable(TStream& stream, const TteThemeColors& colors) {
  WriteUInt8(stream, TteThemeColors::kCount - 1);
  for (int i = 0; i < TteThemeColors::kCount; ++i)
    WriteTableEntry(stream, TteThemeColors::ColorName(i), ColorToString(colors.GetColor(i)));
}

void ReadColorTable(TBodyReader& body) {
  body.Section("the colour table");
  const int highest = ReadUInt8(body.Stream);
  for (int i = 0; i <= highest; ++i) {
    const std::string text = ReadTableEntry(body.Stream);
    if (i >= TteThemeColors::kCount) continue;  // entries of a larger table are passed over
    if (auto color = TableColor(text, "Colour table", i)) body.Source.Colors().SetColor(i, *color);
  }
}

void WriteSysColorTable(TStream& stream, const TteThemeSysColors& colors) {
  WriteInt32(stream, TteThemeSysColors::kCount);
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    WriteTableEntry(stream, kSysColorTableNames[i], ColorToString(colors.GetColor(i)));
}

void ReadSysColorTable(TBodyReader& body) {
  body.Section("the system colour table");
  const int32_t count = ReadInt32(body.Stream);
  if (count < 0) body.Fail("system colour count " + std::to_string(count) + " is negative");
  // Each entry takes at least twelve bytes, so a large count ends with the data.
  for (int32_t i = 0; i < count; ++i) {
    const std::string text = ReadTableEntry(body.Stream);
    if (i >= TteThemeSysColors::kCount) continue;
    if (auto color = TableColor(text, "System colour table", i))
      body.Source.SysColors().SetColor(i, *color);
  }
}

void WriteFontTable(TStream& stream, const TteThemeFonts& fonts) {
  WriteUInt8(stream, TteThemeFonts::kCount - 1);
  for (int i = 0; i < TteThemeFonts::kCount; ++i)
    WriteTableEntry(stream, TteThemeFonts::FontName(i), FontToString(fonts.Font(i)));
}

void ReadFontTable(TBodyReader& body) {
  body.Section("the font table");
  const int highest = ReadUInt8(body.Stream);
  for (int i = 0; i <= highest; ++i) {
    const std::string text = ReadTableEntry(body.Stream);
    if (i >= TteThemeFonts::kCount) continue;
    try {
      TFont font;
      font.Assign(body.Source.Fonts().Font(i));
      StringToFont(text, font);
      body.Source.Fonts().Font(i).Assign(font);
    } catch (const EConvertError& e) {
      TReadWarnings::Report("Font table entry " + std::to_string(i) + ": " + e.what());
    }
  }
}

// ---- 4. Images ------------------------------------------------------------------------------

uint32_t LE16(const uint8_t* p) {
  return p[0] | (uint32_t{p[1]} << 8);
}
uint32_t LE32(const uint8_t* p) {
  return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// Checks the headers of a Windows bitmap file against its bytes before the decoder sees
// it, so that a damaged file cannot make the decoder allocate beyond what it could fill.
void CheckWindowsBitmap(const std::vector<uint8_t>& file, const std::string& name) {
  auto bad = [&name](const std::string& why) {
    throw EReadError("Bitmap \"" + name + "\": not a usable Windows bitmap file (" + why + ")");
  };
  if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') bad("no \"BM\" header");
  const uint32_t headerSize = LE32(&file[14]);
  const bool core = headerSize == 12;
  if (!core && (headerSize < 40 || file.size() < 14 + int64_t{40})) bad("unknown header");
  const int64_t width =
      core ? int64_t{LE16(&file[18])} : int64_t{static_cast<int32_t>(LE32(&file[18]))};
  const int64_t height =
      core ? int64_t{LE16(&file[20])} : int64_t{static_cast<int32_t>(LE32(&file[22]))};
  const uint32_t bits = LE16(&file[core ? 24 : 28]);
  const uint32_t compression = core ? 0 : LE32(&file[30]);
  if (width <= 0 || height == 0 || height == INT32_MIN)
    bad("size " + std::to_string(width) + " x " + std::to_string(height));
  const int64_t pixels = width * (height < 0 ? -height : height);
  if (pixels > kMaxBmpPixels) bad("too large");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    bad(std::to_string(bits) + " bits per pixel");
  const auto size = static_cast<int64_t>(file.size());
  if (compression == 1 || compression == 2) {  // run-length coded rows
    if (pixels > kFreeRlePixels && pixels > size * 256) bad("too large for its data");
    return;
  }
  if (compression != 0 && compression != 3) bad("compression " + std::to_string(compression));
  const int64_t stride = (width * bits + 31) / 32 * 4;
  const int64_t offset = LE32(&file[10]);
  if (offset > size || stride * (pixels / width) > size - offset) bad("pixel data missing");
}

TteBitmap* DecodeWindowsBitmap(const std::vector<uint8_t>& file, const std::string& name) {
  CheckWindowsBitmap(file, name);
  // The same reader as bitmap resources, so that 32-bit images keep their alpha bytes.
  auto bitmap = std::make_unique<TteBitmap>();
  if (!bitmap->LoadFromPictureData(QByteArray::fromRawData(
          reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()))))
    throw EReadError("Bitmap \"" + name + "\": the Windows bitmap file cannot be decoded");
  bitmap->ReplaceWithKey(kKeyColor);
  bitmap->CheckAlpha();
  bitmap->SetName(name);
  return bitmap.release();
}

enum class TBitmapForm { Processed, WithFlags, WindowsFile };

// The processing of an image loaded without its flags, done to each piece of pixels as
// it is moved from the stream into the image: pixels within 5 of magenta or of the key
// colour (on each of red, green and blue) become the key pixel, and the key and alpha
// flags are taken from the result. The same result as TteBitmap::ProcessKeyOnLoad, which
// makes three passes; a test compares them at every boundary with each processing path.
struct TLoadFlags {
  bool Key = false;
  bool Alpha = false;
};

uint32_t ProcessLoadedPixel(uint32_t p, TLoadFlags& flags) {
  const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  const bool toKey = g <= 5 && ((r >= 250 && b >= 250) || (r - 122 <= 10 && b - 122 <= 10));
  if (toKey) p = kKeyPixel;
  flags.Key |= toKey;
  flags.Alpha |= (p >> 24) - 1 <= 253;
  return p;
}

void ProcessLoadedPixelsPortable(const uint8_t* from, uint32_t* to, size_t count,
                                 TLoadFlags& flags) {
  for (size_t i = 0; i < count; ++i) {
    uint32_t p;
    std::memcpy(&p, from + 4 * i, 4);
    to[i] = ProcessLoadedPixel(p, flags);
  }
}

// Eight pixels at a time. Only pixels whose green is at most 5 can become the key, and
// most groups of eight hold none: a bytewise minimum with 5 in the green bytes finds them
// in three instructions, and the colour tests run only for groups that hold one.
// Channels are 0..255, so signed comparisons suffice. A pixel's alpha is partial when
// the arithmetic shifts by 24 and by 31 differ (they agree for alpha 0 and 255 only);
// once one is met the rest of the image need not be looked at for alpha.
// Lanes of `value` in [low, high].
__attribute__((target("avx2"), always_inline)) inline __m256i Within(__m256i value, int low,
                                                                     int high) {
  return _mm256_and_si256(_mm256_cmpgt_epi32(value, _mm256_set1_epi32(low - 1)),
                          _mm256_cmpgt_epi32(_mm256_set1_epi32(high + 1), value));
}

__attribute__((target("avx2"), always_inline)) inline __m256i KeyEight(__m256i p,
                                                                       __m256i& keySeen) {
  const __m256i greenAtMost5 = _mm256_set1_epi32(0xFFFF05FF), green = _mm256_set1_epi32(0xFF00);
  if (_mm256_testz_si256(_mm256_cmpeq_epi8(_mm256_min_epu8(p, greenAtMost5), p), green)) return p;
  const __m256i byte = _mm256_set1_epi32(0xFF);
  const __m256i dark =
      _mm256_cmpgt_epi32(_mm256_set1_epi32(6), _mm256_and_si256(_mm256_srli_epi32(p, 8), byte));
  const __m256i r = _mm256_and_si256(_mm256_srli_epi32(p, 16), byte);
  const __m256i b = _mm256_and_si256(p, byte);
  const __m256i magenta = _mm256_and_si256(Within(r, 250, 255), Within(b, 250, 255));
  const __m256i nearKey = _mm256_and_si256(Within(r, 122, 132), Within(b, 122, 132));
  const __m256i toKey = _mm256_and_si256(dark, _mm256_or_si256(magenta, nearKey));
  keySeen = _mm256_or_si256(keySeen, toKey);
  return _mm256_blendv_epi8(p, _mm256_set1_epi32(int32_t(kKeyPixel)), toKey);
}

__attribute__((target("avx2"))) void ProcessLoadedPixelsAvx2(const uint8_t* from, uint32_t* to,
                                                             size_t count, TLoadFlags& flags) {
  constexpr size_t kAlphaBlock = 512;  // pixels between two looks at the alpha found so far
  __m256i keySeen = _mm256_setzero_si256();
  const size_t whole = count & ~size_t{7};
  size_t i = 0;
  while (i < whole && !flags.Alpha) {
    __m256i alphaSeen = _mm256_setzero_si256();
    for (const size_t end = std::min(whole, i + kAlphaBlock); i < end; i += 8) {
      const __m256i p =
          KeyEight(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 4 * i)), keySeen);
      alphaSeen = _mm256_or_si256(
          alphaSeen, _mm256_xor_si256(_mm256_srai_epi32(p, 24), _mm256_srai_epi32(p, 31)));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i), p);
    }
    flags.Alpha |= !_mm256_testz_si256(alphaSeen, alphaSeen);
  }
  for (; i < whole; i += 8) {
    const __m256i p =
        KeyEight(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 4 * i)), keySeen);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i), p);
  }
  flags.Key |= !_mm256_testz_si256(keySeen, keySeen);
  ProcessLoadedPixelsPortable(from + 4 * i, to + i, count - i, flags);
}

// The AVX2 path runs where the drawing code runs its AVX2 kernels (so that
// VTSKIN_DISABLE_SIMD and the tests' choice of kernels reach it too).
TPixelTransfer LoadProcessing(TLoadFlags& flags) {
  if (std::string_view(ActiveKernels().Name) == "avx2")
    return [&flags](const uint8_t* from, uint32_t* to, size_t count) {
      ProcessLoadedPixelsAvx2(from, to, count, flags);
    };
  return [&flags](const uint8_t* from, uint32_t* to, size_t count) {
    ProcessLoadedPixelsPortable(from, to, count, flags);
  };
}

TteBitmap* ReadBitmap(TStream& stream, TBitmapForm form) {
  if (form == TBitmapForm::WindowsFile) {
    const std::string name = ReadLengthString(stream, "bitmap name");
    return DecodeWindowsBitmap(ReadBytes(stream, ReadInt32(stream), "Windows bitmap file"), name);
  }
  auto bitmap = std::make_unique<TteBitmap>();
  if (form == TBitmapForm::WithFlags) {
    bitmap->LoadFromStream(stream);
    bitmap->SetKeyFlag(ReadUInt8(stream) != 0);
    bitmap->SetAlphaFlag(ReadUInt8(stream) != 0);
  } else {
    TLoadFlags flags;
    bitmap->LoadFromStream(stream, LoadProcessing(flags));
    bitmap->SetKeyFlag(flags.Key);
    bitmap->SetAlphaFlag(flags.Alpha);
  }
  return bitmap.release();
}

void ReadBitmaps(TBodyReader& body, uint32_t count, TBitmapForm form) {
  for (uint32_t i = 0; i < count; ++i) {
    body.Section("bitmap " + std::to_string(i + 1) + " of " + std::to_string(count));
    body.Source.Bitmaps().Add(ReadBitmap(body.Stream, form));
  }
}

// ---- 5. Body layouts ------------------------------------------------------------------------

void WriteStrings(TStream& stream, const TSeSkinSource& source) {
  for (const std::string* text :
       {&source.GetSkinName(), &source.GetSkinVersion(), &source.GetAuthor(),
        &source.GetAuthorEMail(), &source.GetAuthorURL()})
    WriteLengthString(stream, *text);
}

void ReadStrings(TBodyReader& body) {
  body.Section("the skin strings");
  TSeSkinSource& source = body.Source;
  source.SetSkinName(ReadLengthString(body.Stream, "skin name"));
  source.SetSkinVersion(ReadLengthString(body.Stream, "skin version"));
  source.SetAuthor(ReadLengthString(body.Stream, "author"));
  source.SetAuthorEMail(ReadLengthString(body.Stream, "author e-mail"));
  source.SetAuthorURL(ReadLengthString(body.Stream, "author URL"));
}

enum class TRecordForm { Text, Binary };

void WriteObjects(TStream& stream, const TSeSkinSource& source, TRecordForm form) {
  if (static_cast<uint32_t>(source.Count()) > kMaxObjects)
    throw EWriteError("A skin holds at most 65535 top-level objects");
  WriteUInt32(stream, static_cast<uint32_t>(source.Count()) | kObjectTablesWord);
  for (int i = 0; i < source.Count(); ++i) {
    if (form == TRecordForm::Text)
      WriteSkinObjectText(stream, *source.Objects(i));
    else
      WriteSkinObjectBinary(stream, *source.Objects(i));
  }
  WriteColorTable(stream, source.Colors());
  WriteSysColorTable(stream, source.SysColors());
  WriteFontTable(stream, source.Fonts());
}

void ReadObjectRecords(TBodyReader& body, uint32_t count, TRecordForm form) {
  body.CheckedCount(count, kMaxObjects, "Object");
  for (uint32_t i = 0; i < count; ++i) {
    body.Section("object " + std::to_string(i + 1) + " of " + std::to_string(count));
    TSeSkinObject* object = form == TRecordForm::Text ? ReadSkinObjectText(body.Stream, nullptr)
                                                      : ReadSkinObjectBinary(body.Stream, nullptr);
    if (object) body.Source.AddObject(object);
  }
}

// The object word decides the records' count and which tables follow them.
void ReadObjectsAndTables(TBodyReader& body, TRecordForm form) {
  body.Section("the object count");
  const uint32_t word = ReadUInt32(body.Stream);
  if ((word & kObjectTablesWord) == kObjectTablesWord) {
    ReadObjectRecords(body, word & ~kObjectTablesWord, form);
    ReadColorTable(body);
    ReadSysColorTable(body);
    ReadFontTable(body);
  } else if ((word & kObjectTwoTablesWord) != kObjectTwoTablesWord) {
    ReadObjectRecords(body, word, form);
    body.Source.BuildDefaultColorsAndFonts();
  } else {
    ReadObjectRecords(body, word & ~kObjectTwoTablesWord, form);
    ReadColorTable(body);
    ReadFontTable(body);
  }
}

void ReadTextLayout(TBodyReader& body) {
  ReadStrings(body);
  body.Section("the bitmap count");
  const uint32_t count = body.CheckedCount(ReadUInt32(body.Stream), kMaxBitmaps, "Bitmap");
  ReadBitmaps(body, count, TBitmapForm::Processed);
  ReadObjectsAndTables(body, TRecordForm::Text);
}

void WriteTextLayout(TStream& stream, const TSeSkinSource& source) {
  WriteStrings(stream, source);
  const int count = source.Bitmaps().Count();
  if (static_cast<uint32_t>(count) > kMaxBitmaps)
    throw EWriteError("A skin holds at most 65535 images");
  WriteInt32(stream, count);
  for (int i = 0; i < count; ++i) source.Bitmaps().Bitmaps(i)->SaveToStream(stream);
  WriteObjects(stream, source, TRecordForm::Text);
}

void ReadBinaryLayout(TBodyReader& body) {
  ReadStrings(body);
  body.Section("the bitmap count");
  const uint32_t word = ReadUInt32(body.Stream);
  if ((word & kBitmapFlagsWord) == kBitmapFlagsWord) {
    const uint32_t count =
        body.CheckedCount(word & ~kBitmapFlagsWord, kMaxFlaggedBitmaps, "Bitmap");
    ReadBitmaps(body, count, TBitmapForm::WithFlags);
  } else if ((word & kBitmapProcessWord) != kBitmapProcessWord) {
    ReadBitmaps(body, body.CheckedCount(word, kMaxBitmaps, "Bitmap"), TBitmapForm::WindowsFile);
  } else {
    const uint32_t count = body.CheckedCount(word & ~kBitmapProcessWord, kMaxBitmaps, "Bitmap");
    ReadBitmaps(body, count, TBitmapForm::Processed);
  }
  ReadObjectsAndTables(body, TRecordForm::Binary);
}

void WriteBinaryLayout(TStream& stream, const TSeSkinSource& source) {
  WriteStrings(stream, source);
  const int count = source.Bitmaps().Count();
  if (static_cast<uint32_t>(count) > kMaxFlaggedBitmaps)
    throw EWriteError("A \"Maximum Compressed\" skin holds at most 4095 images");
  WriteUInt32(stream, static_cast<uint32_t>(count) | kBitmapFlagsWord);
  for (int i = 0; i < count; ++i) {
    const TteBitmap& bitmap = *source.Bitmaps().Bitmaps(i);
    bitmap.SaveToStream(stream);
    WriteUInt8(stream, bitmap.KeyFlag() ? 1 : 0);
    WriteUInt8(stream, bitmap.AlphaFlag() ? 1 : 0);
  }
  WriteObjects(stream, source, TRecordForm::Binary);
}

// Runs a body reader; a failure is raised again with the part of the body it met.
template <class F>
void ReadBody(TStream& stream, TSeSkinSource& source, F read) {
  InstallSkinObjectStreaming();
  TBodyReader body(stream, source);
  try {
    read(body);
  } catch (const EDecompressionError& e) {
    throw EDecompressionError("Damaged skin: " + std::string(e.what()) + " " + body.Where());
  } catch (const EReadError& e) {
    throw EReadError("Damaged skin: " + std::string(e.what()) + " " + body.Where());
  }
}

}  // namespace

// ---- 6. Filters -----------------------------------------------------------------------------

TSeSkinFilter::TSeSkinFilter() {
  SetSkinTag("0000");
}

const TClassInfo& TSeSkinFilter::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TSeSkinFilter>("TSeSkinFilter", &TPersistent::StaticClassInfo()).Build();
  return info;
}

const TSeSkinFilterClass& TSeSkinFilter::FilterClass() const {
  return SkinFilterClassOf<TSeSkinFilter>();
}

void TSeSkinFilter::SetSkinTag(const char (&tag)[5]) {
  std::memcpy(FSkinTag.data(), tag, 4);
  FSkinTag[4] = '\0';
}

TSeSkinSource& TSeSkinFilter::Source() const {
  if (!FSkinSource) throw EInvalidOperation("Skin filter without a skin source");
  return *FSkinSource;
}

void TSeSkinFilter::ReadSkin(TStream& stream) {
  ReadBody(stream, Source(), ReadTextLayout);
}

void TSeSkinFilter::WriteSkin(TStream& stream) {
  InstallSkinObjectStreaming();
  WriteTextLayout(stream, Source());
}

void TSeSkinFilter::LoadFromStream(TStream& stream) {
  TSkinTag tag{};
  const int64_t got = stream.Read(tag.data(), kTagSize);
  // Every layout holds more than a tag's worth of bytes, so a shorter file is not
  // damaged inside its body: it is cut off or empty.
  if (got < kTagSize)
    throw EReadError("Damaged skin: the file is empty or truncated (" +
                     std::to_string(std::max<int64_t>(got, 0)) + " bytes)");
  // A stream without the tag is read as if the body began where it stands.
  if (got != kTagSize || tag != FSkinTag)
    stream.Seek(-std::max<int64_t>(got, 0), TSeekOrigin::soCurrent);
}

void TSeSkinFilter::SaveToStream(TStream& stream) {
  stream.WriteBuffer(FSkinTag.data(), kTagSize);
}

void TSeSkinFilter::LoadCompressed(TStream& stream) {
  TSeSkinFilter::LoadFromStream(stream);
  char marker[4];
  stream.Read(marker, sizeof marker);  // "QXLZ", not checked
  TDecompressionStream body(stream);
  ReadSkin(body);
  try {
    body.ReadToEnd();
  } catch (const EDecompressionError& e) {
    throw EDecompressionError("Damaged skin: " + std::string(e.what()) +
                              " after the end of the skin body");
  }
}

void TSeSkinFilter::SaveCompressed(TStream& stream, TCompressionLevel level) {
  TSeSkinFilter::SaveToStream(stream);
  stream.WriteBuffer("QXLZ", 4);
  TCompressionStream body(level, stream);
  WriteSkin(body);
  body.Finish();
}

#define VT_SKIN_FILTER_CLASS(Class, Parent)                                   \
  const TClassInfo& Class::StaticClassInfo() {                                \
    static const TClassInfo info =                                            \
        TClassInfoBuilder<Class>(#Class, &Parent::StaticClassInfo()).Build(); \
    return info;                                                              \
  }                                                                           \
  const TSeSkinFilterClass& Class::FilterClass() const {                      \
    return SkinFilterClassOf<Class>();                                        \
  }

VT_SKIN_FILTER_CLASS(TSeSkinFilterUncompressed, TSeSkinFilter)
VT_SKIN_FILTER_CLASS(TSeSkinFilterCompressed, TSeSkinFilter)
VT_SKIN_FILTER_CLASS(TSeSkinFilterUltraCompressed, TSeSkinFilter)
VT_SKIN_FILTER_CLASS(TSeSkinFilterMaxCompression, TSeSkinFilterUltraCompressed)
#undef VT_SKIN_FILTER_CLASS

TSeSkinFilterUncompressed::TSeSkinFilterUncompressed() {
  SetSkinTag("_UCT");
}

void TSeSkinFilterUncompressed::LoadFromStream(TStream& stream) {
  TSeSkinFilter::LoadFromStream(stream);
  ReadSkin(stream);
}

void TSeSkinFilterUncompressed::SaveToStream(TStream& stream) {
  TSeSkinFilter::SaveToStream(stream);
  WriteSkin(stream);
}

TSeSkinFilterCompressed::TSeSkinFilterCompressed() {
  SetSkinTag("_DCT");
}

void TSeSkinFilterCompressed::LoadFromStream(TStream& stream) {
  LoadCompressed(stream);
}

void TSeSkinFilterCompressed::SaveToStream(TStream& stream) {
  SaveCompressed(stream, TCompressionLevel::clFastest);
}

TSeSkinFilterUltraCompressed::TSeSkinFilterUltraCompressed() {
  SetSkinTag("_TCT");
}

void TSeSkinFilterUltraCompressed::LoadFromStream(TStream& stream) {
  LoadCompressed(stream);
}

void TSeSkinFilterUltraCompressed::SaveToStream(TStream& stream) {
  SaveCompressed(stream, TCompressionLevel::clDefault);
}

TSeSkinFilterMaxCompression::TSeSkinFilterMaxCompression() {
  SetSkinTag("_MCT");
}

void TSeSkinFilterMaxCompression::ReadSkin(TStream& stream) {
  ReadBody(stream, Source(), ReadBinaryLayout);
}

void TSeSkinFilterMaxCompression::WriteSkin(TStream& stream) {
  InstallSkinObjectStreaming();
  WriteBinaryLayout(stream, Source());
}

}  // namespace vt

namespace vt {

const char* SysColorTableName(int index) {
  if (index < 0 || index >= TteThemeSysColors::kCount)
    throw Exception("System colour table entry " + std::to_string(index) + " does not exist");
  return kSysColorTableNames[index];
}

}  // namespace vt
