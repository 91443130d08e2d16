// The skin-backed theme's drawing families on a coded test skin: which part each request
// paints, in which object state, with which object (named or default), and what a
// request about a missing object or part answers.
#include <gtest/gtest.h>

#include <functional>

#include "SkinThemeTestSkin.h"
#include "theme/te_thememanager.h"

namespace vt {
namespace {

using namespace vt::testing;

const TRect kProbeRect{8, 8, 56, 56};

class SkinFileFamilies : public ::testing::Test {
 protected:
  void SetUp() override {
    FSkin = TTestSkin::Full();
    FTheme = FSkin->Theme();
  }

  // Paints one request into a blank image and probes its middle.
  TProbe Paint(const std::function<void(TTeSkinFile&, TCanvas&, const TRect&)>& request) {
    QImage image = BlankImage();
    TCanvas canvas(image);
    request(*FTheme, canvas, kProbeRect);
    return ProbeAt(image, 32, 32);
  }
  int Id(const std::string& object, const std::string& part = {}) {
    return FSkin->IdOf(object, part);
  }

  std::unique_ptr<TTestSkin> FSkin;
  std::unique_ptr<TTeSkinFile> FTheme;
};

TtePartInfo Part(const TRect& r, uint8_t part, uint8_t state,
                 TteOrientation orientation = koHorizontal, uint32_t flags = 0) {
  TtePartInfo info;
  info.Rect = r;
  info.Part = part;
  info.State = state;
  info.Orientation = orientation;
  info.Flags = flags;
  return info;
}

TEST(SkinFileStates, RequestStatesMapToObjectStates) {
  EXPECT_EQ(TTeSkinFile::ObjectStateOf(0), ssNormal);
  EXPECT_EQ(TTeSkinFile::ObjectStateOf(1), ssPressed);
  EXPECT_EQ(TTeSkinFile::ObjectStateOf(2), ssHot);
  EXPECT_EQ(TTeSkinFile::ObjectStateOf(3), ssDisabled);
  for (int other : {4, 5, 6, 7, 8, 255})
    EXPECT_EQ(TTeSkinFile::ObjectStateOf(uint8_t(other)), ssNormal);
}

TEST_F(SkinFileFamilies, ScrollBarPartsAndStates) {
  struct TCase {
    uint8_t Part;
    const char* Name;
  };
  const TCase cases[] = {{0, "TopButton"},   {1, "BottomButton"}, {4, "LeftButton"},
                         {5, "RightButton"}, {8, "HorzSlider"},   {9, "VertSlider"}};
  const std::pair<uint8_t, int> states[] = {{kpsNormal, scNormal},  {kpsPressed, scPressed},
                                            {kpsHot, scHot},        {kpsDisabled, scDisabled},
                                            {kpsFocused, scNormal}, {kpsSelected, scNormal}};
  for (const TCase& c : cases)
    for (auto [request, code] : states)
      EXPECT_EQ(Paint([&, request = request](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
                  t.ScrollDrawButton(cv, 0, Part(r, c.Part, request), "default");
                }),
                Expect(Id("ScrollBar", c.Name), code))
          << c.Name << " state " << int(request);
  for (uint8_t unknown : {2, 3, 6, 7, 10, 200})
    EXPECT_FALSE(Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
                   t.ScrollDrawButton(cv, 0, Part(r, unknown, kpsNormal), "default");
                 }).Painted);
  EXPECT_EQ(Paint([](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
              t.ScrollDrawTrack(cv, 0, Part(r, 0, kpsHot, koVertical), "default");
            }),
            Expect(Id("ScrollBar", "VertFrame"), scHot));
  EXPECT_EQ(Paint([](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
              t.ScrollDrawTrack(cv, 0, Part(r, 0, kpsNormal, koHorizontal), "default");
            }),
            Expect(Id("ScrollBar", "HorzFrame"), scNormal));
  EXPECT_EQ(Paint([](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
              t.ScrollDrawFrame(cv, 0, r, "default");
            }),
            Expect(Id("ScrollBox", "Frame"), scNormal));
}

TEST_F(SkinFileFamilies, NamedObjectsAndMisspeltNames) {
  auto skin = TTestSkin::Full();
  skin->AddObject("BlueScroll", {"TopButton"});
  auto theme = skin->Theme();
  auto paint = [&](const std::string& name, uint8_t part) {
    QImage image = BlankImage();
    TCanvas canvas(image);
    theme->ScrollDrawButton(canvas, 0, Part(kProbeRect, part, kpsHot), name);
    return ProbeAt(image, 32, 32);
  };
  EXPECT_EQ(paint("BlueScroll", kspTopButton),
            Expect(skin->IdOf("BlueScroll", "TopButton"), scHot));
  EXPECT_EQ(paint("bluescroll", kspTopButton),
            Expect(skin->IdOf("BlueScroll", "TopButton"), scHot));
  // A named object without the part paints nothing: the default is not consulted for parts.
  EXPECT_FALSE(paint("BlueScroll", kspBottomButton).Painted);
  // A misspelt name paints like an unnamed control.
  EXPECT_EQ(paint("BlueScrol", kspTopButton), paint("default", kspTopButton));
  EXPECT_EQ(paint("BlueScrol", kspTopButton), Expect(skin->IdOf("ScrollBar", "TopButton"), scHot));
}

TEST_F(SkinFileFamilies, CheckMarksAndRadioMarks) {
  const char* names[] = {"Checked", "Unchecked", "Mixed"};
  const int codes[] = {scNormal, scHot, scPressed, scDisabled};
  for (int run = 0; run < 3; ++run)
    for (int step = 0; step < 5; ++step) {
      const uint8_t mark = uint8_t(run * 5 + step);
      auto paint = [&](uint8_t kind) {
        return Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
          TteCheckInfo info;
          info.Rect = r;
          info.Mark = mark;
          t.CheckDraw(cv, kind, info, "default");
        });
      };
      if (step == 4) {
        EXPECT_FALSE(paint(kckCheckBox).Painted) << int(mark);
        continue;
      }
      EXPECT_EQ(paint(kckCheckBox), Expect(Id("Checkbox", names[run]), codes[step])) << int(mark);
      if (run == 2)
        EXPECT_FALSE(paint(kckRadioButton).Painted) << "radio buttons have no mixed mark";
      else
        EXPECT_EQ(paint(kckRadioButton), Expect(Id("RadioButton", names[run]), codes[step]));
    }
  for (uint8_t mark : {14, 15, 100, 255}) EXPECT_FALSE(TTeSkinFile::CheckPartOf(kckCheckBox, mark));
}

TEST_F(SkinFileFamilies, CheckSizeFromCheckedPartOr13) {
  auto skin = TTestSkin::Full();
  skin->Source().GetObjectByName("Checkbox")->FindByName("Checked")->SetBounds({0, 0, 15, 14});
  skin->Source().DeleteObject(skin->Source().GetObjectByName("RadioButton"));
  skin->AddObject("RadioButton", {"Unchecked"});
  auto theme = skin->Theme();
  EXPECT_EQ(theme->CheckGetSize(kckCheckBox, "default"), QSize(15, 14));
  EXPECT_EQ(theme->CheckGetSize(kckRadioButton, "default"), QSize(13, 13));
  EXPECT_EQ(TTeSkinFile().CheckGetSize(kckCheckBox, "default"), QSize(13, 13));
}

TEST_F(SkinFileFamilies, ProgressBarNameChains) {
  // The full skin has only "Frame" and "Bar": every part falls back to them.
  for (uint8_t part : {kppFrameVert, kppFrameHorz})
    EXPECT_EQ(Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
                t.ProgressDraw(cv, 0, Part(r, part, kpsNormal), "default");
              }),
              Expect(Id("ProgressBar", "Frame"), scNormal));
  for (uint8_t part : {kppBarVert, kppBarHorz, kppSolidVert, kppSolidHorz})
    EXPECT_EQ(Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
                t.ProgressDraw(cv, 0, Part(r, part, kpsDisabled), "default");
              }),
              Expect(Id("ProgressBar", "Bar"), scDisabled));

  auto skin = TTestSkin::Full();
  skin->AddObject("Meter", {"FrameVert", "Frame", "BarHorz", "Solid", "SolidVert"});
  auto theme = skin->Theme();
  auto paint = [&](uint8_t part) {
    QImage image = BlankImage();
    TCanvas canvas(image);
    theme->ProgressDraw(canvas, 0, Part(kProbeRect, part, kpsNormal), "Meter");
    return ProbeAt(image, 32, 32);
  };
  EXPECT_EQ(paint(kppFrameVert).Part, skin->IdOf("Meter", "FrameVert"));
  EXPECT_EQ(paint(kppFrameHorz).Part, skin->IdOf("Meter", "Frame"));
  EXPECT_EQ(paint(kppBarHorz).Part, skin->IdOf("Meter", "BarHorz"));
  EXPECT_FALSE(paint(kppBarVert).Painted);  // neither "BarVert" nor "Bar"
  EXPECT_EQ(paint(kppSolidVert).Part, skin->IdOf("Meter", "SolidVert"));
  EXPECT_EQ(paint(kppSolidHorz).Part, skin->IdOf("Meter", "Solid"));
  EXPECT_FALSE(paint(6).Painted);
}

TEST_F(SkinFileFamilies, TrackBarOrientationAndThumbFallbacks) {
  auto track = [&](TteOrientation o) {
    return Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
      t.TrackDrawTrack(cv, 0, Part(r, 0, kpsNormal, o), "default");
    });
  };
  EXPECT_EQ(track(koHorizontal).Part, Id("TrackBar", "TrackHorz"));
  EXPECT_EQ(track(koVertical).Part, Id("TrackBar", "Track"));
  auto thumb = [&](TteOrientation o, uint8_t part) {
    return Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
      t.TrackDrawThumb(cv, 0, Part(r, part, kpsPressed, o), "default");
    });
  };
  EXPECT_EQ(thumb(koHorizontal, kthBoth), Expect(Id("TrackBar", "ThumbHorz"), scPressed));
  EXPECT_EQ(thumb(koHorizontal, kthPlain).Part, Id("TrackBar", "ThumbHorz"));
  EXPECT_EQ(thumb(koVertical, kthTopLeft).Part, Id("TrackBar", "ThumbVertLeft"));
  EXPECT_EQ(thumb(koVertical, kthBottomRight).Part, Id("TrackBar", "Thumb"));
  EXPECT_EQ(thumb(koVertical, kthPlain).Part, Id("TrackBar", "Thumb"));
}

// One row per member: the request and the part it must paint, in the hot state where the
// record has a state.
struct TFamilyCase {
  const char* Member;
  const char* Object;
  const char* PartName;
  int StateCode;
  std::function<void(TTeSkinFile&, TCanvas&, const TRect&)> Request;
};

TEST_F(SkinFileFamilies, EveryMemberPaintsItsPart) {
  const std::string d = "default";
  const std::vector<TFamilyCase> cases = {
      {"ContainerDraw", "Container", "Panel", scHot,
       [&](auto& t, auto& c, auto& r) { t.ContainerDraw(c, 0, Part(r, 0, kpsHot), d); }},
      {"ButtonDraw", "Button", "Face", scPressed,
       [&](auto& t, auto& c, auto& r) { t.ButtonDraw(c, 0, Part(r, 0, kpsPressed), d); }},
      {"ButtonDraw spin left", "SpinButton", "LeftButton", scHot,
       [&](auto& t, auto& c, auto& r) { t.ButtonDraw(c, 4, Part(r, 0, kpsHot), d); }},
      {"ButtonDraw spin right", "SpinButton", "RightButton", scHot,
       [&](auto& t, auto& c, auto& r) { t.ButtonDraw(c, 5, Part(r, 1, kpsHot), d); }},
      {"SplitterDraw", "Splitter", "", scDisabled,
       [&](auto& t, auto& c, auto& r) { t.SplitterDraw(c, 0, Part(r, 0, kpsDisabled), d); }},
      {"HeaderDrawFrame", "Header", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.HeaderDrawFrame(c, 0, r, d); }},
      {"HeaderDrawSection", "Header", "Section", scHot,
       [&](auto& t, auto& c, auto& r) {
         t.HeaderDrawSection(c, 0, TteHeaderSectionInfo{r, khdsUnderDrag}, d);
       }},
      {"HeaderDrawSection dragging", "Header", "Section", scPressed,
       [&](auto& t, auto& c, auto& r) {
         t.HeaderDrawSection(c, 0, TteHeaderSectionInfo{r, khdsDragging}, d);
       }},
      {"StatusDrawFrame", "StatusBar", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.StatusDrawFrame(c, 0, r, d); }},
      {"StatusDrawPanel", "StatusBar", "Panel", scHot,
       [&](auto& t, auto& c, auto& r) { t.StatusDrawPanel(c, 0, Part(r, 0, kpsHot), d); }},
      {"StatusDrawGripper", "StatusBar", "Gripper", scNormal,
       [&](auto& t, auto& c, auto& r) { t.StatusDrawGripper(c, 0, r, d); }},
      {"WindowDrawSizeGrip", "StatusBar", "Gripper", scNormal,
       [&](auto& t, auto& c, auto& r) { t.WindowDrawSizeGrip(c, 0, r, d); }},
      {"EditDraw", "Edit", "Frame", scHot,
       [&](auto& t, auto& c, auto& r) { t.EditDraw(c, kekEdit, Part(r, 0, kpsHot), d); }},
      {"EditDraw combo", "ComboBox", "Frame", scHot,
       [&](auto& t, auto& c, auto& r) { t.EditDraw(c, kekComboBoxLeft, Part(r, 0, kpsHot), d); }},
      {"EditDrawButton combo", "ComboBox", "Button", scPressed,
       [&](auto& t, auto& c, auto& r) {
         t.EditDrawButton(c, kekComboBoxRight, Part(r, 1, kpsPressed), d);
       }},
      {"EditDrawButton edit", "Edit", "Button", scNormal,
       [&](auto& t, auto& c, auto& r) {
         t.EditDrawButton(c, kekEditButtonLeft, Part(r, 0, 0), d);
       }},
      {"GroupBoxDrawFrame", "GroupBox", "Frame", scDisabled,
       [&](auto& t, auto& c, auto& r) { t.GroupBoxDrawFrame(c, 0, Part(r, 0, kpsDisabled), d); }},
      {"EditFrameDraw", "Edit", "Frame", scHot,
       [&](auto& t, auto& c, auto& r) { t.EditFrameDraw(c, 0, Part(r, 0, kpsHot), d); }},
      {"MenuDrawFrame bar", "MenuBar", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawFrame(c, kmkMenuBar, r, d); }},
      {"MenuDrawFrame popup", "PopupMenu", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawFrame(c, kmkPopupMenu, r, d); }},
      {"MenuDrawItem bar", "MenuBar", "Item", scHot,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawItem(c, kmkMenuBar, Part(r, 0, kpsHot), d); }},
      {"MenuDrawItem popup selected", "PopupMenu", "item", scHot,
       [&](auto& t, auto& c, auto& r) {
         t.MenuDrawItem(c, kmkPopupMenu, Part(r, 0, kpsSelected), d);
       }},
      {"MenuDrawSeparator", "PopupMenu", "separator", scNormal,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawSeparator(c, kmkPopupMenu, Part(r, 0, 0), d); }},
      {"MenuDrawScrollButton up", "MenuBar", "upbutton", scHot,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawScrollButton(c, 0, Part(r, kmsUp, kpsHot), d); }},
      {"MenuDrawScrollButton down", "MenuBar", "downbutton", scHot,
       [&](auto& t, auto& c, auto& r) {
         t.MenuDrawScrollButton(c, 0, Part(r, kmsDown, kpsHot), d);
       }},
      {"MenuDrawMDIButton min", "MenuBar", "Min", scNormal,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawMDIButton(c, 0, Part(r, kmmMinimize, 0), d); }},
      {"MenuDrawMDIButton restore", "MenuBar", "Restore", scNormal,
       [&](auto& t, auto& c, auto& r) { t.MenuDrawMDIButton(c, 0, Part(r, kmmRestore, 0), d); }},
      {"MenuDrawMDIButton close", "MenuBar", "Close", scPressed,
       [&](auto& t, auto& c, auto& r) {
         t.MenuDrawMDIButton(c, 0, Part(r, kmmClose, kpsPressed), d);
       }},
      {"ControlBarDraw", "ControlBar", "Back", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ControlBarDraw(c, 0, r, d); }},
      {"ToolBarDrawFrame", "ControlBar", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ToolBarDrawFrame(c, 0, r, d); }},
      {"ToolBarDrawButton", "SpeedButton", "Face", scHot,
       [&](auto& t, auto& c, auto& r) { t.ToolBarDrawButton(c, 0, Part(r, 0, kpsHot), d); }},
      {"ToolBarDrawButton flat", "SpeedButton", "FlatFace", scHot,
       [&](auto& t, auto& c, auto& r) {
         t.ToolBarDrawButton(c, 0, Part(r, 0, kpsHot, koHorizontal, kpfFlat), d);
       }},
      {"ToolBarDrawButton checked", "SpeedButton", "Face", scPressed,
       [&](auto& t, auto& c, auto& r) {
         t.ToolBarDrawButton(c, 0, Part(r, 0, kpsNormal, koHorizontal, kpfChecked), d);
       }},
      {"ToolBarDrawSeparator", "SpeedButton", "Separator", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ToolBarDrawSeparator(c, 0, Part(r, 0, 0), d); }},
      {"ToolBarDrawGrabber", "ControlBar", "Grabber", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ToolBarDrawGrabber(c, 0, Part(r, 0, 0), d); }},
      {"ToolBarDrawGrabber vertical", "ControlBar", "GrabberVert", scNormal,
       [&](auto& t, auto& c, auto& r) {
         t.ToolBarDrawGrabber(c, 0, Part(r, 0, 0, koVertical), d);
       }},
      {"ToolBarDrawChevron flat", "SpeedButton", "Chevron", scHot,
       [&](auto& t, auto& c, auto& r) {
         t.ToolBarDrawChevron(c, 0, Part(r, 0, kpsHot, koHorizontal, kpfFlat), d);
       }},
      {"ScrollBoxDrawFrame", "ScrollBox", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ScrollBoxDrawFrame(c, 0, r, d); }},
      {"PanelDrawFrame", "Panel", "Frame", scDisabled,
       [&](auto& t, auto& c, auto& r) { t.PanelDrawFrame(c, 1, Part(r, 0, kpsDisabled), d); }},
      {"PanelDrawCaption", "Panel", "Caption", scNormal,
       [&](auto& t, auto& c, auto& r) { t.PanelDrawCaption(c, 1, Part(r, 0, 0), d); }},
      {"PanelDrawButton hide", "Panel", "ButtonHide", scHot,
       [&](auto& t, auto& c, auto& r) { t.PanelDrawButton(c, 1, Part(r, kpbHide, kpsHot), d); }},
      {"PanelDrawButton roll up", "Panel", "ButtonRollup", scHot,
       [&](auto& t, auto& c, auto& r) { t.PanelDrawButton(c, 1, Part(r, kpbRollUp, kpsHot), d); }},
      {"PanelDrawButton roll down", "Panel", "ButtonRollDown", scHot,
       [&](auto& t, auto& c, auto& r) {
         t.PanelDrawButton(c, 1, Part(r, kpbRollDown, kpsHot), d);
       }},
      {"TabDrawFrame", "Tabs", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.TabDrawFrame(c, 0, Part(r, ktpTop, 0), d); }},
      {"TabDrawTab top", "Tabs", "TabTop", scHot,
       [&](auto& t, auto& c, auto& r) { t.TabDrawTab(c, 0, Part(r, ktpTop, kpsHot), d); }},
      {"TabDrawTab bottom selected", "Tabs", "Tab", scPressed,
       [&](auto& t, auto& c, auto& r) { t.TabDrawTab(c, 0, Part(r, ktpBottom, kpsSelected), d); }},
      {"TabDrawTab left", "Tabs", "TabLeft", scNormal,
       [&](auto& t, auto& c, auto& r) { t.TabDrawTab(c, 0, Part(r, ktpLeft, 0), d); }},
      {"TabDrawTab right falls back", "Tabs", "Tab", scNormal,
       [&](auto& t, auto& c, auto& r) { t.TabDrawTab(c, 0, Part(r, ktpRight, 0), d); }},
      {"TabDrawScrollButton left", "Tabs", "LeftButton", scHot,
       [&](auto& t, auto& c,
           auto& r) { t.TabDrawScrollButton(c, 0, Part(r, ktsLeft, kpsHot), d); }},
      {"TabDrawScrollButton right", "Tabs", "RightButton", scHot,
       [&](auto& t, auto& c,
           auto& r) { t.TabDrawScrollButton(c, 0, Part(r, ktsRight, kpsHot), d); }},
      {"ListBoxDrawFrame", "ListBox", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ListBoxDrawFrame(c, 0, Part(r, 0, 0), d); }},
      {"ListBoxDrawItem selected", "ListBox", "Item", scPressed,
       [&](auto& t, auto& c, auto& r) { t.ListBoxDrawItem(c, 0, Part(r, 0, kpsSelected), d); }},
      {"ListBoxDrawCheck", "Checkbox", "Mixed", scHot,
       [&](auto& t, auto& c,
           auto& r) { t.ListBoxDrawCheck(c, 0, TteCheckInfo{r, kcmMixedHot}, d); }},
      {"ItemListDrawFrame", "ListBox", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.ItemListDrawFrame(c, 0, Part(r, 0, 0), d); }},
      {"ItemListDrawItem", "ListBox", "Item", scHot,
       [&](auto& t, auto& c, auto& r) { t.ItemListDrawItem(c, 0, Part(r, 0, kpsHot), d); }},
      {"GridDrawFrame", "Grid", "Frame", scNormal,
       [&](auto& t, auto& c, auto& r) { t.GridDrawFrame(c, 0, Part(r, 0, 0), d); }},
      {"GridDrawFixedCell", "Grid", "Fixed", scHot,
       [&](auto& t, auto& c, auto& r) { t.GridDrawFixedCell(c, 0, Part(r, 0, kpsHot), d); }},
      {"GridDrawCell selected", "Grid", "Cell", scPressed,
       [&](auto& t, auto& c, auto& r) { t.GridDrawCell(c, 0, Part(r, 0, kpsSelected), d); }},
      {"HintDraw", "Hint", "", scNormal, [&](auto& t, auto& c, auto& r) { t.HintDraw(c, r, d); }},
  };
  for (const TFamilyCase& c : cases)
    EXPECT_EQ(Paint(c.Request), Expect(Id(c.Object, c.PartName), c.StateCode)) << c.Member;
}

TEST_F(SkinFileFamilies, DefinedQueriesWhereTheNameCountsAndWhereNot) {
  auto skin = TTestSkin::Full();
  skin->AddObject("Mine");
  auto theme = skin->Theme();
  TTeSkinFile empty;
  const std::string d = "default";
  // Name counts: any top-level object makes the family defined, whatever the kind.
  EXPECT_TRUE(theme->IsScrollDefined(0, d));
  EXPECT_FALSE(theme->IsScrollDefined(1, d));
  EXPECT_TRUE(theme->IsScrollDefined(1, "Mine"));
  EXPECT_FALSE(theme->IsScrollDefined(1, "Missing"));
  EXPECT_TRUE(theme->IsButtonDefined(4, d));
  EXPECT_TRUE(theme->IsButtonDefined(5, d));
  EXPECT_FALSE(theme->IsButtonDefined(1, d));
  EXPECT_TRUE(theme->IsButtonDefined(1, "Mine"));
  EXPECT_TRUE(theme->IsControlBarDefined(77, d));
  EXPECT_TRUE(empty.IsControlBarDefined(0, "Mine") == false);
  // The name counts for the scroll box only in kind 0 and for the panel only in kind 1.
  EXPECT_TRUE(theme->IsScrollBoxDefined(0, "Mine"));
  EXPECT_FALSE(theme->IsScrollBoxDefined(1, "Mine"));
  EXPECT_TRUE(theme->IsPanelDefined(1, "Mine"));
  EXPECT_FALSE(theme->IsPanelDefined(0, "Mine"));
  EXPECT_FALSE(theme->IsPanelDefined(0, d));
  // The name does not count.
  EXPECT_FALSE(theme->IsCheckDefined(2, "Mine"));
  EXPECT_TRUE(theme->IsCheckDefined(1, d));
  EXPECT_FALSE(theme->IsEditDefined(1, "Mine"));
  EXPECT_TRUE(theme->IsEditDefined(6, d));
  EXPECT_TRUE(theme->IsTrackDefined(1, d));
  EXPECT_FALSE(theme->IsTrackDefined(2, "Mine"));
  EXPECT_TRUE(theme->IsMenuDefined(1, d));
  EXPECT_FALSE(theme->IsMenuDefined(2, d));
  EXPECT_TRUE(theme->IsItemListDefined(0, d));
  EXPECT_FALSE(theme->IsBevelDefined(0, d));
  // Hint and text are always defined, even without a skin.
  EXPECT_TRUE(empty.IsHintDefined(0, d));
  EXPECT_TRUE(empty.IsTextDefined(0, d));
  for (auto query : {&TteTheme::IsScrollDefined, &TteTheme::IsWindowDefined,
                     &TteTheme::IsCheckDefined, &TteTheme::IsGridDefined})
    EXPECT_FALSE((empty.*query)(0, d));
}

TEST_F(SkinFileFamilies, MissingObjectsPaintNothingAndAnswerTheBase) {
  TTestSkin sparse;
  sparse.AddObject("Button");  // without "Face"
  auto theme = sparse.Theme();
  TteTheme base;
  const std::string d = "default";
  auto paint = [&](const std::function<void(TCanvas&)>& request) {
    QImage image = BlankImage();
    TCanvas canvas(image);
    request(canvas);
    return image == BlankImage();
  };
  EXPECT_TRUE(paint([&](TCanvas& c) { theme->ButtonDraw(c, 0, Part(kProbeRect, 0, 0), d); }));
  EXPECT_TRUE(paint([&](TCanvas& c) { theme->ScrollDrawButton(c, 0, Part(kProbeRect, 0, 0), d); }));
  EXPECT_TRUE(paint([&](TCanvas& c) { theme->SplitterDraw(c, 0, Part(kProbeRect, 0, 0), d); }));
  EXPECT_TRUE(paint([&](TCanvas& c) { theme->WindowDrawSizeGrip(c, 0, kProbeRect, d); }));
  EXPECT_EQ(theme->ButtonGetClientRect(0, kProbeRect, d),
            base.ButtonGetClientRect(0, kProbeRect, d));
  EXPECT_EQ(theme->ButtonIsMasked(0, d), base.ButtonIsMasked(0, d));
  EXPECT_EQ(theme->ScrollGetSize(0, koVertical, d), base.ScrollGetSize(0, koVertical, d));
  EXPECT_EQ(theme->HeaderGetHeight(0, d), base.HeaderGetHeight(0, d));
  EXPECT_EQ(theme->TabGetScrollButtonSize(0, d), base.TabGetScrollButtonSize(0, d));
  EXPECT_EQ(theme->WindowGetSizeGripSize(0, d), base.WindowGetSizeGripSize(0, d));
  EXPECT_EQ(theme->EditGetButtonWidth(0, d), base.EditGetButtonWidth(0, d));
}

TEST_F(SkinFileFamilies, HintWithoutObjectAndContentInsets) {
  TTestSkin sparse;
  sparse.AddObject("Button");
  auto theme = sparse.Theme();
  QImage image = BlankImage();
  TCanvas canvas(image);
  theme->HintDraw(canvas, kProbeRect, "default");
  EXPECT_EQ(image.pixel(8, 8), ColorToPixel(0x808080));
  EXPECT_EQ(image.pixel(55, 55), ColorToPixel(0x808080));
  EXPECT_EQ(PixelToColor(image.pixel(32, 32)),
            ColorToRGB(theme->SysColors().GetThemeSysColor(clInfoBk)));
  EXPECT_EQ(image.pixel(7, 7), kUntouched);
  EXPECT_EQ(theme->HintGetContentRect({10, 20, 110, 60}, "default"), (TRect{14, 23, 106, 57}));
}

TEST_F(SkinFileFamilies, MetricsFromPartSizesAndClientChildren) {
  auto skin = TTestSkin::Full();
  TSeSkinSource& source = skin->Source();
  source.GetObjectByName("ScrollBar")->FindByName("TopButton")->SetBounds({0, 0, 19, 5});
  source.GetObjectByName("ScrollBar")->FindByName("LeftButton")->SetBounds({0, 0, 5, 15});
  source.GetObjectByName("Header")->FindByName("Section")->SetBounds({0, 0, 30, 21});
  source.GetObjectByName("StatusBar")->FindByName("Gripper")->SetBounds({0, 0, 12, 11});
  source.GetObjectByName("ComboBox")->FindByName("Button")->SetBounds({0, 0, 18, 20});
  // The edit frame lays out a client child inside 3 and 2 pixel borders.
  TSeSkinObject* frame = source.GetObjectByName("Edit")->FindByName("Frame");
  frame->SetDrawIfOwner(true);
  auto addBorder = [&](TSeAlign align, int width, int height, TSeKind kind = TSeKind::skNone) {
    auto* child = new TSeSkinObject(frame);
    child->SetAlign(align);
    child->SetBounds({0, 0, width, height});
    child->SetKind(kind);
    child->SetColor(clNone);
  };
  addBorder(TSeAlign::saMostLeft, 3, 0);
  addBorder(TSeAlign::saMostRight, 3, 0);
  addBorder(TSeAlign::saMostTop, 0, 2);
  addBorder(TSeAlign::saMostBottom, 0, 2);
  addBorder(TSeAlign::saClient, 0, 0, TSeKind::skClient);
  auto theme = skin->Theme();
  const std::string d = "default";
  EXPECT_EQ(theme->ScrollGetSize(0, koVertical, d), 19);
  EXPECT_EQ(theme->ScrollGetSize(0, koHorizontal, d), 15);
  EXPECT_EQ(theme->HeaderGetHeight(0, d), 21);
  EXPECT_EQ(theme->WindowGetSizeGripSize(0, d), QSize(12, 11));
  EXPECT_EQ(theme->StatusGetGripperSize(0, d), QSize(12, 11));
  EXPECT_EQ(theme->EditGetButtonWidth(kekComboBoxRight, d), 18);
  EXPECT_EQ(theme->EditGetClientRect(kekEdit, {10, 10, 110, 31}, d), (TRect{13, 12, 107, 29}));
  EXPECT_EQ(theme->EditFrameGetClientRect(0, {0, 0, 50, 50}, d), (TRect{3, 2, 47, 48}));
  // The frame still paints itself under its (transparent) layout children.
  EXPECT_EQ(Paint([&](auto&, TCanvas& c, const TRect& r) {
              theme->EditDraw(c, kekEdit, Part(r, 0, kpsHot), d);
            }),
            Expect(skin->IdOf("Edit", "Frame"), scHot));
  EXPECT_TRUE(theme->ButtonIsMasked(0, d));
}

}  // namespace
}  // namespace vt
