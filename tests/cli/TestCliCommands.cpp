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
  for (const char* line :
       {"Variant: mskn (Maximum Compressed), tag \"_MCT\"", "Skin name: Veltrane Light\n",
        "Images: 28\n", "\n  form  102x248  key  alpha\n", "\n  grid  92x52  key\n",
        "\n  Form  TSeSkinObject  skForm  saNone  at 0,0 size 320x220\n",
        "\n      Caption  TSeActiveBitmap  skCaption  saClient  at 8,4 size 304x24\n",
        "\n  EditSelection = $00D46F2E\n", "\n  clWindowText = $00221E1C\n",
        "\n  CaptionTextNormal = Tahoma,8,1,255,255,255,bold\n"})
    EXPECT_TRUE(run.Out.contains(line)) << line;
  EXPECT_TRUE(run.Out.endsWith("Warnings: 0\n"));
}

TEST_F(CliCommands, InfoJsonHoldsTheSameInMachineForm) {
  const QJsonObject info = InfoJson(DemoSkin("demo-dark", "kskn"));
  EXPECT_EQ(info["tag"], "_DCT");
  EXPECT_EQ(info["skinName"], "Veltrane Dark");
  const QJsonObject firstImage = info["images"].toArray()[0].toObject();
  EXPECT_EQ(firstImage["name"], "form");
  EXPECT_TRUE(firstImage["alpha"].toBool());
  const QJsonObject form = info["objects"].toArray()[0].toObject();
  EXPECT_EQ(form["kind"], "skForm");
  EXPECT_EQ(FindChild(form, "Client")["width"], 312);
  const std::pair<const char*, qsizetype> sizes[] = {
      {"images", 28}, {"objects", 28}, {"colors", 22}, {"systemColors", 26}, {"fonts", 66}};
  for (const auto& [key, size] : sizes)
    EXPECT_EQ(info[key].isArray() ? info[key].toArray().size() : info[key].toObject().size(), size)
        << key;
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

TEST_F(CliCommands, DumpNestsChildrenAndRawKeepsTheStoredText) {
  const TToolRun readable = RunTool({"dump", DemoSkin("demo-light"), "Button"});
  ASSERT_EQ(readable.Code, kExitOk) << readable.Err.toStdString();
  EXPECT_TRUE(readable.Out.startsWith("object Button: TSeSkinObject\n  Align = saNone\n"));
  EXPECT_TRUE(readable.Out.contains("\n  object Face: TSeButtonObject\n    Align = saClient\n"));
  EXPECT_TRUE(readable.Out.contains("\n    BitmapHot.Name = 'button'\n"));
  EXPECT_TRUE(readable.Out.endsWith("\n  end\nend\n"));
  EXPECT_FALSE(readable.Out.contains("Objects = {"));
  const TToolRun raw = RunTool({"dump", DemoSkin("demo-light"), "Button", "--raw"});
  EXPECT_TRUE(raw.Out.contains("  Objects = {"));
  EXPECT_FALSE(raw.Out.contains("object Face"));
  // Without an object: every top-level object.
  const TToolRun all = RunTool({"dump", DemoSkin("demo-dark", "xskn")});
  EXPECT_EQ(all.Out.count(QRegularExpression("^object ", QRegularExpression::MultilineOption)), 28);
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

// A record of an unknown class is a warning of the load: shown, and the command goes on;
// check counts it as a problem.
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
  const TToolRun check = RunTool({"check", path});
  EXPECT_EQ(check.Code, kExitProblem);
  EXPECT_TRUE(check.Out.contains("TQqBogusThing")) << check.Out.toStdString();
}

}  // namespace
}  // namespace vt::test
