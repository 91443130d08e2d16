#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

namespace vt {

#ifndef VTSKIN_WINE_FONTS_DIR
#define VTSKIN_WINE_FONTS_DIR "/usr/share/wine/fonts"
#endif

bool RegisterApplicationFonts() {
  static int registered = -1;
  if (registered >= 0) return registered == 1;
  const QString dir = QString::fromUtf8(qEnvironmentVariableIsSet("VTSKIN_FONTS_DIR")
                                            ? qgetenv("VTSKIN_FONTS_DIR")
                                            : QByteArray(VTSKIN_WINE_FONTS_DIR));
  bool ok = true;
  for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
    const QString path = dir + "/" + file;
    if (!QFile::exists(path) || QFontDatabase::addApplicationFont(path) < 0) ok = false;
  }
  if (!ok) {
    std::fprintf(stderr,
                 "vtskin: the Tahoma faces were not found in %s (Debian package fonts-wine); "
                 "text is drawn with a substitute face\n",
                 qPrintable(dir));
    QFont::insertSubstitution("Tahoma", "DejaVu Sans");
  }
  registered = ok ? 1 : 0;
  return ok;
}

}  // namespace vt
