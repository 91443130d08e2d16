#pragma once
// The process-wide theme manager: the registry of theme classes, the current theme, theme
// files, hue and brightness deltas, change broadcasts to registered controls and links,
// parent-background painting for see-through controls, and a store of saved object states.
//
// Controls call the free functions at the end of this header; each forwards to
// TteThemeManager::Instance(). Everything runs on the user-interface thread, and every
// broadcast is delivered synchronously, in registration order, before the call returns.
#include <QEvent>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "rtl/Classes.h"
#include "rtl/Streams.h"
#include "theme/te_theme.h"

namespace vt {

// The object name of a control that names no skin object of its own.
inline constexpr const char* kDefaultObjectName = "default";

// ---- Messages -----------------------------------------------------------------------

// The theme-change message: WParam is a TteThemeChangeCode, LParam its argument.
constexpr uint32_t kThemeChangeMessage = 0x0800;
// BroadcastThemeNotify's message: WParam and LParam carry the same value (a theme link
// passes itself, so that the controls using that link repaint).
constexpr uint32_t kThemeNotifyMessage = 0x0801;

enum TteThemeChangeCode : int {
  tccReplaced = 0,      // the current theme was replaced by another
  tccBeforeChange = 1,  // before any change of the current theme
  tccAfterChange = 2,   // after any change of the current theme
  tccFirstTheme = 3,    // a theme became current where none was; also sent to a receiver
                        // that registers while a theme exists
  tccRemoved = 4,       // the current theme was removed
  tccDataChanged = 5,   // colours, hue, brightness or desktop settings changed; LParam is
                        // 1 when a hue or brightness change caused it, else 0
};

struct TteThemeMessage {
  uint32_t Msg = kThemeChangeMessage;
  intptr_t WParam = 0;
  intptr_t LParam = 0;
};

// How a broadcast reaches a QObject receiver (a widget, a window, any object): sent with
// QCoreApplication::sendEvent, so it arrives in the receiver's event() before the
// broadcast goes on to the next receiver.
class TteThemeChangeEvent : public QEvent {
 public:
  explicit TteThemeChangeEvent(const TteThemeMessage& message)
      : QEvent(EventType()), FMessage(message) {}
  static QEvent::Type EventType();
  const TteThemeMessage& Message() const { return FMessage; }

 private:
  TteThemeMessage FMessage;
};

// How a broadcast reaches any other receiver: the message record is dispatched to it.
// A receiver that is destroyed while registered is never called again (its registration
// holds a token that the destructor clears), so unregistering is optional.
class TteThemeNotifiable {
 public:
  TteThemeNotifiable() = default;
  TteThemeNotifiable(const TteThemeNotifiable&) : TteThemeNotifiable() {}
  TteThemeNotifiable& operator=(const TteThemeNotifiable&) { return *this; }
  virtual ~TteThemeNotifiable() { *FAlive = false; }
  virtual void ThemeMessage(const TteThemeMessage& message) = 0;

 private:
  friend class TteThemeManager;
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// ---- Theme links --------------------------------------------------------------------

// What a control's ThemeLink property points to: a component that may give the control a
// theme of its own instead of the current one. A link is also a notification receiver;
// concrete links register themselves when they want broadcasts.
class TteCustomThemeLink : public TComponent, public TteThemeNotifiable {
 public:
  explicit TteCustomThemeLink(TComponent* owner) : TComponent(owner) {}
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  // The theme to use, or nullptr to fall back to the current theme.
  virtual TteTheme* GetTheme() const = 0;
  void ThemeMessage(const TteThemeMessage& /*message*/) override {}
};

// ---- Parent backgrounds -------------------------------------------------------------

// Paints `parent` as it looks behind a child at `controlBounds` (in the parent's
// coordinates). The painter is already translated so that the child's top-left is at
// (0, 0): painting at the parent's own coordinates lands right.
using TteBackgroundPainter =
    std::function<void(QObject& parent, QPainter& painter, const QRect& controlBounds)>;

// ---- The manager --------------------------------------------------------------------

class TteThemeManager {
 public:
  TteThemeManager();
  ~TteThemeManager();
  TteThemeManager(const TteThemeManager&) = delete;
  TteThemeManager& operator=(const TteThemeManager&) = delete;

  // The process-wide manager, created on first use and freed at exit (with the current
  // theme and every saved state).
  static TteThemeManager& Instance();

  // -- Theme classes, in registration order; registering twice keeps the first place --
  void RegisterThemeClass(const TteThemeClass& themeClass);
  void UnregisterThemeClass(const TteThemeClass& themeClass);
  const std::vector<const TteThemeClass*>& ThemeClasses() const { return FClasses; }

  // -- Current theme --
  TteTheme* CurrentTheme() const { return FCurrentTheme.get(); }
  // Takes ownership. Broadcasts 1, then 0 (replacing) or 3 (first theme), then 2. A null
  // theme clears the current one.
  void SetCurrentTheme(std::unique_ptr<TteTheme> theme);
  // Broadcasts 1, frees the current theme, broadcasts 4 and 2; nothing without one.
  void ClearCurrentTheme();
  bool IsThemeAvailable(const TteTheme* theme) const;
  // The theme a control with this link uses: the link's, else the current one.
  TteTheme* ThemeFor(const TteCustomThemeLink* link) const;

  // -- Theme files --
  // An empty name, or a file that exists neither as given nor (for a relative name)
  // in the program's directory, answers none. A class whose extension list holds the
  // file's extension loads it; otherwise the content decides (LoadThemeFromStream).
  // Errors the loaders raise (a damaged file) propagate.
  std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName);
  // The first class whose CanLoadFromStream accepts the stream loads it, from where the
  // stream stood; none when no class accepts or the accepting class fails to load.
  std::unique_ptr<TteTheme> LoadThemeFromStream(TStream& stream);
  // Saves through the theme only when its class says it can save; false otherwise.
  bool SaveThemeToStream(TteTheme& theme, TStream& stream);
  // "All (*.a;*.b)|*.a;*.b|A themes|*.a|B themes|*.b" over the classes listed in the open
  // filter; "" when there are none.
  std::string GetThemeFilter() const;

  // -- Deltas of the current theme (each broadcasts 5 with argument 1) --
  void SetThemeDeltaHue(int32_t value);                  // ignored for 0 or without a theme
  void SetThemeDeltaBrightness(int32_t value);           // ignored for 0 or without a theme
  void SetThemeDeltas(int32_t hue, int32_t brightness);  // ignored when both are 0

  // -- Notifications --
  void AddThemeNotification(QObject* receiver);
  void AddThemeNotification(TteThemeNotifiable* receiver);
  void RemoveThemeNotification(QObject* receiver);
  void RemoveThemeNotification(TteThemeNotifiable* receiver);
  // Sends (msg, wParam, lParam) to every registered receiver in order. QObject receivers
  // get code 5 of the theme-change message only while visible: a QWindow by isVisible(),
  // any other object by its "visible" property (widgets have one); objects without that
  // property count as visible.
  void Broadcast(uint32_t msg, intptr_t wParam, intptr_t lParam);
  void BroadcastThemeChange(TteThemeChangeCode code, intptr_t argument = 0) {
    Broadcast(kThemeChangeMessage, code, argument);
  }
  void BroadcastThemeNotify(intptr_t value) { Broadcast(kThemeNotifyMessage, value, value); }
  // The desktop's colours, displays or style changed: broadcast code 5.
  void DesktopChanged() { BroadcastThemeChange(tccDataChanged, 0); }
  int NotificationCount() const;

  // -- The IsXxxDefined rule --
  // 1. A link that answers a theme decides alone. 2. Without a current theme: false.
  // 3. The current theme's answer for the object name; 4. if false, its answer for
  // "default".
  using TIsDefinedQuery = bool (TteTheme::*)(uint8_t kind, const std::string& objectName) const;
  bool IsDefined(TIsDefinedQuery query, uint8_t kind, const std::string& objectName,
                 const TteCustomThemeLink* link) const;

  // -- Parent backgrounds --
  // Painters are chosen by the parent's class: the most derived class with a
  // registration; among registrations of one class the earliest.
  void RegisterBackgroundPainter(const QMetaObject& parentClass, TteBackgroundPainter painter);
  // What paints a parent without a registered painter (the widget layer renders the
  // parent widget itself); nothing happens while none is set.
  void SetDefaultBackgroundPainter(TteBackgroundPainter painter);
  // Paints what lies behind `control` (a widget or window with a parent) into `painter`,
  // whose origin is the control's top-left. Does nothing for no control, no parent, an
  // empty control, or a control whose parent background is being painted already (the
  // parent's painting may reach the control again).
  void DrawParentBackground(QObject* control, QPainter& painter);

  // -- Saved object states --
  // Keeps a copy of `object` (a font copy for fonts, a new theme of the same class for
  // themes, a new component of the same class for creatable components); a second save
  // re-assigns the copy. EInvalidOperation for objects that cannot be copied.
  void SaveObjectState(const TPersistent& object);
  // Assigns the copy back; false when there is none.
  bool RestoreObjectState(TPersistent& object);
  void ForgetObjectState(const TPersistent& object);

 private:
  struct TReceiver;
  void AttachToApplication();
  void Deliver(TReceiver& receiver, const TteThemeMessage& message);
  void PruneReceivers();
  bool IsRegistered(const QObject* object, const TteThemeNotifiable* target) const;
  void Register(std::shared_ptr<TReceiver> receiver);
  const TteBackgroundPainter* FindBackgroundPainter(const QObject& parent) const;
  void StoreDelta(int32_t hue, int32_t brightness);

  std::vector<const TteThemeClass*> FClasses;
  std::unique_ptr<TteTheme> FCurrentTheme;
  std::vector<std::shared_ptr<TReceiver>> FReceivers;
  std::vector<std::pair<const QMetaObject*, TteBackgroundPainter>> FBackgroundPainters;
  TteBackgroundPainter FDefaultBackgroundPainter;
  std::set<const QObject*> FPaintingParentOf;  // the paint-copy state of each control
  std::map<const TPersistent*, std::unique_ptr<TPersistent>> FSavedStates;
  QPointer<QObject> FDesktopWatcher;
};

// ---- Free functions: the controls' entry points --------------------------------------

void RegisterThemeClass(const TteThemeClass& themeClass);
void UnregisterThemeClass(const TteThemeClass& themeClass);
void AddThemeNotification(QObject* receiver);
void AddThemeNotification(TteThemeNotifiable* receiver);
void RemoveThemeNotification(QObject* receiver);
void RemoveThemeNotification(TteThemeNotifiable* receiver);
void BroadcastThemeNotify(intptr_t value);

TteTheme* CurrentTheme();
void SetCurrentTheme(std::unique_ptr<TteTheme> theme);
void ClearCurrentTheme();
bool IsThemeAvailable(const TteTheme* theme);

std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName);
std::unique_ptr<TteTheme> LoadThemeFromStream(TStream& stream);
bool SaveThemeToStream(TteTheme& theme, TStream& stream);
std::string GetThemeFilter();

void SetThemeDeltaHue(int32_t value);
void SetThemeDeltaBrightness(int32_t value);
void SetThemeDeltas(int32_t hue, int32_t brightness);

// The font a control uses: with an owner theme and an object name other than "default",
// the table's scratch font filled by the owner's GetFont for that name; otherwise the
// table's own font at that index.
TFont& GetThemeFont(TteThemeFonts& fonts, int index, const std::string& objectName);

// The 20 resolvers (link first, then the current theme, then "default").
bool IsWindowDefined(uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link = nullptr);
bool IsTextDefined(uint8_t kind, const std::string& objectName,
                   const TteCustomThemeLink* link = nullptr);
bool IsContainerDefined(uint8_t kind, const std::string& objectName,
                        const TteCustomThemeLink* link = nullptr);
bool IsButtonDefined(uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link = nullptr);
bool IsCheckDefined(uint8_t kind, const std::string& objectName,
                    const TteCustomThemeLink* link = nullptr);
bool IsScrollDefined(uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link = nullptr);
bool IsProgressDefined(uint8_t kind, const std::string& objectName,
                       const TteCustomThemeLink* link = nullptr);
bool IsTrackDefined(uint8_t kind, const std::string& objectName,
                    const TteCustomThemeLink* link = nullptr);
bool IsHeaderDefined(uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link = nullptr);
bool IsStatusDefined(uint8_t kind, const std::string& objectName,
                     const TteCustomThemeLink* link = nullptr);
bool IsEditDefined(uint8_t kind, const std::string& objectName,
                   const TteCustomThemeLink* link = nullptr);
bool IsGroupBoxDefined(uint8_t kind, const std::string& objectName,
                       const TteCustomThemeLink* link = nullptr);
bool IsMenuDefined(uint8_t kind, const std::string& objectName,
                   const TteCustomThemeLink* link = nullptr);
bool IsToolBarDefined(uint8_t kind, const std::string& objectName,
                      const TteCustomThemeLink* link = nullptr);
bool IsScrollBoxDefined(uint8_t kind, const std::string& objectName,
                        const TteCustomThemeLink* link = nullptr);
bool IsPanelDefined(uint8_t kind, const std::string& objectName,
                    const TteCustomThemeLink* link = nullptr);
bool IsTabDefined(uint8_t kind, const std::string& objectName,
                  const TteCustomThemeLink* link = nullptr);
bool IsListBoxDefined(uint8_t kind, const std::string& objectName,
                      const TteCustomThemeLink* link = nullptr);
bool IsItemListDefined(uint8_t kind, const std::string& objectName,
                       const TteCustomThemeLink* link = nullptr);
bool IsGridDefined(uint8_t kind, const std::string& objectName,
                   const TteCustomThemeLink* link = nullptr);

void RegisterBackgroundPainter(const QMetaObject& parentClass, TteBackgroundPainter painter);
void DrawParentBackground(QObject* control, QPainter& painter);

void SaveObjectState(const TPersistent& object);
bool RestoreObjectState(TPersistent& object);
void ForgetObjectState(const TPersistent& object);

}  // namespace vt
