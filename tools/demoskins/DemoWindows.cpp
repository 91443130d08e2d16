// The window frames: "Form" and "ToolWindow".
//
// Each frame is painted once as a small complete window (rounded top corners, caption
// gradient, outline, bevel) in an active and an inactive look; the frame pieces link to
// sub-rectangles of that picture, so a designer who edits the picture edits every piece.
#include <span>

#include "DemoSkin.h"

namespace vt::demo {

namespace {

struct TFrameMetrics {
  std::string Image;     // image and top-level object name
  int Border = 4;        // resize border
  int Caption = 24;      // caption height below the top border
  int Corner = 8;        // width of the corner pieces
  double Radius = 7;     // top corner rounding
  int Width = 48;        // the painted sample window
  int ClientRows = 32;   // rows between the caption and the bottom border
  int ButtonWidth = 22;  // caption button picture
  int ButtonHeight = 18;
  int ButtonSlot = 24;    // room each caption button takes in the caption
  double Glyph = 13;      // glyph square inside a caption button
  int ObjectWidth = 320;  // the object's size as stored
  int ObjectHeight = 220;
  int Band() const { return Border + Caption; }
  int Height() const { return Band() + ClientRows + Border; }
};

TPicture PaintFrame(const TLook& look, const TFrameMetrics& m, bool active) {
  TPicture p(m.Width, m.Height());
  const TBox box{0, 0, double(m.Width), double(m.Height())};
  const TCorners corners{m.Radius, m.Radius, 3, 3};
  const TCoverage body = RoundRect(box, corners);
  const double band = m.Band();
  const auto inBand = [body, band](double x, double y) { return y < band ? body(x, y) : 0.0; };
  p.Fill(body, Solid(look.Window));
  p.Fill(inBand, active ? VerticalGradient(0, look.CaptionTop, band, look.CaptionBottom)
                        : VerticalGradient(0, look.InactiveTop, band, look.InactiveBottom));
  // The bevel: a light line just inside the top edge, and a shade under the caption.
  const TCoverage innerRing = RoundRectOutline(box.Inset(1), corners.Shrunk(1), 1);
  p.Fill([innerRing, band](double x, double y) { return y < band ? innerRing(x, y) : 0.0; },
         VerticalGradient(1, look.Highlight, band * 0.7, look.Highlight.WithAlpha(0)));
  p.FillRect({double(m.Border), band - 1, double(m.Width - m.Border), band}, Solid(look.Shade));
  const TRgba line = active ? (look.Dark ? look.Accent : look.CaptionLine) : look.InactiveLine;
  p.Fill(RoundRectOutline(box, corners, 1), Solid(line));
  return p;
}

enum class TButtonLook { Inactive, Active, Hot, Pressed };

TPicture PaintCaptionButton(const TLook& look, const TFrameMetrics& m, TGlyph glyph,
                            TButtonLook buttonLook) {
  TPicture p(m.ButtonWidth, m.ButtonHeight);
  const TBox box{0, 0, double(m.ButtonWidth), double(m.ButtonHeight)};
  const bool close = glyph == TGlyph::Close;
  TRgba glyphColour = buttonLook == TButtonLook::Inactive ? look.InactiveText : look.CaptionText;
  if (buttonLook == TButtonLook::Hot || buttonLook == TButtonLook::Pressed) {
    const bool pressed = buttonLook == TButtonLook::Pressed;
    const TRgba back = close ? Lighten(look.CloseHot, pressed ? -0.2 : 0)
                             : look.CaptionText.WithAlpha(pressed ? 80 : 45);
    p.Fill(RoundRect(box, TCorners::All(3)), Solid(back));
    if (close) glyphColour = Rgb(255, 255, 255);
  }
  const double cx = m.ButtonWidth / 2.0, cy = m.ButtonHeight / 2.0, half = m.Glyph / 2;
  PaintGlyph(p, glyph, {cx - half, cy - half, cx + half, cy + half}, glyphColour);
  return p;
}

struct TCaptionButton {
  const char* Name;
  TSeAction Action;
  TGlyph Glyph;
};

// Right to left, as the buttons take their places from the caption's right edge.
constexpr TCaptionButton kFormButtons[] = {
    {"Close", TSeAction::sbaClose, TGlyph::Close},
    {"Maximize", TSeAction::sbaMaximize, TGlyph::Maximize},
    {"Restore", TSeAction::sbaRestore, TGlyph::Restore},
    {"Minimize", TSeAction::sbaMinimize, TGlyph::Minimize},
    {"Help", TSeAction::sbaHelp, TGlyph::Help},
    {"RollUp", TSeAction::sbaRollUp, TGlyph::RollUp},
    {"RollDown", TSeAction::sbaRollDown, TGlyph::RollDown},
    {"Tray", TSeAction::sbaTray, TGlyph::Tray},
};
constexpr TCaptionButton kToolWindowButtons[] = {
    {"Close", TSeAction::sbaClose, TGlyph::Close},
};
constexpr TCaptionButton kSysMenuButton = {"SysMenu", TSeAction::sbaSysMenu, TGlyph::SysMenu};

void PaintCaptionButtons(TDemoSkinBuilder& b, TAtlas& atlas, const TFrameMetrics& m,
                         const TCaptionButton& button) {
  atlas.NewRow();
  const std::string prefix = std::string("button.") + button.Name;
  atlas.Add(prefix + ".inactive",
            PaintCaptionButton(b.Look, m, button.Glyph, TButtonLook::Inactive));
  atlas.Add(prefix + ".active", PaintCaptionButton(b.Look, m, button.Glyph, TButtonLook::Active));
  atlas.Add(prefix + ".hot", PaintCaptionButton(b.Look, m, button.Glyph, TButtonLook::Hot));
  atlas.Add(prefix + ".pressed", PaintCaptionButton(b.Look, m, button.Glyph, TButtonLook::Pressed));
}

TSeSystemButton* AddCaptionButton(TDemoSkinBuilder& b, TSeSkinObject* caption, const TAtlas& atlas,
                                  const TFrameMetrics& m, const TCaptionButton& button,
                                  TSeAlign align) {
  auto* object =
      b.Child<TSeSystemButton>(caption, button.Name, TRect::FromSize(0, 0, m.ButtonSlot, m.Caption),
                               align, TSeKind::skSysButton);
  object->SetAction(button.Action);
  object->SetTileStyle(TscTileStyle::tsCenter);
  object->SetMasked(false);
  const std::string prefix = std::string("button.") + button.Name;
  b.Bind(*object->Bitmap(), atlas, prefix + ".inactive");
  b.Bind(*object->ActiveBitmap(), atlas, prefix + ".active");
  b.Bind(*object->BitmapHot(), atlas, prefix + ".hot");
  b.Bind(*object->BitmapPressed(), atlas, prefix + ".pressed");
  return object;
}

// A frame piece: the inactive picture's part as Bitmap, the active one's as ActiveBitmap.
TSeActiveBitmap* AddPiece(TDemoSkinBuilder& b, TSeSkinObject* owner, const char* name, TSeKind kind,
                          TSeAlign align, TRect bounds, const TAtlas& atlas, TRect part,
                          bool masked) {
  auto* piece = b.Child<TSeActiveBitmap>(owner, name, bounds, align, kind);
  piece->SetTileStyle(TscTileStyle::tsStretch);
  piece->SetMasked(masked);
  b.Bind(*piece->Bitmap(), atlas, "frame.inactive", part);
  b.Bind(*piece->ActiveBitmap(), atlas, "frame.active", part);
  return piece;
}

TSeActiveObject* AddTitle(TDemoSkinBuilder& b, TSeSkinObject* caption, const TFrameMetrics& m) {
  auto* title = b.Child<TSeActiveObject>(caption, "Title", TRect::FromSize(0, 0, 100, m.Caption),
                                         TSeAlign::saClient, TSeKind::skTitle);
  title->SetColor(clNone);
  title->SetActiveColor(clNone);
  title->SetMasked(false);
  title->SetTextAlign(TSeTextAlign::taLeft);
  title->SetTextMarginLeft(4);
  TFont font;
  font.SetStyle({TFontStyle::fsBold});
  font.SetColor(ToColor(b.Look.InactiveText));
  title->SetFont(font);
  title->SetDisabledFont(font);
  font.SetColor(ToColor(b.Look.CaptionText));
  title->SetActiveFont(font);
  return title;
}

void BuildCaption(TDemoSkinBuilder& b, TSeSkinObject* band, const TAtlas& atlas,
                  const TFrameMetrics& m, bool sysMenu, std::span<const TCaptionButton> buttons) {
  const int w = m.Width, corner = m.Corner;
  auto* caption =
      AddPiece(b, band, "Caption", TSeKind::skCaption, TSeAlign::saClient,
               TRect::FromSize(corner, m.Border, m.ObjectWidth - 2 * corner, m.Caption), atlas,
               TRect::FromSize(corner, m.Border, w - 2 * corner, m.Caption), false);
  if (sysMenu) AddCaptionButton(b, caption, atlas, m, kSysMenuButton, TSeAlign::saLeft);
  for (const TCaptionButton& button : buttons)
    AddCaptionButton(b, caption, atlas, m, button, TSeAlign::saRight);
  AddTitle(b, caption, m);
}

void BuildFrame(TDemoSkinBuilder& b, const TFrameMetrics& m, bool sysMenu,
                std::span<const TCaptionButton> buttons) {
  TAtlas& atlas = b.Atlas(m.Image);
  atlas.Add("frame.active", PaintFrame(b.Look, m, true));
  atlas.Add("frame.inactive", PaintFrame(b.Look, m, false));
  if (sysMenu) PaintCaptionButtons(b, atlas, m, kSysMenuButton);
  for (const TCaptionButton& button : buttons) PaintCaptionButtons(b, atlas, m, button);

  const std::string name = m.Image == "form" ? "Form" : "ToolWindow";
  auto* form = b.TopLevel(name, m.ObjectWidth, m.ObjectHeight);
  form->SetKind(TSeKind::skForm);
  const int w = m.Width, h = m.Height(), band = m.Band(), border = m.Border, corner = m.Corner;
  const int rows = h - band - border;
  const int objectW = m.ObjectWidth, objectH = m.ObjectHeight;

  auto* top = b.Child<TSeSkinObject>(form, "TopBand", {0, 0, objectW, band}, TSeAlign::saMostTop);
  top->SetColor(clNone);
  AddPiece(b, top, "TopLeft", TSeKind::skTopLeft, TSeAlign::saMostLeft, {0, 0, corner, band}, atlas,
           {0, 0, corner, band}, true);
  AddPiece(b, top, "TopRight", TSeKind::skTopRight, TSeAlign::saMostRight,
           {objectW - corner, 0, objectW, band}, atlas, {w - corner, 0, w, band}, true);
  AddPiece(b, top, "Top", TSeKind::skTop, TSeAlign::saTop, {corner, 0, objectW - corner, border},
           atlas, {corner, 0, w - corner, border}, false);
  BuildCaption(b, top, atlas, m, sysMenu, buttons);

  auto* bottom = b.Child<TSeSkinObject>(form, "BottomBand", {0, objectH - border, objectW, objectH},
                                        TSeAlign::saMostBottom);
  bottom->SetColor(clNone);
  AddPiece(b, bottom, "BottomLeft", TSeKind::skBottomLeft, TSeAlign::saMostLeft,
           {0, objectH - border, corner, objectH}, atlas, {0, h - border, corner, h}, true);
  AddPiece(b, bottom, "BottomRight", TSeKind::skBottomRight, TSeAlign::saMostRight,
           {objectW - corner, objectH - border, objectW, objectH}, atlas,
           {w - corner, h - border, w, h}, true);
  AddPiece(b, bottom, "Bottom", TSeKind::skBottom, TSeAlign::saClient,
           {corner, objectH - border, objectW - corner, objectH}, atlas,
           {corner, h - border, w - corner, h}, false);

  AddPiece(b, form, "Left", TSeKind::skLeft, TSeAlign::saMostLeft,
           {0, band, border, objectH - border}, atlas, TRect::FromSize(0, band, border, rows),
           false);
  AddPiece(b, form, "Right", TSeKind::skRight, TSeAlign::saMostRight,
           {objectW - border, band, objectW, objectH - border}, atlas,
           TRect::FromSize(w - border, band, border, rows), false);
  auto* client =
      b.Child<TSeSkinObject>(form, "Client", {border, band, objectW - border, objectH - border},
                             TSeAlign::saClient, TSeKind::skClient);
  client->SetColor(ToColor(b.Look.Window));
  client->SetMasked(false);
}

}  // namespace

void BuildWindowFrames(TDemoSkinBuilder& builder) {
  TFrameMetrics form;
  form.Image = "form";
  BuildFrame(builder, form, true, kFormButtons);

  TFrameMetrics tool;
  tool.Image = "toolwindow";
  tool.Caption = 18;
  tool.Radius = 5;
  tool.Width = 40;
  tool.ClientRows = 24;
  tool.ButtonWidth = 16;
  tool.ButtonHeight = 14;
  tool.ButtonSlot = 18;
  tool.Glyph = 10;
  tool.ObjectWidth = 200;
  tool.ObjectHeight = 140;
  BuildFrame(builder, tool, false, kToolWindowButtons);
}

}  // namespace vt::demo
