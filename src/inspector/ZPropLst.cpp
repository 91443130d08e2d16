// TZPropList. Sections: removal watch; construction and published properties; rows
// (building, paths, expansion); geometry and scrolling; the in-place editor (placing,
// loading, committing, dialogs); painting; keyboard, mouse and hints.
// The edit, its button and the popup list are in ZInplaceEdit.cpp.
#include "ZPropLst.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "ErrorReport.h"
#include "ZDrawEdge.h"
#include "rtl/Assert.h"

namespace vt {

using enum TPropertyAttribute;

namespace {

constexpr int kSplitterMargin = 32;  // the splitter keeps this far from either side
constexpr int kSplitterGrip = 3;     // pointer distance that grabs the splitter
constexpr int kIndentPerLevel = 10;  // nested rows move right by this much
constexpr int kNameOffset = 11;      // the name starts after the expand box
constexpr int kExpandBoxSize = 9;
constexpr int kNamePrefixLeft = 2;  // where the name starts when a text prefix shows the state
constexpr int kValueTextInset = 2;  // value text inset, as the edit's text margin

// A commit collapses the edited row, while the key or pointer that asked for `index`
// meant a row of the layout before: a row below the children moves up by the rows that
// went, and a child that went gives the row that followed the children.
int IndexAfterCollapse(int index, int collapsed, int removed) {
  if (removed <= 0 || index <= collapsed) return index;
  return index > collapsed + removed ? index - removed : collapsed + 1;
}

}  // namespace

QString VisibleValueText(const QString& text) {
  QString visible = text;
  for (QChar& c : visible)
    if (c.unicode() < 0x20) c = u'.';
  return visible;
}

// ---- Removal watch ----------------------------------------------------------------

// A component that asks the shown component to report its destruction, so that the
// list never keeps editors on a freed object.
class TZPropList::TRemovalWatch : public TComponent {
 public:
  explicit TRemovalWatch(TZPropList* list) : TComponent(nullptr), FList(list) {}
  ~TRemovalWatch() override { Watch(nullptr); }

  void Watch(TComponent* component) {
    if (FWatched) RemoveFreeNotification(FWatched);
    FWatched = component;
    if (FWatched) FreeNotification(FWatched);
  }

  void Notification(TComponent* component, TOperation operation) override {
    if (operation != TOperation::opRemove || component != FWatched) return;
    FWatched = nullptr;  // already gone from its list of peers
    FList->ObjectRemoved(component);
  }

 private:
  TZPropList* FList;
  TComponent* FWatched = nullptr;
};

// ---- Construction and published properties ----------------------------------------

TZPropList::TZPropList(QWidget* parent)
    : QAbstractScrollArea(parent),
      FRemovalWatch(std::make_unique<TRemovalWatch>(this)),
      FDesigner(std::make_shared<TZFormDesigner>()) {
  setFont(TFont().ToQFont());
  // Tab reaches the list; a click does not take the focus from the edit (which would
  // lose its selection), mousePressEvent hands it on instead.
  setFocusPolicy(Qt::TabFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetBorderStyle(TZBorderStyle::bsSingle);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);
  viewport()->setFocusProxy(this);
  FEdit = new TZInplaceEdit(this, viewport());
  UpdateRowHeight();
  resize(200, 200);
}

TZPropList::~TZPropList() {
  FDestroying = true;
  // The host is usually being torn down too: no event reaches it from here on.
  OnNewObject = nullptr;
  OnHint = nullptr;
  OnChanging = nullptr;
  OnAdvancedChange = nullptr;
  OnChange = nullptr;
  RowFilter = nullptr;
  FEdit->Button()->CloseUp(false);
  SetCurObj(nullptr);
  FRows.clear();
  // The edit goes before the list's own parts, so that no late focus change reaches it.
  delete FEdit;
  FEdit = nullptr;
}

void TZPropList::SetPropColor(TColor value) {
  FPropColor = value;
  viewport()->update();
}

void TZPropList::SetIntegralHeight(bool value) {
  FIntegralHeight = value;
  ApplyIntegralHeight();
}

void TZPropList::SetFilter(TDesignKinds value) {
  FFilter = value;
  BuildRows(FCurrent >= 0 ? RowPath(FCurrent) : std::string());
}

void TZPropList::Refilter() {
  BuildRows(FCurrent >= 0 ? RowPath(FCurrent) : std::string());
}

void TZPropList::SetNewButtons(bool value) {
  FNewButtons = value;
  viewport()->update();
}

void TZPropList::SetMiddle(int value) {
  FMiddle = ClampMiddle(value);
  PlaceEditor();
  viewport()->update();
}

// The standard scroll bar has no flat or hot-tracking modes; the style is kept and
// handed to the bar as a property a style sheet or style can act on.
void TZPropList::SetScrollBarStyle(TZScrollBarStyle value) {
  FScrollBarStyle = value;
  verticalScrollBar()->setProperty("ScrollBarStyle", static_cast<int>(value));
  verticalScrollBar()->update();
}

void TZPropList::SetBorderStyle(TZBorderStyle value) {
  FBorderStyle = value;
  setFrameStyle(value == TZBorderStyle::bsSingle ? QFrame::WinPanel | QFrame::Sunken
                                                 : QFrame::NoFrame);
}

void TZPropList::SetColor(TColor value) {
  FColor = value;
  viewport()->update();
}

// ---- Rows -------------------------------------------------------------------------

void TZPropList::SetCurObj(TPersistent* obj) {
  if (FEdit->Button()->DroppedDown()) FEdit->Button()->CloseUp(false);
  const std::string path = FCurrent >= 0 ? RowPath(FCurrent) : std::string();
  TPersistent* old = FCurObj;
  if (OnNewObject) OnNewObject(this, old, obj);
  if (!FDestroying) FEdit->setModified(false);
  FRemovalWatch->Watch(nullptr);
  FCurObj = obj;
  BuildRows(path);
  if (!FDestroying) FRemovalWatch->Watch(dynamic_cast<TComponent*>(obj));
}

void TZPropList::ObjectRemoved(TComponent* component) {
  if (FDestroying || component != FCurObj) return;
  SetCurObj(nullptr);
}

std::string TZPropList::RowPath(int index) const {
  if (index < 0 || index >= RowCount()) return {};
  std::string path = FRows[index].Prop->GetName();
  int level = FRows[index].Level;
  for (int i = index - 1; i >= 0 && level > 0; --i) {
    if (FRows[i].Level >= level) continue;
    level = FRows[i].Level;
    path = FRows[i].Prop->GetName() + "\\" + path;
  }
  return path;
}

void TZPropList::BuildRows(const std::string& selectedPath) {
  FRows.clear();
  FCurrent = -1;
  if (FCurObj) {
    FNestingLevel = 0;
    FInsertIndex = 0;
    FParentPath.clear();
    GetComponentProperties(CreateSelectionList(FCurObj), FFilter, FDesigner,
                           [this](const TPropertyRef& prop) { AddRow(prop); });
  }
  UpdateScrollBar();
  SelectRow(FindPath(selectedPath));
  PlaceEditor();
  viewport()->update();
}

void TZPropList::AddRow(const TPropertyRef& prop) {
  if (RowFilter && !RowFilter(FParentPath, prop)) return;
  TZEditor row{prop, FNestingLevel, prop->GetAttributes().Contains(paSubProperties), false};
  FRows.insert(FRows.begin() + FInsertIndex, std::move(row));
  ++FInsertIndex;
}

int TZPropList::FindPath(const std::string& path) {
  if (path.empty()) return -1;
  int found = -1;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('\\', start), path.size());
    const std::string part = path.substr(start, end - start);
    const bool last = end == path.size();
    int match = -1;
    for (int i = found + 1; i < RowCount() && match < 0; ++i)
      if (FRows[i].Prop->GetName() == part) match = i;
    if (match < 0) break;
    found = match;
    if (last) break;
    if (FRows[found].HasSubProperties) {
      if (FRows[found].Expanded) break;
      Expand(found);
    }
    start = end + 1;
  }
  UpdateScrollBar();
  return found;
}

int TZPropList::Expand(int index) {
  const int before = RowCount();
  FNestingLevel = FRows[index].Level + 1;
  FInsertIndex = index + 1;
  FParentPath = RowPath(index);
  const TPropertyRef prop = FRows[index].Prop;
  prop->GetProperties([this](const TPropertyRef& sub) { AddRow(sub); });
  FRows[index].Expanded = true;
  return RowCount() - before;
}

void TZPropList::Collapse(int index) {
  const int level = FRows[index].Level;
  auto first = FRows.begin() + index + 1;
  auto last =
      std::find_if(first, FRows.end(), [level](const TZEditor& r) { return r.Level <= level; });
  const int removed = static_cast<int>(last - first);
  FRows.erase(first, last);
  FRows[index].Expanded = false;
  if (FCurrent > index + removed)
    FCurrent -= removed;
  else if (FCurrent > index)
    FCurrent = index;
}

void TZPropList::ToggleCurrentRow() {
  if (FCurrent >= 0) ToggleRow(FCurrent);
}

void TZPropList::ToggleRow(int index) {
  if (index < 0 || index >= RowCount() || !FRows[index].HasSubProperties) return;
  int added = 0;
  if (FRows[index].Expanded)
    Collapse(index);
  else
    added = Expand(index);
  UpdateScrollBar();
  if (added > 0) ShowNewChildren(index, added);
  SetTopRow(FTopRow);
  PlaceEditor();
  viewport()->update();
}

// Scrolls as many of the new rows into view as fit, keeping the expanded row visible.
void TZPropList::ShowNewChildren(int index, int added) {
  const int visible = std::max(1, FullRowsInView());
  const int lastChild = index + added;
  if (lastChild >= FTopRow + visible) SetTopRow(std::min(lastChild - visible + 1, index));
}

// ---- Geometry and scrolling -------------------------------------------------------

void TZPropList::UpdateRowHeight() {
  const QFontMetrics metrics(font());
  const int textHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("Wg")).height();
  FRowHeight = textHeight + 3;
  FEdit->setFont(font());
  FEdit->SetItemHeight(textHeight + 2);
  FEdit->Button()->PopupList()->setFont(font());
}

int TZPropList::FullRowsInView() const {
  return FRowHeight < 1 ? RowCount() : viewport()->height() / FRowHeight;
}

int TZPropList::VisibleRowCount() const {
  return std::min(FullRowsInView(), RowCount());
}

QRect TZPropList::RowRect(int index) const {
  return QRect(0, (index - FTopRow) * FRowHeight, viewport()->width(), FRowHeight);
}

QRect TZPropList::ValueRect(int index) const {
  const QRect row = RowRect(index);
  return QRect(FMiddle + 2, row.top() + 1, row.width() - FMiddle - 2, FRowHeight - 2);
}

int TZPropList::RowAt(int y) const {
  if (FRowHeight < 1) return -1;
  const int offset = y >= 0 ? y / FRowHeight : (y - FRowHeight + 1) / FRowHeight;
  return FTopRow + offset;
}

void TZPropList::UpdateScrollBar() {
  QScrollBar* bar = verticalScrollBar();
  const int visible = FullRowsInView();
  bar->setSingleStep(1);
  if (FRowHeight >= 1 && RowCount() > visible) {
    bar->setPageStep(std::max(1, visible));
    bar->setRange(0, RowCount() - visible);
  } else {
    bar->setPageStep(0);
    bar->setRange(0, 0);
  }
}

void TZPropList::SetTopRow(int row) {
  const int highest = std::max(0, RowCount() - FullRowsInView());
  verticalScrollBar()->setValue(std::clamp(row, 0, highest));
}

// The scroll bar is the one place the top row changes: every scroll ends up here.
void TZPropList::scrollContentsBy(int /*dx*/, int /*dy*/) {
  const int newTop = verticalScrollBar()->value();
  const int delta = newTop - FTopRow;
  FTopRow = newTop;
  if (delta == 0) return;
  if (std::abs(delta) < VisibleRowCount())
    viewport()->scroll(0, -delta * FRowHeight);
  else
    viewport()->update();
  PlaceEditor();
}

void TZPropList::ScrollIntoView(int row) {
  const int visible = std::max(1, FullRowsInView());
  int top = FTopRow;
  if (row < top)
    top = row;
  else if (row >= top + visible)
    top = row - visible + 1;
  SetTopRow(top);
}

int TZPropList::ClampMiddle(int value) const {
  // Before the first show the viewport has not been laid out yet; the frame has.
  const int width = isVisible() ? viewport()->width() : contentsRect().width();
  return std::clamp(value, kSplitterMargin, std::max(kSplitterMargin, width - kSplitterMargin));
}

bool TZPropList::NearSplitter(int x) const {
  return std::abs(x - FMiddle) <= kSplitterGrip;
}

bool TZPropList::InExpandBox(int row, QPoint pos) const {
  if (row < 0 || row >= RowCount() || !FRows[row].HasSubProperties) return false;
  const int x = pos.x() - kIndentPerLevel * FRows[row].Level;
  return x >= 1 && x <= 11;
}

void TZPropList::ApplyIntegralHeight() {
  if (!FIntegralHeight || FRowHeight < 1 || FApplyingHeight) return;
  const int client = contentsRect().height();
  const int frame = height() - client;
  const int wanted = frame + client / FRowHeight * FRowHeight;
  if (wanted == height()) return;
  FApplyingHeight = true;
  resize(width(), wanted);
  FApplyingHeight = false;
}

void TZPropList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (FRowHeight < 1) return;
  ApplyIntegralHeight();
  FMiddle = ClampMiddle(FMiddle);
  UpdateScrollBar();
  SetTopRow(FTopRow);
  PlaceEditor();
}

void TZPropList::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() != QEvent::FontChange || !FEdit) return;
  UpdateRowHeight();
  UpdateScrollBar();
  PlaceEditor();
  viewport()->update();
}

// ---- The in-place editor ----------------------------------------------------------

TPropertyRef TZPropList::CurrentProperty() const {
  return FCurrent >= 0 && FCurrent < RowCount() ? FRows[FCurrent].Prop : nullptr;
}

TZButtonKind TZPropList::ButtonKindFor(const TPropertyRef& prop) const {
  const TPropertyAttributes attributes = prop->GetAttributes();
  if (attributes.Contains(paValueList)) return TZButtonKind::bkDropDown;
  if (attributes.Contains(paDialog)) return TZButtonKind::bkEllipsis;
  return TZButtonKind::bkNone;
}

void TZPropList::PlaceEditor() {
  TZListButton* button = FEdit->Button();
  const TPropertyRef prop = CurrentProperty();
  if (!prop || FRowHeight < 1) {
    FEdit->hide();
    button->hide();
    return;
  }
  QRect cell = ValueRect(FCurrent);
  button->SetKind(ButtonKindFor(prop));
  if (button->Kind() != TZButtonKind::bkNone) {
    const int buttonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    cell.setWidth(cell.width() - buttonWidth);
    button->setGeometry(cell.right() + 1, cell.top(), buttonWidth, cell.height());
    button->show();
  } else {
    button->hide();
  }
  FEdit->setGeometry(cell);
  FEdit->show();
  if (hasFocus()) FEdit->setFocus();
}

void TZPropList::LoadEditor(bool activate) {
  const TPropertyRef prop = CurrentProperty();
  if (!prop) return;
  if (activate) prop->Activate();
  const TPropertyAttributes attributes = prop->GetAttributes();
  const QString text = VisibleValueText(AnsiToQString(prop->GetValue()));
  // A limit below the stored length would cut the value on the next commit.
  const int limit = prop->GetEditLimit() > 0 ? prop->GetEditLimit() : 32767;
  FEdit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
  FEdit->setReadOnly(attributes.Contains(paReadOnly));
  FEdit->SetAutoUpdate(attributes.Contains(paAutoUpdate));
  FEdit->setText(text);
  FEdit->selectAll();
  FEdit->setModified(false);
}

void TZPropList::RevertEdit() {
  LoadEditor(false);
}

bool TZPropList::SelectRow(int index) {
  const int edited = FCurrent;
  const int rowsBefore = RowCount();
  if (!CommitEdit(true)) return false;
  index = IndexAfterCollapse(index, edited, rowsBefore - RowCount());
  index = RowCount() == 0 ? -1 : std::clamp(index, 0, RowCount() - 1);
  if (index == FCurrent) return true;
  viewport()->update(RowRect(FCurrent).adjusted(0, -1, 0, 1));
  viewport()->update(RowRect(index).adjusted(0, -1, 0, 1));
  FCurrent = index;
  PlaceEditor();
  LoadEditor(true);
  ScrollIntoView(index);
  return true;
}

bool TZPropList::CommitEdit(bool reload) {
  if (FCommitting || FDestroying || !CurrentProperty() || !FEdit->isModified()) return true;
  FCommitting = true;
  const TPropertyRef prop = CurrentProperty();
  try {
    // Text 8-bit storage cannot hold is refused like any other rejected value.
    const std::string text = QStringToAnsi(FEdit->text());
    bool canChange = true;
    if (OnChanging) OnChanging(this, canChange);
    if (canChange) {
      prop->SetValue(text);
      FEdit->setModified(false);
      if (FCurrent >= 0 && FRows[FCurrent].Expanded) ToggleRow(FCurrent);
      if (OnAdvancedChange) OnAdvancedChange(this, prop);
      if (OnChange) OnChange(this);
    }
  } catch (const std::exception& error) {
    FRowDrag = false;
    ShowErrorReport(error.what());
    FCommitting = false;
    return false;
  }
  if (reload) {
    PlaceEditor();
    LoadEditor(false);
  }
  viewport()->update();
  FCommitting = false;
  return true;
}

void TZPropList::OpenDialog() {
  const TPropertyRef prop = CurrentProperty();
  if (!prop || FCommitting) return;
  const TPropertyAttributes attributes = prop->GetAttributes();
  if (!attributes.Contains(paDialog) && !attributes.Contains(paValueList)) return;
  // What was typed is written first: the dialog starts from it and nothing is lost.
  if (!CommitEdit(true)) return;
  bool canChange = true;
  if (OnChanging) OnChanging(this, canChange);
  if (!canChange) return;
  FCommitting = true;  // the dialog takes the focus: leaving the edit must not commit
  try {
    prop->Edit();
    if (FCurrent >= 0 && FRows[FCurrent].Expanded) ToggleRow(FCurrent);
    if (OnAdvancedChange) OnAdvancedChange(this, prop);
    if (OnChange) OnChange(this);
  } catch (const std::exception& error) {
    ShowErrorReport(error.what());
  }
  FCommitting = false;
  PlaceEditor();
  LoadEditor(false);
  viewport()->update();
}

bool TZPropList::EditOwnsFocus(QWidget* widget) const {
  if (!widget) return false;
  const TZListButton* button = FEdit->Button();
  return widget == this || widget == viewport() || widget == FEdit || widget == button ||
         widget == button->PopupList() || button->PopupList()->isAncestorOf(widget);
}

// Moves the focus to the tab stop before the list, as Shift+Tab does from any other
// widget; with none the focus stays where it is.
void TZPropList::FocusBeforeList() {
  for (QWidget* w = previousInFocusChain(); w && w != this; w = w->previousInFocusChain()) {
    if (isAncestorOf(w) || w->window() != window() || w->focusProxy()) continue;
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
      w->setFocus(Qt::BacktabFocusReason);
      return;
    }
  }
}

// ---- Painting ---------------------------------------------------------------------

QColor TZPropList::BackgroundColor() const {
  return SysQColor(FColor);
}

QColor TZPropList::GridColor() const {
  const QColor background = BackgroundColor();
  return QColor(std::max(background.red() - 16, 0), std::max(background.green() - 16, 0),
                std::max(background.blue() - 16, 0));
}

void TZPropList::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect clip = event->rect();
  if (FRowHeight < 1) {
    painter.fillRect(clip, BackgroundColor());
    return;
  }
  painter.setFont(font());
  const int end = std::min(RowCount(), FTopRow + FullRowsInView() + 1);
  // The current row goes last: its frame covers the bottom line of the row above.
  for (int row = FTopRow; row < end; ++row)
    if (row != FCurrent && RowRect(row).intersects(clip)) PaintRow(painter, row);
  if (FCurrent >= FTopRow && FCurrent < end &&
      RowRect(FCurrent).adjusted(0, -1, 0, 0).intersects(clip))
    PaintRow(painter, FCurrent);
  const int rowsBottom = (RowCount() - FTopRow) * FRowHeight;
  const QRect remainder(0, rowsBottom, viewport()->width(), viewport()->height() - rowsBottom);
  if (remainder.intersects(clip)) painter.fillRect(remainder & clip, BackgroundColor());
}

void TZPropList::PaintRow(QPainter& painter, int row) {
  const QRect rect = RowRect(row);
  const QColor background = BackgroundColor();
  if (row == FCurrent) {
    // One pixel taller than the others: the frame's top line covers the row above.
    const QRect frame = rect.adjusted(0, -1, 0, 0);
    painter.fillRect(QRect(frame.left(), frame.top(), FMiddle, frame.height()), background);
    PaintCurrentRowFrame(painter, frame);
    painter.fillRect(QRect(FMiddle, rect.top() + 1, 2, rect.height() - 2), background);
    DrawEdge(painter, QRect(FMiddle, rect.top() + 1, 2, rect.height() - 2), EDGE_ETCHED, BF_LEFT);
    PaintName(painter, row, QRect(1, rect.top() + 1, FMiddle - 1, rect.height() - 2));
    return;
  }
  const int contentHeight = rect.height() - 1;
  painter.fillRect(QRect(0, rect.top(), FMiddle, contentHeight), background);
  PaintName(painter, row, QRect(0, rect.top(), FMiddle, contentHeight));
  const QRect valueCell(FMiddle + 2, rect.top(), rect.width() - FMiddle - 2, contentHeight);
  painter.fillRect(valueCell, background);
  painter.setPen(SysQColor(FPropColor));
  const QString value = VisibleValueText(AnsiToQString(FRows[row].Prop->GetValue()));
  painter.drawText(valueCell.adjusted(kValueTextInset, 1, 0, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, value);
  // The row above the current one leaves its bottom line to the current row's frame.
  if (row + 1 != FCurrent) painter.fillRect(QRect(0, rect.bottom(), rect.width(), 1), GridColor());
  DrawEdge(painter, QRect(FMiddle, rect.top(), 2, rect.height()), EDGE_ETCHED, BF_LEFT);
}

void TZPropList::PaintCurrentRowFrame(QPainter& painter, const QRect& frame) {
  DrawEdge(painter, frame, BDR_SUNKENOUTER, BF_LEFT | BF_TOP | BF_BOTTOM);
  DrawEdge(painter, frame, EDGE_SUNKEN, BF_TOP);
}

// Without expand boxes the expansion state is text before the name: two spaces per
// level (two more for a row that cannot expand), then "- " or "+".
QString TZPropList::NamePrefix(int row) const {
  if (FNewButtons) return {};
  const TZEditor& editor = FRows[row];
  QString prefix(2 * editor.Level + (editor.HasSubProperties ? 0 : 2), u' ');
  if (editor.HasSubProperties)
    prefix += editor.Expanded ? QStringLiteral("- ") : QStringLiteral("+");
  return prefix;
}

int TZPropList::NameTextLeft(int row) const {
  if (FNewButtons) return kIndentPerLevel * FRows[row].Level + kNameOffset;
  return kNamePrefixLeft + QFontMetrics(font()).horizontalAdvance(NamePrefix(row));
}

void TZPropList::PaintName(QPainter& painter, int row, const QRect& cell) {
  const TZEditor& editor = FRows[row];
  if (FNewButtons && editor.HasSubProperties) PaintExpandBox(painter, row, RowRect(row));
  const int x = FNewButtons ? NameTextLeft(row) : kNamePrefixLeft;
  const QString name = NamePrefix(row) + AnsiToQString(editor.Prop->GetName());
  const QRect textRect(x, RowRect(row).top() + 1, cell.right() + 1 - x, cell.height());
  if (textRect.width() <= 0) return;
  painter.save();
  painter.setClipRect(cell);
  painter.setPen(SysQColor(clWindowText));
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
  painter.restore();
}

void TZPropList::PaintExpandBox(QPainter& painter, int row, const QRect& rect) {
  const int x = kIndentPerLevel * FRows[row].Level;
  const int y = rect.top() + (rect.height() - kExpandBoxSize) / 2;
  const QRect box(x, y, kExpandBoxSize, kExpandBoxSize);
  if (box.left() >= FMiddle) return;
  painter.save();
  painter.setClipRect(QRect(0, rect.top(), FMiddle, rect.height()));
  const QColor ink = SysQColor(clWindowText);
  painter.fillRect(box, SysQColor(clWindow));
  painter.fillRect(QRect(x, y, kExpandBoxSize, 1), ink);
  painter.fillRect(QRect(x, y + kExpandBoxSize - 1, kExpandBoxSize, 1), ink);
  painter.fillRect(QRect(x, y, 1, kExpandBoxSize), ink);
  painter.fillRect(QRect(x + kExpandBoxSize - 1, y, 1, kExpandBoxSize), ink);
  painter.fillRect(QRect(x + 2, y + 4, 5, 1), ink);
  if (!FRows[row].Expanded) painter.fillRect(QRect(x + 4, y + 2, 1, 5), ink);
  painter.restore();
}

// ---- Keyboard, mouse and hints ----------------------------------------------------

bool TZPropList::ListKeyDown(QKeyEvent* event) {
  if (ExpansionKey(event)) return true;
  const int page = std::max(1, VisibleRowCount() - 1);
  int delta = 0;
  switch (event->key()) {
    case Qt::Key_Up:
      delta = -1;
      break;
    case Qt::Key_Down:
      delta = 1;
      break;
    case Qt::Key_PageUp:
      delta = -page;
      break;
    case Qt::Key_PageDown:
      delta = page;
      break;
    default:
      return false;
  }
  SelectRow(FCurrent + delta);
  return true;
}

// Ctrl+Right expands the current row and Ctrl+Left collapses it. Where the row cannot
// change that way the keys keep their meaning in the edit: a word right or left.
bool TZPropList::ExpansionKey(QKeyEvent* event) {
  const bool expand = event->key() == Qt::Key_Right;
  if (!(event->modifiers() & Qt::ControlModifier) || (!expand && event->key() != Qt::Key_Left))
    return false;
  if (FCurrent < 0 || !FRows[FCurrent].HasSubProperties || FRows[FCurrent].Expanded == expand)
    return false;
  // What was typed goes in first; that commit may already have collapsed the row.
  if (CommitEdit(true) && FRows[FCurrent].Expanded != expand) ToggleCurrentRow();
  return true;
}

void TZPropList::keyPressEvent(QKeyEvent* event) {
  if (!ListKeyDown(event)) QAbstractScrollArea::keyPressEvent(event);
}

void TZPropList::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  if (FEdit->isVisible()) FEdit->setFocus();
}

void TZPropList::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!hasFocus() && !FEdit->hasFocus()) setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  if (NearSplitter(pos.x())) {
    FSplitterDrag = true;
    return;
  }
  const int row = RowAt(pos.y());
  if (!SelectRow(row)) return;
  if (FNewButtons && row == FCurrent && InExpandBox(row, pos)) {
    ToggleRow(row);
    return;
  }
  FRowDrag = true;
  FEdit->SetListClick(event->timestamp(), event->globalPosition());
}

void TZPropList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (FSplitterDrag) {
    SetMiddle(pos.x());
    return;
  }
  if (FRowDrag && (event->buttons() & Qt::LeftButton)) {
    SelectRow(RowAt(pos.y()));
    return;
  }
  viewport()->setCursor(NearSplitter(pos.x()) ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TZPropList::mouseReleaseEvent(QMouseEvent* /*event*/) {
  FSplitterDrag = false;
  FRowDrag = false;
}

void TZPropList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || NearSplitter(event->position().toPoint().x())) return;
  ToggleCurrentRow();
}

// A hint shows a name or value that does not fit its cell: its text width reaches the
// cell width less one pixel, or it holds a line feed.
std::optional<THintInfo> TZPropList::HintAt(QPoint pos) {
  const int row = RowAt(pos.y());
  if (FRowHeight < 1 || row < 0 || row >= RowCount()) return std::nullopt;
  const int top = RowRect(row).top();
  QString text;
  QRect cell;
  if (pos.x() > FMiddle) {
    text = AnsiToQString(FRows[row].Prop->GetValue());
    cell = QRect(FMiddle + 2, top, viewport()->width() - FMiddle - 2, FRowHeight);
  } else {
    text = AnsiToQString(FRows[row].Prop->GetName());
    const int left = NameTextLeft(row);
    cell = QRect(left, top, FMiddle - left, FRowHeight);
  }
  const int textWidth = QFontMetrics(font()).horizontalAdvance(VisibleValueText(text));
  if (textWidth < cell.width() - 1 && !text.contains(u'\n')) return std::nullopt;
  THintInfo hint{text, viewport()->mapToGlobal(cell.topLeft()), cell};
  if (OnHint) OnHint(this, FRows[row].Prop, hint);
  if (hint.HintStr.isEmpty()) return std::nullopt;
  return hint;
}

bool TZPropList::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const std::optional<THintInfo> hint = FShowHint ? HintAt(help->pos()) : std::nullopt;
  if (hint) {
    QToolTip::showText(hint->HintPos, hint->HintStr, viewport(), hint->CursorRect);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace vt
