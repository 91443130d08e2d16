// The theme manager. Sections: receivers and broadcasts, the desktop watcher, theme
// classes and files, the current theme and deltas, resolvers, parent backgrounds, saved
// states, free functions.
#include "theme/te_thememanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWindow>
#include <algorithm>
#include <cctype>

#include "rtl/TypInfo.h"

namespace vt {

QEvent::Type TteThemeChangeEvent::EventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

const TClassInfo& TteCustomThemeLink::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TteCustomThemeLink>("TteCustomThemeLink", &TComponent::StaticClassInfo())
          .Build();
  return info;
}

// ---- Receivers and broadcasts -----------------------------------------------------------

// One registration: a QObject (watched by QPointer, so a destroyed object reads as null)
// or a dispatch target (watched by its liveness token). Removed registrations stay
// readable by a broadcast that is under way and are skipped by it.
struct TteThemeManager::TReceiver {
  QPointer<QObject> Object;
  TteThemeNotifiable* Target = nullptr;
  std::shared_ptr<bool> TargetAlive;
  bool Removed = false;

  bool IsAlive() const {
    if (Removed) return false;
    return Target ? *TargetAlive : !Object.isNull();
  }
};

namespace {

// Code 5 goes to visible controls only. Without QtWidgets in the engine, a control's
// visibility is read through QWindow or the "visible" property that widgets publish.
bool IsShownForDataChange(QObject& object) {
  if (auto* window = qobject_cast<QWindow*>(&object)) return window->isVisible();
  const QVariant visible = object.property("visible");
  return !visible.isValid() || visible.toBool();
}

}  // namespace

void TteThemeManager::Deliver(TReceiver& receiver, const TteThemeMessage& message) {
  if (!receiver.IsAlive()) return;
  if (receiver.Target) {
    receiver.Target->ThemeMessage(message);
    return;
  }
  QObject& object = *receiver.Object;
  const bool dataChange = message.Msg == kThemeChangeMessage && message.WParam == tccDataChanged;
  if (dataChange && !IsShownForDataChange(object)) return;
  TteThemeChangeEvent event(message);
  QCoreApplication::sendEvent(&object, &event);
}

void TteThemeManager::Broadcast(uint32_t msg, intptr_t wParam, intptr_t lParam) {
  PruneReceivers();
  // A receiver may register, unregister or destroy others while it handles the message:
  // the snapshot keeps the order, and each entry is checked again just before delivery.
  const std::vector<std::shared_ptr<TReceiver>> snapshot = FReceivers;
  const TteThemeMessage message{msg, wParam, lParam};
  for (const auto& receiver : snapshot) Deliver(*receiver, message);
}

void TteThemeManager::PruneReceivers() {
  std::erase_if(FReceivers, [](const auto& r) { return !r->IsAlive(); });
}

bool TteThemeManager::IsRegistered(const QObject* object, const TteThemeNotifiable* target) const {
  return std::any_of(FReceivers.begin(), FReceivers.end(), [&](const auto& r) {
    return r->IsAlive() && (target ? r->Target == target : r->Object.data() == object);
  });
}

void TteThemeManager::Register(std::shared_ptr<TReceiver> receiver) {
  AttachToApplication();
  PruneReceivers();
  FReceivers.push_back(receiver);
  if (FCurrentTheme) Deliver(*receiver, {kThemeChangeMessage, tccFirstTheme, 0});
}

void TteThemeManager::AddThemeNotification(QObject* receiver) {
  if (!receiver || IsRegistered(receiver, nullptr)) return;
  auto entry = std::make_shared<TReceiver>();
  entry->Object = receiver;
  Register(std::move(entry));
}

void TteThemeManager::AddThemeNotification(TteThemeNotifiable* receiver) {
  if (!receiver || IsRegistered(nullptr, receiver)) return;
  auto entry = std::make_shared<TReceiver>();
  entry->Target = receiver;
  entry->TargetAlive = receiver->FAlive;
  Register(std::move(entry));
}

void TteThemeManager::RemoveThemeNotification(QObject* receiver) {
  for (auto& r : FReceivers)
    if (!r->Target && r->Object.data() == receiver) r->Removed = true;
  PruneReceivers();
}

void TteThemeManager::RemoveThemeNotification(TteThemeNotifiable* receiver) {
  for (auto& r : FReceivers)
    if (r->Target == receiver) r->Removed = true;
  PruneReceivers();
}

int TteThemeManager::NotificationCount() const {
  return static_cast<int>(std::count_if(FReceivers.begin(), FReceivers.end(),
                                        [](const auto& r) { return r->IsAlive(); }));
}

// ---- The desktop watcher ----------------------------------------------------------------

namespace {

// Stands in for a hidden window that hears about desktop changes: palette (system
// colour) and platform theme changes arrive as application events, display changes as
// screen signals. It is a child of the application and goes with it.
class TDesktopWatcher : public QObject {
 public:
  TDesktopWatcher(QCoreApplication& app, TteThemeManager& manager)
      : QObject(&app), FManager(manager) {
    app.installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(&app)) WatchScreens(*gui);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == parent() && (type == QEvent::ApplicationPaletteChange ||
                                type == QEvent::ThemeChange || type == QEvent::StyleChange))
      FManager.DesktopChanged();
    return false;  // every event goes on to its default handling
  }

 private:
  void WatchScreens(QGuiApplication& app) {
    auto changed = [this] { FManager.DesktopChanged(); };
    connect(&app, &QGuiApplication::primaryScreenChanged, this, changed);
    connect(&app, &QGuiApplication::screenRemoved, this, changed);
    connect(&app, &QGuiApplication::screenAdded, this, [this, changed](QScreen* screen) {
      WatchScreen(*screen);
      changed();
    });
    for (QScreen* screen : QGuiApplication::screens()) WatchScreen(*screen);
  }

  void WatchScreen(QScreen& screen) {
    auto changed = [this] { FManager.DesktopChanged(); };
    connect(&screen, &QScreen::geometryChanged, this, changed);
    connect(&screen, &QScreen::logicalDotsPerInchChanged, this, changed);
  }

  TteThemeManager& FManager;
};

}  // namespace

void TteThemeManager::AttachToApplication() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || FDesktopWatcher) return;
  FDesktopWatcher = new TDesktopWatcher(*app, *this);
}

TteThemeManager::TteThemeManager() {
  AttachToApplication();
}

TteThemeManager::~TteThemeManager() {
  // The watcher belongs to the application while that lives; a manager that goes first
  // takes its watcher along so that nothing calls back into freed memory.
  delete FDesktopWatcher.data();
}

TteThemeManager& TteThemeManager::Instance() {
  static TteThemeManager manager;
  return manager;
}

// ---- Theme classes and files ------------------------------------------------------------

void TteThemeManager::RegisterThemeClass(const TteThemeClass& themeClass) {
  if (std::find(FClasses.begin(), FClasses.end(), &themeClass) == FClasses.end())
    FClasses.push_back(&themeClass);
}

void TteThemeManager::UnregisterThemeClass(const TteThemeClass& themeClass) {
  std::erase(FClasses, &themeClass);
}

namespace {

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// "mskn", ".mskn;*.uskn" -> {"mskn", "uskn"}: bare, lower-case extensions.
std::vector<std::string> ExtensionsOf(const TteThemeFileInfo& info) {
  std::vector<std::string> result;
  std::string current;
  auto flush = [&] {
    const size_t start = current.find_first_not_of(" *.");
    if (start != std::string::npos) {
      std::string ext = current.substr(start);
      ext.erase(ext.find_last_not_of(' ') + 1);
      result.push_back(LowerCase(ext));
    }
    current.clear();
  };
  for (char c : info.Extension) {
    if (c == ';' || c == ',')
      flush();
    else
      current += c;
  }
  flush();
  return result;
}

std::string PatternsOf(const TteThemeFileInfo& info) {
  std::string patterns;
  for (const std::string& ext : ExtensionsOf(info))
    patterns += (patterns.empty() ? "*." : ";*.") + ext;
  return patterns;
}

}  // namespace

std::string TteThemeManager::GetThemeFilter() const {
  std::string entries, allPatterns;
  for (const TteThemeClass* themeClass : FClasses) {
    const TteThemeFileInfo info = themeClass->GetThemeFileInfo();
    if (!info.InOpenFilter) continue;
    const std::string patterns = PatternsOf(info);
    // A description that is already a list of "caption|pattern" pairs stands as it is.
    const bool isList = info.Description.find('|') != std::string::npos;
    entries += (entries.empty() ? "" : "|") +
               (isList ? info.Description : info.Description + "|" + patterns);
    if (!patterns.empty()) allPatterns += (allPatterns.empty() ? "" : ";") + patterns;
  }
  if (entries.empty()) return {};
  return "All (" + allPatterns + ")|" + allPatterns + "|" + entries;
}

namespace {

bool IsExistingFile(const QString& path) {
  return QFileInfo(path).isFile();
}

// The file a theme name refers to: as given, or a relative name in the program's
// directory; empty when neither exists.
QString LocateThemeFile(const std::string& fileName) {
  const QString name = QString::fromStdString(fileName);
  if (IsExistingFile(name)) return name;
  if (QDir::isAbsolutePath(name) || !QCoreApplication::instance()) return {};
  const QString retried = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  return IsExistingFile(retried) ? retried : QString();
}

}  // namespace

std::unique_ptr<TteTheme> TteThemeManager::LoadThemeFromFile(const std::string& fileName) {
  if (fileName.empty()) return nullptr;
  const QString path = LocateThemeFile(fileName);
  if (path.isEmpty()) return nullptr;
  const std::string extension = LowerCase(QFileInfo(path).suffix().toStdString());
  const std::vector<const TteThemeClass*> classes = FClasses;
  for (const TteThemeClass* themeClass : classes) {
    const std::vector<std::string> extensions = ExtensionsOf(themeClass->GetThemeFileInfo());
    if (extension.empty() ||
        std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
      continue;
    std::unique_ptr<TteTheme> theme = themeClass->Create();
    if (!theme->LoadFromFile(path.toStdString())) return nullptr;
    return theme;
  }
  TFileStream stream(path.toStdString(), TFileMode::fmOpenRead);
  return LoadThemeFromStream(stream);
}

std::unique_ptr<TteTheme> TteThemeManager::LoadThemeFromStream(TStream& stream) {
  const int64_t start = stream.Position();
  const std::vector<const TteThemeClass*> classes = FClasses;
  for (const TteThemeClass* themeClass : classes) {
    bool accepts = false;
    try {
      accepts = themeClass->CanLoadFromStream(stream);
    } catch (const Exception&) {
      accepts = false;  // a stream too short for this class's signature is not its kind
    }
    stream.SetPosition(start);
    if (!accepts) continue;
    std::unique_ptr<TteTheme> theme = themeClass->Create();
    if (!theme->LoadFromStream(stream)) return nullptr;
    return theme;
  }
  return nullptr;
}

bool TteThemeManager::SaveThemeToStream(TteTheme& theme, TStream& stream) {
  if (!theme.ThemeClass().GetThemeFileInfo().CanSave) return false;
  return theme.SaveToStream(stream);
}

// ---- Current theme and deltas -----------------------------------------------------------

void TteThemeManager::SetCurrentTheme(std::unique_ptr<TteTheme> theme) {
  if (!theme) {
    ClearCurrentTheme();
    return;
  }
  AttachToApplication();
  BroadcastThemeChange(tccBeforeChange);
  if (FCurrentTheme) {
    std::unique_ptr<TteTheme> old = std::move(FCurrentTheme);
    old.reset();
    FCurrentTheme = std::move(theme);
    BroadcastThemeChange(tccReplaced);
  } else {
    FCurrentTheme = std::move(theme);
    BroadcastThemeChange(tccFirstTheme);
  }
  BroadcastThemeChange(tccAfterChange);
}

void TteThemeManager::ClearCurrentTheme() {
  if (!FCurrentTheme) return;
  BroadcastThemeChange(tccBeforeChange);
  FCurrentTheme.reset();
  BroadcastThemeChange(tccRemoved);
  BroadcastThemeChange(tccAfterChange);
}

bool TteThemeManager::IsThemeAvailable(const TteTheme* theme) const {
  return FCurrentTheme && FCurrentTheme.get() == theme;
}

TteTheme* TteThemeManager::ThemeFor(const TteCustomThemeLink* link) const {
  if (link)
    if (TteTheme* theme = link->GetTheme()) return theme;
  return FCurrentTheme.get();
}

void TteThemeManager::StoreDelta(int32_t hue, int32_t brightness) {
  FCurrentTheme->SetDeltas(hue, brightness);
  BroadcastThemeChange(tccDataChanged, 1);
}

void TteThemeManager::SetThemeDeltaHue(int32_t value) {
  if (value == 0 || !FCurrentTheme) return;
  StoreDelta(value, FCurrentTheme->GetDeltaBrightness());
}

void TteThemeManager::SetThemeDeltaBrightness(int32_t value) {
  if (value == 0 || !FCurrentTheme) return;
  StoreDelta(FCurrentTheme->GetDeltaHue(), value);
}

void TteThemeManager::SetThemeDeltas(int32_t hue, int32_t brightness) {
  if ((hue == 0 && brightness == 0) || !FCurrentTheme) return;
  StoreDelta(hue, brightness);
}

// ---- Resolvers ----------------------------------------------------------------------------

bool TteThemeManager::IsDefined(TIsDefinedQuery query, uint8_t kind, const std::string& objectName,
                                const TteCustomThemeLink* link) const {
  if (link)
    if (const TteTheme* linked = link->GetTheme()) return (linked->*query)(kind, objectName);
  const TteTheme* current = FCurrentTheme.get();
  if (!current) return false;
  if ((current->*query)(kind, objectName)) return true;
  // A name the theme lacks paints like an unnamed control.
  return objectName != kDefaultObjectName && (current->*query)(kind, kDefaultObjectName);
}

// ---- Parent backgrounds -------------------------------------------------------------------

void TteThemeManager::RegisterBackgroundPainter(const QMetaObject& parentClass,
                                                TteBackgroundPainter painter) {
  FBackgroundPainters.emplace_back(&parentClass, std::move(painter));
}

void TteThemeManager::SetDefaultBackgroundPainter(TteBackgroundPainter painter) {
  FDefaultBackgroundPainter = std::move(painter);
}

const TteBackgroundPainter* TteThemeManager::FindBackgroundPainter(const QObject& parent) const {
  for (const QMetaObject* cls = parent.metaObject(); cls; cls = cls->superClass())
    for (const auto& [registered, painter] : FBackgroundPainters)
      if (registered == cls) return &painter;
  return nullptr;
}

namespace {

// A control's rectangle in its parent: a window's geometry, else the "geometry" property
// that widgets publish.
QRect BoundsInParent(QObject& control) {
  if (auto* window = qobject_cast<QWindow*>(&control)) return window->geometry();
  const QVariant geometry = control.property("geometry");
  return geometry.canConvert<QRect>() ? geometry.toRect() : QRect();
}

}  // namespace

void TteThemeManager::DrawParentBackground(QObject* control, QPainter& painter) {
  if (!control || !control->parent()) return;
  const QRect bounds = BoundsInParent(*control);
  if (bounds.width() <= 0 || bounds.height() <= 0) return;
  if (FPaintingParentOf.count(control)) return;
  const TteBackgroundPainter* paint = FindBackgroundPainter(*control->parent());
  if (!paint) paint = FDefaultBackgroundPainter ? &FDefaultBackgroundPainter : nullptr;
  if (!paint) return;

  // The state and the painter are restored however the painting ends.
  struct TRestore {
    std::set<const QObject*>& Set;
    const QObject* Control;
    QPainter& Painter;
    ~TRestore() {
      Set.erase(Control);
      Painter.restore();
    }
  };
  painter.save();
  FPaintingParentOf.insert(control);
  const TRestore restore{FPaintingParentOf, control, painter};
  painter.translate(-bounds.topLeft());
  (*paint)(*control->parent(), painter, bounds);
}

// ---- Saved states -------------------------------------------------------------------------

namespace {

std::unique_ptr<TPersistent> NewInstanceLike(const TPersistent& object) {
  if (dynamic_cast<const TFont*>(&object)) return std::make_unique<TFont>();
  if (auto* theme = dynamic_cast<const TteTheme*>(&object)) return theme->ThemeClass().Create();
  if (const auto& create = object.ClassInfo().Create)
    return std::unique_ptr<TPersistent>(create(nullptr));
  throw EInvalidOperation("Cannot save the state of a " + object.ClassName());
}

}  // namespace

void TteThemeManager::SaveObjectState(const TPersistent& object) {
  auto found = FSavedStates.find(&object);
  if (found == FSavedStates.end())
    found = FSavedStates.emplace(&object, NewInstanceLike(object)).first;
  found->second->Assign(object);
}

bool TteThemeManager::RestoreObjectState(TPersistent& object) {
  const auto found = FSavedStates.find(&object);
  if (found == FSavedStates.end()) return false;
  object.Assign(*found->second);
  return true;
}

void TteThemeManager::ForgetObjectState(const TPersistent& object) {
  FSavedStates.erase(&object);
}

// ---- Free functions -----------------------------------------------------------------------

namespace {
TteThemeManager& Manager() {
  return TteThemeManager::Instance();
}
}  // namespace

void RegisterThemeClass(const TteThemeClass& c) {
  Manager().RegisterThemeClass(c);
}
void UnregisterThemeClass(const TteThemeClass& c) {
  Manager().UnregisterThemeClass(c);
}
void AddThemeNotification(QObject* r) {
  Manager().AddThemeNotification(r);
}
void AddThemeNotification(TteThemeNotifiable* r) {
  Manager().AddThemeNotification(r);
}
void RemoveThemeNotification(QObject* r) {
  Manager().RemoveThemeNotification(r);
}
void RemoveThemeNotification(TteThemeNotifiable* r) {
  Manager().RemoveThemeNotification(r);
}
void BroadcastThemeNotify(intptr_t value) {
  Manager().BroadcastThemeNotify(value);
}

TteTheme* CurrentTheme() {
  return Manager().CurrentTheme();
}
void SetCurrentTheme(std::unique_ptr<TteTheme> theme) {
  Manager().SetCurrentTheme(std::move(theme));
}
void ClearCurrentTheme() {
  Manager().ClearCurrentTheme();
}
bool IsThemeAvailable(const TteTheme* theme) {
  return Manager().IsThemeAvailable(theme);
}

std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName) {
  return Manager().LoadThemeFromFile(fileName);
}
std::unique_ptr<TteTheme> LoadThemeFromStream(TStream& stream) {
  return Manager().LoadThemeFromStream(stream);
}
bool SaveThemeToStream(TteTheme& theme, TStream& stream) {
  return Manager().SaveThemeToStream(theme, stream);
}
std::string GetThemeFilter() {
  return Manager().GetThemeFilter();
}

void SetThemeDeltaHue(int32_t value) {
  Manager().SetThemeDeltaHue(value);
}
void SetThemeDeltaBrightness(int32_t value) {
  Manager().SetThemeDeltaBrightness(value);
}
void SetThemeDeltas(int32_t hue, int32_t brightness) {
  Manager().SetThemeDeltas(hue, brightness);
}

TFont& GetThemeFont(TteThemeFonts& fonts, int index, const std::string& objectName) {
  TteTheme* owner = fonts.Theme();
  if (!owner || objectName == kDefaultObjectName) return fonts.Font(index);
  fonts.Scratch().Assign(fonts.Font(index));
  owner->GetFont(fonts.Scratch(), index, objectName);
  return fonts.Scratch();
}

#define VT_THEME_RESOLVER(Name)                                                            \
  bool Name(uint8_t kind, const std::string& objectName, const TteCustomThemeLink* link) { \
    return Manager().IsDefined(&TteTheme::Name, kind, objectName, link);                   \
  }
VT_THEME_RESOLVER(IsWindowDefined)
VT_THEME_RESOLVER(IsTextDefined)
VT_THEME_RESOLVER(IsContainerDefined)
VT_THEME_RESOLVER(IsButtonDefined)
VT_THEME_RESOLVER(IsCheckDefined)
VT_THEME_RESOLVER(IsScrollDefined)
VT_THEME_RESOLVER(IsProgressDefined)
VT_THEME_RESOLVER(IsTrackDefined)
VT_THEME_RESOLVER(IsHeaderDefined)
VT_THEME_RESOLVER(IsStatusDefined)
VT_THEME_RESOLVER(IsEditDefined)
VT_THEME_RESOLVER(IsGroupBoxDefined)
VT_THEME_RESOLVER(IsMenuDefined)
VT_THEME_RESOLVER(IsToolBarDefined)
VT_THEME_RESOLVER(IsScrollBoxDefined)
VT_THEME_RESOLVER(IsPanelDefined)
VT_THEME_RESOLVER(IsTabDefined)
VT_THEME_RESOLVER(IsListBoxDefined)
VT_THEME_RESOLVER(IsItemListDefined)
VT_THEME_RESOLVER(IsGridDefined)
#undef VT_THEME_RESOLVER

void RegisterBackgroundPainter(const QMetaObject& parentClass, TteBackgroundPainter painter) {
  Manager().RegisterBackgroundPainter(parentClass, std::move(painter));
}
void DrawParentBackground(QObject* control, QPainter& painter) {
  Manager().DrawParentBackground(control, painter);
}

void SaveObjectState(const TPersistent& object) {
  Manager().SaveObjectState(object);
}
bool RestoreObjectState(TPersistent& object) {
  return Manager().RestoreObjectState(object);
}
void ForgetObjectState(const TPersistent& object) {
  Manager().ForgetObjectState(object);
}

}  // namespace vt
