// render, region and thumbnail: the pictures read back and probed.
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

TEST_F(CliRender, StatesActivityAndTextChangeThePicture) {
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
}

TEST_F(CliRender, DesignModePaintsTransparentBackgroundsInTheKeyColour) {
  const QStringList args{DemoSkin("demo-light"), "Form/Title", "60x20"};
  const QImage plain = Render(args, "plain.png");
  const QImage design = Render(args + QStringList{"--design"}, "design.png");
  EXPECT_EQ(plain.pixel(30, 10), 0u);
  EXPECT_EQ(design.pixel(30, 10), qRgba(127, 0, 127, 255));
}

TEST_F(CliRender, AnUnwritablePictureIsAProblemNamingIt) {
  const QString target = Dir.filePath("missing/out.png");
  const TToolRun run = RunTool({"render", DemoSkin("demo-light"), "Button", "10x10", target});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_TRUE(run.Err.startsWith("vtskin: " + target + ": cannot write the picture: "));
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

TEST_F(CliRender, ThumbnailFitsTheSquareAndKeepsTheShape) {
  const QString big = Dir.filePath("big.png"), small = Dir.filePath("small.png");
  ASSERT_EQ(RunTool({"thumbnail", DemoSkin("demo-light"), big}).Code, kExitOk);
  ASSERT_EQ(RunTool({"thumbnail", DemoSkin("demo-dark", "uskn"), small, "64"}).Code, kExitOk);
  EXPECT_EQ(LoadPngFile(big.toStdString()).size(), QSize(256, 176));
  const QImage thumb = LoadPngFile(small.toStdString());
  EXPECT_EQ(thumb.size(), QSize(64, 44));
  EXPECT_EQ(qAlpha(thumb.pixel(32, 30)), 255);
}

TEST_F(CliRender, ThumbnailNeedsAForm) {
  TSeSkinSource source;
  AddTopLevel(source, "Button");
  const QString path = SaveSkin(source, Dir, "noform.kskn");
  const TToolRun run = RunTool({"thumbnail", path, Dir.filePath("t.png")});
  EXPECT_EQ(run.Code, kExitProblem);
  EXPECT_TRUE(run.Err.startsWith("vtskin: " + path + ": the skin has no form object"));
}

}  // namespace
}  // namespace vt::test
