// One golden-image comparison for the whole suite.
//
// ExpectGolden(actual, "area/case") compares `actual` with tests/golden/area/case.png.
// VTSKIN_UPDATE_GOLDEN=1 rewrites the reference instead (look at every changed image).
// On a mismatch the actual image and a diff (red where pixels differ by more than the
// tolerance) are written into the test's build folder, named after the case.
#pragma once

#include <QImage>
#include <QString>

namespace vt::test {

struct TGoldenTolerance {
  int Channel = 0;  // largest difference allowed in any of the four channels
  int Pixels = 0;   // how many pixels may exceed Channel
};

// Pixels of `actual` that differ from `expected` by more than `channel` in any channel;
// the images must have the same size.
int CountDifferingPixels(const QImage& actual, const QImage& expected, int channel,
                         QImage* diff = nullptr);

// GoogleTest assertions: call from a TEST body (failures are added, not thrown).
void ExpectGolden(const QImage& actual, const QString& area_case, TGoldenTolerance tolerance = {});

}  // namespace vt::test
