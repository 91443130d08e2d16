// The tool's command line: help, exit codes, option parsing, sizes, progress.
#include "CliTestUtil.h"
#include "cli/CliCommands.h"

namespace vt::test {
namespace {

TEST(CliFramework, HelpListsEveryCommandAndExitsZero) {
  for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"help"}}) {
    const TToolRun run = RunTool(args);
    EXPECT_EQ(run.Code, kExitOk);
    EXPECT_TRUE(run.Err.isEmpty());
    for (const char* name :
         {"info", "convert", "dump", "layout", "render", "region", "export", "check", "thumbnail"})
      EXPECT_TRUE(run.Out.contains(QString("  ") + name + " ")) << name;
  }
}

TEST(CliFramework, NoArgumentsIsAUsageError) {
  const TToolRun run = RunTool({});
  EXPECT_EQ(run.Code, kExitUsage);
  EXPECT_TRUE(run.Out.isEmpty());
  EXPECT_TRUE(run.Err.contains("Usage: vtskin COMMAND"));
}

TEST(CliFramework, CommandHelpShowsArgumentsAndOptions) {
  const TToolRun viaHelp = RunTool({"help", "render"});
  const TToolRun viaOption = RunTool({"render", "--help"});
  EXPECT_EQ(viaHelp.Code, kExitOk);
  EXPECT_EQ(viaOption.Code, kExitOk);
  EXPECT_EQ(viaHelp.Out, viaOption.Out);
  EXPECT_TRUE(viaHelp.Out.startsWith("Usage: vtskin render FILE OBJECT WIDTHxHEIGHT OUT.png"));
  for (const char* option : {"--state STATE", "--active", "--text TEXT", "--design"})
    EXPECT_TRUE(viaHelp.Out.contains(option)) << option;
}

TEST(CliFramework, EveryCommandHasHelpWithAnExample) {
  for (const TCommandSpec& command : VtSkinCommands()) {
    const TToolRun run = RunTool({"help", command.Name});
    EXPECT_EQ(run.Code, kExitOk) << command.Name.toStdString();
    EXPECT_TRUE(run.Out.contains("Example: vtskin " + command.Name)) << command.Name.toStdString();
  }
}

TEST(CliFramework, UsageErrorsExitTwoWithAHint) {
  struct TCase {
    QStringList Args;
    const char* Message;
  };
  const TCase cases[] = {
      {{"frobnicate"}, "vtskin: unknown command \"frobnicate\""},
      {{"help", "frobnicate"}, "vtskin: help: unknown command \"frobnicate\""},
      {{"info"}, "vtskin: info: missing arguments; usage: vtskin info FILE"},
      {{"info", "a.mskn", "b.mskn"}, "vtskin: info: too many arguments (\"b.mskn\")"},
      {{"info", "a.mskn", "--colour"}, "vtskin: info: unknown option \"--colour\""},
      {{"info", "a.mskn", "-j"}, "vtskin: info: unknown option \"-j\""},
      {{"render", "a.mskn", "Form", "10x10", "o.png", "--state"},
       "vtskin: render: option \"--state\" needs a value (STATE)"},
      {{"info", "a.mskn", "--json=yes"}, "vtskin: info: option \"--json\" takes no value"},
      {{"layout", "a.mskn", "Form", "wide"}, "vtskin: bad size \"wide\""},
      {{"render", "a.mskn", "Form", "10x10", "o.png", "--state", "sleepy"},
       "vtskin: render: unknown state \"sleepy\""},
      {{"thumbnail", "a.mskn", "o.png", "0"}, "vtskin: bad thumbnail size \"0\""},
  };
  for (const TCase& c : cases) {
    const TToolRun run = RunTool(c.Args);
    EXPECT_EQ(run.Code, kExitUsage) << c.Args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.startsWith(c.Message)) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("Try \"vtskin")) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
  }
}

TEST(CliFramework, OptionValuesTakeBothFormsAndDoubleDashEndsOptions) {
  TCommandSpec command = RenderCommand();
  const TParsedArgs parsed = ParseCommandArgs(
      command, {"f.mskn", "--state=hot", "--text", "--a", "X", "--", "10x10", "--o.png"});
  EXPECT_EQ(parsed.Value("state"), "hot");
  EXPECT_EQ(parsed.Value("text"), "--a");
  EXPECT_EQ(parsed.Positional, (QStringList{"f.mskn", "X", "10x10", "--o.png"}));
  EXPECT_FALSE(parsed.Has("active"));
}

TEST(CliFramework, SizesAreCheckedBeforeAnythingIsAllocated) {
  EXPECT_EQ(ParseSize("320x200").Width, 320);
  EXPECT_EQ(ParseSize("320X200").Height, 200);
  EXPECT_EQ(ParseSize("4096x1").Width, kMaxRenderSide);
  for (const char* bad :
       {"0x10", "10x0", "4097x10", "10x99999999", "x10", "10x", "-5x5", "5x5x5", " 5x5", "abc", ""})
    EXPECT_THROW(ParseSize(bad), EUsageError) << bad;
}

TEST(CliFramework, ProgressGoesToStandardErrorOnlyWhenAsked) {
  QString quietErr, shownErr, unused;
  QTextStream quiet(&quietErr), shown(&shownErr), out(&unused);
  TCommandContext off(out, quiet, TVtSkinOptions{false});
  off.Progress("exporting 1/2");
  off.EndProgress();
  TCommandContext on(out, shown, TVtSkinOptions{true});
  on.Progress("exporting 10/20");
  on.Progress("done");
  on.EndProgress();
  quiet.flush();
  shown.flush();
  EXPECT_TRUE(quietErr.isEmpty());
  // Each line is rewritten in place and the shorter one covers the longer.
  EXPECT_EQ(shownErr, "\rexporting 10/20\rdone           \r    \r");
}

TEST(CliFramework, VersionIsPrinted) {
  const TToolRun run = RunTool({"--version"});
  EXPECT_EQ(run.Code, kExitOk);
  EXPECT_TRUE(run.Out.startsWith("vtskin "));
}

}  // namespace
}  // namespace vt::test
