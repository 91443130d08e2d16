// The fonts, colours and system colours panels, with the dialogs answered by the test.
#include <QListWidget>

#include "PanelTestUtil.h"

namespace vt::test {
namespace {

struct TablePanelsTest : PanelWindowTest {
  void SetUp() override {
    PanelWindowTest::SetUp();
    Window->AskColor = [this](TColor initial) {
      Initial.push_back(initial);
      return std::optional(NextColor);
    };
  }
  // Shows the panel of `list` and clicks its row.
  QListWidget& ClickRow(TCentrePanel panel, const char* list, int row) {
    Window->ShowPanel(panel);
    auto& widget = *Window->findChild<QListWidget*>(list);
    widget.scrollToItem(widget.item(row));
    QTest::mouseClick(widget.viewport(), Qt::LeftButton, {},
                      widget.visualItemRect(widget.item(row)).center());
    return widget;
  }
  std::vector<TColor> Initial;
  TColor NextColor = 0x00123456;
};

TEST_F(TablePanelsTest, ColourAndFontRowsTakeTheDialogsAnswers) {
  Window->ShowPanel(TCentrePanel::cpColors);
  Click("Button7");  // no row selected: nothing happens
  EXPECT_TRUE(Initial.empty());
  TSeSkinObject& form = *Source().GetFormObject();
  Document().Select(&form);
  TSeSkinObject* client = Document().CreateSkinObject(TSeSkinObject::StaticClassInfo());
  client->SetKind(TSeKind::skClient);
  Document().SetModified(false);
  ClickRow(TCentrePanel::cpColors, "ThemeColors", ciWindow);
  Click("Button7");
  EXPECT_EQ(Source().Colors().GetColor(ciWindow), NextColor);
  EXPECT_EQ(client->GetColor(), NextColor);
  EXPECT_TRUE(Document().Modified());

  NextColor = 0x00654321;  // another row leaves the client area alone
  ClickRow(TCentrePanel::cpColors, "ThemeColors", ciBorder);
  Click("Button7");
  EXPECT_EQ(Source().Colors().GetColor(ciBorder), NextColor);
  EXPECT_EQ(client->GetColor(), TColor(0x00123456));

  // Two system colour rows of one colour edit one entry.
  ClickRow(TCentrePanel::cpSysColors, "ThemeSysColors", 10);  // the second "clActiveCaption"
  Click("Button10");
  EXPECT_EQ(Source().SysColors().GetThemeSysColor(clActiveCaption), NextColor);
  ClickRow(TCentrePanel::cpSysColors, "ThemeSysColors", 1);
  Click("Button10");
  EXPECT_EQ(Initial.back(), NextColor);  // row 1 shows what row 10 set
  EXPECT_TRUE(Document().Modified());

  // Font rows take the dialog's font and colour.
  ClickRow(TCentrePanel::cpFonts, "ThemeFonts", 2);
  QFont chosen("Verdana", 12);
  chosen.setBold(true);
  Window->AskFont = [&](const QFont&) { return std::optional(chosen); };
  Click("Button8");
  const TFont& font = Source().Fonts().Font(2);
  EXPECT_EQ(font.GetName(), "Verdana");
  EXPECT_EQ(font.GetSize(), 12);
  EXPECT_TRUE(font.GetStyle().Contains(TFontStyle::fsBold));
  Click("Button11");
  EXPECT_EQ(Source().Fonts().Font(2).GetColor(), NextColor);
  EXPECT_TRUE(Document().Modified());
}

}  // namespace
}  // namespace vt::test
