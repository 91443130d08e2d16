// vtskin: the command-line tool. Everything it does is in src/cli.
#include <unistd.h>

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/VtSkin.h"
#include "rtl/Fonts.h"

namespace {

// Qt's start-up notes about the environment ("XDG_RUNTIME_DIR not set") are noise in a
// tool whose standard error scripts read; real warnings still come through.
void FilterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (message.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "vtskin: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(FilterQtMessages);
  // The tool never opens a window: painting text needs a GUI application, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  QTextStream out(stdout), err(stderr);
  vt::TVtSkinOptions options;
  options.ShowProgress = isatty(STDERR_FILENO) != 0;
  options.OutIsTerminal = isatty(STDOUT_FILENO) != 0;
  return vt::RunVtSkin(app.arguments().mid(1), out, err, options);
}
