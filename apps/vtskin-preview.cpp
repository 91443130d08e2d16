// vtskin-preview [--empty] SKINFILE: shows a skin on live controls, in the controls preview
// window (or the bare one with --empty), without the editor.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "controls/TTeStyle.h"
#include "editor/TestForm.h"
#include "rtl/Fonts.h"
#include "theme/te_thememanager.h"

namespace {

// Qt's start-up notes about the environment are noise in the help text and the manual.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "vtskin-preview: %s\n", qPrintable(message));
}

int Fail(const QString& message) {
  std::fprintf(stderr, "vtskin-preview: %s\n", qPrintable(message));
  return 1;
}

std::unique_ptr<vt::TfrmPreviewBase> CreatePreview(bool empty, const QString& skinFile) {
  if (empty) return std::make_unique<vt::TfrmTestEmpty>(skinFile);
  return std::make_unique<vt::TfrmTest>(skinFile);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(FilterQtMessages);
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(VTSKIN_VERSION);
  vt::RegisterApplicationFonts();
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Shows a skin on a window full of live themed controls, inside the skin's own window "
      "frame.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({"empty", "Show the bare window frame instead of the controls."});
  parser.addPositionalArgument("SKINFILE", "The skin to show (.uskn, .kskn, .xskn, .mskn).");
  parser.process(app);
  if (parser.positionalArguments().size() != 1) {
    std::fprintf(stderr, "usage: vtskin-preview [--empty] SKINFILE\n");
    return 2;
  }
  const QString skinFile = parser.positionalArguments().first();
  const QFileInfo file(skinFile);
  if (!file.isFile() || !file.isReadable()) return Fail(skinFile + ": cannot read the file");
  QApplication::setStyle(new vt::TTeStyle);  // the application owns it
  try {
    auto preview = CreatePreview(parser.isSet("empty"), file.absoluteFilePath());
    if (!vt::CurrentTheme()) return Fail(skinFile + ": not a skin this program can read");
    preview->show();
    return app.exec();
  } catch (const std::exception& error) {
    return Fail(skinFile + ": " + QString::fromUtf8(error.what()));
  }
}
