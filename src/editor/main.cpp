#include "editor/main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/ObjectTree.h"
#include "editor/OpenDialog.h"
#include "editor/Previews.h"
#include "editor/ProblemsPanel.h"
#include "editor/WorkArea.h"
#include "editor/about.h"
#include "inspector/ErrorReport.h"
#include "inspector/ZPropLst.h"
#include "inspector/ZSkinProps.h"
#include "rtl/AnsiText.h"
#include "rtl/Graphics.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinpreview.h"
#include "skin/se_skinrecords.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt {

namespace {

// Caption panels: bold white Tahoma on the button-shadow colour.
QLabel* CaptionPanel(const char* name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  QFont font("Tahoma");
  font.setBold(true);
  label->setFont(font);
  label->setMinimumHeight(20);
  return label;
}

QWidget* Named(QWidget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// How deep the inspector's filter looks into nested properties for a match. Fonts and
// similar values nest one level; the limit keeps a cycle of object properties finite.
constexpr int kFilterDepth = 3;

bool NameHolds(const std::string& name, const QString& text) {
  return AnsiToQString(name).contains(text, Qt::CaseInsensitive);
}

bool PropertyOrNestedHolds(const TPropertyRef& prop, const QString& text, int depth) {
  if (NameHolds(prop->GetName(), text)) return true;
  if (depth == 0 || !prop->GetAttributes().Contains(TPropertyAttribute::paSubProperties))
    return false;
  bool found = false;
  prop->GetProperties([&](const TPropertyRef& sub) {
    found = found || PropertyOrNestedHolds(sub, text, depth - 1);
  });
  return found;
}

QString DefaultExtension() {
  const TSeSkinFilterClass* filter = DefaultSkinFilter();
  return filter ? QString::fromStdString(filter->GetFileExtension()) : QString("kskn");
}

}  // namespace

bool HasMaintenanceSwitches(const QStringList& arguments) {
  return arguments.size() >= 3 && arguments[0] == "/plum" && arguments[1] == "/maintn" &&
         arguments[2] == "/crate";
}

// ---- Creation and layout ------------------------------------------------------------

TfrmMain::TfrmMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  RegisterSkinObjectClasses();
  RegisterSkinFilters();
  InstallSkinObjectStreaming();
  RegisterSkinTheme();
  RegisterSkinPropertyEditors();
  FDocument = new TSkinDocument(this);
  FAbout = new TfrmAbout(this);
  BuildLayout();
  CreateActions();
  CreateMenus();
  ConnectDocument();
  const bool maintenance = HasMaintenanceSwitches(arguments);
  FSecretPanel->setVisible(maintenance);
  AskOpenFileName = [this]() -> std::optional<QString> {
    TTeOpenThemeDialog dialog(this);
    dialog.setDefaultSuffix(DefaultExtension());
    if (!dialog.exec() || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  };
  AskSaveFileName = [this]() -> std::optional<QString> {
    QFileDialog dialog(this, "Save Skin As", QString(), OpenThemeDialogFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(DefaultExtension());
    dialog.selectFile("myskin");
    if (!dialog.exec() || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  };
  AskYesNoCancel = [this](const QString& question) {
    return QMessageBox::question(this, "Confirm", question,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  };
  SkinDesignMode = true;
  NewSkin();
  ShowPanel(TCentrePanel::cpWork);
  if (!arguments.isEmpty() && !maintenance) LoadSkin(arguments[0]);
  resize(1100, 720);
}

TfrmMain::~TfrmMain() {
  // The inspector must let go of the skin before the document frees it.
  FInspector->SetCurObj(nullptr);
}

QString TfrmMain::TempSkinFile() const {
  return FTempDir.filePath("temp_skin.mskn");
}

void TfrmMain::BuildLayout() {
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(BuildTopPanel());
  column->addWidget(BuildSecretPanel());
  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->setObjectName("Splitter");
  splitter->addWidget(BuildLeftPanel());
  splitter->addWidget(BuildCentre());
  splitter->addWidget(BuildRightPanel());
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 620, 260});
  column->addWidget(splitter, 1);
  setCentralWidget(central);
  BuildProblemsPanel();
}

void TfrmMain::BuildProblemsPanel() {
  FProblems = new TProblemsPanel(*FDocument, this);
  FProblems->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
  addDockWidget(Qt::BottomDockWidgetArea, FProblems);
  FProblems->hide();
  connect(FProblems, &TProblemsPanel::ObjectPicked, this, [this](const std::string& path) {
    if (TSeSkinObject* object = FindSkinObjectByPath(FDocument->Source(), path))
      SelectObject(object);
  });
  connect(FProblems, &TProblemsPanel::ImagePicked, this,
          [this](const std::string& name, int index) { SelectImageNamed(name, index); });
}

// Of several images of one name, the lint's line concerns a later one: its place picks it
// while the list is still as the lint saw it.
void TfrmMain::SelectImageNamed(const std::string& name, int index) {
  TteBitmapList& bitmaps = FDocument->Source().Bitmaps();
  TteBitmap* image = index >= 0 && index < bitmaps.Count() && bitmaps.Bitmaps(index)->Name() == name
                         ? bitmaps.Bitmaps(index)
                         : bitmaps.GetBitmapByName(name);
  if (image) SelectImage(image);
}

QLineEdit* TfrmMain::BuildFilterBox(const char* name) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setPlaceholderText("Filter");
  box->setClearButtonEnabled(true);
  return box;
}

QWidget* TfrmMain::BuildTopPanel() {
  auto* top = Named(new QWidget, "TopPanel");
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(4, 2, 4, 2);
  for (const char* name :
       {"btnNew", "btnOpen", "btnSave", "SpeedButton1", "SpeedButton13", "SpeedButton14"}) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setAutoRaise(true);
    row->addWidget(button);
  }
  row->addSpacing(8);
  row->addWidget(new QLabel("Zoom:"));
  FScaleBox = new QComboBox;
  FScaleBox->setObjectName("cbScale");
  for (int percent : TWorkArea::kScalePercents) FScaleBox->addItem(QString("%1%").arg(percent));
  row->addWidget(FScaleBox);
  row->addSpacing(8);
  auto* tabsBox = Named(new QWidget, "TabsBox");
  auto* tabsColumn = new QVBoxLayout(tabsBox);
  tabsColumn->setContentsMargins(0, 0, 0, 0);
  tabsColumn->setSpacing(0);
  FTabs = new QTabBar;
  FTabs->setObjectName("Tabs");
  FTabs->addTab("Standard");
  FTabs->addTab("Old");
  FTabs->setDrawBase(false);
  FTabs->setExpanding(false);
  tabsColumn->addWidget(FTabs, 0, Qt::AlignLeft);
  auto* tabRow = new QHBoxLayout;
  tabRow->setSpacing(2);
  auto* panel10 = Named(new QWidget, "Panel10");
  auto* commands = new QHBoxLayout(panel10);
  commands->setContentsMargins(0, 0, 0, 0);
  for (const char* name :
       {"btnSelect", "btnDelete", "btnFront", "SpeedButton11", "SpeedButton12"}) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setAutoRaise(true);
    commands->addWidget(button);
  }
  tabRow->addWidget(panel10);
  FKindPages = new QStackedWidget;
  FKindPages->setObjectName("KindPages");
  auto* standard = new QToolBar;
  standard->setObjectName("ToolBar2");
  auto* old = new QToolBar;
  old->setObjectName("SkinToolBar");
  for (auto [page, bar, name] : {std::tuple{new QWidget, standard, "PageStandard"},
                                 std::tuple{new QWidget, old, "PageOld"}}) {
    page->setObjectName(name);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    bar->setIconSize(QSize(16, 16));
    layout->addWidget(bar);
    layout->addStretch();
    FKindPages->addWidget(page);
  }
  FKindPages->setFixedHeight(standard->sizeHint().height() + 4);
  tabRow->addWidget(FKindPages, 1);
  tabsColumn->addLayout(tabRow);
  row->addWidget(tabsBox, 1);
  connect(FTabs, &QTabBar::currentChanged, FKindPages, &QStackedWidget::setCurrentIndex);
  return top;
}

QWidget* TfrmMain::BuildSecretPanel() {
  FSecretPanel = Named(new QWidget, "SecretPanel");
  auto* row = new QHBoxLayout(FSecretPanel);
  row->setContentsMargins(4, 2, 4, 2);
  row->addWidget(BuildMaintenanceControls());
  row->addStretch();
  FSecretPanel->hide();
  return FSecretPanel;
}

QWidget* TfrmMain::BuildLeftPanel() {
  auto* left = Named(new QWidget, "LeftPanel");
  auto* column = new QVBoxLayout(left);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* captionRow = new QHBoxLayout;
  FTreeCaption = CaptionPanel("Panel1", " Objects Tree");
  captionRow->addWidget(FTreeCaption, 1);
  for (const char* caption : {"Up", "Down"}) {
    auto* button = new QPushButton(caption);
    button->hide();  // kept for the layout; child order has no command yet
    captionRow->addWidget(button);
  }
  column->addLayout(captionRow);
  FTreeFilter = BuildFilterBox("TreeFilter");
  column->addWidget(FTreeFilter);
  FSkinTree = new TObjectTree(*FDocument);
  connect(FTreeFilter, &QLineEdit::textChanged, FSkinTree, &TObjectTree::SetFilter);
  column->addWidget(FSkinTree, 1);
  auto* charsetRow = new QHBoxLayout;
  FCharsetBox = new QComboBox;
  FCharsetBox->setObjectName("cbCharset");
  charsetRow->addWidget(FCharsetBox, 1);
  auto* change = new QPushButton("Change");
  change->setObjectName("Button1");
  connect(change, &QPushButton::clicked, this, &TfrmMain::ChangeCharset);
  charsetRow->addWidget(change);
  column->addLayout(charsetRow);
  connect(FSkinTree, &TObjectTree::SourceChosen, this, [this] {
    FTreeCaption->setText(" Theme tree - Objects");
    SelectObject(nullptr);
  });
  connect(FSkinTree, &TObjectTree::ObjectChosen, this, &TfrmMain::SelectObject);
  connect(FSkinTree, &TObjectTree::ImageChosen, this,
          [this](TteBitmap* image) { SelectImage(image); });
  connect(FSkinTree, &TObjectTree::BranchChosen, this,
          [this](TTreeNodeKind kind) { TreeBranchChosen(static_cast<int>(kind)); });
  return left;
}

QWidget* TfrmMain::BuildCentre() {
  FCentre = new QStackedWidget;
  FCentre->setObjectName("Centre");
  FWorkScroll = new QScrollArea;
  FWorkScroll->setObjectName("ScrollBox1");
  FWorkArea = new TWorkArea(*FDocument);
  FWorkScroll->setWidget(FWorkArea);
  FWorkScroll->setWidgetResizable(false);
  auto* work = Named(new QWidget, "PanelWork");
  auto* layout = new QVBoxLayout(work);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FWorkScroll);
  FCentre->addWidget(work);
  FCentre->addWidget(BuildImagesPanel());
  for (TCentrePanel panel :
       {TCentrePanel::cpFonts, TCentrePanel::cpColors, TCentrePanel::cpSysColors})
    FCentre->addWidget(BuildTablePanel(panel));
  connect(FWorkArea, &TWorkArea::ObjectClicked, this, &TfrmMain::SelectObject);
  return FCentre;
}

QWidget* TfrmMain::BuildRightPanel() {
  auto* right = Named(new QWidget, "Panel4");
  auto* column = new QVBoxLayout(right);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(CaptionPanel("InspectorCaption", " Inspector"));
  auto* formRow = new QHBoxLayout;
  FFormLabel = new QLabel("Form: ");
  FFormLabel->setObjectName("Label6");
  QFont bold = FFormLabel->font();
  bold.setBold(true);
  FFormLabel->setFont(bold);
  FClassLabel = new QLabel("TSeObject;");
  FClassLabel->setObjectName("Label7");
  formRow->addWidget(FFormLabel);
  formRow->addWidget(FClassLabel, 1);
  column->addLayout(formRow);
  FInspectorFilter = BuildFilterBox("InspectorFilter");
  column->addWidget(FInspectorFilter);
  auto* panel7 = Named(new QWidget, "Panel7");
  auto* inspectorLayout = new QVBoxLayout(panel7);
  inspectorLayout->setContentsMargins(0, 0, 0, 0);
  FInspector = new TZPropList(panel7);
  FInspector->setObjectName("FInspector");
  inspectorLayout->addWidget(FInspector);
  column->addWidget(panel7, 1);
  FInspector->RowFilter = [this](const std::string& parentPath, const TPropertyRef& prop) {
    return InspectorShows(parentPath, prop);
  };
  connect(FInspectorFilter, &QLineEdit::textChanged, this, [this] { FInspector->Refilter(); });
  // Every write of the inspector goes through the document: a state before it, the news
  // after it.
  FInspector->OnChanging = [this](TZPropList*, bool&) { FDocument->PropertyChanging(); };
  FInspector->OnChange = [this](TZPropList*) {
    FInspectorWriting = true;
    FDocument->PropertyChanged();
    FInspectorWriting = false;
  };
  return right;
}

// A row is shown when its name holds the filter text, when a property nested in it does
// (so that the designer can open it to the match), or when an ancestor's name holds it (the
// designer opened a matching row to see what it holds).
bool TfrmMain::InspectorShows(const std::string& parentPath, const TPropertyRef& prop) const {
  const QString text = FInspectorFilter->text();
  if (text.isEmpty() || NameHolds(parentPath, text)) return true;
  return PropertyOrNestedHolds(prop, text, kFilterDepth);
}

// ---- Document commands --------------------------------------------------------------

bool TfrmMain::RunWithoutDesignMode(const std::function<bool()>& operation) {
  SkinDesignMode = false;
  bool result = false;
  try {
    result = operation();
  } catch (...) {
    SkinDesignMode = true;
    throw;
  }
  SkinDesignMode = true;
  return result;
}

bool TfrmMain::CheckModified() {
  if (!FDocument->Modified()) return true;
  switch (AskYesNoCancel("Skin has modified. Save changes?")) {
    case QMessageBox::Cancel:
      return false;
    // Going on after a save that did not happen would lose the changes.
    case QMessageBox::Yes:
      return SaveSkin();
    default:
      return true;
  }
}

void TfrmMain::NewSkin() {
  if (!CheckModified()) return;
  FDocument->NewSkin();
  ResetView();
  UpdateView();
}

void TfrmMain::OpenSkin() {
  if (!CheckModified()) return;
  RunWithoutDesignMode([this] {
    const std::optional<QString> name = AskOpenFileName();
    return name && LoadSkin(*name);
  });
}

bool TfrmMain::LoadSkin(const QString& fileName) {
  try {
    FDocument->Load(fileName);
  } catch (const std::exception& e) {
    ShowErrorReport(e.what());
    return false;
  }
  ResetView();
  UpdateView();
  return true;
}

bool TfrmMain::SaveSkin() {
  if (!FDocument->Modified()) return true;
  if (FDocument->IsNeverSaved()) return SaveSkinAs();
  try {
    FDocument->Save(FDocument->FileName());
  } catch (const std::exception& e) {
    ShowErrorReport(e.what());
    return false;
  }
  UpdateView();
  return true;
}

bool TfrmMain::SaveSkinAs() {
  return RunWithoutDesignMode([this] {
    const std::optional<QString> name = AskSaveFileName();
    if (!name) return false;
    try {
      FDocument->Save(*name);
    } catch (const std::exception& e) {
      ShowErrorReport(e.what());
      return false;
    }
    UpdateView();
    return true;
  });
}

void TfrmMain::ResetView() {
  FWorkArea->SetScale(1.0);
  FScaleBox->setCurrentIndex(0);
}

void TfrmMain::Preview(int kind) {
  try {
    FDocument->SaveCopy(TempSkinFile());
  } catch (const std::exception& e) {
    ShowErrorReport(e.what());
    return;
  }
  RunWithoutDesignMode([&] {
    RunPreview(this, TempSkinFile(), static_cast<TPreviewKind>(kind));
    return true;
  });
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (!FDocument->Modified()) return event->accept();
  switch (AskYesNoCancel("Skin's was changed. Save?")) {
    case QMessageBox::Cancel:
      return event->ignore();
    case QMessageBox::Yes:
      return SaveSkin() ? event->accept() : event->ignore();
    default:
      return event->accept();
  }
}

// ---- Selection and view -------------------------------------------------------------

void TfrmMain::ConnectDocument() {
  connect(FDocument, &TSkinDocument::DocumentReplaced, this, &TfrmMain::DocumentReplaced);
  connect(FDocument, &TSkinDocument::ObjectChanged, this, &TfrmMain::ObjectChanged);
  connect(FDocument, &TSkinDocument::SelectionChanged, this, &TfrmMain::SelectionChanged);
  connect(FDocument, &TSkinDocument::ObjectAboutToBeRemoved, this,
          [this] { FInspector->SetCurObj(nullptr); });
  connect(FDocument, &TSkinDocument::ModifiedChanged, this, &TfrmMain::UpdateActions);
  connect(FDocument, &TSkinDocument::UndoStatesChanged, this, &TfrmMain::UpdateActions);
  connect(FDocument, &TSkinDocument::FileNameChanged, this, &TfrmMain::UpdateView);
  connect(FScaleBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    FWorkArea->SetScale(TWorkArea::kScalePercents[index] / 100.0);
    UpdateView();
  });
}

void TfrmMain::DocumentReplaced() {
  ShowInspectorObject();
  SelectionChanged();
}

void TfrmMain::ShowInspectorObject() {
  TPersistent* shown = FDocument->Selected();
  if (!shown) shown = &FDocument->Source();
  FInspector->SetCurObj(shown);
}

void TfrmMain::ObjectChanged(TSeSkinObject*) {
  if (FWorkArea->Dragging()) {
    FWorkArea->update();
    // The inspector shows the new bounds.
    FInspector->SetCurObj(nullptr);
    ShowInspectorObject();
    return;
  }
  UpdateView();
}

void TfrmMain::SelectObject(TSeSkinObject* object) {
  ShowPanel(TCentrePanel::cpWork);
  FDocument->Select(object);
}

void TfrmMain::SelectionChanged() {
  if (!FInspectorWriting && FInspector->CurObj() != FDocument->Selected()) ShowInspectorObject();
  if (TSeSkinObject* selected = FDocument->Selected()) {
    FFormLabel->setText(AnsiToQString(selected->GetName()) + ": ");
    FClassLabel->setText(QString::fromStdString(selected->ClassInfo().Name) + ";");
    FTreeCaption->setText(" Objects Tree - " + AnsiToQString(selected->GetName()));
  } else if (!FDocument->SelectedImage()) {
    FTreeCaption->setText(" Objects Tree - Skin Source");
  }
  ShowSelectedImage();
  UpdateView();
}

void TfrmMain::TreeBranchChosen(int branch) {
  switch (static_cast<TTreeNodeKind>(branch)) {
    case TTreeNodeKind::tnImages:
      FTreeCaption->setText(" Theme tree - Images");
      return ShowPanel(TCentrePanel::cpImages);
    case TTreeNodeKind::tnFonts:
      FTreeCaption->setText(" Theme tree - Fonts");
      return ShowPanel(TCentrePanel::cpFonts);
    case TTreeNodeKind::tnColors:
      FTreeCaption->setText(" Theme tree - Colors");
      return ShowPanel(TCentrePanel::cpColors);
    case TTreeNodeKind::tnSysColors:
      FTreeCaption->setText(" Theme tree - SysColors");
      return ShowPanel(TCentrePanel::cpSysColors);
    default:
      return;
  }
}

void TfrmMain::ShowPanel(TCentrePanel panel) {
  if (panel == TCentrePanel::cpWork && FDocument->SelectedImage()) FDocument->SelectImage(nullptr);
  if (panel == TCentrePanel::cpImages || panel == TCentrePanel::cpFonts)
    FDocument->ClearObjectSelection();
  FCentre->setCurrentIndex(static_cast<int>(panel));
}

TCentrePanel TfrmMain::CurrentPanel() const {
  return static_cast<TCentrePanel>(FCentre->currentIndex());
}

// Sample texts show what the designer's text objects will hold in a program. They are
// display texts, which the skin file does not store.
void TfrmMain::PutSampleTexts(TSeSkinObject& form) {
  form.SetState(ssPlaceholder);
  if (TSeSkinObject* title = form.FindByKind(TSeKind::skTitle)) title->SetText("ThemeEditor Title");
  const std::pair<const char*, const char*> samples[] = {{"Item", "Item Text"},
                                                         {"Text", "Sample"},
                                                         {"ToolbarItem", "Item Text"},
                                                         {"Caption", "Caption"}};
  for (const auto& [name, text] : samples)
    if (TSeSkinObject* object = form.FindByName(name)) object->SetText(text);
}

void TfrmMain::UpdateView() {
  setWindowTitle("VtSkinEd  - [" + FDocument->FileName() + "]");
  if (FCharsetBox->count() == 0) {
    for (const std::string& ident : CharsetIdents())
      FCharsetBox->addItem(QString::fromStdString(ident));
    FCharsetBox->setCurrentText("DEFAULT_CHARSET");
  }
  FSkinTree->Rebuild();
  if (TSeSkinObject* form = FDocument->CurrentForm()) PutSampleTexts(*form);
  FWorkArea->UpdateSize();
  FWorkArea->update();
  UpdateActions();
}

}  // namespace vt
