// Writes the two demo skins, each in all four storage variants, into one folder:
//   make_demo_skins DIR  ->  DIR/demo-light.{uskn,kskn,xskn,mskn}, DIR/demo-dark.{...}
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "DemoSkin.h"
#include "rtl/Fonts.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinrecords.h"

namespace {

// Qt's start-up notes about the environment are noise in build logs.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "make_demo_skins: %s\n", qPrintable(message));
}

int WriteSkins(const QString& folder) {
  using namespace vt;
  RegisterSkinObjectClasses();
  RegisterSkinFilters();
  InstallSkinObjectStreaming();
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "make_demo_skins: %s: cannot create the folder\n", qPrintable(folder));
    return 1;
  }
  for (const demo::TLook& look : {demo::LightLook(), demo::DarkLook()}) {
    demo::TDemoSkin skin = demo::BuildDemoSkin(look);
    TSeSkinSource source;
    demo::StoreDemoSkin(skin, source);
    for (const char* extension : {"uskn", "kskn", "xskn", "mskn"})
      source.SaveToFile(QDir(folder)
                            .filePath(QString::fromStdString(look.FileStem) + "." + extension)
                            .toStdString());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(FilterQtMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_skins DIR\n");
    return 2;
  }
  try {
    return WriteSkins(QString::fromLocal8Bit(argv[1]));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_demo_skins: %s\n", e.what());
    return 1;
  }
}
