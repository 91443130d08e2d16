// vtskined: the skin editor. Everything it does is in src/editor.
#include <QApplication>

#include "editor/main.h"
#include "rtl/Fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VtSkinEd");
  vt::RegisterApplicationFonts();
  vt::TfrmMain frmMain(QApplication::arguments().mid(1));
  frmMain.show();
  return QApplication::exec();
}
