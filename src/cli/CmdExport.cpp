// vtskin export FILE DIR: every image to its own picture file.
#include <QDir>
#include <QFileInfo>

#include "cli/CliCommands.h"
#include "cli/CliSkin.h"
#include "skin/te_export.h"

namespace vt {

namespace {

void MakeFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.exists() && !info.isDir()) throw EInputProblem(folder + ": is a file, not a folder");
  if (!info.exists() && !QDir().mkpath(folder))
    throw EInputProblem(folder + ": cannot create the folder");
}

int RunExport(TCommandContext& context, const TParsedArgs& args) {
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  const QString folder = args.Positional[1];
  MakeFolder(folder);
  const TteBitmapList& bitmaps = skin.Source->Bitmaps();
  int done = 0, refused = 0;
  TExportCallbacks callbacks;
  callbacks.Saved = [&](const std::string& line) {
    context.EndProgress();
    context.Out << QString::fromStdString(line) << "\n";
    context.Progress(QString("exporting %1/%2").arg(++done).arg(bitmaps.Count()));
  };
  callbacks.Refused = [&](const std::string& reason) {
    ++refused;
    context.Progress(QString("exporting %1/%2").arg(++done).arg(bitmaps.Count()));
    context.Warn(skin.FileName + ": " + QString::fromStdString(reason));
  };
  try {
    ExportBitmaps(bitmaps, folder.toStdString(), callbacks);
  } catch (const std::exception& e) {
    throw EInputProblem(folder + ": export stopped: " + QString::fromStdString(e.what()));
  }
  return refused == 0 ? kExitOk : kExitProblem;
}

}  // namespace

TCommandSpec ExportCommand() {
  TCommandSpec command;
  command.Name = "export";
  command.Arguments = "FILE DIR";
  command.Summary = "write every image of the skin to a picture file";
  command.Description =
      "Writes the skin's images in list order into DIR (created when missing): an image\n"
      "with partial transparency as NAME.png with an alpha channel, any other as NAME.bmp\n"
      "whose transparent parts are magenta. Prints \"Bitmap NAME saved as FILE\" for\n"
      "each. An image whose name would leave DIR or is no valid file name (\"/\", \"..\",\n"
      "NUL) is not written: the tool says so and goes on, and the exit status is then 1.\n"
      "Two images of the same name write the same file; the later one wins.\n"
      "\n"
      "Example: vtskin export demo-light.mskn images/";
  command.MinPositional = command.MaxPositional = 2;
  command.Run = RunExport;
  return command;
}

}  // namespace vt
