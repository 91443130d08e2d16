#pragma once
// The vtskin command-line tool, callable in-process: apps/vtskin.cpp hands it the
// process's arguments and streams; tests hand it string streams.
#include <QStringList>
#include <QTextStream>

namespace vt {

// Exit status of the tool.
enum TExitCode : int {
  kExitOk = 0,
  kExitProblem = 1,  // a problem in the input: a missing, damaged or inconsistent file
  kExitUsage = 2,    // a usage error: unknown command or option, missing or bad argument
};

struct TVtSkinOptions {
  // Progress lines on long operations go to `err`; the program sets this only when
  // standard error is a terminal, so that logs and pipes stay clean.
  bool ShowProgress = false;
  // Standard output is a terminal: pictures ("-") are then refused.
  bool OutIsTerminal = false;
};

// Runs one command line; `args` excludes the program name.
int RunVtSkin(const QStringList& args, QTextStream& out, QTextStream& err,
              const TVtSkinOptions& options = {});

}  // namespace vt
