// The preview windows: their controls and the handlers tying bars together.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "editor/TestForm.h"

namespace vt {
namespace {

// How many widgets of the form are a `className` named `prefix` and a number.
int CountNamed(const QWidget& form, const char* prefix, const char* className) {
  const QRegularExpression name(QString("^%1\\d+$").arg(prefix));
  int count = 0;
  for (const QWidget* widget : form.findChildren<QWidget*>())
    count += widget->inherits(className) && name.match(widget->objectName()).hasMatch();
  return count;
}

TEST(PreviewForms, TestFormHoldsEveryKindOfControlWithItsContents) {
  TfrmTest form;
  // clang-format off
  const std::tuple<const char*, const char*, int> kinds[] = {
      {"SeSkinMenuBar", "QMenuBar", 2}, {"SeSkinTabControl", "QTabWidget", 2},
      {"SeSkinTrackBar", "QSlider", 6}, {"SeSkinScrollBar", "QScrollBar", 4},
      {"SeSkinProgressBar", "QProgressBar", 2}, {"SeSkinSpeedButton", "QToolButton", 14},
      {"SeSkinButton", "QPushButton", 3}, {"SeSkinCheckBox", "QCheckBox", 3},
      {"SeSkinRadioButton", "QRadioButton", 2}, {"SeSkinEdit", "QLineEdit", 5},
      {"SeSkinSpinButton", "QSpinBox", 2}, {"SeSkinSpinEdit", "QSpinBox", 1},
      {"SeSkinEditButton", "QLineEdit", 1}, {"SeSkinComboBox", "QComboBox", 2},
      {"SeSkinListBox", "QListWidget", 2}, {"SeSkinPanel", "QFrame", 2},
      {"SeSkinGroupBox", "QGroupBox", 2}, {"TeHeaderPanel", "QDockWidget", 2},
      {"SeSkinLabel", "QLabel", 1}, {"SeSkinStaticText", "QLabel", 1},
      {"SeSkinStringGrid", "QTableWidget", 1}, {"SeSkinScrollBox", "QScrollArea", 1},
      {"SeSkinHeaderControl", "QHeaderView", 1}, {"SeSkinStatusBar", "QStatusBar", 1},
      {"SeSkinControlBar", "QFrame", 1}, {"SeSkinToolBar", "QToolBar", 1}};
  // clang-format on
  for (const auto& [prefix, className, least] : kinds)
    EXPECT_GE(CountNamed(form, prefix, className), least) << prefix;

  int menuItems = int(form.SeSkinPopupMenu1->actions().size());
  for (QMenuBar* bar : {form.SeSkinMenuBar1, form.SeSkinMenuBar2})
    for (QAction* top : bar->actions()) menuItems += 1 + int(top->menu()->actions().size());
  EXPECT_GE(menuItems, 42);
  EXPECT_TRUE(form.findChild<QFrame*>("SeSkinControlBar1")->isAncestorOf(form.SeSkinMenuBar2));
  // The lists hold the named contents, and every control is on the theme object "default".
  EXPECT_EQ(form.findChild<QListWidget*>("SeSkinListBox1")->count(), QColor::colorNames().size());
  EXPECT_EQ(form.findChild<QListWidget*>("SeSkinListBox2")->count(),
            QFontDatabase::families().size());
  for (QWidget* widget : form.findChildren<QWidget*>())
    EXPECT_EQ(widget->property("ThemeObject").toString(), "default")
        << widget->objectName().toStdString();
}

// Keys move the track bars; clicks on the arrow buttons move the scroll bars.
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

// Given a skin file, the engine makes it current and frames the client area asked for.
TEST(PreviewForms, SkinFileBecomesTheCurrentThemeAndFramesTheClient) {
  const QString skin = QString(VTSKIN_DEMO_SKIN_DIR) + "/demo-light.mskn";
  TfrmTest form(skin);
  ASSERT_TRUE(CurrentTheme());
  EXPECT_EQ(CurrentTheme()->GetFileName(), skin.toStdString());
  EXPECT_EQ(form.contentsRect().size(), QSize(561, 516));
  EXPECT_GT(form.height(), 516) << "the skin's caption lies outside the client area";
  TfrmTestEmpty empty(QString(VTSKIN_DEMO_SKIN_DIR) + "/no-such-skin.mskn");
  EXPECT_FALSE(CurrentTheme()) << "a file that yields no theme leaves none current";
}

TEST(PreviewForms, TheEmptyFormFitsItsClientAreaAndShowModalReturnsWhenItCloses) {
  TfrmTestEmpty form;
  EXPECT_EQ(form.contentsRect().size(), QSize(440, 240));
  EXPECT_EQ(form.ThemeForm1->BorderIcons(), kAllBorderIcons);
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
  // Exit in the test form's menu closes it.
  TfrmTest test;
  test.ThemeForm1->SetShowEffect(kNoEffectName);
  test.ThemeForm1->SetHideEffect(kNoEffectName);
  test.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&test));
  test.findChild<QAction*>("CustomItem6")->trigger();
  EXPECT_FALSE(test.isVisible());
}

}  // namespace
}  // namespace vt
