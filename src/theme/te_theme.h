#pragma once
// The theme model: the object through which every themed control asks how to draw itself.
//
// Sections:
//   1, 3. (moved)          TteColorIndex, TteFontIndex, TteThemeColors, TteThemeSysColors,
//                          TteThemeFonts, FontToString, StringToFont: skin/te_themetables.h
//   2. Tables              TteThemeOptions, TteThemeDrawing, TteThemeMetrics
//   4. Theme classes       TteThemeFileInfo, TteThemeClass, TteThemeClassOf
//   5. TteTheme            identity, tables, defaults, loading, then one block of virtual
//                          members per drawing family, each opening with IsXxxDefined
//
// The base theme answers false to every IsXxxDefined query, so a control whose family is
// undefined paints itself in its own plain way; when it asks anyway, the base members
// draw plain shapes in the theme's system colours. Concrete themes (the skin-backed theme,
// built-in flat themes) override the families they can serve.
#include <QRegion>
#include <QSize>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "rtl/Canvas.h"
#include "rtl/Classes.h"
#include "rtl/Graphics.h"
#include "rtl/Streams.h"
#include "skin/te_themetables.h"
#include "theme/te_themeinfo.h"

namespace vt {

class TteTheme;

// ---- 2. Tables (colours, system colours, fonts: skin/te_themetables.h) -------------

class TteThemeOptions : public TPersistent {
 public:
  static constexpr const char* kEditButtonsDescription =
      "One object for EditButtonLeft, EditButtonRight and EditButtonBoth";
  static constexpr const char* kComboBoxesDescription =
      "One object for ComboBoxLeft, ComboBoxRight";

  explicit TteThemeOptions(TteTheme* theme = nullptr) : FTheme(theme) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  void Assign(const TPersistent& source) override;
  bool GetOneObjectForEditButtons() const { return FOneObjectForEditButtons; }
  void SetOneObjectForEditButtons(bool value) { FOneObjectForEditButtons = value; }
  bool GetOneObjectForComboBoxes() const { return FOneObjectForComboBoxes; }
  void SetOneObjectForComboBoxes(bool value) { FOneObjectForComboBoxes = value; }
  TteTheme* Theme() const { return FTheme; }

 private:
  TteTheme* FTheme;
  bool FOneObjectForEditButtons = false;
  bool FOneObjectForComboBoxes = false;
};

// Drawing and Metrics hold only their theme; concrete themes hang helpers on them.
class TteThemeDrawing : public TPersistent {
 public:
  explicit TteThemeDrawing(TteTheme* theme) : FTheme(theme) {}
  TteTheme* Theme() const { return FTheme; }

 private:
  TteTheme* FTheme;
};

class TteThemeMetrics : public TPersistent {
 public:
  explicit TteThemeMetrics(TteTheme* theme) : FTheme(theme) {}
  TteTheme* Theme() const { return FTheme; }

 private:
  TteTheme* FTheme;
};

// ---- 4. Theme classes ---------------------------------------------------------------

// What a theme class tells the theme manager about its files.
struct TteThemeFileInfo {
  bool BuiltIn = false;       // made without a file and chosen by its type name
  bool CanSave = false;       // SaveToStream / SaveToFile write something loadable
  bool InOpenFilter = false;  // listed in the open dialog's filter
  // The filter entry: a caption ("Foo themes"), or a complete list of
  // "caption|pattern" pairs (the skin theme gives the skin filter string).
  std::string Description;
  // "mskn"; several separated by ";".
  std::string Extension;
};

// A registered kind of theme: the class-level operations and the virtual constructor.
class TteThemeClass {
 public:
  virtual ~TteThemeClass() = default;
  virtual std::string GetThemeTypeName() const = 0;
  virtual TteThemeFileInfo GetThemeFileInfo() const = 0;
  // May read from the stream; the caller restores the position.
  virtual bool CanLoadFromStream(TStream& stream) const = 0;
  virtual std::unique_ptr<TteTheme> Create() const = 0;
};

// The class object of theme type T, forwarding to T's static members.
template <class T>
class TteThemeClassOf final : public TteThemeClass {
 public:
  static const TteThemeClassOf& Instance() {
    static const TteThemeClassOf instance;
    return instance;
  }
  std::string GetThemeTypeName() const override { return T::GetThemeTypeName(); }
  TteThemeFileInfo GetThemeFileInfo() const override { return T::GetThemeFileInfo(); }
  bool CanLoadFromStream(TStream& stream) const override { return T::CanLoadFromStream(stream); }
  std::unique_ptr<TteTheme> Create() const override { return std::make_unique<T>(); }
};

template <class T>
const TteThemeClass& ThemeClassOf() {
  return TteThemeClassOf<T>::Instance();
}

// ---- 5. TteTheme --------------------------------------------------------------------

class TteTheme : public TPersistent {
 public:
  // Sets Name, creates Colors, SysColors, Fonts, Metrics, Drawing, Options, then runs
  // UpdateTheme. That call reaches only the base members (a C++ object is not yet of its
  // derived type here): a derived theme whose defaults differ calls UpdateTheme at the
  // end of its own constructor.
  TteTheme();
  // Frees Options, Metrics, Drawing, Fonts, SysColors, Colors, in this order.
  ~TteTheme() override;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  // The class object of this theme's type; every theme type overrides it with
  // `return ThemeClassOf<ItsType>();`.
  virtual const TteThemeClass& ThemeClass() const;

  // From another theme: Name, Colors, SysColors, Fonts, Options.
  void Assign(const TPersistent& source) override;

  // -- Identity and tables --
  const std::string& GetName() const { return FName; }
  void SetName(const std::string& value) { FName = value; }
  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  int32_t GetDeltaHue() const { return FDeltaHue; }
  int32_t GetDeltaBrightness() const { return FDeltaBrightness; }
  // Store the value and re-derive the tables (UpdateTheme) when it differs.
  void SetDeltaHue(int32_t value);
  void SetDeltaBrightness(int32_t value);
  // Both at once, with one UpdateTheme when either differs.
  void SetDeltas(int32_t hue, int32_t brightness);

  TteThemeColors& Colors() { return *FColors; }
  const TteThemeColors& Colors() const { return *FColors; }
  TteThemeSysColors& SysColors() { return *FSysColors; }
  const TteThemeSysColors& SysColors() const { return *FSysColors; }
  TteThemeFonts& Fonts() { return *FFonts; }
  const TteThemeFonts& Fonts() const { return *FFonts; }
  TteThemeOptions& Options() { return *FOptions; }
  const TteThemeOptions& Options() const { return *FOptions; }
  TteThemeDrawing& Drawing() { return *FDrawing; }
  TteThemeMetrics& Metrics() { return *FMetrics; }

  // -- Defaults --
  // Base: the colour table defaults, then the hue and brightness shift of the table.
  virtual void SetDefaultColors();
  // Base: the hue and brightness shift of the system colour table.
  virtual void SetDefaultSysColors();
  // Base: the font defaults, then the hue and brightness shift of the font colours.
  virtual void SetDefaultFonts();
  // Assigns the font at `index` of Fonts to `font`; themes may vary it per object.
  virtual void GetFont(TFont& font, int index, const std::string& objectName);

  // -- Class level --
  static std::string GetThemeTypeName() { return "Default"; }
  static TteThemeFileInfo GetThemeFileInfo() { return {}; }
  static bool CanLoadFromStream(TStream& /*stream*/) { return false; }

  // -- Loading and saving (base: nothing, false) --
  virtual bool LoadFromStream(TStream& stream);
  virtual bool SaveToStream(TStream& stream);
  virtual bool LoadFromFile(const std::string& fileName);
  virtual bool SaveToFile(const std::string& fileName);

  // SetDefaultColors, SetDefaultSysColors, SetDefaultFonts, in this order.
  virtual void UpdateTheme();
  // Plain text output in the canvas's current font with the request's flags.
  virtual void DrawText(TCanvas& canvas, const TteTextInfo& info);

  // In every family below, `kind` is the family's sub-kind (the enumerations of
  // te_themeinfo.h where the family has them) and `objectName` the control's object
  // name, "default" unless the control names one.

  // -- Window frame family: form and tool-window frames --
  // Kinds: TteWindowKind. The base frame is a raised border of PlainBorderWidth, a
  // caption bar of PlainCaptionHeight and square border icons right-aligned in it.
  virtual bool IsWindowDefined(uint8_t kind, const std::string& objectName) const;
  virtual void WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                          const std::string& objectName);
  virtual void WindowDrawClient(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                const std::string& objectName);
  virtual TRect WindowGetClientRect(uint8_t kind, const TteWindowInfo& info,
                                    const std::string& objectName);
  virtual QRegion WindowGetRegion(uint8_t kind, const TteWindowInfo& info,
                                  const std::string& objectName);
  // kwhNowhere outside the window; kwhClient, kwhBorderIcon, kwhCaption; an edge or a
  // corner (kwhTop..kwhBottomRight) where the frame resizes, kwhBorder where it does not.
  virtual TteWindowHit WindowGetHitTest(uint8_t kind, const TteWindowInfo& info, TPoint point,
                                        const std::string& objectName);
  virtual TRect WindowGetCaptionRect(uint8_t kind, const TteWindowInfo& info,
                                     const std::string& objectName);
  // Empty when the icon is not in info.BorderIcons.
  virtual TRect WindowGetBorderIconRect(uint8_t kind, const TteWindowInfo& info, TteBorderIcon icon,
                                        const std::string& objectName);
  virtual void WindowDrawBorderIcon(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                                    TteBorderIcon icon, uint8_t state,
                                    const std::string& objectName);
  virtual QSize WindowGetSizeGripSize(uint8_t kind, const std::string& objectName);
  virtual void WindowDrawSizeGrip(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                  const std::string& objectName);

  // -- Hint family: hint windows --
  virtual bool IsHintDefined(uint8_t kind, const std::string& objectName) const;
  virtual void HintDraw(TCanvas& canvas, const TRect& rect, const std::string& objectName);
  // Where the hint text goes inside a hint window of `rect`.
  virtual TRect HintGetContentRect(const TRect& rect, const std::string& objectName);

  // -- Text family: static text requests --
  virtual bool IsTextDefined(uint8_t kind, const std::string& objectName) const;
  virtual void TextDraw(TCanvas& canvas, uint8_t kind, const TteTextInfo& info,
                        const std::string& objectName);
  // The rectangle the text needs, placed at info.Rect's top-left.
  virtual TRect TextCalcRect(TCanvas& canvas, uint8_t kind, const TteTextInfo& info,
                             const std::string& objectName);

  // -- Container family: container panels --
  // ContainerDraw: info.Rect and info.State (normal or disabled).
  virtual bool IsContainerDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ContainerDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                             const std::string& objectName);
  virtual TRect ContainerGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName);
  virtual TColor ContainerGetColor(uint8_t kind, uint8_t state, const std::string& objectName);
  virtual bool ContainerIsTransparent(uint8_t kind, const std::string& objectName);
  virtual QRegion ContainerGetRegion(uint8_t kind, const TRect& rect,
                                     const std::string& objectName);

  // -- Button family: push buttons and spin buttons --
  // Kinds: TteButtonKind. ButtonDraw: Rect, State, Flags (kpfDefault, kpfFocused); for the
  // spin kinds Part is a TteButtonPart (kbpSpinLeft: left or upper, kbpSpinRight).
  virtual bool IsButtonDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ButtonDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                          const std::string& objectName);
  virtual TRect ButtonGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  // Whether the button face is shaped (its window region must be set).
  virtual bool ButtonIsMasked(uint8_t kind, const std::string& objectName);
  virtual QRegion ButtonGetRegion(uint8_t kind, const TtePartInfo& info,
                                  const std::string& objectName);

  // -- Check box and radio button family --
  // Kinds: TteCheckKind. CheckDraw: Rect and a TteCheckMark.
  virtual bool IsCheckDefined(uint8_t kind, const std::string& objectName) const;
  virtual QSize CheckGetSize(uint8_t kind, const std::string& objectName);
  virtual void CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                         const std::string& objectName);
  virtual void CheckDrawFocus(TCanvas& canvas, uint8_t kind, const TRect& rect,
                              const std::string& objectName);
  virtual bool CheckIsTransparent(uint8_t kind, const std::string& objectName);

  // -- Splitter family --
  // SplitterDraw: Rect, State, Orientation (koVertical: a bar between columns).
  virtual bool IsSplitterDefined(uint8_t kind, const std::string& objectName) const;
  virtual void SplitterDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName);
  virtual int SplitterGetSize(uint8_t kind, const std::string& objectName);

  // -- Scroll bar family: buttons, sliders, tracks, scroll box frame --
  // ScrollDrawButton: Rect, Part (TteScrollPart), State. ScrollDrawTrack: Rect,
  // Orientation, State. ScrollDrawFrame paints the frame of a scroll box.
  virtual bool IsScrollDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ScrollDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                const std::string& objectName);
  virtual void ScrollDrawTrack(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                               const std::string& objectName);
  // The thickness of a scroll bar of that orientation (button size across the bar).
  virtual int ScrollGetSize(uint8_t kind, TteOrientation orientation,
                            const std::string& objectName);
  virtual void ScrollDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                               const std::string& objectName);

  // -- Progress bar family --
  // ProgressDraw: Rect, Part (TteProgressPart), State.
  virtual bool IsProgressDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ProgressDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName);
  virtual TRect ProgressGetClientRect(uint8_t kind, const TRect& rect, TteOrientation orientation,
                                      const std::string& objectName);
  // The length of one chunk of a chunked bar.
  virtual int ProgressGetChunkSize(uint8_t kind, TteOrientation orientation,
                                   const std::string& objectName);

  // -- Track bar family: track and thumb --
  // TrackDrawTrack: Rect, Orientation, State. TrackDrawThumb: Rect, Part (TteThumbPart),
  // Orientation, State.
  virtual bool IsTrackDefined(uint8_t kind, const std::string& objectName) const;
  virtual void TrackDrawTrack(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                              const std::string& objectName);
  virtual void TrackDrawThumb(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                              const std::string& objectName);
  virtual QSize TrackGetThumbSize(uint8_t kind, TteOrientation orientation, uint8_t thumbPart,
                                  const std::string& objectName);
  // The thickness of the track across the bar.
  virtual int TrackGetTrackSize(uint8_t kind, TteOrientation orientation,
                                const std::string& objectName);

  // -- Header family: frame and sections --
  virtual bool IsHeaderDefined(uint8_t kind, const std::string& objectName) const;
  virtual void HeaderDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                               const std::string& objectName);
  virtual void HeaderDrawSection(TCanvas& canvas, uint8_t kind, const TteHeaderSectionInfo& info,
                                 const std::string& objectName);
  virtual TRect HeaderGetSectionClientRect(uint8_t kind, const TteHeaderSectionInfo& info,
                                           const std::string& objectName);
  virtual int HeaderGetHeight(uint8_t kind, const std::string& objectName);

  // -- Status bar family: frame, panels, gripper --
  // StatusDrawPanel: Rect, State.
  virtual bool IsStatusDefined(uint8_t kind, const std::string& objectName) const;
  virtual void StatusDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                               const std::string& objectName);
  virtual TRect StatusGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  virtual void StatusDrawPanel(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                               const std::string& objectName);
  virtual TRect StatusGetPanelClientRect(uint8_t kind, const TRect& rect,
                                         const std::string& objectName);
  virtual void StatusDrawGripper(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                 const std::string& objectName);
  virtual QSize StatusGetGripperSize(uint8_t kind, const std::string& objectName);

  // -- Edit and combo box family: frame, drop button --
  // Kinds: TteEditKind. EditDraw: Rect, State. EditDrawButton: Rect, Part (0 the left
  // button, 1 the right one), State.
  virtual bool IsEditDefined(uint8_t kind, const std::string& objectName) const;
  virtual void EditDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName);
  virtual TRect EditGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  virtual void EditDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                              const std::string& objectName);
  virtual int EditGetButtonWidth(uint8_t kind, const std::string& objectName);

  // -- Group box family: frame, caption --
  // GroupBoxDrawFrame and GroupBoxDrawCaption: Rect, State (normal or disabled).
  virtual bool IsGroupBoxDefined(uint8_t kind, const std::string& objectName) const;
  virtual void GroupBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName);
  virtual void GroupBoxDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                   const std::string& objectName);
  virtual TRect GroupBoxGetClientRect(uint8_t kind, const TRect& rect,
                                      const std::string& objectName);
  // Where a caption of `textSize` goes on a group box of `rect`.
  virtual TRect GroupBoxGetCaptionRect(uint8_t kind, const TRect& rect, QSize textSize,
                                       const std::string& objectName);

  // -- Edit frame family: the frame of the edit object around other controls --
  virtual bool IsEditFrameDefined(uint8_t kind, const std::string& objectName) const;
  virtual void EditFrameDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                             const std::string& objectName);
  virtual TRect EditFrameGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName);
  virtual TColor EditFrameGetColor(uint8_t kind, uint8_t state, const std::string& objectName);

  // -- Bevel family: bevels and shapes (no skin object serves it) --
  virtual bool IsBevelDefined(uint8_t kind, const std::string& objectName) const;
  virtual void BevelDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName);
  virtual TRect BevelGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);

  // -- Menu family: menu bar, popup menu, items, separators, scroll and MDI buttons --
  // Kinds: TteMenuKind. MenuDrawItem: Rect, State (hot, selected, disabled).
  // MenuDrawSeparator: Rect, Orientation. MenuDrawScrollButton: Rect, Part
  // (TteMenuScrollPart), State. MenuDrawMDIButton: Rect, Part (TteMenuMDIPart), State.
  virtual bool IsMenuDefined(uint8_t kind, const std::string& objectName) const;
  virtual void MenuDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                             const std::string& objectName);
  virtual TRect MenuGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  virtual void MenuDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName);
  // The size an item is designed at; an empty size when the theme does not say.
  virtual QSize MenuGetItemSize(uint8_t kind, const std::string& objectName);
  virtual void MenuDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName);
  virtual void MenuDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                    const std::string& objectName);
  virtual void MenuDrawMDIButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName);

  // -- Control bar family: the back of a control bar --
  virtual bool IsControlBarDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ControlBarDraw(TCanvas& canvas, uint8_t kind, const TRect& rect,
                              const std::string& objectName);
  virtual TRect ControlBarGetClientRect(uint8_t kind, const TRect& rect,
                                        const std::string& objectName);

  // -- Tool bar family: faces, separators, grabbers, chevrons --
  // ToolBarDrawButton: Rect, Part (TteToolButtonPart), State, Flags (kpfFlat,
  // kpfChecked). Separators and grabbers: Rect, Orientation. Chevrons: Rect, State,
  // Orientation, Flags (kpfFlat).
  virtual bool IsToolBarDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ToolBarDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                const std::string& objectName);
  virtual void ToolBarDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName);
  virtual void ToolBarDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                    const std::string& objectName);
  virtual void ToolBarDrawGrabber(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                  const std::string& objectName);
  virtual void ToolBarDrawChevron(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                  const std::string& objectName);

  // -- Scroll box family: frame --
  virtual bool IsScrollBoxDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ScrollBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                                  const std::string& objectName);
  virtual TRect ScrollBoxGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName);

  // -- Panel family: frame, caption, roll-up and hide buttons --
  // PanelDrawFrame and PanelDrawCaption: Rect, State. PanelDrawButton: Rect, Part
  // (TtePanelButtonPart), State.
  virtual bool IsPanelDefined(uint8_t kind, const std::string& objectName) const;
  virtual void PanelDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                              const std::string& objectName);
  virtual TRect PanelGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  virtual void PanelDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                const std::string& objectName);
  virtual TRect PanelGetCaptionRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  virtual void PanelDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                               const std::string& objectName);
  // Where button `part` goes in a caption of `captionRect`.
  virtual TRect PanelGetButtonRect(uint8_t kind, const TRect& captionRect, uint8_t part,
                                   const std::string& objectName);

  // -- Tab family: frame, tabs, scroll buttons --
  // TabDrawFrame: Rect, Part (TteTabPosition). TabDrawTab: Rect, Part (TteTabPosition),
  // State (kpsSelected for the active tab). TabDrawScrollButton: Rect, Part
  // (TteTabScrollPart), State.
  virtual bool IsTabDefined(uint8_t kind, const std::string& objectName) const;
  virtual void TabDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName);
  virtual TRect TabGetClientRect(uint8_t kind, const TRect& rect, TteTabPosition position,
                                 const std::string& objectName);
  virtual void TabDrawTab(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                          const std::string& objectName);
  virtual TRect TabGetTabClientRect(uint8_t kind, const TtePartInfo& info,
                                    const std::string& objectName);
  // The size a tab on that side is designed at; an empty size when the theme does not say.
  virtual QSize TabGetTabSize(uint8_t kind, TteTabPosition position, const std::string& objectName);
  virtual void TabDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                   const std::string& objectName);
  virtual QSize TabGetScrollButtonSize(uint8_t kind, const std::string& objectName);

  // -- List box family: frame, items, check marks --
  // ListBoxDrawFrame: Rect, State. ListBoxDrawItem: Rect, State (hot, selected, focused,
  // disabled). ListBoxDrawCheck: Rect and a TteCheckMark.
  virtual bool IsListBoxDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ListBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                const std::string& objectName);
  virtual TRect ListBoxGetClientRect(uint8_t kind, const TRect& rect,
                                     const std::string& objectName);
  virtual void ListBoxDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                               const std::string& objectName);
  virtual TRect ListBoxGetItemClientRect(uint8_t kind, const TRect& rect,
                                         const std::string& objectName);
  virtual void ListBoxDrawCheck(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                                const std::string& objectName);
  virtual QSize ListBoxGetCheckSize(uint8_t kind, const std::string& objectName);

  // -- Item list family: list views and tree views, frame and items --
  virtual bool IsItemListDefined(uint8_t kind, const std::string& objectName) const;
  virtual void ItemListDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName);
  virtual TRect ItemListGetClientRect(uint8_t kind, const TRect& rect,
                                      const std::string& objectName);
  virtual void ItemListDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                const std::string& objectName);
  virtual TRect ItemListGetItemClientRect(uint8_t kind, const TRect& rect,
                                          const std::string& objectName);

  // -- Grid family: frame, fixed cells, cells --
  // GridDrawFixedCell and GridDrawCell: Rect, State (selected, focused, hot).
  virtual bool IsGridDefined(uint8_t kind, const std::string& objectName) const;
  virtual void GridDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                             const std::string& objectName);
  virtual TRect GridGetClientRect(uint8_t kind, const TRect& rect, const std::string& objectName);
  virtual void GridDrawFixedCell(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName);
  virtual void GridDrawCell(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName);
  virtual TRect GridGetCellClientRect(uint8_t kind, const TRect& rect,
                                      const std::string& objectName);
  virtual TColor GridGetLineColor(uint8_t kind, const std::string& objectName);

  // -- Plain metrics of the base drawing --
  static int PlainBorderWidth(uint8_t windowKind);
  static int PlainCaptionHeight(uint8_t windowKind);
  // Whether the edges of a window of that kind resize it: sizeable forms, MDI children and
  // tool windows. Other frames answer kwhBorder on their edges and corners.
  static bool IsSizeableWindowKind(uint8_t windowKind);

 protected:
  // The theme's value of a system colour (its SysColors entry); other colours as given.
  TColor PlainColor(TColor color) const;
  enum class TPlainEdge { Raised, Sunken, Flat };
  void FillPlain(TCanvas& canvas, const TRect& rect, TColor color) const;
  // A two-pixel 3D edge (one pixel for Flat) in the theme's system colours.
  void DrawPlainEdge(TCanvas& canvas, const TRect& rect, TPlainEdge edge) const;
  // A button face: the edge by state (pressed sunken), then the face colour inside.
  void DrawPlainButton(TCanvas& canvas, const TRect& rect, uint8_t state) const;
  // A sunken field (edits, lists) filled with the window colour, or the face colour
  // when disabled.
  void DrawPlainField(TCanvas& canvas, const TRect& rect, uint8_t state) const;
  void DrawPlainItem(TCanvas& canvas, const TRect& rect, uint8_t state) const;
  void DrawPlainCheck(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info) const;

 private:
  std::string FName;
  std::string FFileName;
  int32_t FDeltaHue = 0;
  int32_t FDeltaBrightness = 0;
  std::unique_ptr<TteThemeColors> FColors;
  std::unique_ptr<TteThemeSysColors> FSysColors;
  std::unique_ptr<TteThemeFonts> FFonts;
  std::unique_ptr<TteThemeMetrics> FMetrics;
  std::unique_ptr<TteThemeDrawing> FDrawing;
  std::unique_ptr<TteThemeOptions> FOptions;
};

}  // namespace vt
