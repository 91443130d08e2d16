// The catalogue's two tables: the objects (in the order of the skin-backed theme's object
// cache) and the families (in the order of TteTheme's members).
#include "theme/te_catalogue.h"

#include <stdexcept>

#include "rtl/TypInfo.h"

namespace vt {

namespace {

using namespace catalogue;

// Shorthands for the object table: a part the lint expects, and one it does not.
TCataloguePart Expected(const TPartNames& part) {
  return {&part, true};
}
TCataloguePart Refinement(const TPartNames& part) {
  return {&part, false};
}

std::vector<TCatalogueObject> MakeObjects() {
  namespace o = catalogue::object;
  return {
      {o::kForm, "windows", true, {}},
      {o::kButton, "push buttons", false, {Expected(kFace)}},
      {o::kCheckbox,
       "check boxes",
       false,
       {Expected(kChecked), Expected(kUnchecked), Expected(kMixed)}},
      {o::kRadioButton, "radio buttons", false, {Expected(kChecked), Expected(kUnchecked)}},
      {o::kGroupBox, "group boxes", false, {Expected(kFrame), Refinement(kCaption)}},
      {o::kScrollBar,
       "scroll bars",
       false,
       {Expected(kScrollTopButton), Expected(kScrollBottomButton), Expected(kScrollLeftButton),
        Expected(kScrollRightButton), Expected(kScrollHorzSlider), Expected(kScrollVertSlider),
        Expected(kScrollHorzFrame), Expected(kScrollVertFrame)}},
      {o::kProgressBar,
       "progress bars",
       false,
       {Expected(kProgressFrameVert), Expected(kProgressFrameHorz), Expected(kProgressBarVert),
        Expected(kProgressBarHorz), Refinement(kProgressSolidVert),
        Refinement(kProgressSolidHorz)}},
      {o::kEdit, "edits", false, {Expected(kFrame), Refinement(kButton)}},
      {o::kComboBox, "combo boxes", false, {Expected(kFrame), Expected(kButton)}},
      {o::kTrackBar,
       "track bars",
       false,
       {Expected(kTrackVert), Expected(kTrackHorz), Expected(kThumbVert), Expected(kThumbHorz),
        Refinement(kThumbHorzBoth), Refinement(kThumbHorzTop), Refinement(kThumbHorzBottom),
        Refinement(kThumbVertBoth), Refinement(kThumbVertLeft), Refinement(kThumbVertRight)}},
      {o::kMenuBar,
       "menu bars",
       false,
       {Expected(kFrame), Expected(kItem), Refinement(kSeparator), Refinement(kMenuMin),
        Refinement(kMenuRestore), Refinement(kMenuClose)}},
      {o::kPopupMenu,
       "popup menus",
       false,
       {Expected(kFrame), Expected(kItem), Expected(kSeparator), Refinement(kMenuUpButton),
        Refinement(kMenuDownButton)}},
      {o::kHeader, "headers", false, {Expected(kFrame), Expected(kSection)}},
      {o::kStatusBar,
       "status bars",
       false,
       {Expected(kFrame), Expected(kPanel), Expected(kGripper)}},
      {o::kTabs,
       "tab controls",
       false,
       {Expected(kFrame), Expected(kTab), Refinement(kTabTop), Refinement(kTabLeft),
        Refinement(kTabRight), Refinement(kTabLeftButton), Refinement(kTabRightButton)}},
      {o::kContainer, "containers", false, {Expected(kPanel)}},
      {o::kFrame, "frames", false, {}},
      {o::kScrollBox, "scroll boxes", false, {Expected(kFrame)}},
      {o::kSplitter, "splitters", false, {}},
      {o::kSpinButton, "spin buttons", false, {Expected(kSpinLeft), Expected(kSpinRight)}},
      {o::kControlBar,
       "control bars",
       false,
       {Expected(kBack), Refinement(kFrame), Refinement(kGrabber), Refinement(kGrabberVert)}},
      {o::kGrid, "grids", false, {Expected(kFrame), Expected(kFixed), Expected(kCell)}},
      {o::kListBox, "list boxes", false, {Expected(kFrame), Expected(kItem)}},
      {o::kHint, "hints", false, {}},
      {o::kSpeedButton,
       "tool bar buttons",
       false,
       {Expected(kFace), Refinement(kFlatFace), Refinement(kToolSeparator), Refinement(kChevron),
        Refinement(kFlatChevron)}},
      {o::kToolBar, "tool bars", false, {}},
      {o::kToolWindow, "tool windows", true, {}},
      {o::kPanel,
       "panels",
       false,
       {Expected(kFrame), Expected(kCaption), Refinement(kPanelButtonHide),
        Refinement(kPanelButtonRollup), Refinement(kPanelButtonRollDown)}},
  };
}

const TCatalogueObject* Object(const char* skinName) {
  const TCatalogueObject* object = FindCatalogueObject(skinName);
  if (!object) throw std::logic_error(std::string("no catalogue object ") + skinName);
  return object;
}

std::vector<TCatalogueFamily> MakeFamilies() {
  namespace o = catalogue::object;
  const auto* form = Object(o::kForm);
  const auto* button = Object(o::kButton);
  const auto* spin = Object(o::kSpinButton);
  const auto* checkbox = Object(o::kCheckbox);
  const auto* radio = Object(o::kRadioButton);
  const auto* scroll = Object(o::kScrollBar);
  const auto* progress = Object(o::kProgressBar);
  const auto* track = Object(o::kTrackBar);
  const auto* header = Object(o::kHeader);
  const auto* status = Object(o::kStatusBar);
  const auto* edit = Object(o::kEdit);
  const auto* combo = Object(o::kComboBox);
  const auto* group = Object(o::kGroupBox);
  const auto* menuBar = Object(o::kMenuBar);
  const auto* popup = Object(o::kPopupMenu);
  const auto* controlBar = Object(o::kControlBar);
  const auto* speed = Object(o::kSpeedButton);
  const auto* scrollBox = Object(o::kScrollBox);
  const auto* panel = Object(o::kPanel);
  const auto* tabs = Object(o::kTabs);
  const auto* list = Object(o::kListBox);
  const auto* grid = Object(o::kGrid);
  using F = TThemeFamily;
  return {
      {F::Window,
       "Window",
       {{form, nullptr}, {Object(o::kToolWindow), nullptr}, {status, &kGripper}}},
      {F::Hint, "Hint", {{Object(o::kHint), nullptr}}},
      {F::Text, "Text", {}},
      {F::Container, "Container", {{Object(o::kContainer), &kPanel}}},
      {F::Button, "Button", {{button, &kFace}, {spin, &kSpinLeft}, {spin, &kSpinRight}}},
      {F::Check,
       "Check",
       {{checkbox, &kChecked},
        {checkbox, &kUnchecked},
        {checkbox, &kMixed},
        {radio, &kChecked},
        {radio, &kUnchecked}}},
      {F::Splitter, "Splitter", {{Object(o::kSplitter), nullptr}}},
      {F::Scroll,
       "Scroll",
       {{scroll, &kScrollTopButton},
        {scroll, &kScrollBottomButton},
        {scroll, &kScrollLeftButton},
        {scroll, &kScrollRightButton},
        {scroll, &kScrollHorzSlider},
        {scroll, &kScrollVertSlider},
        {scroll, &kScrollHorzFrame},
        {scroll, &kScrollVertFrame},
        {scrollBox, &kFrame}}},
      {F::Progress,
       "Progress",
       {{progress, &kProgressFrameVert},
        {progress, &kProgressFrameHorz},
        {progress, &kProgressBarVert},
        {progress, &kProgressBarHorz},
        {progress, &kProgressSolidVert},
        {progress, &kProgressSolidHorz}}},
      {F::Track,
       "Track",
       {{track, &kTrackHorz},
        {track, &kTrackVert},
        {track, &kThumbHorz},
        {track, &kThumbHorzBoth},
        {track, &kThumbHorzTop},
        {track, &kThumbHorzBottom},
        {track, &kThumbVert},
        {track, &kThumbVertBoth},
        {track, &kThumbVertLeft},
        {track, &kThumbVertRight}}},
      {F::Header, "Header", {{header, &kFrame}, {header, &kSection}}},
      {F::Status, "Status", {{status, &kFrame}, {status, &kPanel}, {status, &kGripper}}},
      {F::Edit, "Edit", {{edit, &kFrame}, {edit, &kButton}, {combo, &kFrame}, {combo, &kButton}}},
      {F::GroupBox, "GroupBox", {{group, &kFrame}, {group, &kCaption}}},
      {F::EditFrame, "EditFrame", {{edit, &kFrame}}},
      {F::Menu,
       "Menu",
       {{menuBar, &kFrame},
        {menuBar, &kItem},
        {menuBar, &kSeparator},
        {popup, &kFrame},
        {popup, &kItem},
        {popup, &kSeparator},
        {popup, &kMenuUpButton},
        {popup, &kMenuDownButton},
        {menuBar, &kMenuMin},
        {menuBar, &kMenuRestore},
        {menuBar, &kMenuClose}}},
      {F::ControlBar, "ControlBar", {{controlBar, &kBack}}},
      {F::ToolBar,
       "ToolBar",
       {{controlBar, &kFrame},
        {speed, &kFace},
        {speed, &kFlatFace},
        {speed, &kToolSeparator},
        {controlBar, &kGrabber},
        {controlBar, &kGrabberVert},
        {speed, &kChevron},
        {speed, &kFlatChevron}}},
      {F::ScrollBox, "ScrollBox", {{scrollBox, &kFrame}}},
      {F::Panel,
       "Panel",
       {{panel, &kFrame},
        {panel, &kCaption},
        {panel, &kPanelButtonHide},
        {panel, &kPanelButtonRollup},
        {panel, &kPanelButtonRollDown}}},
      {F::Tab,
       "Tab",
       {{tabs, &kFrame},
        {tabs, &kTabTop},
        {tabs, &kTab},
        {tabs, &kTabLeft},
        {tabs, &kTabRight},
        {tabs, &kTabLeftButton},
        {tabs, &kTabRightButton}}},
      {F::ListBox,
       "ListBox",
       {{list, &kFrame},
        {list, &kItem},
        {checkbox, &kChecked},
        {checkbox, &kUnchecked},
        {checkbox, &kMixed}}},
      {F::ItemList, "ItemList", {{list, &kFrame}, {list, &kItem}}},
      {F::Grid, "Grid", {{grid, &kFrame}, {grid, &kFixed}, {grid, &kCell}}},
  };
}

}  // namespace

const std::vector<TCatalogueObject>& CatalogueObjects() {
  static const std::vector<TCatalogueObject> objects = MakeObjects();
  return objects;
}

const std::vector<TCatalogueFamily>& CatalogueFamilies() {
  static const std::vector<TCatalogueFamily> families = MakeFamilies();
  return families;
}

const TCatalogueFamily& CatalogueFamily(TThemeFamily family) {
  return CatalogueFamilies().at(size_t(family));
}

const TCatalogueObject* FindCatalogueObject(std::string_view skinName) {
  for (const TCatalogueObject& object : CatalogueObjects())
    if (SameText(object.SkinName, skinName)) return &object;
  return nullptr;
}

const TCatalogueFamily* FindCatalogueFamily(std::string_view name) {
  for (const TCatalogueFamily& family : CatalogueFamilies())
    if (SameText(family.Name, name)) return &family;
  return nullptr;
}

}  // namespace vt
