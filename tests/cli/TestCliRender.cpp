// Pictures (render, region, thumbnail) and the generated demo skins: the same in every
// variant, free of problems, and their look (every state linked) in golden images.
#include <QImage>
#include <QPainter>
#include <utility>

#include "CliTestUtil.h"
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

// The five states are in the golden sampler; here activity, the title and design mode.
TEST_F(CliRender, ActivityTextAndDesignModeChangeThePicture) {
  const QString skin = DemoSkin("demo-dark");
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

// The demo buttons' captions start inside the face's frame, not on it.
TEST_F(CliRender, DemoButtonTextKeepsClearOfTheFrame) {
  for (const char* stem : {"demo-light", "demo-dark"}) {
    const QStringList args{DemoSkin(stem), "Button/Face", "120x26"};
    const QImage plain = Render(args, "plain.png");
    const QImage text = Render(args + QStringList{"--text", "Hello text"}, "text.png");
    int first = -1, last = -1;
    for (int x = 0; x < plain.width(); ++x)
      for (int y = 0; y < plain.height(); ++y)
        if (plain.pixel(x, y) != text.pixel(x, y)) {
          if (first < 0) first = x;
          last = x;
        }
    EXPECT_GT(first, 5) << stem;
    EXPECT_TRUE(last >= first && last < 120 - 5) << stem;
  }
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
  for (const QPoint p : {QPoint(0, 0), QPoint(2, 0), QPoint(319, 0), QPoint(0, 199)})
    EXPECT_EQ(image.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
  for (const QPoint p : {QPoint(4, 0), QPoint(0, 4), QPoint(160, 100), QPoint(4, 199)})
    EXPECT_EQ(image.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();
}

// The larger side is the asked size (256 by default; the demo form is stored at 320 x 220),
// painted at that size rather than blown up, with the cache keys stored as given.
TEST_F(CliRender, ThumbnailsFitTheSquarePaintedAtThatSizeWithTheirKeys) {
  const QString out = Dir.filePath("t.png"), rendered = Dir.filePath("r.png");
  const std::pair<QStringList, QSize> cases[] = {{{DemoSkin("demo-light")}, {256, 176}},
                                                 {{DemoSkin("demo-dark", "uskn"), "64"}, {64, 44}},
                                                 {{DemoSkin("demo-dark"), "2048"}, {2048, 1408}},
                                                 {{DemoSkin("demo-dark"), "17"}, {17, 12}}};
  for (const auto& [args, size] : cases) {
    ASSERT_EQ(RunTool(QStringList{"thumbnail", args[0], out} + args.mid(1)).Code, kExitOk);
    EXPECT_EQ(LoadPngFile(out.toStdString()).size(), size) << args.join(' ').toStdString();
  }
  ASSERT_EQ(RunTool({"thumbnail", DemoSkin("demo-light"), out, "640", "--uri",
                     "file:///home/me/My%20Skin.mskn", "--mtime", "1700000000"})
                .Code,
            kExitOk);
  ASSERT_EQ(RunTool({"render", DemoSkin("demo-light"), "Form", "640x440", rendered, "--active",
                     "--text", "Veltrane Light"})
                .Code,
            kExitOk);
  const QImage image(out);
  EXPECT_EQ(image, QImage(rendered));
  EXPECT_EQ(image.text("Thumb::URI"), "file:///home/me/My%20Skin.mskn");
  EXPECT_EQ(image.text("Thumb::MTime"), "1700000000");
  EXPECT_TRUE(image.text("Software").startsWith("vtskin "));
}

using DemoSkins = CliTest;

// The variants' pixels round-trip in the skin tests; here the generated files agree.
TEST_F(DemoSkins, EveryVariantHoldsTheSameSkinWithoutProblems) {
  for (const char* stem : {"demo-light", "demo-dark"}) {
    const QString reference = RunTool({"dump", DemoSkin(stem, "mskn"), "--raw"}).Out;
    for (const char* extension : {"uskn", "kskn", "xskn", "mskn"}) {
      EXPECT_EQ(RunTool({"dump", DemoSkin(stem, extension), "--raw"}).Out, reference) << extension;
      EXPECT_EQ(RunTool({"check", DemoSkin(stem, extension)}).Code, kExitOk) << stem << extension;
    }
  }
}

// An active window without a title, then four parts in each of the five states (exact).
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
