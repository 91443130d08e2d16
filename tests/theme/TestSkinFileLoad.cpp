// The skin-backed theme's loading and saving (filters, the "QXLZ" stream, tables), shifts
// derived afresh from the loaded skin, copies and its registration; the contact sheet (golden
// sheet of the light demo skin, family and object options, the flat theme) and the skin lint's
// severities and paths (its messages: vtskin check's tests).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DemoTheme.h"
#include "GoldenImage.h"
#include "SkinThemeTestSkin.h"
#include "cli/VtSkin.h"
#include "skin/se_skinfilters.h"
#include "theme/te_catalogue.h"
#include "theme/te_contactsheet.h"
#include "theme/te_flattheme.h"
#include "theme/te_skinlint.h"
#include "theme/te_thememanager.h"

namespace vt {
namespace {

using namespace vt::testing;

std::vector<uint8_t> SavedBytes(TTeSkinFile& theme) {
  TMemoryStream stream;
  EXPECT_TRUE(theme.SaveToStream(stream));
  return stream.Bytes();
}

// The skin's body in the compressed envelope, without the 5-byte tag: "QXLZ" first.
std::vector<uint8_t> TaglessBytes(TSeSkinSource& source) {
  DefaultSkinFilter() = &SkinFilterClassOf<TSeSkinFilterCompressed>();
  TMemoryStream stream;
  source.SaveToStream(stream);
  const std::vector<uint8_t>& bytes = stream.Bytes();
  return bytes.size() < 5 ? std::vector<uint8_t>()
                          : std::vector<uint8_t>(bytes.begin() + 5, bytes.end());
}

QImage PaintCloseButton(TTeSkinFile& theme) {
  TteWindowInfo info;
  info.Rect = {0, 0, 200, 150};
  info.BorderIcons = BorderIconBit(kbiClose);
  return PaintWindow(theme, kwkSizeable, info);
}

// Saving switches the default filter to maximum compression, loading back to none.
TEST(SkinFileLoad, SaveAndLoadThroughStreamsWithTheDefaultFilterSwitching) {
  auto skin = TTestSkin::Full();
  skin->Source().SetSkinName("Coded");
  auto theme = skin->Theme();
  EXPECT_EQ(DefaultSkinFilter(), &SkinFilterClassOf<TSeSkinFilterUncompressed>())
      << "UpdateTheme leaves the uncompressed filter as the default";
  EXPECT_EQ(theme->GetName(), "Coded");

  const std::vector<uint8_t> bytes = SavedBytes(*theme);
  EXPECT_EQ(DefaultSkinFilter(), &SkinFilterClassOf<TSeSkinFilterMaxCompression>());
  ASSERT_GE(bytes.size(), 9u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), std::string("_MCT\0QXLZ", 9));

  TMemoryStream input(bytes);
  EXPECT_TRUE(TTeSkinFile::CanLoadFromStream(input));
  input.SetPosition(0);
  TTeSkinFile loaded;
  ASSERT_TRUE(loaded.LoadFromStream(input));
  EXPECT_EQ(DefaultSkinFilter(), &SkinFilterClassOf<TSeSkinFilterUncompressed>());
  EXPECT_EQ(loaded.GetName(), "Coded");
  EXPECT_EQ(loaded.LoadedSource().Count(), skin->Source().Count());
  EXPECT_EQ(PaintCloseButton(loaded), PaintCloseButton(*theme));
  EXPECT_EQ(loaded.GetFileName(), "") << "streams do not name a file";

  // A stream without the tag, starting with "QXLZ", loads too, also through the manager of
  // a theme class registered only once.
  RegisterSkinTheme();
  RegisterSkinTheme();
  const auto& classes = TteThemeManager::Instance().ThemeClasses();
  EXPECT_EQ(std::count(classes.begin(), classes.end(), &ThemeClassOf<TTeSkinFile>()), 1);
  EXPECT_EQ(std::count(classes.begin(), classes.end(), &ThemeClassOf<TTeFlatTheme>()), 1);
  const std::vector<uint8_t> tagless = TaglessBytes(skin->Source());
  ASSERT_EQ(std::string(tagless.begin(), tagless.begin() + 4), "QXLZ");
  TMemoryStream stream(tagless);
  EXPECT_TRUE(TTeSkinFile::CanLoadFromStream(stream));
  stream.SetPosition(0);
  std::unique_ptr<TteTheme> viaManager = LoadThemeFromStream(stream);
  ASSERT_TRUE(dynamic_cast<TTeSkinFile*>(viaManager.get()));
  EXPECT_EQ(static_cast<TTeSkinFile&>(*viaManager).LoadedSource().Count(), skin->Source().Count());
  for (std::string junk : {std::string("JUNKJUNKJUNK"), std::string("QX"), std::string()}) {
    TMemoryStream other(std::vector<uint8_t>(junk.begin(), junk.end()));
    EXPECT_FALSE(TTeSkinFile::CanLoadFromStream(other)) << junk;
  }
  // A failed load keeps the theme as it was.
  auto kept = skin->Theme();
  kept->SetFileName("kept.mskn");
  const QImage before = PaintCloseButton(*kept);

  // A skin without objects is no theme.
  TSeSkinSource empty;
  DefaultSkinFilter() = &SkinFilterClassOf<TSeSkinFilterMaxCompression>();
  TMemoryStream emptyStream;
  empty.SaveToStream(emptyStream);
  emptyStream.SetPosition(0);
  EXPECT_FALSE(kept->LoadFromStream(emptyStream));
  EXPECT_FALSE(kept->LoadFromSkinSource(empty));
  EXPECT_FALSE(kept->LoadFromFile("/nonexistent/folder/none.mskn"));
  EXPECT_EQ(kept->GetFileName(), "kept.mskn");
  EXPECT_EQ(PaintCloseButton(*kept), before);

  // A damaged stream raises, and the theme still paints its skin.
  std::vector<uint8_t> damaged = SavedBytes(*kept);
  for (size_t i = 20; i < damaged.size(); i += 7) damaged[i] ^= 0x5A;
  TMemoryStream damagedStream(damaged);
  EXPECT_THROW(kept->LoadFromStream(damagedStream), Exception);
  EXPECT_EQ(PaintCloseButton(*kept), before);
  // Tables come from the skin; saving writes them back.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string file = dir.filePath("tables.mskn").toStdString();
  auto tabled = TTestSkin::Full();
  tabled->Source().Colors().SetColor(ciButtonHot, RGB(1, 2, 3));
  tabled->Source().SysColors().SetColor(4, RGB(4, 5, 6));
  tabled->Source().Fonts().Font(fiButtonTextHot).SetName("Courier");
  EXPECT_EQ(tabled->Theme()->SysColors().GetColor(4), RGB(4, 5, 6));

  for (bool toFile : {false, true})
    for (int hue : {0, 60}) {
      auto theme = tabled->Theme();
      theme->SetDeltaHue(hue);
      theme->Colors().SetColor(ciButtonHot, RGB(7, 8, 9));
      theme->Fonts().Font(fiButtonTextHot).SetName("Verdana");
      TTeSkinFile reloaded;
      if (toFile) {
        ASSERT_TRUE(theme->SaveToFile(file));
        ASSERT_TRUE(reloaded.LoadFromFile(file));
        EXPECT_EQ(reloaded.GetFileName(), file);
        if (hue == 0) {
          EXPECT_EQ(PaintCloseButton(reloaded), PaintCloseButton(*theme));
        }
      } else {
        TMemoryStream stream;
        ASSERT_TRUE(theme->SaveToStream(stream));
        stream.SetPosition(0);
        ASSERT_TRUE(reloaded.LoadFromStream(stream));
      }
      const bool written = hue == 0;
      EXPECT_EQ(reloaded.Colors().GetColor(ciButtonHot), written ? RGB(7, 8, 9) : RGB(1, 2, 3))
          << "file " << toFile << " hue " << hue;
      EXPECT_EQ(reloaded.Fonts().Font(fiButtonTextHot).GetName(), written ? "Verdana" : "Courier")
          << "file " << toFile << " hue " << hue;
    }
  std::unique_ptr<TteTheme> fromFile = LoadThemeFromFile(file);
  EXPECT_TRUE(dynamic_cast<TTeSkinFile*>(fromFile.get()));
  // Shifts are derived afresh each time.
  auto shifted = TTestSkin::Full();
  shifted->Source().Colors().SetColor(ciButtonHot, RGB(200, 40, 40));
  auto stepped = shifted->Theme();
  stepped->SetDeltaHue(40);
  stepped->SetDeltaHue(80);
  stepped->SetDeltaBrightness(-10);
  stepped->SetDeltaBrightness(20);
  stepped->UpdateTheme();
  auto direct = shifted->Theme();
  direct->SetDeltas(80, 20);

  EXPECT_EQ(stepped->Colors().GetColor(ciButtonHot),
            ChangeColorBrightness(ChangeColorHue(RGB(200, 40, 40), 80), 20));
  EXPECT_EQ(PaintCloseButton(*stepped), PaintCloseButton(*direct));

  // The skin's images and object colours are shifted once, from the loaded skin.
  uint8_t r = 0x10, g = 0x20, b = 0x30;  // ButtonPixel(0)
  ChangeRGBHue(r, g, b, 80);
  ChangeRGBBrightness(r, g, b, 20);
  EXPECT_EQ(PaintCloseButton(*stepped).pixel(190, 10), 0xFF000000u | (r << 16) | (g << 8) | b);
  const TSeSkinObject* top = stepped->CachedObject(ceForm)->FindByName("Top");
  EXPECT_EQ(top->GetColor(),
            ChangeColorBrightness(
                ChangeColorHue(CodedColor(shifted->IdOf("Form", "Top"), scNormal), 80), 20));
  // The loaded skin itself is never shifted.
  EXPECT_EQ(stepped->LoadedSource().Bitmaps().Bitmaps(0)->Pixels(0, 0), TTestSkin::ButtonPixel(0));

  stepped->SetDeltas(0, 0);
  EXPECT_EQ(PaintCloseButton(*stepped), PaintCloseButton(*shifted->Theme()));
  // Assign copies the loaded skin.
  auto copied = TTestSkin::Full();
  auto original = copied->Theme();
  TTeSkinFile copy;
  copy.Assign(*original);
  const QImage expected = PaintCloseButton(*original);
  original.reset();
  EXPECT_EQ(PaintCloseButton(copy), expected) << "the copy owns its skin";
  EXPECT_NE(copy.CachedObject(ceForm), nullptr);

  // From a theme of another kind only the base part is copied.
  TTeFlatTheme flat;
  copy.Assign(flat);
  EXPECT_EQ(copy.GetName(), "Flat");
  EXPECT_NE(copy.CachedObject(ceForm), nullptr);
}

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
