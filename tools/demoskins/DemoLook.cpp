#include "DemoLook.h"

namespace vt::demo {

// A calm light look: blue active caption, white fields, soft grey faces.
TLook LightLook() {
  TLook look;
  look.FileStem = "demo-light";
  look.SkinName = "Veltrane Light";
  look.Dark = false;
  look.Accent = Rgb(46, 111, 212);
  look.AccentText = Rgb(255, 255, 255);
  look.Window = Rgb(240, 241, 244);
  look.FaceTop = Rgb(253, 253, 254);
  look.FaceBottom = Rgb(229, 231, 236);
  look.FaceHotTop = Rgb(255, 255, 255);
  look.FaceHotBottom = Rgb(232, 240, 251);
  look.FacePressedTop = Rgb(206, 212, 222);
  look.FacePressedBottom = Rgb(222, 226, 233);
  look.Line = Rgb(160, 167, 179);
  look.LineHot = Rgb(98, 146, 218);
  look.FieldLine = Rgb(150, 157, 169);
  look.Highlight = Rgb(255, 255, 255, 210);
  look.Shade = Rgb(0, 0, 0, 26);
  look.Text = Rgb(28, 30, 34);
  look.TextDim = Rgb(88, 94, 104);
  look.TextDisabled = Rgb(158, 162, 170);
  look.Field = Rgb(255, 255, 255);
  look.FieldDisabled = Rgb(243, 244, 246);
  look.Track = Rgb(226, 228, 233);
  look.CaptionTop = Rgb(78, 138, 226);
  look.CaptionBottom = Rgb(44, 98, 188);
  look.CaptionLine = Rgb(30, 66, 132);
  look.CaptionText = Rgb(255, 255, 255);
  look.InactiveTop = Rgb(228, 231, 236);
  look.InactiveBottom = Rgb(207, 211, 218);
  look.InactiveLine = Rgb(148, 154, 165);
  look.InactiveText = Rgb(96, 102, 112);
  look.CloseHot = Rgb(214, 60, 50);
  look.MenuBack = Rgb(251, 251, 252);
  look.MenuLine = Rgb(178, 184, 194);
  look.HintTop = Rgb(255, 253, 232);
  look.HintBottom = Rgb(250, 243, 202);
  look.HintLine = Rgb(166, 154, 98);
  look.HintText = Rgb(42, 40, 30);
  look.BarTop = Rgb(246, 247, 249);
  look.BarBottom = Rgb(229, 232, 237);
  return look;
}

// A dark look for night work: graphite faces, a blue accent, light text.
TLook DarkLook() {
  TLook look;
  look.FileStem = "demo-dark";
  look.SkinName = "Veltrane Dark";
  look.Dark = true;
  look.Accent = Rgb(58, 130, 232);
  look.AccentText = Rgb(255, 255, 255);
  look.Window = Rgb(37, 39, 43);
  look.FaceTop = Rgb(72, 76, 83);
  look.FaceBottom = Rgb(57, 60, 66);
  look.FaceHotTop = Rgb(86, 91, 99);
  look.FaceHotBottom = Rgb(68, 72, 79);
  look.FacePressedTop = Rgb(38, 40, 44);
  look.FacePressedBottom = Rgb(47, 49, 54);
  look.Line = Rgb(20, 21, 24);
  look.LineHot = Rgb(88, 140, 214);
  look.FieldLine = Rgb(88, 92, 101);
  look.Highlight = Rgb(255, 255, 255, 34);
  look.Shade = Rgb(0, 0, 0, 60);
  look.Text = Rgb(226, 229, 234);
  look.TextDim = Rgb(160, 166, 176);
  look.TextDisabled = Rgb(100, 104, 112);
  look.Field = Rgb(27, 28, 31);
  look.FieldDisabled = Rgb(42, 44, 48);
  look.Track = Rgb(45, 47, 52);
  look.CaptionTop = Rgb(54, 57, 63);
  look.CaptionBottom = Rgb(41, 43, 48);
  look.CaptionLine = Rgb(13, 14, 16);
  look.CaptionText = Rgb(236, 238, 242);
  look.InactiveTop = Rgb(47, 49, 53);
  look.InactiveBottom = Rgb(41, 42, 46);
  look.InactiveLine = Rgb(26, 27, 30);
  look.InactiveText = Rgb(128, 132, 140);
  look.CloseHot = Rgb(196, 43, 28);
  look.MenuBack = Rgb(45, 47, 52);
  look.MenuLine = Rgb(18, 19, 22);
  look.HintTop = Rgb(60, 62, 68);
  look.HintBottom = Rgb(49, 51, 56);
  look.HintLine = Rgb(16, 17, 19);
  look.HintText = Rgb(226, 229, 234);
  look.BarTop = Rgb(50, 52, 57);
  look.BarBottom = Rgb(42, 44, 49);
  return look;
}

}  // namespace vt::demo
