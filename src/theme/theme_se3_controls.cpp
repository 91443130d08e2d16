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
const TPartNames* ButtonPartOf(uint8_t kind, uint8_t part) {
  if (ButtonEntry(kind) == ceButton) return &catalogue::kFace;
  if (part == kbpSpinLeft) return &catalogue::kSpinLeft;
  if (part == kbpSpinRight) return &catalogue::kSpinRight;
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
  PaintRequest(canvas, objectName, ceContainer, catalogue::kPanel, info.Rect, info.State);
}

TRect TTeSkinFile::ContainerGetClientRect(uint8_t kind, const TRect& rect,
                                          const std::string& objectName) {
  return RequestClientRect(objectName, ceContainer, catalogue::kPanel, rect)
      .value_or(TteTheme::ContainerGetClientRect(kind, rect, objectName));
}

TColor TTeSkinFile::ContainerGetColor(uint8_t kind, uint8_t state, const std::string& objectName) {
  if (TSeSkinObject* panel = ChoosePart(objectName, ceContainer, catalogue::kPanel))
    if (panel->GetColor() != clNone) return panel->GetColor();
  return TteTheme::ContainerGetColor(kind, state, objectName);
}

QRegion TTeSkinFile::ContainerGetRegion(uint8_t kind, const TRect& rect,
                                        const std::string& objectName) {
  TSeSkinObject* panel = ChoosePart(objectName, ceContainer, catalogue::kPanel);
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
  if (const TPartNames* part = ButtonPartOf(kind, info.Part))
    PaintRequest(canvas, objectName, ButtonEntry(kind), *part, info.Rect, info.State);
}

TRect TTeSkinFile::ButtonGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName) {
  return RequestClientRect(objectName, ButtonEntry(kind), catalogue::kFace, rect)
      .value_or(TteTheme::ButtonGetClientRect(kind, rect, objectName));
}

bool TTeSkinFile::ButtonIsMasked(uint8_t kind, const std::string& objectName) {
  if (TSeSkinObject* face = ChoosePart(objectName, ButtonEntry(kind), catalogue::kFace))
    return face->GetMasked();
  return TteTheme::ButtonIsMasked(kind, objectName);
}

QRegion TTeSkinFile::ButtonGetRegion(uint8_t kind, const TtePartInfo& info,
                                     const std::string& objectName) {
  const TPartNames* names = ButtonPartOf(kind, info.Part);
  TSeSkinObject* part = names ? ChoosePart(objectName, ButtonEntry(kind), *names) : nullptr;
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
      return TCheckPart{&catalogue::kChecked, kMarkStates[step]};
    case 1:
      return TCheckPart{&catalogue::kUnchecked, kMarkStates[step]};
    case 2:
      if (kind == kckRadioButton) return std::nullopt;
      return TCheckPart{&catalogue::kMixed, kMarkStates[step]};
    default:
      return std::nullopt;
  }
}

bool TTeSkinFile::IsCheckDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored,
                     {{kckCheckBox, ceCheckbox}, {kckRadioButton, ceRadioButton}});
}

QSize TTeSkinFile::CheckGetSize(uint8_t kind, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, CheckEntry(kind), catalogue::kChecked))
      .value_or(QSize(kFallbackCheckSize, kFallbackCheckSize));
}

void TTeSkinFile::CheckDraw(TCanvas& canvas, uint8_t kind, const TteCheckInfo& info,
                            const std::string& objectName) {
  if (const auto mark = CheckPartOf(kind, info.Mark))
    PaintPart(canvas, ChoosePart(objectName, CheckEntry(kind), *mark->Part), info.Rect,
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

const TPartNames* TTeSkinFile::ScrollPartOf(uint8_t part) {
  switch (part) {
    case kspTopButton:
      return &catalogue::kScrollTopButton;
    case kspBottomButton:
      return &catalogue::kScrollBottomButton;
    case kspLeftButton:
      return &catalogue::kScrollLeftButton;
    case kspRightButton:
      return &catalogue::kScrollRightButton;
    case kspHorzSlider:
      return &catalogue::kScrollHorzSlider;
    case kspVertSlider:
      return &catalogue::kScrollVertSlider;
    default:
      return nullptr;
  }
}

bool TTeSkinFile::IsScrollDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::AnyKind, {{0, ceScrollBar}});
}

void TTeSkinFile::ScrollDrawButton(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                   const std::string& objectName) {
  if (const TPartNames* part = ScrollPartOf(info.Part))
    PaintRequest(canvas, objectName, ceScrollBar, *part, info.Rect, info.State);
}

void TTeSkinFile::ScrollDrawTrack(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string& objectName) {
  const TPartNames& part =
      info.Orientation == koVertical ? catalogue::kScrollVertFrame : catalogue::kScrollHorzFrame;
  PaintRequest(canvas, objectName, ceScrollBar, part, info.Rect, info.State);
}

int TTeSkinFile::ScrollGetSize(uint8_t kind, TteOrientation orientation,
                               const std::string& objectName) {
  const bool vertical = orientation == koVertical;
  if (auto size = PartSize(
          ChoosePart(objectName, ceScrollBar,
                     vertical ? catalogue::kScrollTopButton : catalogue::kScrollLeftButton)))
    if (auto extent = Positive(vertical ? size->width() : size->height())) return *extent;
  return TteTheme::ScrollGetSize(kind, orientation, objectName);
}

void TTeSkinFile::ScrollDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceScrollBoxFrame, catalogue::kFrame, rect, kpsNormal);
}

// ---- Progress bar ---------------------------------------------------------------------

namespace {

// The catalogue part of each progress part, by TteProgressPart.
constexpr const TPartNames* kProgressParts[] = {
    &catalogue::kProgressFrameVert, &catalogue::kProgressFrameHorz, &catalogue::kProgressBarVert,
    &catalogue::kProgressBarHorz,   &catalogue::kProgressSolidVert, &catalogue::kProgressSolidHorz,
};

TSeSkinObject* FindProgressPart(TSeSkinObject* object, uint8_t part) {
  if (part >= std::size(kProgressParts)) return nullptr;
  return TTeSkinFile::FindPart(object, *kProgressParts[part]);
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
  return TTeSkinFile::FindPart(
      object, orientation == koVertical ? catalogue::kTrackVert : catalogue::kTrackHorz);
}

// The thumb of that orientation and pointer (TteThumbPart); its catalogue part falls back
// to the plain thumb of the orientation, then to "Thumb".
TSeSkinObject* FindThumbPart(TSeSkinObject* object, TteOrientation orientation, uint8_t part) {
  static constexpr const TPartNames* kVertical[] = {
      &catalogue::kThumbVert, &catalogue::kThumbVertBoth, &catalogue::kThumbVertLeft,
      &catalogue::kThumbVertRight};
  static constexpr const TPartNames* kHorizontal[] = {
      &catalogue::kThumbHorz, &catalogue::kThumbHorzBoth, &catalogue::kThumbHorzTop,
      &catalogue::kThumbHorzBottom};
  const auto& thumbs = orientation == koVertical ? kVertical : kHorizontal;
  return TTeSkinFile::FindPart(object, *thumbs[part < 4 ? part : 0]);
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
  PaintRequest(canvas, objectName, ceHeader, catalogue::kFrame, rect, kpsNormal);
}

void TTeSkinFile::HeaderDrawSection(TCanvas& canvas, uint8_t, const TteHeaderSectionInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceHeader, catalogue::kSection, info.Rect,
               SectionRequestState(info.State));
}

TRect TTeSkinFile::HeaderGetSectionClientRect(uint8_t kind, const TteHeaderSectionInfo& info,
                                              const std::string& objectName) {
  return RequestClientRect(objectName, ceHeader, catalogue::kSection, info.Rect)
      .value_or(TteTheme::HeaderGetSectionClientRect(kind, info, objectName));
}

int TTeSkinFile::HeaderGetHeight(uint8_t kind, const std::string& objectName) {
  if (auto size = PartSize(ChoosePart(objectName, ceHeader, catalogue::kSection)))
    if (auto height = Positive(size->height())) return *height;
  return TteTheme::HeaderGetHeight(kind, objectName);
}

// ---- Status bar -----------------------------------------------------------------------

bool TTeSkinFile::IsStatusDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceStatusBar}});
}

void TTeSkinFile::StatusDrawFrame(TCanvas& canvas, uint8_t, const TRect& rect,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceStatusBar, catalogue::kFrame, rect, kpsNormal);
}

TRect TTeSkinFile::StatusGetClientRect(uint8_t kind, const TRect& rect,
                                       const std::string& objectName) {
  return RequestClientRect(objectName, ceStatusBar, catalogue::kFrame, rect)
      .value_or(TteTheme::StatusGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::StatusDrawPanel(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                  const std::string& objectName) {
  PaintRequest(canvas, objectName, ceStatusBar, catalogue::kPanel, info.Rect, info.State);
}

TRect TTeSkinFile::StatusGetPanelClientRect(uint8_t kind, const TRect& rect,
                                            const std::string& objectName) {
  return RequestClientRect(objectName, ceStatusBar, catalogue::kPanel, rect)
      .value_or(TteTheme::StatusGetPanelClientRect(kind, rect, objectName));
}

void TTeSkinFile::StatusDrawGripper(TCanvas& canvas, uint8_t, const TRect& rect,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceStatusBar, catalogue::kGripper, rect, kpsNormal);
}

QSize TTeSkinFile::StatusGetGripperSize(uint8_t kind, const std::string& objectName) {
  return PartSize(ChoosePart(objectName, ceStatusBar, catalogue::kGripper))
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
  PaintRequest(canvas, objectName, EditEntry(kind), catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::EditGetClientRect(uint8_t kind, const TRect& rect,
                                     const std::string& objectName) {
  return RequestClientRect(objectName, EditEntry(kind), catalogue::kFrame, rect)
      .value_or(TteTheme::EditGetClientRect(kind, rect, objectName));
}

void TTeSkinFile::EditDrawButton(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                 const std::string& objectName) {
  PaintRequest(canvas, objectName, EditEntry(kind), catalogue::kButton, info.Rect, info.State);
}

int TTeSkinFile::EditGetButtonWidth(uint8_t kind, const std::string& objectName) {
  if (auto size = PartSize(ChoosePart(objectName, EditEntry(kind), catalogue::kButton)))
    if (auto width = Positive(size->width())) return *width;
  return TteTheme::EditGetButtonWidth(kind, objectName);
}

// ---- Group box ------------------------------------------------------------------------

bool TTeSkinFile::IsGroupBoxDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceGroupBox}});
}

void TTeSkinFile::GroupBoxDrawFrame(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                    const std::string& objectName) {
  PaintRequest(canvas, objectName, ceGroupBox, catalogue::kFrame, info.Rect, info.State);
}

void TTeSkinFile::GroupBoxDrawCaption(TCanvas& canvas, uint8_t kind, const TtePartInfo& info,
                                      const std::string& objectName) {
  TSeSkinObject* caption = ChoosePart(objectName, ceGroupBox, catalogue::kCaption);
  if (!caption) return TteTheme::GroupBoxDrawCaption(canvas, kind, info, objectName);
  PaintPart(canvas, caption, info.Rect, ObjectStateOf(info.State));
}

TRect TTeSkinFile::GroupBoxGetClientRect(uint8_t kind, const TRect& rect,
                                         const std::string& objectName) {
  return RequestClientRect(objectName, ceGroupBox, catalogue::kFrame, rect)
      .value_or(TteTheme::GroupBoxGetClientRect(kind, rect, objectName));
}

// ---- Edit frame -----------------------------------------------------------------------

bool TTeSkinFile::IsEditFrameDefined(uint8_t kind, const std::string& objectName) const {
  return IsDefinedBy(kind, objectName, TNameRule::Ignored, {{0, ceEdit}});
}

void TTeSkinFile::EditFrameDraw(TCanvas& canvas, uint8_t, const TtePartInfo& info,
                                const std::string& objectName) {
  PaintRequest(canvas, objectName, ceEdit, catalogue::kFrame, info.Rect, info.State);
}

TRect TTeSkinFile::EditFrameGetClientRect(uint8_t kind, const TRect& rect,
                                          const std::string& objectName) {
  return RequestClientRect(objectName, ceEdit, catalogue::kFrame, rect)
      .value_or(TteTheme::EditFrameGetClientRect(kind, rect, objectName));
}

}  // namespace vt
