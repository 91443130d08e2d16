// The contact sheet (golden sheet of the light demo skin, family and object options, the
// flat theme) and the skin lint's severities and paths (its messages: vtskin check's tests).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DemoTheme.h"
#include "GoldenImage.h"
#include "SkinThemeTestSkin.h"
#include "cli/VtSkin.h"
#include "theme/te_catalogue.h"
#include "theme/te_contactsheet.h"
#include "theme/te_flattheme.h"
#include "theme/te_skinlint.h"

namespace vt {
namespace {

using namespace vt::testing;

// The labels' text allows small differences in 0.5% of the pixels.
TEST(ContactSheet, DemoSkinMatchesItsGoldenSheet) {
  const QImage sheet = RenderContactSheet(*DemoTheme(demo::LightLook()));
  vt::test::ExpectGolden(sheet, "theme/skin-sheet-demo-light",
                         {2, sheet.width() * sheet.height() / 200});
  // Family and object options; a misspelt object name paints as the default.
  auto demoTheme = DemoTheme(demo::LightLook());
  TContactSheetOptions scroll;
  scroll.Family = "scroll";
  const QImage scrollSheet = RenderContactSheet(*demoTheme, scroll);
  EXPECT_EQ(scrollSheet, RenderContactSheet(*demoTheme, scroll)) << "the sheet is deterministic";
  EXPECT_LT(scrollSheet.height(), 1000);

  TContactSheetOptions misspelt = scroll;
  misspelt.ObjectName = "ScrolBar";
  EXPECT_EQ(RenderContactSheet(*demoTheme, misspelt), scrollSheet);

  TContactSheetOptions unknown;
  unknown.Family = "Gauges";
  EXPECT_THROW(RenderContactSheet(*demoTheme, unknown), EInvalidOperation);
  // The tool writes the sheet.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto skin = TTestSkin::Full();
  const QString file = dir.filePath("coded.mskn"), sheetFile = dir.filePath("sheet.png");
  skin->Theme()->SaveToFile(file.toStdString());
  auto run = [](const QStringList& args) {
    QString text;
    QTextStream out(&text), err(&text);
    return RunVtSkin(args, out, err);
  };
  EXPECT_EQ(run({"sheet", file, sheetFile, "--family", "Check", "--object", "Checkbox"}), kExitOk);
  TContactSheetOptions options;
  options.Family = "Check";
  options.ObjectName = "Checkbox";
  const QImage direct = RenderContactSheet(*skin->Theme(), options);
  ASSERT_EQ(QImage(sheetFile).size(), direct.size());
  EXPECT_EQ(vt::test::CountDifferingPixels(QImage(sheetFile), direct, 2), 0);
  EXPECT_EQ(run({"sheet", file, sheetFile, "--family", "Gauges"}), kExitUsage);
  EXPECT_EQ(run({"sheet", dir.filePath("missing.mskn"), sheetFile}), kExitProblem);
}

TEST(FlatTheme, DefinesEveryFamilyAndPaintsWithTheThemeColours) {
  TTeFlatTheme theme;
  const std::string d = "default";
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
  TtePartInfo info{{8, 8, 56, 56}, 0, kpsHot};
  theme.ButtonDraw(canvas, 0, info, d);
  EXPECT_EQ(PixelToColor(image.pixel(32, 32)), RGB(10, 200, 30));
  EXPECT_EQ(PixelToColor(image.pixel(8, 32)), RGB(90, 80, 70));
  EXPECT_EQ(image.pixel(7, 32), kUntouched);
  info.State = kpsSelected;
  theme.TabDrawTab(canvas, 0, info, d);
  EXPECT_EQ(PixelToColor(image.pixel(32, 32)), RGB(1, 2, 3));
  // Every theme paints every family.
  TteTheme base;
  TTeSkinFile empty;
  for (TteTheme* each : std::initializer_list<TteTheme*>{&theme, &base, &empty})
    EXPECT_GT(RenderContactSheet(*each).height(), 4000) << each->ClassName();
  // Lint problems name their object or image.
  TTestSkin skin;
  for (const TCatalogueObject& wanted : CatalogueObjects())
    if (!wanted.WindowFrame) {
      TSeSkinObject* object = skin.AddObject(wanted.SkinName);
      for (const TCataloguePart& part : wanted.Parts)
        if (part.Expected) skin.MakeColorButton(object, part.Part->Name());
    }
  skin.AddForm("Form");
  skin.AddForm("ToolWindow");
  EXPECT_TRUE(LintSkin(skin.Source()).empty());

  auto* link = new TSeBitmapObject(skin.Source().GetObjectByName("Button")->FindByName("Face"));
  link->SetName("Picture");
  link->Bitmap()->SetName("nosuch");
  delete skin.Source().GetObjectByName("Grid")->FindByName("Cell");
  skin.Source().Bitmaps().Add(new TteBitmap);
  skin.Source().Bitmaps().Bitmaps(1)->SetName("buttons");
  struct TExpected {
    TSkinProblemSeverity Severity;
    std::string ObjectPath, ImageName, Where;
  };
  const TExpected expected[] = {
      {TSkinProblemSeverity::Error, "", "buttons", "image \"buttons\""},  // no pixels
      {TSkinProblemSeverity::Error, "", "buttons", "image \"buttons\""},  // a second "buttons"
      {TSkinProblemSeverity::Error, "Button/Face/Picture", "", "Button/Face/Picture"},
      {TSkinProblemSeverity::Warning, "Grid", "", "Grid"},
  };
  const std::vector<TSkinProblem> problems = LintSkin(skin.Source());
  ASSERT_EQ(problems.size(), std::size(expected));
  for (size_t i = 0; i < problems.size(); ++i) {
    EXPECT_EQ(problems[i].Severity, expected[i].Severity) << problems[i].Message;
    EXPECT_EQ(problems[i].ObjectPath, expected[i].ObjectPath) << problems[i].Message;
    EXPECT_EQ(problems[i].ImageName, expected[i].ImageName) << problems[i].Message;
    EXPECT_EQ(problems[i].Where(), expected[i].Where);
  }
}

}  // namespace
}  // namespace vt
