#pragma once
// TTeForm: the frame hook that gives a top-level widget a skinned window frame.
//
// The hooked widget becomes a frameless window; the hook paints its caption, borders,
// corners and system buttons through the window-frame family of the theme (the link's
// theme, else the current one, else plain drawing), keeps the widget's contents inside the
// frame's client rectangle (as contents margins), shapes the window by the frame's region,
// and turns mouse use of the frame into moving, sizing and the system buttons' commands.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <optional>
#include <string>

#include "controls/TeEffects.h"
#include "theme/te_themeinfo.h"

class QMenu;
class QSystemTrayIcon;

namespace vt {

class TteTheme;
class TteCustomThemeLink;

// The border icons a frame offers, as BorderIconBit()s of the plain icons (system menu,
// close, help, minimise, maximise, roll-up, tray); the window's state turns minimise,
// maximise and roll-up into their restore icons.
inline constexpr uint16_t kStandardBorderIcons =
    BorderIconBit(kbiSysMenu) | BorderIconBit(kbiClose) | BorderIconBit(kbiMinimize) |
    BorderIconBit(kbiMaximize);
inline constexpr uint16_t kAllBorderIcons = kStandardBorderIcons | BorderIconBit(kbiHelp) |
                                            BorderIconBit(kbiRollUp) | BorderIconBit(kbiTray);

class TTeForm : public QObject {
  Q_OBJECT
 public:
  // Hooks `form` (a top-level widget); the hook is owned by the form.
  explicit TTeForm(QWidget* form);
  ~TTeForm() override;

  QWidget* Form() const { return FForm; }
  const std::string& ThemeObject() const { return FThemeObject; }
  void SetThemeObject(const std::string& name);
  TteCustomThemeLink* ThemeLink() const { return FThemeLink; }
  void SetThemeLink(TteCustomThemeLink* link);
  TteWindowKind WindowKind() const { return FWindowKind; }
  void SetWindowKind(TteWindowKind kind);
  uint16_t BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(uint16_t icons);
  // Effect names of TTeEffectRegistry; kNoEffectName (the default) shows and hides at once.
  QString ShowEffect() const { return FShowEffect; }
  void SetShowEffect(const QString& name) { FShowEffect = name; }
  QString HideEffect() const { return FHideEffect; }
  void SetHideEffect(const QString& name) { FHideEffect = name; }
  TTeEffectPlayer& EffectPlayer() { return FPlayer; }

  bool IsRolledUp() const { return FRolledUp; }
  // Whether the tray button has hidden the form behind a notification-area icon.
  bool IsInTray() const;
  // Rolling up leaves only the caption and borders; rolling down brings the rest back.
  void SetRolledUp(bool rolledUp);
  // Resizes the window so that its client area gets `size`.
  void SetClientSize(const QSize& size);

  // -- What the frame looks like now, in the window's own coordinates --
  TteWindowInfo WindowInfo() const;
  QRect ClientRect() const;
  // What lies under `point`: border icons first, then the theme's hit test.
  TteWindowHit HitTest(const QPoint& point) const;
  std::optional<TteBorderIcon> BorderIconAt(const QPoint& point) const;
  QRect BorderIconRect(TteBorderIcon icon) const;
  // The state each border icon is painted in (hot, pressed or normal).
  uint8_t BorderIconState(TteBorderIcon icon) const;
  // Carries out the command of a border icon, as a click on it does.
  void ClickBorderIcon(TteBorderIcon icon);
  // The theme and object name the frame paints with: the theme when it defines the
  // frame, otherwise plain drawing.
  TteTheme& FrameTheme() const;
  std::string FrameObjectName() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Refresh();
  void UpdateClientMargins();
  void UpdateShape();
  QRegion FrameShape() const;
  void Paint(const QRect& area);
  bool MousePress(QMouseEvent& event);
  bool MouseMove(QMouseEvent& event);
  bool MouseRelease(QMouseEvent& event);
  bool MouseDoubleClick(QMouseEvent& event);
  void SetHotIcon(std::optional<TteBorderIcon> icon);
  void UpdateCursor(TteWindowHit hit);
  void StartMove(const QPointF& globalPos);
  void StartResize(Qt::Edges edges, const QPointF& globalPos);
  void DragTo(const QPoint& globalPos);
  void ToggleMaximized();
  void ShowSystemMenu(const QPoint& globalPos);
  void SendToTray();
  bool CloseWithEffect(QEvent& event);
  void ShowWithEffect();

  QWidget* FForm;
  std::string FThemeObject = "default";
  TteCustomThemeLink* FThemeLink = nullptr;
  TteWindowKind FWindowKind = kwkSizeable;
  uint16_t FBorderIcons = kStandardBorderIcons;
  QString FShowEffect = kNoEffectName;
  QString FHideEffect = kNoEffectName;
  TTeEffectPlayer FPlayer;
  bool FClosingAfterEffect = false;

  std::optional<TteBorderIcon> FHotIcon;
  std::optional<TteBorderIcon> FPressedIcon;
  // A drag the window system would not take over: moved or sized by hand.
  enum class TDrag { None, Move, Resize };
  TDrag FDrag = TDrag::None;
  Qt::Edges FDragEdges;
  QPoint FDragStart;
  QRect FDragStartGeometry;

  bool FRolledUp = false;
  int FHeightBeforeRollUp = 0;
  QList<QPointer<QWidget>> FHiddenByRollUp;
  QSize FMinimumBeforeRollUp;

  QMenu* FSystemMenu = nullptr;
  QSystemTrayIcon* FTrayIcon = nullptr;
  QImage FBuffer;  // the frame is composed here, straight in memory, then copied
};

}  // namespace vt
