// The inspector's look: a button skin object with its font expanded and a colour row
// selected, compared with a reviewed screenshot. Text is drawn, so the comparison
// allows small differences: at most 0.5% of the pixels may differ by more than 24 in
// any channel.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>
#include <cstdlib>

#include "inspector/ZPropLst.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

constexpr int kChannelTolerance = 24;
constexpr double kDifferingShare = 0.005;

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

// Compares with tests/golden/inspector/<name>.png; VTSKIN_UPDATE_GOLDEN=1 rewrites it.
void ExpectMatchesGolden(const QImage& actual, const QString& name) {
  const QString golden = QStringLiteral(VTSKIN_TEST_DATA "/golden/inspector/") + name + ".png";
  if (qEnvironmentVariable("VTSKIN_UPDATE_GOLDEN") == "1") {
    QDir().mkpath(QFileInfo(golden).path());
    ASSERT_TRUE(actual.save(golden));
    return;
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
  ASSERT_EQ(expected.size(), actual.size());
  QImage diff(actual.size(), QImage::Format_RGB32);
  diff.fill(Qt::white);
  int differing = 0;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (ChannelDistance(actual.pixel(x, y), expected.pixel(x, y)) > kChannelTolerance) {
        ++differing;
        diff.setPixel(x, y, qRgb(255, 0, 0));
      }
  const double share = double(differing) / (actual.width() * actual.height());
  if (share > kDifferingShare) {
    actual.save(QStringLiteral(VTSKIN_BUILD_DIR "/") + name + "-actual.png");
    diff.save(QStringLiteral(VTSKIN_BUILD_DIR "/") + name + "-diff.png");
  }
  EXPECT_LE(share, kDifferingShare) << differing << " pixels differ; see " VTSKIN_BUILD_DIR;
}

TEST(PropListGolden, ButtonObject) {
  TSeButtonObject button(nullptr);
  button.SetName("Button");
  button.SetKind(TSeKind::skNone);
  button.SetWidth(75);
  button.SetHeight(23);
  button.Font()->SetStyle({TFontStyle::fsBold});
  TZPropList list;
  list.resize(240, 420);
  list.SetCurObj(&button);
  for (int i = 0; i < list.RowCount(); ++i)
    if (list.RowPath(i) == "Font") {
      list.SelectRow(i);
      list.ToggleCurrentRow();
      list.SelectRow(i + 2);  // Font\Color: a drop-down button
      break;
    }
  ASSERT_EQ(list.RowPath(list.CurrentRow()), "Font\\Color");
  const QImage shot = list.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ExpectMatchesGolden(shot, QStringLiteral("button-object"));
}

}  // namespace
}  // namespace vt::test
