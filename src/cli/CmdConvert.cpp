// vtskin convert IN OUT: one storage variant to another.
#include <QFileInfo>

#include "cli/CliCommands.h"
#include "cli/CliSkin.h"
#include "rtl/FileOutput.h"

namespace vt {

namespace {

int RunConvert(TCommandContext& context, const TParsedArgs& args) {
  const QString input = args.Positional[0], output = args.Positional[1];
  PrepareSkinEngine();
  // The output's variant is checked before any work: an unknown extension is an error
  // here, not a silent fall-back to the default variant as when saving from the editor.
  const TSeSkinFilterClass* target = FindSkinFilterByExtension(output.toStdString());
  if (!target)
    throw EUsageError(output + ": unknown skin file extension \"" + QFileInfo(output).suffix() +
                      "\"; use .uskn, .kskn, .xskn or .mskn");
  context.Progress("loading " + input);
  const TLoadedSkin skin = LoadSkinFile(input);
  ReportLoadWarnings(context, skin);
  context.Progress("saving " + output);
  try {
    skin.Source->SaveToFile(output.toStdString());
  } catch (const std::exception& e) {
    throw EInputProblem(output +
                        ": cannot save the skin: " + QString::fromStdString(FileOutputReason(e)));
  }
  context.EndProgress();
  context.Out << input << " -> " << output << " ("
              << QString::fromStdString(target->GetFileTypeName()) << ")\n";
  return kExitOk;
}

}  // namespace

TCommandSpec ConvertCommand() {
  TCommandSpec command;
  command.Name = "convert";
  command.Arguments = "IN OUT";
  command.Summary = "save a skin in another storage variant";
  command.Description =
      "Loads IN with the filter its extension chooses and saves it with the variant of\n"
      "OUT's extension: .uskn (uncompressed), .kskn (compressed, fastest), .xskn (ultra\n"
      "compressed) or .mskn (maximum compression, binary records). OUT is replaced only\n"
      "once the whole skin is written.\n"
      "\n"
      "Example: vtskin convert demo-light.mskn demo-light.uskn";
  command.MinPositional = command.MaxPositional = 2;
  command.Run = RunConvert;
  return command;
}

}  // namespace vt
