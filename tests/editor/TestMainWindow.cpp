// The main window: its commands with the designer's answers given by the test, the
// command line, the temporary preview skin, and one whole editing session.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "EditorTestUtil.h"
#include "editor/ObjectTree.h"
#include "editor/OpenDialog.h"
#include "editor/Previews.h"
#include "editor/WorkArea.h"
#include "editor/main.h"
#include "inspector/ErrorReport.h"
#include "inspector/ZPropLst.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

struct MainWindowTest : testing::Test {
  void SetUp() override {
    FSavedReport = SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
  }
  void TearDown() override {
    delete Window;
    SetErrorReport(FSavedReport);
  }
  // A window whose dialogs answer from the test's fields and count how often they ran.
  TfrmMain& Open(const QStringList& arguments = {}) {
    Window = new TfrmMain(arguments);
    Window->AskSaveFileName = [this]() -> std::optional<QString> {
      ++SaveDialogs;
      return SaveName.isEmpty() ? std::nullopt : std::optional(SaveName);
    };
    Window->AskOpenFileName = [this]() -> std::optional<QString> { return OpenName; };
    Window->AskYesNoCancel = [this](const QString& question) {
      Questions << question;
      return Answer;
    };
    Window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Window));
    return *Window;
  }
  void Trigger(const char* action) { Window->findChild<QAction*>(action)->trigger(); }
  void Modify() {
    Window->Document().Select(Window->Document().Source().GetFormObject());
    ChangeLeft(Window->Document(), 3);
  }

  TfrmMain* Window = nullptr;
  TSkinFolder Folder;
  QString SaveName, OpenName;
  int SaveDialogs = 0;
  QStringList Questions;
  QMessageBox::StandardButton Answer = QMessageBox::Cancel;
  std::vector<std::string> Errors;

 private:
  TErrorReport FSavedReport;
};

TEST_F(MainWindowTest, SaveAsksForANameOnlyForANewModifiedDocument) {
  Open();
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
  struct TCase {
    bool Modified;
    QMessageBox::StandardButton Answer;
    bool Closes;
  };
  const TCase cases[] = {{false, QMessageBox::Cancel, true},
                         {true, QMessageBox::Cancel, false},
                         {true, QMessageBox::No, true},
                         {true, QMessageBox::Yes, false},  // the save dialog is cancelled
                         {true, QMessageBox::Yes, true}};
  int index = 0;
  for (const TCase& c : cases) {
    SCOPED_TRACE(index);
    Open();
    if (c.Modified) Modify();
    Answer = c.Answer;
    SaveName = index == 4 ? Folder.Path("closed.mskn") : QString();
    Questions.clear();
    EXPECT_EQ(Window->close(), c.Closes);
    EXPECT_EQ(Questions.size(), c.Modified ? 1 : 0);
    if (c.Modified) {
      EXPECT_EQ(Questions[0], "Skin's was changed. Save?");
    }
    delete std::exchange(Window, nullptr);
    ++index;
  }
  EXPECT_TRUE(QFileInfo::exists(Folder.Path("closed.mskn")));
}

TEST_F(MainWindowTest, TheMaintenanceSwitchesShowTheSecretPanel) {
  const std::pair<QStringList, bool> cases[] = {
      {{"/plum", "/maintn", "/crate"}, true},
      {{"/plum", "/maintn", "/crate", "x.mskn"}, true},
      {{"/plum", "/maintn", "/Crate"}, false},
      {{"/plum"}, false},
  };
  for (const auto& [arguments, shown] : cases) {
    Errors.clear();
    Open(arguments);
    EXPECT_EQ(Window->findChild<QWidget*>("SecretPanel")->isVisible(), shown);
    // Without the switches the first argument is a skin file, which does not exist here.
    EXPECT_EQ(Errors.size(), shown ? 0u : 1u);
    EXPECT_EQ(Window->Document().FileName(), "theme.mskn");
    delete std::exchange(Window, nullptr);
  }
}

// The preview skin goes into a private folder, holds the skin in memory even when never
// saved, and disappears with the window.
TEST_F(MainWindowTest, ThePreviewSkinLivesInAPrivateFolder) {
  Open();
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
  EXPECT_TRUE(Window->Document().Modified());
  EXPECT_EQ(Window->Document().FileName(), "theme.mskn");
  delete std::exchange(Window, nullptr);
  EXPECT_FALSE(QFileInfo::exists(handed));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(handed).absolutePath()));
}

TEST_F(MainWindowTest, StartsOnTheWorkAreaAtOneHundredPercent) {
  Open({Folder.DemoCopy()});
  EXPECT_EQ(Window->findChild<QComboBox*>("cbScale")->currentText(), "100%");
  EXPECT_EQ(Window->CurrentPanel(), TCentrePanel::cpWork);
  EXPECT_EQ(Window->Document().FileName(), Folder.DemoCopy());
  EXPECT_EQ(Window->findChild<QToolBar*>("ToolBar2")->actions().size(), 7);
  EXPECT_EQ(Window->findChild<QToolBar*>("SkinToolBar")->actions().size(), 10);
}

// The image and font branches clear the object selection; the colour branches keep it.
TEST_F(MainWindowTest, TreeBranchesBringTheirPanelsToTheFront) {
  Open({Folder.DemoCopy()});
  TSkinDocument& document = Window->Document();
  QTreeWidget& tree = Window->SkinTree();
  const std::tuple<const char*, TCentrePanel, bool> cases[] = {
      {"Colors", TCentrePanel::cpColors, true},
      {"SysColors", TCentrePanel::cpSysColors, true},
      {"Fonts", TCentrePanel::cpFonts, false},
      {"Images", TCentrePanel::cpImages, false}};
  for (const auto& [caption, panel, keeps] : cases) {
    SCOPED_TRACE(caption);
    Window->SelectObject(document.Source().GetFormObject());
    QTreeWidgetItem* node = tree.findItems(caption, Qt::MatchExactly).value(0);
    ASSERT_NE(node, nullptr);
    tree.scrollToItem(node);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
    EXPECT_EQ(Window->CurrentPanel(), panel);
    EXPECT_EQ(document.Selected() != nullptr, keeps);
  }
}

TEST_F(MainWindowTest, TheDeleteButtonDeletesTheSelectedChild) {
  Open({Folder.DemoCopy()});
  TSeSkinObject* form = Window->Document().Source().GetFormObject();
  TSeSkinObject* close = form->FindByName("Close");
  auto* caption = dynamic_cast<TSeSkinObject*>(close->Owner());
  Window->SelectObject(close);
  QTest::mouseClick(Window->findChild<QToolButton*>("btnDelete"), Qt::LeftButton);
  EXPECT_EQ(form->FindByName("Close"), nullptr);
  EXPECT_EQ(Window->Document().Selected(), caption);
  EXPECT_EQ(Window->Inspector().CurObj(), caption);
  EXPECT_TRUE(Window->Document().Modified());
}

TEST_F(MainWindowTest, PickShowsTheColourPicker) {
  Open();
  int shown = 0;
  Window->AskPickedColor = [&]() -> std::optional<TColor> {
    ++shown;
    return std::nullopt;
  };
  auto* pick = Window->findChild<QToolButton*>("SpeedButton14");
  ASSERT_TRUE(pick->isEnabled());
  QTest::mouseClick(pick, Qt::LeftButton);
  EXPECT_EQ(shown, 1);
}

// The open dialog's preview pane reads the file the designer points at.
TEST_F(MainWindowTest, TheOpenDialogPreviewsTheSkinUnderTheCursor) {
  TTeOpenThemeDialog dialog;
  dialog.ShowPreview(Folder.DemoCopy("xskn"));
  const QString details = dialog.findChild<QLabel*>("Details")->text();
  EXPECT_TRUE(details.contains("Veltrane Light")) << details.toStdString();
  EXPECT_TRUE(details.contains(".xskn")) << details.toStdString();
  EXPECT_FALSE(dialog.findChild<QLabel*>("Thumbnail")->pixmap().isNull());
  EXPECT_TRUE(OpenThemeDialogFilter().startsWith("All (*.mskn *.uskn *.kskn *.xskn)"))
      << OpenThemeDialogFilter().toStdString();
  dialog.ShowPreview(Folder.Path("nothing.mskn"));
  EXPECT_TRUE(dialog.findChild<QLabel*>("Details")->text().isEmpty());
}

// One session: open a demo skin, create an object with its button, drag it with the
// mouse, change a property in the inspector with the keyboard, undo, redo, save in every
// variant, and read each file back.
TEST_F(MainWindowTest, AWholeEditingSession) {
  Open({Folder.DemoCopy()});
  TSkinDocument& document = Window->Document();
  QTreeWidgetItem* formNode = Window->SkinTree().ItemOf(document.Source().GetFormObject());
  ASSERT_NE(formNode, nullptr);
  QTreeWidget& tree = Window->SkinTree();
  tree.scrollToItem(formNode);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(formNode).center());
  ASSERT_EQ(document.Selected(), document.Source().GetFormObject());

  QTest::mouseClick(Window->findChild<QToolButton*>("btnButtonObject"), Qt::LeftButton);
  TSeSkinObject* created = document.Selected();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->ClassInfo().Name, "TSeButtonObject");
  const TRect start = created->BoundsRect();

  TWorkArea& area = Window->WorkArea();
  const TSeSkinObject& form = *document.CurrentForm();
  const QPoint centre((start.Left + start.Right) / 2 - form.GetLeft(),
                      (start.Top + start.Bottom) / 2 - form.GetTop());
  QTest::mousePress(&area, Qt::LeftButton, {}, centre);
  QMouseEvent move(QEvent::MouseMove, centre + QPoint(7, 4),
                   area.mapToGlobal(centre + QPoint(7, 4)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&area, &move);
  QTest::mouseRelease(&area, Qt::LeftButton, {}, centre + QPoint(7, 4));
  EXPECT_EQ(created->GetLeft(), start.Left + 7);
  EXPECT_EQ(created->GetTop(), start.Top + 4);

  TZPropList& inspector = Window->Inspector();
  ASSERT_EQ(inspector.CurObj(), created);
  int widthRow = -1;
  for (int i = 0; i < inspector.RowCount(); ++i)
    if (inspector.RowPath(i) == "Width") widthRow = i;
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
  TSeSkinObject* undone = document.Source().GetFormObject()->FindByName(name);
  ASSERT_NE(undone, nullptr);
  EXPECT_EQ(undone->GetWidth(), start.Width());
  QTest::keyClick(&area, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  TSeSkinObject* redone = document.Source().GetFormObject()->FindByName(name);
  ASSERT_NE(redone, nullptr);
  EXPECT_EQ(PropertyText(*redone), edited);

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
