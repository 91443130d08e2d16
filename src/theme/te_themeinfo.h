#pragma once
// The request records and part enumerations of the theme's drawing families.
//
// A themed control asks its theme to draw a part by handing over one of these records:
// where (a rectangle on the canvas), what (a part byte whose meaning each family gives
// below), in which state (a request state byte), and for bars and separators which way
// round. The theme maps them onto whatever it paints from: the base theme onto plain
// system-colour shapes, the skin-backed theme onto named skin objects and their states.
#include <QIcon>
#include <QString>
#include <cstdint>

#include "rtl/Types.h"

namespace vt {

// ---- Shared request values ----------------------------------------------------------

enum TteOrientation : uint8_t { koHorizontal = 0, koVertical = 1 };

// The state byte of a request. The skin-backed theme maps pressed, hot and disabled to
// the object states 6, 5 and 8 and everything else to normal.
enum TtePartState : uint8_t {
  kpsNormal = 0,
  kpsPressed = 1,
  kpsHot = 2,
  kpsDisabled = 3,
  kpsFocused = 4,
  kpsSelected = 5,
};

// Flags of a part request (bit set).
enum TtePartFlag : uint32_t {
  kpfDefault = 0x01,  // the default push button of a dialog
  kpfFlat = 0x02,     // flat tool buttons and chevrons
  kpfChecked = 0x04,  // a tool button that stays down
  kpfFocused = 0x08,  // the part has the keyboard focus (focus rectangle wanted)
};

// One part of a control. Which fields matter, and what `Part` means, is written at each
// family's members in te_theme.h.
struct TtePartInfo {
  TRect Rect;                 // the part on the canvas, right and bottom exclusive
  uint8_t Part = 0;           // the family's part value (enumerations below)
  uint8_t State = kpsNormal;  // a TtePartState
  TteOrientation Orientation = koHorizontal;
  uint32_t Flags = 0;  // TtePartFlag bits
};

// ---- Text ---------------------------------------------------------------------------

// The text request: the text, where it goes, and the TTextFormat flags of the canvas.
struct TteTextInfo {
  QString Text;
  TRect Rect;
  uint32_t Flags = 0;  // TTextFormat bits (dtLeft, dtVCenter, dtSingleLine, ...)
};

// ---- Window frame -------------------------------------------------------------------

// Window kinds of the frame family. Forms (sizeable, single, dialog, MDI child) share one
// look; tool windows have their own; frameless and popup windows have none.
enum TteWindowKind : uint8_t {
  kwkSizeable = 0,
  kwkSingle = 1,
  kwkDialog = 2,
  kwkNone = 3,
  kwkMDIChild = 4,
  kwkPopup = 5,
  kwkToolWindow = 6,
};

// The border icons of a window frame. Icon i is present when bit i of
// TteWindowInfo::BorderIcons is set: icons 0..7 are the first flag byte, icons 8 and 9
// bits 0 and 1 of the second. The two restore icons stand in the places of minimise and
// maximise; the skin-backed theme derives the window's object state from which of them,
// or the roll-down icon, is present.
enum TteBorderIcon : uint8_t {
  kbiSysMenu = 0,
  kbiClose = 1,
  kbiHelp = 2,
  kbiMinimize = 3,
  kbiMinRestore = 4,  // bit 0x10 of the first byte: the window is minimised
  kbiMaximize = 5,
  kbiMaxRestore = 6,  // bit 0x40 of the first byte: the window is maximised
  kbiRollUp = 7,
  kbiRollDown = 8,  // bit 0x01 of the second byte: the window is rolled up
  kbiTray = 9,
};
constexpr int kBorderIconCount = 10;
constexpr uint16_t BorderIconBit(TteBorderIcon icon) {
  return uint16_t(1u << icon);
}

// The record handed to the window-frame family.
struct TteWindowInfo {
  TRect Rect;                // the whole window, frame included
  uint16_t BorderIcons = 0;  // BorderIconBit() of each icon shown
  bool Active = true;        // caption drawn active or inactive
  QString Caption;
  // What the system-menu button shows. A null icon stands for the program's own: the
  // application's window icon, else a small built-in picture.
  QIcon Icon;
  uint8_t FirstFlagByte() const { return uint8_t(BorderIcons & 0xFF); }
  uint8_t SecondFlagByte() const { return uint8_t(BorderIcons >> 8); }
  bool HasIcon(TteBorderIcon icon) const { return BorderIcons & BorderIconBit(icon); }
};

// What lies under a point of a window (WindowGetHitTest).
enum TteWindowHit : uint8_t {
  kwhClient = 0,
  kwhCaption = 1,
  kwhBorder = 2,
  kwhTop = 3,
  kwhLeft = 4,
  kwhRight = 5,
  kwhBottom = 6,
  kwhTopLeft = 7,
  kwhTopRight = 8,
  kwhBottomLeft = 9,
  kwhBottomRight = 10,
  kwhBorderIcon = 11,
  kwhNowhere = 12,  // outside the window
};

// ---- Buttons, check boxes, radio buttons -------------------------------------------

enum TteButtonKind : uint8_t {
  kbkPushButton = 0,
  kbkSpinHorizontal = 4,  // spin buttons side by side
  kbkSpinVertical = 5,    // spin buttons one above the other
};
// Part of a spin button request; push buttons have only kbpFace.
enum TteButtonPart : uint8_t { kbpFace = 0, kbpSpinLeft = 0, kbpSpinRight = 1 };

enum TteCheckKind : uint8_t { kckCheckBox = 0, kckRadioButton = 1 };

// The mark byte of a check request: which mark and in which state. Radio buttons have
// only the checked and unchecked marks.
enum TteCheckMark : uint8_t {
  kcmCheckedNormal = 0,
  kcmCheckedHot = 1,
  kcmCheckedPressed = 2,
  kcmCheckedDisabled = 3,
  kcmUncheckedNormal = 5,
  kcmUncheckedHot = 6,
  kcmUncheckedPressed = 7,
  kcmUncheckedDisabled = 8,
  kcmMixedNormal = 10,
  kcmMixedHot = 11,
  kcmMixedPressed = 12,
  kcmMixedDisabled = 13,
};

struct TteCheckInfo {
  TRect Rect;
  uint8_t Mark = kcmUncheckedNormal;  // a TteCheckMark
};

// ---- Scroll bars, progress bars, track bars -----------------------------------------

// Part of a scroll bar button-and-slider request.
enum TteScrollPart : uint8_t {
  kspTopButton = 0,
  kspBottomButton = 1,
  kspLeftButton = 4,
  kspRightButton = 5,
  kspHorzSlider = 8,
  kspVertSlider = 9,
};

enum TteProgressPart : uint8_t {
  kppFrameVert = 0,
  kppFrameHorz = 1,
  kppBarVert = 2,
  kppBarHorz = 3,
  kppSolidVert = 4,
  kppSolidHorz = 5,
};

// Which way a track bar thumb points (Orientation says whether the bar is vertical).
enum TteThumbPart : uint8_t {
  kthPlain = 0,        // a thumb without a pointer
  kthBoth = 1,         // ticks on both sides
  kthTopLeft = 2,      // pointing up (horizontal bar) or left (vertical bar)
  kthBottomRight = 3,  // pointing down or right
};

// ---- Headers ------------------------------------------------------------------------

enum TteSectionDrawState : uint8_t {
  khdsNormal = 0,
  khdsPressed = 1,
  khdsDraggedOut = 2,
  khdsDragging = 3,
  khdsHot = 4,
  khdsUnderDrag = 5,
  khdsDisabled = 6,
};

struct TteHeaderSectionInfo {
  TRect Rect;
  TteSectionDrawState State = khdsNormal;
};

// ---- Edits and combo boxes ----------------------------------------------------------

// Kinds of the edit and combo box family: a plain edit, edits with buttons, and combo
// boxes with the drop button on either side.
enum TteEditKind : uint8_t {
  kekEdit = 0,
  kekEditButtonLeft = 1,
  kekEditButtonRight = 2,
  kekEditButtonBoth = 3,
  kekComboBoxLeft = 5,
  kekComboBoxRight = 6,
};

// ---- Menus, tool bars, panels, tabs --------------------------------------------------

enum TteMenuKind : uint8_t { kmkMenuBar = 0, kmkPopupMenu = 1 };
enum TteMenuScrollPart : uint8_t { kmsUp = 0, kmsDown = 1 };
enum TteMenuMDIPart : uint8_t { kmmMinimize = 0, kmmRestore = 1, kmmClose = 2 };

// Part of a tool bar button request.
enum TteToolButtonPart : uint8_t { ktbFace = 0, ktbDropDown = 1 };

enum TtePanelButtonPart : uint8_t { kpbHide = 0, kpbRollUp = 1, kpbRollDown = 2 };

// Where the tabs of a tab control sit (the Part byte of a tab request).
enum TteTabPosition : uint8_t { ktpTop = 0, ktpBottom = 1, ktpLeft = 2, ktpRight = 3 };
enum TteTabScrollPart : uint8_t { ktsLeft = 0, ktsRight = 1 };

}  // namespace vt
