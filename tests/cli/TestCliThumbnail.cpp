// vtskin thumbnail as file managers call it: the asked size exactly, painted at that
// size, with the keys of the freedesktop.org thumbnail cache; and the demo skins' button
// captions as pictures show them.
#include <QImage>
#include <utility>

#include "CliTestUtil.h"

namespace vt::test {
namespace {

using CliThumbnail = CliTest;

TEST_F(CliThumbnail, TheLargerSideIsTheAskedSize) {
  // The demo form is stored at 320 x 220.
  struct TCase {
    const char* Size;
    QSize Expected;
  };
  for (const TCase& c :
       {TCase{"2048", {2048, 1408}}, TCase{"128", {128, 88}}, TCase{"17", {17, 12}}}) {
    const QString out = Dir.filePath(QString("t%1.png").arg(c.Size));
    const TToolRun run = RunTool({"thumbnail", DemoSkin("demo-dark"), out, c.Size});
    ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
    EXPECT_EQ(QImage(out).size(), c.Expected) << c.Size;
  }
}

TEST_F(CliThumbnail, AThumbnailIsTheWindowPaintedAtThatSizeNotABlowUp) {
  const QString thumbnail = Dir.filePath("t.png"), rendered = Dir.filePath("r.png");
  ASSERT_EQ(RunTool({"thumbnail", DemoSkin("demo-light"), thumbnail, "640"}).Code, kExitOk);
  ASSERT_EQ(RunTool({"render", DemoSkin("demo-light"), "Form", "640x440", rendered, "--active",
                     "--text", "Veltrane Light"})
                .Code,
            kExitOk);
  EXPECT_EQ(QImage(thumbnail), QImage(rendered));
}

TEST_F(CliThumbnail, TheCacheKeysAreStoredAsGiven) {
  const QString out = Dir.filePath("keys.png");
  const TToolRun run = RunTool({"thumbnail", DemoSkin("demo-light"), out, "64", "--uri",
                                "file:///home/me/My%20Skin.mskn", "--mtime", "1700000000"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err.toStdString();
  const QImage image(out);
  EXPECT_EQ(image.text("Thumb::URI"), "file:///home/me/My%20Skin.mskn");
  EXPECT_EQ(image.text("Thumb::MTime"), "1700000000");
  EXPECT_TRUE(image.text("Software").startsWith("vtskin "));
  for (const QStringList& bad : {QStringList{"--mtime", "yesterday"}, {"--uri", "my skin"}})
    EXPECT_EQ(RunTool(QStringList{"thumbnail", DemoSkin("demo-light"), out} + bad).Code, kExitUsage)
        << bad.join(' ').toStdString();
  EXPECT_EQ(RunTool({"thumbnail", DemoSkin("demo-light"), Dir.filePath("t.bmp")}).Code, kExitUsage);
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

TEST_F(CliThumbnail, DemoButtonTextKeepsClearOfTheFrame) {
  for (const char* stem : {"demo-light", "demo-dark"}) {
    const QString plain = Dir.filePath("plain.png"), text = Dir.filePath("text.png");
    const QStringList args{"render", DemoSkin(stem), "Button/Face", "120x26"};
    ASSERT_EQ(RunTool(args + QStringList{plain}).Code, kExitOk);
    ASSERT_EQ(RunTool(args + QStringList{text, "--text", "Hello text"}).Code, kExitOk);
    const auto [first, last] = DifferingColumns(QImage(plain), QImage(text));
    EXPECT_GT(first, 5) << stem;
    EXPECT_TRUE(last >= first && last < 120 - 5) << stem;
  }
}

}  // namespace
}  // namespace vt::test
