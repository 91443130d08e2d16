#pragma once
// The theme tables a skin source owns and stores: 22 colours, 26 system-colour overrides,
// 66 fonts, with their index names and the font text form. The theme model
// (theme/te_theme.h) holds one of each too; the back reference to the owning theme is
// opaque here.
#include <array>
#include <string>
#include <string_view>

#include "rtl/Classes.h"
#include "rtl/Graphics.h"

namespace vt {

class TteTheme;

// ---- Table indices ---------------------------------------------------------------

enum TteColorIndex : int {
  ciCaptionNormal,
  ciCaptionInactive,
  ciWindowBorder,
  ciWindow,
  ciBorder,
  ciPanelNormal,
  ciPanelDisabled,
  ciButtonNormal,
  ciButtonHot,
  ciButtonPressed,
  ciButtonFocused,
  ciButtonDisabled,
  ciEditNormal,
  ciEditHot,
  ciEditFocused,
  ciEditDisabled,
  ciEditSelection,
  ciHint,
  ciList,
  ciTree,
  ciGrid,
  ciBarDock,
};

enum TteFontIndex : int {
  fiCaptionTextNormal,
  fiCaptionTextInactive,
  fiSmCaptionTextNormal,
  fiSmCaptionTextInactive,
  fiStaticTextNormal,
  fiStaticTextHot,
  fiStaticTextFocused,
  fiStaticTextDisabled,
  fiPanelTextNormal,
  fiPanelTextDisabled,
  fiButtonTextNormal,
  fiButtonTextPressed,
  fiButtonTextHot,
  fiButtonTextFocused,
  fiButtonTextDisabled,
  fiCheckBoxTextNormal,
  fiCheckBoxTextPressed,
  fiCheckBoxTextHot,
  fiCheckBoxTextFocused,
  fiCheckBoxTextDisabled,
  fiRadioButtonTextNormal,
  fiRadioButtonTextPressed,
  fiRadioButtonTextHot,
  fiRadioButtonTextFocused,
  fiRadioButtonTextDisabled,
  fiGroupBoxTextNormal,
  fiGroupBoxTextDisabled,
  fiWindowTextNormal,
  fiWindowTextDisabled,
  fiEditBoxTextNormal,
  fiEditBoxTextFocused,
  fiEditBoxTextHot,
  fiEditBoxTextDisabled,
  fiEditBoxTextSelected,
  fiMenuItemTextNormal,
  fiMenuItemTextSelected,
  fiMenuItemTextHot,
  fiMenuItemTextDisabled,
  fiToolItemTextNormal,
  fiToolItemTextSelected,
  fiToolItemTextHot,
  fiToolItemTextDisabled,
  fiHeaderSectionTextNormal,
  fiHeaderSectionTextPressed,
  fiHeaderSectionTextDraggedOut,
  fiHeaderSectionTextDragging,
  fiHeaderSectionTextHot,
  fiHeaderSectionTextUnderDrag,
  fiHeaderSectionTextDisabled,
  fiStatusPanelTextNormal,
  fiStatusPanelTextDisabled,
  fiTabTextInactiveNormal,
  fiTabTextInactiveHot,
  fiTabTextInactiveDisabled,
  fiTabTextActiveNormal,
  fiTabTextActiveHot,
  fiTabTextActiveDisabled,
  fiListItemTextNormal,
  fiListItemTextHot,
  fiListItemTextSelected,
  fiListItemTextFocused,
  fiListItemTextDisabled,
  fiPopupMenuItemTextNormal,
  fiPopupMenuItemTextSelected,
  fiPopupMenuItemTextHot,
  fiPopupMenuItemTextDisabled,
};

// ---- Tables ---------------------------------------------------------------------------

// The 22 theme colours. Entries are colour values: direct, system colour or clNone.
class TteThemeColors : public TPersistent {
 public:
  static constexpr int kCount = 22;
  explicit TteThemeColors(TteTheme* theme = nullptr) : FTheme(theme) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;
  // Indices outside 0..21 fail with an Exception naming the index (file readers pass
  // indices taken from the file).
  TColor GetColor(int index) const;
  void SetColor(int index, TColor value);
  // "CaptionNormal" ... "BarDock": the names of the colour table form.
  static const char* ColorName(int index);
  TteTheme* Theme() const { return FTheme; }

  // The shifts of a table: each entry becomes its RGB value, then is shifted. clNone
  // entries stay none. Nothing happens for delta 0.
  void ChangeHue(int delta);
  void ChangeBrightness(int delta);

 private:
  TteTheme* FTheme;
  std::array<TColor, kCount> FColors{};
};

// The theme's own values of 26 system colours (the fixed list SystemColor(0..25)).
//
// The table keeps each entry's unshifted value beside the value in use. Assigning or
// setting an entry sets both; ApplyDeltas derives the values in use from the unshifted
// ones. Shifting therefore never accumulates: a theme that is updated twice, or whose
// hue goes from 10 to 20, shows the shift of its current deltas only.
class TteThemeSysColors : public TPersistent {
 public:
  static constexpr int kCount = 26;
  // On creation every entry is the desktop's RGB value of its system colour.
  explicit TteThemeSysColors(TteTheme* theme = nullptr);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;
  TColor GetColor(int index) const;               // the value in use
  void SetColor(int index, TColor value);         // Exception outside 0..25
  static TColor SystemColor(int index);           // clActiveBorder ... clWindowText
  static std::string SystemColorName(int index);  // "clActiveBorder" ...
  static int IndexOf(TColor systemColor);         // -1 when not one of the 26
  TteTheme* Theme() const { return FTheme; }

  // The stored value of one of the 26 system colours, else clNone.
  TColor GetThemeSysColor(TColor systemColor) const;
  // Stores only for one of the 26; any other colour is ignored.
  void SetThemeSysColor(TColor systemColor, TColor value);

  void ResetToDesktop();
  void ApplyDeltas(int deltaHue, int deltaBrightness);

 private:
  TteTheme* FTheme;
  std::array<TColor, kCount> FColors{};
  std::array<TColor, kCount> FUnshifted{};
};

// The 66 theme fonts and one scratch font that GetThemeFont fills per object name.
class TteThemeFonts : public TPersistent {
 public:
  static constexpr int kCount = 66;
  explicit TteThemeFonts(TteTheme* theme = nullptr);
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;
  TFont& Font(int index);  // Exception outside 0..65
  const TFont& Font(int index) const;
  TFont& Scratch() { return FScratch; }
  // "CaptionTextNormal" ... "PopupMenuItemTextDisabled": the names of the font table form.
  static const char* FontName(int index);
  TteTheme* Theme() const { return FTheme; }

  // Shifts the colour of every font as TteThemeColors shifts its entries.
  void ChangeHue(int delta);
  void ChangeBrightness(int delta);

 private:
  TteTheme* FTheme;
  std::array<TFont, kCount> FFonts;
  TFont FScratch;
};

// ---- Text forms ------------------------------------------------------------------

// "Tahoma,8,1,0,0,0,bold": face, size in points, charset, then red, green and blue of the
// font's colour (system colours resolved to the desktop's value), then ",bold",
// ",italic", ",underline", ",strikeout" for each style present.
std::string FontToString(const TFont& font);
// Reads that form into `font`, splitting at ";" or ","; fields that are missing keep the
// font's value, empty fields are skipped. A size outside -4096..4096, a charset or colour
// byte outside 0..255, or an unknown style word fails with EConvertError naming the text.
void StringToFont(std::string_view text, TFont& font);

}  // namespace vt
