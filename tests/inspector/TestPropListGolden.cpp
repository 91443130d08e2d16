// The inspector's look: a button skin object with its font expanded and a colour row
// selected. Text is drawn, so the comparison allows small differences: at most 0.5% of
// the pixels may differ by more than 24 in a channel.
#include <gtest/gtest.h>

#include "GoldenImage.h"
#include "inspector/ZPropLst.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

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
  ExpectGolden(shot, QStringLiteral("inspector/button-object"), {24, 240 * 420 / 200});
}

}  // namespace
}  // namespace vt::test
