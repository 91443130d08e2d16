// The theme's colour, system-colour and font tables and the font text form. They live
// with the skin data because a skin source owns and stores one of each; the theme model
// (theme/te_theme.h) builds on them.
#include "skin/te_themetables.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "rtl/TypInfo.h"

namespace vt {

namespace {

constexpr std::array<const char*, TteThemeColors::kCount> kColorNames = {
    "CaptionNormal", "CaptionInactive", "WindowBorder", "Window",    "Border",
    "PanelNormal",   "PanelDisabled",   "ButtonNormal", "ButtonHot", "ButtonPressed",
    "ButtonFocused", "ButtonDisabled",  "EditNormal",   "EditHot",   "EditFocused",
    "EditDisabled",  "EditSelection",   "Hint",         "List",      "Tree",
    "Grid",          "BarDock",
};

constexpr std::array<TColor, TteThemeSysColors::kCount> kSystemColors = {
    clActiveBorder,
    clActiveCaption,
    clAppWorkSpace,
    clBackground,
    clBtnFace,
    clBtnHighlight,
    clBtnShadow,
    clBtnText,
    clCaptionText,
    clDefault,
    clGrayText,
    clHighlight,
    clHighlightText,
    clInactiveBorder,
    clInactiveCaption,
    clInactiveCaptionText,
    clInfoBk,
    clInfoText,
    clMenu,
    clMenuText,
    clScrollBar,
    cl3DDkShadow,
    cl3DLight,
    clWindow,
    clWindowFrame,
    clWindowText,
};

constexpr std::array<const char*, TteThemeFonts::kCount> kFontNames = {
    "CaptionTextNormal",
    "CaptionTextInactive",
    "SmCaptionTextNormal",
    "SmCaptionTextInactive",
    "StaticTextNormal",
    "StaticTextHot",
    "StaticTextFocused",
    "StaticTextDisabled",
    "PanelTextNormal",
    "PanelTextDisabled",
    "ButtonTextNormal",
    "ButtonTextPressed",
    "ButtonTextHot",
    "ButtonTextFocused",
    "ButtonTextDisabled",
    "CheckBoxTextNormal",
    "CheckBoxTextPressed",
    "CheckBoxTextHot",
    "CheckBoxTextFocused",
    "CheckBoxTextDisabled",
    "RadioButtonTextNormal",
    "RadioButtonTextPressed",
    "RadioButtonTextHot",
    "RadioButtonTextFocused",
    "RadioButtonTextDisabled",
    "GroupBoxTextNormal",
    "GroupBoxTextDisabled",
    "WindowTextNormal",
    "WindowTextDisabled",
    "EditBoxTextNormal",
    "EditBoxTextFocused",
    "EditBoxTextHot",
    "EditBoxTextDisabled",
    "EditBoxTextSelected",
    "MenuItemTextNormal",
    "MenuItemTextSelected",
    "MenuItemTextHot",
    "MenuItemTextDisabled",
    "ToolItemTextNormal",
    "ToolItemTextSelected",
    "ToolItemTextHot",
    "ToolItemTextDisabled",
    "HeaderSectionTextNormal",
    "HeaderSectionTextPressed",
    "HeaderSectionTextDraggedOut",
    "HeaderSectionTextDragging",
    "HeaderSectionTextHot",
    "HeaderSectionTextUnderDrag",
    "HeaderSectionTextDisabled",
    "StatusPanelTextNormal",
    "StatusPanelTextDisabled",
    "TabTextInactiveNormal",
    "TabTextInactiveHot",
    "TabTextInactiveDisabled",
    "TabTextActiveNormal",
    "TabTextActiveHot",
    "TabTextActiveDisabled",
    "ListItemTextNormal",
    "ListItemTextHot",
    "ListItemTextSelected",
    "ListItemTextFocused",
    "ListItemTextDisabled",
    "PopupMenuItemTextNormal",
    "PopupMenuItemTextSelected",
    "PopupMenuItemTextHot",
    "PopupMenuItemTextDisabled",
};

void CheckIndex(int index, int count, const char* table) {
  if (index < 0 || index >= count)
    throw Exception(std::string(table) + " index " + std::to_string(index) + " is outside 0.." +
                    std::to_string(count - 1));
}

// "No colour" entries have no RGB value to shift and must stay what they are.
bool IsShiftable(TColor color) {
  return color != clNone && color != clDefault;
}

TColor ShiftHue(TColor color, int delta) {
  return IsShiftable(color) ? ChangeColorHue(ColorToRGB(color), delta) : color;
}
TColor ShiftBrightness(TColor color, int delta) {
  return IsShiftable(color) ? ChangeColorBrightness(ColorToRGB(color), delta) : color;
}

}  // namespace

// ---- TteThemeColors -------------------------------------------------------------------

const TClassInfo& TteThemeColors::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteThemeColors>("TteThemeColors", &TPersistent::StaticClassInfo()).Build();
  return info;
}

void TteThemeColors::Assign(const TPersistent& source) {
  if (auto* colors = dynamic_cast<const TteThemeColors*>(&source)) {
    FColors = colors->FColors;
    return;
  }
  TPersistent::Assign(source);
}

TColor TteThemeColors::GetColor(int index) const {
  CheckIndex(index, kCount, "Theme colour");
  return FColors[index];
}

void TteThemeColors::SetColor(int index, TColor value) {
  CheckIndex(index, kCount, "Theme colour");
  FColors[index] = value;
}

const char* TteThemeColors::ColorName(int index) {
  CheckIndex(index, kCount, "Theme colour");
  return kColorNames[index];
}

void TteThemeColors::ChangeHue(int delta) {
  if (delta == 0) return;
  for (TColor& c : FColors) c = ShiftHue(c, delta);
}

void TteThemeColors::ChangeBrightness(int delta) {
  if (delta == 0) return;
  for (TColor& c : FColors) c = ShiftBrightness(c, delta);
}

// ---- TteThemeSysColors ----------------------------------------------------------------

TteThemeSysColors::TteThemeSysColors(TteTheme* theme) : FTheme(theme) {
  ResetToDesktop();
}

const TClassInfo& TteThemeSysColors::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteThemeSysColors>("TteThemeSysColors", &TPersistent::StaticClassInfo())
          .Build();
  return info;
}

void TteThemeSysColors::Assign(const TPersistent& source) {
  if (auto* colors = dynamic_cast<const TteThemeSysColors*>(&source)) {
    FColors = colors->FColors;
    FUnshifted = colors->FUnshifted;
    return;
  }
  TPersistent::Assign(source);
}

TColor TteThemeSysColors::GetColor(int index) const {
  CheckIndex(index, kCount, "System colour");
  return FColors[index];
}

void TteThemeSysColors::SetColor(int index, TColor value) {
  CheckIndex(index, kCount, "System colour");
  FColors[index] = value;
  FUnshifted[index] = value;
}

TColor TteThemeSysColors::SystemColor(int index) {
  CheckIndex(index, kCount, "System colour");
  return kSystemColors[index];
}

std::string TteThemeSysColors::SystemColorName(int index) {
  return ColorToString(SystemColor(index));
}

int TteThemeSysColors::IndexOf(TColor systemColor) {
  for (int i = 0; i < kCount; ++i)
    if (kSystemColors[i] == systemColor) return i;
  return -1;
}

TColor TteThemeSysColors::GetThemeSysColor(TColor systemColor) const {
  const int index = IndexOf(systemColor);
  return index < 0 ? clNone : FColors[index];
}

void TteThemeSysColors::SetThemeSysColor(TColor systemColor, TColor value) {
  const int index = IndexOf(systemColor);
  if (index >= 0) SetColor(index, value);
}

void TteThemeSysColors::ResetToDesktop() {
  for (int i = 0; i < kCount; ++i) SetColor(i, ColorToRGB(kSystemColors[i]));
}

void TteThemeSysColors::ApplyDeltas(int deltaHue, int deltaBrightness) {
  for (int i = 0; i < kCount; ++i) {
    TColor c = FUnshifted[i];
    if (deltaHue != 0) c = ShiftHue(c, deltaHue);
    if (deltaBrightness != 0) c = ShiftBrightness(c, deltaBrightness);
    FColors[i] = c;
  }
}

// ---- TteThemeFonts --------------------------------------------------------------------

TteThemeFonts::TteThemeFonts(TteTheme* theme) : FTheme(theme) {
  for (TFont& font : FFonts) font.SetName("Tahoma");
}

const TClassInfo& TteThemeFonts::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteThemeFonts>("TteThemeFonts", &TPersistent::StaticClassInfo()).Build();
  return info;
}

void TteThemeFonts::Assign(const TPersistent& source) {
  if (auto* fonts = dynamic_cast<const TteThemeFonts*>(&source)) {
    for (int i = 0; i < kCount; ++i) FFonts[i].Assign(fonts->FFonts[i]);
    return;
  }
  TPersistent::Assign(source);
}

TFont& TteThemeFonts::Font(int index) {
  CheckIndex(index, kCount, "Theme font");
  return FFonts[index];
}

const TFont& TteThemeFonts::Font(int index) const {
  CheckIndex(index, kCount, "Theme font");
  return FFonts[index];
}

const char* TteThemeFonts::FontName(int index) {
  CheckIndex(index, kCount, "Theme font");
  return kFontNames[index];
}

void TteThemeFonts::ChangeHue(int delta) {
  if (delta == 0) return;
  for (TFont& font : FFonts) font.SetColor(ShiftHue(font.GetColor(), delta));
}

void TteThemeFonts::ChangeBrightness(int delta) {
  if (delta == 0) return;
  for (TFont& font : FFonts) font.SetColor(ShiftBrightness(font.GetColor(), delta));
}

// ---- Font text form -------------------------------------------------------------------

std::string FontToString(const TFont& font) {
  const TColor rgb = ColorToRGB(font.GetColor());
  std::string text = font.GetName() + "," + std::to_string(font.GetSize()) + "," +
                     std::to_string(font.GetCharset()) + "," + std::to_string(GetRValue(rgb)) +
                     "," + std::to_string(GetGValue(rgb)) + "," + std::to_string(GetBValue(rgb));
  const TFontStyles style = font.GetStyle();
  if (style.Contains(TFontStyle::fsBold)) text += ",bold";
  if (style.Contains(TFontStyle::fsItalic)) text += ",italic";
  if (style.Contains(TFontStyle::fsUnderline)) text += ",underline";
  if (style.Contains(TFontStyle::fsStrikeOut)) text += ",strikeout";
  return text;
}

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitFontFields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ',' || text[i] == ';') {
      fields.push_back(Trimmed(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  return fields;
}

[[noreturn]] void BadFontText(std::string_view text, const std::string& why) {
  throw EConvertError("Invalid font text \"" + std::string(text) + "\": " + why);
}

// A decimal integer within [low, high]; nullopt for an empty field.
std::optional<int> FontNumber(std::string_view text, std::string_view field, const char* what,
                              int low, int high) {
  if (field.empty()) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || value < low || value > high)
    BadFontText(text, std::string(what) + " \"" + std::string(field) + "\" is not a number in " +
                          std::to_string(low) + ".." + std::to_string(high));
  return value;
}

TFontStyle FontStyleWord(std::string_view text, std::string_view word) {
  if (SameText(word, "bold")) return TFontStyle::fsBold;
  if (SameText(word, "italic")) return TFontStyle::fsItalic;
  if (SameText(word, "underline")) return TFontStyle::fsUnderline;
  if (SameText(word, "strikeout")) return TFontStyle::fsStrikeOut;
  BadFontText(text, "unknown style \"" + std::string(word) + "\"");
}

}  // namespace

void StringToFont(std::string_view text, TFont& font) {
  const std::vector<std::string_view> f = SplitFontFields(text);
  auto field = [&f](size_t i) { return i < f.size() ? f[i] : std::string_view{}; };
  const auto size = FontNumber(text, field(1), "size", -4096, 4096);
  const auto charset = FontNumber(text, field(2), "charset", 0, 255);
  const auto red = FontNumber(text, field(3), "red", 0, 255);
  const auto green = FontNumber(text, field(4), "green", 0, 255);
  const auto blue = FontNumber(text, field(5), "blue", 0, 255);
  TFontStyles style;
  for (size_t i = 6; i < f.size(); ++i)
    if (!f[i].empty()) style.Include(FontStyleWord(text, f[i]));

  if (!field(0).empty()) font.SetName(std::string(field(0)));
  if (size) font.SetSize(*size);
  if (charset) font.SetCharset(static_cast<TFontCharset>(*charset));
  if (red && green && blue) font.SetColor(RGB(*red, *green, *blue));
  // The style words follow the six fixed fields; a shorter text says nothing about style.
  if (f.size() >= 6) font.SetStyle(style);
}

}  // namespace vt
