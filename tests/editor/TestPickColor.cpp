// The colour picker; reading real screen pixels needs an X server (the x11 run).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/pickcolor.h"

namespace vt {
namespace {

TEST(PickColor, NothingChangesBeforeStart) {
  TfrmPickColor picker;
  picker.show();
  QGuiApplication::clipboard()->setText("before");
  QTest::mouseMove(&picker, QPoint(5, 5));
  QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(picker.Picking());
  EXPECT_TRUE(picker.Edit1->text().isEmpty());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST(PickColor, PicksARedPixelOfAnotherWindow) {
  if (QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "needs an X server (run through tools/x11-run.sh)";
  QWidget red(nullptr, Qt::FramelessWindowHint);
  red.setAutoFillBackground(true);
  red.setPalette(QPalette(Qt::red));
  red.setGeometry(300, 300, 60, 40);
  red.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&red));
  TfrmPickColor picker;
  picker.move(20, 20);
  picker.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
  QTest::qWait(100);  // the red window's pixels reach the screen

  QTest::mouseClick(picker.BitBtn2, Qt::LeftButton);
  ASSERT_TRUE(picker.Picking());
  const QPoint onRed = picker.mapFromGlobal(QPoint(320, 320));
  QTest::mouseMove(&picker, onRed);
  QTest::mousePress(&picker, Qt::LeftButton, {}, onRed);
  EXPECT_FALSE(picker.Picking());
  EXPECT_EQ(picker.Edit1->text(), "255");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "255");
}

}  // namespace
}  // namespace vt
