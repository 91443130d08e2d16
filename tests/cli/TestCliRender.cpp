// Pictures: render, region and thumbnail read back and probed, thumbnails as file managers
// ask for them, and the generated demo skins: deterministic, the same in every storage
// variant and free of problems, with the transparency each image was painted for, every
// state linked, button captions clear of the frame, and their look in golden images.
#include <QImage>
#include <QPainter>
#include <set>
#include <tuple>
#include <utility>

#include "CliTestUtil.h"
#include "DemoSkin.h"
#include "GoldenImage.h"
#include "skin/te_png.h"

namespace vt::test {
namespace {

class CliRender : public CliTest {
 public:
  QImage Render(const QStringList& extra, const QString& name = "out.png") {
    const QString path = Dir.filePath(name);
    const TToolRun run = RunTool(QStringList{"render"} + extra + QStringList{path});
    EXPECT_EQ(run.Code, kExitOk) << run.Err.toStdString();
    return LoadPngFile(path.toStdString());
  }
};

TEST_F(CliRender, ButtonHasSmoothTransparentCornersAndAnOpaqueFace) {
  const QImage button = Render({DemoSkin("demo-light"), "Button", "90x26"});
  ASSERT_EQ(button.size(), QSize(90, 26));
  EXPECT_EQ(qAlpha(button.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(button.pixel(45, 13)), 255);
  int partial = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      partial += qAlpha(button.pixel(x, y)) > 0 && qAlpha(button.pixel(x, y)) < 255;
  EXPECT_GT(partial, 0) << "the rounded corner keeps its partial alpha";
  // The outline is the look's line colour, the face between white and light grey.
  EXPECT_EQ(button.pixel(45, 0), qRgba(160, 167, 179, 255));
  EXPECT_GT(qGray(button.pixel(45, 13)), 220);
}

TEST_F(CliRender, StatesActivityTextAndDesignModeChangeThePicture) {
  const QString skin = DemoSkin("demo-dark");
  const QImage normal = Render({skin, "Button", "90x26"}, "n.png");
  const QImage hot = Render({skin, "Button", "90x26", "--state", "hot"}, "h.png");
  const QImage pressed = Render({skin, "Button", "90x26", "--state=PRESSED"}, "p.png");
  EXPECT_NE(normal.pixel(45, 6), hot.pixel(45, 6));
  EXPECT_NE(normal.pixel(45, 6), pressed.pixel(45, 6));
  EXPECT_NE(hot.pixel(45, 6), pressed.pixel(45, 6));

  const QImage inactive = Render({skin, "Form", "300x200"}, "i.png");
  const QImage active = Render({skin, "Form", "300x200", "--active"}, "a.png");
  const QImage titled = Render({skin, "Form", "300x200", "--active", "--text", "WWWWWW"}, "t.png");
  EXPECT_NE(inactive.pixel(0, 100), active.pixel(0, 100)) << "the frame's outline";
  EXPECT_NE(active.copy(30, 4, 80, 24), titled.copy(30, 4, 80, 24)) << "the title text";
  EXPECT_EQ(active.copy(0, 40, 300, 150), titled.copy(0, 40, 300, 150));

  // Design mode paints transparent backgrounds in the key colour.
  const QStringList title{DemoSkin("demo-light"), "Form/Title", "60x20"};
  EXPECT_EQ(Render(title, "plain.png").pixel(30, 10), 0u);
  EXPECT_EQ(Render(title + QStringList{"--design"}, "design.png").pixel(30, 10),
            qRgba(127, 0, 127, 255));
}

TEST_F(CliRender, RegionOfTheFormHasRoundedTopCorners) {
  const QString mask = Dir.filePath("mask.png");
  const TToolRun run = RunTool({"region", DemoSkin("demo-light"), "Form", "320x200", mask});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.contains("Bounds: 0,0 320x200\n"));
  const int rectangles = run.Out.section("Rectangles: ", 1).section('\n', 0, 0).toInt();
  EXPECT_GE(rectangles, 4) << "the rounded rows are bands of their own";
  const QImage image = LoadPngFile(mask.toStdString());
  ASSERT_EQ(image.size(), QSize(320, 200));
  // Only the pixels the corners leave fully transparent are outside the shape.
  for (const QPoint outside :
       {QPoint(0, 0), QPoint(2, 0), QPoint(0, 2), QPoint(319, 0), QPoint(0, 199), QPoint(319, 199)})
    EXPECT_EQ(image.pixel(outside), qRgb(0, 0, 0)) << outside.x() << "," << outside.y();
  for (const QPoint inside :
       {QPoint(4, 0), QPoint(0, 4), QPoint(160, 0), QPoint(160, 100), QPoint(4, 199)})
    EXPECT_EQ(image.pixel(inside), qRgb(255, 255, 255)) << inside.x() << "," << inside.y();
}

// The larger side is the asked size (256 by default); the demo form is stored at 320 x 220.
TEST_F(CliRender, ThumbnailsFitTheSquareAndKeepTheShape) {
  struct TCase {
    QString Skin;
    QStringList Size;
    QSize Expected;
  };
  const TCase cases[] = {{DemoSkin("demo-light"), {}, {256, 176}},
                         {DemoSkin("demo-dark", "uskn"), {"64"}, {64, 44}},
                         {DemoSkin("demo-dark"), {"2048"}, {2048, 1408}},
                         {DemoSkin("demo-dark"), {"17"}, {17, 12}}};
  for (const TCase& c : cases) {
    const QString out = Dir.filePath("t.png");
    const TToolRun run = RunTool(QStringList{"thumbnail", c.Skin, out} + c.Size);
    ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
    const QImage thumb = LoadPngFile(out.toStdString());
    EXPECT_EQ(thumb.size(), c.Expected) << c.Size.join("").toStdString();
    EXPECT_EQ(qAlpha(thumb.pixel(thumb.width() / 2, thumb.height() * 2 / 3)), 255);
  }
}

TEST_F(CliRender, AThumbnailIsTheWindowPaintedAtThatSizeNotABlowUp) {
  const QString thumbnail = Dir.filePath("t.png"), rendered = Dir.filePath("r.png");
  ASSERT_EQ(RunTool({"thumbnail", DemoSkin("demo-light"), thumbnail, "640"}).Code, kExitOk);
  ASSERT_EQ(RunTool({"render", DemoSkin("demo-light"), "Form", "640x440", rendered, "--active",
                     "--text", "Veltrane Light"})
                .Code,
            kExitOk);
  EXPECT_EQ(QImage(thumbnail), QImage(rendered));
}

// The keys of the freedesktop.org thumbnail cache are stored as given.
TEST_F(CliRender, ThumbnailCacheKeysAreStoredAsGiven) {
  const QString out = Dir.filePath("keys.png");
  const TToolRun run = RunTool({"thumbnail", DemoSkin("demo-light"), out, "64", "--uri",
                                "file:///home/me/My%20Skin.mskn", "--mtime", "1700000000"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  const QImage image(out);
  EXPECT_EQ(image.text("Thumb::URI"), "file:///home/me/My%20Skin.mskn");
  EXPECT_EQ(image.text("Thumb::MTime"), "1700000000");
  EXPECT_TRUE(image.text("Software").startsWith("vtskin "));
}

// The columns where two pictures of the same size differ: {first, last}, or {-1, -1}.
std::pair<int, int> DifferingColumns(const QImage& a, const QImage& b) {
  std::pair<int, int> columns{-1, -1};
  for (int x = 0; x < a.width(); ++x)
    for (int y = 0; y < a.height(); ++y)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        if (columns.first < 0) columns.first = x;
        columns.second = x;
      }
  return columns;
}

TEST_F(CliRender, DemoButtonTextKeepsClearOfTheFrame) {
  for (const char* stem : {"demo-light", "demo-dark"}) {
    const QStringList args{DemoSkin(stem), "Button/Face", "120x26"};
    const auto [first, last] = DifferingColumns(
        Render(args, "plain.png"), Render(args + QStringList{"--text", "Hello text"}, "text.png"));
    EXPECT_GT(first, 5) << stem;
    EXPECT_TRUE(last >= first && last < 120 - 5) << stem;
  }
}

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

// An active window without a title, then a push button, a check box and a scroll button
// in each of the five states: no text, so the comparison is exact.
QImage Specimen(CliRender& test, const QString& skin) {
  const auto picture = [&](const QStringList& args) {
    return test.Render(QStringList{skin} + args);
  };
  QImage sheet(240, 260, QImage::Format_ARGB32);
  sheet.fill(0);
  QPainter painter(&sheet);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, picture({"Form", "240x120", "--active"}));
  int y = 128;
  for (const char* state : {"normal", "hot", "pressed", "focused", "disabled"}) {
    painter.drawImage(0, y, picture({"Button/Face", "80x24", "--state", state}));
    painter.drawImage(88, y + 5, picture({"Checkbox/Checked", "13x13", "--state", state}));
    painter.drawImage(108, y + 3, picture({"ScrollBar/LeftButton", "17x17", "--state", state}));
    painter.drawImage(132, y, picture({"Edit/Frame", "100x22", "--state", state}));
    y += 26;
  }
  return sheet;
}

TEST_F(CliRender, DemoSpecimensMatchTheirGoldenImages) {
  for (const char* stem : {"demo-light", "demo-dark"})
    ExpectGolden(Specimen(*this, DemoSkin(stem)), QStringLiteral("cli/%1-sampler").arg(stem));
}

}  // namespace
}  // namespace vt::test
