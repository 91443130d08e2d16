#pragma once
// A built-in flat theme: every family defined and painted with one-pixel frames and flat
// fills in the theme's own colour table (buttons in the five button colours, edits in the
// edit colours, captions in the caption colours, frames in WindowBorder). It needs no
// file: a program or a TTeRidadIveror chooses it by its type name, "Flat".
//
// Its metrics (client rectangles, sizes) are the base theme's.
#include "theme/te_theme.h"

namespace vt {

class TTeFlatTheme : public TteTheme {
 public:
  TTeFlatTheme();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TTeFlatTheme>(); }

  static std::string GetThemeTypeName() { return "Flat"; }
  // Built in: made without a file, not saved, not in the open filter.
  static TteThemeFileInfo GetThemeFileInfo();

  // Window frame.
  bool IsWindowDefined(uint8_t kind, const std::string& objectName) const override;
  void WindowDraw(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                  const std::string& objectName) override;
  void WindowDrawClient(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                        const std::string& objectName) override;
  void WindowDrawBorderIcon(TCanvas& canvas, uint8_t kind, const TteWindowInfo& info,
                            TteBorderIcon icon, uint8_t state,
                            const std::string& objectName) override;
  void WindowDrawSizeGrip(TCanvas& canvas, uint8_t kind, const TRect& rect,
                          const std::string& objectName) override;
  // Hint and text.
  bool IsHintDefined(uint8_t kind, const std::string& objectName) const override;
  void HintDraw(TCanvas& canvas, const TRect& rect, const std::string& objectName) override;
  bool IsTextDefined(uint8_t kind, const std::string& objectName) const override;
  // Container.
  bool IsContainerDefined(uint8_t kind, const std::string& objectName) const override;
  void ContainerDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                     const std::string& objectName) override;
  TColor ContainerGetColor(uint8_t kind, uint8_t state, const std::string& objectName) override;
  // Button.
  bool IsButtonDefined(uint8_t kind, const std::string& objectName) const override;
  void ButtonDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                  const std::string& objectName) override;
  // Check box and radio button.
  bool IsCheckDefined(uint8_t kind, const std::string& objectName) const override;
  void CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                 const std::string& objectName) override;
  // Splitter.
  bool IsSplitterDefined(uint8_t kind, const std::string& objectName) const override;
  void SplitterDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  // Scroll bar.
  bool IsScrollDefined(uint8_t kind, const std::string& objectName) const override;
  void ScrollDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  void ScrollDrawTrack(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  void ScrollDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                       const std::string& objectName) override;
  // Progress bar.
  bool IsProgressDefined(uint8_t kind, const std::string& objectName) const override;
  void ProgressDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  // Track bar.
  bool IsTrackDefined(uint8_t kind, const std::string& objectName) const override;
  void TrackDrawTrack(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  void TrackDrawThumb(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  // Header.
  bool IsHeaderDefined(uint8_t kind, const std::string& objectName) const override;
  void HeaderDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                       const std::string& objectName) override;
  void HeaderDrawSection(TCanvas& canvas, uint8_t kind, const TteHeaderSectionInfo& info,
                         const std::string& objectName) override;
  // Status bar.
  bool IsStatusDefined(uint8_t kind, const std::string& objectName) const override;
  void StatusDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                       const std::string& objectName) override;
  void StatusDrawPanel(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  void StatusDrawGripper(TCanvas& canvas, uint8_t kind, const TRect& rect,
                         const std::string& objectName) override;
  // Edit and combo box.
  bool IsEditDefined(uint8_t kind, const std::string& objectName) const override;
  void EditDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                const std::string& objectName) override;
  void EditDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  // Group box.
  bool IsGroupBoxDefined(uint8_t kind, const std::string& objectName) const override;
  void GroupBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void GroupBoxDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                           const std::string& objectName) override;
  // Edit frame.
  bool IsEditFrameDefined(uint8_t kind, const std::string& objectName) const override;
  void EditFrameDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                     const std::string& objectName) override;
  TColor EditFrameGetColor(uint8_t kind, uint8_t state, const std::string& objectName) override;
  // Bevel.
  bool IsBevelDefined(uint8_t kind, const std::string& objectName) const override;
  void BevelDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                 const std::string& objectName) override;
  // Menu.
  bool IsMenuDefined(uint8_t kind, const std::string& objectName) const override;
  void MenuDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                     const std::string& objectName) override;
  void MenuDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  void MenuDrawSeparator(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void MenuDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                            const std::string& objectName) override;
  void MenuDrawMDIButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  // Control bar and tool bar.
  bool IsControlBarDefined(uint8_t kind, const std::string& objectName) const override;
  void ControlBarDraw(TCanvas& canvas, uint8_t kind, const TRect& rect,
                      const std::string& objectName) override;
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
  // Scroll box and panel.
  bool IsScrollBoxDefined(uint8_t kind, const std::string& objectName) const override;
  void ScrollBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TRect& rect,
                          const std::string& objectName) override;
  bool IsPanelDefined(uint8_t kind, const std::string& objectName) const override;
  void PanelDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                      const std::string& objectName) override;
  void PanelDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  void PanelDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  // Tabs.
  bool IsTabDefined(uint8_t kind, const std::string& objectName) const override;
  void TabDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  void TabDrawTab(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                  const std::string& objectName) override;
  void TabDrawScrollButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                           const std::string& objectName) override;
  // List box, item list, grid.
  bool IsListBoxDefined(uint8_t kind, const std::string& objectName) const override;
  void ListBoxDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  void ListBoxDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                       const std::string& objectName) override;
  void ListBoxDrawCheck(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                        const std::string& objectName) override;
  bool IsItemListDefined(uint8_t kind, const std::string& objectName) const override;
  void ItemListDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void ItemListDrawItem(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                        const std::string& objectName) override;
  bool IsGridDefined(uint8_t kind, const std::string& objectName) const override;
  void GridDrawFrame(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                     const std::string& objectName) override;
  void GridDrawFixedCell(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                         const std::string& objectName) override;
  void GridDrawCell(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                    const std::string& objectName) override;
  TColor GridGetLineColor(uint8_t kind, const std::string& objectName) override;

 private:
  // An entry of the colour table as the canvas paints it (system colours resolved through
  // the theme's own system colours).
  TColor ThemeColor(int index) const;
  TColor FrameColor() const { return ThemeColor(ciWindowBorder); }
  TColor ButtonColor(uint8_t state) const;
  TColor EditColor(uint8_t state) const;
  TColor ItemColor(uint8_t state, int normalIndex) const;
  // A flat fill framed by one pixel of the frame colour.
  void FlatBox(TCanvas& canvas, const TRect& rect, TColor fill) const;
  void FlatFrame(TCanvas& canvas, const TRect& rect) const;
  void FlatFill(TCanvas& canvas, const TRect& rect, TColor fill) const;
  // A line of the frame colour through the middle of the rectangle.
  void FlatLine(TCanvas& canvas, const TRect& rect, TteOrientation orientation) const;
  void FlatMark(TCanvas& canvas, bool radio, const TteCheckInfo& info) const;
};

}  // namespace vt
