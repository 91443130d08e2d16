// GoogleTest main for the tests of widgets: a QApplication on the offscreen platform with
// the Fusion style and the bundled fonts, so that key and mouse events and the painted
// pixels are the same on every machine.
#include <gtest/gtest.h>

#include <QApplication>

#include "rtl/Fonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  return RUN_ALL_TESTS();
}
