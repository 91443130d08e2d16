// The catalogue's readers: the contact sheet (the golden sheet of the light demo skin,
// looked at by eye when it changes, the family and object options, the built-in flat theme
// painting every family) and the skin lint, each problem with its severity and the object
// path or image an editor selects for it (the messages themselves: vtskin check's tests).
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

// Text is drawn in the labels: colour differences of up to 2 anywhere, larger ones in at
// most 0.5% of the pixels, allow for font rendering.
void ExpectSheet(const QImage& sheet, const QString& name) {
  vt::test::ExpectGolden(sheet, "theme/" + name, {2, sheet.width() * sheet.height() / 200});
}

TEST(ContactSheet, DemoSkinMatchesItsGoldenSheet) {
  ExpectSheet(RenderContactSheet(*DemoTheme(demo::LightLook())), "skin-sheet-demo-light");
}

TEST(ContactSheet, FamiliesAndObjectNames) {
  auto theme = DemoTheme(demo::LightLook());
  TContactSheetOptions scroll;
  scroll.Family = "scroll";
  const QImage sheet = RenderContactSheet(*theme, scroll);
  EXPECT_EQ(sheet, RenderContactSheet(*theme, scroll)) << "the sheet is deterministic";
  EXPECT_LT(sheet.height(), 1000);
  for (int y = 0; y < sheet.height(); y += 7)
    for (int x = 0; x < sheet.width(); x += 7) ASSERT_EQ(qAlpha(sheet.pixel(x, y)), 255);

  TContactSheetOptions misspelt = scroll;
  misspelt.ObjectName = "ScrolBar";
  EXPECT_EQ(RenderContactSheet(*theme, misspelt), sheet);

  TContactSheetOptions unknown;
  unknown.Family = "Gauges";
  EXPECT_THROW(RenderContactSheet(*theme, unknown), EInvalidOperation);
  const std::vector<std::string> families = ContactSheetFamilies();
  ASSERT_EQ(families.size(), CatalogueFamilies().size());
  for (size_t i = 0; i < families.size(); ++i) EXPECT_EQ(families[i], CatalogueFamilies()[i].Name);
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
  TContactSheetOptions options;
  options.Family = "Check";
  options.ObjectName = "Checkbox";
  const QImage direct = RenderContactSheet(*skin->Theme(), options);
  const QImage written(sheet);
  ASSERT_EQ(written.size(), direct.size());
  EXPECT_EQ(vt::test::CountDifferingPixels(written, direct, 2), 0);
  EXPECT_EQ(run({"sheet", file, sheet, "--family", "Gauges"}), kExitUsage);
  EXPECT_EQ(run({"sheet", dir.filePath("missing.mskn"), sheet}), kExitProblem);
}

TEST(ContactSheet, EveryThemePaintsEveryFamily) {
  TTeFlatTheme flat;
  TteTheme base;
  TTeSkinFile empty;
  for (TteTheme* theme : std::initializer_list<TteTheme*>{&flat, &base, &empty})
    EXPECT_GT(RenderContactSheet(*theme).height(), 4000) << theme->ClassName();
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

TEST(SkinLint, ProblemsNameTheirObjectOrImage) {
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
