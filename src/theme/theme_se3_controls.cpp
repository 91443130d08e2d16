// TTeSkinFile: the families of single controls: container, button, check box and radio
// button, splitter, scroll bar, progress bar, track bar, header, status bar, edit and combo
// box, group box, edit frame.
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt {

namespace {

constexpr int kFallbackCheckSize = 13;

TSkinCacheEntry ButtonEntry(uint8_t kind) {
  return kind == kbkSpinHorizontal || kind == kbkSpinVertical ? ceSpinButton : ceButton;
}

// The part a button request paints: "Face" for push buttons, the two halves of a spin
// button by the part byte.
const char* ButtonPartName(uint8_t kind, uint8_t part) {
  if (ButtonEntry(kind) == ceButton) return "Face";
  if (part == kbpSpinLeft) return "LeftButton";
  if (part == kbpSpinRight) return "RightButton";
  return nullptr;
}

TSkinCacheEntry CheckEntry(uint8_t kind) {
  return kind == kckRadioButton ? ceRadioButton : ceCheckbox;
}

TSkinCacheEntry EditEntry(uint8_t kind) {
  return kind == kekComboBoxLeft || kind == kekComboBoxRight ? ceComboBox : ceEdit;
}

// A positive extent, or nothing (a part of size 0 tells nothing about the control).
std::optional<int> Positive(int value) {
  return value > 0 ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

// ---- Container ------------------------------------------------------------------------

bool TTeSkinFile::IsContainerDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceContainer}});
}

void TTeSkinFile::ContainerDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string& objectName) {
  PaintRequest(canvas, objectName, ceContainer, {"Panel"}, info.Rect, info.State);
}

TRect TTeSkinFile::ContainerGetClientRect(uint8_t kind, const TRect& rect,
                                          const std::string& objectName) {
  return RequestClientRect(objectName, ceContainer, {"Panel"}, rect)
      .value_or(TteTheme::ContainerGetClientRect(kind, rect, objectName));
}

TColor TTeSkinFile::ContainerGetColor(uint8_t kind, uint8_t state, const std::string& objectName) {
  if (TSeSkinObject* panel = ChoosePart(objectName, ceContainer, {"Panel"}))
    if (panel->GetColor() != clNone) return panel->GetColor();
  return TteTheme::ContainerGetColor(kind, state, objectName);
}

QRegion TTeSkinFile::ContainerGetRegion(uint8_t kind, const TRect& rect,
                                        const std::string& objectName) {
  TSeSkinObject* panel = ChoosePart(objectName, ceContainer, {"Panel"});
  if (!panel) return TteTheme::ContainerGetRegion(kind, rect, objectName);
  PlaceObject(*panel, rect);
  return panel->GetRegion();
}

// ---- Button ---------------------------------------------------------------------------

bool TTeSkinFile::IsButtonDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind,
                     {{kbkPushButton, ceButton},
                      {kbkSpinHorizontal, ceSpinButton},
                      {kbkSpinVertical, ceSpinButton}});
}

void TTeSkinFile::ButtonDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                             const std::string& objectName) {
  if (const char* part = ButtonPartName(kind, info.Part))
    PaintRequest(canvas, objectName, ButtonEntry(kind), {part}, info.Rect, info.State);
}

TRect TTeSkinFile::ButtonGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName) {
  return RequestClientRect(objectName, ButtonEntry(kind), {"Face"}, rect)
      .value_or(TteTheme::ButtonGetClientRect(kind, rect, objectName));
}

bool TTeSkinFile::ButtonIsMasked(uint8_t kind, const std::string& objectName) {
  if (TSeSkinObject* face = ChoosePart(objectName, ButtonEntry(kind), {"Face"}))
    return face->GetMasked();
  return TteTheme::ButtonIsMasked(kind, objectName);
}

QRegion TTeSkinFile::ButtonGetRegion(uint8_t kind, const TtePartInfo& info,
                                     const std::string& objectName) {
  const char* name = ButtonPartName(kind, info.Part);
  TSeSkinObject* part = name ? ChoosePart(objectName, ButtonEntry(kind), {name}) : nullptr;
  if (!part) return TteTheme::ButtonGetRegion(kind, info, objectName);
  PlaceObject(*part, info.Rect);
  return part->GetRegion();
}

// ---- Check box and radio button -------------------------------------------------------

std::optional<TTeSkinFile::TCheckPart> TTeSkinFile::CheckPartOf(uint8_t kind, uint8_t mark) {
  static constexpr TSeState kMarkStates[4] = {ssNormal, ssHot, ssPressed, ssDisabled};
  const int run = mark / 5, step = mark % 5;
  if (step > 3) return std::nullopt;
  switch (run) {
    case 0:
      return TCheckPart{"Checked", kMarkStates[step]};
    case 1:
      return TCheckPart{"Unchecked", kMarkStates[step]};
    case 2:
      if (kind == kckRadioButton) return std::nullopt;
      return TCheckPart{"Mixed", kMarkStates[step]};
    default:
      return std::nullopt;
  }
}

bool TTeSkinFile::IsCheckDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored,
                     {{kckCheckBox, ceCheckbox}, {kckRadioButton, ceRadioButton}});
}

QSize TTeSkinFile::CheckGetSize(uint8_t kind, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, CheckEntry(kind), {"Checked"}))
      .value_or(QSize(kFallbackCheckSize, kFallbackCheckSize));
}

void TTeSkinFile::CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                            const std::string& objectName) {
  if (const auto mark = CheckPartOf(kind, info.Mark))
    PaintPart(canvas, ChoosePart(objectName, CheckEntry(kind), {mark->Name}), info.Rect,
              mark->State);
}

// ---- Splitter -------------------------------------------------------------------------

bool TTeSkinFile::IsSplitterDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceSplitter}});
}

void TTeSkinFile::SplitterDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string& objectName) {
  PaintPart(canvas, ChooseObject(objectName, ceSplitter), info.Rect, ObjectStateOf(info.State));
}

// ---- Scroll bar -----------------------------------------------------------------------

const char* TTeSkinFile::ScrollPartName(uint8_t part) {
  switch (part) {
    case kspTopButton:
      return "TopButton";
    case kspBottomButton:
      return "BottomButton";
    case kspLeftButton:
      return "LeftButton";
    case kspRightButton:
      return "RightButton";
    case kspHorzSlider:
      return "HorzSlider";
    case kspVertSlider:
      return "VertSlider";
    default:
      return nullptr;
  }
}

bool TTeSkinFile::IsScrollDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceScrollBar}});
}

void TTeSkinFile::ScrollDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string& objectName) {
  if (const char* part = ScrollPartName(info.Part))
    PaintRequest(canvas, objectName, ceScrollBar, {part}, info.Rect, info.State);
}

void TTeSkinFile::ScrollDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string& objectName) {
  const char* part = info.Orientation == koVertical ? "VertFrame" : "HorzFrame";
  PaintRequest(canvas, objectName, ceScrollBar, {part}, info.Rect, info.State);
}

int TTeSkinFile::ScrollGetSize(uint8_t kind, TteOrientation orientation,
                               const std::string& objectName) {
  const bool vertical = orientation == koVertical;
  if (auto size =
          PartSize(ChoosePart(objectName, ceScrollBar, {vertical ? "TopButton" : "LeftButton"})))
    if (auto extent = Positive(vertical ? size->width() : size->height())) return *extent;
  return TteTheme::ScrollGetSize(kind, orientation, objectName);
}

void TTeSkinFile::ScrollDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceScrollBoxFrame, {"Frame"}, rect, kpsNormal);
}

// ---- Progress bar ---------------------------------------------------------------------

namespace {

// The names each progress part tries, in order (empty entries end a chain).
constexpr std::array<std::array<const char*, 4>, 6> kProgressChains = {{
    {"FrameVert", "Frame", nullptr, nullptr},
    {"FrameHorz", "Frame", nullptr, nullptr},
    {"BarVert", "Bar", nullptr, nullptr},
    {"BarHorz", "Bar", nullptr, nullptr},
    {"SolidVert", "Solid", "BarVert", "Bar"},
    {"SolidHorz", "Solid", "BarHorz", "Bar"},
}};

TSeSkinObject* FindProgressPart(TSeSkinObject* object, uint8_t part) {
  if (!object || part >= kProgressChains.size()) return nullptr;
  for (const char* name : kProgressChains[part])
    if (name)
      if (TSeSkinObject* found = object->FindByName(name)) return found;
  return nullptr;
}

}  // namespace

bool TTeSkinFile::IsProgressDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceProgressBar}});
}

void TTeSkinFile::ProgressDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                               const std::string& objectName) {
  PaintPart(canvas, FindProgressPart(ChooseObject(objectName, ceProgressBar), info.Part), info.Rect,
            ObjectStateOf(info.State));
}

TRect TTeSkinFile::ProgressGetClientRect(uint8_t kind, const TRect& rect,
                                         TteOrientation orientation,
                                         const std::string& objectName) {
  const uint8_t frame = orientation == koVertical ? kppFrameVert : kppFrameHorz;
  return PartClientRect(FindProgressPart(ChooseObject(objectName, ceProgressBar), frame), rect)
      .value_or(TteTheme::ProgressGetClientRect(kind, rect, orientation, objectName));
}

// ---- Track bar ------------------------------------------------------------------------

namespace {

TSeSkinObject* FindTrackPart(TSeSkinObject* object, TteOrientation orientation) {
  return TTeSkinFile::FindPart(object,
                               {orientation == koVertical ? "TrackVert" : "TrackHorz", "Track"});
}

// The thumb of that orientation and pointer, then the plain thumb of the orientation,
// then "Thumb".
TSeSkinObject* FindThumbPart(TSeSkinObject* object, TteOrientation orientation, uint8_t part) {
  static constexpr const char* kVertical[] = {"ThumbVert", "ThumbVertBoth", "ThumbVertLeft",
                                              "ThumbVertRight"};
  static constexpr const char* kHorizontal[] = {"ThumbHorz", "ThumbHorzBoth", "ThumbHorzTop",
                                                "ThumbHorzBottom"};
  const auto& names = orientation == koVertical ? kVertical : kHorizontal;
  const char* pointed = part < 4 ? names[part] : names[0];
  return TTeSkinFile::FindPart(object, {pointed, names[0], "Thumb"});
}

}  // namespace

bool TTeSkinFile::IsTrackDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceTrackBar}, {1, ceTrackBar}});
}

void TTeSkinFile::TrackDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string& objectName) {
  PaintPart(canvas, FindTrackPart(ChooseObject(objectName, ceTrackBar), info.Orientation),
            info.Rect, ObjectStateOf(info.State));
}

void TTeSkinFile::TrackDrawThumb(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                 const std::string& objectName) {
  PaintPart(canvas,
            FindThumbPart(ChooseObject(objectName, ceTrackBar), info.Orientation, info.Part),
            info.Rect, ObjectStateOf(info.State));
}

QSize TTeSkinFile::TrackGetThumbSize(uint8_t kind, TteOrientation orientation, uint8_t thumbPart,
                                     const std::string& objectName) {
  return PartSize(FindThumbPart(ChooseObject(objectName, ceTrackBar), orientation, thumbPart))
      .value_or(TteTheme::TrackGetThumbSize(kind, orientation, thumbPart, objectName));
}

int TTeSkinFile::TrackGetTrackSize(uint8_t kind, TteOrientation orientation,
                                   const std::string& objectName) {
  if (auto size = PartSize(FindTrackPart(ChooseObject(objectName, ceTrackBar), orientation)))
    if (auto extent = Positive(orientation == koVertical ? size->width() : size->height()))
      return *extent;
  return TteTheme::TrackGetTrackSize(kind, orientation, objectName);
}

// ---- Header ---------------------------------------------------------------------------

uint8_t TTeSkinFile::SectionRequestState(TteSectionDrawState state) {
  switch (state) {
    case khdsPressed:
    case khdsDragging:
      return kpsPressed;
    case khdsHot:
    case khdsUnderDrag:
      return kpsHot;
    case khdsDisabled:
      return kpsDisabled;
    default:
      return kpsNormal;
  }
}

bool TTeSkinFile::IsHeaderDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceHeader}});
}

void TTeSkinFile::HeaderDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceHeader, {"Frame"}, rect, kpsNormal);
}

void TTeSkinFile::HeaderDrawSection(TCanvas& canvas, uint8_t, const TteHeaderSectionInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceHeader, {"Section"}, info.Rect,
               SectionRequestState(info.State));
}

TRect TTeSkinFile::HeaderGetSectionClientRect(uint8_t kind, const TteHeaderSectionInfo& info,
                                              const std::string& objectName) {
  return RequestClientRect(objectName, ceHeader, {"Section"}, info.Rect)
      .value_or(TteTheme::HeaderGetSectionClientRect(kind, info, objectName));
}

int TTeSkinFile::HeaderGetHeight(uint8_t kind, const std::string& objectName) {
  if (auto size = PartSize(ChoosePart(objectName, ceHeader, {"Section"})))
    if (auto height = Positive(size->height())) return *height;
  return TteTheme::HeaderGetHeight(kind, objectName);
}

// ---- Status bar -----------------------------------------------------------------------

bool TTeSkinFile::IsStatusDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceStatusBar}});
}

void TTeSkinFile::StatusDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceStatusBar, {"Frame"}, rect, kpsNormal);
}

TRect TTeSkinFile::StatusGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName) {
  return RequestClientRect(objectName, ceStatusBar, {"Frame"}, rect)
      .value_or(TteTheme::StatusGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::StatusDrawPanel(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceStatusBar, {"Panel"}, info.Rect, info.State);
}

TRect TTeSkinFile::StatusGetPanelClientRect(uint8_t kind, const TRect& rect,
                                            const std::string& objectName) {
  return RequestClientRect(objectName, ceStatusBar, {"Panel"}, rect)
      .value_or(TteTheme::StatusGetPanelClientRect(kind, rect, objectName));
}

void TTeSkinFile::StatusDrawGripper(TCanvas& canvas, uint8_t, const TRect& rect,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceStatusBar, {"Gripper"}, rect, kpsNormal);
}

QSize TTeSkinFile::StatusGetGripperSize(uint8_t kind, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, ceStatusBar, {"Gripper"}))
      .value_or(TteTheme::StatusGetGripperSize(kind, objectName));
}

// ---- Edit and combo box ---------------------------------------------------------------

bool TTeSkinFile::IsEditDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(
      kind, objectName, TNameRule::Ignored,
      {{kekEdit, ceEdit}, {kekComboBoxLeft, ceComboBox}, {kekComboBoxRight, ceComboBox}});
}

void TTeSkinFile::EditDraw(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                           const std::string& objectName) {
  PaintRequest(canvas, objectName, EditEntry(kind), {"Frame"}, info.Rect, info.State);
}

TRect TTeSkinFile::EditGetClientRect(uint8_t kind, const TRect& rect,
                                     const std::string& objectName) {
  return RequestClientRect(objectName, EditEntry(kind), {"Frame"}, rect)
      .value_or(TteTheme::EditGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::EditDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName) {
  PaintRequest(canvas, objectName, EditEntry(kind), {"Button"}, info.Rect, info.State);
}

int TTeSkinFile::EditGetButtonWidth(uint8_t kind, const std::string& objectName) {
  if (auto size = PartSize(ChoosePart(objectName, EditEntry(kind), {"Button"})))
    if (auto width = Positive(size->width())) return *width;
  return TteTheme::EditGetButtonWidth(kind, objectName);
}

// ---- Group box ------------------------------------------------------------------------

bool TTeSkinFile::IsGroupBoxDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceGroupBox}});
}

void TTeSkinFile::GroupBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceGroupBox, {"Frame"}, info.Rect, info.State);
}

void TTeSkinFile::GroupBoxDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                      const std::string& objectName) {
  TSeSkinObject* caption = ChoosePart(objectName, ceGroupBox, {"Caption"});
  if (!caption) return TteTheme::GroupBoxDrawCaption(canvas, kind, info, objectName);
  PaintPart(canvas, caption, info.Rect, ObjectStateOf(info.State));
}

TRect TTeSkinFile::GroupBoxGetClientRect(uint8_t kind, const TRect& rect,
                                         const std::string& objectName) {
  return RequestClientRect(objectName, ceGroupBox, {"Frame"}, rect)
      .value_or(TteTheme::GroupBoxGetClientRect(kind, rect, objectName));
}

// ---- Edit frame -----------------------------------------------------------------------

bool TTeSkinFile::IsEditFrameDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceEdit}});
}

void TTeSkinFile::EditFrameDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string& objectName) {
  PaintRequest(canvas, objectName, ceEdit, {"Frame"}, info.Rect, info.State);
}

TRect TTeSkinFile::EditFrameGetClientRect(uint8_t kind, const TRect& rect,
                                          const std::string& objectName) {
  return RequestClientRect(objectName, ceEdit, {"Frame"}, rect)
      .value_or(TteTheme::EditFrameGetClientRect(kind, rect, objectName));
}

}  // namespace vt
