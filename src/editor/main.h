#pragma once
// TfrmMain: the editor's main window. It lays out the tool bars, the object tree, the
// work area and the inspector, owns the actions every command runs through, and turns
// the document's news into view updates. The skin itself belongs to TSkinDocument.
//
// Sections of main.cpp: creation and layout; actions, menus and tool bars (MainActions.cpp);
// document commands; selection and view updates.
#include <QMainWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

#include "editor/SkinDocument.h"
#include "inspector/ZPropEdit.h"
#include "rtl/Graphics.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace vt {

class TObjectTree;
class TProblemsPanel;
class TWorkArea;
class TZPropList;
class TfrmAbout;

// The centre panels, in the order ShowPanel numbers them.
enum class TCentrePanel { cpWork, cpImages, cpFonts, cpColors, cpSysColors };

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` are the command line without the program name.
  explicit TfrmMain(const QStringList& arguments = {}, QWidget* parent = nullptr);
  ~TfrmMain() override;

  TSkinDocument& Document() { return *FDocument; }
  TZPropList& Inspector() { return *FInspector; }
  TWorkArea& WorkArea() { return *FWorkArea; }
  TObjectTree& SkinTree() { return *FSkinTree; }
  TProblemsPanel& Problems() { return *FProblems; }
  // The temporary preview skin, in a folder of this process's own.
  QString TempSkinFile() const;

  // ---- Document commands
  bool CheckModified();
  void NewSkin();
  void OpenSkin();
  // Loads `fileName`; a failure is shown and leaves the document as it was.
  bool LoadSkin(const QString& fileName);
  // False when nothing was written although something should have been (cancelled or
  // failed).
  bool SaveSkin();
  bool SaveSkinAs();
  void ResetView();
  void Preview(int kind);

  // ---- Selection and view
  void SelectObject(TSeSkinObject* object);
  void ShowPanel(TCentrePanel panel);
  TCentrePanel CurrentPanel() const;
  void UpdateView();

  // What the window asks the designer, replaceable so that tests can answer. The defaults
  // show the open dialog, the save dialog and a message box.
  std::function<std::optional<QString>()> AskOpenFileName;
  std::function<std::optional<QString>()> AskSaveFileName;
  std::function<QMessageBox::StandardButton(const QString& question)> AskYesNoCancel;
  // The open-bitmap dialog: the new image, or nothing when cancelled.
  std::function<std::unique_ptr<TteBitmap>()> AskBitmap;

  // ---- Clipboard and images (MainPanels.cpp)
  void CopyObject();
  void PasteObject();
  bool ClipboardHasObject() const;
  void SelectImage(TteBitmap* image);
  void AddImage();
  void ReplaceImage();
  void DeleteImage();
  void ExportBitmaps();
  // ---- Maintenance and the charset (MainPanels.cpp)
  void ChangeCharset();
  void ChangeAllFonts();
  void ReplaceColor();
  void RemoveDuplicateImages();
  void PackImages();
  // ---- Fonts, colours and system colours (MainTables.cpp); each acts on the selected row
  // of its list and does nothing without one.
  void SelectThemeColor(bool pick);
  void SelectSysColor(bool pick);
  void ChangeThemeFont();
  void ChangeThemeFontColor();
  // The colour dialog, starting on `initial`; nothing when cancelled.
  std::function<std::optional<TColor>(TColor initial)> AskColor;
  // The colour picker; the picked colour, nothing when cancelled.
  std::function<std::optional<TColor>()> AskPickedColor;
  // Information for the designer ("3 color changed"); a message box unless replaced.
  std::function<void(const QString& message)> ShowMessage;
  // The font dialog, starting on `initial`; nothing when cancelled.
  std::function<std::optional<QFont>(const QFont& initial)> AskFont;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The font's family as the skins store it; nothing, after telling the designer, when
  // 8-bit text cannot hold its name.
  static std::optional<std::string> StoredFontName(const QFont& font);
  // Layout (main.cpp)
  void BuildLayout();
  QWidget* BuildTopPanel();
  QWidget* BuildLeftPanel();
  QWidget* BuildCentre();
  QWidget* BuildRightPanel();
  QWidget* BuildSecretPanel();
  void BuildProblemsPanel();
  void SelectImageNamed(const std::string& name, int index);
  QLineEdit* BuildFilterBox(const char* name);
  bool InspectorShows(const std::string& parentPath, const TPropertyRef& prop) const;
  QWidget* BuildImagesPanel();
  QWidget* BuildMaintenanceControls();
  QWidget* BuildTablePanel(TCentrePanel panel);
  void RepaintTables();
  void InstallColorDialogs();
  void ShowSelectedImage();
  void CreatePanelActions();
  // Actions, menus, tool bars (MainActions.cpp)
  void CreateActions();
  void CreateMenus();
  void FillObjectToolBars(QToolBar& standard, QToolBar& old);
  QAction* AddAction(const char* name, const char* category, const QString& caption,
                     const QKeySequence& shortcut, const QString& glyph);
  void UpdateActions();
  // Document news
  void ConnectDocument();
  void DocumentReplaced();
  void ObjectChanged(TSeSkinObject* object);
  void SelectionChanged();
  void ShowInspectorObject();
  void PutSampleTexts(TSeSkinObject& form);
  void TreeBranchChosen(int branch);
  bool RunWithoutDesignMode(const std::function<bool()>& operation);

  TSkinDocument* FDocument = nullptr;
  TZPropList* FInspector = nullptr;
  TObjectTree* FSkinTree = nullptr;
  TWorkArea* FWorkArea = nullptr;
  TProblemsPanel* FProblems = nullptr;
  QLineEdit* FTreeFilter = nullptr;
  QLineEdit* FInspectorFilter = nullptr;
  TfrmAbout* FAbout = nullptr;
  QScrollArea* FWorkScroll = nullptr;
  QStackedWidget* FCentre = nullptr;
  QComboBox* FScaleBox = nullptr;
  QComboBox* FCharsetBox = nullptr;
  QLabel* FTreeCaption = nullptr;
  QLabel* FFormLabel = nullptr;
  QLabel* FClassLabel = nullptr;
  QWidget* FSecretPanel = nullptr;
  QStackedWidget* FKindPages = nullptr;
  QTabBar* FTabs = nullptr;
  QLabel* FImageView = nullptr;
  QListWidget* FThemeColors = nullptr;
  QListWidget* FThemeSysColors = nullptr;
  QListWidget* FThemeFonts = nullptr;
  QTemporaryDir FTempDir;
  bool FInspectorWriting = false;
};

// "/plum" "/maintn" "/crate" as the first three arguments.
bool HasMaintenanceSwitches(const QStringList& arguments);

}  // namespace vt
