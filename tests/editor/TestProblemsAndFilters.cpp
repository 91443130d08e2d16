// The Problems panel and the filter boxes, on the demo skin (which has no problem).
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "PanelTestUtil.h"
#include "editor/ObjectTree.h"
#include "editor/ProblemsPanel.h"
#include "inspector/ZPropLst.h"
#include "skin/se_skinpreview.h"

namespace vt::test {
namespace {

struct ProblemsAndFiltersTest : PanelWindowTest {
  void SetUp() override {
    PanelWindowTest::SetUp();
    ASSERT_TRUE(Window->LoadSkin(Folder.DemoCopy()));
    Settle();
  }
  // Lets the panel's coalescing timer fire.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  TProblemsPanel& Problems() { return Window->Problems(); }
  TSeSkinObject* Object(const char* path) { return FindSkinObjectByPath(Source(), path); }
  void ClickProblem(int row) {
    QListWidget& list = Problems().List();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
  }
  void Type(const char* box, const QString& text) {
    auto* edit = Window->findChild<QLineEdit*>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  // The captions of the tree's shown nodes, depth first.
  QStringList ShownNodes() {
    QStringList shown;
    for (QTreeWidgetItemIterator it(&Window->SkinTree()); *it; ++it)
      if (!(*it)->isHidden()) shown << (*it)->text(0);
    return shown;
  }
  QStringList InspectorRows() {
    QStringList rows;
    for (int i = 0; i < Window->Inspector().RowCount(); ++i)
      rows << QString::fromStdString(Window->Inspector().RowPath(i));
    return rows;
  }
};

// A dangling link shows a line that selects its object until the image comes.
TEST_F(ProblemsAndFiltersTest, ProblemLinesSelectWhatTheyAreAboutAndLintingIsCoalesced) {
  EXPECT_TRUE(Problems().isHidden());
  TSeBitmapObject& picture = AddPicture("nosuch");
  Document().Select(nullptr);
  Settle();
  ASSERT_TRUE(Problems().isVisible());
  ASSERT_EQ(Problems().List().count(), 1);
  EXPECT_TRUE(Problems().List().item(0)->text().contains("\"nosuch\""));

  ClickProblem(0);
  EXPECT_EQ(Document().Selected(), &picture);
  EXPECT_EQ(Window->SkinTree().currentItem(), Window->SkinTree().ItemOf(&picture));
  EXPECT_EQ(Window->Inspector().CurObj(), &picture);

  NextBitmap = SolidImage("nosuch", 4, 4);
  Press("Ctrl+A");
  Settle();
  EXPECT_TRUE(Problems().isHidden());

  // A line about an image selects that image among those of its name.
  for (int i = 0; i < 2; ++i) {
    NextBitmap = SolidImage("twice", 2, 2);
    Press("Ctrl+A");
  }
  Window->SelectObject(Source().GetFormObject());
  Settle();
  ASSERT_EQ(Problems().List().count(), 1);
  ClickProblem(0);
  TteBitmapList& images = Source().Bitmaps();
  EXPECT_EQ(Document().SelectedImage(), images.Bitmaps(images.Count() - 1));  // the second
  EXPECT_EQ(Window->CurrentPanel(), TCentrePanel::cpImages);

  // A burst of changes costs one lint.
  Document().Select(Object("Form/Caption/Title"));
  const int before = Problems().LintRuns();
  for (int left = 1; left <= 20; ++left) ChangeLeft(Document(), left);
  EXPECT_EQ(Problems().LintRuns(), before);  // nothing while the changes come
  Settle();
  EXPECT_EQ(Problems().LintRuns(), before + 1);
}

TEST_F(ProblemsAndFiltersTest, TheTreeAndInspectorFiltersKeepMatchesAndWhatHoldsThem) {
  Type("TreeFilter", "tRAy");
  const QStringList trayAndAncestors = {"Objects", "Form", "TopBand", "Caption", "Tray"};
  EXPECT_EQ(ShownNodes(), trayAndAncestors);

  Document().Select(Object("Button"));
  ChangeLeft(Document(), 3);  // the tree is built again
  EXPECT_EQ(ShownNodes(), trayAndAncestors);

  Type("TreeFilter", "");
  QStringList all;
  for (QTreeWidgetItemIterator it(&Window->SkinTree()); *it; ++it) all << (*it)->text(0);
  EXPECT_EQ(ShownNodes(), all);

  // The inspector filter keeps matches and what holds them.
  Window->SelectObject(Object("Form/Caption/Title"));
  const QStringList allRows = InspectorRows();
  Type("InspectorFilter", "CHARset");
  const QStringList filtered = InspectorRows();
  EXPECT_TRUE(filtered.contains("Font"));  // it holds Charset
  EXPECT_TRUE(filtered.contains("ActiveFont"));
  EXPECT_FALSE(filtered.contains("Left"));
  EXPECT_FALSE(filtered.contains("Color"));

  TZPropList& inspector = Window->Inspector();
  ASSERT_TRUE(inspector.SelectRow(static_cast<int>(filtered.indexOf("Font"))));
  inspector.ToggleCurrentRow();
  EXPECT_TRUE(InspectorRows().contains("Font\\Charset"));
  EXPECT_FALSE(InspectorRows().contains("Font\\Name"));

  ChangeLeft(Document(), 7);  // the inspector shows the object again
  EXPECT_FALSE(InspectorRows().contains("Left"));
  EXPECT_TRUE(InspectorRows().contains("ActiveFont"));

  Type("InspectorFilter", "");
  for (const QString& row : allRows)
    EXPECT_TRUE(InspectorRows().contains(row)) << row.toStdString();
}

}  // namespace
}  // namespace vt::test
