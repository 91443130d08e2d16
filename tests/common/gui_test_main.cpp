// GoogleTest main for every engine test: text needs a QGuiApplication, and exact pixels
// need the bundled Tahoma and the offscreen platform's 96 dpi.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "rtl/Fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  return RUN_ALL_TESTS();
}
