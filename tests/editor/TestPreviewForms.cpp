// The preview windows: every kind of control at least as often as the controls preview
// promises, with the named contents; every control on the theme object "default"; the four
// handlers that tie track bars and scroll bars to the progress bars, through real key
// presses and clicks.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "editor/TestForm.h"

namespace vt {
namespace {

template <class T>
int CountNamed(const QWidget& form, const QString& prefix) {
  int count = 0;
  for (T* widget : form.findChildren<T*>())
    if (widget->objectName().startsWith(prefix)) ++count;
  return count;
}

int MenuItems(const QMenu& menu) {
  return int(menu.actions().size());
}

TEST(PreviewForms, TestFormHoldsEveryKindOfControl) {
  TfrmTest form;
  struct TKind {
    const char* Prefix;
    int Least;
    int Found;
  };
  const TKind kinds[] = {
      {"SeSkinMenuBar", 2, CountNamed<QMenuBar>(form, "SeSkinMenuBar")},
      {"SeSkinTabControl", 2, CountNamed<QTabWidget>(form, "SeSkinTabControl")},
      {"SeSkinTrackBar", 6, CountNamed<QSlider>(form, "SeSkinTrackBar")},
      {"SeSkinScrollBar", 4, CountNamed<QScrollBar>(form, "SeSkinScrollBar")},
      {"SeSkinProgressBar", 2, CountNamed<QProgressBar>(form, "SeSkinProgressBar")},
      {"SeSkinSpeedButton", 14, CountNamed<QToolButton>(form, "SeSkinSpeedButton")},
      {"SeSkinButton", 3, CountNamed<QPushButton>(form, "SeSkinButton")},
      {"SeSkinCheckBox", 3, CountNamed<QCheckBox>(form, "SeSkinCheckBox")},
      {"SeSkinRadioButton", 2, CountNamed<QRadioButton>(form, "SeSkinRadioButton")},
      {"SeSkinEdit", 5, CountNamed<QLineEdit>(form, "SeSkinEdit") - 1},  // less the edit button
      {"SeSkinSpinButton", 2, CountNamed<QSpinBox>(form, "SeSkinSpinButton")},
      {"SeSkinSpinEdit", 1, CountNamed<QSpinBox>(form, "SeSkinSpinEdit")},
      {"SeSkinEditButton", 1, CountNamed<QLineEdit>(form, "SeSkinEditButton")},
      {"SeSkinComboBox", 2, CountNamed<QComboBox>(form, "SeSkinComboBox")},
      {"SeSkinListBox", 2, CountNamed<QListWidget>(form, "SeSkinListBox")},
      {"SeSkinPanel", 2, CountNamed<QFrame>(form, "SeSkinPanel")},
      {"SeSkinGroupBox", 2, CountNamed<QGroupBox>(form, "SeSkinGroupBox")},
      {"TeHeaderPanel", 2, CountNamed<QDockWidget>(form, "TeHeaderPanel")},
      {"SeSkinLabel", 1, CountNamed<QLabel>(form, "SeSkinLabel")},
      {"SeSkinStaticText", 1, CountNamed<QLabel>(form, "SeSkinStaticText")},
      {"SeSkinStringGrid", 1, CountNamed<QTableWidget>(form, "SeSkinStringGrid")},
      {"SeSkinScrollBox", 1, CountNamed<QScrollArea>(form, "SeSkinScrollBox")},
      {"SeSkinHeaderControl", 1, CountNamed<QHeaderView>(form, "SeSkinHeaderControl")},
      {"SeSkinStatusBar", 1, CountNamed<QStatusBar>(form, "SeSkinStatusBar")},
      {"SeSkinControlBar", 1, CountNamed<QFrame>(form, "SeSkinControlBar")},
      {"SeSkinToolBar", 1, CountNamed<QToolBar>(form, "SeSkinToolBar")},
  };
  for (const TKind& kind : kinds) EXPECT_GE(kind.Found, kind.Least) << kind.Prefix;

  int menuItems = MenuItems(*form.SeSkinPopupMenu1);
  for (QMenuBar* bar : {form.SeSkinMenuBar1, form.SeSkinMenuBar2})
    for (QAction* top : bar->actions()) menuItems += 1 + MenuItems(*top->menu());
  EXPECT_GE(menuItems, 42);
  int dividers = 0;
  for (QAction* action : form.SeSkinToolBar1->actions()) dividers += action->isSeparator();
  EXPECT_GE(dividers, 4);
  ASSERT_EQ(form.SeSkinTabControl1->count(), 7);
  for (int page = 0; page < 3; ++page)
    EXPECT_EQ(form.SeSkinTabControl1->tabText(page), QString("Page%1").arg(page + 1));
  EXPECT_TRUE(form.findChild<QFrame*>("SeSkinControlBar1")->isAncestorOf(form.SeSkinMenuBar2));
}

TEST(PreviewForms, NamedContents) {
  TfrmTest form;
  EXPECT_EQ(form.windowTitle(), "Test");
  QStringList fileMenu;
  for (QAction* item : form.SeSkinMenuBar1->actions().first()->menu()->actions())
    fileMenu << (item->isSeparator() ? "-" : item->text());
  EXPECT_EQ(fileMenu, QStringList({"&New", "-", "E&xit"}));
  QList<int> positions;
  for (QSlider* bar : form.findChildren<QSlider*>()) positions << bar->value();
  EXPECT_TRUE(positions.contains(3) && positions.contains(23));
  QStringList edits;
  for (QLineEdit* edit : form.findChildren<QLineEdit*>())
    if (edit->objectName().startsWith("SeSkinEdit")) edits << edit->text();
  EXPECT_EQ(edits.count("pass"), 3);
  EXPECT_EQ(edits.count("Sample text"), 1);
  auto* colours = form.findChild<QListWidget*>("SeSkinListBox1");
  EXPECT_EQ(colours->count(), QColor::colorNames().size());
  EXPECT_EQ(colours->item(0)->text(), QColor::colorNames().first());
  EXPECT_EQ(form.findChild<QListWidget*>("SeSkinListBox2")->count(),
            QFontDatabase::families().size());
  EXPECT_EQ(form.findChild<QComboBox*>("SeSkinComboBox1")->currentText(), "SeSkinComboBox1");
  for (QWidget* widget : form.findChildren<QWidget*>())
    EXPECT_EQ(widget->property("ThemeObject").toString(), "default")
        << widget->objectName().toStdString();
}

TEST(PreviewForms, EmptyFormFitsItsClientArea) {
  TfrmTestEmpty form;
  EXPECT_EQ(form.windowTitle(), "Empty Form");
  EXPECT_EQ(form.contentsRect().size(), QSize(440, 240));
  EXPECT_EQ(form.ThemeForm1->BorderIcons(), kAllBorderIcons);
}

// Keys move the track bars (End: to the maximum, Right: one step); clicks on the arrow
// buttons move the scroll bars.
TEST(PreviewForms, TrackBarsAndScrollBarsDriveTheirProgressBars) {
  TfrmTest form;
  form.ThemeForm1->SetShowEffect(kNoEffectName);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QProgressBar* first = form.SeSkinProgressBar1;
  QProgressBar* second = form.SeSkinProgressBar2;

  QTest::keyClick(form.SeSkinTrackBar1, Qt::Key_End);
  EXPECT_EQ(first->value(), 100);
  QTest::keyClick(form.SeSkinTrackBar2, Qt::Key_Home);
  EXPECT_EQ(second->value(), 0);
  EXPECT_EQ(first->value(), 100) << "track bar 2 leaves progress bar 1 alone";

  QScrollBar* bar2 = form.SeSkinScrollBar2;
  QTest::mouseClick(bar2, Qt::LeftButton, {}, QPoint(bar2->width() - 3, bar2->height() / 2));
  EXPECT_EQ(bar2->value(), 1);
  EXPECT_EQ(first->value(), 1);
  QScrollBar* bar1 = form.SeSkinScrollBar1;
  QTest::mouseClick(bar1, Qt::LeftButton, {}, QPoint(bar1->width() - 3, bar1->height() / 2));
  QTest::mouseClick(bar1, Qt::LeftButton, {}, QPoint(bar1->width() - 3, bar1->height() / 2));
  EXPECT_EQ(second->value(), 2);
  EXPECT_EQ(first->value(), 1);

  auto* unlinkedTrack = form.findChild<QSlider*>("SeSkinTrackBar3");
  auto* unlinkedScroll = form.findChild<QScrollBar*>("SeSkinScrollBar3");
  QTest::keyClick(unlinkedTrack, Qt::Key_End);
  QTest::keyClick(unlinkedScroll, Qt::Key_End);
  EXPECT_EQ(first->value(), 1);
  EXPECT_EQ(second->value(), 2);
}

TEST(PreviewForms, ExitClosesTheForm) {
  TfrmTest form;
  form.ThemeForm1->SetShowEffect(kNoEffectName);
  form.ThemeForm1->SetHideEffect(kNoEffectName);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.findChild<QAction*>("CustomItem6")->trigger();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// The forms as the editor uses them: the skin file given, the engine makes it current and
// the frame grows around the client area that the form asks for.
TEST(PreviewForms, SkinFileBecomesTheCurrentThemeAndFramesTheClient) {
  const QString skin = QString(VTSKIN_DEMO_SKIN_DIR) + "/demo-light.mskn";
  TfrmTest form(skin);
  ASSERT_TRUE(CurrentTheme());
  EXPECT_EQ(CurrentTheme()->GetFileName(), skin.toStdString());
  EXPECT_EQ(form.contentsRect().size(), QSize(561, 516));
  EXPECT_GT(form.height(), 516) << "the skin's caption lies outside the client area";
  if (qEnvironmentVariableIsSet("VTSKIN_SAVE_PREVIEW"))
    form.grab().save(qEnvironmentVariable("VTSKIN_SAVE_PREVIEW"));
  TfrmTestEmpty empty(QString(VTSKIN_DEMO_SKIN_DIR) + "/no-such-skin.mskn");
  EXPECT_FALSE(CurrentTheme()) << "a file that yields no theme leaves none current";
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

TEST(PreviewForms, ShowModalReturnsWhenTheFormCloses) {
  TfrmTestEmpty form;
  form.ThemeForm1->SetShowEffect(kNoEffectName);
  form.ThemeForm1->SetHideEffect(kNoEffectName);
  bool shownModal = false;
  QTimer::singleShot(0, &form, [&] {
    shownModal = form.isVisible() && form.isModal();
    QTest::mouseClick(&form, Qt::LeftButton, {},
                      form.ThemeForm1->BorderIconRect(kbiClose).center());
  });
  form.ShowModal();
  EXPECT_TRUE(shownModal);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace vt
