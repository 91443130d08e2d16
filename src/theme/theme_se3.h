#pragma once
// The skin-backed theme: every drawing request of a themed control is answered by painting
// named skin objects of a skin source.
//
// Sections:
//   1. The object cache     TSkinCacheEntry, the names looked up for each entry
//   2. TTeSkinFile          identity, loading and saving, UpdateTheme, LoadSkinObjects
//   3. The families         one block per family: the default object, the part names and
//                           how the fields of each request record choose them
//   4. Registration         RegisterSkinTheme
//
// How a request becomes pixels (the pattern every family follows):
//   1. The object: the control's object name when it is not "default" and the skin has a
//      top-level object of that name, else the family's cached default object.
//   2. The part: a name chosen from the record's part byte (and orientation where the
//      family has one), looked up below the object, the object itself included; where a
//      family lists several names they are tried in order and the first present wins.
//   3. The state: the record's state byte becomes an object state. Pressed (1) paints as
//      6, hot (2) as 5, disabled (3) as 8, every other value as normal (0). Families whose
//      records carry more (a selected tab, a checked tool button) say below which of
//      these request states they stand for.
//   4. The part takes the record's rectangle as its bounds (laying out its children) and
//      paints itself with everything below it.
// A missing object or part paints nothing, and a query about one gives the base theme's
// answer. Nothing in this path raises an error.
#include <QRegion>
#include <QSize>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "skin/theme_se3objects.h"
#include "theme/te_catalogue.h"
#include "theme/te_theme.h"

namespace vt {

class TSeSkinSource;

// ---- 1. The object cache ------------------------------------------------------------

// The 50 entries of the object cache. Named entries hold the working source's top-level
// object of that name; the form entries are explained at LoadSkinObjects.
enum TSkinCacheEntry : int {
  ceForm = 0,              // "Form", its client removed and its system buttons hidden
  ceFormClient = 1,        // the client placeholder created in the form (owned by it)
  ceFormHitTest = 2,       // a clone of the form: hit tests and the window region
  ceFormIcons = 3,         // a clone of the form: border-icon rectangles and painting
  ceFormClientObject = 4,  // a clone of the form's client object: the client area
  ceButton = 5,            // "Button"
  ceCheckbox = 6,          // "Checkbox"
  ceRadioButton = 7,       // "RadioButton"
  ceGroupBox = 8,          // "GroupBox"
  ceScrollBar = 9,         // "ScrollBar"
  ceProgressBar = 10,      // "ProgressBar"
  ceEdit = 11,             // "Edit"
  ceComboBox = 12,         // "ComboBox"
  ceTrackBar = 13,         // "TrackBar"
  ceMenuBar = 14,          // "MenuBar"
  cePopupMenu = 15,        // "PopupMenu"
  ceHeader = 16,           // "Header"
  ceStatusBar = 17,        // "StatusBar"
  ceTabs = 18,             // "Tabs"
  ceContainer = 19,        // "Container"
  ceFrame = 20,            // "Frame"
  ceScrollBoxFrame = 21,   // "ScrollBox", for the scroll bar family's frame member
  ceSplitter = 22,         // "Splitter"
  ceSpinButton = 23,       // "SpinButton"
  ceControlBar = 24,       // "ControlBar"
  ceGrid = 25,             // "Grid"
  ceListBox = 26,          // "ListBox"
  ceHint = 27,             // "Hint"
  ceSpeedButton = 28,      // "SpeedButton"
  ceToolBar = 29,          // "ToolBar"
  ceToolWindow = 30,       // "ToolWindow", prepared as "Form" is (entries 31..34 as 1..4)
  ceToolWindowClient = 31,
  ceToolWindowHitTest = 32,
  ceToolWindowIcons = 33,
  ceToolWindowClientObject = 34,
  cePanel = 35,      // "Panel"
  ceScrollBox = 36,  // "ScrollBox", for the scroll box family
};
constexpr int kSkinCacheSize = 50;

// The skin object name cached in `entry` ("Form", "Button", ...), or nullptr for the
// placeholders and clones (1..4, 31..34) and the unused entries 37..49.
const char* SkinCacheName(int entry);

// ---- 2. TTeSkinFile -----------------------------------------------------------------

class TTeSkinFile : public TteTheme {
 public:
  // The base theme, both skin sources (empty) and an empty cache. The tables keep the base
  // theme's defaults until a skin is loaded.
  TTeSkinFile();
  // Clears the cache (freeing the placeholders and clones), then frees both sources.
  ~TTeSkinFile() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TTeSkinFile>(); }

  // The base assignment; from another TTeSkinFile also its loaded skin, then UpdateTheme.
  void Assign(const TPersistent& source) override;

  // -- Class level --
  static std::string GetThemeTypeName() { return "VezeDaruvo 3 theme"; }
  // Not built in, can save, listed in the open filter; the skin filter string; "mskn".
  static TteThemeFileInfo GetThemeFileInfo();
  // True when a skin filter recognises the stream's tag, or when its first four bytes are
  // "QXLZ" (a compressed body without its tag). Reads from the stream; the caller
  // restores the position.
  static bool CanLoadFromStream(TStream& stream);

  // -- Loading and saving --
  // Loads through the default skin filter (set to the compressed one first). Succeeds
  // when the skin holds at least one object; then the theme is rebuilt from it. A stream
  // that yields no objects, or that fails part way with an error, leaves the theme as it
  // was (the error propagates).
  bool LoadFromStream(TStream& stream) override;
  // Writes the loaded skin in the maximum-compression variant, with the theme's colours
  // and fonts when no hue or brightness shift is in effect (with a shift, the theme's
  // tables hold derived values, and the skin keeps its own). Always true; errors of the
  // stream propagate.
  bool SaveToStream(TStream& stream) override;
  // As LoadFromStream, from a file chosen by its extension; on success FileName is set.
  bool LoadFromFile(const std::string& fileName) override;
  bool SaveToFile(const std::string& fileName) override;
  // A copy of a skin already in memory (the editor's document, a generated skin); the
  // same success rule as the loads above.
  bool LoadFromSkinSource(const TSeSkinSource& source);

  // Sets the default skin filter to the uncompressed one, rebuilds the working source from
  // the loaded one, LoadSkinObjects, takes Name from the skin's SkinName, then runs the
  // base UpdateTheme (colours, system colours, fonts).
  void UpdateTheme() override;
  // The working source's colour and system colour tables, Colors shifted by the deltas.
  void SetDefaultColors() override;
  // The working source's fonts, their colours shifted by the deltas.
  void SetDefaultFonts() override;

  // Refills the cache from the working source:
  //  1. frees the placeholders and clones and empties all 50 entries;
  //  2. stops when the working source holds no objects;
  //  3. shifts the working source by DeltaHue and DeltaBrightness (each only when not 0);
  //  4. "Form" -> entry 0. When it has a client child (Kind skClient): entry 4 := a clone
  //     of that child, the child is removed from the form and freed, entry 1 := a new
  //     plain object in the form (Color none, Kind skClient, the removed client's Align),
  //     entries 2 and 3 := two clones of the form; then the nine system buttons of the
  //     form (system menu, close, help, minimise, maximise, restore, roll up, roll down,
  //     tray) are hidden, so that painting entry 0 leaves them out;
  //  5. the same for "ToolWindow" into entries 30..34;
  //  6. the named entries 5..29, 35 and 36.
  // UpdateTheme calls it on a freshly rebuilt working source; calling it again on the same
  // source would shift the skin a second time.
  virtual void LoadSkinObjects();

  // -- Inspection (the contact sheet, tests) --
  TSeSkinObject* CachedObject(int entry) const;
  // The skin as loaded (saving writes it) and the working copy that painting uses.
  const TSeSkinSource& LoadedSource() const { return *FLoadedSource; }
  const TSeSkinSource& WorkingSource() const { return *FWorkingSource; }
  // Object state of a request state byte: 1 -> 6, 2 -> 5, 3 -> 8, anything else -> 0.
  static TSeState ObjectStateOf(uint8_t requestState);
  // The object state of a window: 0; 2 when the maximised window's restore icon (bit 0x40
  // of the first flag byte) is present; 3 for the minimised one (bit 0x10); 4 for the
  // roll-down icon (bit 0x01 of the second flag byte). Later rules win.
  static TSeState WindowStateOf(const TteWindowInfo& info);
  // The first of the part's names present below `object` (the object included), or nullptr.
  static TSeSkinObject* FindPart(TSeSkinObject* object, const TPartNames& part);

  // ---- 3. The families ----------------------------------------------------------------

  // -- Window frame: "Form" (kinds 0, 1, 2, 4) or "ToolWindow" (kind 6); other kinds none.
  // Defined for kinds 0 and 1 ("Form") and 6 ("ToolWindow"), or when the object name names
  // a top-level object; never for frameless (3) and popup (5) windows, which have no frame.
  // TteWindowInfo: Rect is the whole window, Active selects the active or inactive look, Caption is
  // the title object's text, BorderIcons the icons present (and, through the restore and roll-down
  // icons, the window's object state). WindowDraw paints the form (the cached one without its
  // client) over Rect, with the system buttons the window's state and border icons call for,
  // in the normal state; Info.Icon is what the system-menu button shows.
  bool IsWindowDefined(uint8_t kind, const std::string& objectName) const override;
  void WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                  const std::string& objectName) override;
  // The form's client object (the clone of entry 4) over the client rectangle.
  void WindowDrawClient(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                        const std::string& objectName) override;
  // The placeholder's bounds after laying the form out over Rect (a named form: its own
  // client object's bounds); the base answer for a form without a client.
  TRect WindowGetClientRect(uint8_t kind, const TteWindowInfo& info,
                            const std::string& objectName) override;
  // The union of the form's child regions laid out over Rect (the window's shape).
  QRegion WindowGetRegion(uint8_t kind, const TteWindowInfo& info,
                          const std::string& objectName) override;
  // The form clone in the window's state over Rect. A present border icon's button answers
  // kwhBorderIcon; otherwise the deepest object at the point with a frame Kind, or its
  // nearest owner with one: caption and title kwhCaption, the client kwhClient, the edge
  // and corner pieces their edge or corner. An edge piece past the client area's side
  // answers that corner; a point on no such piece answers by its place around the client
  // area. Edges and corners of kinds that do not resize answer kwhBorder.
  TteWindowHit WindowGetHitTest(uint8_t kind, const TteWindowInfo& info, TPoint point,
                                const std::string& objectName) override;
  // The caption object's bounds after layout; the base answer without one.
  TRect WindowGetCaptionRect(uint8_t kind, const TteWindowInfo& info,
                             const std::string& objectName) override;
  // Empty unless the icon is present. The system button of the icon's action (system
  // menu, close, help, minimise, restore, maximise, restore, roll up, roll down, tray for
  // icons 0..9) after laying out the form clone in the window's state over Rect.
  TRect WindowGetBorderIconRect(uint8_t kind, const TteWindowInfo& info, TteBorderIcon icon,
                                const std::string& objectName) override;
  // That system button painted alone; `state` hot (2) and pressed (1) select its hot and
  // pressed pictures, anything else the normal one.
  void WindowDrawBorderIcon(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                            TteBorderIcon icon, uint8_t state,
                            const std::string& objectName) override;
  // The "Gripper" part of "StatusBar": its size, and painted over the rectangle.
  QSize WindowGetSizeGripSize(uint8_t kind, const std::string& objectName) override;
  void WindowDrawSizeGrip(TCanvas& canvas, uint8_t kind, const TRect& rect,
                          const std::string& objectName) override;

  // -- Hint: "Hint", the whole object. Always defined. Without a hint object the rectangle
  // is filled with the hint colour and framed in grey (0x808080). The content rectangle is
  // the request inset by 4 pixels left and right and 3 top and bottom.
  bool IsHintDefined(uint8_t kind, const std::string& objectName) const override;
  void HintDraw(TCanvas& canvas, const TRect& rect, const std::string& objectName) override;
  TRect HintGetContentRect(const TRect& rect, const std::string& objectName) override;

  // -- Text: always defined; drawing is the base theme's.
  bool IsTextDefined(uint8_t kind, const std::string& objectName) const override;

  // -- Container: "Container", part "Panel". TtePartInfo: Rect, State.
  // The client rectangle is that of the part's client child (Kind skClient) after layout;
  // the colour is the part's Color; the region the part's window-shape region.
  bool IsContainerDefined(uint8_t kind, const std::string& objectName) const override;
  void ContainerDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                     const std::string& objectName) override;
  TRect ContainerGetClientRect(uint8_t kind, const TRect& rect,
                               const std::string& objectName) override;
  TColor ContainerGetColor(uint8_t kind, uint8_t state, const std::string& objectName) override;
  QRegion ContainerGetRegion(uint8_t kind, const TRect& rect,
                             const std::string& objectName) override;

  // -- Button: "Button" part "Face" (kind 0); "SpinButton" parts "LeftButton" (Part 0) and
  // "RightButton" (Part 1) for the spin kinds 4 and 5. TtePartInfo: Rect, Part, State;
  // Flags are not used (the skin has no default-button look). The mask query answers the
  // "Face" part's Masked flag; the region is the face's window-shape region.
  bool IsButtonDefined(uint8_t kind, const std::string& objectName) const override;
  void ButtonDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                  const std::string& objectName) override;
  TRect ButtonGetClientRect(uint8_t kind, const TRect& rect,
                            const std::string& objectName) override;
  bool ButtonIsMasked(uint8_t kind, const std::string& objectName) override;
  QRegion ButtonGetRegion(uint8_t kind, const TtePartInfo& info,
                          const std::string& objectName) override;

  // -- Check box and radio button: "Checkbox" (kind 0), "RadioButton" (kind 1). The mark
  // byte of TteCheckInfo picks the part and the object state:
  //   0..3 "Checked", 5..8 "Unchecked", 10..13 "Mixed" (check box only), each run meaning
  //   normal, hot, pressed, disabled (object states 0, 5, 6, 8); other marks paint nothing.
  // The size is that of the "Checked" part, 13 x 13 without one.
  bool IsCheckDefined(uint8_t kind, const std::string& objectName) const override;
  QSize CheckGetSize(uint8_t kind, const std::string& objectName) override;
  void CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                 const std::string& objectName) override;
  // The part and object state of a mark, or nothing for a mark without a part.
  struct TCheckPart {
    const TPartNames* Part;
    TSeState State;
  };
  static std::optional<TCheckPart> CheckPartOf(uint8_t kind, uint8_t mark);

  // -- Splitter: "Splitter", the whole object. TtePartInfo: Rect, State.
  bool IsSplitterDefined(uint8_t kind, const std::string& objectName) const override;
  void SplitterDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;

  // -- Scroll bar: "ScrollBar". ScrollDrawButton: Part 0 "TopButton", 1 "BottomButton",
  // 4 "LeftButton", 5 "RightButton", 8 "HorzSlider", 9 "VertSlider" (other parts paint
  // nothing), Rect, State. ScrollDrawTrack: Orientation (horizontal "HorzFrame", vertical
  // "VertFrame"), Rect, State. ScrollGetSize: the width of "TopButton" for a vertical bar,
  // the height of "LeftButton" for a horizontal one. ScrollDrawFrame: the "Frame" part of
  // the named object, else of "ScrollBox" (entry 21), over the rectangle.
  bool IsScrollDefined(uint8_t kind, const std::string& objectName) const override;
  void ScrollDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  void ScrollDrawTrack(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  int ScrollGetSize(uint8_t kind, TteOrientation orientation,
                    const std::string& objectName) override;
  void ScrollDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                       const std::string& objectName) override;
  // The catalogue part of a scroll bar button-and-slider part, or nullptr.
  static const TPartNames* ScrollPartOf(uint8_t part);

  // -- Progress bar: "ProgressBar". Part (TteProgressPart) picks the first present of
  //   0 "FrameVert", "Frame"        1 "FrameHorz", "Frame"
  //   2 "BarVert", "Bar"            3 "BarHorz", "Bar"
  //   4 "SolidVert", "Solid", "BarVert", "Bar"
  //   5 "SolidHorz", "Solid", "BarHorz", "Bar"
  // Rect and State as usual. The client rectangle is the frame part's client child.
  bool IsProgressDefined(uint8_t kind, const std::string& objectName) const override;
  void ProgressDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  TRect ProgressGetClientRect(uint8_t kind, const TRect& rect, TteOrientation orientation,
                              const std::string& objectName) override;

  // -- Track bar: "TrackBar". TrackDrawTrack: Orientation picks "TrackVert" or
  // "TrackHorz", then "Track". TrackDrawThumb: Orientation and Part (TteThumbPart) pick
  //   vertical:   plain "ThumbVert", both "ThumbVertBoth", left "ThumbVertLeft",
  //               right "ThumbVertRight"
  //   horizontal: plain "ThumbHorz", both "ThumbHorzBoth", top "ThumbHorzTop",
  //               bottom "ThumbHorzBottom"
  // then that orientation's plain thumb, then "Thumb". Sizes are the chosen parts' sizes
  // (the thumb's width and height; the track's height, or width when vertical).
  bool IsTrackDefined(uint8_t kind, const std::string& objectName) const override;
  void TrackDrawTrack(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  void TrackDrawThumb(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  QSize TrackGetThumbSize(uint8_t kind, TteOrientation orientation, uint8_t thumbPart,
                          const std::string& objectName) override;
  int TrackGetTrackSize(uint8_t kind, TteOrientation orientation,
                        const std::string& objectName) override;

  // -- Header: "Header", parts "Frame" and "Section". A section's TteSectionDrawState is
  // requested as: pressed and dragging -> pressed, hot and under-drag -> hot, disabled ->
  // disabled, normal and dragged-out -> normal. The height is the "Section" part's.
  bool IsHeaderDefined(uint8_t kind, const std::string& objectName) const override;
  void HeaderDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                       const std::string& objectName) override;
  void HeaderDrawSection(TCanvas& canvas, uint8_t kind, const TteHeaderSectionInfo& info,
                         const std::string& objectName) override;
  TRect HeaderGetSectionClientRect(uint8_t kind, const TteHeaderSectionInfo& info,
                                   const std::string& objectName) override;
  int HeaderGetHeight(uint8_t kind, const std::string& objectName) override;
  static uint8_t SectionRequestState(TteSectionDrawState state);

  // -- Status bar: "StatusBar", parts "Frame", "Panel" (Rect, State) and "Gripper".
  bool IsStatusDefined(uint8_t kind, const std::string& objectName) const override;
  void StatusDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                       const std::string& objectName) override;
  TRect StatusGetClientRect(uint8_t kind, const TRect& rect,
                            const std::string& objectName) override;
  void StatusDrawPanel(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  TRect StatusGetPanelClientRect(uint8_t kind, const TRect& rect,
                                 const std::string& objectName) override;
  void StatusDrawGripper(TCanvas& canvas, uint8_t kind, const TRect& rect,
                         const std::string& objectName) override;
  QSize StatusGetGripperSize(uint8_t kind, const std::string& objectName) override;

  // -- Edit and combo box: "Edit" (kinds 0..3), "ComboBox" (kinds 5 and 6). EditDraw: the
  // "Frame" part, Rect, State. EditDrawButton: the "Button" part for either Part value,
  // Rect, State. The button width is the "Button" part's.
  bool IsEditDefined(uint8_t kind, const std::string& objectName) const override;
  void EditDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                const std::string& objectName) override;
  TRect EditGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName) override;
  void EditDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  int EditGetButtonWidth(uint8_t kind, const std::string& objectName) override;

  // -- Group box: "GroupBox", part "Frame" (Rect, State). The caption keeps the base
  // drawing unless the object has a "Caption" part.
  bool IsGroupBoxDefined(uint8_t kind, const std::string& objectName) const override;
  void GroupBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void GroupBoxDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                           const std::string& objectName) override;
  TRect GroupBoxGetClientRect(uint8_t kind, const TRect& rect,
                              const std::string& objectName) override;

  // -- Edit frame: "Edit", part "Frame" (Rect, State).
  bool IsEditFrameDefined(uint8_t kind, const std::string& objectName) const override;
  void EditFrameDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                     const std::string& objectName) override;
  TRect EditFrameGetClientRect(uint8_t kind, const TRect& rect,
                               const std::string& objectName) override;

  // -- Menu: "MenuBar" (kind 0), "PopupMenu" (kind 1). MenuDrawFrame: "Frame".
  // MenuDrawItem: "Item", Rect, State; a selected item (kpsSelected) is requested as hot,
  // the highlight of menus. MenuDrawSeparator: "Separator". MenuDrawScrollButton: Part 0
  // "upbutton", 1 "downbutton". MenuDrawMDIButton: Part 0 "Min", 1 "Restore", 2 "Close".
  bool IsMenuDefined(uint8_t kind, const std::string& objectName) const override;
  void MenuDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                     const std::string& objectName) override;
  TRect MenuGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName) override;
  void MenuDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  QSize MenuGetItemSize(uint8_t kind, const std::string& objectName) override;
  void MenuDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void MenuDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName) override;
  void MenuDrawMDIButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;

  // -- Control bar: "ControlBar", part "Back". Defined for any kind.
  bool IsControlBarDefined(uint8_t kind, const std::string& objectName) const override;
  void ControlBarDraw(TCanvas& canvas, uint8_t kind, const TRect& rect,
                      const std::string& objectName) override;
  TRect ControlBarGetClientRect(uint8_t kind, const TRect& rect,
                                const std::string& objectName) override;

  // -- Tool bar: defined for kinds 0 and 1 by "ControlBar". ToolBarDrawFrame: "Frame" of
  // "ControlBar". ToolBarDrawButton: "SpeedButton" part "FlatFace" (then "Face") with
  // kpfFlat, else "Face"; a checked button (kpfChecked) in the normal or hot state is
  // requested as pressed. ToolBarDrawSeparator: "Separator" of "SpeedButton".
  // ToolBarDrawChevron: "FlatChevron" (then "Chevron") with kpfFlat, else "Chevron".
  // ToolBarDrawGrabber: "GrabberVert" (then "Grabber") for a vertical bar, else "Grabber",
  // of "ControlBar".
  bool IsToolBarDefined(uint8_t kind, const std::string& objectName) const override;
  void ToolBarDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                        const std::string& objectName) override;
  void ToolBarDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void ToolBarDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName) override;
  void ToolBarDrawGrabber(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                          const std::string& objectName) override;
  void ToolBarDrawChevron(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                          const std::string& objectName) override;

  // -- Scroll box: "ScrollBox" (entry 36), part "Frame". A named object counts for kind 0.
  bool IsScrollBoxDefined(uint8_t kind, const std::string& objectName) const override;
  void ScrollBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                          const std::string& objectName) override;
  TRect ScrollBoxGetClientRect(uint8_t kind, const TRect& rect,
                               const std::string& objectName) override;

  // -- Panel: "Panel", defined for kind 1 (a named object counts for kind 1 only).
  // PanelDrawFrame: "Frame"; PanelDrawCaption: "Caption"; PanelDrawButton: Part 0
  // "ButtonHide", 1 "ButtonRollup", 2 "ButtonRollDown"; each with Rect and State.
  bool IsPanelDefined(uint8_t kind, const std::string& objectName) const override;
  void PanelDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  TRect PanelGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName) override;
  void PanelDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  void PanelDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;

  // -- Tabs: "Tabs", defined for kinds 0 and 1. TabDrawFrame: "Frame". TabDrawTab: Part
  // (TteTabPosition) picks top "TabTop", left "TabLeft", right "TabRight" (each then
  // "Tab"), bottom "Tab"; the active tab (kpsSelected) is requested as pressed.
  // TabDrawScrollButton: Part 0 "LeftButton", 1 "RightButton"; their size is the part's.
  bool IsTabDefined(uint8_t kind, const std::string& objectName) const override;
  void TabDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  TRect TabGetClientRect(uint8_t kind, const TRect& rect, TteTabPosition position,
                         const std::string& objectName) override;
  void TabDrawTab(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                  const std::string& objectName) override;
  QSize TabGetTabSize(uint8_t kind, TteTabPosition position,
                      const std::string& objectName) override;
  void TabDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                           const std::string& objectName) override;
  QSize TabGetScrollButtonSize(uint8_t kind, const std::string& objectName) override;

  // -- List box: "ListBox", parts "Frame" and "Item" (Rect, State; a selected item is
  // requested as pressed). The check marks are those of the check box family, painted
  // from "Checkbox".
  bool IsListBoxDefined(uint8_t kind, const std::string& objectName) const override;
  void ListBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  TRect ListBoxGetClientRect(uint8_t kind, const TRect& rect,
                             const std::string& objectName) override;
  void ListBoxDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  void ListBoxDrawCheck(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                        const std::string& objectName) override;
  QSize ListBoxGetCheckSize(uint8_t kind, const std::string& objectName) override;

  // -- Item list (list and tree views): the "ListBox" object's "Frame" and "Item".
  bool IsItemListDefined(uint8_t kind, const std::string& objectName) const override;
  void ItemListDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  TRect ItemListGetClientRect(uint8_t kind, const TRect& rect,
                              const std::string& objectName) override;
  void ItemListDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;

  // -- Grid: "Grid", parts "Frame", "Fixed" and "Cell" (Rect, State; a selected cell is
  // requested as pressed).
  bool IsGridDefined(uint8_t kind, const std::string& objectName) const override;
  void GridDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                     const std::string& objectName) override;
  TRect GridGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName) override;
  void GridDrawFixedCell(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void GridDrawCell(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;

 protected:
  // How the object name takes part in an IsXxxDefined answer.
  enum class TNameRule {
    Ignored,      // only the cached default object decides
    AnyKind,      // a top-level object of that name makes every kind defined
    ListedKinds,  // ... makes only the listed kinds defined
  };
  struct TKindEntry {
    uint8_t Kind;
    TSkinCacheEntry Entry;
  };
  bool IsDefinedBy(uint8_t kind, const std::string& objectName, TNameRule rule,
                   std::initializer_list<TKindEntry> kinds) const;
  bool HasNamedObject(const std::string& objectName) const { return NamedObject(objectName); }
  // The working source's top-level object of that name; nullptr for "default".
  TSeSkinObject* NamedObject(const std::string& objectName) const;
  // The first object of that Kind below `object` (the object itself not included).
  static TSeSkinObject* FindChildOfKind(TSeSkinObject& object, TSeKind kind);

  // The named top-level object, else the cached default (either may be nullptr).
  TSeSkinObject* ChooseObject(const std::string& objectName, TSkinCacheEntry entry) const;
  TSeSkinObject* ChoosePart(const std::string& objectName, TSkinCacheEntry entry,
                            const TPartNames& part) const;
  // Sets the bounds and lays the children out even when the bounds do not change (their
  // states may have). With `wholeTree` every object below is laid out again as well: a
  // change of visibility deep in the tree (a system button shown or hidden) does not
  // change the bounds of the objects between it and the form.
  static void PlaceObject(TSeSkinObject& object, const TRect& rect, bool wholeTree = false);
  // State, bounds, then the part paints itself and everything below it.
  static void PaintPart(TCanvas& canvas, TSeSkinObject* part, const TRect& rect, TSeState state);
  // The part's client child (Kind skClient, below the part) after laying the part out over
  // `rect`, or nothing.
  static std::optional<TRect> PartClientRect(TSeSkinObject* part, const TRect& rect);
  static std::optional<QSize> PartSize(const TSeSkinObject* part);
  // The whole pattern for one request: object, first present part, state, bounds, paint.
  void PaintRequest(TCanvas& canvas, const std::string& objectName, TSkinCacheEntry entry,
                    const TPartNames& part, const TRect& rect, uint8_t requestState);
  std::optional<TRect> RequestClientRect(const std::string& objectName, TSkinCacheEntry entry,
                                         const TPartNames& part, const TRect& rect);

 private:
  struct TFormEntries {
    TSkinCacheEntry Form, Client, HitTest, Icons, ClientObject;
  };
  static std::optional<TFormEntries> FormEntriesOf(uint8_t windowKind);
  void ClearCache();
  void PrepareSave();
  void PrepareForm(const char* name, const TFormEntries& entries);
  void LookUpNamedEntries();
  // Loads into a fresh source and adopts it when it holds objects.
  template <class Load>
  bool LoadSource(Load&& load);

  // Window frame helpers.
  TSeSkinObject* FrameObject(uint8_t kind, const std::string& objectName,
                             TSkinCacheEntry TFormEntries::*which) const;
  TSeSkinObject* LayOutFrame(uint8_t kind, const TteWindowInfo& info, const std::string& objectName,
                             TSkinCacheEntry TFormEntries::*which);
  void LayOutForm(TSeSkinObject& form, const TteWindowInfo& info);
  TSeSkinObject* ClientObjectOf(uint8_t kind, const std::string& objectName) const;
  // Hides the nine system buttons (visibility only: the layout stays).
  static void HideSystemButtons(TSeSkinObject& form);
  static TRect FrameClientRect(TSeSkinObject& form, const TRect& window);
  static void ShrinkByPieces(TSeSkinObject& object, TRect& free);

  std::unique_ptr<TSeSkinSource> FWorkingSource;
  std::unique_ptr<TSeSkinSource> FLoadedSource;
  std::array<TSeSkinObject*, kSkinCacheSize> FCache{};
  // The clones of entries 2, 3, 4, 32, 33, 34; the placeholders 1 and 31 belong to their
  // forms but are freed with the cache as well.
  std::array<std::unique_ptr<TSeSkinObject>, kSkinCacheSize> FOwnedClones;
  // What ChoosePart found for each request (entry, object name, part), so that a
  // request repeated on every repaint does not search the object tree by name again. The
  // trees change only while the cache is refilled, which forgets these.
  mutable std::unordered_map<std::string, TSeSkinObject*> FPartLookups;
  mutable std::string FLookupKey;
};

// ---- 4. Registration ----------------------------------------------------------------

// Registers TTeSkinFile and the built-in flat theme with the theme manager, once.
void RegisterSkinTheme();

}  // namespace vt
