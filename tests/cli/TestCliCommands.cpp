// info, convert, dump, layout, check and export, and how every command reports a bad
// input file.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

#include "CliTestUtil.h"
#include "skin/te_png.h"
#include "skin/theme_se3objects.h"
#include "theme/te_catalogue.h"

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

// A skin with every looked-up object and part, as plain objects, and a well-formed window
// frame: the starting point that each test then breaks in one way.
void AddCompleteObjects(TSeSkinSource& source) {
  for (const TCatalogueObject& wanted : CatalogueObjects()) {
    TSeSkinObject* object = AddTopLevel(source, wanted.SkinName);
    for (const TCataloguePart& part : wanted.Parts)
      if (part.Expected) (new TSeSkinObject(object))->SetName(part.Part->Name());
    if (!wanted.WindowFrame) continue;
    auto* client = new TSeSkinObject(object);
    client->SetName("Client");
    client->SetKind(TSeKind::skClient);
    auto* caption = new TSeSkinObject(object);
    caption->SetName("Caption");
    caption->SetKind(TSeKind::skCaption);
    auto* close = new TSeSystemButton(caption);
    close->SetName("Close");
    close->SetAction(TSeAction::sbaClose);
  }
}

// The complete skin with an image "sheet" of 20 x 10.
struct TCheckSkin {
  TCheckSkin() {
    AddCompleteObjects(Source);
    Source.Bitmaps().Add(MakeBitmap("sheet", 20, 10, 0xFF808080));
  }
  void AddBitmapPart(const std::string& owner, const std::string& image, TRect rect,
                     const std::string& name = "Extra") {
    auto* part = new TSeBitmapObject(Source.GetObjectByName(owner));
    part->SetName(name);
    part->Bitmap()->SetName(image);
    part->Bitmap()->SetRect(rect);
  }
  TSeSkinSource Source;
};

using CliCheck = CliTest;

// Each case breaks the complete skin in one way and expects these lines (after the file
// name) and the count of problems.
TEST_F(CliCheck, EachProblemIsReportedOnItsOwnLine) {
  struct TCase {
    const char* Name;
    std::function<void(TCheckSkin&)> Break;
    std::vector<QString> Lines;
  };
  const TCase cases[] = {
      {"complete", [](TCheckSkin&) {}, {}},
      {"links",
       [](TCheckSkin& t) {
         t.AddBitmapPart("Button", "nosuch", {0, 0, 4, 4});
         t.AddBitmapPart("Edit", "SHEET", {10, 2, 24, 8}, "Wide");
         t.AddBitmapPart("Grid", "sheet", {5, 5, 5, 9}, "Flat");
         t.AddBitmapPart("Hint", "sheet", {0, 0, 20, 10});  // fine: the whole image, any case
         auto* button = new TSeButtonObject(t.Source.GetObjectByName("Panel"));
         button->SetName("States");
         button->BitmapDisabled()->SetName("gone");
         button->BitmapDisabled()->SetRect({0, 0, 1, 1});
       },
       {"Button/Extra: Bitmap names image \"nosuch\", which the skin does not have",
        "Edit/Wide: Bitmap rectangle (10, 2, 24, 8) reaches outside image \"sheet\" (20x10)",
        "Grid/Flat: Bitmap has the empty rectangle (5, 5, 5, 9)",
        "Panel/States: BitmapDisabled names image \"gone\", which the skin does not have"}},
      {"duplicates",
       [](TCheckSkin& t) {
         t.Source.Bitmaps().Add(MakeBitmap("Sheet", 1, 1, 0));
         AddTopLevel(t.Source, "BUTTON");
       },
       {"image \"Sheet\": images 1 and 2 share this name; links always find the first",
        "BUTTON: top-level objects 2 and 29 share this name; only the first is used"}},
      {"missing objects and parts",
       [](TCheckSkin& t) {
         t.Source.DeleteObject(t.Source.GetObjectByName("Hint"));
         delete t.Source.GetObjectByName("ScrollBar")->FindByName("VertSlider");
         TSeSkinObject* progress = t.Source.GetObjectByName("ProgressBar");
         progress->FindByName("FrameVert")->SetName("Frame");  // one alternative is enough
         delete progress->FindByName("BarVert");
       },
       {"the skin has no \"Hint\" object; hints will paint plainly",
        "ScrollBar: has no part \"VertSlider\", which scroll bars paint",
        "ProgressBar: has no part \"BarVert\" or \"Bar\", which progress bars paint"}},
      {"window frame",
       [](TCheckSkin& t) {
         TSeSkinObject* tool = t.Source.GetObjectByName("ToolWindow");
         delete tool->FindByName("Client");
         delete tool->FindByName("Caption");
       },
       {"ToolWindow: has no client-area child (Kind skClient); the theme cannot tell windows where "
        "their contents go",
        "ToolWindow: has no caption or title object (Kind skCaption or skTitle)",
        "ToolWindow: has no close button (a system button with Action sbaClose)"}},
      {"no pixels",
       [](TCheckSkin& t) {
         auto* empty = new TteBitmap;
         empty->SetName("void");
         t.Source.Bitmaps().Add(empty);
       },
       {"image \"void\": the image has no pixels"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TCheckSkin skin;
    c.Break(skin);
    const QString path = SaveSkin(skin.Source, Dir, "skin.mskn");
    const TToolRun run = RunTool({"check", path});
    EXPECT_EQ(run.Code, c.Lines.empty() ? kExitOk : kExitProblem);
    for (const QString& line : c.Lines)
      EXPECT_TRUE(run.Out.contains(path + ": " + line + "\n")) << run.Out.toStdString();
    const size_t count = c.Lines.size();
    EXPECT_TRUE(run.Out.endsWith(count == 0   ? ": no problems found\n"
                                 : count == 1 ? ": 1 problem\n"
                                              : QString(": %1 problems\n").arg(count)))
        << run.Out.toStdString();
  }
}

using CliExport = CliTest;

TEST_F(CliExport, DemoImagesComeBackPixelForPixel) {
  const QString out = Dir.filePath("images");
  const TToolRun run = RunTool({"export", DemoSkin("demo-light", "xskn"), out});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  const TLoadedSkin skin = LoadSkinFile(DemoSkin("demo-light", "xskn"));
  const TteBitmapList& bitmaps = skin.Source->Bitmaps();
  QStringList expectedLines;
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    const QString name = QString::fromStdString(bitmap.Name());
    const QString file = out + "/" + name + (bitmap.AlphaFlag() ? ".png" : ".bmp");
    expectedLines << "Bitmap " + name + " saved as " + file;
    // Pictures with alpha are PNG files that keep the colour where a pixel shows; the
    // others are bitmaps with the key colour as magenta.
    ASSERT_EQ(ReadFile(file, 2), bitmap.AlphaFlag() ? "\x89P" : "BM") << name.toStdString();
    const QImage image = bitmap.AlphaFlag() ? LoadPngFile(file.toStdString()) : QImage(file);
    ASSERT_EQ(image.size(), QSize(bitmap.Width(), bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) {
        const uint32_t pixel = bitmap.Pixels(x, y);
        const QRgb shown = bitmap.AlphaFlag() && qAlpha(pixel) == 0 ? qAlpha(image.pixel(x, y))
                                                                    : image.pixel(x, y);
        const QRgb expected = bitmap.AlphaFlag()   ? (qAlpha(pixel) == 0 ? 0 : pixel)
                              : pixel == kKeyPixel ? qRgb(255, 0, 255)
                                                   : (pixel | 0xFF000000u);
        ASSERT_EQ(shown, expected) << name.toStdString() << " " << x << "," << y;
      }
  }
  EXPECT_EQ(run.Out, expectedLines.join('\n') + "\n");
  EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), bitmaps.Count());
}

// Names that would leave the folder are refused and the rest written; two images of one
// name write one file, and the later one wins.
TEST_F(CliExport, RefusedNamesAreReportedAndTheRestWritten) {
  TSeSkinSource source;
  for (const char* name : {"../escape", "sub/dir", "..", "ok"})
    source.Bitmaps().Add(MakeBitmap(name, 2, 2, 0xFF102030));
  source.Bitmaps().Add(MakeBitmap("twin", 1, 1, 0xFF0000FF));
  source.Bitmaps().Add(MakeBitmap("twin", 1, 1, 0xFF00FF00));
  AddTopLevel(source, "Form");
  const QString skin = SaveSkin(source, Dir, "names.mskn");
  const QString out = Dir.filePath("out");
  const TToolRun run = RunTool({"export", skin, out});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_EQ(run.Out, "Bitmap ok saved as " + out + "/ok.bmp\nBitmap twin saved as " + out +
                         "/twin.bmp\nBitmap twin saved as " + out + "/twin.bmp\n");
  EXPECT_EQ(run.Err.count("vtskin: " + skin + ": Bitmap not exported: "), 3)
      << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains("\"../escape\""));
  EXPECT_FALSE(QFile::exists(Dir.filePath("escape.bmp")));
  EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            (QStringList{"ok.bmp", "twin.bmp"}));
  EXPECT_EQ(QImage(out + "/twin.bmp").pixel(0, 0), qRgb(0, 255, 0));
}

TEST_F(CliExport, AWriteFailureStopsTheExportAndKeepsWhatWasWritten) {
  TSeSkinSource source;
  source.Bitmaps().Add(MakeBitmap("first", 1, 1, 0xFF000000));
  source.Bitmaps().Add(MakeBitmap("second", 1, 1, 0xFF000000));
  source.Bitmaps().Add(MakeBitmap("third", 1, 1, 0xFF000000));
  AddTopLevel(source, "Form");
  const QString skin = SaveSkin(source, Dir, "three.uskn");
  const QString out = Dir.filePath("out");
  ASSERT_TRUE(QDir().mkpath(out + "/second.bmp"));  // a folder where the file should go
  const TToolRun run = RunTool({"export", skin, out});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_EQ(run.Out, "Bitmap first saved as " + out + "/first.bmp\n");
  EXPECT_TRUE(run.Err.startsWith("vtskin: " + out + ": export stopped: ")) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains("second.bmp"));
  EXPECT_TRUE(QFile::exists(out + "/first.bmp"));
  EXPECT_FALSE(QFile::exists(out + "/third.bmp"));
}

TEST_F(CliExport, ProgressIsShownOnlyWhenAskedAndNeverInTheLog) {
  const TToolRun quiet = RunTool({"export", DemoSkin("demo-dark"), Dir.filePath("q")});
  const TToolRun shown = RunTool({"export", DemoSkin("demo-dark"), Dir.filePath("s")}, true);
  EXPECT_TRUE(quiet.Err.isEmpty());
  EXPECT_TRUE(shown.Err.contains("\rexporting 1/28"));
  EXPECT_TRUE(shown.Err.contains("\rexporting 28/28"));
  EXPECT_EQ(shown.Out, QString(quiet.Out).replace("/q/", "/s/"));
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

  // An exported image is named in the file system's encoding, not with the stored byte.
  source.Bitmaps().Add(MakeBitmap("Caf\xE9", 1, 1, 0xFF102030));
  SaveSkin(source, Dir, "euro.uskn");
  const TToolRun exported = RunTool({"export", path, Dir.filePath("out")});
  EXPECT_EQ(exported.Out, QString::fromUtf8("Bitmap Café saved as ") + Dir.filePath("out") +
                              QString::fromUtf8("/Café.bmp\n"));
  EXPECT_TRUE(QFile::exists(Dir.filePath(QString::fromUtf8("out/Café.bmp"))));
}

}  // namespace
}  // namespace vt::test
