// The contact sheet: a table of sections (one per family), rows (one per part) and cells
// (one per state), each cell painted by the theme member a control would call.
//
// Sections: the cell model and state columns - the family builders - layout and painting.
#include "theme/te_contactsheet.h"

#include <algorithm>
#include <functional>
#include <span>

#include "rtl/Canvas.h"
#include "theme/te_catalogue.h"

namespace vt {

namespace {

// ---- The cell model -------------------------------------------------------------------

using TPaint = std::function<void(TCanvas&, const TRect&)>;
using TStatePaint = std::function<void(TCanvas&, const TRect&, uint8_t state)>;

struct TCell {
  std::string Label;  // "Family Part"
  std::string State;
  QSize Size;
  TPaint Paint;
};

using TRow = std::vector<TCell>;

struct TSection {
  std::string Family;
  std::vector<TRow> Rows;
};

struct TStateColumn {
  const char* Name;
  uint8_t State;
};

constexpr TStateColumn kRequestStates[] = {{"normal", kpsNormal},
                                           {"hot", kpsHot},
                                           {"pressed", kpsPressed},
                                           {"focused", kpsFocused},
                                           {"disabled", kpsDisabled}};
// Items, cells and tabs also have a selected look.
constexpr TStateColumn kItemStates[] = {{"normal", kpsNormal},     {"hot", kpsHot},
                                        {"pressed", kpsPressed},   {"focused", kpsFocused},
                                        {"disabled", kpsDisabled}, {"selected", kpsSelected}};
constexpr TStateColumn kEnabledStates[] = {{"normal", kpsNormal}, {"disabled", kpsDisabled}};
constexpr TStateColumn kButtonStates[] = {
    {"normal", kpsNormal}, {"hot", kpsHot}, {"pressed", kpsPressed}};
// The four states of a check mark (the step added to the mark's first byte).
constexpr TStateColumn kMarkStates[] = {{"normal", 0}, {"hot", 1}, {"pressed", 2}, {"disabled", 3}};

constexpr const char* kIconNames[kBorderIconCount] = {
    "SysMenu",  "Close",      "Help",   "Minimize", "MinRestore",
    "Maximize", "MaxRestore", "RollUp", "RollDown", "Tray"};

// A row label: the family's name and the part's catalogue name.
std::string Label(const char* family, const TPartNames& part) {
  return std::string(family) + " " + part.Name();
}

TtePartInfo Part(const TRect& rect, uint8_t part, uint8_t state,
                 TteOrientation orientation = koHorizontal, uint32_t flags = 0) {
  TtePartInfo info;
  info.Rect = rect;
  info.Part = part;
  info.State = state;
  info.Orientation = orientation;
  info.Flags = flags;
  return info;
}

// ---- The family builders ----------------------------------------------------------------

class TSheetBuilder {
 public:
  TSheetBuilder(TteTheme& theme, std::string objectName)
      : FTheme(theme), FObject(std::move(objectName)) {}

  TSection Build(const TCatalogueFamily& family);

 private:
  TRow StateRow(const std::string& label, QSize size, std::span<const TStateColumn> states,
                const TStatePaint& paint) const {
    TRow row;
    for (const TStateColumn& column : states) {
      const uint8_t state = column.State;
      row.push_back({label, column.Name, size, [paint, state](TCanvas& canvas, const TRect& rect) {
                       paint(canvas, rect, state);
                     }});
    }
    return row;
  }
  TRow SingleRow(const std::string& label, QSize size, TPaint paint) const {
    return {TCell{label, "normal", size, std::move(paint)}};
  }

  TColor WindowColor() const {
    const TColor window = FTheme.Colors().GetColor(ciWindow);
    const TColor own = FTheme.SysColors().GetThemeSysColor(window);
    return ColorToRGB(own == clNone ? window : own);
  }

  TteWindowInfo Window(const TRect& rect, uint16_t icons, bool active) const {
    TteWindowInfo info;
    info.Rect = rect;
    info.BorderIcons = icons;
    info.Active = active;
    info.Caption = "Window";
    return info;
  }

  std::vector<TRow> WindowRows();
  std::vector<TRow> CheckRows(const std::string& family,
                              std::function<void(TCanvas&, const TteCheckInfo&)> paint, QSize size,
                              bool mixed);
  std::vector<TRow> ScrollRows();
  std::vector<TRow> ProgressRows();
  std::vector<TRow> TrackRows();
  std::vector<TRow> MenuRows();
  std::vector<TRow> ToolBarRows();
  std::vector<TRow> TabRows();

  TteTheme& FTheme;
  std::string FObject;
};

std::vector<TRow> TSheetBuilder::WindowRows() {
  std::vector<TRow> rows;
  static constexpr TStateColumn kActive[] = {{"active", 1}, {"inactive", 0}};
  const uint16_t formIcons = BorderIconBit(kbiSysMenu) | BorderIconBit(kbiClose) |
                             BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaximize);
  auto frame = [this](uint8_t kind, uint16_t icons) {
    return [this, kind, icons](TCanvas& canvas, const TRect& rect, uint8_t active) {
      const TteWindowInfo info = Window(rect, icons, active != 0);
      FTheme.WindowDraw(canvas, kind, info, FObject);
      FTheme.WindowDrawClient(canvas, kind, info, FObject);
    };
  };
  rows.push_back(StateRow("Window Form", {200, 110}, kActive, frame(kwkSizeable, formIcons)));
  rows.push_back(StateRow("Window ToolWindow", {160, 80}, kActive,
                          frame(kwkToolWindow, BorderIconBit(kbiClose))));
  for (int icon = 0; icon < kBorderIconCount; ++icon) {
    const uint16_t bit = BorderIconBit(TteBorderIcon(icon));
    rows.push_back(StateRow(std::string("Window Icon") + kIconNames[icon], {150, 40}, kButtonStates,
                            [this, icon, bit](TCanvas& canvas, const TRect& rect, uint8_t state) {
                              const TteWindowInfo info = Window(rect, bit, true);
                              FTheme.WindowDraw(canvas, kwkSizeable, info, FObject);
                              FTheme.WindowDrawBorderIcon(canvas, kwkSizeable, info,
                                                          TteBorderIcon(icon), state, FObject);
                            }));
  }
  rows.push_back(SingleRow("Window SizeGrip", FTheme.WindowGetSizeGripSize(kwkSizeable, FObject),
                           [this](TCanvas& canvas, const TRect& rect) {
                             FTheme.WindowDrawSizeGrip(canvas, kwkSizeable, rect, FObject);
                           }));
  return rows;
}

std::vector<TRow> TSheetBuilder::CheckRows(const std::string& family,
                                           std::function<void(TCanvas&, const TteCheckInfo&)> paint,
                                           QSize size, bool mixed) {
  std::vector<TRow> rows;
  struct TMark {
    const char* Name;
    uint8_t First;
  };
  static constexpr TMark kMarks[] = {
      {"Checked", kcmCheckedNormal}, {"Unchecked", kcmUncheckedNormal}, {"Mixed", kcmMixedNormal}};
  for (const TMark& mark : kMarks) {
    if (!mixed && mark.First == kcmMixedNormal) continue;
    const uint8_t first = mark.First;
    rows.push_back(StateRow(family + " " + mark.Name, size, kMarkStates,
                            [paint, first](TCanvas& canvas, const TRect& rect, uint8_t step) {
                              TteCheckInfo info;
                              info.Rect = rect;
                              info.Mark = uint8_t(first + step);
                              paint(canvas, info);
                            }));
  }
  return rows;
}

std::vector<TRow> TSheetBuilder::ScrollRows() {
  std::vector<TRow> rows;
  struct TScrollPart {
    const TPartNames* Names;
    uint8_t Part;
    QSize Size;
  };
  static constexpr TScrollPart kParts[] = {
      {&catalogue::kScrollTopButton, kspTopButton, {17, 17}},
      {&catalogue::kScrollBottomButton, kspBottomButton, {17, 17}},
      {&catalogue::kScrollLeftButton, kspLeftButton, {17, 17}},
      {&catalogue::kScrollRightButton, kspRightButton, {17, 17}},
      {&catalogue::kScrollHorzSlider, kspHorzSlider, {50, 17}},
      {&catalogue::kScrollVertSlider, kspVertSlider, {17, 50}}};
  for (const TScrollPart& part : kParts) {
    const uint8_t value = part.Part;
    rows.push_back(StateRow(Label("Scroll", *part.Names), part.Size, kRequestStates,
                            [this, value](TCanvas& canvas, const TRect& rect, uint8_t state) {
                              FTheme.ScrollDrawButton(canvas, 0, Part(rect, value, state), FObject);
                            }));
  }
  rows.push_back(StateRow(Label("Scroll", catalogue::kScrollHorzFrame), {80, 17}, kRequestStates,
                          [this](TCanvas& canvas, const TRect& rect, uint8_t state) {
                            FTheme.ScrollDrawTrack(canvas, 0, Part(rect, 0, state), FObject);
                          }));
  rows.push_back(StateRow(Label("Scroll", catalogue::kScrollVertFrame), {17, 80}, kRequestStates,
                          [this](TCanvas& canvas, const TRect& rect, uint8_t state) {
                            FTheme.ScrollDrawTrack(canvas, 0, Part(rect, 0, state, koVertical),
                                                   FObject);
                          }));
  // A whole vertical bar as a control paints it: track, two buttons, slider.
  rows.push_back(SingleRow("Scroll Bar", {17, 120}, [this](TCanvas& canvas, const TRect& r) {
    FTheme.ScrollDrawTrack(canvas, 0, Part(r, 0, kpsNormal, koVertical), FObject);
    FTheme.ScrollDrawButton(canvas, 0, Part({r.Left, r.Top, r.Right, r.Top + 17}, kspTopButton, 0),
                            FObject);
    FTheme.ScrollDrawButton(
        canvas, 0, Part({r.Left, r.Bottom - 17, r.Right, r.Bottom}, kspBottomButton, 0), FObject);
    FTheme.ScrollDrawButton(
        canvas, 0, Part({r.Left, r.Top + 30, r.Right, r.Top + 70}, kspVertSlider, 0), FObject);
  }));
  rows.push_back(SingleRow("Scroll Frame", {60, 40}, [this](TCanvas& canvas, const TRect& rect) {
    FTheme.ScrollDrawFrame(canvas, 0, rect, FObject);
  }));
  return rows;
}

std::vector<TRow> TSheetBuilder::ProgressRows() {
  std::vector<TRow> rows;
  struct TProgressPart {
    const TPartNames* Names;
    uint8_t Part;
    QSize Size;
  };
  static constexpr TProgressPart kParts[] = {
      {&catalogue::kProgressFrameVert, kppFrameVert, {17, 60}},
      {&catalogue::kProgressFrameHorz, kppFrameHorz, {90, 17}},
      {&catalogue::kProgressBarVert, kppBarVert, {13, 50}},
      {&catalogue::kProgressBarHorz, kppBarHorz, {80, 13}},
      {&catalogue::kProgressSolidVert, kppSolidVert, {13, 50}},
      {&catalogue::kProgressSolidHorz, kppSolidHorz, {80, 13}}};
  for (const TProgressPart& part : kParts) {
    const uint8_t value = part.Part;
    rows.push_back(StateRow(Label("Progress", *part.Names), part.Size, kEnabledStates,
                            [this, value](TCanvas& canvas, const TRect& rect, uint8_t state) {
                              FTheme.ProgressDraw(canvas, 0, Part(rect, value, state), FObject);
                            }));
  }
  return rows;
}

std::vector<TRow> TSheetBuilder::TrackRows() {
  std::vector<TRow> rows;
  const int horzTrack = FTheme.TrackGetTrackSize(0, koHorizontal, FObject);
  const int vertTrack = FTheme.TrackGetTrackSize(0, koVertical, FObject);
  rows.push_back(StateRow(Label("Track", catalogue::kTrackHorz), {100, std::max(horzTrack, 1)},
                          kEnabledStates,
                          [this](TCanvas& canvas, const TRect& rect, uint8_t state) {
                            FTheme.TrackDrawTrack(canvas, 0, Part(rect, 0, state), FObject);
                          }));
  rows.push_back(
      StateRow(Label("Track", catalogue::kTrackVert), {std::max(vertTrack, 1), 80}, kEnabledStates,
               [this](TCanvas& canvas, const TRect& rect, uint8_t state) {
                 FTheme.TrackDrawTrack(canvas, 0, Part(rect, 0, state, koVertical), FObject);
               }));
  static constexpr const TPartNames* kThumbs[2][4] = {
      {&catalogue::kThumbHorz, &catalogue::kThumbHorzBoth, &catalogue::kThumbHorzTop,
       &catalogue::kThumbHorzBottom},
      {&catalogue::kThumbVert, &catalogue::kThumbVertBoth, &catalogue::kThumbVertLeft,
       &catalogue::kThumbVertRight}};
  for (TteOrientation orientation : {koHorizontal, koVertical})
    for (uint8_t part = 0; part < 4; ++part) {
      const QSize size = FTheme.TrackGetThumbSize(0, orientation, part, FObject);
      rows.push_back(StateRow(
          Label("Track", *kThumbs[orientation][part]), size, kRequestStates,
          [this, orientation, part](TCanvas& canvas, const TRect& rect, uint8_t state) {
            FTheme.TrackDrawThumb(canvas, 0, Part(rect, part, state, orientation), FObject);
          }));
    }
  return rows;
}

std::vector<TRow> TSheetBuilder::MenuRows() {
  std::vector<TRow> rows;
  for (uint8_t kind : {kmkMenuBar, kmkPopupMenu}) {
    const std::string prefix = kind == kmkMenuBar ? "Menu Bar" : "Menu Popup";
    const QSize frameSize = kind == kmkMenuBar ? QSize(160, 20) : QSize(120, 80);
    rows.push_back(SingleRow(prefix + "Frame", frameSize, [this, kind](TCanvas& c, const TRect& r) {
      FTheme.MenuDrawFrame(c, kind, r, FObject);
    }));
    rows.push_back(StateRow(prefix + "Item", {kind == kmkMenuBar ? 60 : 120, 20}, kItemStates,
                            [this, kind](TCanvas& c, const TRect& r, uint8_t state) {
                              FTheme.MenuDrawItem(c, kind, Part(r, 0, state), FObject);
                            }));
    rows.push_back(
        SingleRow(prefix + "Separator", {120, 8}, [this, kind](TCanvas& c, const TRect& r) {
          FTheme.MenuDrawSeparator(c, kind, Part(r, 0, kpsNormal), FObject);
        }));
  }
  static constexpr const TPartNames* kScroll[] = {&catalogue::kMenuUpButton,
                                                  &catalogue::kMenuDownButton};
  for (uint8_t part = 0; part < 2; ++part)
    rows.push_back(StateRow(Label("Menu", *kScroll[part]), {120, 12}, kRequestStates,
                            [this, part](TCanvas& c, const TRect& r, uint8_t state) {
                              FTheme.MenuDrawScrollButton(c, kmkPopupMenu, Part(r, part, state),
                                                          FObject);
                            }));
  static constexpr const TPartNames* kMDI[] = {&catalogue::kMenuMin, &catalogue::kMenuRestore,
                                               &catalogue::kMenuClose};
  for (uint8_t part = 0; part < 3; ++part)
    rows.push_back(StateRow(Label("Menu", *kMDI[part]), {16, 14}, kRequestStates,
                            [this, part](TCanvas& c, const TRect& r, uint8_t state) {
                              FTheme.MenuDrawMDIButton(c, kmkMenuBar, Part(r, part, state),
                                                       FObject);
                            }));
  return rows;
}

std::vector<TRow> TSheetBuilder::ToolBarRows() {
  std::vector<TRow> rows;
  rows.push_back(SingleRow("ToolBar Frame", {160, 28}, [this](TCanvas& c, const TRect& r) {
    FTheme.ToolBarDrawFrame(c, 0, r, FObject);
  }));
  struct TFace {
    const char* Name;
    uint32_t Flags;
  };
  static constexpr TFace kFaces[] = {
      {"Face", 0}, {"FlatFace", kpfFlat}, {"CheckedFace", kpfChecked}};
  for (const TFace& face : kFaces) {
    const uint32_t flags = face.Flags;
    rows.push_back(StateRow(std::string("ToolBar ") + face.Name, {23, 22}, kRequestStates,
                            [this, flags](TCanvas& c, const TRect& r, uint8_t state) {
                              FTheme.ToolBarDrawButton(
                                  c, 0, Part(r, ktbFace, state, koHorizontal, flags), FObject);
                            }));
  }
  rows.push_back(SingleRow("ToolBar Separator", {8, 22}, [this](TCanvas& c, const TRect& r) {
    FTheme.ToolBarDrawSeparator(c, 0, Part(r, 0, kpsNormal), FObject);
  }));
  rows.push_back(SingleRow("ToolBar Grabber", {8, 22}, [this](TCanvas& c, const TRect& r) {
    FTheme.ToolBarDrawGrabber(c, 0, Part(r, 0, kpsNormal), FObject);
  }));
  rows.push_back(SingleRow("ToolBar GrabberVert", {22, 8}, [this](TCanvas& c, const TRect& r) {
    FTheme.ToolBarDrawGrabber(c, 0, Part(r, 0, kpsNormal, koVertical), FObject);
  }));
  for (uint32_t flags : {0u, uint32_t(kpfFlat)})
    rows.push_back(
        StateRow(flags ? "ToolBar FlatChevron" : "ToolBar Chevron", {12, 22}, kRequestStates,
                 [this, flags](TCanvas& c, const TRect& r, uint8_t state) {
                   FTheme.ToolBarDrawChevron(c, 0, Part(r, 0, state, koHorizontal, flags), FObject);
                 }));
  return rows;
}

std::vector<TRow> TSheetBuilder::TabRows() {
  std::vector<TRow> rows;
  rows.push_back(SingleRow("Tab Frame", {160, 80}, [this](TCanvas& c, const TRect& r) {
    FTheme.TabDrawFrame(c, 0, Part(r, ktpTop, kpsNormal), FObject);
  }));
  struct TTabPart {
    const TPartNames* Names;
    uint8_t Position;
    QSize Size;
  };
  static constexpr TTabPart kTabs[] = {{&catalogue::kTabTop, ktpTop, {60, 22}},
                                       {&catalogue::kTab, ktpBottom, {60, 22}},
                                       {&catalogue::kTabLeft, ktpLeft, {22, 60}},
                                       {&catalogue::kTabRight, ktpRight, {22, 60}}};
  for (const TTabPart& tab : kTabs) {
    const uint8_t position = tab.Position;
    rows.push_back(StateRow(Label("Tab", *tab.Names), tab.Size, kItemStates,
                            [this, position](TCanvas& c, const TRect& r, uint8_t state) {
                              FTheme.TabDrawTab(c, 0, Part(r, position, state), FObject);
                            }));
  }
  const QSize buttonSize = FTheme.TabGetScrollButtonSize(0, FObject);
  for (uint8_t part : {uint8_t(ktsLeft), uint8_t(ktsRight)})
    rows.push_back(StateRow(
        Label("Tab", part == ktsLeft ? catalogue::kTabLeftButton : catalogue::kTabRightButton),
        buttonSize, kRequestStates, [this, part](TCanvas& c, const TRect& r, uint8_t state) {
          FTheme.TabDrawScrollButton(c, 0, Part(r, part, state), FObject);
        }));
  return rows;
}

TSection TSheetBuilder::Build(const TCatalogueFamily& family) {
  using F = TThemeFamily;
  TSection section{family.Name, {}};
  auto& rows = section.Rows;
  auto partRow = [this](const std::string& label, QSize size, std::span<const TStateColumn> states,
                        auto member, uint8_t kind, uint8_t part = 0,
                        TteOrientation orientation = koHorizontal) {
    return StateRow(label, size, states,
                    [this, member, kind, part, orientation](TCanvas& c, const TRect& r, uint8_t s) {
                      (FTheme.*member)(c, kind, Part(r, part, s, orientation), FObject);
                    });
  };
  auto rectRow = [this](const std::string& label, QSize size, auto member, uint8_t kind) {
    return SingleRow(label, size, [this, member, kind](TCanvas& c, const TRect& r) {
      (FTheme.*member)(c, kind, r, FObject);
    });
  };
  switch (family.Id) {
    case F::Window: {
      rows = WindowRows();
      break;
    }
    case F::Hint: {
      rows.push_back(SingleRow("Hint Hint", {120, 40}, [this](TCanvas& c, const TRect& r) {
        FTheme.HintDraw(c, r, FObject);
      }));
      break;
    }
    case F::Text: {
      rows.push_back(SingleRow("Text Text", {100, 18}, [this](TCanvas& c, const TRect& r) {
        // Static text stands on the window's colour: light text must not vanish.
        c.FillRect(r, WindowColor());
        TteTextInfo info;
        info.Text = "Sample text";
        info.Rect = r;
        info.Flags = dtLeft | dtVCenter | dtSingleLine;
        FTheme.GetFont(c.Font(), fiStaticTextNormal, FObject);
        FTheme.TextDraw(c, 0, info, FObject);
      }));
      break;
    }
    case F::Container: {
      rows.push_back(
          partRow("Container Panel", {100, 50}, kEnabledStates, &TteTheme::ContainerDraw, 0));
      break;
    }
    case F::Button: {
      rows.push_back(
          partRow("Button Face", {75, 25}, kRequestStates, &TteTheme::ButtonDraw, kbkPushButton));
      rows.push_back(partRow("Button SpinUp", {17, 11}, kRequestStates, &TteTheme::ButtonDraw,
                             kbkSpinVertical, kbpSpinLeft));
      rows.push_back(partRow("Button SpinDown", {17, 11}, kRequestStates, &TteTheme::ButtonDraw,
                             kbkSpinVertical, kbpSpinRight));
      rows.push_back(partRow("Button SpinLeft", {11, 17}, kRequestStates, &TteTheme::ButtonDraw,
                             kbkSpinHorizontal, kbpSpinLeft));
      rows.push_back(partRow("Button SpinRight", {11, 17}, kRequestStates, &TteTheme::ButtonDraw,
                             kbkSpinHorizontal, kbpSpinRight));
      break;
    }
    case F::Check: {
      for (uint8_t kind : {kckCheckBox, kckRadioButton}) {
        auto paint = [this, kind](TCanvas& c, const TteCheckInfo& info) {
          FTheme.CheckDraw(c, kind, info, FObject);
        };
        const std::string name = kind == kckCheckBox ? "Check Checkbox" : "Check RadioButton";
        for (TRow& row :
             CheckRows(name, paint, FTheme.CheckGetSize(kind, FObject), kind == kckCheckBox))
          rows.push_back(std::move(row));
      }
      break;
    }
    case F::Splitter: {
      rows.push_back(partRow("Splitter Vert", {6, 60}, kRequestStates, &TteTheme::SplitterDraw, 0,
                             0, koVertical));
      rows.push_back(partRow("Splitter Horz", {60, 6}, kRequestStates, &TteTheme::SplitterDraw, 0));
      break;
    }
    case F::Scroll: {
      rows = ScrollRows();
      break;
    }
    case F::Progress: {
      rows = ProgressRows();
      break;
    }
    case F::Track: {
      rows = TrackRows();
      break;
    }
    case F::Header: {
      const int height = FTheme.HeaderGetHeight(0, FObject);
      rows.push_back(rectRow("Header Frame", {140, height}, &TteTheme::HeaderDrawFrame, 0));
      static constexpr TStateColumn kSections[] = {
          {"normal", khdsNormal},     {"pressed", khdsPressed}, {"draggedout", khdsDraggedOut},
          {"dragging", khdsDragging}, {"hot", khdsHot},         {"underdrag", khdsUnderDrag},
          {"disabled", khdsDisabled}};
      rows.push_back(StateRow("Header Section", {70, height}, kSections,
                              [this](TCanvas& c, const TRect& r, uint8_t state) {
                                TteHeaderSectionInfo info;
                                info.Rect = r;
                                info.State = TteSectionDrawState(state);
                                FTheme.HeaderDrawSection(c, 0, info, FObject);
                              }));
      break;
    }
    case F::Status: {
      rows.push_back(rectRow("Status Frame", {160, 22}, &TteTheme::StatusDrawFrame, 0));
      rows.push_back(
          partRow("Status Panel", {80, 20}, kEnabledStates, &TteTheme::StatusDrawPanel, 0));
      rows.push_back(rectRow("Status Gripper", FTheme.StatusGetGripperSize(0, FObject),
                             &TteTheme::StatusDrawGripper, 0));
      break;
    }
    case F::Edit: {
      const int button = FTheme.EditGetButtonWidth(kekEdit, FObject);
      rows.push_back(
          partRow("Edit Frame", {100, 21}, kRequestStates, &TteTheme::EditDraw, kekEdit));
      rows.push_back(partRow("Edit Button", {button, 21}, kRequestStates, &TteTheme::EditDrawButton,
                             kekEditButtonRight, 1));
      const int comboButton = FTheme.EditGetButtonWidth(kekComboBoxRight, FObject);
      rows.push_back(partRow("Edit ComboFrame", {100, 21}, kRequestStates, &TteTheme::EditDraw,
                             kekComboBoxRight));
      rows.push_back(partRow("Edit ComboButton", {comboButton, 21}, kRequestStates,
                             &TteTheme::EditDrawButton, kekComboBoxRight, 1));
      break;
    }
    case F::GroupBox: {
      rows.push_back(
          partRow("GroupBox Frame", {120, 60}, kEnabledStates, &TteTheme::GroupBoxDrawFrame, 0));
      rows.push_back(
          partRow("GroupBox Caption", {60, 16}, kEnabledStates, &TteTheme::GroupBoxDrawCaption, 0));
      break;
    }
    case F::EditFrame: {
      rows.push_back(
          partRow("EditFrame Frame", {100, 40}, kRequestStates, &TteTheme::EditFrameDraw, 0));
      break;
    }
    case F::Menu: {
      rows = MenuRows();
      break;
    }
    case F::ControlBar: {
      rows.push_back(rectRow("ControlBar Back", {160, 30}, &TteTheme::ControlBarDraw, 0));
      break;
    }
    case F::ToolBar: {
      rows = ToolBarRows();
      break;
    }
    case F::ScrollBox: {
      rows.push_back(rectRow("ScrollBox Frame", {100, 60}, &TteTheme::ScrollBoxDrawFrame, 0));
      break;
    }
    case F::Panel: {
      rows.push_back(
          partRow("Panel Frame", {120, 60}, kEnabledStates, &TteTheme::PanelDrawFrame, 1));
      rows.push_back(
          partRow("Panel Caption", {120, 18}, kRequestStates, &TteTheme::PanelDrawCaption, 1));
      static constexpr const TPartNames* kButtons[] = {&catalogue::kPanelButtonHide,
                                                       &catalogue::kPanelButtonRollup,
                                                       &catalogue::kPanelButtonRollDown};
      for (uint8_t part = 0; part < 3; ++part)
        rows.push_back(partRow(Label("Panel", *kButtons[part]), {14, 14}, kRequestStates,
                               &TteTheme::PanelDrawButton, 1, part));
      break;
    }
    case F::Tab: {
      rows = TabRows();
      break;
    }
    case F::ListBox: {
      rows.push_back(
          partRow("ListBox Frame", {100, 60}, kRequestStates, &TteTheme::ListBoxDrawFrame, 0));
      rows.push_back(
          partRow("ListBox Item", {100, 18}, kItemStates, &TteTheme::ListBoxDrawItem, 0));
      auto paint = [this](TCanvas& c, const TteCheckInfo& info) {
        FTheme.ListBoxDrawCheck(c, 0, info, FObject);
      };
      for (TRow& row : CheckRows("ListBox", paint, FTheme.ListBoxGetCheckSize(0, FObject), true))
        rows.push_back(std::move(row));
      break;
    }
    case F::ItemList: {
      rows.push_back(
          partRow("ItemList Frame", {100, 60}, kRequestStates, &TteTheme::ItemListDrawFrame, 0));
      rows.push_back(
          partRow("ItemList Item", {100, 18}, kItemStates, &TteTheme::ItemListDrawItem, 0));
      break;
    }
    case F::Grid: {
      rows.push_back(partRow("Grid Frame", {120, 60}, kRequestStates, &TteTheme::GridDrawFrame, 0));
      rows.push_back(partRow("Grid Fixed", {60, 18}, kItemStates, &TteTheme::GridDrawFixedCell, 0));
      rows.push_back(partRow("Grid Cell", {60, 18}, kItemStates, &TteTheme::GridDrawCell, 0));
      break;
    }
  }
  return section;
}

// ---- Layout and painting ----------------------------------------------------------------

constexpr int kMargin = 8;
constexpr int kTitleHeight = 20;
constexpr int kLabelHeight = 26;
constexpr int kMinCellWidth = 112;
constexpr int kCellPad = 6;
constexpr int kChecker = 6;
constexpr TColor kSheetColor = clWhite;
constexpr TColor kCheckerLight = RGB(0xFF, 0xFF, 0xFF);
constexpr TColor kCheckerDark = RGB(0xE4, 0xE4, 0xE4);
constexpr TColor kLabelColor = RGB(0x40, 0x40, 0x40);
constexpr TColor kTitleColor = clBlack;

// Sizes from the theme may be empty or absurd for a broken skin; the sheet stays readable.
QSize CellSampleSize(const TCell& cell) {
  return QSize(std::clamp(cell.Size.width(), 1, 400), std::clamp(cell.Size.height(), 1, 300));
}

int CellWidth(const TCell& cell) {
  return std::max(kMinCellWidth, CellSampleSize(cell).width() + 2 * kCellPad);
}

int RowWidth(const TRow& row) {
  int width = 0;
  for (const TCell& cell : row) width += CellWidth(cell);
  return width;
}

int RowHeight(const TRow& row) {
  int sample = 0;
  for (const TCell& cell : row) sample = std::max(sample, CellSampleSize(cell).height());
  return kLabelHeight + sample + 2 * kCellPad;
}

QSize SheetSize(const std::vector<TSection>& sections) {
  int width = 400, height = kMargin;
  for (const TSection& section : sections) {
    height += kTitleHeight;
    for (const TRow& row : section.Rows) {
      width = std::max(width, RowWidth(row) + 2 * kMargin);
      height += RowHeight(row);
    }
    height += kMargin;
  }
  return {width, height};
}

void PaintChecker(TCanvas& canvas, const TRect& rect) {
  for (int y = rect.Top; y < rect.Bottom; y += kChecker)
    for (int x = rect.Left; x < rect.Right; x += kChecker) {
      const bool dark = ((x - rect.Left) / kChecker + (y - rect.Top) / kChecker) % 2 != 0;
      canvas.FillRect(
          {x, y, std::min(x + kChecker, rect.Right), std::min(y + kChecker, rect.Bottom)},
          dark ? kCheckerDark : kCheckerLight);
    }
}

void PaintLabel(TCanvas& canvas, const QString& text, TRect rect, TColor color, bool bold) {
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetSize(8);
  canvas.Font().SetColor(color);
  canvas.Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
  canvas.DrawText(text, rect, dtLeft | dtTop | dtSingleLine | dtNoPrefix | dtEndEllipsis);
}

void PaintCell(TCanvas& canvas, const TCell& cell, int left, int top, int rowHeight) {
  const int width = CellWidth(cell);
  canvas.FrameRect({left + 1, top + 1, left + width - 1, top + rowHeight - 1}, kCheckerDark);
  PaintLabel(canvas, QString::fromStdString(cell.Label),
             {left + kCellPad, top + 3, left + width - kCellPad, top + 15}, kLabelColor, false);
  PaintLabel(canvas, QString::fromStdString(cell.State),
             {left + kCellPad, top + 14, left + width - kCellPad, top + kLabelHeight}, kLabelColor,
             false);
  const QSize size = CellSampleSize(cell);
  const TRect sample =
      TRect::FromSize(left + kCellPad, top + kLabelHeight + kCellPad, size.width(), size.height());
  PaintChecker(canvas, sample);
  // Each sample is kept to its own rectangle, as a control's painting is kept to the control.
  canvas.SetClipRect(sample);
  cell.Paint(canvas, sample);
  canvas.SetClipRect(std::nullopt);
}

void ForceOpaque(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) row[x] |= 0xFF000000u;
  }
}

}  // namespace

std::vector<std::string> ContactSheetFamilies() {
  std::vector<std::string> names;
  for (const TCatalogueFamily& family : CatalogueFamilies()) names.push_back(family.Name);
  return names;
}

QImage RenderContactSheet(TteTheme& theme, const TContactSheetOptions& options) {
  std::vector<TSection> sections;
  TSheetBuilder builder(theme, options.ObjectName);
  for (const TCatalogueFamily& family : CatalogueFamilies())
    if (options.Family.empty() || SameText(options.Family, family.Name))
      sections.push_back(builder.Build(family));
  if (sections.empty())
    throw EInvalidOperation("The contact sheet has no family \"" + options.Family + "\"");

  const QSize size = SheetSize(sections);
  QImage image(size, QImage::Format_ARGB32);
  TCanvas canvas(image);
  canvas.FillRect({0, 0, size.width(), size.height()}, kSheetColor);
  int top = kMargin;
  for (const TSection& section : sections) {
    PaintLabel(canvas, QString::fromStdString(section.Family),
               {kMargin, top + 3, size.width() - kMargin, top + kTitleHeight}, kTitleColor, true);
    top += kTitleHeight;
    for (const TRow& row : section.Rows) {
      const int height = RowHeight(row);
      int left = kMargin;
      for (const TCell& cell : row) {
        PaintCell(canvas, cell, left, top, height);
        left += CellWidth(cell);
      }
      top += height;
    }
    top += kMargin;
  }
  ForceOpaque(image);
  return image;
}

}  // namespace vt
