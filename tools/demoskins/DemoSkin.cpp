#include "DemoSkin.h"

#include <map>

namespace vt::demo {

TAtlas& TDemoSkinBuilder::Atlas(const std::string& imageName, TTransparency transparency) {
  for (const auto& atlas : FAtlases)
    if (atlas->ImageName() == imageName) return *atlas;
  FAtlases.push_back(std::make_unique<TAtlas>(imageName, transparency));
  return *FAtlases.back();
}

void TDemoSkinBuilder::Bind(TteBitmapLink& link, const TAtlas& atlas, const std::string& key,
                            std::optional<TRect> part) {
  FLinks.push_back({&link, &atlas, key, part});
}

namespace {

void SetMargins(TSeSkinObject& object, const TMargins& margins) {
  object.SetMarginLeft(margins.Left);
  object.SetMarginTop(margins.Top);
  object.SetMarginRight(margins.Right);
  object.SetMarginBottom(margins.Bottom);
}

}  // namespace

TSeBitmapObject* TDemoSkinBuilder::ImagePart(TSeSkinObject* owner, const std::string& name,
                                             TRect bounds, const TAtlas& atlas,
                                             const std::string& key, TMargins margins,
                                             TscTileStyle tile) {
  auto* part = Child<TSeBitmapObject>(owner, name, bounds);
  SetMargins(*part, margins);
  part->SetTileStyle(tile);
  part->SetBorderTileStyle(TscTileStyle::tsStretch);
  Bind(*part->Bitmap(), atlas, key);
  return part;
}

TSeButtonObject* TDemoSkinBuilder::StatePart(TSeSkinObject* owner, const std::string& name,
                                             TRect bounds, const TAtlas& atlas,
                                             const std::string& prefix, TMargins margins,
                                             TscTileStyle tile) {
  auto* part = Child<TSeButtonObject>(owner, name, bounds);
  SetMargins(*part, margins);
  part->SetTileStyle(tile);
  part->SetBorderTileStyle(TscTileStyle::tsStretch);
  Bind(*part->Bitmap(), atlas, prefix + ".normal");
  Bind(*part->BitmapHot(), atlas, prefix + ".hot");
  Bind(*part->BitmapPressed(), atlas, prefix + ".pressed");
  Bind(*part->BitmapFocused(), atlas, prefix + ".focused");
  Bind(*part->BitmapDisabled(), atlas, prefix + ".disabled");
  return part;
}

TSeButtonObject* TDemoSkinBuilder::GlyphChild(TSeButtonObject* part, const TAtlas& atlas,
                                              const std::string& prefix) {
  // The glyph's name must differ from every part name, since parts are found by name
  // anywhere below their control's object. It fills its part (saClient), so that it stays
  // centred when the theme gives the part a control's bounds.
  TSeButtonObject* glyph = StatePart(part, part->GetName() + "Glyph", part->BoundsRect(), atlas,
                                     prefix, {}, TscTileStyle::tsCenter);
  glyph->SetAlign(TSeAlign::saClient);
  return glyph;
}

void RealignTree(TSeSkinObject& object) {
  object.AlignChildren();
  for (int i = 0; i < object.ChildCount(); ++i) RealignTree(*object.Children(i));
}

TDemoSkin TDemoSkinBuilder::Finish() {
  TDemoSkin skin;
  for (const auto& atlas : FAtlases) skin.Bitmaps.push_back(atlas->Pack());
  for (const TPendingLink& pending : FLinks) {
    const TRect whole = pending.Atlas->Rect(pending.Key);
    pending.Link->SetName(pending.Atlas->ImageName());
    pending.Link->SetRect(pending.Part ? pending.Part->Offset(whole.Left, whole.Top) : whole);
  }
  FLinks.clear();
  for (auto& object : FObjects) RealignTree(*object);
  skin.Objects = std::move(FObjects);
  return skin;
}

TDemoSkin BuildDemoSkin(const TLook& look) {
  TDemoSkinBuilder builder(look);
  BuildWindowFrames(builder);
  BuildButtons(builder);
  BuildBarsAndTracks(builder);
  BuildFields(builder);
  BuildMenusAndBars(builder);
  BuildContainers(builder);
  TDemoSkin skin = builder.Finish();
  skin.SkinName = look.SkinName;
  skin.SkinVersion = "1.0";
  skin.Author = "VtSkinEd demo skins";
  skin.AuthorEMail = "";
  skin.AuthorURL = "";
  FillThemeTables(look, skin);
  return skin;
}

void StoreDemoSkin(TDemoSkin& skin, TSeSkinSource& source) {
  source.Clear();
  source.SetSkinName(skin.SkinName);
  source.SetSkinVersion(skin.SkinVersion);
  source.SetAuthor(skin.Author);
  source.SetAuthorEMail(skin.AuthorEMail);
  source.SetAuthorURL(skin.AuthorURL);
  for (auto& bitmap : skin.Bitmaps) source.Bitmaps().Add(bitmap.release());
  for (auto& object : skin.Objects) source.AddObject(object.release());
  skin.Bitmaps.clear();
  skin.Objects.clear();
  source.Colors().Assign(*skin.Colors);
  source.SysColors().Assign(*skin.SysColors);
  source.Fonts().Assign(*skin.Fonts);
}

// ---- Tables ---------------------------------------------------------------------------

TColor ToColor(const TRgba& c) {
  return RGB(int(c.R + 0.5), int(c.G + 0.5), int(c.B + 0.5));
}

namespace {

TColor Middle(const TRgba& a, const TRgba& b) {
  return ToColor(Mix(a, b, 0.5));
}

void FillColors(const TLook& look, TteThemeColors& colors) {
  const TColor button = Middle(look.FaceTop, look.FaceBottom);
  const TColor values[TteThemeColors::kCount] = {
      Middle(look.CaptionTop, look.CaptionBottom),                              // CaptionNormal
      Middle(look.InactiveTop, look.InactiveBottom),                            // CaptionInactive
      ToColor(look.CaptionLine),                                                // WindowBorder
      ToColor(look.Window),                                                     // Window
      ToColor(look.Line),                                                       // Border
      ToColor(look.Window),                                                     // PanelNormal
      ToColor(look.Window),                                                     // PanelDisabled
      button,                                                                   // ButtonNormal
      Middle(look.FaceHotTop, look.FaceHotBottom),                              // ButtonHot
      Middle(look.FacePressedTop, look.FacePressedBottom),                      // ButtonPressed
      button,                                                                   // ButtonFocused
      ToColor(Mix(Mix(look.FaceTop, look.FaceBottom, 0.5), look.Window, 0.6)),  // ButtonDisabled
      ToColor(look.Field),                                                      // EditNormal
      ToColor(look.Field),                                                      // EditHot
      ToColor(look.Field),                                                      // EditFocused
      ToColor(look.FieldDisabled),                                              // EditDisabled
      ToColor(look.Accent),                                                     // EditSelection
      Middle(look.HintTop, look.HintBottom),                                    // Hint
      ToColor(look.Field),                                                      // List
      ToColor(look.Field),                                                      // Tree
      ToColor(look.Field),                                                      // Grid
      Middle(look.BarTop, look.BarBottom),                                      // BarDock
  };
  for (int i = 0; i < TteThemeColors::kCount; ++i) colors.SetColor(i, values[i]);
}

void FillSysColors(const TLook& look, TteThemeSysColors& sysColors) {
  const std::map<TColor, TColor> values = {
      {clActiveBorder, ToColor(look.CaptionLine)},
      {clActiveCaption, Middle(look.CaptionTop, look.CaptionBottom)},
      {clAppWorkSpace, ToColor(Lighten(look.Window, look.Dark ? -0.3 : -0.12))},
      {clBackground, ToColor(Lighten(look.Accent, -0.45))},
      {clBtnFace, Middle(look.FaceTop, look.FaceBottom)},
      {clBtnHighlight, ToColor(look.Dark ? look.FaceHotTop : Rgb(255, 255, 255))},
      {clBtnShadow, ToColor(look.Line)},
      {clBtnText, ToColor(look.Text)},
      {clCaptionText, ToColor(look.CaptionText)},
      {clDefault, ToColor(look.Window)},
      {clGrayText, ToColor(look.TextDisabled)},
      {clHighlight, ToColor(look.Accent)},
      {clHighlightText, ToColor(look.AccentText)},
      {clInactiveBorder, ToColor(look.InactiveLine)},
      {clInactiveCaption, Middle(look.InactiveTop, look.InactiveBottom)},
      {clInactiveCaptionText, ToColor(look.InactiveText)},
      {clInfoBk, Middle(look.HintTop, look.HintBottom)},
      {clInfoText, ToColor(look.HintText)},
      {clMenu, ToColor(look.MenuBack)},
      {clMenuText, ToColor(look.Text)},
      {clScrollBar, ToColor(look.Track)},
      {cl3DDkShadow, ToColor(Lighten(look.Line, -0.35))},
      {cl3DLight, ToColor(look.Dark ? look.FaceHotBottom : look.FaceTop)},
      {clWindow, ToColor(look.Field)},
      {clWindowFrame, ToColor(look.Line)},
      {clWindowText, ToColor(look.Text)},
  };
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    sysColors.SetColor(i, values.at(TteThemeSysColors::SystemColor(i)));
}

enum class TWeight { Regular, Bold };

void SetFont(TteThemeFonts& fonts, int index, const TRgba& colour,
             TWeight weight = TWeight::Regular) {
  TFont& font = fonts.Font(index);
  font.SetName("Tahoma");
  font.SetSize(8);
  font.SetColor(ToColor(colour));
  font.SetStyle(weight == TWeight::Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

void FillFonts(const TLook& look, TteThemeFonts& fonts) {
  // Everything starts as the normal text; the entries below give captions, disabled,
  // selected and secondary texts their own colours.
  for (int i = 0; i < TteThemeFonts::kCount; ++i) SetFont(fonts, i, look.Text);
  SetFont(fonts, fiCaptionTextNormal, look.CaptionText, TWeight::Bold);
  SetFont(fonts, fiCaptionTextInactive, look.InactiveText, TWeight::Bold);
  SetFont(fonts, fiSmCaptionTextNormal, look.CaptionText, TWeight::Bold);
  SetFont(fonts, fiSmCaptionTextInactive, look.InactiveText, TWeight::Bold);
  for (int index :
       {fiStaticTextDisabled, fiPanelTextDisabled, fiButtonTextDisabled, fiCheckBoxTextDisabled,
        fiRadioButtonTextDisabled, fiGroupBoxTextDisabled, fiWindowTextDisabled,
        fiEditBoxTextDisabled, fiMenuItemTextDisabled, fiToolItemTextDisabled,
        fiHeaderSectionTextDisabled, fiStatusPanelTextDisabled, fiTabTextInactiveDisabled,
        fiTabTextActiveDisabled, fiListItemTextDisabled, fiPopupMenuItemTextDisabled})
    SetFont(fonts, index, look.TextDisabled);
  for (int index : {fiEditBoxTextSelected, fiListItemTextSelected, fiPopupMenuItemTextSelected,
                    fiPopupMenuItemTextHot})
    SetFont(fonts, index, look.AccentText);
  for (int index : {fiTabTextInactiveNormal, fiStatusPanelTextNormal})
    SetFont(fonts, index, look.TextDim);
  SetFont(fonts, fiGroupBoxTextNormal, look.Text, TWeight::Bold);
}

}  // namespace

void FillThemeTables(const TLook& look, TDemoSkin& skin) {
  FillColors(look, *skin.Colors);
  FillSysColors(look, *skin.SysColors);
  FillFonts(look, *skin.Fonts);
}

}  // namespace vt::demo
