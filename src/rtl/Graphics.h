#pragma once
// Colours, charsets and fonts as the skin files store them.
#include <QFont>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TypInfo.h"

namespace vt {

// 0x00BBGGRR for a direct colour, 0xFF0000nn for system colour nn, clNone for no colour.
using TColor = int32_t;

constexpr TColor MakeSysColor(int index) {
  return static_cast<TColor>(0xFF000000u | unsigned(index));
}
constexpr TColor RGB(int r, int g, int b) {
  return r | (g << 8) | (b << 16);
}
constexpr int GetRValue(TColor c) {
  return c & 0xFF;
}
constexpr int GetGValue(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr int GetBValue(TColor c) {
  return (c >> 16) & 0xFF;
}
constexpr bool IsSysColor(TColor c) {
  return (uint32_t(c) & 0xFF000000u) == 0xFF000000u;
}

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

enum TSysColorIndex : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
};

constexpr TColor clScrollBar = MakeSysColor(0), clBackground = MakeSysColor(1),
                 clActiveCaption = MakeSysColor(2), clInactiveCaption = MakeSysColor(3),
                 clMenu = MakeSysColor(4), clWindow = MakeSysColor(5),
                 clWindowFrame = MakeSysColor(6), clMenuText = MakeSysColor(7),
                 clWindowText = MakeSysColor(8), clCaptionText = MakeSysColor(9),
                 clActiveBorder = MakeSysColor(10), clInactiveBorder = MakeSysColor(11),
                 clAppWorkSpace = MakeSysColor(12), clHighlight = MakeSysColor(13),
                 clHighlightText = MakeSysColor(14), clBtnFace = MakeSysColor(15),
                 clBtnShadow = MakeSysColor(16), clGrayText = MakeSysColor(17),
                 clBtnText = MakeSysColor(18), clInactiveCaptionText = MakeSysColor(19),
                 clBtnHighlight = MakeSysColor(20), cl3DDkShadow = MakeSysColor(21),
                 cl3DLight = MakeSysColor(22), clInfoText = MakeSysColor(23),
                 clInfoBk = MakeSysColor(24), clHotLight = MakeSysColor(26),
                 clGradientActiveCaption = MakeSysColor(27),
                 clGradientInactiveCaption = MakeSysColor(28), clMenuHighlight = MakeSysColor(29),
                 clMenuBar = MakeSysColor(30);

// The desktop's RGB value of system colour `index` (0x00BBGGRR): the running
// application's palette when a GUI runs, else the classic desktop values.
TColor GetSysColor(int index);
// A system colour becomes its RGB value; clNone and clDefault become black; others stay.
TColor ColorToRGB(TColor color);

// "clWhite" where an identifier exists, else "$" and eight hex digits.
std::string ColorToString(TColor color);
// Identifiers (any case), "$" hex or decimal; EConvertError otherwise.
TColor StringToColor(std::string_view text);
std::optional<std::string> ColorToIdent(int32_t color);
std::optional<int32_t> IdentToColor(std::string_view ident);
std::vector<std::string> ColorIdents();  // every identifier, in the standard order

// ---- Hue and brightness shifts ------------------------------------------------------
// One definition shared by skin images (per pixel) and the theme's colour tables (per
// entry), so that a shifted theme and its shifted images agree to the last bit.
//
// Brightness adds `delta` to red, green and blue, each clamped to 0..255.
// Hue converts to hue/saturation/lightness (hue on 0..1), adds delta / 255 to the hue,
// wrapping into 0..1, and converts back, rounding each component to the nearest integer
// (halves away from zero). Greys have no hue and stay as they are. These are the same
// operations, in the same order, as TteBitmap::ChangeHue (a theme test holds the two to
// the same bytes), in double precision without fused or reordered operations.
inline void ChangeRGBBrightness(uint8_t& r, uint8_t& g, uint8_t& b, int delta) {
  auto shift = [delta](uint8_t v) {
    return static_cast<uint8_t>(std::clamp(int64_t{v} + delta, int64_t{0}, int64_t{255}));
  };
  r = shift(r);
  g = shift(g);
  b = shift(b);
}

namespace detail {
inline double HueToChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}
inline uint8_t UnitToByte(double v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}
}  // namespace detail

inline void ChangeRGBHue(uint8_t& r, uint8_t& g, uint8_t& b, int delta) {
  const double rf = r / 255.0, gf = g / 255.0, bf = b / 255.0;
  const double maxc = std::max({rf, gf, bf}), minc = std::min({rf, gf, bf});
  if (maxc == minc) return;
  const double d = maxc - minc, l = (maxc + minc) / 2;
  const double s = l > 0.5 ? d / (2 - maxc - minc) : d / (maxc + minc);
  double h = maxc == rf   ? (gf - bf) / d + (gf < bf ? 6 : 0)
             : maxc == gf ? (bf - rf) / d + 2
                          : (rf - gf) / d + 4;
  h = std::fmod(h / 6 + delta / 255.0, 1.0);
  if (h < 0) h += 1;
  const double q = l < 0.5 ? l * (1 + s) : l + s - l * s, p = 2 * l - q;
  r = detail::UnitToByte(detail::HueToChannel(p, q, h + 1.0 / 3));
  g = detail::UnitToByte(detail::HueToChannel(p, q, h));
  b = detail::UnitToByte(detail::HueToChannel(p, q, h - 1.0 / 3));
}

// The same on a direct colour (0x00BBGGRR); the top byte is kept.
inline TColor ChangeColorHue(TColor color, int delta) {
  uint8_t r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  ChangeRGBHue(r, g, b, delta);
  return static_cast<TColor>((uint32_t(color) & 0xFF000000u) | uint32_t(RGB(r, g, b)));
}
inline TColor ChangeColorBrightness(TColor color, int delta) {
  uint8_t r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  ChangeRGBBrightness(r, g, b, delta);
  return static_cast<TColor>((uint32_t(color) & 0xFF000000u) | uint32_t(RGB(r, g, b)));
}

// The 32-bit pixel (blue, green, red, alpha bytes in memory: 0xAARRGGBB as a number) of a
// colour, alpha 255; system colours are resolved first.
uint32_t ColorToPixel(TColor color);
TColor PixelToColor(uint32_t pixel);
// The transparent key of every skin image: red 127, green 0, blue 127, alpha 0.
constexpr uint32_t kKeyPixel = 0x007F007F;
constexpr TColor kKeyColor = RGB(127, 0, 127);

// ---- Charsets ---------------------------------------------------------------------

using TFontCharset = uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, MAC_CHARSET = 77,
                       SHIFTJIS_CHARSET = 128, HANGEUL_CHARSET = 129, JOHAB_CHARSET = 130,
                       GB2312_CHARSET = 134, CHINESEBIG5_CHARSET = 136, GREEK_CHARSET = 161,
                       TURKISH_CHARSET = 162, VIETNAMESE_CHARSET = 163, HEBREW_CHARSET = 177,
                       ARABIC_CHARSET = 178, BALTIC_CHARSET = 186, RUSSIAN_CHARSET = 204,
                       THAI_CHARSET = 222, EASTEUROPE_CHARSET = 238, OEM_CHARSET = 255;
std::optional<std::string> CharsetToIdent(int32_t charset);
std::optional<int32_t> IdentToCharset(std::string_view ident);
std::vector<std::string> CharsetIdents();

// ---- Fonts ------------------------------------------------------------------------

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSetOf<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

template <>
struct EnumTypeInfo<TFontStyle> {
  static const TTypeInfo& Info();
};
template <>
struct SetTypeInfo<TFontStyle> {
  static const TTypeInfo& Info();
};
template <>
struct EnumTypeInfo<TFontPitch> {
  static const TTypeInfo& Info();
};

// Named traits of the integer and string aliases above.
struct TColorType : TPropTraits<int32_t> {
  static const TTypeInfo& Info();
};
struct TFontCharsetType {
  using Value = TFontCharset;
  static const TTypeInfo& Info();
  static TPropValue ToValue(TFontCharset v) { return int64_t{v}; }
  static TFontCharset FromValue(const TPropValue& v) {
    return static_cast<TFontCharset>(std::get<int64_t>(v));
  }
};
struct TFontNameType : TPropTraits<std::string> {
  static const TTypeInfo& Info();
};

// The screen's logical resolution: points and pixels convert through it.
constexpr int kScreenPixelsPerInch = 96;
int PointsToHeight(int points);  // -round(points * 96 / 72)
int HeightToPoints(int height);  // round(-height * 72 / 96)

class TFont : public TPersistent {
 public:
  TFont();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;

  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  int32_t GetHeight() const { return FHeight; }
  void SetHeight(int32_t value);
  const std::string& GetName() const { return FName; }
  void SetName(const std::string& value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles value);
  int32_t GetSize() const { return HeightToPoints(FHeight); }
  void SetSize(int32_t points) { SetHeight(PointsToHeight(points)); }

  // Called after every change (not during Assign's individual steps: once at its end).
  std::function<void(TFont&)> OnChange;

  // The Qt font for text output: the face, pixel size |Height|, styles.
  QFont ToQFont() const;
  bool operator==(const TFont& other) const;

 private:
  void Changed();

  TFontCharset FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  int32_t FHeight = PointsToHeight(8);
  std::string FName = "Tahoma";
  TFontPitch FPitch = TFontPitch::fpDefault;
  TFontStyles FStyle;
};

}  // namespace vt
