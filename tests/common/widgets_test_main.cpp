// GoogleTest main for tests of widgets: as gui_test_main.cpp, with a QApplication.
#include <gtest/gtest.h>

#include <QApplication>

#include "rtl/Fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  return RUN_ALL_TESTS();
}
