// TZPropList driven by real key and mouse events on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

#include "GoldenImage.h"
#include "InspectorTestObjects.h"
#include "inspector/ErrorReport.h"
#include "inspector/ZDrawEdge.h"
#include "inspector/ZPropLst.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

class PropListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestEditors();
    FSavedReport = SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
    FSavedDialogs = PropertyDialogs();
    FObject.SetName("Object1");
    List = new TZPropList();
    List->resize(260, 400);
    List->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(List));
    List->SetCurObj(&FObject);
  }

  void TearDown() override {
    delete List;  // a test may have deleted it already
    SetErrorReport(FSavedReport);
    PropertyDialogs() = FSavedDialogs;
  }

  int Row(const std::string& path) const {
    for (int i = 0; i < List->RowCount(); ++i)
      if (List->RowPath(i) == path) return i;
    ADD_FAILURE() << "no row " << path;
    return -1;
  }
  std::string CurrentPath() const { return List->RowPath(List->CurrentRow()); }
  QPoint NamePoint(int row) const { return {40, List->RowRect(row).center().y()}; }
  QPoint ValuePoint(int row) const {
    return {List->GetMiddle() + 20, List->RowRect(row).center().y()};
  }
  void Click(int row) { QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, NamePoint(row)); }
  void DoubleClick(int row) { RealDoubleClick(List->viewport(), NamePoint(row)); }
  // What the desktop sends for a double click: press, release, double click, release.
  static void RealDoubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
  }
  // A click whose press carries the given time stamp.
  static void ClickAt(QWidget* widget, QPoint pos, ulong timestamp) {
    QMouseEvent press(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    press.setTimestamp(timestamp);
    QApplication::sendEvent(widget, &press);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
  }
  TZInplaceEdit* Edit() const { return List->InplaceEdit(); }
  TZListButton* Button() const { return Edit()->Button(); }
  TZPopupList* Popup() const { return Button()->PopupList(); }
  void DropDown(const char* row) {
    Click(Row(row));
    Key(Qt::Key_Down, Qt::AltModifier);
  }
  void PopupKey(Qt::Key key) { QTest::keyClick(Popup(), key); }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Edit(), static_cast<Qt::Key>(key), modifiers);
  }
  void Type(const QString& text) { QTest::keyClicks(Edit(), text); }
  QString Text() const { return Edit()->text(); }

  TTestComponent FObject;
  TTestOther FOther;
  TZPropList* List = nullptr;
  std::vector<std::string> Errors;

 private:
  TErrorReport FSavedReport;
  TPropertyDialogs FSavedDialogs;
};

TEST_F(PropListTest, ShowsThePropertiesInTheFilterAndKeepsTheSelectedOne) {
  EXPECT_EQ(Text(), "Object1");
  EXPECT_EQ(Edit()->geometry(), List->ValueRect(0));
  // An object without properties in the filter shows an empty list.
  List->SetFilter(TDesignKinds{TDesignKind::tkFloat});
  List->SetCurObj(&FObject);
  EXPECT_EQ(List->RowCount(), 0);
  EXPECT_FALSE(Edit()->isVisible());
  QTest::keyClick(List, Qt::Key_Down);
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
  EXPECT_EQ(List->CurrentRow(), -1);
  List->SetFilter(kAllPropertyKinds);

  // Switching objects keeps the selected property, even a nested one.
  List->SetCurObj(&FObject);
  Click(Row("Color"));
  List->SetCurObj(&FOther);
  EXPECT_EQ(CurrentPath(), "Color");
  EXPECT_EQ(Text(), "clBlue");
  List->SetCurObj(&FObject);
  DoubleClick(Row("Sub"));
  DoubleClick(Row("Sub\\Inner"));
  ASSERT_TRUE(List->SelectRow(Row("Sub\\Inner\\Value")));
  List->SetCurObj(&FOther);
  EXPECT_EQ(CurrentPath(), "Sub\\Inner\\Value");
  EXPECT_EQ(Text(), "3");
  // No such path in a plain list: the first row.
  TTestInner inner;
  List->SetCurObj(&inner);
  EXPECT_EQ(List->CurrentRow(), 0);
}

TEST_F(PropListTest, KeysStopAtTheEndsAndTheScrollBarCoversWhatDoesNotFit) {
  TTestWide wide;
  List->SetCurObj(&wide);
  int visible = List->VisibleRowCount();
  ASSERT_GT(visible, 3);
  const struct {
    Qt::Key Key;
    int Times, Current, Top;  // Top -1: not looked at
  } steps[] = {{Qt::Key_Up, 1, 0, 0},
               {Qt::Key_Down, 1, 1, -1},
               {Qt::Key_PageDown, 1, visible, -1},
               {Qt::Key_PageDown, 10, 39, 40 - visible},
               {Qt::Key_Down, 1, 39, -1},
               {Qt::Key_PageUp, 1, 39 - (visible - 1), 40 - visible},
               {Qt::Key_PageUp, 10, 0, 0}};
  for (const auto& step : steps) {
    for (int i = 0; i < step.Times; ++i) Key(step.Key);
    EXPECT_EQ(List->CurrentRow(), step.Current) << step.Key;
    if (step.Top >= 0) {
      EXPECT_EQ(List->TopRow(), step.Top) << step.Key;
    }
  }
  // The list itself takes the same keys when it has no edit.
  QTest::keyClick(List, Qt::Key_Down);
  EXPECT_EQ(List->CurrentRow(), 1);

  List->resize(260, 200);
  QApplication::processEvents();  // the area shows its bar once the range is known
  QScrollBar* bar = List->verticalScrollBar();
  visible = List->VisibleRowCount();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->maximum(), 40 - visible);
  bar->setValue(10);  // as the thumb does
  EXPECT_EQ(List->TopRow(), 10);
  EXPECT_EQ(Edit()->geometry().top(), List->ValueRect(1).top());
  // A row above the view scrolls in when selected.
  List->SelectRow(5);
  EXPECT_EQ(List->TopRow(), 5);
  TTestInner narrow;
  List->SetCurObj(&narrow);
  QApplication::processEvents();
  EXPECT_EQ(bar->maximum(), 0);
  EXPECT_FALSE(bar->isVisible());
}

// Stored text is Windows-1252: its quotes and euro sign show and are typed as such.
TEST_F(PropListTest, EightBitTextIsWindows1252AndControlCharactersShowAsDots) {
  FObject.Title = "\x93\x80 5\x94";
  List->SetCurObj(&FObject);
  Click(Row("Title"));
  EXPECT_EQ(Text(), QStringLiteral("\u201C\u20AC 5\u201D"));
  // Real key events carrying the text: QTest's own typing knows only Latin-1.
  for (QChar c : QStringLiteral("\u2013\u20AC"))
    QTest::sendKeyEvent(QTest::Click, Edit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
  Key(Qt::Key_Return);
  EXPECT_EQ(FObject.Title, "\x96\x80");
  EXPECT_TRUE(Errors.empty());

  // Control characters show as dots in the cell and the edit; the hint shows them as they are.
  FObject.Note = "a\tb\r\nc";
  const int note = Row("Note");
  const auto cell = [&] { return List->viewport()->grab(List->ValueRect(note)).toImage(); };
  const QImage withControls = cell();
  FObject.Note = "a.b..c";
  List->viewport()->update();
  EXPECT_EQ(cell(), withControls);
  FObject.Note = "a\tb\r\nc";
  Click(note);
  EXPECT_EQ(Text(), "a.b..c");
  EXPECT_EQ(List->HintAt(ValuePoint(note)).value_or(THintInfo{}).HintStr, "a\tb\r\nc");
}

TEST_F(PropListTest, DoubleClickTheExpandBoxAndCtrlArrowsExpandAndCollapse) {
  const int font = Row("Font");
  DoubleClick(font);
  EXPECT_EQ(List->RowCount(), 23);
  EXPECT_EQ(List->RowPath(font + 1), "Font\\Charset");
  DoubleClick(font);
  EXPECT_EQ(List->RowCount(), 17);
  DoubleClick(Row("Count"));  // nothing to expand
  EXPECT_EQ(List->RowCount(), 17);

  Click(font);
  Key(Qt::Key_Right, Qt::ControlModifier);
  Key(Qt::Key_Right, Qt::ControlModifier);  // already expanded: a word right in the edit
  EXPECT_EQ(List->RowCount(), 23);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_FALSE(List->Rows(font).Expanded);
  FObject.Title = "Hello world";
  Click(Row("Title"));
  Key(Qt::Key_End);
  Key(Qt::Key_Left, Qt::ControlModifier);  // a row that cannot expand keeps word moves
  EXPECT_EQ(Edit()->cursorPosition(), 6);

  const int styles = Row("Styles");
  const QPoint box(5, List->RowRect(styles).center().y());
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, box);
  EXPECT_TRUE(List->Rows(styles).Expanded);
  // The box of a nested row sits one level further right.
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {},
                    QPoint(5, List->RowRect(styles + 1).center().y()));
  EXPECT_EQ(List->CurrentRow(), styles + 1);
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, box);
  EXPECT_FALSE(List->Rows(styles).Expanded);
  List->SetNewButtons(false);
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, box);
  EXPECT_FALSE(List->Rows(styles).Expanded);

  // Expanding near the bottom scrolls the new rows in.
  List->resize(260, 200);
  const int sub = Row("Sub");
  ASSERT_TRUE(List->SelectRow(sub));  // scrolls it into view
  const int visible = List->VisibleRowCount();
  DoubleClick(sub);
  EXPECT_EQ(List->TopRow(), std::min(sub + 2 - visible + 1, sub));
}

TEST_F(PropListTest, DragsSelectRowsTheSplitterKeepsThirtyTwoPixelsAndRowsStayWhole) {
  QWidget* viewport = List->viewport();
  // Dragging on the names with the button held selects the row under the pointer.
  QTest::mousePress(viewport, Qt::LeftButton, {}, NamePoint(1));
  EXPECT_EQ(List->CurrentRow(), 1);
  QMouseEvent move(QEvent::MouseMove, NamePoint(4), viewport->mapToGlobal(NamePoint(4)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  EXPECT_EQ(List->CurrentRow(), 4);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, NamePoint(4));
  QTest::mouseMove(viewport, NamePoint(6));
  EXPECT_EQ(List->CurrentRow(), 4);

  const int y = List->RowRect(3).center().y();
  QTest::mouseMove(viewport, QPoint(List->GetMiddle() + 2, y));
  EXPECT_EQ(viewport->cursor().shape(), Qt::SplitHCursor);
  QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(List->GetMiddle() + 2, y));
  QTest::mouseMove(viewport, QPoint(120, y));
  EXPECT_EQ(List->GetMiddle(), 120);
  QTest::mouseMove(viewport, QPoint(5, y));
  EXPECT_EQ(List->GetMiddle(), 32);
  QTest::mouseMove(viewport, QPoint(viewport->width() - 1, y));
  EXPECT_EQ(List->GetMiddle(), viewport->width() - 32);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(viewport->width() - 1, y));
  EXPECT_EQ(Edit()->geometry().left(), List->GetMiddle() + 2);
  QTest::mouseMove(viewport, QPoint(60, y));
  EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(List->GetMiddle(), viewport->width() - 32);
  List->resize(120, 200);
  EXPECT_EQ(List->GetMiddle(), List->viewport()->width() - 32);
  List->SetMiddle(0);
  EXPECT_EQ(List->GetMiddle(), 32);
  // A list not shown yet measures its frame, not the unlaid viewport.
  TZPropList hidden;
  hidden.resize(300, 200);
  hidden.SetMiddle(150);
  EXPECT_EQ(hidden.GetMiddle(), 150);
  hidden.SetMiddle(290);
  EXPECT_EQ(hidden.GetMiddle(), hidden.contentsRect().width() - 32);

  // An integral height keeps whole rows.
  List->SetIntegralHeight(true);
  const int frame = List->height() - List->viewport()->height();
  for (int requested : {205, 180, 163}) {
    List->resize(260, requested);
    EXPECT_LE(List->height(), requested);
    EXPECT_GT(List->height(), requested - List->RowHeight());
    EXPECT_EQ((List->height() - frame) % List->RowHeight(), 0) << requested;
  }
}

TEST_F(PropListTest, EnterCommitsAndFiresTheEventsInOrder) {
  std::vector<std::string> events;
  bool allow = true;
  List->OnChanging = [&](TZPropList*, bool& canChange) {
    events.push_back("changing");
    canChange = allow;
  };
  List->OnAdvancedChange = [&](TZPropList*, const TPropertyRef& p) {
    events.push_back("advanced " + p->GetName());
  };
  List->OnChange = [&](TZPropList*) { events.push_back("change"); };
  Click(Row("Count"));
  Type("42");
  EXPECT_EQ(FObject.Count, 5);
  Key(Qt::Key_Return);
  EXPECT_EQ(FObject.Count, 42);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "advanced Count", "change"}));
  EXPECT_FALSE(Edit()->isModified());
  // Enter without a change only selects the text.
  events.clear();
  Edit()->deselect();
  Key(Qt::Key_Return);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(Edit()->selectedText(), "42");
  // OnChanging can refuse.
  allow = false;
  Type("7");
  Key(Qt::Key_Return);
  EXPECT_EQ(FObject.Count, 42);
  EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
  EXPECT_EQ(Text(), "42");

  // Activate tells a property editor its row became current: once per row change.
  allow = true;
  const int before = EmptyListActivations();
  Click(Row("Empty"));
  EXPECT_EQ(EmptyListActivations(), before + 1);
  Type("z");
  Key(Qt::Key_Return);
  Click(Row("Empty"));
  EXPECT_EQ(EmptyListActivations(), before + 1);
  Key(Qt::Key_Up);
  Key(Qt::Key_Down);
  EXPECT_EQ(EmptyListActivations(), before + 2);
}

// Leaving a row commits it and collapses it; the key or click still reaches its row.
TEST_F(PropListTest, LeavingARowCommitsAndGoesWhereAsked) {
  const int styles = Row("Styles");
  const struct {
    const char* Row;
    bool Expand;
    const char* Typed;
    int ClickedRow;  // -1: Down
    const char* Reached;
  } cases[] = {{"Title", false, "World", -1, "Enabled"},
               {"Enabled", false, "False", Row("Count"), "Count"},
               {"Styles", true, "[fsItalic]", -1, "Color"},
               {"Styles", true, "[]", styles + 4 + 3, "Charset"}};
  for (const auto& c : cases) {
    Click(Row(c.Row));
    if (c.Expand) Key(Qt::Key_Right, Qt::ControlModifier);
    Type(c.Typed);
    if (c.ClickedRow < 0)
      Key(Qt::Key_Down);
    else
      Click(c.ClickedRow);
    EXPECT_FALSE(List->Rows(styles).Expanded);
    EXPECT_EQ(CurrentPath(), c.Reached) << c.Row << " " << c.Typed;
  }
  EXPECT_EQ(FObject.Title, "World");
  EXPECT_FALSE(FObject.Enabled);
  EXPECT_EQ(FObject.Styles, TFontStyles{});
  EXPECT_TRUE(Errors.empty());
}

TEST_F(PropListTest, ARejectedValueIsReportedAndKeepsTheRowAndText) {
  const int count = Row("Count");
  Click(count);
  Type("abc");
  Key(Qt::Key_Down);
  EXPECT_EQ(Errors, (std::vector<std::string>{"'abc' is not a valid integer value"}));
  EXPECT_EQ(List->CurrentRow(), count);
  EXPECT_EQ(Text(), "abc");
  Click(Row("Title"));
  EXPECT_EQ(List->CurrentRow(), count);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(), "5");
  Key(Qt::Key_Down);
  EXPECT_EQ(List->CurrentRow(), count + 1);
  Type("101");
  Key(Qt::Key_Return);
  EXPECT_EQ(Errors.back(), "Value must be between 0 and 100");
  EXPECT_EQ(FObject.Percent, 50);
}

// Escape, auto-update, read-only rows and the length limit, which never cuts a stored value.
TEST_F(PropListTest, TheEditFollowsTheRowsAttributesAndLimit) {
  int changes = 0;
  List->OnChange = [&changes](TZPropList*) { ++changes; };
  Click(Row("Title"));
  Type("xyz");
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(), "Hello");
  EXPECT_FALSE(Edit()->isModified());
  Click(Row("Caption"));
  Type("OK");
  EXPECT_EQ(FObject.Caption, "OK");
  EXPECT_EQ(Edit()->cursorPosition(), 2);
  EXPECT_EQ(changes, 2);
  Click(Row("Font"));
  Type("x");
  EXPECT_EQ(Text(), "(TFont)");
  Click(Row("Name"));
  Type(QString(70, u'x'));
  EXPECT_EQ(Text(), QString(63, u'x'));
  Key(Qt::Key_Escape);  // not revertable: typed text stays until committed
  EXPECT_EQ(Text(), QString(63, u'x'));
  Key(Qt::Key_Return);
  EXPECT_EQ(FObject.GetName(), std::string(63, 'x'));
  FObject.SetName(std::string(70, 'N'));
  List->SetCurObj(&FOther);
  List->SetCurObj(&FObject);
  Click(Row("Name"));
  EXPECT_EQ(Text(), QString(70, u'N'));
}

// One tab stop both ways; leaving the edit commits, a refused value takes the focus back.
TEST_F(PropListTest, TheListIsOneTabStopAndLeavingItCommits) {
  QWidget window;  // the list between two edits, as a host places it
  QWidget* before = new QLineEdit(&window);
  auto* list = new TZPropList(&window);
  QWidget* after = new QLineEdit(&window);
  auto* layout = new QVBoxLayout(&window);
  for (QWidget* w : {before, static_cast<QWidget*>(list), after}) layout->addWidget(w);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  TZInplaceEdit* edit = list->InplaceEdit();
  list->SetCurObj(&FObject);
  after->setFocus();
  const std::pair<bool, QWidget*> steps[] = {
      {false, edit}, {false, before}, {true, edit}, {true, after}};
  for (const auto& [forward, expected] : steps) {
    QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                    forward ? Qt::NoModifier : Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), expected) << forward;
  }
  list->setFocus();
  ASSERT_TRUE(edit->hasFocus());
  list->SelectRow(3);  // Count
  QTest::keyClicks(edit, "17");
  after->setFocus();
  EXPECT_EQ(FObject.Count, 17);
  list->SelectRow(5);  // Title
  edit->setFocus();
  QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("\u03A9"), {});
  QTest::keyClicks(edit, "mega");
  after->setFocus();
  EXPECT_EQ(
      Errors,
      (std::vector<std::string>{"8-bit (Windows-1252) text cannot hold \"\u03A9\" (U+03A9)"}));
  QApplication::processEvents();
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(edit->text(), QStringLiteral("\u03A9mega"));
  EXPECT_EQ(list->CurrentRow(), 5);
  EXPECT_EQ(FObject.Title, "Hello");
}

// Eight rows at most, sorted if asked; Enter or a click takes, Escape or outside cancels.
TEST_F(PropListTest, TheDropDownShowsEightRowsAndTakesEnterOrAClick) {
  int changes = 0;
  List->OnChange = [&changes](TZPropList*) { ++changes; };
  const int itemHeight = Edit()->ItemHeight();
  DropDown("Cursor");
  ASSERT_TRUE(Popup()->isVisible());
  EXPECT_EQ(Popup()->height(), 8 * itemHeight + 2);
  EXPECT_EQ(Popup()->currentItem()->text(), "crDefault");
  EXPECT_EQ(Popup()->item(0)->text(), "crAppStart");  // sorted: the editor asks for it
  EXPECT_GE(Popup()->width(), Edit()->width() + Button()->width() + 1);
  EXPECT_LE(Popup()->width(), List->viewport()->width());
  PopupKey(Qt::Key_Escape);
  DropDown("Color");  // not sorted: the colours' own order
  EXPECT_EQ(Popup()->item(0)->text(), AnsiToQString(ColorIdents().front()));
  PopupKey(Qt::Key_Escape);
  DropDown("Empty");
  EXPECT_EQ(Popup()->height(), itemHeight + 2);
  PopupKey(Qt::Key_Return);  // nothing to take
  EXPECT_FALSE(Popup()->isVisible());

  Click(Row("Shape"));
  QTest::mouseClick(Button(), Qt::LeftButton);
  EXPECT_EQ(Popup()->height(), 3 * itemHeight + 2);
  PopupKey(Qt::Key_Down);
  PopupKey(Qt::Key_Return);
  EXPECT_EQ(FObject.Shape, TTestShape::shTriangle);
  Key(Qt::Key_Down, Qt::AltModifier);
  QTest::mouseClick(Popup()->viewport(), Qt::LeftButton, {},
                    Popup()->visualItemRect(Popup()->item(0)).center());
  EXPECT_EQ(FObject.Shape, TTestShape::shCircle);
  for (const bool escape : {true, false}) {
    Key(Qt::Key_Down, Qt::AltModifier);
    PopupKey(Qt::Key_Down);
    if (escape)
      PopupKey(Qt::Key_Escape);
    else
      QTest::mouseClick(Popup(), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(Popup()->isVisible());
  }
  EXPECT_EQ(FObject.Shape, TTestShape::shCircle);
  EXPECT_EQ(changes, 2);
}

TEST_F(PropListTest, TheDropDownOpensAboveTheRowWhenTheScreenEndsBelow) {
  List->resize(260, 200);
  DropDown("Cursor");
  const auto rowTop = [&] {
    return List->viewport()->mapToGlobal(List->RowRect(List->CurrentRow()).topLeft()).y();
  };
  EXPECT_EQ(Popup()->geometry().top(), rowTop() + List->RowHeight());
  EXPECT_EQ(Popup()->geometry().right(),
            Button()->mapToGlobal(QPoint(Button()->width() - 1, 0)).x());
  PopupKey(Qt::Key_Escape);
  const QRect screen = List->screen()->geometry();
  List->move(List->x(), screen.bottom() - List->height() + 1);
  QApplication::processEvents();
  ASSERT_GT(rowTop() + List->RowHeight() + Popup()->height(), screen.bottom() + 1);
  Key(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Popup()->geometry().bottom() + 1, rowTop());
  PopupKey(Qt::Key_Escape);
}

TEST_F(PropListTest, TheDropDownSearchesAsYouTypeAndRestartsAfterAPause) {
  int64_t now = 100000;
  Popup()->Clock = [&now] { return now; };
  DropDown("Cursor");
  QTest::keyClicks(Popup(), "crs");
  EXPECT_EQ(Popup()->currentItem()->text(), "crSizeAll");
  now += 2000;
  QTest::keyClicks(Popup(), "q");
  EXPECT_EQ(Popup()->currentItem()->text(), "crSQLWait");
  now += 2001;
  QTest::keyClicks(Popup(), "crh");
  EXPECT_EQ(Popup()->currentItem()->text(), "crHandPoint");
  PopupKey(Qt::Key_Backspace);
  EXPECT_EQ(Popup()->SearchText(), "");
  QTest::keyClicks(Popup(), QString(40, u'x'));
  EXPECT_EQ(Popup()->SearchText().size(), TZPopupList::kMaxSearchLength);
  PopupKey(Qt::Key_Return);  // nothing starts with x
  EXPECT_EQ(FObject.Cursor, crHandPoint);
}

TEST_F(PropListTest, TypingCompletesFromTheValuesButNotAfterBackspace) {
  Click(Row("Color"));
  Type("cl");
  EXPECT_EQ(Text(), "clBlack");  // the first identifier in the colours' own order
  Type("a");
  EXPECT_EQ(Text(), "clAqua");
  EXPECT_EQ(Edit()->selectedText(), "qua");
  Key(Qt::Key_Backspace);  // removes the completed tail only
  EXPECT_EQ(Text(), "clA");
  Key(Qt::Key_Backspace);
  Type("aq");
  Key(Qt::Key_Return);
  EXPECT_EQ(FObject.Color, clAqua);
  Click(Row("Title"));  // no value list: no completion
  Type("c");
  EXPECT_EQ(Text(), "c");
}

// Ctrl+Enter, the ellipsis and double clicks open the dialog, which collapses its row.
TEST_F(PropListTest, TheEllipsisCtrlEnterAndDoubleClicksOpenTheDialog) {
  int fonts = 0, colours = 0;
  PropertyDialogs().PickFont = [&fonts](TFont& font) {
    font.SetName("DejaVu Sans");
    return ++fonts > 0;
  };
  PropertyDialogs().PickColor = [&colours](TColor) -> std::optional<TColor> {
    return ++colours == 1 ? clTeal : clOlive;
  };
  const int font = Row("Font");
  DoubleClick(font);
  Key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(fonts, 1);
  EXPECT_FALSE(List->Rows(font).Expanded);
  EXPECT_EQ(List->RowCount(), 17);
  EXPECT_EQ(FObject.Font()->GetName(), "DejaVu Sans");
  ASSERT_TRUE(Button()->isVisible());
  EXPECT_EQ(Button()->Kind(), TZButtonKind::bkEllipsis);
  const QPoint inside = Button()->rect().center();
  QTest::mousePress(Button(), Qt::LeftButton, {}, inside);
  QTest::mouseMove(Button(), QPoint(-30, 5));
  EXPECT_FALSE(Button()->Pressed());
  QTest::mouseRelease(Button(), Qt::LeftButton, {}, QPoint(-30, 5));
  EXPECT_EQ(fonts, 1);
  QTest::mouseClick(Button(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(fonts, 2);

  const int color = Row("Color");
  Click(color);
  RealDoubleClick(Edit(), Edit()->rect().center());
  EXPECT_EQ(FObject.Color, clTeal);
  // A press on the list and one on the edit soon after, in one place, make a double click.
  for (const bool onName : {true, false}) {
    Click(Row("Count"));
    ClickAt(List->viewport(), onName ? NamePoint(color) : ValuePoint(color), 5000);
    ASSERT_EQ(List->CurrentRow(), color);
    ClickAt(Edit(), Edit()->mapFrom(List->viewport(), ValuePoint(color)), 5000 + 50);
    EXPECT_EQ(colours, onName ? 1 : 2) << onName;
  }
  PropertyDialogs().PickColor = [](TColor current) -> std::optional<TColor> {
    EXPECT_EQ(current, clYellow);
    return std::nullopt;
  };
  Type("clYellow");
  Key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(FObject.Color, clYellow);
}

TEST_F(PropListTest, HintsAppearOnlyForNamesAndValuesThatDoNotFit) {
  FObject.Title = std::string(80, 'w');
  List->SetCurObj(&FObject);
  const int title = Row("Title");
  EXPECT_FALSE(List->HintAt(QPoint(200, List->RowRect(List->RowCount()).center().y())));
  // The resting pointer asks through a tool-tip event.
  const QPoint resting = ValuePoint(title);
  QHelpEvent ask(QEvent::ToolTip, resting, List->viewport()->mapToGlobal(resting));
  QApplication::sendEvent(List->viewport(), &ask);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QString(80, u'w'));
  List->SetShowHint(false);
  QHelpEvent again(QEvent::ToolTip, resting, List->viewport()->mapToGlobal(resting));
  QApplication::sendEvent(List->viewport(), &again);
  EXPECT_FALSE(again.isAccepted());
  List->SetShowHint(true);
  List->OnHint = [](TZPropList*, const TPropertyRef& prop, THintInfo& info) {
    info.HintStr = AnsiToQString(prop->GetName()) + ": long";
  };
  EXPECT_EQ(List->HintAt(ValuePoint(title)).value_or(THintInfo{}).HintStr, "Title: long");
  List->OnHint = nullptr;

  // A text needs a hint once its width reaches the cell width less one pixel.
  FObject.Title = "wwwwwwwwww";
  const QFontMetrics metrics(List->font());
  const int valueWidth = metrics.horizontalAdvance(QStringLiteral("wwwwwwwwww"));
  const int nameWidth = metrics.horizontalAdvance(QStringLiteral("Title"));
  const int nameLeft = 11;  // after the expand box of level 0
  for (const int spare : {0, 1, 2}) {
    const bool hinted = spare < 2;
    List->SetMiddle(List->viewport()->width() - 2 - valueWidth - spare);
    EXPECT_EQ(List->HintAt(ValuePoint(title)).has_value(), hinted) << "value, spare " << spare;
    List->SetMiddle(nameLeft + nameWidth + spare);
    EXPECT_EQ(List->HintAt({nameLeft, NamePoint(title).y()}).value_or(THintInfo{}).HintStr,
              hinted ? "Title" : "")
        << "name, spare " << spare;
  }
}

TEST_F(PropListTest, DestroyingTheShownComponentClearsTheList) {
  std::vector<std::pair<TPersistent*, TPersistent*>> switches;
  List->OnNewObject = [&switches](TZPropList*, TPersistent* oldObj, TPersistent* newObj) {
    switches.emplace_back(oldObj, newObj);
  };
  auto* doomed = new TTestComponent();
  List->SetCurObj(doomed);
  Click(Row("Count"));
  Type("9");
  delete doomed;
  EXPECT_EQ(List->CurObj(), nullptr);
  EXPECT_EQ(List->RowCount(), 0);
  EXPECT_FALSE(Edit()->isVisible());
  EXPECT_FALSE(Edit()->isModified());
  ASSERT_EQ(switches.size(), 2u);
  EXPECT_EQ(switches[1], (std::pair<TPersistent*, TPersistent*>{doomed, nullptr}));
  EXPECT_FALSE(List->grab().isNull());
  // A component shown before and freed after another was shown stays harmless.
  auto* earlier = new TTestComponent();
  List->SetCurObj(earlier);
  List->SetCurObj(&FObject);
  delete earlier;
  EXPECT_EQ(List->CurObj(), &FObject);
  // The list's own destruction tells its host nothing: the host is going too.
  int events = 0;
  List->OnNewObject = [&events](TZPropList*, TPersistent*, TPersistent*) { ++events; };
  List->OnChange = [&events](TZPropList*) { ++events; };
  Click(Row("Caption"));
  delete List;
  List = nullptr;
  EXPECT_EQ(events, 0);
}

// Grid lines: background less 16 per channel (at least 0), current row framed; boxes show -/+.
TEST_F(PropListTest, GridLinesFramesAndExpandBoxes) {
  List->SetColor(RGB(100, 10, 200));
  DoubleClick(Row("Styles"));
  const int current = Row("Count");
  Click(current);
  const QImage shot = List->viewport()->grab().toImage();
  const QColor grid(84, 0, 184);
  const int x = List->GetMiddle() - 4;
  for (int row = 0; row < List->RowCount(); ++row) {
    const QColor line = shot.pixelColor(x, List->RowRect(row).bottom());
    if (row != current) {
      EXPECT_EQ(line, row == current - 1 ? SysQColor(clBtnShadow) : grid) << row;
    }
  }
  const QColor ink = SysQColor(clWindowText);
  for (const char* name : {"Styles", "Font"}) {
    const QRect row = List->RowRect(Row(name));
    const QPoint box(0, row.top() + (row.height() - 9) / 2);
    EXPECT_EQ(shot.pixelColor(box + QPoint(2, 4)), ink) << name;
    EXPECT_EQ(shot.pixelColor(box + QPoint(4, 2)) == ink, name == std::string("Font")) << name;
  }
}

// A button skin object, font expanded, a colour row selected; text allows small differences.
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
  int font = 0;
  while (font < list.RowCount() && list.RowPath(font) != "Font") ++font;
  list.SelectRow(font);
  list.ToggleCurrentRow();
  list.SelectRow(font + 2);  // Font\Color: a drop-down button
  ASSERT_EQ(list.RowPath(list.CurrentRow()), "Font\\Color");
  const QImage shot = list.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ExpectGolden(shot, QStringLiteral("inspector/button-object"), {24, 240 * 420 / 200});
}

}  // namespace
}  // namespace vt::test
