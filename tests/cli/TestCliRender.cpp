// render, region and thumbnail: the pictures read back and probed, the thumbnails as file
// managers ask for them, and the demo skins' button captions as pictures show them.
#include <QImage>
#include <utility>

#include "CliTestUtil.h"
#include "skin/te_png.h"

namespace vt::test {
namespace {

class CliRender : public CliTest {
 protected:
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

}  // namespace
}  // namespace vt::test
