#pragma once
// The pieces every vtskin subcommand is made of: its description (name, arguments,
// options, help text, the function that runs it), the parsed command line, the context
// with the output streams, and the two kinds of failure with their exit codes.
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "cli/VtSkin.h"

namespace vt {

// A usage error: the command line itself is wrong (exit status 2).
class EUsageError : public std::runtime_error {
 public:
  explicit EUsageError(const QString& message)
      : std::runtime_error(message.toStdString()), Message(message) {}
  QString Message;
};

// A problem in the input (exit status 1). The message names the file and what is wrong.
class EInputProblem : public std::runtime_error {
 public:
  explicit EInputProblem(const QString& message)
      : std::runtime_error(message.toStdString()), Message(message) {}
  QString Message;
};

struct TOptionSpec {
  QString Name;       // without the leading "--"
  QString ValueName;  // empty for a flag; otherwise the placeholder shown in help ("TEXT")
  QString Help;
};

struct TParsedArgs {
  QStringList Positional;
  std::map<QString, QString> Options;  // flags map to an empty string

  bool Has(const QString& name) const { return Options.count(name) != 0; }
  std::optional<QString> Value(const QString& name) const;
  // The positional argument at `index`, or `fallback` when it was left out.
  QString PositionalOr(int index, const QString& fallback) const;
};

class TCommandContext {
 public:
  TCommandContext(QTextStream& out, QTextStream& err, const TVtSkinOptions& options)
      : Out(out), Err(err), FOptions(options) {}
  QTextStream& Out;
  QTextStream& Err;

  // "vtskin: " + message on standard error, for problems that do not stop the command.
  void Warn(const QString& message);
  // A progress line ("exporting 3/40") rewritten in place; nothing unless progress is on.
  void Progress(const QString& text);
  // Clears the progress line, if one is shown.
  void EndProgress();
  // Binary data (a picture) on standard output, after the text written so far.
  // EUsageError when standard output is a terminal or cannot take bytes, EInputProblem
  // when the write fails.
  void WriteBinaryOut(const std::vector<uint8_t>& bytes);

 private:
  TVtSkinOptions FOptions;
  int FProgressWidth = 0;
};

struct TCommandSpec {
  QString Name;
  QString Arguments;    // the synopsis after the name: "FILE [OBJECT]"
  QString Summary;      // one line for the command list
  QString Description;  // the paragraphs of `vtskin help NAME`
  std::vector<TOptionSpec> Options;
  int MinPositional = 0;
  int MaxPositional = 0;
  std::function<int(TCommandContext&, const TParsedArgs&)> Run;
};

// Splits `args` (after the command name) into positional arguments and the command's
// options ("--name", "--name VALUE", "--name=VALUE"; "--" ends the options). EUsageError
// for an unknown option, a missing value, or a wrong number of positional arguments.
TParsedArgs ParseCommandArgs(const TCommandSpec& command, const QStringList& args);

// The text of `vtskin help NAME`.
QString CommandHelp(const TCommandSpec& command);

// "WIDTHxHEIGHT" with both between 1 and kMaxRenderSide; EUsageError naming the text and
// the limits otherwise. The limit keeps a render (three pictures of that size) within a few hundred
// megabytes.
struct TSize2 {
  int Width = 0;
  int Height = 0;
};
constexpr int kMaxRenderSide = 4096;
TSize2 ParseSize(const QString& text);
// A positive integer no larger than `maximum`; EUsageError naming `what` otherwise.
int ParsePositive(const QString& text, int maximum, const QString& what);

}  // namespace vt
