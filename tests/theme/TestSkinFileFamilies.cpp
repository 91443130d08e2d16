// The skin-backed theme's drawing families on a coded test skin: which part and state each
// request paints, named or default objects, missing ones, and lookups after a reload.
#include <gtest/gtest.h>

#include <functional>

#include "SkinThemeTestSkin.h"
#include "theme/te_catalogue.h"
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
  return {r, part, state, orientation, flags};
}

using TRequest = std::function<void(TTeSkinFile&, TCanvas&, const TRect&)>;
using TPartMember = void (TteTheme::*)(TCanvas&, uint8_t, const TtePartInfo&, const std::string&);
using TRectMember = void (TteTheme::*)(TCanvas&, uint8_t, const TRect&, const std::string&);

// A request of a member taking a part record, and of one taking only a rectangle.
TRequest Ask(TPartMember member, uint8_t kind, uint8_t part, uint8_t state, uint32_t flags = 0,
             TteOrientation orientation = koHorizontal) {
  return [=](TTeSkinFile& t, TCanvas& c, const TRect& r) {
    (t.*member)(c, kind, Part(r, part, state, orientation, flags), "default");
  };
}
TRequest Ask(TRectMember member, uint8_t kind = 0) {
  return [=](TTeSkinFile& t, TCanvas& c, const TRect& r) { (t.*member)(c, kind, r, "default"); };
}

// One row per member and record: the part it must paint, in the object state expected.
struct TFamilyCase {
  const char* Object;
  const char* PartName;
  int StateCode;
  TRequest Request;
};

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
      EXPECT_EQ(Paint(Ask(&TteTheme::ScrollDrawButton, 0, c.Part, request)),
                Expect(Id("ScrollBar", c.Name), code))
          << c.Name << " state " << int(request);
  for (uint8_t unknown : {2, 3, 6, 7, 10, 200})
    EXPECT_FALSE(Paint(Ask(&TteTheme::ScrollDrawButton, 0, unknown, kpsNormal)).Painted);
  // Check marks and radio marks.
  const char* names[] = {"Checked", "Unchecked", "Mixed"};
  const int codes[] = {scNormal, scHot, scPressed, scDisabled};
  for (int run = 0; run < 3; ++run)
    for (int step = 0; step < 5; ++step) {
      const uint8_t mark = uint8_t(run * 5 + step);
      auto paint = [&](uint8_t kind) {
        return Paint([&](TTeSkinFile& t, TCanvas& cv, const TRect& r) {
          t.CheckDraw(cv, kind, {r, mark}, "default");
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
  // Every member paints its part.
  using T = TteTheme;
  const TFamilyCase members[] = {
      {"Container", "Panel", scHot, Ask(&T::ContainerDraw, 0, 0, kpsHot)},
      {"Button", "Face", scPressed, Ask(&T::ButtonDraw, 0, 0, kpsPressed)},
      {"SpinButton", "LeftButton", scHot, Ask(&T::ButtonDraw, 4, 0, kpsHot)},
      {"SpinButton", "RightButton", scHot, Ask(&T::ButtonDraw, 5, 1, kpsHot)},
      {"Splitter", "", scDisabled, Ask(&T::SplitterDraw, 0, 0, kpsDisabled)},
      {"Header", "Frame", scNormal, Ask(&T::HeaderDrawFrame)},
      {"StatusBar", "Frame", scNormal, Ask(&T::StatusDrawFrame)},
      {"StatusBar", "Panel", scHot, Ask(&T::StatusDrawPanel, 0, 0, kpsHot)},
      {"StatusBar", "Gripper", scNormal, Ask(&T::StatusDrawGripper)},
      {"StatusBar", "Gripper", scNormal, Ask(&T::WindowDrawSizeGrip)},
      {"Edit", "Frame", scHot, Ask(&T::EditDraw, kekEdit, 0, kpsHot)},
      {"ComboBox", "Frame", scHot, Ask(&T::EditDraw, kekComboBoxLeft, 0, kpsHot)},
      {"ComboBox", "Button", scPressed, Ask(&T::EditDrawButton, kekComboBoxRight, 1, kpsPressed)},
      {"Edit", "Button", scNormal, Ask(&T::EditDrawButton, kekEditButtonLeft, 0, 0)},
      {"GroupBox", "Frame", scDisabled, Ask(&T::GroupBoxDrawFrame, 0, 0, kpsDisabled)},
      {"Edit", "Frame", scHot, Ask(&T::EditFrameDraw, 0, 0, kpsHot)},
      {"MenuBar", "Frame", scNormal, Ask(&T::MenuDrawFrame, kmkMenuBar)},
      {"PopupMenu", "Frame", scNormal, Ask(&T::MenuDrawFrame, kmkPopupMenu)},
      {"MenuBar", "Item", scHot, Ask(&T::MenuDrawItem, kmkMenuBar, 0, kpsHot)},
      {"PopupMenu", "item", scHot, Ask(&T::MenuDrawItem, kmkPopupMenu, 0, kpsSelected)},
      {"PopupMenu", "separator", scNormal, Ask(&T::MenuDrawSeparator, kmkPopupMenu, 0, 0)},
      {"MenuBar", "upbutton", scHot, Ask(&T::MenuDrawScrollButton, 0, kmsUp, kpsHot)},
      {"MenuBar", "downbutton", scHot, Ask(&T::MenuDrawScrollButton, 0, kmsDown, kpsHot)},
      {"MenuBar", "Min", scNormal, Ask(&T::MenuDrawMDIButton, 0, kmmMinimize, 0)},
      {"MenuBar", "Restore", scNormal, Ask(&T::MenuDrawMDIButton, 0, kmmRestore, 0)},
      {"MenuBar", "Close", scPressed, Ask(&T::MenuDrawMDIButton, 0, kmmClose, kpsPressed)},
      {"ControlBar", "Back", scNormal, Ask(&T::ControlBarDraw)},
      {"ControlBar", "Frame", scNormal, Ask(&T::ToolBarDrawFrame)},
      {"SpeedButton", "Face", scHot, Ask(&T::ToolBarDrawButton, 0, 0, kpsHot)},
      {"SpeedButton", "FlatFace", scHot, Ask(&T::ToolBarDrawButton, 0, 0, kpsHot, kpfFlat)},
      {"SpeedButton", "Face", scPressed, Ask(&T::ToolBarDrawButton, 0, 0, kpsNormal, kpfChecked)},
      {"SpeedButton", "Separator", scNormal, Ask(&T::ToolBarDrawSeparator, 0, 0, 0)},
      {"ControlBar", "Grabber", scNormal, Ask(&T::ToolBarDrawGrabber, 0, 0, 0)},
      {"ControlBar", "GrabberVert", scNormal, Ask(&T::ToolBarDrawGrabber, 0, 0, 0, 0, koVertical)},
      {"SpeedButton", "Chevron", scHot, Ask(&T::ToolBarDrawChevron, 0, 0, kpsHot, kpfFlat)},
      {"ScrollBox", "Frame", scNormal, Ask(&T::ScrollBoxDrawFrame)},
      {"Panel", "Frame", scDisabled, Ask(&T::PanelDrawFrame, 1, 0, kpsDisabled)},
      {"Panel", "Caption", scNormal, Ask(&T::PanelDrawCaption, 1, 0, 0)},
      {"Panel", "ButtonHide", scHot, Ask(&T::PanelDrawButton, 1, kpbHide, kpsHot)},
      {"Panel", "ButtonRollup", scHot, Ask(&T::PanelDrawButton, 1, kpbRollUp, kpsHot)},
      {"Panel", "ButtonRollDown", scHot, Ask(&T::PanelDrawButton, 1, kpbRollDown, kpsHot)},
      {"Tabs", "Frame", scNormal, Ask(&T::TabDrawFrame, 0, ktpTop, 0)},
      {"Tabs", "TabTop", scHot, Ask(&T::TabDrawTab, 0, ktpTop, kpsHot)},
      {"Tabs", "Tab", scPressed, Ask(&T::TabDrawTab, 0, ktpBottom, kpsSelected)},
      {"Tabs", "TabLeft", scNormal, Ask(&T::TabDrawTab, 0, ktpLeft, 0)},
      {"Tabs", "Tab", scNormal, Ask(&T::TabDrawTab, 0, ktpRight, 0)},  // falls back
      {"Tabs", "LeftButton", scHot, Ask(&T::TabDrawScrollButton, 0, ktsLeft, kpsHot)},
      {"Tabs", "RightButton", scHot, Ask(&T::TabDrawScrollButton, 0, ktsRight, kpsHot)},
      {"ListBox", "Frame", scNormal, Ask(&T::ListBoxDrawFrame, 0, 0, 0)},
      {"ListBox", "Item", scPressed, Ask(&T::ListBoxDrawItem, 0, 0, kpsSelected)},
      {"ListBox", "Frame", scNormal, Ask(&T::ItemListDrawFrame, 0, 0, 0)},
      {"ListBox", "Item", scHot, Ask(&T::ItemListDrawItem, 0, 0, kpsHot)},
      {"Grid", "Frame", scNormal, Ask(&T::GridDrawFrame, 0, 0, 0)},
      {"Grid", "Fixed", scHot, Ask(&T::GridDrawFixedCell, 0, 0, kpsHot)},
      {"Grid", "Cell", scPressed, Ask(&T::GridDrawCell, 0, 0, kpsSelected)},
      {"Header", "Section", scHot,
       [](auto& t, auto& c, auto& r) {
         t.HeaderDrawSection(c, 0, {r, khdsUnderDrag}, "default");
       }},
      {"Header", "Section", scPressed,
       [](auto& t, auto& c, auto& r) {
         t.HeaderDrawSection(c, 0, {r, khdsDragging}, "default");
       }},
      {"Checkbox", "Mixed", scHot,
       [](auto& t, auto& c, auto& r) {
         t.ListBoxDrawCheck(c, 0, {r, kcmMixedHot}, "default");
       }},
      {"Hint", "", scNormal, [](auto& t, auto& c, auto& r) { t.HintDraw(c, r, "default"); }},
      {"ScrollBar", "VertFrame", scHot, Ask(&T::ScrollDrawTrack, 0, 0, kpsHot, 0, koVertical)},
      {"ScrollBar", "HorzFrame", scNormal, Ask(&T::ScrollDrawTrack, 0, 0, 0)},
      {"ScrollBox", "Frame", scNormal, Ask(&T::ScrollDrawFrame)},
      {"ProgressBar", "Frame", scNormal, Ask(&T::ProgressDraw, 0, kppFrameVert, 0)},
      {"ProgressBar", "Frame", scNormal, Ask(&T::ProgressDraw, 0, kppFrameHorz, 0)},
      {"ProgressBar", "Bar", scDisabled, Ask(&T::ProgressDraw, 0, kppBarVert, kpsDisabled)},
      {"ProgressBar", "Bar", scDisabled, Ask(&T::ProgressDraw, 0, kppSolidHorz, kpsDisabled)},
      {"TrackBar", "TrackHorz", scNormal, Ask(&T::TrackDrawTrack, 0, 0, 0)},
      {"TrackBar", "Track", scNormal, Ask(&T::TrackDrawTrack, 0, 0, 0, 0, koVertical)},
      {"TrackBar", "ThumbHorz", scPressed, Ask(&T::TrackDrawThumb, 0, kthBoth, kpsPressed)},
      {"TrackBar", "ThumbHorz", scNormal, Ask(&T::TrackDrawThumb, 0, kthPlain, 0)},
      {"TrackBar", "ThumbVertLeft", scNormal,
       Ask(&T::TrackDrawThumb, 0, kthTopLeft, 0, 0, koVertical)},
      {"TrackBar", "Thumb", scNormal, Ask(&T::TrackDrawThumb, 0, kthBottomRight, 0, 0, koVertical)},
      {"TrackBar", "Thumb", scNormal, Ask(&T::TrackDrawThumb, 0, kthPlain, 0, 0, koVertical)},
  };
  for (size_t i = 0; i < std::size(members); ++i)
    EXPECT_EQ(Paint(members[i].Request),
              Expect(Id(members[i].Object, members[i].PartName), members[i].StateCode))
        << "row " << i << ": " << members[i].Object << " " << members[i].PartName;
  // Check sizes come from the checked part, else 13.
  auto skin = TTestSkin::Full();
  skin->Source().GetObjectByName("Checkbox")->FindByName("Checked")->SetBounds({0, 0, 15, 14});
  skin->Source().DeleteObject(skin->Source().GetObjectByName("RadioButton"));
  skin->AddObject("RadioButton", {"Unchecked"});
  auto theme = skin->Theme();
  EXPECT_EQ(theme->CheckGetSize(kckCheckBox, "default"), QSize(15, 14));
  EXPECT_EQ(theme->CheckGetSize(kckRadioButton, "default"), QSize(13, 13));
  EXPECT_EQ(TTeSkinFile().CheckGetSize(kckCheckBox, "default"), QSize(13, 13));
  // Each progress part finds the first name of its chain that the object has.
  auto meterSkin = TTestSkin::Full();
  meterSkin->AddObject("Meter", {"FrameVert", "Frame", "BarHorz", "Solid", "SolidVert"});
  auto meterTheme = meterSkin->Theme();
  auto paint = [&](uint8_t part) {
    QImage image = BlankImage();
    TCanvas canvas(image);
    meterTheme->ProgressDraw(canvas, 0, Part(kProbeRect, part, kpsNormal), "Meter");
    return ProbeAt(image, 32, 32);
  };
  // kppBarVert has neither "BarVert" nor "Bar".
  const std::pair<uint8_t, const char*> chains[] = {{kppFrameVert, "FrameVert"},
                                                    {kppFrameHorz, "Frame"},
                                                    {kppBarHorz, "BarHorz"},
                                                    {kppBarVert, nullptr},
                                                    {kppSolidVert, "SolidVert"},
                                                    {kppSolidHorz, "Solid"},
                                                    {6, nullptr}};
  for (const auto& [part, name] : chains)
    EXPECT_EQ(paint(part), name ? Expect(meterSkin->IdOf("Meter", name), scNormal) : TProbe{})
        << int(part);
  // Metrics come from part sizes and client children.
  auto metricSkin = TTestSkin::Full();
  TSeSkinSource& source = metricSkin->Source();
  source.GetObjectByName("ScrollBar")->FindByName("TopButton")->SetBounds({0, 0, 19, 5});
  source.GetObjectByName("ScrollBar")->FindByName("LeftButton")->SetBounds({0, 0, 5, 15});
  source.GetObjectByName("Header")->FindByName("Section")->SetBounds({0, 0, 30, 21});
  source.GetObjectByName("StatusBar")->FindByName("Gripper")->SetBounds({0, 0, 12, 11});
  source.GetObjectByName("ComboBox")->FindByName("Button")->SetBounds({0, 0, 18, 20});
  // The edit frame lays out a client child inside 3 and 2 pixel borders.
  TSeSkinObject* frame = source.GetObjectByName("Edit")->FindByName("Frame");
  frame->SetDrawIfOwner(true);
  using A = TSeAlign;
  for (auto [align, width, height] : {std::tuple{A::saMostLeft, 3, 0},
                                      {A::saMostRight, 3, 0},
                                      {A::saMostTop, 0, 2},
                                      {A::saMostBottom, 0, 2},
                                      {A::saClient, 0, 0}}) {
    auto* child = new TSeSkinObject(frame);
    child->SetAlign(align);
    child->SetBounds({0, 0, width, height});
    child->SetKind(align == A::saClient ? TSeKind::skClient : TSeKind::skNone);
    child->SetColor(clNone);
  }
  auto metricTheme = metricSkin->Theme();
  const std::string d = "default";
  EXPECT_EQ(metricTheme->ScrollGetSize(0, koVertical, d), 19);
  EXPECT_EQ(metricTheme->ScrollGetSize(0, koHorizontal, d), 15);
  EXPECT_EQ(metricTheme->HeaderGetHeight(0, d), 21);
  EXPECT_EQ(metricTheme->WindowGetSizeGripSize(0, d), QSize(12, 11));
  EXPECT_EQ(metricTheme->StatusGetGripperSize(0, d), QSize(12, 11));
  EXPECT_EQ(metricTheme->EditGetButtonWidth(kekComboBoxRight, d), 18);
  EXPECT_EQ(metricTheme->EditGetClientRect(kekEdit, {10, 10, 110, 31}, d),
            (TRect{13, 12, 107, 29}));
  EXPECT_EQ(metricTheme->EditFrameGetClientRect(0, {0, 0, 50, 50}, d), (TRect{3, 2, 47, 48}));
  // The frame still paints itself under its (transparent) layout children.
  EXPECT_EQ(Paint([&](auto&, TCanvas& c, const TRect& r) {
              metricTheme->EditDraw(c, kekEdit, Part(r, 0, kpsHot), d);
            }),
            Expect(metricSkin->IdOf("Edit", "Frame"), scHot));
  EXPECT_TRUE(metricTheme->ButtonIsMasked(0, d));
  // Missing objects paint nothing or plainly, and answer as the base theme does.
  TTestSkin sparse;
  sparse.AddObject("Button");  // without "Face"
  auto sparseTheme = sparse.Theme();
  TteTheme base;
  const std::string dflt = "default";
  for (const TRequest& request : {Ask(&T::ButtonDraw, 0, 0, 0), Ask(&T::ScrollDrawButton, 0, 0, 0),
                                  Ask(&T::SplitterDraw, 0, 0, 0), Ask(&T::WindowDrawSizeGrip)}) {
    QImage hint = BlankImage();
    TCanvas hintCanvas(hint);
    request(*sparseTheme, hintCanvas, kProbeRect);
    EXPECT_EQ(hint, BlankImage());
  }
  EXPECT_EQ(sparseTheme->ButtonGetClientRect(0, kProbeRect, dflt),
            base.ButtonGetClientRect(0, kProbeRect, dflt));
  EXPECT_EQ(sparseTheme->ButtonIsMasked(0, dflt), base.ButtonIsMasked(0, dflt));
  EXPECT_EQ(sparseTheme->ScrollGetSize(0, koVertical, dflt),
            base.ScrollGetSize(0, koVertical, dflt));
  EXPECT_EQ(sparseTheme->HeaderGetHeight(0, dflt), base.HeaderGetHeight(0, dflt));
  EXPECT_EQ(sparseTheme->TabGetScrollButtonSize(0, dflt), base.TabGetScrollButtonSize(0, dflt));
  EXPECT_EQ(sparseTheme->WindowGetSizeGripSize(0, dflt), base.WindowGetSizeGripSize(0, dflt));
  EXPECT_EQ(sparseTheme->EditGetButtonWidth(0, dflt), base.EditGetButtonWidth(0, dflt));

  // A hint without its object: a grey frame around the theme's hint colour.
  QImage hint = BlankImage();
  TCanvas hintCanvas(hint);
  sparseTheme->HintDraw(hintCanvas, kProbeRect, dflt);
  EXPECT_EQ(hint.pixel(55, 55), ColorToPixel(0x808080));
  EXPECT_EQ(PixelToColor(hint.pixel(32, 32)),
            ColorToRGB(sparseTheme->SysColors().GetThemeSysColor(clInfoBk)));
  EXPECT_EQ(hint.pixel(7, 7), kUntouched);
  EXPECT_EQ(sparseTheme->HintGetContentRect({10, 20, 110, 60}, dflt), (TRect{14, 23, 106, 57}));
}

QImage PaintScrollButton(TTeSkinFile& theme, const std::string& objectName, uint8_t state = kpsHot,
                         uint8_t part = kspTopButton) {
  QImage image = BlankImage();
  TCanvas canvas(image);
  theme.ScrollDrawButton(canvas, 0, Part(kProbeRect, part, state), objectName);
  return image;
}

TProbe ProbeTopButton(TTeSkinFile& theme, const std::string& objectName) {
  return ProbeAt(PaintScrollButton(theme, objectName), 32, 32);
}

// Each control family's defined query: which kinds its default object makes defined (and
// that no other object does), and whether a control's own object name counts.
TEST(SkinFileDefined, EveryQueryAsksItsOwnObjectsAndNames) {
  using TQuery = bool (TteTheme::*)(uint8_t, const std::string&) const;
  enum TName { kIgnored, kAnyKind, kListedKinds };
  struct TRow {
    const char* Family;
    TQuery Query;
    TName Name;
    std::vector<std::pair<uint8_t, const char*>> Kinds;  // kind, default object
  };
  const TRow rows[] = {
      {"container", &TteTheme::IsContainerDefined, kAnyKind, {{0, "Container"}}},
      {"button",
       &TteTheme::IsButtonDefined,
       kAnyKind,
       {{0, "Button"}, {4, "SpinButton"}, {5, "SpinButton"}}},
      {"check", &TteTheme::IsCheckDefined, kIgnored, {{0, "Checkbox"}, {1, "RadioButton"}}},
      {"splitter", &TteTheme::IsSplitterDefined, kIgnored, {{0, "Splitter"}}},
      {"scroll", &TteTheme::IsScrollDefined, kAnyKind, {{0, "ScrollBar"}}},
      {"progress", &TteTheme::IsProgressDefined, kAnyKind, {{0, "ProgressBar"}}},
      {"track", &TteTheme::IsTrackDefined, kIgnored, {{0, "TrackBar"}, {1, "TrackBar"}}},
      {"header", &TteTheme::IsHeaderDefined, kIgnored, {{0, "Header"}}},
      {"status", &TteTheme::IsStatusDefined, kIgnored, {{0, "StatusBar"}}},
      {"edit", &TteTheme::IsEditDefined, kIgnored, {{0, "Edit"}, {5, "ComboBox"}, {6, "ComboBox"}}},
      {"group box", &TteTheme::IsGroupBoxDefined, kIgnored, {{0, "GroupBox"}}},
      {"edit frame", &TteTheme::IsEditFrameDefined, kIgnored, {{0, "Edit"}}},
      {"menu", &TteTheme::IsMenuDefined, kIgnored, {{0, "MenuBar"}, {1, "PopupMenu"}}},
      {"tool bar", &TteTheme::IsToolBarDefined, kAnyKind, {{0, "ControlBar"}, {1, "ControlBar"}}},
      {"scroll box", &TteTheme::IsScrollBoxDefined, kListedKinds, {{0, "ScrollBox"}}},
      {"panel", &TteTheme::IsPanelDefined, kListedKinds, {{1, "Panel"}}},
      {"tabs", &TteTheme::IsTabDefined, kAnyKind, {{0, "Tabs"}, {1, "Tabs"}}},
      {"list box", &TteTheme::IsListBoxDefined, kAnyKind, {{0, "ListBox"}}},
      {"item list", &TteTheme::IsItemListDefined, kIgnored, {{0, "ListBox"}}},
      {"grid", &TteTheme::IsGridDefined, kIgnored, {{0, "Grid"}}},
  };
  // A theme of one object besides "Mine", and one of every looked-up object but one.
  auto only = [](const std::string& object) {
    TTestSkin skin;
    skin.AddObject(object);
    skin.AddObject("Mine");
    return skin.Theme();
  };
  auto allBut = [](const std::string& object) {
    TTestSkin skin;
    for (const TCatalogueObject& wanted : CatalogueObjects())
      if (!SameText(wanted.SkinName, object)) skin.AddObject(wanted.SkinName);
    return skin.Theme();
  };
  const std::string d = "default";
  auto mine = only("Mine");
  for (const TRow& row : rows) {
    for (uint8_t kind = 0; kind < 8; ++kind) {
      const char* object = nullptr;
      for (const auto& [listed, name] : row.Kinds)
        if (listed == kind) object = name;
      if (object) {
        EXPECT_TRUE((*only(object).*row.Query)(kind, d)) << row.Family << " kind " << int(kind);
        EXPECT_FALSE((*allBut(object).*row.Query)(kind, d)) << row.Family << " kind " << int(kind);
      } else {
        EXPECT_FALSE((*allBut("").*row.Query)(kind, d)) << row.Family << " kind " << int(kind);
      }
      const bool nameCounts =
          row.Name == kAnyKind || (row.Name == kListedKinds && object != nullptr);
      EXPECT_EQ(((*mine).*row.Query)(kind, "Mine"), nameCounts)
          << row.Family << " named, kind " << int(kind);
      EXPECT_FALSE(((*mine).*row.Query)(kind, "Missing")) << row.Family;
    }
  }
  // The control bar: any kind, by its object or by a name; hint and text: always.
  TTeSkinFile empty;
  for (uint8_t kind : {0, 3, 77}) {
    EXPECT_TRUE(only("ControlBar")->IsControlBarDefined(kind, d));
    EXPECT_FALSE(allBut("ControlBar")->IsControlBarDefined(kind, d));
    EXPECT_TRUE(mine->IsControlBarDefined(kind, "Mine"));
    EXPECT_TRUE(empty.IsHintDefined(kind, d) && empty.IsTextDefined(kind, d));
    EXPECT_FALSE(mine->IsBevelDefined(kind, d));
  }
  // Repaints find the parts of the skin loaded now.
  TTestSkin first;
  first.AddObject("ScrollBar", {"TopButton"});
  first.AddObject("BlueScroll", {"TopButton"});
  // Numbered after the first skin's parts, so that a probe tells the skins apart.
  TTestSkin second;
  second.AddObject("Filler", {"A", "B", "C", "D"});
  second.AddObject("ScrollBar", {"BottomButton", "TopButton"});
  TTestSkin third;
  third.AddObject("Button", {"Face"});

  TTeSkinFile theme;
  ASSERT_TRUE(theme.LoadFromSkinSource(first.Source()));
  EXPECT_EQ(ProbeTopButton(theme, "default"), Expect(first.IdOf("ScrollBar", "TopButton"), scHot));
  // A named object (any case) serves itself, without its part nothing; misspelt: unnamed.
  EXPECT_EQ(ProbeTopButton(theme, "bluescroll"),
            Expect(first.IdOf("BlueScroll", "TopButton"), scHot));
  EXPECT_FALSE(
      ProbeAt(PaintScrollButton(theme, "BlueScroll", kpsHot, kspBottomButton), 32, 32).Painted);
  EXPECT_EQ(ProbeTopButton(theme, "BlueScrol"),
            Expect(first.IdOf("ScrollBar", "TopButton"), scHot));

  ASSERT_TRUE(theme.LoadFromSkinSource(second.Source()));
  EXPECT_EQ(ProbeTopButton(theme, "default"), Expect(second.IdOf("ScrollBar", "TopButton"), scHot));
  // The named object is gone: the request falls back to the default object.
  EXPECT_EQ(ProbeTopButton(theme, "BlueScroll"),
            Expect(second.IdOf("ScrollBar", "TopButton"), scHot));

  ASSERT_TRUE(theme.LoadFromSkinSource(third.Source()));
  EXPECT_FALSE(ProbeTopButton(theme, "default").Painted);
  EXPECT_FALSE(ProbeTopButton(theme, "BlueScroll").Painted);
}

}  // namespace
}  // namespace vt
