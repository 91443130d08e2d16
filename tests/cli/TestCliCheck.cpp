// vtskin check: each kind of problem, found in a small skin that has just that problem.
#include <functional>

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

}  // namespace
}  // namespace vt::test
