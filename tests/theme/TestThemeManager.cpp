// The theme manager with small test theme classes: the IsXxxDefined rule, broadcasts,
// deltas, the open filter, loading, parent backgrounds and saved object states.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDeviceWindow>
#include <QPalette>
#include <QRasterWindow>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "theme/te_thememanager.h"

namespace vt {
namespace {

// A theme stored as a four-byte signature and its name as a length-prefixed string.
class TStoredTheme : public TteTheme {
 public:
  explicit TStoredTheme(std::string signature) : FSignature(std::move(signature)) {}
  ~TStoredTheme() override {
    if (OnDestroy) OnDestroy();
  }
  static bool StartsWith(TStream& stream, const std::string& signature) {
    std::string bytes(4, '\0');
    stream.ReadBuffer(bytes.data(), 4);
    return bytes == signature;
  }
  bool LoadFromStream(TStream& stream) override {
    if (!StartsWith(stream, FSignature)) return false;
    SetName(ReadLengthString(stream));
    return true;
  }
  bool SaveToStream(TStream& stream) override {
    stream.WriteBuffer(FSignature.data(), 4);
    WriteLengthString(stream, GetName());
    return true;
  }
  bool LoadFromFile(const std::string& fileName) override {
    TFileStream stream(fileName, TFileMode::fmOpenRead);
    if (!LoadFromStream(stream)) return false;
    SetFileName(fileName);
    return true;
  }
  void UpdateTheme() override {
    ++UpdateCount;
    TteTheme::UpdateTheme();
  }
  int UpdateCount = 0;
  std::function<void()> OnDestroy;

 private:
  std::string FSignature;
};

// Paints buttons for "default" and "special", check boxes for "special" only.
class TThemeA : public TStoredTheme {
 public:
  TThemeA() : TStoredTheme("TSA1") {}
  const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TThemeA>(); }
  static std::string GetThemeTypeName() { return "Test A"; }
  static TteThemeFileInfo GetThemeFileInfo() { return {false, true, true, "Test A themes", "tsa"}; }
  static bool CanLoadFromStream(TStream& stream) { return StartsWith(stream, "TSA1"); }
  bool IsButtonDefined(uint8_t kind, const std::string& name) const override {
    return kind == 0 && (name == "default" || name == "special");
  }
  bool IsCheckDefined(uint8_t, const std::string& name) const override { return name == "special"; }
};

// Defines nothing and cannot save.
class TThemeB : public TStoredTheme {
 public:
  TThemeB() : TStoredTheme("TSB1") {}
  const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TThemeB>(); }
  static std::string GetThemeTypeName() { return "Test B"; }
  static TteThemeFileInfo GetThemeFileInfo() {
    return {false, false, true, "Test B themes", "tsb; .TSBX"};
  }
  static bool CanLoadFromStream(TStream& stream) { return StartsWith(stream, "TSB1"); }
};

class TBuiltInTheme : public TteTheme {
 public:
  const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TBuiltInTheme>(); }
  static std::string GetThemeTypeName() { return "Built-in"; }
  static TteThemeFileInfo GetThemeFileInfo() { return {true, false, false, "", ""}; }
};

class TListedTheme : public TteTheme {
 public:
  static TteThemeFileInfo GetThemeFileInfo() {
    return {false, true, true, "One (*.sk1)|*.sk1|Two (*.sk2)|*.sk2", "sk1"};
  }
};

class TTestLink : public TteCustomThemeLink {
 public:
  TTestLink() : TteCustomThemeLink(nullptr) {}
  TteTheme* GetTheme() const override { return Theme.get(); }
  std::unique_ptr<TteTheme> Theme;
};

using TLog = std::vector<std::string>;

// Logs every theme message as "name:wparam[/lparam]".
struct TRecorder {
  void Record(const TteThemeMessage& m) {
    Messages.push_back(m);
    Log.push_back(Name + ":" + std::to_string(m.WParam) +
                  (m.LParam ? "/" + std::to_string(m.LParam) : ""));
  }
  TLog& Log;
  std::string Name;
  std::vector<TteThemeMessage> Messages = {};
};

template <class Base>
class TRecording : public Base, public TRecorder {
 public:
  TRecording(TLog& log, std::string name) : TRecorder{log, std::move(name)} {}
  bool event(QEvent* e) override {
    if (e->type() != TteThemeChangeEvent::EventType()) return Base::event(e);
    Record(static_cast<TteThemeChangeEvent*>(e)->Message());
    if (OnMessage) OnMessage();
    return true;
  }
  std::function<void()> OnMessage;
};
using TRecordingObject = TRecording<QObject>;
using TRecordingWindow = TRecording<QWindow>;

class TRecordingTarget : public TteThemeNotifiable, public TRecorder {
 public:
  TRecordingTarget(TLog& log, std::string name) : TRecorder{log, std::move(name)} {}
  void ThemeMessage(const TteThemeMessage& m) override { Record(m); }
};

using TResolver = bool (*)(uint8_t, const std::string&, const TteCustomThemeLink*);
constexpr TResolver kResolvers[] = {
    &IsWindowDefined, &IsTextDefined,    &IsContainerDefined, &IsButtonDefined,
    &IsCheckDefined,  &IsScrollDefined,  &IsProgressDefined,  &IsTrackDefined,
    &IsHeaderDefined, &IsStatusDefined,  &IsEditDefined,      &IsGroupBoxDefined,
    &IsMenuDefined,   &IsToolBarDefined, &IsScrollBoxDefined, &IsPanelDefined,
    &IsTabDefined,    &IsListBoxDefined, &IsItemListDefined,  &IsGridDefined,
};

// Without a theme or with the base theme nothing is defined. The current theme retries a
// missing object name as "default" (a misspelt name paints like an unnamed control); a
// link with a theme decides alone, without the retry.
TEST(ThemeResolvers, BaseThemeDefinesNothingCurrentThemeRetriesDefaultALinkDecidesAlone) {
  ClearCurrentTheme();
  TTestLink emptyLink;
  for (TResolver resolve : kResolvers) EXPECT_FALSE(resolve(0, "default", nullptr));
  SetCurrentTheme(std::make_unique<TteTheme>());
  for (TResolver resolve : kResolvers) EXPECT_FALSE(resolve(1, "anything", &emptyLink));
  SetCurrentTheme(std::make_unique<TThemeA>());
  enum TLinked { kNone, kA, kB };
  const struct {
    TLinked Linked;
    TResolver Resolve;
    uint8_t Kind;
    const char* Name;
    bool Defined;
  } cases[] = {
      {kNone, &IsButtonDefined, 0, "special", true},  {kNone, &IsButtonDefined, 0, "mispelt", true},
      {kNone, &IsButtonDefined, 1, "special", false}, {kNone, &IsCheckDefined, 0, "special", true},
      {kNone, &IsCheckDefined, 0, "other", false},    {kNone, &IsCheckDefined, 0, "default", false},
      {kB, &IsButtonDefined, 0, "default", false},    {kA, &IsCheckDefined, 0, "other", false},
      {kA, &IsCheckDefined, 0, "special", true},      {kA, &IsButtonDefined, 0, "mispelt", false},
  };
  for (const auto& c : cases) {
    TTestLink link;
    if (c.Linked == kA) link.Theme = std::make_unique<TThemeA>();
    if (c.Linked == kB) link.Theme = std::make_unique<TThemeB>();
    EXPECT_EQ(c.Resolve(c.Kind, c.Name, &link), c.Defined) << c.Linked << " " << c.Name;
  }
  TTestLink themeless;
  EXPECT_EQ(TteThemeManager::Instance().ThemeFor(&themeless), CurrentTheme());
  ClearCurrentTheme();
}

class ThemeBroadcasts : public testing::Test {
 protected:
  TteThemeManager manager;
  TLog log;
};

TEST_F(ThemeBroadcasts, ChangeSequencesTheOldThemeFreedBeforeCodeZeroAndShifts) {
  TRecordingObject receiver(log, "r");
  manager.AddThemeNotification(&receiver);
  EXPECT_TRUE(log.empty());  // no theme yet: nothing to announce

  auto first = std::make_unique<TThemeA>();
  first->OnDestroy = [this] { log.push_back("first freed"); };
  TteTheme* firstTheme = first.get();
  manager.SetCurrentTheme(std::move(first));
  EXPECT_EQ(log, (TLog{"r:1", "r:3", "r:2"}));
  EXPECT_TRUE(manager.IsThemeAvailable(firstTheme));

  log.clear();
  manager.SetCurrentTheme(std::make_unique<TThemeB>());
  EXPECT_EQ(log, (TLog{"r:1", "first freed", "r:0", "r:2"}));
  EXPECT_FALSE(manager.IsThemeAvailable(nullptr));

  log.clear();
  manager.ClearCurrentTheme();
  EXPECT_EQ(log, (TLog{"r:1", "r:4", "r:2"}));
  EXPECT_EQ(manager.CurrentTheme(), nullptr);
  log.clear();
  manager.ClearCurrentTheme();
  EXPECT_TRUE(log.empty());
  // Shifts broadcast code 5 and update the theme once per call; zero shifts do nothing.
  manager.SetThemeDeltaHue(10);  // no theme: nothing happens
  EXPECT_TRUE(log.empty());

  auto owned = std::make_unique<TThemeA>();
  TThemeA* theme = owned.get();
  manager.SetCurrentTheme(std::move(owned));
  log.clear();
  const int updates = theme->UpdateCount;
  manager.SetThemeDeltaHue(0);
  manager.SetThemeDeltaBrightness(0);
  manager.SetThemeDeltas(0, 0);
  EXPECT_TRUE(log.empty());

  manager.SetThemeDeltaHue(10);
  manager.SetThemeDeltaHue(10);  // same value: broadcast again, no new update
  EXPECT_EQ(theme->UpdateCount, updates + 1);
  manager.SetThemeDeltaBrightness(-5);
  manager.SetThemeDeltas(0, 7);  // both are stored, with one update
  EXPECT_EQ(std::pair(theme->GetDeltaHue(), theme->GetDeltaBrightness()), std::pair(0, 7));
  EXPECT_EQ(theme->UpdateCount, updates + 3);
  EXPECT_EQ(log, (TLog{"r:5/1", "r:5/1", "r:5/1", "r:5/1"}));
  log.clear();  // a desktop palette change broadcasts code 5 too
  const QPalette original = QGuiApplication::palette();
  QGuiApplication::setPalette(QPalette(Qt::darkCyan));
  QGuiApplication::setPalette(original);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "r:5");
  // A receiver registered while a theme exists hears code 3 at once, and no other does.
  manager.SetCurrentTheme(std::make_unique<TThemeA>());
  log.clear();
  TRecordingTarget late(log, "late");
  manager.AddThemeNotification(&late);
  manager.AddThemeNotification(&late);  // a second registration changes nothing
  manager.AddThemeNotification(&receiver);
  EXPECT_EQ(log, (TLog{"late:3"}));
  EXPECT_EQ(manager.NotificationCount(), 2);
}

// Registration order whatever the kind; a receiver destroyed mid-broadcast is skipped; data
// changes reach only visible controls.
TEST_F(ThemeBroadcasts, DeliveryFollowsRegistrationSkipsDestroyedAndHiddenReceivers) {
  TRecordingObject a(log, "a");
  TRecordingTarget b(log, "b");
  auto c = std::make_unique<TRecordingObject>(log, "c");
  auto d = std::make_unique<TRecordingTarget>(log, "d");
  TRecordingObject e(log, "e");
  for (QObject* o : {static_cast<QObject*>(&a), static_cast<QObject*>(c.get())})
    manager.AddThemeNotification(o);
  manager.AddThemeNotification(&b);
  manager.AddThemeNotification(d.get());
  manager.AddThemeNotification(&e);
  manager.BroadcastThemeNotify(42);
  EXPECT_EQ(log, (TLog{"a:42/42", "c:42/42", "b:42/42", "d:42/42", "e:42/42"}));
  EXPECT_EQ(a.Messages.back().Msg, kThemeNotifyMessage);
  EXPECT_EQ(b.Messages.back().Msg, kThemeNotifyMessage);

  manager.RemoveThemeNotification(&b);
  a.OnMessage = [&] {
    c.reset();
    d.reset();
  };
  log.clear();
  manager.BroadcastThemeChange(tccAfterChange);
  EXPECT_EQ(log, (TLog{"a:2", "e:2"}));
  EXPECT_EQ(a.Messages.back().Msg, kThemeChangeMessage);
  EXPECT_EQ(manager.NotificationCount(), 2);
  a.OnMessage = nullptr;
  manager.BroadcastThemeChange(tccBeforeChange);
  EXPECT_EQ(log, (TLog{"a:2", "e:2", "a:1", "e:1"}));
  log.clear();
  TRecordingWindow hiddenWindow(log, "hidden");
  TRecordingWindow shownWindow(log, "shown");
  shownWindow.resize(20, 20);
  shownWindow.show();
  TRecordingObject invisibleWidget(log, "invisible");
  invisibleWidget.setProperty("visible", false);
  TRecordingObject plainObject(log, "plain");
  TRecordingTarget target(log, "target");
  for (QObject* o :
       std::initializer_list<QObject*>{&hiddenWindow, &shownWindow, &invisibleWidget, &plainObject})
    manager.AddThemeNotification(o);
  manager.AddThemeNotification(&target);
  manager.BroadcastThemeChange(tccDataChanged, 1);
  EXPECT_EQ(log, (TLog{"a:5/1", "e:5/1", "shown:5/1", "plain:5/1", "target:5/1"}));
  log.clear();
  manager.BroadcastThemeChange(tccBeforeChange);  // other codes reach everyone
  EXPECT_EQ(log.size(), 7u);
}

void WriteFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string StoredTheme(const std::string& signature, const std::string& name) {
  TMemoryStream stream;
  stream.WriteBuffer(signature.data(), 4);
  WriteLengthString(stream, name);
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

class ThemeFiles : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FManager.RegisterThemeClass(ThemeClassOf<TThemeA>());
    FManager.RegisterThemeClass(ThemeClassOf<TThemeB>());
  }
  std::string Path(const QString& name) { return FDir.filePath(name).toStdString(); }
  std::string Write(const QString& name, const std::string& bytes) {
    WriteFile(FDir.filePath(name), bytes);
    return Path(name);
  }
  QTemporaryDir FDir;
  TteThemeManager FManager;
};

// The class claiming the extension (any case) alone loads the file; else the content decides.
TEST_F(ThemeFiles, ClassByExtensionElseByContentTheFilterAndSavedStates) {
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"one.TSA", StoredTheme("TSA1", "Sunny"), "Sunny"},
      {"wrong.tsa", StoredTheme("TSB1", "x"), nullptr},
      {"two.tsbx", StoredTheme("TSB1", "Misty"), "Misty"},
      {"three.dat", StoredTheme("TSB1", "Rainy"), "Rainy"},
      {"noext", StoredTheme("TSA1", "Plain"), "Plain"},
      {"four.dat", "XXXXXXXX", nullptr},
      {"short.dat", "TS", nullptr},
  };
  for (const auto& [name, bytes, themeName] : cases) {
    const std::string path = Write(name, bytes);
    auto theme = FManager.LoadThemeFromFile(path);
    ASSERT_EQ(theme != nullptr, themeName != nullptr) << name;
    if (theme) {
      EXPECT_EQ(theme->GetName(), themeName);
    }
  }
  // Streams are recognised from where they stand; saving goes through classes that can save.
  TMemoryStream stream;
  stream.WriteBuffer("pre", 3);
  TThemeA a;
  a.SetName("Stored");
  EXPECT_TRUE(FManager.SaveThemeToStream(a, stream));
  stream.SetPosition(3);
  auto streamed = FManager.LoadThemeFromStream(stream);
  ASSERT_NE(dynamic_cast<TThemeA*>(streamed.get()), nullptr);
  EXPECT_EQ(streamed->GetName(), "Stored");

  TMemoryStream unknown(std::vector<uint8_t>{'T', 'S'});
  EXPECT_EQ(FManager.LoadThemeFromStream(unknown), nullptr);
  EXPECT_EQ(unknown.Position(), 0);
  TThemeB b;
  TMemoryStream untouched;
  EXPECT_FALSE(FManager.SaveThemeToStream(b, untouched));
  EXPECT_EQ(untouched.Size(), 0);
  // Missing names answer none; relative ones are retried in the program directory.
  EXPECT_EQ(FManager.LoadThemeFromFile(""), nullptr);
  EXPECT_EQ(FManager.LoadThemeFromFile(Path("absent.tsa")), nullptr);
  EXPECT_EQ(FManager.LoadThemeFromFile(FDir.path().toStdString()), nullptr);  // a folder

  const QString name = "vt-theme-relative-test.tsa";
  const QString inProgramDir = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  WriteFile(inProgramDir, StoredTheme("TSA1", "Found"));
  const QString oldCurrent = QDir::currentPath();
  QDir::setCurrent(FDir.path());
  auto retried = FManager.LoadThemeFromFile(name.toStdString());
  // An absolute name is never retried elsewhere.
  auto absolute = FManager.LoadThemeFromFile(QDir(FDir.path()).filePath(name).toStdString());
  QDir::setCurrent(oldCurrent);
  QFile::remove(inProgramDir);
  ASSERT_NE(retried, nullptr);
  EXPECT_EQ(retried->GetName(), "Found");
  EXPECT_EQ(absolute, nullptr);
  // The filter lists the openable classes after the "All" entry.
  TteThemeManager manager;
  EXPECT_EQ(manager.GetThemeFilter(), "");
  manager.RegisterThemeClass(ThemeClassOf<TThemeA>());
  manager.RegisterThemeClass(ThemeClassOf<TBuiltInTheme>());
  manager.RegisterThemeClass(ThemeClassOf<TThemeB>());
  manager.RegisterThemeClass(ThemeClassOf<TThemeA>());  // keeps its first place
  EXPECT_EQ(manager.ThemeClasses().size(), 3u);
  EXPECT_EQ(manager.GetThemeFilter(),
            "All (*.tsa;*.tsb;*.tsbx)|*.tsa;*.tsb;*.tsbx|Test A themes|*.tsa|"
            "Test B themes|*.tsb;*.tsbx");

  manager.UnregisterThemeClass(ThemeClassOf<TThemeA>());
  manager.RegisterThemeClass(ThemeClassOf<TListedTheme>());
  EXPECT_EQ(manager.GetThemeFilter(),
            "All (*.tsb;*.tsbx;*.sk1)|*.tsb;*.tsbx;*.sk1|Test B themes|*.tsb;*.tsbx|"
            "One (*.sk1)|*.sk1|Two (*.sk2)|*.sk2");
  // Saved states: fonts and themes are copied and restored, others refused.
  TFont font;
  font.SetSize(12);
  manager.SaveObjectState(font);
  font.SetSize(14);
  manager.SaveObjectState(font);  // a second save replaces the copy
  font.SetSize(30);
  EXPECT_TRUE(manager.RestoreObjectState(font));
  EXPECT_EQ(font.GetSize(), 14);
  manager.ForgetObjectState(font);
  EXPECT_FALSE(manager.RestoreObjectState(font));

  TThemeA theme;
  theme.SetName("Saved");
  manager.SaveObjectState(theme);
  theme.SetName("Changed");
  manager.RestoreObjectState(theme);
  EXPECT_EQ(theme.GetName(), "Saved");

  TteThemeColors colors;
  EXPECT_THROW(manager.SaveObjectState(colors), EInvalidOperation);
  EXPECT_FALSE(manager.RestoreObjectState(colors));
}

// The painter of the most derived class paints in parent coordinates. Nothing happens without
// a control, parent, size or painter; a nested request stops, then clears.
TEST(ThemeParentBackground, MostDerivedPainterInParentCoordinatesNothingWithoutOneOrNested) {
  QRasterWindow parent;  // a QPaintDeviceWindow, a QWindow, a QObject
  QObject control(&parent);
  control.setProperty("geometry", QRect(5, 6, 10, 8));
  QImage image(10, 8, QImage::Format_ARGB32);
  TteThemeManager manager;
  std::vector<std::string> calls;
  const auto note = [&calls](const char* name) {
    return [&calls, name](QObject&, QPainter&, const QRect&) { calls.push_back(name); };
  };
  manager.RegisterBackgroundPainter(QObject::staticMetaObject, note("object"));
  manager.RegisterBackgroundPainter(
      QPaintDeviceWindow::staticMetaObject, [&](QObject& owner, QPainter& p, const QRect& bounds) {
        calls.push_back("paint device");
        EXPECT_EQ(&owner, &parent);
        EXPECT_EQ(bounds, QRect(5, 6, 10, 8));
        p.fillRect(QRect(5, 6, 1, 1), Qt::red);  // the control's top-left in the parent
      });
  manager.RegisterBackgroundPainter(QPaintDeviceWindow::staticMetaObject, note("later"));
  manager.RegisterBackgroundPainter(QWindow::staticMetaObject, note("window"));
  image.fill(Qt::white);
  QPainter painter(&image);
  manager.DrawParentBackground(&control, painter);
  EXPECT_TRUE(painter.transform().isIdentity());
  painter.end();
  EXPECT_EQ(calls, (std::vector<std::string>{"paint device"}));
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));

  int nested = 0;
  TteThemeManager bare;
  painter.begin(&image);
  bare.DrawParentBackground(&control, painter);  // no painter at all yet
  bare.SetDefaultBackgroundPainter([&](QObject&, QPainter& p, const QRect&) {
    ++nested;
    bare.DrawParentBackground(&control, p);  // as a parent painting its children would
  });
  QObject orphan;
  orphan.setProperty("geometry", QRect(0, 0, 4, 4));
  bare.DrawParentBackground(nullptr, painter);
  bare.DrawParentBackground(&orphan, painter);
  control.setProperty("geometry", QRect(5, 6, 0, 8));
  bare.DrawParentBackground(&control, painter);
  EXPECT_EQ(nested, 0);
  control.setProperty("geometry", QRect(5, 6, 1, 1));
  bare.DrawParentBackground(&control, painter);
  bare.DrawParentBackground(&control, painter);
  EXPECT_EQ(nested, 2);
}

}  // namespace
}  // namespace vt
