// The generated demo skins: deterministic, the same in every storage variant and free of
// problems, with the transparency each image was painted for, every state linked, and
// their look frozen in golden images.
#include <QPainter>
#include <set>
#include <tuple>

#include "CliTestUtil.h"
#include "DemoSkin.h"
#include "GoldenImage.h"
#include "skin/te_png.h"

namespace vt::test {
namespace {

using DemoSkins = CliTest;

bool SamePixels(const TteBitmap& a, const TteBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (!std::equal(a.ScanLine(y), a.ScanLine(y) + a.Width(), b.ScanLine(y))) return false;
  return true;
}

TEST_F(DemoSkins, BuildingTwiceGivesTheSameImages) {
  const demo::TDemoSkin first = demo::BuildDemoSkin(demo::DarkLook());
  const demo::TDemoSkin second = demo::BuildDemoSkin(demo::DarkLook());
  ASSERT_EQ(first.Bitmaps.size(), second.Bitmaps.size());
  for (size_t i = 0; i < first.Bitmaps.size(); ++i)
    EXPECT_TRUE(SamePixels(*first.Bitmaps[i], *second.Bitmaps[i])) << first.Bitmaps[i]->Name();
}

TEST_F(DemoSkins, EveryVariantHoldsTheSameSkin) {
  for (const char* stem : {"demo-light", "demo-dark"}) {
    const TLoadedSkin reference = LoadSkinFile(DemoSkin(stem, "mskn"));
    const TToolRun referenceInfo = RunTool({"dump", DemoSkin(stem, "mskn"), "--raw"});
    for (const char* extension : {"uskn", "kskn", "xskn"}) {
      const TLoadedSkin other = LoadSkinFile(DemoSkin(stem, extension));
      ASSERT_EQ(other.Source->Bitmaps().Count(), reference.Source->Bitmaps().Count());
      for (int i = 0; i < other.Source->Bitmaps().Count(); ++i) {
        const TteBitmap& a = *reference.Source->Bitmaps().Bitmaps(i);
        const TteBitmap& b = *other.Source->Bitmaps().Bitmaps(i);
        EXPECT_TRUE(SamePixels(a, b)) << stem << "." << extension << " " << a.Name();
        EXPECT_EQ(a.AlphaFlag(), b.AlphaFlag()) << a.Name();
        EXPECT_EQ(a.KeyFlag(), b.KeyFlag()) << a.Name();
      }
      EXPECT_EQ(RunTool({"dump", DemoSkin(stem, extension), "--raw"}).Out, referenceInfo.Out);
    }
    for (const char* extension : {"uskn", "kskn", "xskn", "mskn"})
      EXPECT_EQ(RunTool({"check", DemoSkin(stem, extension)}).Code, kExitOk) << stem << extension;
  }
}

TEST_F(DemoSkins, KeyedImagesHaveNoPartialAlphaAndTheOthersDo) {
  const demo::TDemoSkin skin = demo::BuildDemoSkin(demo::LightLook());
  const std::set<std::string> keyed = {"splitter", "grid", "statusbar", "header"};
  for (const auto& bitmap : skin.Bitmaps) {
    EXPECT_TRUE(bitmap->KeyFlag()) << bitmap->Name() << ": the gaps between pieces are the key";
    EXPECT_EQ(bitmap->AlphaFlag(), keyed.count(bitmap->Name()) == 0) << bitmap->Name();
  }
}

TEST_F(DemoSkins, StatePartsLinkFiveDifferentLooks) {
  const TLoadedSkin skin = LoadSkinFile(DemoSkin("demo-light"));
  for (const char* path : {"Button/Face", "Edit/Frame", "Checkbox/Checked", "ScrollBar/HorzSlider",
                           "Tabs/Tab", "SpeedButton/FlatFace"}) {
    auto* part = dynamic_cast<TSeButtonObject*>(&FindObjectPath(skin, path));
    ASSERT_NE(part, nullptr) << path;
    std::set<std::tuple<int, int, int, int>> rects;
    for (const TteBitmapLink* link : {part->Bitmap(), part->BitmapHot(), part->BitmapPressed(),
                                      part->BitmapFocused(), part->BitmapDisabled()}) {
      EXPECT_TRUE(link->IsValid()) << path;
      const TRect r = link->Rect();
      rects.insert({r.Left, r.Top, r.Right, r.Bottom});
    }
    EXPECT_EQ(rects.size(), 5u) << path;
  }
}

// ---- Golden images --------------------------------------------------------------------------

QImage RenderPicture(const QString& skin, const QStringList& args) {
  QTemporaryDir dir;
  const QString path = dir.filePath("p.png");
  const TToolRun run = RunTool(QStringList{"render", skin} + args + QStringList{path});
  EXPECT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  return LoadPngFile(path.toStdString());
}

// An active window without a title, then a push button, a check box and a scroll button
// in each of the five states: no text, so the comparison is exact.
QImage Specimen(const QString& skin) {
  QImage sheet(240, 260, QImage::Format_ARGB32);
  sheet.fill(0);
  QPainter painter(&sheet);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, RenderPicture(skin, {"Form", "240x120", "--active"}));
  int y = 128;
  for (const char* state : {"normal", "hot", "pressed", "focused", "disabled"}) {
    painter.drawImage(0, y, RenderPicture(skin, {"Button/Face", "80x24", "--state", state}));
    painter.drawImage(88, y + 5,
                      RenderPicture(skin, {"Checkbox/Checked", "13x13", "--state", state}));
    painter.drawImage(108, y + 3,
                      RenderPicture(skin, {"ScrollBar/LeftButton", "17x17", "--state", state}));
    painter.drawImage(132, y, RenderPicture(skin, {"Edit/Frame", "100x22", "--state", state}));
    y += 26;
  }
  return sheet;
}

TEST_F(DemoSkins, SpecimensMatchTheirGoldenImages) {
  for (const char* stem : {"demo-light", "demo-dark"})
    ExpectGolden(Specimen(DemoSkin(stem)), QStringLiteral("cli/%1-sampler").arg(stem));
}

}  // namespace
}  // namespace vt::test
