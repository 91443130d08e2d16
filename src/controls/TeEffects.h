#pragma once
// Window effects: animated showing and hiding of themed windows.
//
// An effect knows how a window looks part of the way through appearing (progress 0: not
// shown at all, 1: shown as normal). The registry keeps the effects by name; the player
// drives one effect over a short animation, forward when a window appears and backward
// when it goes away. The random entry resolves to one of the registered effects each time
// it is played.
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QVariantAnimation>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace vt {

// The name that asks for a different registered effect on every play.
inline constexpr const char* kRandomEffectName = "[ RANDOM ] - Random selection";
// The name of no effect: the window appears and goes at once.
inline constexpr const char* kNoEffectName = "[ NONE ]";

class TTeWindowEffect {
 public:
  virtual ~TTeWindowEffect() = default;
  virtual QString Name() const = 0;
  // Whether the platform can show this effect now (fading needs a compositor).
  virtual bool IsAvailable() const { return true; }
  // Gives `window` its look at `progress` (0..1). `shape` is the window's own mask (empty:
  // none), which the effect must keep.
  virtual void Apply(QWidget& window, double progress, const QRegion& shape) const = 0;
  // Leaves the window as it is without the effect.
  virtual void Finish(QWidget& window, const QRegion& shape) const = 0;
};

// Whether windows can be made partly transparent on this platform and display: true where
// the windowing system always composites, on X11 only while a compositing manager runs.
bool CanFadeWindows();

class TTeEffectRegistry {
 public:
  // The process-wide registry, holding the fade and the four slides from the start.
  static TTeEffectRegistry& Instance();
  void Register(std::unique_ptr<TTeWindowEffect> effect);
  // The registered names in registration order, then the random entry.
  QStringList Names() const;
  // The effect of that name, an available registered effect chosen at random for the
  // random name, or nullptr (no such effect, or the one named cannot be shown here).
  const TTeWindowEffect* Resolve(const QString& name) const;

 private:
  TTeEffectRegistry();
  std::vector<std::unique_ptr<TTeWindowEffect>> FEffects;
};

enum class TTeEffectDirection { Show, Hide };

// Plays one effect on one window at a time. Playing again while an effect runs finishes
// the running one first.
class TTeEffectPlayer : public QObject {
  Q_OBJECT
 public:
  explicit TTeEffectPlayer(QObject* parent = nullptr);
  ~TTeEffectPlayer() override;
  int Duration() const { return FDuration; }
  void SetDuration(int milliseconds) { FDuration = milliseconds; }
  bool IsPlaying() const { return FAnimation.state() == QAbstractAnimation::Running; }
  // Without an effect (nullptr) `finished` runs at once.
  void Play(QWidget& window, const TTeWindowEffect* effect, TTeEffectDirection direction,
            const QRegion& shape, std::function<void()> finished);
  // Ends a running effect where it would end, calling its `finished`.
  void Stop();

 private:
  void Step(const QVariant& value);
  void Complete();

  QVariantAnimation FAnimation;
  int FDuration = 180;
  QPointer<QWidget> FWindow;
  const TTeWindowEffect* FEffect = nullptr;
  QRegion FShape;
  std::function<void()> FFinished;
};

}  // namespace vt
