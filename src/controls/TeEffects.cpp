// Window effects: the fade, the four slides, the registry and the player.
#include "controls/TeEffects.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

#if __has_include(<xcb/xcb.h>) && defined(VTSKIN_HAVE_XCB)
#include <xcb/xcb.h>
#define VTSKIN_CHECK_X11_COMPOSITOR 1
#endif

namespace vt {

namespace {

// ---- Compositor detection ---------------------------------------------------------------

#ifdef VTSKIN_CHECK_X11_COMPOSITOR
// An X11 compositing manager owns the selection _NET_WM_CM_Sn of the screen it serves.
bool X11CompositorRuns() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return false;
  xcb_connection_t* connection = x11->connection();
  const QByteArray atomName = "_NET_WM_CM_S0";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 1, uint16_t(atomName.size()), atomName.data()),
      nullptr);
  if (!atom) return false;
  xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
  const bool runs = owner && owner->owner != XCB_NONE;
  free(owner);
  free(atom);
  return runs;
}
#else
bool X11CompositorRuns() {
  return false;
}
#endif

// ---- The effects ------------------------------------------------------------------------

class TFadeEffect final : public TTeWindowEffect {
 public:
  QString Name() const override { return "Fade"; }
  bool IsAvailable() const override { return CanFadeWindows(); }
  void Apply(QWidget& window, double progress, const QRegion&) const override {
    window.setWindowOpacity(progress);
  }
  void Finish(QWidget& window, const QRegion&) const override { window.setWindowOpacity(1.0); }
};

enum class TSide { Left, Top, Right, Bottom };

// Uncovers the window from one side, as if it slid out from under that edge. Works through
// the window's mask, which every windowing system supports.
class TSlideEffect final : public TTeWindowEffect {
 public:
  TSlideEffect(TSide side, QString name) : FSide(side), FName(std::move(name)) {}
  QString Name() const override { return FName; }
  // The part shown grows over the shape's own bounds, so that the first strip already
  // meets the shape (an empty mask would show the whole window).
  void Apply(QWidget& window, double progress, const QRegion& shape) const override {
    if (shape.isEmpty()) return Uncover(window, ShownPart(window.rect(), progress));
    Uncover(window, shape.intersected(ShownPart(shape.boundingRect(), progress)));
  }
  void Finish(QWidget& window, const QRegion& shape) const override {
    Uncover(window, shape.isEmpty() ? QRegion(window.rect()) : shape);
    if (shape.isEmpty()) window.clearMask();
  }

 private:
  // What the mask hid was not repainted while hidden (a change of activation, say): the
  // part that comes into view now is painted afresh.
  static void Uncover(QWidget& window, const QRegion& shown) {
    const QRegion before = window.mask().isEmpty() ? QRegion(window.rect()) : window.mask();
    window.setMask(shown);
    window.update(shown.subtracted(before));
  }
  // At least one pixel stays uncovered: an empty mask would mean no mask at all.
  QRect ShownPart(const QRect& whole, double progress) const {
    const int width = std::max(1, int(std::lround(whole.width() * progress)));
    const int height = std::max(1, int(std::lround(whole.height() * progress)));
    switch (FSide) {
      case TSide::Left:
        return {whole.left(), whole.top(), width, whole.height()};
      case TSide::Right:
        return {whole.right() + 1 - width, whole.top(), width, whole.height()};
      case TSide::Top:
        return {whole.left(), whole.top(), whole.width(), height};
      case TSide::Bottom:
        return {whole.left(), whole.bottom() + 1 - height, whole.width(), height};
    }
    return whole;
  }
  TSide FSide;
  QString FName;
};

}  // namespace

bool CanFadeWindows() {
  const QString platform = QGuiApplication::platformName();
  if (platform.startsWith("wayland") || platform == "windows" || platform == "cocoa") return true;
  if (platform == "xcb") return X11CompositorRuns();
  return false;  // offscreen, minimal, framebuffers: no per-window transparency
}

// ---- Registry -----------------------------------------------------------------------------

TTeEffectRegistry::TTeEffectRegistry() {
  Register(std::make_unique<TFadeEffect>());
  Register(std::make_unique<TSlideEffect>(TSide::Left, "Slide from left"));
  Register(std::make_unique<TSlideEffect>(TSide::Top, "Slide from top"));
  Register(std::make_unique<TSlideEffect>(TSide::Right, "Slide from right"));
  Register(std::make_unique<TSlideEffect>(TSide::Bottom, "Slide from bottom"));
}

TTeEffectRegistry& TTeEffectRegistry::Instance() {
  static TTeEffectRegistry registry;
  return registry;
}

void TTeEffectRegistry::Register(std::unique_ptr<TTeWindowEffect> effect) {
  FEffects.push_back(std::move(effect));
}

QStringList TTeEffectRegistry::Names() const {
  QStringList names;
  for (const auto& effect : FEffects) names << effect->Name();
  names << kRandomEffectName;
  return names;
}

const TTeWindowEffect* TTeEffectRegistry::Resolve(const QString& name) const {
  if (name == kRandomEffectName) {
    std::vector<const TTeWindowEffect*> available;
    for (const auto& effect : FEffects)
      if (effect->IsAvailable()) available.push_back(effect.get());
    if (available.empty()) return nullptr;
    return available[QRandomGenerator::global()->bounded(int(available.size()))];
  }
  for (const auto& effect : FEffects)
    if (effect->Name() == name) return effect->IsAvailable() ? effect.get() : nullptr;
  return nullptr;
}

// ---- Player -------------------------------------------------------------------------------

TTeEffectPlayer::TTeEffectPlayer(QObject* parent) : QObject(parent) {
  connect(&FAnimation, &QVariantAnimation::valueChanged, this, &TTeEffectPlayer::Step);
  connect(&FAnimation, &QVariantAnimation::finished, this, &TTeEffectPlayer::Complete);
}

TTeEffectPlayer::~TTeEffectPlayer() {
  FAnimation.disconnect(this);
}

void TTeEffectPlayer::Play(QWidget& window, const TTeWindowEffect* effect,
                           TTeEffectDirection direction, const QRegion& shape,
                           std::function<void()> finished) {
  Stop();
  if (!effect) {
    if (finished) finished();
    return;
  }
  FWindow = &window;
  FEffect = effect;
  FShape = shape;
  FFinished = std::move(finished);
  const bool showing = direction == TTeEffectDirection::Show;
  FAnimation.setDuration(FDuration);
  FAnimation.setStartValue(showing ? 0.0 : 1.0);
  FAnimation.setEndValue(showing ? 1.0 : 0.0);
  // The first look is given now: a window about to appear must not flash whole first.
  effect->Apply(window, showing ? 0.0 : 1.0, shape);
  FAnimation.start();
}

void TTeEffectPlayer::Stop() {
  if (IsPlaying()) {
    FAnimation.stop();
    Complete();
  }
}

void TTeEffectPlayer::Step(const QVariant& value) {
  if (FWindow && FEffect) FEffect->Apply(*FWindow, value.toDouble(), FShape);
}

// A window that went away is restored to its plain look only after it is gone, and one
// that appeared only after its last step, so that neither shows a whole frame in between.
void TTeEffectPlayer::Complete() {
  const TTeWindowEffect* effect = std::exchange(FEffect, nullptr);
  std::function<void()> finished = std::exchange(FFinished, nullptr);
  QPointer<QWidget> window = FWindow;
  if (finished) finished();
  if (window && effect) effect->Finish(*window, FShape);
}

}  // namespace vt
