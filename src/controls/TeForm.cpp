// TTeForm: painting the skinned frame, hit testing it, and the frame's mouse commands.
#include "controls/TeForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QWhatsThis>
#include <QWindow>

#include "rtl/Canvas.h"
#include "theme/te_theme.h"
#include "theme/te_thememanager.h"

namespace vt {

namespace {

// The theme that draws frames the theme in use leaves undefined: plain shapes in the
// desktop's colours. Kept for the whole process (never freed, so never used after exit
// has begun tearing down the application).
TteTheme& PlainTheme() {
  static TteTheme* plain = new TteTheme;
  return *plain;
}

// The window edges a sizing hit grabs.
std::optional<Qt::Edges> EdgesOf(TteWindowHit hit) {
  switch (hit) {
    case kwhTop:
      return Qt::TopEdge;
    case kwhBottom:
      return Qt::BottomEdge;
    case kwhLeft:
      return Qt::LeftEdge;
    case kwhRight:
      return Qt::RightEdge;
    case kwhTopLeft:
      return Qt::TopEdge | Qt::LeftEdge;
    case kwhTopRight:
      return Qt::TopEdge | Qt::RightEdge;
    case kwhBottomLeft:
      return Qt::BottomEdge | Qt::LeftEdge;
    case kwhBottomRight:
      return Qt::BottomEdge | Qt::RightEdge;
    default:
      return std::nullopt;
  }
}

Qt::CursorShape CursorOf(Qt::Edges edges) {
  if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
    return Qt::SizeFDiagCursor;
  if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
    return Qt::SizeBDiagCursor;
  if (edges & (Qt::LeftEdge | Qt::RightEdge)) return Qt::SizeHorCursor;
  return Qt::SizeVerCursor;
}

// An icon the window's state stands in for: restore instead of minimise or maximise,
// roll down instead of roll up.
void SwapIcon(uint16_t& icons, TteBorderIcon plain, TteBorderIcon replacement, bool replace) {
  if (!(icons & BorderIconBit(plain)) || !replace) return;
  icons = uint16_t((icons & ~BorderIconBit(plain)) | BorderIconBit(replacement));
}

}  // namespace

// ---- Hooking the form ------------------------------------------------------------------

TTeForm::TTeForm(QWidget* form) : QObject(form), FForm(form) {
  FForm->setWindowFlag(Qt::FramelessWindowHint, true);
  FForm->setMouseTracking(true);
  FForm->installEventFilter(this);
  auto* systemMenuKey = new QAction(FForm);
  systemMenuKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
  connect(systemMenuKey, &QAction::triggered, this,
          [this] { ShowSystemMenu(FForm->mapToGlobal(ClientRect().topLeft())); });
  FForm->addAction(systemMenuKey);
  auto* closeKey = new QAction(FForm);
  closeKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(closeKey, &QAction::triggered, FForm, &QWidget::close);
  FForm->addAction(closeKey);
  AddThemeNotification(this);
  Refresh();
}

TTeForm::~TTeForm() {
  RemoveThemeNotification(this);
}

void TTeForm::SetThemeObject(const std::string& name) {
  FThemeObject = name.empty() ? kDefaultObjectName : name;
  Refresh();
}

void TTeForm::SetThemeLink(TteCustomThemeLink* link) {
  FThemeLink = link;
  Refresh();
}

void TTeForm::SetWindowKind(TteWindowKind kind) {
  FWindowKind = kind;
  Refresh();
}

void TTeForm::SetBorderIcons(uint16_t icons) {
  FBorderIcons = icons;
  FForm->update();
}

void TTeForm::SetClientSize(const QSize& size) {
  const QMargins frame = FForm->contentsMargins();
  FForm->resize(size.grownBy(frame));
}

// ---- What the frame looks like --------------------------------------------------------

TteTheme& TTeForm::FrameTheme() const {
  if (IsWindowDefined(FWindowKind, FThemeObject, FThemeLink))
    if (TteTheme* theme = TteThemeManager::Instance().ThemeFor(FThemeLink)) return *theme;
  return PlainTheme();
}

// A name the theme does not know falls back to its default frame.
std::string TTeForm::FrameObjectName() const {
  TteTheme* theme = TteThemeManager::Instance().ThemeFor(FThemeLink);
  if (theme && theme->IsWindowDefined(FWindowKind, FThemeObject)) return FThemeObject;
  return kDefaultObjectName;
}

TteWindowInfo TTeForm::WindowInfo() const {
  TteWindowInfo info;
  info.Rect = TRect::FromQRect(FForm->rect());
  const Qt::WindowStates state = FForm->windowState();
  uint16_t icons = FBorderIcons;
  SwapIcon(icons, kbiMinimize, kbiMinRestore, state & Qt::WindowMinimized);
  SwapIcon(icons, kbiMaximize, kbiMaxRestore, state & Qt::WindowMaximized);
  SwapIcon(icons, kbiRollUp, kbiRollDown, FRolledUp);
  info.BorderIcons = icons;
  info.Active = FForm->isActiveWindow();
  info.Caption = FForm->windowTitle();
  info.Icon = FForm->windowIcon();
  return info;
}

QRect TTeForm::ClientRect() const {
  return FrameTheme().WindowGetClientRect(FWindowKind, WindowInfo(), FrameObjectName()).ToQRect();
}

QRect TTeForm::BorderIconRect(TteBorderIcon icon) const {
  return FrameTheme()
      .WindowGetBorderIconRect(FWindowKind, WindowInfo(), icon, FrameObjectName())
      .ToQRect();
}

std::optional<TteBorderIcon> TTeForm::BorderIconAt(const QPoint& point) const {
  const TteWindowInfo info = WindowInfo();
  for (int icon = 0; icon < kBorderIconCount; ++icon)
    if (info.HasIcon(TteBorderIcon(icon)) && BorderIconRect(TteBorderIcon(icon)).contains(point))
      return TteBorderIcon(icon);
  return std::nullopt;
}

// A top or bottom piece that runs the whole width of the window would leave no corner to
// size both ways from: where such a piece passes over a side border, the hit is that
// corner.
TteWindowHit TTeForm::HitTest(const QPoint& point) const {
  if (BorderIconAt(point)) return kwhBorderIcon;
  const TteWindowHit hit = FrameTheme().WindowGetHitTest(FWindowKind, WindowInfo(),
                                                         {point.x(), point.y()}, FrameObjectName());
  if (hit != kwhTop && hit != kwhBottom) return hit;
  const QRect client = ClientRect();
  if (point.x() < client.left()) return hit == kwhTop ? kwhTopLeft : kwhBottomLeft;
  if (point.x() > client.right()) return hit == kwhTop ? kwhTopRight : kwhBottomRight;
  return hit;
}

uint8_t TTeForm::BorderIconState(TteBorderIcon icon) const {
  const bool hot = FHotIcon == icon;
  if (FPressedIcon) return FPressedIcon == icon && hot ? kpsPressed : kpsNormal;
  return hot ? kpsHot : kpsNormal;
}

// The skin's shape where it is not the plain rectangle; none while maximised, when the
// window fills its screen edge to edge.
QRegion TTeForm::FrameShape() const {
  if (FForm->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return {};
  const QRegion shape = FrameTheme().WindowGetRegion(FWindowKind, WindowInfo(), FrameObjectName());
  if (shape.isEmpty() || shape == QRegion(FForm->rect())) return {};
  return shape;
}

// ---- Keeping the form in step ------------------------------------------------------------

void TTeForm::Refresh() {
  UpdateClientMargins();
  UpdateShape();
  FForm->update();
}

void TTeForm::UpdateClientMargins() {
  if (FRolledUp) return;  // a rolled-up frame has no client; the margins stay as they were
  const QRect client = ClientRect();
  const QMargins margins(client.left(), client.top(), FForm->width() - client.right() - 1,
                         FForm->height() - client.bottom() - 1);
  if (margins != FForm->contentsMargins()) FForm->setContentsMargins(margins);
}

void TTeForm::UpdateShape() {
  if (FPlayer.IsPlaying()) return;  // the effect owns the mask until it ends
  const QRegion shape = FrameShape();
  if (shape == FForm->mask()) return;  // unchanged: spare the window system a new shape
  if (shape.isEmpty())
    FForm->clearMask();
  else
    FForm->setMask(shape);
}

bool TTeForm::event(QEvent* event) {
  if (event->type() != TteThemeChangeEvent::EventType()) return QObject::event(event);
  Refresh();
  return true;
}

// ---- Painting ------------------------------------------------------------------------------

// The frame is composed in memory and copied once. The theme paints the border icons with
// the frame in their normal look; a hot or pressed one is painted over it.
void TTeForm::Paint(const QRect& area) {
  if (FBuffer.size() != FForm->size())
    FBuffer = QImage(FForm->size(), QImage::Format_ARGB32_Premultiplied);
  {
    QPainter clear(&FBuffer);
    clear.setCompositionMode(QPainter::CompositionMode_Source);
    clear.fillRect(area, Qt::transparent);
  }
  TteTheme& theme = FrameTheme();
  const std::string name = FrameObjectName();
  const TteWindowInfo info = WindowInfo();
  {
    TCanvas canvas(FBuffer);
    canvas.SetClipRect(TRect::FromQRect(area));
    theme.WindowDraw(canvas, FWindowKind, info, name);
    theme.WindowDrawClient(canvas, FWindowKind, info, name);
    for (int icon = 0; icon < kBorderIconCount; ++icon) {
      const uint8_t state = BorderIconState(TteBorderIcon(icon));
      if (info.HasIcon(TteBorderIcon(icon)) && state != kpsNormal)
        theme.WindowDrawBorderIcon(canvas, FWindowKind, info, TteBorderIcon(icon), state, name);
    }
  }
  QPainter painter(FForm);
  painter.drawImage(area.topLeft(), FBuffer, area);
}

// ---- Events --------------------------------------------------------------------------------

bool TTeForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FForm) return false;
  switch (event->type()) {
    case QEvent::Paint:
      Paint(static_cast<QPaintEvent*>(event)->rect());
      return false;  // the form's own painting, if any, comes on top
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      Refresh();
      return false;
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
      FForm->update();
      return false;
    case QEvent::MouseButtonPress:
      return MousePress(*static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      return MouseMove(*static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      return MouseRelease(*static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
      return MouseDoubleClick(*static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
      SetHotIcon(std::nullopt);
      if (FDrag == TDrag::None) FForm->unsetCursor();
      return false;
    case QEvent::Show:
      if (!event->spontaneous()) ShowWithEffect();
      return false;
    case QEvent::Close:
      return CloseWithEffect(*event);
    default:
      return false;
  }
}

bool TTeForm::MousePress(QMouseEvent& event) {
  const QPoint pos = event.position().toPoint();
  const TteWindowHit hit = HitTest(pos);
  if (hit == kwhClient || hit == kwhNowhere) return false;
  if (event.button() == Qt::RightButton && hit == kwhCaption) {
    ShowSystemMenu(event.globalPosition().toPoint());
    return true;
  }
  if (event.button() != Qt::LeftButton) return true;
  if (auto icon = BorderIconAt(pos)) {
    FPressedIcon = icon;
    SetHotIcon(icon);
    FForm->update(BorderIconRect(*icon));
    return true;
  }
  const bool normal = !(FForm->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
  if (hit == kwhCaption && normal) StartMove(event.globalPosition());
  if (auto edges = EdgesOf(hit); edges && normal && !FRolledUp && FWindowKind == kwkSizeable)
    StartResize(*edges, event.globalPosition());
  return true;
}

bool TTeForm::MouseMove(QMouseEvent& event) {
  const QPoint pos = event.position().toPoint();
  if (FDrag != TDrag::None && (event.buttons() & Qt::LeftButton)) {
    DragTo(event.globalPosition().toPoint());
    return true;
  }
  SetHotIcon(BorderIconAt(pos));
  if (FPressedIcon) return true;
  const TteWindowHit hit = HitTest(pos);
  UpdateCursor(hit);
  return hit != kwhClient;
}

bool TTeForm::MouseRelease(QMouseEvent& event) {
  FDrag = TDrag::None;
  if (!FPressedIcon) return HitTest(event.position().toPoint()) != kwhClient;
  const TteBorderIcon pressed = *std::exchange(FPressedIcon, std::nullopt);
  FForm->update(BorderIconRect(pressed));
  // A press that slid off its icon is taken back, as with any button.
  if (BorderIconAt(event.position().toPoint()) == pressed) ClickBorderIcon(pressed);
  return true;
}

bool TTeForm::MouseDoubleClick(QMouseEvent& event) {
  const QPoint pos = event.position().toPoint();
  if (BorderIconAt(pos)) return MousePress(event);  // a quick second click is a click
  const TteWindowHit hit = HitTest(pos);
  if (hit == kwhClient) return false;
  if (hit == kwhCaption && event.button() == Qt::LeftButton &&
      (FBorderIcons & BorderIconBit(kbiMaximize)) && FWindowKind == kwkSizeable)
    ToggleMaximized();
  return true;
}

void TTeForm::SetHotIcon(std::optional<TteBorderIcon> icon) {
  if (icon == FHotIcon) return;
  if (FHotIcon) FForm->update(BorderIconRect(*FHotIcon));
  FHotIcon = icon;
  if (FHotIcon) FForm->update(BorderIconRect(*FHotIcon));
}

void TTeForm::UpdateCursor(TteWindowHit hit) {
  const auto edges = EdgesOf(hit);
  const bool sizes = edges && FWindowKind == kwkSizeable && !FRolledUp &&
                     !(FForm->windowState() & Qt::WindowMaximized);
  if (sizes)
    FForm->setCursor(CursorOf(*edges));
  else
    FForm->unsetCursor();
}

// ---- Moving and sizing ---------------------------------------------------------------------

// The window system moves and sizes where it can (X11 with a window manager, Wayland,
// Windows); elsewhere the hook follows the mouse itself.
void TTeForm::StartMove(const QPointF& globalPos) {
  if (QWindow* window = FForm->windowHandle(); window && window->startSystemMove()) return;
  FDrag = TDrag::Move;
  FDragStart = globalPos.toPoint();
  FDragStartGeometry = FForm->geometry();
}

void TTeForm::StartResize(Qt::Edges edges, const QPointF& globalPos) {
  if (QWindow* window = FForm->windowHandle(); window && window->startSystemResize(edges)) return;
  FDrag = TDrag::Resize;
  FDragEdges = edges;
  FDragStart = globalPos.toPoint();
  FDragStartGeometry = FForm->geometry();
}

void TTeForm::DragTo(const QPoint& globalPos) {
  const QPoint delta = globalPos - FDragStart;
  QRect bounds = FDragStartGeometry;
  if (FDrag == TDrag::Move) return FForm->move(bounds.topLeft() + delta);
  const QSize least = FForm->minimumSizeHint().expandedTo(FForm->minimumSize());
  if (FDragEdges & Qt::LeftEdge)
    bounds.setLeft(std::min(bounds.left() + delta.x(), bounds.right() + 1 - least.width()));
  if (FDragEdges & Qt::RightEdge) bounds.setRight(bounds.right() + delta.x());
  if (FDragEdges & Qt::TopEdge)
    bounds.setTop(std::min(bounds.top() + delta.y(), bounds.bottom() + 1 - least.height()));
  if (FDragEdges & Qt::BottomEdge) bounds.setBottom(bounds.bottom() + delta.y());
  FForm->setGeometry(bounds);
}

// ---- Commands --------------------------------------------------------------------------------

void TTeForm::ToggleMaximized() {
  if (FForm->windowState() & Qt::WindowMaximized)
    FForm->showNormal();
  else
    FForm->showMaximized();
}

void TTeForm::ClickBorderIcon(TteBorderIcon icon) {
  switch (icon) {
    case kbiSysMenu:
      return ShowSystemMenu(FForm->mapToGlobal(BorderIconRect(icon).bottomLeft()));
    case kbiClose:
      FForm->close();
      return;
    case kbiHelp:
      return QWhatsThis::enterWhatsThisMode();
    case kbiMinimize:
      return FForm->showMinimized();
    case kbiMaximize:
      return FForm->showMaximized();
    case kbiMinRestore:
    case kbiMaxRestore:
      return FForm->showNormal();
    case kbiRollUp:
    case kbiRollDown:
      return SetRolledUp(icon == kbiRollUp);
    case kbiTray:
      return SendToTray();
  }
}

void TTeForm::ShowSystemMenu(const QPoint& globalPos) {
  if (!FSystemMenu) {
    FSystemMenu = new QMenu(FForm);
    FSystemMenu->addAction(tr("&Restore"), FForm, &QWidget::showNormal);
    FSystemMenu->addAction(tr("Mi&nimize"), FForm, &QWidget::showMinimized);
    FSystemMenu->addAction(tr("Ma&ximize"), FForm, &QWidget::showMaximized);
    FSystemMenu->addSeparator();
    FSystemMenu->addAction(tr("&Close"), QKeySequence(Qt::ALT | Qt::Key_F4), FForm,
                           &QWidget::close);
  }
  const QList<QAction*> actions = FSystemMenu->actions();
  const bool maximized = FForm->windowState() & Qt::WindowMaximized;
  actions[0]->setEnabled(maximized);
  actions[1]->setEnabled(FBorderIcons & BorderIconBit(kbiMinimize));
  actions[2]->setEnabled(!maximized && (FBorderIcons & BorderIconBit(kbiMaximize)));
  FSystemMenu->popup(globalPos);
}

bool TTeForm::IsInTray() const {
  return FTrayIcon && FTrayIcon->isVisible();
}

// Without a notification area the window is minimised instead.
void TTeForm::SendToTray() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return FForm->showMinimized();
  if (!FTrayIcon) {
    FTrayIcon = new QSystemTrayIcon(this);
    connect(FTrayIcon, &QSystemTrayIcon::activated, this, [this] {
      FTrayIcon->hide();
      FForm->showNormal();
      FForm->activateWindow();
    });
  }
  FTrayIcon->setIcon(FForm->windowIcon());
  FTrayIcon->setToolTip(FForm->windowTitle());
  FTrayIcon->show();
  FForm->hide();
}

// Rolling up hides the form's contents and shrinks it to the frame alone; the contents
// and the height come back when it rolls down.
void TTeForm::SetRolledUp(bool rolledUp) {
  if (rolledUp == FRolledUp) return;
  if (rolledUp) {
    const QRect client = ClientRect();
    FHeightBeforeRollUp = FForm->height();
    FMinimumBeforeRollUp = FForm->minimumSize();
    FHiddenByRollUp.clear();
    for (QWidget* child : FForm->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!child->isWindow() && child->isVisible()) {
        FHiddenByRollUp << child;
        child->hide();
      }
    FRolledUp = true;
    if (FForm->layout()) FForm->layout()->activate();
    FForm->setMinimumHeight(0);
    FForm->resize(FForm->width(), FForm->height() - client.height());
  } else {
    FRolledUp = false;
    for (const QPointer<QWidget>& child : FHiddenByRollUp)
      if (child) child->show();
    FHiddenByRollUp.clear();
    FForm->setMinimumSize(FMinimumBeforeRollUp);
    FForm->resize(FForm->width(), FHeightBeforeRollUp);
  }
  Refresh();
}

// ---- Effects ---------------------------------------------------------------------------------

void TTeForm::ShowWithEffect() {
  Refresh();
  const TTeWindowEffect* effect = TTeEffectRegistry::Instance().Resolve(FShowEffect);
  if (effect) FPlayer.Play(*FForm, effect, TTeEffectDirection::Show, FrameShape(), {});
}

// The first close plays the effect and is refused; the effect's end closes for real (and
// the form may still refuse then, which the effect's end undoes by restoring the look).
bool TTeForm::CloseWithEffect(QEvent& event) {
  if (FClosingAfterEffect || !FForm->isVisible() || FPlayer.IsPlaying()) return false;
  const TTeWindowEffect* effect = TTeEffectRegistry::Instance().Resolve(FHideEffect);
  if (!effect) return false;
  event.ignore();
  QPointer<QWidget> form = FForm;
  FPlayer.Play(*FForm, effect, TTeEffectDirection::Hide, FrameShape(), [this, form] {
    if (!form) return;
    FClosingAfterEffect = true;
    form->close();
    FClosingAfterEffect = false;
  });
  return true;
}

}  // namespace vt
