// TfrmTest: the controls preview. Page one holds the everyday controls (buttons, check and
// radio buttons, edits, spin and combo boxes, track, scroll and progress bars, speed
// buttons); page two the lists, the grid and the header; page three the containers.
#include "editor/TestForm.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDockWidget>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vt {

namespace {

// A pair of up and down buttons without a text field (the spin button of the skin).
class TSpinButtonOnly : public QSpinBox {
 public:
  explicit TSpinButtonOnly(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->hide();
    setFixedWidth(20);
  }
};

template <class T, class... Args>
T* Named(const QString& name, Args&&... args) {
  T* widget = new T(std::forward<Args>(args)...);
  widget->setObjectName(name);
  return widget;
}

// Adds a menu of `items`, "-" standing for a separator.
QMenu* AddMenu(QMenuBar& bar, const QString& title, const QStringList& items) {
  QMenu* menu = bar.addMenu(title);
  for (const QString& item : items)
    if (item == "-")
      menu->addSeparator();
    else
      menu->addAction(item);
  return menu;
}

QStringList ColourNames() {
  return QColor::colorNames();
}

QSlider* TrackBar(int number, Qt::Orientation orientation, int position) {
  auto* bar = Named<QSlider>(QString("SeSkinTrackBar%1").arg(number), orientation);
  bar->setRange(0, 100);
  bar->setValue(position);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setTickInterval(10);
  return bar;
}

QScrollBar* ScrollBar(int number, Qt::Orientation orientation) {
  auto* bar = Named<QScrollBar>(QString("SeSkinScrollBar%1").arg(number), orientation);
  bar->setRange(0, 100);
  bar->setPageStep(10);
  return bar;
}

QProgressBar* ProgressBar(int number, int position) {
  auto* bar = Named<QProgressBar>(QString("SeSkinProgressBar%1").arg(number));
  bar->setRange(0, 100);
  bar->setValue(position);
  return bar;
}

QToolButton* SpeedButton(int number, QWidget* parent = nullptr) {
  auto* button = Named<QToolButton>(QString("SeSkinSpeedButton%1").arg(number), parent);
  button->setText(QString::number(number));
  button->setAutoRaise(true);
  button->setFixedSize(23, 22);
  return button;
}

}  // namespace

TfrmTest::TfrmTest(const QString& skinFile, QWidget* parent)
    : TfrmPreviewBase("Test", {561, 516}, parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  CreateMenus();
  layout->setMenuBar(SeSkinMenuBar1);
  layout->addWidget(CreateControlBar());
  SeSkinTabControl1 = Named<QTabWidget>("SeSkinTabControl1");
  SeSkinTabControl1->addTab(CreateControlsPage(), "Page1");
  SeSkinTabControl1->addTab(CreateListsPage(), "Page2");
  SeSkinTabControl1->addTab(CreateContainersPage(), "Page3");
  for (int page = 4; page <= 7; ++page)
    SeSkinTabControl1->addTab(Named<QWidget>(QString("TabSheet%1").arg(page)),
                              QString("Page%1").arg(page));
  layout->addWidget(SeSkinTabControl1, 1);
  auto* status = Named<QStatusBar>("SeSkinStatusBar1");
  status->addWidget(new QLabel("Panel 1"), 1);
  status->addWidget(new QLabel("Panel 2"), 1);
  status->setSizeGripEnabled(true);
  layout->addWidget(status);
  ConnectHandlers();
  FinishSetup(skinFile);
}

// ---- Menus and the control bar -------------------------------------------------------------

void TfrmTest::CreateMenus() {
  SeSkinMenuBar1 = Named<QMenuBar>("SeSkinMenuBar1", this);
  QMenu* file = AddMenu(*SeSkinMenuBar1, "&File", {"&New", "-", "E&xit"});
  file->actions().last()->setObjectName("CustomItem6");
  connect(file->actions().last(), &QAction::triggered, this, &TfrmTest::CustomItem6Click);
  AddMenu(*SeSkinMenuBar1, "&Edit", {"Cu&t", "&Copy", "&Paste"});
  AddMenu(*SeSkinMenuBar1, "&Help", {"&Index", "-", "&About..."});

  SeSkinMenuBar2 = Named<QMenuBar>("SeSkinMenuBar2");
  AddMenu(*SeSkinMenuBar2, "&File",
          {"&New", "&Open...", "&Save", "Save &As...", "-", "&Print...", "P&rint Setup...", "-",
           "E&xit"});
  AddMenu(*SeSkinMenuBar2, "&Edit",
          {"&Undo", "&Repeat command", "-", "Cu&t", "&Copy", "&Paste", "Paste &Special...", "-",
           "&Find...", "R&eplace...", "&Go To...", "-", "Lin&ks...", "&Object"});
  AddMenu(*SeSkinMenuBar2, "&Help",
          {"&Contents", "&Search for Help On...", "&How to Use Help", "-", "&About..."});

  SeSkinPopupMenu1 = Named<QMenu>("SeSkinPopupMenu1", this);
  for (const char* item : {"Popup item 1", "Popup item 2", "-", "Popup item 3", "Popup item 4"})
    if (QString(item) == "-")
      SeSkinPopupMenu1->addSeparator();
    else
      SeSkinPopupMenu1->addAction(item);
}

QWidget* TfrmTest::CreateControlBar() {
  auto* bar = Named<QFrame>("SeSkinControlBar1");
  bar->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(2, 1, 2, 1);
  SeSkinToolBar1 = Named<QToolBar>("SeSkinToolBar1");
  for (int number = 1; number <= 8; ++number) {
    SeSkinToolBar1->addWidget(SpeedButton(number));
    if (number % 2 == 0) SeSkinToolBar1->addSeparator();
  }
  layout->addWidget(SeSkinToolBar1);
  layout->addWidget(SeSkinMenuBar2, 1);
  return bar;
}

// ---- Page one: the everyday controls --------------------------------------------------------

QWidget* TfrmTest::CreateControlsPage() {
  auto* page = Named<QWidget>("TabSheet1");
  page->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(page, &QWidget::customContextMenuRequested, this,
          [this, page](const QPoint& at) { SeSkinPopupMenu1->popup(page->mapToGlobal(at)); });
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(CreateButtonColumn());
  layout->addWidget(CreateEditColumn());
  layout->addWidget(CreateBarColumn(), 1);
  return page;
}

QWidget* TfrmTest::CreateButtonColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* checks = Named<QGroupBox>("SeSkinGroupBox1", "SeSkinGroupBox1");
  auto* checkLayout = new QVBoxLayout(checks);
  for (int number = 1; number <= 3; ++number) {
    auto* check = Named<QCheckBox>(QString("SeSkinCheckBox%1").arg(number), "CheckBox");
    check->setCheckState(number == 1   ? Qt::Checked
                         : number == 3 ? Qt::PartiallyChecked
                                       : Qt::Unchecked);
    checkLayout->addWidget(check);
  }
  layout->addWidget(checks);
  auto* radios = Named<QFrame>("SeSkinPanel1");
  radios->setFrameShape(QFrame::StyledPanel);
  auto* radioLayout = new QVBoxLayout(radios);
  for (int number = 1; number <= 2; ++number) {
    auto* radio = Named<QRadioButton>(QString("SeSkinRadioButton%1").arg(number), "RadioButton");
    radio->setChecked(number == 1);
    radioLayout->addWidget(radio);
  }
  layout->addWidget(radios);
  for (int number = 1; number <= 3; ++number) {
    auto* button = Named<QPushButton>(QString("SeSkinButton%1").arg(number),
                                      QString("SeSkinButton%1").arg(number));
    button->setEnabled(number != 3);  // one shows the disabled look
    layout->addWidget(button);
  }
  auto* speedButtons = new QGridLayout;
  for (int number = 9; number <= 14; ++number)
    speedButtons->addWidget(SpeedButton(number), (number - 9) / 3, (number - 9) % 3);
  layout->addLayout(speedButtons);
  layout->addStretch(1);
  return column;
}

QWidget* TfrmTest::CreateEditColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  const char* texts[] = {"pass", "pass", "pass", "Sample text", ""};
  for (int number = 1; number <= 5; ++number)
    layout->addWidget(Named<QLineEdit>(QString("SeSkinEdit%1").arg(number), texts[number - 1]));
  auto* spins = new QHBoxLayout;
  spins->addWidget(Named<TSpinButtonOnly>("SeSkinSpinButton1", nullptr));
  spins->addWidget(Named<TSpinButtonOnly>("SeSkinSpinButton2", nullptr));
  spins->addWidget(Named<QSpinBox>("SeSkinSpinEdit1"), 1);
  layout->addLayout(spins);
  auto* editButton = Named<QLineEdit>("SeSkinEditButton1", "SeSkinEditButton1");
  editButton->addAction(style()->standardIcon(QStyle::SP_FileDialogStart),
                        QLineEdit::TrailingPosition);
  layout->addWidget(editButton);
  auto* colours = Named<QComboBox>("SeSkinComboBox2");
  colours->addItems(ColourNames());
  layout->addWidget(colours);
  auto* freeText = Named<QComboBox>("SeSkinComboBox1");
  freeText->setEditable(true);
  freeText->setEditText("SeSkinComboBox1");
  layout->addWidget(freeText);
  layout->addStretch(1);
  return column;
}

QWidget* TfrmTest::CreateBarColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  SeSkinTrackBar1 = TrackBar(1, Qt::Horizontal, 3);
  SeSkinTrackBar2 = TrackBar(2, Qt::Horizontal, 23);
  SeSkinProgressBar1 = ProgressBar(1, 3);
  SeSkinProgressBar2 = ProgressBar(2, 23);
  SeSkinScrollBar1 = ScrollBar(1, Qt::Horizontal);
  SeSkinScrollBar2 = ScrollBar(2, Qt::Horizontal);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{SeSkinTrackBar1, SeSkinProgressBar1, SeSkinScrollBar2,
                                       SeSkinTrackBar2, SeSkinProgressBar2, SeSkinScrollBar1})
    layout->addWidget(widget);
  auto* label = Named<QLabel>("SeSkinLabel1", "SeSkinLabel1");
  layout->addWidget(label);
  auto* staticText = Named<QLabel>("SeSkinStaticText1", "Static Text");
  staticText->setFrameShape(QFrame::Panel);
  staticText->setFrameShadow(QFrame::Sunken);
  layout->addWidget(staticText);
  layout->addStretch(1);
  return column;
}

// ---- Page two: lists, grid, header ----------------------------------------------------------

QWidget* TfrmTest::CreateListsPage() {
  auto* page = Named<QWidget>("TabSheet2");
  auto* layout = new QGridLayout(page);
  auto* colours = Named<QListWidget>("SeSkinListBox1");
  colours->addItems(ColourNames());
  layout->addWidget(colours, 0, 0);
  auto* fonts = Named<QListWidget>("SeSkinListBox2");
  fonts->addItems(QFontDatabase::families());
  layout->addWidget(fonts, 0, 1);
  auto* grid = Named<QTableWidget>("SeSkinStringGrid1", 5, 5);
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 5; ++column)
      grid->setItem(row, column, new QTableWidgetItem(QString("%1,%2").arg(column).arg(row)));
  layout->addWidget(grid, 1, 0, 1, 2);
  auto* sections = new QStandardItemModel(0, 4, page);
  sections->setHorizontalHeaderLabels({"Section 1", "Section 2", "Section 3", "Section 4"});
  auto* header = Named<QHeaderView>("SeSkinHeaderControl1", Qt::Horizontal);
  header->setModel(sections);
  header->setFixedHeight(header->sizeHint().height());
  layout->addWidget(header, 2, 0, 1, 2);
  auto* tracks = new QHBoxLayout;
  for (int number = 3; number <= 6; ++number)
    tracks->addWidget(TrackBar(number, Qt::Vertical, number * 10));
  tracks->addWidget(ScrollBar(3, Qt::Vertical));
  tracks->addWidget(ScrollBar(4, Qt::Vertical));
  layout->addLayout(tracks, 0, 2, 3, 1);
  return page;
}

// ---- Page three: containers -------------------------------------------------------------------

QWidget* TfrmTest::CreateContainersPage() {
  auto* page = Named<QWidget>("TabSheet3");
  auto* layout = new QGridLayout(page);
  auto* inner = Named<QTabWidget>("SeSkinTabControl3");
  inner->addTab(new QLabel("Tab 1"), "Tab 1");
  inner->addTab(new QLabel("Tab 2"), "Tab 2");
  layout->addWidget(inner, 0, 0);
  auto* scrollBox = Named<QScrollArea>("SeSkinScrollBox1");
  auto* scrolled = new QLabel("SeSkinScrollBox1");
  scrolled->setMinimumSize(400, 300);
  scrolled->setAlignment(Qt::AlignCenter);
  scrollBox->setWidget(scrolled);
  layout->addWidget(scrollBox, 0, 1);
  auto* panel = Named<QFrame>("SeSkinPanel2");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* group = Named<QGroupBox>("SeSkinGroupBox2", "SeSkinGroupBox2");
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(group);
  layout->addWidget(panel, 1, 0);
  auto* headers = new QVBoxLayout;
  for (int number = 1; number <= 2; ++number) {
    const QString name = QString("TeHeaderPanel%1").arg(number);
    auto* headerPanel = Named<QDockWidget>(name, name);
    headerPanel->setFeatures(QDockWidget::NoDockWidgetFeatures);
    headerPanel->setWidget(new QLabel(name));
    headers->addWidget(headerPanel);
  }
  layout->addLayout(headers, 1, 1);
  return page;
}

// ---- Handlers -------------------------------------------------------------------------------

void TfrmTest::ConnectHandlers() {
  connect(SeSkinTrackBar1, &QSlider::valueChanged, this, &TfrmTest::SeSkinTrackBar1Change);
  connect(SeSkinScrollBar2, &QScrollBar::valueChanged, this, &TfrmTest::SeSkinScrollBar2Change);
  connect(SeSkinTrackBar2, &QSlider::valueChanged, this, &TfrmTest::SeSkinTrackBar2Change);
  connect(SeSkinScrollBar1, &QScrollBar::valueChanged, this, &TfrmTest::SeSkinScrollBar1Change);
}

void TfrmTest::CustomItem6Click() {
  close();
}

void TfrmTest::SeSkinTrackBar1Change() {
  SeSkinProgressBar1->setValue(SeSkinTrackBar1->value());
}

void TfrmTest::SeSkinScrollBar2Change() {
  SeSkinProgressBar1->setValue(SeSkinScrollBar2->value());
}

void TfrmTest::SeSkinTrackBar2Change() {
  SeSkinProgressBar2->setValue(SeSkinTrackBar2->value());
}

void TfrmTest::SeSkinScrollBar1Change() {
  SeSkinProgressBar2->setValue(SeSkinScrollBar1->value());
}

}  // namespace vt
