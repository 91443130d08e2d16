#include "cli/VtSkin.h"

#include <QFileDevice>
#include <exception>

#include "cli/CliCommands.h"
#include "rtl/Classes.h"

namespace vt {

const std::vector<TCommandSpec>& VtSkinCommands() {
  static const std::vector<TCommandSpec> commands = {
      InfoCommand(),   ConvertCommand(), DumpCommand(),  LayoutCommand(),    RenderCommand(),
      RegionCommand(), ExportCommand(),  CheckCommand(), ThumbnailCommand(), SheetCommand(),
  };
  return commands;
}

namespace {

const TCommandSpec* FindCommand(const QString& name) {
  for (const TCommandSpec& command : VtSkinCommands())
    if (command.Name == name) return &command;
  return nullptr;
}

QString GeneralHelp() {
  QString text =
      "Usage: vtskin COMMAND [ARGUMENTS] [OPTIONS]\n"
      "\n"
      "Reads, checks, converts and renders skin files (.uskn, .kskn, .xskn, .mskn).\n"
      "\n"
      "Commands:\n";
  for (const TCommandSpec& command : VtSkinCommands())
    text += "  " + command.Name.leftJustified(11) + ' ' + command.Summary + "\n";
  text +=
      "\n"
      "Run \"vtskin help COMMAND\" or \"vtskin COMMAND --help\" for a command's arguments.\n"
      "\n"
      "Exit status: 0 success, 1 a problem in the input (the message names the file),\n"
      "2 a usage error.\n";
  return text;
}

int UsageError(QTextStream& err, const QString& message, const QString& hint) {
  err << "vtskin: " << message << Qt::endl;
  err << "Try \"" << hint << "\"." << Qt::endl;
  return kExitUsage;
}

int ShowHelp(const QStringList& args, QTextStream& out, QTextStream& err) {
  if (args.size() <= 1) {
    out << GeneralHelp();
    return kExitOk;
  }
  if (args.size() > 2) return UsageError(err, "help: too many arguments", "vtskin --help");
  const TCommandSpec* command = FindCommand(args[1]);
  if (!command)
    return UsageError(err, "help: unknown command \"" + args[1] + "\"", "vtskin --help");
  out << CommandHelp(*command);
  return kExitOk;
}

int RunCommand(const TCommandSpec& command, const QStringList& args, QTextStream& out,
               QTextStream& err, const TVtSkinOptions& options) {
  if (args.contains("--help") && !args.contains("--")) {
    out << CommandHelp(command);
    return kExitOk;
  }
  TCommandContext context(out, err, options);
  try {
    const TParsedArgs parsed = ParseCommandArgs(command, args);
    const int status = command.Run(context, parsed);
    context.EndProgress();
    return status;
  } catch (const EUsageError& e) {
    context.EndProgress();
    return UsageError(err, e.Message, "vtskin help " + command.Name);
  } catch (const EInputProblem& e) {
    context.Warn(e.Message);
  } catch (const std::bad_alloc&) {
    context.Warn(command.Name + ": not enough memory");
  } catch (const std::exception& e) {
    // Engine errors carry their own message; a command that did not put a file name in
    // front of it still says which command failed.
    context.Warn(command.Name + ": " + QString::fromStdString(e.what()));
  }
  return kExitProblem;
}

// Output that could not be written (a full disk behind a redirection) makes the run a
// failure: a script must not take a cut-off listing or picture for a whole one.
int CheckOutputWritten(int status, QTextStream& out, QTextStream& err) {
  out.flush();
  auto* file = qobject_cast<QFileDevice*>(out.device());
  if (out.status() == QTextStream::Ok && (!file || file->flush())) return status;
  const QString reason = file ? file->errorString().toLower() : QString("write failed");
  err << "vtskin: cannot write to standard output: " << reason << Qt::endl;
  return status == kExitOk ? int(kExitProblem) : status;
}

int Dispatch(const QStringList& args, QTextStream& out, QTextStream& err,
             const TVtSkinOptions& options) {
  if (args.isEmpty()) {
    err << GeneralHelp();
    return kExitUsage;
  }
  const QString& first = args[0];
  if (first == "--help" || first == "-h" || first == "help") return ShowHelp(args, out, err);
  if (first == "--version") {
    out << "vtskin " << VTSKIN_VERSION << Qt::endl;
    return kExitOk;
  }
  const TCommandSpec* command = FindCommand(first);
  if (!command) return UsageError(err, "unknown command \"" + first + "\"", "vtskin --help");
  return RunCommand(*command, args.mid(1), out, err, options);
}

}  // namespace

int RunVtSkin(const QStringList& args, QTextStream& out, QTextStream& err,
              const TVtSkinOptions& options) {
  return CheckOutputWritten(Dispatch(args, out, err, options), out, err);
}

}  // namespace vt
