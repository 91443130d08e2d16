// vtskin check FILE: a lint for skin authors.
#include "cli/CliCommands.h"
#include "cli/CliSkin.h"
#include "theme/te_skinlint.h"

namespace vt {

namespace {

int RunCheck(TCommandContext& context, const TParsedArgs& args) {
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  // What loading passed over comes first: it may explain the problems that follow.
  std::vector<TSkinProblem> findings;
  for (const std::string& warning : skin.Warnings)
    findings.push_back({TSkinProblemSeverity::Warning, warning, {}, {}});
  for (TSkinProblem& problem : LintSkin(*skin.Source)) findings.push_back(std::move(problem));
  for (const TSkinProblem& finding : findings) {
    context.Out << skin.FileName << ": ";
    if (const std::string where = finding.Where(); !where.empty())
      context.Out << SkinText(where) << ": ";
    context.Out << SkinText(finding.Message) << "\n";
  }
  if (findings.empty()) {
    context.Out << skin.FileName << ": no problems found\n";
    return kExitOk;
  }
  context.Out << skin.FileName << ": " << findings.size()
              << (findings.size() == 1 ? " problem\n" : " problems\n");
  return kExitProblem;
}

}  // namespace

TCommandSpec CheckCommand() {
  TCommandSpec command;
  command.Name = "check";
  command.Arguments = "FILE";
  command.Summary = "look for mistakes in a skin (exit status 1 when there are any)";
  command.Description =
      "Reports, one line each:\n"
      "  - bitmap links naming an image the skin lacks, or an empty rectangle, or one\n"
      "    reaching outside its image;\n"
      "  - images without pixels, and images or top-level objects sharing a name;\n"
      "  - top-level objects the themed controls look up (Form, Button, Checkbox, ...,\n"
      "    ToolWindow, Panel) and the parts their families paint (\"Face\", \"Checked\",\n"
      "    \"HorzSlider\", ...) that the skin lacks;\n"
      "  - window frames without a client object, a caption or a close button;\n"
      "  - what loading passed over, such as records of unknown classes.\n"
      "\n"
      "Example: vtskin check my-skin.mskn";
  command.MinPositional = command.MaxPositional = 1;
  command.Run = RunCheck;
  return command;
}

}  // namespace vt
