// vtskin check: each kind of problem, found in a small skin that has just that problem.
#include "CliTestUtil.h"
#include "skin/theme_se3objects.h"
#include "theme/te_catalogue.h"

namespace vt::test {
namespace {

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

class CliCheck : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    AddCompleteObjects(Source);
    Source.Bitmaps().Add(MakeBitmap("sheet", 20, 10, 0xFF808080));
  }
  // Saves the skin, runs check, and answers its report.
  TToolRun Check(const QString& extension = "mskn") {
    const QString path = SaveSkin(Source, Dir, "skin." + extension);
    const TToolRun run = RunTool({"check", path});
    Path = path;
    return run;
  }
  TSeBitmapObject* AddBitmapPart(const std::string& owner, const std::string& image, TRect rect) {
    auto* part = new TSeBitmapObject(Source.GetObjectByName(owner));
    part->SetName("Extra");
    part->Bitmap()->SetName(image);
    part->Bitmap()->SetRect(rect);
    return part;
  }
  TSeSkinSource Source;
  QString Path;
};

TEST_F(CliCheck, ACompleteSkinHasNoProblems) {
  const TToolRun run = Check();
  EXPECT_EQ(run.Code, kExitOk) << run.Out.toStdString();
  EXPECT_EQ(run.Out, Path + ": no problems found\n");
}

TEST_F(CliCheck, BothDemoSkinsPassInEveryVariant) {
  for (const char* stem : {"demo-light", "demo-dark"})
    for (const char* extension : {"uskn", "kskn", "xskn", "mskn"}) {
      const TToolRun run = RunTool({"check", DemoSkin(stem, extension)});
      EXPECT_EQ(run.Code, kExitOk) << run.Out.toStdString();
    }
}

TEST_F(CliCheck, LinksToMissingImagesAndBadRectangles) {
  AddBitmapPart("Button", "nosuch", {0, 0, 4, 4});
  AddBitmapPart("Edit", "SHEET", {10, 2, 24, 8})->SetName("Wide");
  AddBitmapPart("Grid", "sheet", {5, 5, 5, 9})->SetName("Flat");
  AddBitmapPart("Hint", "sheet", {0, 0, 20, 10});  // fine: the whole image, name in any case
  const TToolRun run = Check();
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_TRUE(run.Out.contains(
      Path + ": Button/Extra: Bitmap names image \"nosuch\", which the skin does not have\n"));
  EXPECT_TRUE(run.Out.contains(
      Path +
      ": Edit/Wide: Bitmap rectangle (10, 2, 24, 8) reaches outside image \"sheet\" (20x10)\n"))
      << run.Out.toStdString();
  EXPECT_TRUE(
      run.Out.contains(Path + ": Grid/Flat: Bitmap has the empty rectangle (5, 5, 5, 9)\n"));
  EXPECT_FALSE(run.Out.contains("Hint/"));
  EXPECT_TRUE(run.Out.endsWith(Path + ": 3 problems\n"));
}

TEST_F(CliCheck, EveryLinkPropertyIsChecked) {
  auto* button = new TSeButtonObject(Source.GetObjectByName("Panel"));
  button->SetName("States");
  button->BitmapDisabled()->SetName("gone");
  button->BitmapDisabled()->SetRect({0, 0, 1, 1});
  const TToolRun run = Check("uskn");
  EXPECT_TRUE(run.Out.contains(": Panel/States: BitmapDisabled names image \"gone\""));
}

TEST_F(CliCheck, DuplicateImageAndObjectNames) {
  Source.Bitmaps().Add(MakeBitmap("Sheet", 1, 1, 0));
  AddTopLevel(Source, "BUTTON");
  const TToolRun run = Check();
  EXPECT_TRUE(run.Out.contains(
      ": image \"Sheet\": images 1 and 2 share this name; links always find the first\n"));
  EXPECT_TRUE(run.Out.contains(
      ": BUTTON: top-level objects 2 and 29 share this name; only the first is used\n"))
      << run.Out.toStdString();
  EXPECT_TRUE(run.Out.endsWith(": 2 problems\n"));
}

TEST_F(CliCheck, MissingLookedUpObjectsAndParts) {
  Source.DeleteObject(Source.GetObjectByName("Hint"));
  TSeSkinObject* scroll = Source.GetObjectByName("ScrollBar");
  delete scroll->FindByName("VertSlider");
  TSeSkinObject* progress = Source.GetObjectByName("ProgressBar");
  progress->FindByName("FrameVert")->SetName("Frame");  // one of the alternatives is enough
  delete progress->FindByName("BarVert");
  const TToolRun run = Check("kskn");
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_TRUE(
      run.Out.contains(Path + ": the skin has no \"Hint\" object; hints will paint plainly\n"));
  EXPECT_TRUE(run.Out.contains(
      Path + ": ScrollBar: has no part \"VertSlider\", which scroll bars paint\n"));
  EXPECT_TRUE(run.Out.contains(
      Path + ": ProgressBar: has no part \"BarVert\" or \"Bar\", which progress bars paint\n"));
  EXPECT_TRUE(run.Out.endsWith(": 3 problems\n")) << run.Out.toStdString();
}

TEST_F(CliCheck, WindowFramesNeedClientCaptionAndCloseButton) {
  TSeSkinObject* tool = Source.GetObjectByName("ToolWindow");
  delete tool->FindByName("Client");
  delete tool->FindByName("Caption");
  const TToolRun run = Check();
  EXPECT_TRUE(run.Out.contains(": ToolWindow: has no client-area child (Kind skClient)"));
  EXPECT_TRUE(run.Out.contains(": ToolWindow: has no caption or title object"));
  EXPECT_TRUE(run.Out.contains(": ToolWindow: has no close button"));
  EXPECT_TRUE(run.Out.endsWith(": 3 problems\n"));
}

TEST_F(CliCheck, ImagesWithoutPixels) {
  auto* empty = new TteBitmap;
  empty->SetName("void");
  Source.Bitmaps().Add(empty);
  const TToolRun run = Check("uskn");
  EXPECT_TRUE(run.Out.contains(": image \"void\": the image has no pixels\n"))
      << run.Out.toStdString();
}

TEST_F(CliCheck, RecordsOfUnknownClassesAreReported) {
  AddTopLevel(Source, "Spare");
  const QString path = SaveSkin(Source, Dir, "unknown.uskn");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  // The last record's class name: the last "TSeSkinObject" but one (the last one is in
  // the record's property text).
  const qsizetype inText = bytes.lastIndexOf("TSeSkinObject");
  const qsizetype className = bytes.lastIndexOf("TSeSkinObject", inText - 1);
  bytes.replace(className, 13, "TQqBogusThing");
  file.seek(0);
  file.write(bytes);
  file.close();
  const TToolRun run = RunTool({"check", path});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_TRUE(run.Out.contains("TQqBogusThing")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.endsWith(": 1 problem\n"));
}

}  // namespace
}  // namespace vt::test
