// info, convert, dump and layout, and how every command reports a bad input file.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliTestUtil.h"

namespace vt::test {
namespace {

using CliCommands = CliTest;

QJsonObject InfoJson(const QString& file) {
  const TToolRun run = RunTool({"info", file, "--json"});
  EXPECT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  return QJsonDocument::fromJson(run.Out.toUtf8()).object();
}

QJsonObject FindChild(const QJsonObject& object, const QString& name) {
  for (const QJsonValue& child : object["children"].toArray())
    if (child.toObject()["name"] == name) return child.toObject();
  return {};
}

TEST_F(CliCommands, InfoShowsVariantStringsImagesObjectsAndTables) {
  const TToolRun run = RunTool({"info", DemoSkin("demo-light")});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.contains("Variant: mskn (Maximum Compressed), tag \"_MCT\""));
  EXPECT_TRUE(run.Out.contains("Skin name: Veltrane Light\n"));
  EXPECT_TRUE(run.Out.contains("Images: 28\n"));
  EXPECT_TRUE(run.Out.contains("\n  form  102x248  key  alpha\n")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.contains("\n  grid  92x52  key\n"));
  EXPECT_TRUE(run.Out.contains("\n  Form  TSeSkinObject  skForm  saNone  at 0,0 size 320x220\n"));
  EXPECT_TRUE(run.Out.contains(
      "\n      Caption  TSeActiveBitmap  skCaption  saClient  at 8,4 size 304x24\n"));
  EXPECT_TRUE(run.Out.contains("\n  EditSelection = $00D46F2E\n"));
  EXPECT_TRUE(run.Out.contains("\n  clWindowText = $00221E1C\n"));
  EXPECT_TRUE(run.Out.contains("\n  CaptionTextNormal = Tahoma,8,1,255,255,255,bold\n"));
  EXPECT_TRUE(run.Out.endsWith("Warnings: 0\n"));
}

TEST_F(CliCommands, InfoJsonHoldsTheSameInMachineForm) {
  const QJsonObject info = InfoJson(DemoSkin("demo-dark", "kskn"));
  EXPECT_EQ(info["variant"], "kskn");
  EXPECT_EQ(info["tag"], "_DCT");
  EXPECT_EQ(info["skinName"], "Veltrane Dark");
  EXPECT_EQ(info["images"].toArray().size(), 28);
  const QJsonObject firstImage = info["images"].toArray()[0].toObject();
  EXPECT_EQ(firstImage["name"], "form");
  EXPECT_TRUE(firstImage["alpha"].toBool());
  EXPECT_EQ(info["objects"].toArray().size(), 28);
  const QJsonObject form = info["objects"].toArray()[0].toObject();
  EXPECT_EQ(form["kind"], "skForm");
  const QJsonObject client = FindChild(form, "Client");
  EXPECT_EQ(client["align"], "saClient");
  EXPECT_EQ(client["width"], 312);
  EXPECT_EQ(info["colors"].toObject().size(), 22);
  EXPECT_EQ(info["systemColors"].toObject().size(), 26);
  EXPECT_EQ(info["fonts"].toObject().size(), 66);
  EXPECT_EQ(info["warnings"].toArray().size(), 0);
}

TEST_F(CliCommands, BadInputFilesExitOneNamingTheFile) {
  const QString missing = Dir.filePath("missing.mskn");
  const QString unknownExtension = WriteFile("skin.zip", "PK");
  const QString garbage = WriteFile("garbage.mskn", QByteArray(300, '\x5A'));
  QByteArray demo = ReadFile(DemoSkin("demo-light"));
  const QString truncated = WriteFile("truncated.mskn", demo.left(demo.size() / 2));
  QByteArray uncompressed = ReadFile(DemoSkin("demo-light", "uskn"));
  // The first image's height becomes about two thousand million rows: far more pixels than
  // the file holds.
  const qsizetype imageName = uncompressed.indexOf("form");
  uncompressed[imageName + 10] = '\x7F';
  uncompressed[imageName + 11] = '\x7F';
  const QString damaged = WriteFile("damaged.uskn", uncompressed);
  // A renamed file is read with the wrong layout, and the message says so.
  const QString renamed = WriteFile("renamed.uskn", ReadFile(DemoSkin("demo-light", "mskn")));
  struct TCase {
    QString File;
    QString Message;
    QString Detail = {};
  };
  const TCase cases[] = {
      {missing, missing + ": no such file"},
      {Dir.path(), Dir.path() + ": is a folder"},
      {unknownExtension,
       unknownExtension + ": not a skin file name: the extension must be one of .uskn"},
      {garbage, garbage + ": damaged skin file: "},
      {truncated, truncated + ": damaged skin file: "},
      {damaged, damaged + ": damaged skin file: "},
      {renamed, renamed + ": damaged skin file: ",
       "(the file starts with the tag of .mskn files, not of .uskn files)"},
  };
  for (const TCase& c : cases)
    for (const char* command : {"info", "dump", "check", "export"}) {
      QStringList args{command, c.File};
      if (QString(command) == "export") args << Dir.filePath("out");
      const TToolRun run = RunTool(args);
      EXPECT_EQ(run.Code, kExitProblem) << command << " " << c.File.toStdString();
      EXPECT_TRUE(run.Err.startsWith("vtskin: " + c.Message)) << run.Err.toStdString();
      EXPECT_TRUE(run.Err.contains(c.Detail)) << run.Err.toStdString();
    }
}

TEST_F(CliCommands, ConvertWritesTheVariantOfTheTargetExtension) {
  const QString uskn = Dir.filePath("light.uskn");
  const TToolRun run = RunTool({"convert", DemoSkin("demo-light"), uskn});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.endsWith("light.uskn (Uncompressed Skin)\n"));
  EXPECT_TRUE(ReadFile(uskn).startsWith(QByteArray("_UCT\0", 5)));
  const QString kskn = Dir.filePath("light.KSKN");
  ASSERT_EQ(RunTool({"convert", uskn, kskn}).Code, kExitOk);
  EXPECT_EQ(ReadFile(kskn).mid(0, 11), QByteArray("_DCT\0QXLZ\x78\x01", 11));
  // Everything but the file's own name, variant and tag survives both conversions.
  QJsonObject original = InfoJson(DemoSkin("demo-light"));
  QJsonObject converted = InfoJson(kskn);
  for (const char* key : {"file", "variant", "variantName", "tag"}) {
    original.remove(key);
    converted.remove(key);
  }
  EXPECT_EQ(original, converted);
}

// An unknown extension is a usage error, a missing folder a problem; neither leaves a file.
TEST_F(CliCommands, ConvertRefusesTargetsItCannotWrite) {
  const struct {
    const char* Target;
    int Code;
    const char* Message;
  } cases[] = {{"light.skin", kExitUsage, ": unknown skin file extension \"skin\""},
               {"no/such/folder/light.mskn", kExitProblem, ": cannot save the skin: "}};
  for (const auto& c : cases) {
    const QString target = Dir.filePath(c.Target);
    const TToolRun run = RunTool({"convert", DemoSkin("demo-light"), target});
    EXPECT_EQ(run.Code, c.Code) << c.Target;
    EXPECT_TRUE(run.Err.startsWith("vtskin: " + target + c.Message)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
  }
}

TEST_F(CliCommands, DumpNestsChildrenAndRawKeepsTheStoredText) {
  const TToolRun readable = RunTool({"dump", DemoSkin("demo-light"), "Button"});
  ASSERT_EQ(readable.Code, kExitOk) << readable.Err.toStdString();
  EXPECT_TRUE(readable.Out.startsWith("object Button: TSeSkinObject\n  Align = saNone\n"));
  EXPECT_TRUE(readable.Out.contains("\n  object Face: TSeButtonObject\n    Align = saClient\n"));
  EXPECT_TRUE(readable.Out.contains("\n    BitmapHot.Name = 'button'\n"));
  EXPECT_TRUE(readable.Out.endsWith("\n  end\nend\n"));
  EXPECT_FALSE(readable.Out.contains("Objects = {"));

  const TToolRun raw = RunTool({"dump", DemoSkin("demo-light"), "Button", "--raw"});
  ASSERT_EQ(raw.Code, kExitOk);
  EXPECT_TRUE(raw.Out.contains("  Objects = {"));
  EXPECT_FALSE(raw.Out.contains("object Face"));
}

TEST_F(CliCommands, DumpWithoutObjectPrintsEveryTopLevelObject) {
  const TToolRun run = RunTool({"dump", DemoSkin("demo-dark", "xskn")});
  ASSERT_EQ(run.Code, kExitOk);
  EXPECT_EQ(run.Out.count(QRegularExpression("^object ", QRegularExpression::MultilineOption)), 28);
}

TEST_F(CliCommands, ObjectPathsReachPartsAndUnknownNamesAreReported) {
  const TToolRun part =
      RunTool({"dump", DemoSkin("demo-light"), "ScrollBar/LeftButton/LeftButtonGlyph"});
  EXPECT_EQ(part.Code, kExitOk);
  EXPECT_TRUE(part.Out.startsWith("object LeftButtonGlyph: TSeButtonObject\n"));

  const TToolRun unknown = RunTool({"dump", DemoSkin("demo-light"), "Buton"});
  EXPECT_EQ(unknown.Code, kExitProblem);
  EXPECT_TRUE(unknown.Err.contains(
      ": no top-level object \"Buton\" (the skin has: Form, ToolWindow, Button,"));
  const TToolRun unknownPart = RunTool({"layout", DemoSkin("demo-light"), "Button/Knob", "10x10"});
  EXPECT_EQ(unknownPart.Code, kExitProblem);
  EXPECT_TRUE(unknownPart.Err.contains(": no object \"Knob\" below \"Button\""));
}

TEST_F(CliCommands, LayoutPlacesEveryObjectAtTheRequestedSize) {
  const QJsonObject form = [] {
    const TToolRun run = RunTool({"layout", DemoSkin("demo-light"), "Form", "640x480", "--json"});
    EXPECT_EQ(run.Code, kExitOk) << run.Err.toStdString();
    return QJsonDocument::fromJson(run.Out.toUtf8()).object();
  }();
  EXPECT_EQ(form["width"], 640);
  EXPECT_EQ(form["height"], 480);
  const QJsonObject client = FindChild(form, "Client");
  EXPECT_EQ(client["left"], 4);
  EXPECT_EQ(client["top"], 28);
  EXPECT_EQ(client["width"], 632);
  EXPECT_EQ(client["height"], 448);
  const QJsonObject caption = FindChild(FindChild(form, "TopBand"), "Caption");
  // An ordinary window: the system menu and three buttons, the title between them.
  QStringList visible;
  for (const QJsonValue& child : caption["children"].toArray())
    visible << child.toObject()["name"].toString();
  EXPECT_EQ(visible, (QStringList{"SysMenu", "Close", "Maximize", "Minimize", "Title"}));
  const QJsonObject close = FindChild(caption, "Close");
  EXPECT_EQ(close["left"], 608);
  const QJsonObject title = FindChild(caption, "Title");
  EXPECT_EQ(title["left"], 32);
  EXPECT_EQ(title["width"], 608 - 2 * 24 - 32);

  const TToolRun text = RunTool({"layout", DemoSkin("demo-light"), "Button", "100x30"});
  EXPECT_EQ(text.Out, "Button (TSeSkinObject) 0,0 100x30\n  Face (TSeButtonObject) 0,0 100x30\n");
}

TEST_F(CliCommands, WarningsOfTheLoadAreShownAndTheCommandGoesOn) {
  TSeSkinSource source;
  AddTopLevel(source, "Form");
  AddTopLevel(source, "Spare");
  const QString path = SaveSkin(source, Dir, "unknown.uskn");
  QByteArray bytes = ReadFile(path);
  // The second record's class name (text records start with it) becomes one no filter
  // knows, even after the related-product substitutions.
  const qsizetype second = bytes.indexOf("TSeSkinObject", bytes.indexOf("TSeSkinObject") + 1);
  const qsizetype third = bytes.indexOf("TSeSkinObject", second + 1);
  ASSERT_GT(third, 0);
  bytes.replace(third, 13, "TQqBogusThing");
  WriteFile("unknown.uskn", bytes);
  const TToolRun run = RunTool({"info", path});
  EXPECT_EQ(run.Code, kExitOk);
  EXPECT_TRUE(run.Out.contains("Objects: 1\n"));
  EXPECT_TRUE(run.Out.contains("Warnings: 1\n  ")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.contains("TQqBogusThing"));
  const TToolRun dump = RunTool({"dump", path});
  EXPECT_EQ(dump.Code, kExitOk);
  EXPECT_TRUE(dump.Err.startsWith("vtskin: " + path + ": warning: "));
  EXPECT_TRUE(dump.Err.contains("TQqBogusThing"));
}

TEST_F(CliCommands, NamesAreWindows1252TextBothWays) {
  // 0x80 is the euro sign in the skins' code page; as Latin-1 it would be a control
  // character, printed as such and never matched by a typed "€".
  TSeSkinSource source;
  AddTopLevel(source, "Price\x80");
  const QString path = SaveSkin(source, Dir, "euro.uskn");
  const TToolRun info = RunTool({"info", path});
  EXPECT_TRUE(info.Out.contains(QString::fromUtf8("Price€"))) << info.Out.toStdString();
  const TToolRun layout = RunTool({"layout", path, QString::fromUtf8("Price€"), "10x10"});
  EXPECT_EQ(layout.Code, kExitOk) << layout.Err.toStdString();
  const TToolRun unknown = RunTool({"layout", path, QString::fromUtf8("Price€/π"), "10x10"});
  EXPECT_TRUE(unknown.Err.contains(QString::fromUtf8("no object \"π\" below \"Price€\"")))
      << unknown.Err.toStdString();
}

}  // namespace
}  // namespace vt::test
