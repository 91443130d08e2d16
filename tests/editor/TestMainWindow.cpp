// The main window: commands with the designer's answers given by the test.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>

#include "PanelTestUtil.h"
#include "editor/ObjectTree.h"
#include "editor/OpenDialog.h"
#include "editor/Previews.h"
#include "editor/WorkArea.h"
#include "inspector/ZPropLst.h"

namespace vt::test {
namespace {

struct MainWindowTest : PanelWindowTest {
  void Trigger(const char* action) { Window->findChild<QAction*>(action)->trigger(); }
  void Modify() {
    Document().Select(Source().GetFormObject());
    ChangeLeft(Document(), 3);
  }
};

TEST_F(MainWindowTest, SaveAsksForANameOnlyForANewModifiedDocument) {
  Trigger("actnFileSave");
  EXPECT_EQ(SaveDialogs, 0);  // nothing to save
  Modify();
  Trigger("actnFileSave");
  EXPECT_EQ(SaveDialogs, 1);  // cancelled: still modified
  EXPECT_TRUE(Window->Document().Modified());
  SaveName = Folder.Path("first.xskn");
  Trigger("actnFileSaveAs");
  EXPECT_TRUE(QFileInfo::exists(SaveName));
  EXPECT_EQ(Window->windowTitle(), "VtSkinEd  - [" + SaveName + "]");
  Modify();
  QFile::remove(SaveName);
  Trigger("actnFileSave");
  EXPECT_EQ(SaveDialogs, 2);
  EXPECT_TRUE(QFileInfo::exists(SaveName));  // saved under the new name without a dialog
  EXPECT_FALSE(Window->Document().Modified());
}

// The three answers of the close query; a failed save must not let the window close.
TEST_F(MainWindowTest, TheCloseQueryAsksOnlyWithChanges) {
  const std::tuple<bool, QMessageBox::StandardButton, bool> cases[] = {
      {false, QMessageBox::Cancel, true},
      {true, QMessageBox::Cancel, false},
      {true, QMessageBox::No, true},
      {true, QMessageBox::Yes, false},  // the save dialog is cancelled
      {true, QMessageBox::Yes, true}};
  for (int index = 0; index < 5; ++index) {
    SCOPED_TRACE(index);
    const auto& [modified, answer, closes] = cases[index];
    Open();
    if (modified) Modify();
    Answer = answer;
    SaveName = index == 4 ? Folder.Path("closed.mskn") : QString();
    Questions.clear();
    EXPECT_EQ(Window->close(), closes);
    EXPECT_EQ(Questions, modified ? QStringList{"Skin's was changed. Save?"} : QStringList());
    delete std::exchange(Window, nullptr);
  }
  EXPECT_TRUE(QFileInfo::exists(Folder.Path("closed.mskn")));
}

TEST_F(MainWindowTest, TheMaintenanceSwitchesShowTheSecretPanel) {
  const std::pair<QStringList, bool> cases[] = {{{"/plum", "/maintn", "/crate"}, true},
                                                {{"/plum", "/maintn", "/crate", "x.mskn"}, true},
                                                {{"/plum", "/maintn", "/Crate"}, false},
                                                {{"/plum"}, false}};
  for (const auto& [arguments, shown] : cases) {
    Errors.clear();
    Open(arguments);
    EXPECT_EQ(Window->findChild<QWidget*>("SecretPanel")->isVisible(), shown);
    // Without the switches the first argument is a skin file, which does not exist here.
    EXPECT_EQ(Errors.size(), shown ? 0u : 1u);
    delete std::exchange(Window, nullptr);
  }
}

// The preview skin, written to a private folder even when never saved, goes with the window.
TEST_F(MainWindowTest, ThePreviewSkinLivesInAPrivateFolder) {
  Modify();
  QString handed;
  const TPreviewRunner saved = SetPreviewRunner([&](QWidget*, const QString& file, TPreviewKind) {
    handed = file;
    TSeSkinSource source;
    source.LoadFromFile(file.toStdString());
    EXPECT_EQ(source.GetFormObject()->GetLeft(), 3);
  });
  Trigger("actnTestEmpty");
  SetPreviewRunner(saved);
  EXPECT_EQ(QFileInfo(handed).fileName(), "temp_skin.mskn");
  EXPECT_NE(QFileInfo(handed).absolutePath(), QCoreApplication::applicationDirPath());
  EXPECT_EQ(Window->Document().FileName(), "theme.mskn");
  delete std::exchange(Window, nullptr);
  EXPECT_FALSE(QFileInfo::exists(handed));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(handed).absolutePath()));
}

// A demo skin opens on the work area at 100 %; image and font branches clear the object
// selection, colour branches keep it; then Delete, Pick and the open dialog's preview.
TEST_F(MainWindowTest, TreeBranchesDeletePickAndTheOpenPreview) {
  Open({Folder.DemoCopy()});
  EXPECT_EQ(Window->findChild<QComboBox*>("cbScale")->currentText(), "100%");
  EXPECT_EQ(Window->CurrentPanel(), TCentrePanel::cpWork);
  TSkinDocument& document = Window->Document();
  TSeSkinObject* form = document.Source().GetFormObject();
  QTreeWidget& tree = Window->SkinTree();
  const std::tuple<const char*, TCentrePanel, bool> cases[] = {
      {"Colors", TCentrePanel::cpColors, true},
      {"SysColors", TCentrePanel::cpSysColors, true},
      {"Fonts", TCentrePanel::cpFonts, false},
      {"Images", TCentrePanel::cpImages, false}};
  for (const auto& [caption, panel, keeps] : cases) {
    SCOPED_TRACE(caption);
    Window->SelectObject(form);
    QTreeWidgetItem* node = tree.findItems(caption, Qt::MatchExactly).value(0);
    ASSERT_NE(node, nullptr);
    tree.scrollToItem(node);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
    EXPECT_EQ(Window->CurrentPanel(), panel);
    EXPECT_EQ(document.Selected() != nullptr, keeps);
  }

  TSeSkinObject* close = form->FindByName("Close");
  auto* parent = dynamic_cast<TSeSkinObject*>(close->Owner());
  Window->SelectObject(close);
  QTest::mouseClick(Window->findChild<QToolButton*>("btnDelete"), Qt::LeftButton);
  EXPECT_EQ(form->FindByName("Close"), nullptr);
  EXPECT_EQ(document.Selected(), parent);
  EXPECT_EQ(Window->Inspector().CurObj(), parent);
  EXPECT_TRUE(document.Modified());

  int shown = 0;
  Window->AskPickedColor = [&]() -> std::optional<TColor> { return ++shown, std::nullopt; };
  QTest::mouseClick(Window->findChild<QToolButton*>("SpeedButton14"), Qt::LeftButton);
  EXPECT_EQ(shown, 1);

  // The open dialog's preview pane reads the file the designer points at.
  TTeOpenThemeDialog dialog;
  dialog.ShowPreview(Folder.DemoCopy("xskn"));
  const QString details = dialog.findChild<QLabel*>("Details")->text();
  EXPECT_TRUE(details.contains("Veltrane Light")) << details.toStdString();
  EXPECT_FALSE(dialog.findChild<QLabel*>("Thumbnail")->pixmap().isNull());
  dialog.ShowPreview(Folder.Path("nothing.mskn"));
  EXPECT_TRUE(dialog.findChild<QLabel*>("Details")->text().isEmpty());
}

// Create an object, edit it in the inspector, undo, redo, save every variant, read back.
TEST_F(MainWindowTest, AWholeEditingSession) {
  Open({Folder.DemoCopy()});
  TSkinDocument& document = Window->Document();
  Window->SelectObject(document.Source().GetFormObject());

  QTest::mouseClick(Window->findChild<QToolButton*>("btnButtonObject"), Qt::LeftButton);
  TSeSkinObject* created = document.Selected();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->ClassInfo().Name, "TSeButtonObject");
  const int startWidth = created->GetWidth();

  TWorkArea& area = Window->WorkArea();
  TZPropList& inspector = Window->Inspector();
  ASSERT_EQ(inspector.CurObj(), created);
  int widthRow = 0;
  while (widthRow < inspector.RowCount() && inspector.RowPath(widthRow) != "Width") ++widthRow;
  ASSERT_TRUE(inspector.SelectRow(widthRow));
  inspector.InplaceEdit()->selectAll();
  QTest::keyClicks(inspector.InplaceEdit(), "44");
  QTest::keyClick(inspector.InplaceEdit(), Qt::Key_Return);
  EXPECT_EQ(created->GetWidth(), 44);
  const std::string name = created->GetName();
  const std::string edited = PropertyText(*created);

  // The keys go to the work area: in the inspector's edit they undo the typing.
  area.setFocus();
  QTest::keyClick(&area, Qt::Key_Z, Qt::ControlModifier);
  const auto current = [&] { return document.Source().GetFormObject()->FindByName(name); };
  ASSERT_TRUE(current());
  EXPECT_EQ(current()->GetWidth(), startWidth);
  QTest::keyClick(&area, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(current());
  EXPECT_EQ(PropertyText(*current()), edited);

  for (const QString extension : {"uskn", "kskn", "xskn", "mskn"}) {
    SCOPED_TRACE(extension.toStdString());
    SaveName = Folder.Path("session." + extension);
    Trigger("actnFileSaveAs");
    TSkinDocument reopened;
    reopened.Load(SaveName);
    TSeSkinObject* read = reopened.Source().GetFormObject()->FindByName(name);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(PropertyText(*read), edited);
  }
  EXPECT_TRUE(Errors.empty());
}

}  // namespace
}  // namespace vt::test
