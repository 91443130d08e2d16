// The tool's command line: every run's closing message and exit code, help, option
// parsing, sizes and progress.
#include <QDir>
#include <QFileInfo>

#include "CliTestUtil.h"
#include "cli/CliCommands.h"

namespace vt::test {
namespace {

using CliMessages = CliTest;

// What each run ends with: the text it prints on success, or the error it reports and
// its exit code; usage errors also point to the help, and a refused output is left as
// it was.
TEST_F(CliMessages, EachRunEndsWithItsMessageAndExitCode) {
  TSeSkinSource buttonOnly;
  AddTopLevel(buttonOnly, "Button");
  const QString noForm = SaveSkin(buttonOnly, Dir, "noform.kskn");
  const QString light = DemoSkin("demo-light");
  const QString blocker = WriteFile("blocker", "");
  ASSERT_TRUE(QDir(Dir.path()).mkdir("folder.png"));
  const auto path = [this](const char* name) { return Dir.filePath(name); };
  struct TCase {
    QStringList Args;
    int Code;
    QString Message;
  };
  const TCase cases[] = {
      {{}, kExitUsage, "Usage: vtskin COMMAND"},
      {{"--version"}, kExitOk, "vtskin "},
      {{"render", "--help"}, kExitOk, "Usage: vtskin render FILE OBJECT WIDTHxHEIGHT OUT.png"},
      {{"help", "render"}, kExitOk, "--state STATE"},
      {{"help", "render"}, kExitOk, "from 1 to 4096"},
      {{"frobnicate"}, kExitUsage, "vtskin: unknown command \"frobnicate\""},
      {{"help", "frobnicate"}, kExitUsage, "vtskin: help: unknown command \"frobnicate\""},
      {{"info"}, kExitUsage, "vtskin: info: missing arguments; usage: vtskin info FILE"},
      {{"info", "a.mskn", "b.mskn"}, kExitUsage, "vtskin: info: too many arguments (\"b.mskn\")"},
      {{"info", "a.mskn", "--colour"}, kExitUsage, "vtskin: info: unknown option \"--colour\""},
      {{"info", "a.mskn", "-j"}, kExitUsage, "vtskin: info: unknown option \"-j\""},
      {{"render", "a.mskn", "Form", "10x10", "o.png", "--state"},
       kExitUsage,
       "vtskin: render: option \"--state\" needs a value (STATE)"},
      {{"info", "a.mskn", "--json=yes"},
       kExitUsage,
       "vtskin: info: option \"--json\" takes no value"},
      {{"layout", "a.mskn", "Form", "wide"}, kExitUsage, "vtskin: bad size \"wide\""},
      {{"render", light, "Form", "-5x10", "x.png"},
       kExitUsage,
       "vtskin: bad size \"-5x10\": width and height must be 1 to 4096"},
      {{"render", "a.mskn", "Form", "10x10", "o.png", "--state", "sleepy"},
       kExitUsage,
       "vtskin: render: unknown state \"sleepy\""},
      {{"render", light, "Form", "30x20", path("t.jpg")}, kExitUsage, "cannot write \".jpg\""},
      {{"render", light, "Button", "10x10", path("missing/out.png")},
       kExitProblem,
       "vtskin: " + path("missing/out.png") + ": cannot write the picture: "},
      {{"render", light, "Form", "30x20", path("folder.png")}, kExitProblem, "folder"},
      {{"thumbnail", "a.mskn", "o.png", "0"}, kExitUsage, "vtskin: bad thumbnail size \"0\""},
      {{"thumbnail", light, path("t.bmp")}, kExitUsage, "thumbnails are PNG pictures"},
      {{"thumbnail", light, path("t.png"), "--mtime", "yesterday"},
       kExitUsage,
       "bad modification time \"yesterday\""},
      {{"thumbnail", light, path("t.png"), "--uri", "my skin"},
       kExitUsage,
       "the URI must be ASCII without blanks"},
      {{"thumbnail", noForm, path("t.png")},
       kExitProblem,
       "vtskin: " + noForm + ": the skin has no form object"},
      {{"convert", light, path("light.skin")},
       kExitUsage,
       "vtskin: " + path("light.skin") + ": unknown skin file extension \"skin\""},
      {{"convert", light, path("no/such/folder/light.mskn")},
       kExitProblem,
       "vtskin: " + path("no/such/folder/light.mskn") + ": cannot save the skin: "},
      {{"dump", light, "ScrollBar/LeftButton/LeftButtonGlyph"},
       kExitOk,
       "object LeftButtonGlyph: TSeButtonObject\n"},
      {{"dump", light, "Buton"},
       kExitProblem,
       ": no top-level object \"Buton\" (the skin has: Form, ToolWindow, Button,"},
      {{"layout", light, "Button/Knob", "10x10"},
       kExitProblem,
       ": no object \"Knob\" below \"Button\""},
      {{"export", light, blocker},
       kExitProblem,
       "vtskin: " + blocker + ": is a file, not a folder"},
      {{"export", light, blocker + "/images"},
       kExitProblem,
       "vtskin: " + blocker + "/images: cannot create the folder"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args.join(' ').toStdString());
    const TToolRun run = RunTool(c.Args);
    EXPECT_EQ(run.Code, c.Code);
    const QString& shown = c.Code == kExitOk ? run.Out : run.Err;
    EXPECT_TRUE(shown.contains(c.Message)) << shown.toStdString();
    if (c.Code != kExitOk) {
      EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
    }
    if (c.Code == kExitUsage && !c.Args.isEmpty()) {
      EXPECT_TRUE(run.Err.contains("Try \"vtskin")) << run.Err.toStdString();
    }
  }
  for (const char* refused : {"t.jpg", "t.bmp", "t.png", "light.skin", "missing"})
    EXPECT_FALSE(QFile::exists(path(refused))) << refused;
  EXPECT_TRUE(QFileInfo(path("folder.png")).isDir());
  EXPECT_EQ(ReadFile(blocker), "");
}

// The general help lists every command, and each command's help shows an example.
TEST(CliFramework, EveryCommandIsListedAndHasHelpWithAnExample) {
  for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"help"}}) {
    const TToolRun run = RunTool(args);
    EXPECT_EQ(run.Code, kExitOk);
    for (const TCommandSpec& command : VtSkinCommands())
      EXPECT_TRUE(run.Out.contains("  " + command.Name + " ")) << command.Name.toStdString();
  }
  for (const TCommandSpec& command : VtSkinCommands()) {
    const TToolRun run = RunTool({"help", command.Name});
    EXPECT_EQ(run.Code, kExitOk) << command.Name.toStdString();
    EXPECT_TRUE(run.Out.contains("Example: vtskin " + command.Name)) << command.Name.toStdString();
    EXPECT_EQ(RunTool({command.Name, "--help"}).Out, run.Out);
  }
}

TEST(CliFramework, OptionValuesTakeBothFormsAndDoubleDashEndsOptions) {
  const TParsedArgs parsed = ParseCommandArgs(
      RenderCommand(), {"f.mskn", "--state=hot", "--text", "--a", "X", "--", "10x10", "--o.png"});
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

}  // namespace
}  // namespace vt::test
