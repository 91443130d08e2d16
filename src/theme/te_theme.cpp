// The theme's tables, their defaults and shifts, the font text form, and the parts of
// TteTheme that are not drawing (identity, creation order, loading stubs). The base
// drawing families are in te_themedraw.cpp.
#include "theme/te_theme.h"

#include <charconv>
#include <optional>
#include <vector>

#include "rtl/TypInfo.h"

namespace vt {

namespace {

// The base theme's colour defaults, by index. Border (4) is 0, as the table is created.
constexpr std::array<TColor, TteThemeColors::kCount> kDefaultColors = {
    0x00FF0000,  0x00C0C0C0, 0x00808080, 0x00C0C0C0, 0x00000000, clBtnFace, clBtnFace, clBtnFace,
    clBtnFace,   clBtnFace,  clBtnFace,  clBtnFace,  clWindow,   clWindow,  clWindow,  clBtnFace,
    clHighlight, clInfoBk,   clWindow,   clWindow,   clWindow,   clBtnFace,
};

struct TFontDefault {
  int Size;
  TColor Color;
  bool Bold;
};

// The base theme's font defaults; entries without one keep the created font.
std::optional<TFontDefault> DefaultFontOf(int index) {
  static const auto table = [] {
    std::array<std::optional<TFontDefault>, TteThemeFonts::kCount> t{};
    t[0] = TFontDefault{10, 0x00FFFFFF, true};
    t[1] = TFontDefault{10, 0x00C0C0C0, true};
    t[2] = TFontDefault{8, 0x00FFFFFF, true};
    t[3] = TFontDefault{8, 0x00C0C0C0, true};
    for (int i : {4,  5,  6,  7,  10, 11, 12, 13, 15, 16, 17, 18,
                  19, 20, 21, 22, 23, 24, 25, 27, 29, 30, 31, 46})
      t[i] = TFontDefault{8, 0x00000000, false};
    for (int i : {14, 26, 28, 32, 37, 41, 65}) t[i] = TFontDefault{8, clBtnShadow, false};
    t[33] = TFontDefault{8, 0x00FFFFFF, false};
    return t;
  }();
  return table[index];
}

}  // namespace

// ---- TteThemeOptions ------------------------------------------------------------------

const TClassInfo& TteThemeOptions::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteThemeOptions>("TteThemeOptions", &TPersistent::StaticClassInfo())
          .Property("OneObjectForEditButtons", &TteThemeOptions::GetOneObjectForEditButtons,
                    &TteThemeOptions::SetOneObjectForEditButtons)
          .Property("OneObjectForComboBoxes", &TteThemeOptions::GetOneObjectForComboBoxes,
                    &TteThemeOptions::SetOneObjectForComboBoxes)
          .Build();
  return info;
}

void TteThemeOptions::Assign(const TPersistent& source) {
  if (auto* options = dynamic_cast<const TteThemeOptions*>(&source)) {
    FOneObjectForEditButtons = options->FOneObjectForEditButtons;
    FOneObjectForComboBoxes = options->FOneObjectForComboBoxes;
    return;
  }
  TPersistent::Assign(source);
}

// ---- TteTheme: identity, tables, defaults ----------------------------------------------

TteTheme::TteTheme() : FName("Default theme") {
  FColors = std::make_unique<TteThemeColors>(this);
  FSysColors = std::make_unique<TteThemeSysColors>(this);
  FFonts = std::make_unique<TteThemeFonts>(this);
  FMetrics = std::make_unique<TteThemeMetrics>(this);
  FDrawing = std::make_unique<TteThemeDrawing>(this);
  FOptions = std::make_unique<TteThemeOptions>(this);
  TteTheme::UpdateTheme();
}

TteTheme::~TteTheme() {
  FOptions.reset();
  FMetrics.reset();
  FDrawing.reset();
  FFonts.reset();
  FSysColors.reset();
  FColors.reset();
}

const TClassInfo& TteTheme::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteTheme>("TteTheme", &TPersistent::StaticClassInfo()).Build();
  return info;
}

const TteThemeClass& TteTheme::ThemeClass() const {
  return ThemeClassOf<TteTheme>();
}

void TteTheme::Assign(const TPersistent& source) {
  if (auto* theme = dynamic_cast<const TteTheme*>(&source)) {
    FName = theme->FName;
    FColors->Assign(*theme->FColors);
    FSysColors->Assign(*theme->FSysColors);
    FFonts->Assign(*theme->FFonts);
    FOptions->Assign(*theme->FOptions);
    return;
  }
  TPersistent::Assign(source);
}

void TteTheme::SetDeltaHue(int32_t value) {
  if (value == FDeltaHue) return;
  FDeltaHue = value;
  UpdateTheme();
}

void TteTheme::SetDeltaBrightness(int32_t value) {
  if (value == FDeltaBrightness) return;
  FDeltaBrightness = value;
  UpdateTheme();
}

void TteTheme::SetDeltas(int32_t hue, int32_t brightness) {
  if (hue == FDeltaHue && brightness == FDeltaBrightness) return;
  FDeltaHue = hue;
  FDeltaBrightness = brightness;
  UpdateTheme();
}

void TteTheme::SetDefaultColors() {
  for (int i = 0; i < TteThemeColors::kCount; ++i) FColors->SetColor(i, kDefaultColors[i]);
  FColors->ChangeHue(FDeltaHue);
  FColors->ChangeBrightness(FDeltaBrightness);
}

void TteTheme::SetDefaultSysColors() {
  FSysColors->ApplyDeltas(FDeltaHue, FDeltaBrightness);
}

void TteTheme::SetDefaultFonts() {
  const TFont created;
  for (int i = 0; i < TteThemeFonts::kCount; ++i) {
    // Entries without a default go back to the created font, so that repeated updates
    // never shift their colour twice.
    TFont& font = FFonts->Font(i);
    font.Assign(created);
    font.SetName("Tahoma");
    if (const auto d = DefaultFontOf(i)) {
      font.SetSize(d->Size);
      font.SetColor(d->Color);
      font.SetStyle(d->Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    }
  }
  FFonts->ChangeHue(FDeltaHue);
  FFonts->ChangeBrightness(FDeltaBrightness);
}

void TteTheme::GetFont(TFont& font, int index, const std::string& /*objectName*/) {
  font.Assign(FFonts->Font(index));
}

bool TteTheme::LoadFromStream(TStream& /*stream*/) {
  return false;
}
bool TteTheme::SaveToStream(TStream& /*stream*/) {
  return false;
}
bool TteTheme::LoadFromFile(const std::string& /*fileName*/) {
  return false;
}
bool TteTheme::SaveToFile(const std::string& /*fileName*/) {
  return false;
}

void TteTheme::UpdateTheme() {
  SetDefaultColors();
  SetDefaultSysColors();
  SetDefaultFonts();
}

void TteTheme::DrawText(TCanvas& canvas, const TteTextInfo& info) {
  TRect rect = info.Rect;
  canvas.DrawText(info.Text, rect, info.Flags);
}

}  // namespace vt
