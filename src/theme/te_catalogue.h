#pragma once
// The one catalogue of the theme's drawing families: which top-level skin objects each family
// looks up, and which parts it paints below them, by which names. Every reader of those
// names takes them from here: the skin-backed theme when it answers a request, the contact
// sheet when it labels its rows, the skin lint when it tells an author what a skin lacks,
// and the Qt style when it maps a style element onto a family and a part.
//
// The three layers:
//   - TPartNames    one part: the names it is looked up by below its object, tried in order
//                   (the first present wins), e.g. {"FrameHorz", "Frame"}. The parts are the
//                   constants in namespace `catalogue` below; compare parts by address.
//   - TCatalogueObject  one top-level skin object ("ScrollBar"): the controls it paints (for
//                   messages) and its parts, each marked whether a skin is expected to have it.
//   - TCatalogueFamily  one drawing family ("Scroll"): its objects and the parts it paints,
//                   in the order the contact sheet shows them.
//
// Example: the Qt style paints a scroll bar's up arrow as family Scroll, part
// catalogue::kScrollTopButton of object "ScrollBar"; TTeSkinFile::ScrollDrawButton looks up
// the same constant; `vtskin check` reports a skin whose "ScrollBar" lacks "TopButton".
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vt {

// One part: up to four names tried in order below the skin object.
struct TPartNames {
  template <class... TName>
  constexpr explicit TPartNames(TName... names) : Names{names...}, Count(int(sizeof...(TName))) {
    static_assert(sizeof...(TName) >= 1 && sizeof...(TName) <= 4, "one to four names");
  }
  // The part's own name (the first tried); what labels and messages show.
  constexpr const char* Name() const { return Names[0]; }
  constexpr const char* const* begin() const { return Names.data(); }
  constexpr const char* const* end() const { return Names.data() + Count; }

  std::array<const char*, 4> Names;
  int Count;
};

// The drawing families of TteTheme, in the order of its virtual members.
// clang-format off
enum class TThemeFamily : uint8_t {
  Window, Hint, Text, Container, Button, Check, Splitter, Scroll, Progress, Track, Header,
  Status, Edit, GroupBox, EditFrame, Menu, ControlBar, ToolBar, ScrollBox, Panel, Tab, ListBox,
  ItemList, Grid,
};
// clang-format on

struct TCataloguePart {
  const TPartNames* Part;
  // Whether a skin is expected to have it: the lint reports a missing one. Parts that only
  // refine another (a flat face, a pointed thumb, a solid bar) fall back and are not.
  bool Expected;
};

struct TCatalogueObject {
  const char* SkinName;  // the top-level object's name in a skin, "ScrollBar"
  const char* Controls;  // what paints plainly without it, "scroll bars"
  // A window frame: its pieces are found by Kind (client, caption, system buttons), not
  // by name.
  bool WindowFrame;
  std::vector<TCataloguePart> Parts;
};

// One part a family paints: the object it is looked up below (by default; a control may
// name another top-level object) and the part. A null Part paints the whole object.
struct TFamilyPart {
  const TCatalogueObject* Object;
  const TPartNames* Part;
};

struct TCatalogueFamily {
  TThemeFamily Id;
  const char* Name;  // "Scroll": the contact sheet's section, `vtskin sheet --family`
  std::vector<TFamilyPart> Parts;
};

// Every top-level object the themed controls look up by name, in the order of the
// skin-backed theme's object cache.
const std::vector<TCatalogueObject>& CatalogueObjects();
// Every family, in TThemeFamily order.
const std::vector<TCatalogueFamily>& CatalogueFamilies();
const TCatalogueFamily& CatalogueFamily(TThemeFamily family);
// The object of that skin name (compared ignoring case), or nullptr.
const TCatalogueObject* FindCatalogueObject(std::string_view skinName);
// The family of that name (ignoring case), or nullptr.
const TCatalogueFamily* FindCatalogueFamily(std::string_view name);

// ---- The parts ------------------------------------------------------------------------
namespace catalogue {

// Whole objects (hint, splitter) have no part; the window frame's pieces go by Kind.
inline constexpr TPartNames kFace{"Face"};
inline constexpr TPartNames kFlatFace{"FlatFace", "Face"};
inline constexpr TPartNames kSpinLeft{"LeftButton"};
inline constexpr TPartNames kSpinRight{"RightButton"};
inline constexpr TPartNames kPanel{"Panel"};
inline constexpr TPartNames kChecked{"Checked"};
inline constexpr TPartNames kUnchecked{"Unchecked"};
inline constexpr TPartNames kMixed{"Mixed"};
inline constexpr TPartNames kFrame{"Frame"};
inline constexpr TPartNames kCaption{"Caption"};
inline constexpr TPartNames kButton{"Button"};
inline constexpr TPartNames kItem{"Item"};  // names are compared ignoring case ("item")
inline constexpr TPartNames kSeparator{"Separator"};
inline constexpr TPartNames kSection{"Section"};
inline constexpr TPartNames kGripper{"Gripper"};
inline constexpr TPartNames kBack{"Back"};
inline constexpr TPartNames kFixed{"Fixed"};
inline constexpr TPartNames kCell{"Cell"};

inline constexpr TPartNames kScrollTopButton{"TopButton"};
inline constexpr TPartNames kScrollBottomButton{"BottomButton"};
inline constexpr TPartNames kScrollLeftButton{"LeftButton"};
inline constexpr TPartNames kScrollRightButton{"RightButton"};
inline constexpr TPartNames kScrollHorzSlider{"HorzSlider"};
inline constexpr TPartNames kScrollVertSlider{"VertSlider"};
inline constexpr TPartNames kScrollHorzFrame{"HorzFrame"};
inline constexpr TPartNames kScrollVertFrame{"VertFrame"};

inline constexpr TPartNames kProgressFrameVert{"FrameVert", "Frame"};
inline constexpr TPartNames kProgressFrameHorz{"FrameHorz", "Frame"};
inline constexpr TPartNames kProgressBarVert{"BarVert", "Bar"};
inline constexpr TPartNames kProgressBarHorz{"BarHorz", "Bar"};
inline constexpr TPartNames kProgressSolidVert{"SolidVert", "Solid", "BarVert", "Bar"};
inline constexpr TPartNames kProgressSolidHorz{"SolidHorz", "Solid", "BarHorz", "Bar"};

inline constexpr TPartNames kTrackHorz{"TrackHorz", "Track"};
inline constexpr TPartNames kTrackVert{"TrackVert", "Track"};
inline constexpr TPartNames kThumbHorz{"ThumbHorz", "Thumb"};
inline constexpr TPartNames kThumbHorzBoth{"ThumbHorzBoth", "ThumbHorz", "Thumb"};
inline constexpr TPartNames kThumbHorzTop{"ThumbHorzTop", "ThumbHorz", "Thumb"};
inline constexpr TPartNames kThumbHorzBottom{"ThumbHorzBottom", "ThumbHorz", "Thumb"};
inline constexpr TPartNames kThumbVert{"ThumbVert", "Thumb"};
inline constexpr TPartNames kThumbVertBoth{"ThumbVertBoth", "ThumbVert", "Thumb"};
inline constexpr TPartNames kThumbVertLeft{"ThumbVertLeft", "ThumbVert", "Thumb"};
inline constexpr TPartNames kThumbVertRight{"ThumbVertRight", "ThumbVert", "Thumb"};

inline constexpr TPartNames kMenuUpButton{"upbutton"};
inline constexpr TPartNames kMenuDownButton{"downbutton"};
inline constexpr TPartNames kMenuMin{"Min"};
inline constexpr TPartNames kMenuRestore{"Restore"};
inline constexpr TPartNames kMenuClose{"Close"};

inline constexpr TPartNames kToolSeparator{"Separator"};
inline constexpr TPartNames kChevron{"Chevron"};
inline constexpr TPartNames kFlatChevron{"FlatChevron", "Chevron"};
inline constexpr TPartNames kGrabber{"Grabber"};
inline constexpr TPartNames kGrabberVert{"GrabberVert", "Grabber"};

inline constexpr TPartNames kPanelButtonHide{"ButtonHide"};
inline constexpr TPartNames kPanelButtonRollup{"ButtonRollup"};
inline constexpr TPartNames kPanelButtonRollDown{"ButtonRollDown"};

inline constexpr TPartNames kTab{"Tab"};
inline constexpr TPartNames kTabTop{"TabTop", "Tab"};
inline constexpr TPartNames kTabLeft{"TabLeft", "Tab"};
inline constexpr TPartNames kTabRight{"TabRight", "Tab"};
inline constexpr TPartNames kTabLeftButton{"LeftButton"};
inline constexpr TPartNames kTabRightButton{"RightButton"};

// The top-level objects' names in a skin (CatalogueObjects() describes each).
namespace object {
inline constexpr const char* kForm = "Form";
inline constexpr const char* kButton = "Button";
inline constexpr const char* kCheckbox = "Checkbox";
inline constexpr const char* kRadioButton = "RadioButton";
inline constexpr const char* kGroupBox = "GroupBox";
inline constexpr const char* kScrollBar = "ScrollBar";
inline constexpr const char* kProgressBar = "ProgressBar";
inline constexpr const char* kEdit = "Edit";
inline constexpr const char* kComboBox = "ComboBox";
inline constexpr const char* kTrackBar = "TrackBar";
inline constexpr const char* kMenuBar = "MenuBar";
inline constexpr const char* kPopupMenu = "PopupMenu";
inline constexpr const char* kHeader = "Header";
inline constexpr const char* kStatusBar = "StatusBar";
inline constexpr const char* kTabs = "Tabs";
inline constexpr const char* kContainer = "Container";
inline constexpr const char* kFrame = "Frame";
inline constexpr const char* kScrollBox = "ScrollBox";
inline constexpr const char* kSplitter = "Splitter";
inline constexpr const char* kSpinButton = "SpinButton";
inline constexpr const char* kControlBar = "ControlBar";
inline constexpr const char* kGrid = "Grid";
inline constexpr const char* kListBox = "ListBox";
inline constexpr const char* kHint = "Hint";
inline constexpr const char* kSpeedButton = "SpeedButton";
inline constexpr const char* kToolBar = "ToolBar";
inline constexpr const char* kToolWindow = "ToolWindow";
inline constexpr const char* kPanel = "Panel";
}  // namespace object

}  // namespace catalogue

}  // namespace vt
