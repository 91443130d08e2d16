// The contact sheet: golden sheets of both demo skins (looked at by eye when they change),
// the family and object options, and the built-in flat theme painting every family.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "DemoSkin.h"
#include "SkinThemeTestSkin.h"
#include "cli/VtSkin.h"
#include "theme/te_contactsheet.h"
#include "theme/te_flattheme.h"

namespace vt {
namespace {

using namespace vt::testing;

std::unique_ptr<TTeSkinFile> DemoTheme(const demo::TLook& look) {
  demo::TDemoSkin skin = demo::BuildDemoSkin(look);
  TSeSkinSource source;
  demo::StoreDemoSkin(skin, source);
  auto theme = std::make_unique<TTeSkinFile>();
  EXPECT_TRUE(theme->LoadFromSkinSource(source));
  return theme;
}

// Text is drawn in the labels, so the comparison allows what font rendering may vary:
// colour differences of up to 2 anywhere, larger ones in at most 0.5% of the pixels.
struct TImageDifference {
  int64_t Pixels = 0;
  QImage Diff;
};

TImageDifference Compare(const QImage& actual, const QImage& expected) {
  TImageDifference result;
  result.Diff = QImage(actual.size(), QImage::Format_RGB32);
  result.Diff.fill(Qt::white);
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x) {
      const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
      const int d = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                              std::abs(qBlue(a) - qBlue(e))});
      if (d <= 2) continue;
      ++result.Pixels;
      result.Diff.setPixel(x, y, qRgb(255, 0, 0));
    }
  return result;
}

void ExpectGolden(const QImage& actual, const QString& name) {
  const QString golden = QString(VTSKIN_TEST_DATA) + "/golden/theme/" + name + ".png";
  if (qEnvironmentVariableIntValue("VTSKIN_UPDATE_GOLDEN") == 1) {
    QDir().mkpath(QFileInfo(golden).path());
    ASSERT_TRUE(actual.save(golden));
    return;
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(expected.isNull()) << golden.toStdString() << " is missing";
  const QImage current = actual.convertToFormat(QImage::Format_RGB32);
  const QString out = QString(VTSKIN_BUILD_DIR) + "/" + name;
  if (expected.size() != current.size()) {
    current.save(out + "-actual.png");
    FAIL() << name.toStdString() << ": size differs; actual written to " << out.toStdString();
  }
  const TImageDifference difference = Compare(current, expected);
  const int64_t allowed = int64_t(current.width()) * current.height() / 200;
  if (difference.Pixels > allowed) {
    current.save(out + "-actual.png");
    difference.Diff.save(out + "-diff.png");
  }
  EXPECT_LE(difference.Pixels, allowed)
      << name.toStdString() << ": actual and diff written beside " << out.toStdString();
}

TEST(ContactSheet, DemoSkinsMatchTheirGoldenSheets) {
  ExpectGolden(RenderContactSheet(*DemoTheme(demo::LightLook())), "skin-sheet-demo-light");
  ExpectGolden(RenderContactSheet(*DemoTheme(demo::DarkLook())), "skin-sheet-demo-dark");
}

TEST(ContactSheet, FamiliesAndObjectNames) {
  auto theme = DemoTheme(demo::LightLook());
  TContactSheetOptions scroll;
  scroll.Family = "scroll";
  const QImage sheet = RenderContactSheet(*theme, scroll);
  EXPECT_EQ(sheet, RenderContactSheet(*theme, scroll)) << "the sheet is deterministic";
  EXPECT_LT(sheet.height(), 1000);
  EXPECT_EQ(sheet.format(), QImage::Format_ARGB32);
  for (int y = 0; y < sheet.height(); y += 7)
    for (int x = 0; x < sheet.width(); x += 7) ASSERT_EQ(qAlpha(sheet.pixel(x, y)), 255);

  TContactSheetOptions misspelt = scroll;
  misspelt.ObjectName = "ScrolBar";
  EXPECT_EQ(RenderContactSheet(*theme, misspelt), sheet);

  TContactSheetOptions unknown;
  unknown.Family = "Gauges";
  EXPECT_THROW(RenderContactSheet(*theme, unknown), EInvalidOperation);
  EXPECT_EQ(ContactSheetFamilies().size(), 24u);
}

TEST(ContactSheet, ToolWritesTheSheet) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto skin = TTestSkin::Full();
  const QString file = dir.filePath("coded.mskn"), sheet = dir.filePath("sheet.png");
  skin->Theme()->SaveToFile(file.toStdString());
  auto run = [](const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    return RunVtSkin(args, outStream, errStream);
  };
  EXPECT_EQ(run({"sheet", file, sheet, "--family", "Check", "--object", "Checkbox"}), kExitOk);
  const QImage written(sheet);
  ASSERT_FALSE(written.isNull());
  TContactSheetOptions options;
  options.Family = "Check";
  options.ObjectName = "Checkbox";
  const QImage direct = RenderContactSheet(*skin->Theme(), options);
  ASSERT_EQ(written.size(), direct.size());
  EXPECT_EQ(Compare(written, direct).Pixels, 0);
  EXPECT_EQ(run({"sheet", file, sheet, "--family", "Gauges"}), kExitUsage);
  EXPECT_EQ(run({"sheet", file}), kExitUsage);
  EXPECT_EQ(run({"sheet", dir.filePath("missing.mskn"), sheet}), kExitProblem);
}

TEST(ContactSheet, EveryThemePaintsEveryFamily) {
  TTeFlatTheme flat;
  TteTheme base;
  TTeSkinFile empty;
  for (TteTheme* theme : std::initializer_list<TteTheme*>{&flat, &base, &empty}) {
    const QImage sheet = RenderContactSheet(*theme);
    EXPECT_GT(sheet.height(), 4000) << theme->ClassName();
  }
}

TEST(FlatTheme, DefinesEveryFamilyAndPaintsWithTheThemeColours) {
  TTeFlatTheme theme;
  const std::string d = "default";
  EXPECT_EQ(theme.GetName(), "Flat");
  for (auto query : {&TteTheme::IsWindowDefined,    &TteTheme::IsHintDefined,
                     &TteTheme::IsTextDefined,      &TteTheme::IsContainerDefined,
                     &TteTheme::IsButtonDefined,    &TteTheme::IsCheckDefined,
                     &TteTheme::IsSplitterDefined,  &TteTheme::IsScrollDefined,
                     &TteTheme::IsProgressDefined,  &TteTheme::IsTrackDefined,
                     &TteTheme::IsHeaderDefined,    &TteTheme::IsStatusDefined,
                     &TteTheme::IsEditDefined,      &TteTheme::IsGroupBoxDefined,
                     &TteTheme::IsEditFrameDefined, &TteTheme::IsBevelDefined,
                     &TteTheme::IsMenuDefined,      &TteTheme::IsControlBarDefined,
                     &TteTheme::IsToolBarDefined,   &TteTheme::IsScrollBoxDefined,
                     &TteTheme::IsPanelDefined,     &TteTheme::IsTabDefined,
                     &TteTheme::IsListBoxDefined,   &TteTheme::IsItemListDefined,
                     &TteTheme::IsGridDefined})
    EXPECT_TRUE((theme.*query)(0, d));

  theme.Colors().SetColor(ciButtonHot, RGB(10, 200, 30));
  theme.Colors().SetColor(ciWindowBorder, RGB(90, 80, 70));
  theme.Colors().SetColor(ciPanelNormal, RGB(1, 2, 3));
  QImage image = BlankImage();
  TCanvas canvas(image);
  TtePartInfo info;
  info.Rect = {8, 8, 56, 56};
  info.State = kpsHot;
  theme.ButtonDraw(canvas, 0, info, d);
  EXPECT_EQ(PixelToColor(image.pixel(32, 32)), RGB(10, 200, 30));
  EXPECT_EQ(PixelToColor(image.pixel(8, 32)), RGB(90, 80, 70));
  EXPECT_EQ(image.pixel(7, 32), kUntouched);
  info.State = kpsSelected;
  theme.TabDrawTab(canvas, 0, info, d);
  EXPECT_EQ(PixelToColor(image.pixel(32, 32)), RGB(1, 2, 3));
}

}  // namespace
}  // namespace vt
