#include "GoldenImage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace vt::test {

namespace {

int ChannelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

bool UpdateRequested() {
  return qEnvironmentVariable("VTSKIN_UPDATE_GOLDEN") == "1";
}

QString GoldenPath(const QString& area_case) {
  return QStringLiteral(VTSKIN_TEST_DATA "/golden/") + area_case + QStringLiteral(".png");
}

}  // namespace

int CountDifferingPixels(const QImage& actual, const QImage& expected, int channel, QImage* diff) {
  const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
  const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
  if (diff) *diff = QImage(a.size(), QImage::Format_ARGB32);
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowE = reinterpret_cast<const QRgb*>(e.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      const bool same = ChannelDistance(rowA[x], rowE[x]) <= channel;
      differing += same ? 0 : 1;
      if (diff) diff->setPixel(x, y, same ? 0xFFFFFFFFu : 0xFFFF0000u);
    }
  }
  return differing;
}

void ExpectGolden(const QImage& actual, const QString& area_case, TGoldenTolerance tolerance) {
  const QString golden = GoldenPath(area_case);
  const QImage image = actual.convertToFormat(QImage::Format_ARGB32);
  if (UpdateRequested()) {
    QDir().mkpath(QFileInfo(golden).path());
    ASSERT_TRUE(image.save(golden)) << golden.toStdString();
    return;
  }
  const QImage expected(golden);
  ASSERT_FALSE(expected.isNull()) << "missing golden image " << golden.toStdString()
                                  << " (VTSKIN_UPDATE_GOLDEN=1 writes it)";
  ASSERT_EQ(expected.size(), image.size()) << golden.toStdString();
  QImage diff;
  const int differing = CountDifferingPixels(image, expected, tolerance.Channel, &diff);
  if (differing > tolerance.Pixels) {
    const QString base =
        QStringLiteral(VTSKIN_BUILD_DIR "/") + QString(area_case).replace('/', '-');
    image.save(base + "-actual.png");
    diff.save(base + "-diff.png");
  }
  EXPECT_LE(differing, tolerance.Pixels)
      << area_case.toStdString() << ": " << differing << " pixels differ; see " << VTSKIN_BUILD_DIR;
}

}  // namespace vt::test
