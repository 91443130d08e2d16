#pragma once
// The subcommands of vtskin. Each is described by a function in its own Cmd*.cpp file;
// VtSkin.cpp lists them in one table, in the order `vtskin --help` shows them. A new
// subcommand is one more file and one more line in that table.
#include <vector>

#include "cli/CliCommand.h"

namespace vt {

TCommandSpec InfoCommand();
TCommandSpec ConvertCommand();
TCommandSpec DumpCommand();
TCommandSpec LayoutCommand();
TCommandSpec RenderCommand();
TCommandSpec RegionCommand();
TCommandSpec ExportCommand();
TCommandSpec CheckCommand();
TCommandSpec ThumbnailCommand();
TCommandSpec SheetCommand();

// Every subcommand, in help order.
const std::vector<TCommandSpec>& VtSkinCommands();

}  // namespace vt
