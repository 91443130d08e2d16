// Golden images of every widget kind in every state, one matrix per demo skin: rows are the
// kinds, columns normal, hot, pressed, focused, disabled, checked. States come from real
// mouse events and focus; a second golden per skin shows the composite widgets (views with
// headers, menus, tool and status bars, tabs, group boxes, splitters) in one window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "GoldenImage.h"
#include "StyleTestSupport.h"
#include "controls/TTeStyle.h"

namespace vt::test {
namespace {

constexpr int kCellWidth = 84, kCellHeight = 28;
enum class TCellState { Normal, Hot, Pressed, Focused, Disabled, Checked };
constexpr TCellState kCellStates[] = {TCellState::Normal,   TCellState::Hot,
                                      TCellState::Pressed,  TCellState::Focused,
                                      TCellState::Disabled, TCellState::Checked};

struct TWidgetKind {
  const char* Name;
  std::function<QWidget*(QWidget* host)> Make;
  bool Checkable;
  bool Pressable;
};

// A widget of class T on the host, set up by `setup`.
template <class T>
std::function<QWidget*(QWidget*)> Made(void (*setup)(T&)) {
  return [setup](QWidget* host) -> QWidget* {
    auto* widget = new T(host);
    setup(*widget);
    return widget;
  };
}

const std::vector<TWidgetKind>& WidgetKinds() {
  using S = QString;
  static const std::vector<TWidgetKind> kinds = {
      {"push button", Made<QPushButton>([](auto& b) { b.setText(S("OK")), b.setCheckable(true); }),
       true, true},
      {"check box", Made<QCheckBox>([](auto& b) { b.setText(S("Check")); }), true, true},
      {"radio button", Made<QRadioButton>([](auto& b) { b.setText(S("Radio")); }), true, true},
      {"tool button", Made<QToolButton>([](auto& b) {
         b.setText(S("Tool")), b.setAutoRaise(true), b.setCheckable(true);
       }),
       true, true},
      {"line edit", Made<QLineEdit>([](auto& e) { e.setText(S("Text")); }), false, false},
      {"spin box", Made<QSpinBox>([](auto& s) { s.setValue(5); }), false, false},
      {"combo box", Made<QComboBox>([](auto& c) { c.addItem(S("Item")); }), false, false},
      {"scroll bar", Made<QScrollBar>([](auto& s) {
         s.setOrientation(Qt::Horizontal), s.setRange(0, 10), s.setValue(3);
       }),
       false, true},
      {"slider", Made<QSlider>([](auto& s) {
         s.setOrientation(Qt::Horizontal), s.setRange(0, 10), s.setValue(0);
       }),
       false, true},
      {"progress bar", Made<QProgressBar>([](auto& p) { p.setValue(40), p.setTextVisible(false); }),
       false, false},
  };
  return kinds;
}

// Where the mouse goes: the left end, which is the first scroll button of a scroll bar and
// the thumb of a slider at its minimum.
QPoint Spot(QWidget& widget) {
  if (qobject_cast<QAbstractSlider*>(&widget)) return {4, widget.height() / 2};
  return widget.rect().center();
}

void Prepare(QWidget& widget, TCellState state) {
  // Deleting the previous cell's widget may have handed the focus on to this one.
  if (state != TCellState::Focused) widget.clearFocus();
  switch (state) {
    case TCellState::Hot:
      QTest::mouseMove(&widget, Spot(widget));
      break;
    case TCellState::Pressed:
      QTest::mouseMove(&widget, Spot(widget));
      QTest::mousePress(&widget, Qt::LeftButton, {}, Spot(widget));
      break;
    case TCellState::Focused:
      widget.setFocus(Qt::TabFocusReason);
      break;
    case TCellState::Disabled:
      widget.setEnabled(false);
      break;
    case TCellState::Checked:
      if (auto* button = qobject_cast<QAbstractButton*>(&widget)) button->setChecked(true);
      break;
    default:
      break;
  }
  QApplication::processEvents();
}

bool Applies(const TWidgetKind& kind, TCellState state) {
  if (state == TCellState::Checked) return kind.Checkable;
  if (state == TCellState::Pressed) return kind.Pressable;
  return true;
}

class StyleMatrixTest : public testing::TestWithParam<TDemo> {
 protected:
  static void SetUpTestSuite() { QApplication::setStyle(new TTeStyle); }
  void SetUp() override {
    SetCurrentTheme(MakeDemoTheme(GetParam()));
    FHost.resize(kCellWidth + 20, kCellHeight + 20);
    FHost.show();
    FHost.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&FHost));
  }
  void TearDown() override { ClearCurrentTheme(); }

  QImage Cell(const TWidgetKind& kind, TCellState state) {
    QTest::mouseMove(&FHost, QPoint(FHost.width() - 2, FHost.height() - 2));
    std::unique_ptr<QWidget> widget(kind.Make(&FHost));
    widget->setGeometry(2, 2, kCellWidth - 4,
                        std::min(kCellHeight - 4, widget->sizeHint().height()));
    widget->show();
    QApplication::processEvents();
    Prepare(*widget, state);
    QImage image = GrabImage(*widget);
    if (state == TCellState::Pressed)
      QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, Spot(*widget));
    return image;
  }

  QWidget FHost;
};

QString DemoName(TDemo demo) {
  return demo == TDemo::Light ? QStringLiteral("light") : QStringLiteral("dark");
}

TEST_P(StyleMatrixTest, EveryWidgetKindInEveryState) {
  const auto& kinds = WidgetKinds();
  QImage matrix(kCellWidth * int(std::size(kCellStates)), kCellHeight * int(kinds.size()),
                QImage::Format_ARGB32_Premultiplied);
  matrix.fill(QApplication::palette().window().color());
  QPainter painter(&matrix);
  for (size_t row = 0; row < kinds.size(); ++row)
    for (size_t column = 0; column < std::size(kCellStates); ++column)
      if (Applies(kinds[row], kCellStates[column]))
        painter.drawImage(int(column) * kCellWidth + 2, int(row) * kCellHeight + 2,
                          Cell(kinds[row], kCellStates[column]));
  painter.end();
  ExpectGolden(matrix, QStringLiteral("controls/matrix-") + DemoName(GetParam()), {48, 80});
}

// A window holding the composite widgets, as an application shows them.
std::unique_ptr<QMainWindow> MakeGalleryWindow() {
  auto window = std::make_unique<QMainWindow>();
  QMenu* file = window->menuBar()->addMenu(QStringLiteral("File"));
  file->addAction(QStringLiteral("Open"));
  window->menuBar()->addMenu(QStringLiteral("Edit"));
  QToolBar* tools = window->addToolBar(QStringLiteral("Tools"));
  tools->addAction(QStringLiteral("New"));
  tools->addSeparator();
  tools->addAction(QStringLiteral("Save"))->setCheckable(true);
  // More actions than fit: the rest go behind the tool bar's extension button.
  for (const char* name : {"Cut", "Copy", "Paste", "Undo", "Redo", "Find", "Print"})
    tools->addAction(QString::fromLatin1(name));
  auto* dock = new QDockWidget(QStringLiteral("Dock"));
  dock->setWidget(new QLabel(QStringLiteral("Docked")));
  window->addDockWidget(Qt::BottomDockWidgetArea, dock);
  window->statusBar()->showMessage(QStringLiteral("Ready"));

  auto* splitter = new QSplitter(Qt::Horizontal);
  auto* list = new QListWidget;
  list->addItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
  list->setCurrentRow(1);
  splitter->addWidget(list);
  auto* tabs = new QTabWidget;
  auto* table = new QTableWidget(3, 2);
  table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size")});
  tabs->addTab(table, QStringLiteral("Grid"));
  auto* tree = new QTreeWidget;
  tree->setHeaderLabel(QStringLiteral("Tree"));
  tabs->addTab(tree, QStringLiteral("Tree"));
  auto* group = new QGroupBox(QStringLiteral("Group"));
  tabs->addTab(group, QStringLiteral("Group"));
  splitter->addWidget(tabs);
  window->setCentralWidget(splitter);
  window->resize(360, 300);
  return window;
}

TEST_P(StyleMatrixTest, CompositeWidgetsInAWindow) {
  std::unique_ptr<QMainWindow> window = MakeGalleryWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  ExpectGolden(GrabImage(*window), QStringLiteral("controls/gallery-") + DemoName(GetParam()),
               {48, 200});
}

INSTANTIATE_TEST_SUITE_P(DemoSkins, StyleMatrixTest, testing::Values(TDemo::Light, TDemo::Dark),
                         [](const auto& info) { return DemoName(info.param).toStdString(); });

}  // namespace
}  // namespace vt::test
