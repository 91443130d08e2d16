// TfrmMain: the actions every command runs through, the menus and the tool bars.
#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "editor/Glyphs.h"
#include "editor/Previews.h"
#include "editor/about.h"
#include "editor/main.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {

namespace {

struct TObjectKindButton {
  const char* Name;
  const char* Hint;
  const TClassInfo& (*Class)();
  bool Old;  // on the "Old" tab
};

const TObjectKindButton kObjectKindButtons[] = {
    {"btnSkinObject", "Container", &TSeSkinObject::StaticClassInfo, false},
    {"btnBitmapObject", "Bitmap Object", &TSeBitmapObject::StaticClassInfo, false},
    {"btnActiveObject", "Active Object (2 states)", &TSeActiveObject::StaticClassInfo, false},
    {"btnActiveBitmap", "Active Bitmap (2 states)", &TSeActiveBitmap::StaticClassInfo, false},
    {"btnSystemButton", "System Button (Close, Max, Min ...)", &TSeSystemButton::StaticClassInfo,
     false},
    {"btnButtonObject", "Button Object (5 states)", &TSeButtonObject::StaticClassInfo, false},
    {"btnTextObject", "Text Object (5 states)", &TSeTextObject::StaticClassInfo, false},
    {"btnBitmapSkinObject", "TSeBitmapSkinObject", &TSeBitmapSkinObject::StaticClassInfo, true},
    {"SpeedButton2", "TSeFormBitmapSkinObject", &TSeFormBitmapSkinObject::StaticClassInfo, true},
    {"SpeedButton3", "TSeSysButtonSkinObject", &TSeSysButtonSkinObject::StaticClassInfo, true},
    {"SpeedButton4", "TSeLinkSkinObject", &TSeLinkSkinObject::StaticClassInfo, true},
    {"SpeedButton5", "TSeActiveSkinObject", &TSeActiveSkinObject::StaticClassInfo, true},
    {"SpeedButton6", "TSeColorButtonObject", &TSeColorButtonObject::StaticClassInfo, true},
    {"SpeedButton7", "TSeBitmapBoxObject", &TSeBitmapBoxObject::StaticClassInfo, true},
    {"SpeedButton8", "TSeActiveBitmapBoxObject", &TSeActiveBitmapBoxObject::StaticClassInfo, true},
    {"SpeedButton9", "TSeButtonBitmapBoxObject", &TSeButtonBitmapBoxObject::StaticClassInfo, true},
    {"SpeedButton10", "TSeRollPanelObject", &TSeRollPanelObject::StaticClassInfo, true},
};

void BindButton(QWidget* root, const char* name, QAction* action) {
  if (auto* button = root->findChild<QToolButton*>(name)) button->setDefaultAction(action);
}

}  // namespace

QAction* TfrmMain::AddAction(const char* name, const char* category, const QString& caption,
                             const QKeySequence& shortcut, const QString& glyph) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  action->setProperty("category", category);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  if (!glyph.isEmpty()) action->setIcon(EditorGlyph(glyph));
  addAction(action);
  return action;
}

void TfrmMain::CreateActions() {
  connect(AddAction("actnFileNew", "file", "Create", QKeySequence("Ctrl+N"), "new"),
          &QAction::triggered, this, &TfrmMain::NewSkin);
  connect(AddAction("actnFileOpen", "file", "Open...", QKeySequence("Ctrl+O"), "open"),
          &QAction::triggered, this, &TfrmMain::OpenSkin);
  connect(AddAction("actnFileSave", "file", "Save", QKeySequence("Ctrl+S"), "save"),
          &QAction::triggered, this, &TfrmMain::SaveSkin);
  connect(AddAction("actnFileSaveAs", "file", "Save as...", {}, ""), &QAction::triggered, this,
          &TfrmMain::SaveSkinAs);
  AddAction("actnExport", "file", "Export Bitmaps....", {}, "export");
  QAction* undo = AddAction("actnUndo", "Edit", "&Undo", QKeySequence("Ctrl+Z"), "undo");
  connect(undo, &QAction::triggered, FDocument, &TSkinDocument::UndoLastChange);
  QAction* redo = AddAction("actnRedo", "Edit", "&Redo", QKeySequence("Ctrl+Y"), "redo");
  redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  connect(redo, &QAction::triggered, FDocument, &TSkinDocument::Redo);
  AddAction("actnCopy", "Edit", "Copy", QKeySequence("Ctrl+C"), "copy");
  AddAction("actnPaste", "Edit", "Paste", QKeySequence("Ctrl+V"), "paste");
  connect(AddAction("actnTestEmpty", "Test", "Test", {}, "test"), &QAction::triggered, this,
          [this] { Preview(static_cast<int>(TPreviewKind::pkForm)); });
  connect(AddAction("actnTest", "Test", "Control", {}, "control"), &QAction::triggered, this,
          [this] { Preview(static_cast<int>(TPreviewKind::pkControls)); });
  AddAction("actnAddImage", "", "Add Image...", QKeySequence("Ctrl+A"), "addimage");
  AddAction("actnDeleteImage", "", "Delete Image", QKeySequence("Ctrl+D"), "deleteimage");
  AddAction("actnReplaceImage", "", "Replace Image...", QKeySequence("Ctrl+R"), "replaceimage");
  // The picker leaves its colour on the clipboard, from where the designer pastes it.
  connect(AddAction("actnPickColor", "", "Pick...", {}, "pick"), &QAction::triggered, this,
          [this] { AskPickedColor(); });
  QAction* deleteObject = AddAction("actnDelete", "Edit", "Delete", {}, "delete");
  deleteObject->setToolTip("Delete");
  connect(deleteObject, &QAction::triggered, FDocument, &TSkinDocument::DeleteSelected);
  QAction* select = AddAction("actnSelect", "Edit", "Select", {}, "select");
  select->setCheckable(true);
  select->setChecked(true);
  AddAction("actnFront", "Edit", "Bring to Front", {}, "front")->setEnabled(false);

  BindButton(this, "btnNew", findChild<QAction*>("actnFileNew"));
  BindButton(this, "btnOpen", findChild<QAction*>("actnFileOpen"));
  BindButton(this, "btnSave", findChild<QAction*>("actnFileSave"));
  BindButton(this, "SpeedButton1", findChild<QAction*>("actnTestEmpty"));
  BindButton(this, "SpeedButton13", findChild<QAction*>("actnTest"));
  BindButton(this, "SpeedButton14", findChild<QAction*>("actnPickColor"));
  BindButton(this, "btnSelect", select);
  BindButton(this, "btnDelete", deleteObject);
  BindButton(this, "btnFront", findChild<QAction*>("actnFront"));
  BindButton(this, "SpeedButton11", findChild<QAction*>("actnCopy"));
  BindButton(this, "SpeedButton12", findChild<QAction*>("actnPaste"));
  FillObjectToolBars(*findChild<QToolBar*>("ToolBar2"), *findChild<QToolBar*>("SkinToolBar"));
  CreatePanelActions();
}

void TfrmMain::FillObjectToolBars(QToolBar& standard, QToolBar& old) {
  for (const TObjectKindButton& kind : kObjectKindButtons) {
    const TClassInfo& objectClass = kind.Class();
    auto* action =
        new QAction(EditorGlyph(QString::fromStdString(objectClass.Name)), kind.Hint, this);
    action->setToolTip(kind.Hint);
    connect(action, &QAction::triggered, this,
            [this, &objectClass] { FDocument->CreateSkinObject(objectClass); });
    QToolBar& bar = kind.Old ? old : standard;
    bar.addAction(action);
    bar.widgetForAction(action)->setObjectName(kind.Name);
  }
}

void TfrmMain::CreateMenus() {
  auto* menu = menuBar();
  menu->setObjectName("MainMenu");
  auto action = [this](const char* name) { return findChild<QAction*>(name); };
  QMenu* file = menu->addMenu("&File");
  file->addActions({action("actnFileNew"), action("actnFileOpen"), action("actnFileSave"),
                    action("actnFileSaveAs")});
  file->addSeparator();
  file->addAction(action("actnExport"));
  file->addSeparator();
  QAction* exit = file->addAction("&Exit");
  exit->setObjectName("Exit1");
  connect(exit, &QAction::triggered, this, &QWidget::close);
  QMenu* edit = menu->addMenu("&Edit");
  edit->addActions({action("actnUndo"), action("actnRedo")});
  edit->addSeparator();
  edit->addActions({action("actnCopy"), action("actnPaste")});
  QMenu* help = menu->addMenu("&Help");
  QAction* home = help->addAction("Veltrane on the Web");
  home->setObjectName("mnuVeltranehomepg");
  connect(home, &QAction::triggered, this,
          [] { QDesktopServices::openUrl(QUrl("https://www.veltrane.example/")); });
  help->addSeparator();
  QAction* about = help->addAction("About...");
  about->setObjectName("AboutSkinEditor");
  connect(about, &QAction::triggered, FAbout, &QDialog::exec);
}

void TfrmMain::UpdateActions() {
  findChild<QAction*>("actnUndo")->setEnabled(FDocument->CanUndo());
  findChild<QAction*>("actnRedo")->setEnabled(FDocument->CanRedo());
  findChild<QAction*>("actnDelete")->setEnabled(FDocument->Selected() != nullptr);
  findChild<QAction*>("actnCopy")->setEnabled(FDocument->Selected() != nullptr);
  findChild<QAction*>("actnPaste")->setEnabled(ClipboardHasObject());
  const bool imageSelected = FDocument->SelectedImage() != nullptr;
  findChild<QAction*>("actnDeleteImage")->setEnabled(imageSelected);
  findChild<QAction*>("actnReplaceImage")->setEnabled(imageSelected);
  findChild<QAction*>("actnExport")->setEnabled(FDocument->Source().Bitmaps().Count() > 0);
}

}  // namespace vt
