// The parts a request finds are remembered between repaints: loading another skin,
// reloading, or shifting the hue must make every request find its part afresh.
#include <gtest/gtest.h>

#include "SkinThemeTestSkin.h"

namespace vt {
namespace {

using namespace vt::testing;

const TRect kProbeRect{8, 8, 56, 56};

QImage PaintTopButton(TTeSkinFile& theme, const std::string& objectName, uint8_t state = kpsHot) {
  QImage image = BlankImage();
  TCanvas canvas(image);
  TtePartInfo info;
  info.Rect = kProbeRect;
  info.Part = kspTopButton;
  info.State = state;
  theme.ScrollDrawButton(canvas, 0, info, objectName);
  return image;
}

TProbe ProbeTopButton(TTeSkinFile& theme, const std::string& objectName) {
  return ProbeAt(PaintTopButton(theme, objectName), 32, 32);
}

TEST(SkinFileLookups, RepaintsFindThePartsOfTheSkinLoadedNow) {
  TTestSkin first;
  first.AddObject("ScrollBar", {"TopButton"});
  first.AddObject("BlueScroll", {"TopButton"});
  // Numbered after the first skin's parts, so that a probe tells the skins apart.
  TTestSkin second;
  second.AddObject("Filler", {"A", "B", "C", "D"});
  second.AddObject("ScrollBar", {"BottomButton", "TopButton"});
  TTestSkin third;
  third.AddObject("Button", {"Face"});

  TTeSkinFile theme;
  ASSERT_TRUE(theme.LoadFromSkinSource(first.Source()));
  EXPECT_EQ(ProbeTopButton(theme, "default"), Expect(first.IdOf("ScrollBar", "TopButton"), scHot));
  EXPECT_EQ(ProbeTopButton(theme, "BlueScroll"),
            Expect(first.IdOf("BlueScroll", "TopButton"), scHot));

  ASSERT_TRUE(theme.LoadFromSkinSource(second.Source()));
  EXPECT_EQ(ProbeTopButton(theme, "default"), Expect(second.IdOf("ScrollBar", "TopButton"), scHot));
  // The named object is gone: the request falls back to the default object.
  EXPECT_EQ(ProbeTopButton(theme, "BlueScroll"),
            Expect(second.IdOf("ScrollBar", "TopButton"), scHot));

  ASSERT_TRUE(theme.LoadFromSkinSource(third.Source()));
  EXPECT_FALSE(ProbeTopButton(theme, "default").Painted);
  EXPECT_FALSE(ProbeTopButton(theme, "BlueScroll").Painted);
}

// A shift rebuilds every object from the loaded skin; the parts found before belong to
// the objects it replaced.
TEST(SkinFileLookups, AShiftedThemePaintsItsNewObjects) {
  TTestSkin skin;
  skin.AddObject("ScrollBar", {"TopButton"});
  auto theme = skin.Theme();
  const auto paint = [](TTeSkinFile& painted) {
    return PaintTopButton(painted, "default", kpsNormal);
  };
  const QImage unshifted = paint(*theme);
  theme->SetDeltaHue(120);
  auto shifted = skin.Theme();
  shifted->SetDeltaHue(120);
  EXPECT_EQ(paint(*theme), paint(*shifted));
  EXPECT_NE(paint(*theme), unshifted);
  theme->UpdateTheme();
  theme->SetDeltaHue(0);
  EXPECT_EQ(paint(*theme), unshifted);
}

}  // namespace
}  // namespace vt
