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
  // The flat theme defines every family and paints with the theme colours.
  TTeFlatTheme flat;
  const std::string dflt = "default";
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
    EXPECT_TRUE((flat.*query)(0, dflt));

  flat.Colors().SetColor(ciButtonHot, RGB(10, 200, 30));
  flat.Colors().SetColor(ciWindowBorder, RGB(90, 80, 70));
  flat.Colors().SetColor(ciPanelNormal, RGB(1, 2, 3));
  QImage flatImage = BlankImage();
  TCanvas flatCanvas(flatImage);
  TtePartInfo buttonPart{{8, 8, 56, 56}, 0, kpsHot};
  flat.ButtonDraw(flatCanvas, 0, buttonPart, dflt);
  EXPECT_EQ(PixelToColor(flatImage.pixel(32, 32)), RGB(10, 200, 30));
  EXPECT_EQ(PixelToColor(flatImage.pixel(8, 32)), RGB(90, 80, 70));
  EXPECT_EQ(flatImage.pixel(7, 32), kUntouched);
  buttonPart.State = kpsSelected;
  flat.TabDrawTab(flatCanvas, 0, buttonPart, dflt);
  EXPECT_EQ(PixelToColor(flatImage.pixel(32, 32)), RGB(1, 2, 3));
  // Every theme paints every family.
  TteTheme base;
  TTeSkinFile empty;
  for (TteTheme* each : std::initializer_list<TteTheme*>{&flat, &base, &empty})
    EXPECT_GT(RenderContactSheet(*each).height(), 4000) << each->ClassName();
  // Lint problems name their object or image.
  TTestSkin linted;
  for (const TCatalogueObject& wanted : CatalogueObjects())
    if (!wanted.WindowFrame) {
      TSeSkinObject* object = linted.AddObject(wanted.SkinName);
      for (const TCataloguePart& part : wanted.Parts)
        if (part.Expected) linted.MakeColorButton(object, part.Part->Name());
    }
  linted.AddForm("Form");
  linted.AddForm("ToolWindow");
  EXPECT_TRUE(LintSkin(linted.Source()).empty());

  auto* link = new TSeBitmapObject(linted.Source().GetObjectByName("Button")->FindByName("Face"));
  link->SetName("Picture");
  link->Bitmap()->SetName("nosuch");
  delete linted.Source().GetObjectByName("Grid")->FindByName("Cell");
  linted.Source().Bitmaps().Add(new TteBitmap);
  linted.Source().Bitmaps().Bitmaps(1)->SetName("buttons");
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
  const std::vector<TSkinProblem> problems = LintSkin(linted.Source());
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
