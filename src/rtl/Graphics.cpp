#include "Graphics.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <charconv>
#include <cstdio>
#include <span>
#include <unordered_map>

#include "AnsiText.h"

namespace vt {

namespace {

struct TIdentEntry {
  int32_t Value;
  std::string_view Name;
};

// The standard colour identifiers in their customary order; the first entry for a value
// wins when a colour is turned into text.
constexpr TIdentEntry kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

constexpr TIdentEntry kCharsetIdents[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

template <size_t N>
std::optional<std::string> IdentOf(const TIdentEntry (&table)[N], int32_t value) {
  for (const TIdentEntry& e : table)
    if (e.Value == value) return std::string(e.Name);
  return std::nullopt;
}

// Stored identifiers nearly always carry the declared spelling, which one hash lookup
// finds (every colour property of every skin object is read this way); any other letter
// case still matches.
class TIdentIndex {
 public:
  template <size_t N>
  explicit TIdentIndex(const TIdentEntry (&table)[N]) : FTable(table, N) {
    for (const TIdentEntry& e : table) FExact.try_emplace(e.Name, e.Value);
  }
  std::optional<int32_t> ValueOf(std::string_view ident) const {
    if (auto found = FExact.find(ident); found != FExact.end()) return found->second;
    for (const TIdentEntry& e : FTable)
      if (SameText(e.Name, ident)) return e.Value;
    return std::nullopt;
  }

 private:
  std::span<const TIdentEntry> FTable;
  std::unordered_map<std::string_view, int32_t> FExact;
};

template <size_t N>
std::vector<std::string> NamesOf(const TIdentEntry (&table)[N]) {
  std::vector<std::string> names;
  for (const TIdentEntry& e : table) names.emplace_back(e.Name);
  return names;
}

// The classic desktop scheme, used when no GUI runs and for colours the palette lacks.
constexpr std::array<TColor, 31> kClassicSysColors = {
    RGB(200, 200, 200), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(0, 0, 0),       RGB(0, 0, 255),     RGB(16, 132, 208),
    RGB(192, 192, 192), RGB(49, 106, 197),  RGB(192, 192, 192),
};

TColor FromQColor(const QColor& c) {
  return RGB(c.red(), c.green(), c.blue());
}

std::optional<TColor> PaletteColor(int index) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
  const QPalette pal = QGuiApplication::palette();
  switch (index) {
    case COLOR_WINDOW:
      return FromQColor(pal.color(QPalette::Base));
    case COLOR_WINDOWTEXT:
      return FromQColor(pal.color(QPalette::Text));
    case COLOR_BTNFACE:
      return FromQColor(pal.color(QPalette::Button));
    case COLOR_BTNTEXT:
      return FromQColor(pal.color(QPalette::ButtonText));
    case COLOR_HIGHLIGHT:
      return FromQColor(pal.color(QPalette::Highlight));
    case COLOR_HIGHLIGHTTEXT:
      return FromQColor(pal.color(QPalette::HighlightedText));
    case COLOR_BTNSHADOW:
      return FromQColor(pal.color(QPalette::Dark));
    case COLOR_BTNHIGHLIGHT:
      return FromQColor(pal.color(QPalette::Light));
    case COLOR_3DDKSHADOW:
      return FromQColor(pal.color(QPalette::Shadow));
    case COLOR_3DLIGHT:
      return FromQColor(pal.color(QPalette::Midlight));
    case COLOR_INFOBK:
      return FromQColor(pal.color(QPalette::ToolTipBase));
    case COLOR_INFOTEXT:
      return FromQColor(pal.color(QPalette::ToolTipText));
    case COLOR_GRAYTEXT:
      return FromQColor(pal.color(QPalette::Disabled, QPalette::Text));
    case COLOR_MENU:
      return FromQColor(pal.color(QPalette::Window));
    case COLOR_MENUTEXT:
      return FromQColor(pal.color(QPalette::WindowText));
    case COLOR_HOTLIGHT:
      return FromQColor(pal.color(QPalette::Link));
    default:
      return std::nullopt;
  }
}

// Rounds x * num / den half away from zero, as the platform's MulDiv does.
int MulDiv(int x, int num, int den) {
  const long long p = static_cast<long long>(x) * num;
  const long long q = (p >= 0 ? p + den / 2 : p - den / 2) / den;
  return static_cast<int>(q);
}

}  // namespace

TColor GetSysColor(int index) {
  if (index < 0 || index >= static_cast<int>(kClassicSysColors.size())) return 0;
  if (auto c = PaletteColor(index)) return *c;
  return kClassicSysColors[static_cast<size_t>(index)];
}

TColor ColorToRGB(TColor color) {
  if (color == clNone || color == clDefault) return 0;
  if (IsSysColor(color)) return GetSysColor(color & 0xFF);
  return color;
}

std::optional<std::string> ColorToIdent(int32_t color) {
  return IdentOf(kColorIdents, color);
}
std::optional<int32_t> IdentToColor(std::string_view ident) {
  static const TIdentIndex index(kColorIdents);
  return index.ValueOf(ident);
}
std::vector<std::string> ColorIdents() {
  return NamesOf(kColorIdents);
}

std::string ColorToString(TColor color) {
  if (auto ident = ColorToIdent(color)) return *ident;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<uint32_t>(color));
  return buf;
}

TColor StringToColor(std::string_view text) {
  if (auto c = IdentToColor(text)) return *c;
  std::string_view digits = text;
  int base = 10;
  bool negative = false;
  if (!digits.empty() && digits.front() == '$') {
    digits.remove_prefix(1);
    base = 16;
  } else if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  } else if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  uint64_t value = 0;
  auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  const bool fits =
      base == 16 ? value <= 0xFFFFFFFFull : value <= (negative ? 0x80000000ull : 0x7FFFFFFFull);
  if (digits.empty() || err != std::errc() || end != digits.data() + digits.size() || !fits)
    throw EConvertError("'" + std::string(text) + "' is not a valid color value");
  const uint32_t bits = static_cast<uint32_t>(value);
  return negative ? static_cast<TColor>(0u - bits) : static_cast<TColor>(bits);
}

uint32_t ColorToPixel(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return 0xFF000000u | (uint32_t(GetRValue(rgb)) << 16) | (uint32_t(GetGValue(rgb)) << 8) |
         uint32_t(GetBValue(rgb));
}

TColor PixelToColor(uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::optional<std::string> CharsetToIdent(int32_t charset) {
  return IdentOf(kCharsetIdents, charset);
}
std::optional<int32_t> IdentToCharset(std::string_view ident) {
  static const TIdentIndex index(kCharsetIdents);
  return index.ValueOf(ident);
}
std::vector<std::string> CharsetIdents() {
  return NamesOf(kCharsetIdents);
}

int PointsToHeight(int points) {
  return -MulDiv(points, kScreenPixelsPerInch, 72);
}
int HeightToPoints(int height) {
  return -MulDiv(height, 72, kScreenPixelsPerInch);
}

// ---- Type information of the graphics types ---------------------------------------

const TTypeInfo& EnumTypeInfo<TFontStyle>::Info() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return info;
}

const TTypeInfo& SetTypeInfo<TFontStyle>::Info() {
  static const TTypeInfo info = MakeSetTypeInfo("TFontStyles", EnumTypeInfo<TFontStyle>::Info());
  return info;
}

const TTypeInfo& EnumTypeInfo<TFontPitch>::Info() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return info;
}

const TTypeInfo& TColorType::Info() {
  static const TTypeInfo info = [] {
    TTypeInfo t;
    t.Kind = TTypeKind::Integer;
    t.Name = "TColor";
    t.IntToIdent = &ColorToIdent;
    t.IdentToInt = &IdentToColor;
    t.Idents = &ColorIdents;
    return t;
  }();
  return info;
}

const TTypeInfo& TFontCharsetType::Info() {
  static const TTypeInfo info = [] {
    TTypeInfo t;
    t.Kind = TTypeKind::Integer;
    t.Name = "TFontCharset";
    t.MinValue = 0;
    t.MaxValue = 255;
    t.IntToIdent = &CharsetToIdent;
    t.IdentToInt = &IdentToCharset;
    t.Idents = &CharsetIdents;
    return t;
  }();
  return info;
}

const TTypeInfo& TFontNameType::Info() {
  static const TTypeInfo info = [] {
    TTypeInfo t;
    t.Kind = TTypeKind::String;
    t.Name = "TFontName";
    return t;
  }();
  return info;
}

// ---- TFont ------------------------------------------------------------------------

TFont::TFont() = default;

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TFont>("TFont", &TPersistent::StaticClassInfo())
          .Property<TFontCharsetType>("Charset", &TFont::GetCharset, &TFont::SetCharset)
          .Property<TColorType>("Color", &TFont::GetColor, &TFont::SetColor)
          .Property("Height", &TFont::GetHeight, &TFont::SetHeight)
          .Property<TFontNameType>("Name", &TFont::GetName, &TFont::SetName)
          .Property("Pitch", &TFont::GetPitch, &TFont::SetPitch,
                    [](const TFont& f) { return f.GetPitch() != TFontPitch::fpDefault; })
          .Property("Style", &TFont::GetStyle, &TFont::SetStyle)
          .Build();
  return info;
}

void TFont::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TFont*>(&source);
  if (!other) return TPersistent::Assign(source);
  if (*this == *other) return;
  FCharset = other->FCharset;
  FColor = other->FColor;
  FHeight = other->FHeight;
  FName = other->FName;
  FPitch = other->FPitch;
  FStyle = other->FStyle;
  Changed();
}

bool TFont::operator==(const TFont& o) const {
  return FCharset == o.FCharset && FColor == o.FColor && FHeight == o.FHeight && FName == o.FName &&
         FPitch == o.FPitch && FStyle == o.FStyle;
}

void TFont::Changed() {
  if (OnChange) OnChange(*this);
}

void TFont::SetCharset(TFontCharset value) {
  if (value == FCharset) return;
  FCharset = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TFont::SetHeight(int32_t value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

void TFont::SetName(const std::string& value) {
  if (value == FName || value.empty()) return;
  FName = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == FPitch) return;
  FPitch = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

QFont TFont::ToQFont() const {
  QFont f(AnsiToQString(FName));
  // A negative height is the character (em) height in pixels, as Qt's pixel size is;
  // a positive one is the cell height, which for interface faces is close enough.
  f.setPixelSize(FHeight == 0 ? 11 : std::abs(FHeight));
  f.setBold(FStyle.Contains(TFontStyle::fsBold));
  f.setItalic(FStyle.Contains(TFontStyle::fsItalic));
  f.setUnderline(FStyle.Contains(TFontStyle::fsUnderline));
  f.setStrikeOut(FStyle.Contains(TFontStyle::fsStrikeOut));
  if (FPitch == TFontPitch::fpFixed) f.setFixedPitch(true);
  // Grey-scale antialiasing only: sub-pixel colour fringes would differ between screens
  // and make rendered skin images depend on the machine.
  f.setStyleStrategy(QFont::NoSubpixelAntialias);
  return f;
}

}  // namespace vt
