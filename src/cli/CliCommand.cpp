#include "cli/CliCommand.h"

#include <QFileDevice>
#include <QRegularExpression>

namespace vt {

std::optional<QString> TParsedArgs::Value(const QString& name) const {
  const auto found = Options.find(name);
  if (found == Options.end()) return std::nullopt;
  return found->second;
}

QString TParsedArgs::PositionalOr(int index, const QString& fallback) const {
  return index < Positional.size() ? Positional[index] : fallback;
}

void TCommandContext::Warn(const QString& message) {
  EndProgress();
  Err << "vtskin: " << message << Qt::endl;
}

void TCommandContext::Progress(const QString& text) {
  if (!FOptions.ShowProgress) return;
  // Pad with blanks so that a shorter line fully covers the previous one.
  const int width = int(text.size());
  Err << '\r' << text << QString(qMax(0, FProgressWidth - width), ' ');
  Err.flush();
  FProgressWidth = width;
}

void TCommandContext::EndProgress() {
  if (FProgressWidth == 0) return;
  Err << '\r' << QString(FProgressWidth, ' ') << '\r';
  Err.flush();
  FProgressWidth = 0;
}

void TCommandContext::WriteBinaryOut(const std::vector<uint8_t>& bytes) {
  if (FOptions.OutIsTerminal)
    throw EUsageError("will not write a picture to a terminal; redirect standard output");
  Out.flush();
  QIODevice* device = Out.device();
  if (!device) throw EUsageError("standard output cannot take a picture here");
  const qint64 size = qint64(bytes.size());
  const auto* data = reinterpret_cast<const char*>(bytes.data());
  auto* file = qobject_cast<QFileDevice*>(device);
  if (device->write(data, size) != size || (file && !file->flush()))
    throw EInputProblem("cannot write to standard output: " + device->errorString().toLower());
}

namespace {

const TOptionSpec* FindOption(const TCommandSpec& command, const QString& name) {
  for (const TOptionSpec& option : command.Options)
    if (option.Name == name) return &option;
  return nullptr;
}

QString UsageLine(const TCommandSpec& command) {
  QString line = "vtskin " + command.Name;
  if (!command.Arguments.isEmpty()) line += ' ' + command.Arguments;
  return line;
}

void TakeOption(const TCommandSpec& command, const QStringList& args, int& index,
                TParsedArgs& parsed) {
  const QString word = args[index].mid(2);
  const qsizetype equals = word.indexOf('=');
  const QString name = equals < 0 ? word : word.left(equals);
  const TOptionSpec* option = FindOption(command, name);
  if (!option) throw EUsageError(command.Name + ": unknown option \"--" + name + "\"");
  if (option->ValueName.isEmpty()) {
    if (equals >= 0) throw EUsageError(command.Name + ": option \"--" + name + "\" takes no value");
    parsed.Options[name] = QString();
    return;
  }
  if (equals >= 0) {
    parsed.Options[name] = word.mid(equals + 1);
    return;
  }
  if (index + 1 >= args.size())
    throw EUsageError(command.Name + ": option \"--" + name + "\" needs a value (" +
                      option->ValueName + ")");
  parsed.Options[name] = args[++index];
}

void CheckPositionalCount(const TCommandSpec& command, const TParsedArgs& parsed) {
  const int count = int(parsed.Positional.size());
  if (count < command.MinPositional)
    throw EUsageError(command.Name + ": missing arguments; usage: " + UsageLine(command));
  if (count > command.MaxPositional)
    throw EUsageError(command.Name + ": too many arguments (\"" +
                      parsed.Positional[command.MaxPositional] +
                      "\"); usage: " + UsageLine(command));
}

}  // namespace

TParsedArgs ParseCommandArgs(const TCommandSpec& command, const QStringList& args) {
  TParsedArgs parsed;
  bool optionsEnded = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.startsWith("--")) {
      TakeOption(command, args, i, parsed);
    } else if (!optionsEnded && arg.size() > 1 && arg.startsWith('-') && !arg[1].isDigit()) {
      // "-5x10" or "-3" is a (wrong) value, which the command then reports as such.
      throw EUsageError(command.Name + ": unknown option \"" + arg + "\"");
    } else {
      parsed.Positional << arg;
    }
  }
  CheckPositionalCount(command, parsed);
  return parsed;
}

QString CommandHelp(const TCommandSpec& command) {
  QString text = "Usage: " + UsageLine(command);
  if (!command.Options.empty()) text += " [OPTIONS]";
  text += "\n\n" + command.Summary + "\n";
  if (!command.Description.isEmpty()) text += "\n" + command.Description.trimmed() + "\n";
  if (!command.Options.empty()) {
    text += "\nOptions:\n";
    for (const TOptionSpec& option : command.Options) {
      QString left = "  --" + option.Name;
      if (!option.ValueName.isEmpty()) left += ' ' + option.ValueName;
      text += left.leftJustified(26) + ' ' + option.Help + "\n";
    }
  }
  return text;
}

TSize2 ParseSize(const QString& text) {
  static const QRegularExpression pattern("^([-+]?\\d{1,9})[xX]([-+]?\\d{1,9})$");
  const QRegularExpressionMatch match = pattern.match(text);
  const QString limit = QString::number(kMaxRenderSide);
  if (!match.hasMatch())
    throw EUsageError("bad size \"" + text + "\": expected WIDTHxHEIGHT, each from 1 to " + limit +
                      ", such as 320x200");
  const TSize2 size{match.captured(1).toInt(), match.captured(2).toInt()};
  if (size.Width < 1 || size.Height < 1 || size.Width > kMaxRenderSide ||
      size.Height > kMaxRenderSide)
    throw EUsageError("bad size \"" + text + "\": width and height must be 1 to " + limit);
  return size;
}

int ParsePositive(const QString& text, int maximum, const QString& what) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < 1 || value > maximum)
    throw EUsageError("bad " + what + " \"" + text + "\": expected a whole number from 1 to " +
                      QString::number(maximum));
  return value;
}

}  // namespace vt
