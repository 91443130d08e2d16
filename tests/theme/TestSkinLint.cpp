// The skin lint as the engine gives it: each problem with its severity and the object path
// or image an editor selects for it (the messages themselves: `vtskin check`'s tests).
#include <gtest/gtest.h>

#include "SkinThemeTestSkin.h"
#include "theme/te_catalogue.h"
#include "theme/te_skinlint.h"

namespace vt {
namespace {

using namespace vt::testing;

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
