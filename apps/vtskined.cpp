// vtskined: the skin editor. Everything it does is in src/editor.
#include <QApplication>
#include <QCommandLineParser>

#include "editor/main.h"
#include "rtl/Fonts.h"

namespace {

// Qt's start-up note about the environment ("XDG_RUNTIME_DIR not set") is noise in the
// help text that the manual page is made from; real warnings still come through.
QtMessageHandler DefaultHandler = nullptr;
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("QStandardPaths:")) return;
  DefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  DefaultHandler = qInstallMessageHandler(FilterQtMessages);
  QApplication app(argc, argv);
  QApplication::setApplicationName("VtSkinEd");
  QApplication::setApplicationVersion("2.00");
  // --help and --version answer without opening a window (the manual page is written
  // from them); anything else is the editor's own command line.
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "The VtSkinEd skin editor: opens, edits, previews and saves skins.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("file", "A skin file to open (.uskn, .kskn, .xskn or .mskn).",
                               "[file]");
  parser.process(app);
  vt::RegisterApplicationFonts();
  vt::TfrmMain frmMain(parser.positionalArguments());
  frmMain.show();
  return QApplication::exec();
}
