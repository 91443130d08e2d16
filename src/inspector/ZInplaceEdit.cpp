// The in-place editor of TZPropList: the edit (keys, auto-completion, double clicks,
// leaving it), its button (ellipsis and drop-down arrow) and the drop-down value list
// (placement, accepting and cancelling, incremental search).
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleHints>
#include <algorithm>
#include <chrono>

#include "ZDrawEdge.h"
#include "ZPropLst.h"

namespace vt {

using enum TPropertyAttribute;

// ---- TZInplaceEdit ----------------------------------------------------------------

TZInplaceEdit::TZInplaceEdit(TZPropList* propList, QWidget* parent)
    : QLineEdit(parent), FPropList(propList), FButton(new TZListButton(propList, parent)) {
  setFrame(false);
  setFocusPolicy(Qt::ClickFocus);  // reached through the list, never by Tab
  setTextMargins(2, 1, 2, 0);
  hide();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { TextEdited(text); });
}

TZInplaceEdit::~TZInplaceEdit() {
  delete FButton;
}

bool TZInplaceEdit::HandleSpecialKey(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  switch (event->key()) {
    case Qt::Key_Down:
      if (!(modifiers & Qt::AltModifier)) return false;
      if (ButtonKind() == TZButtonKind::bkDropDown) FButton->DropDown();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (modifiers & Qt::ControlModifier)
        FPropList->OpenDialog();
      else if (isModified())
        FPropList->CommitEdit(true);
      else
        selectAll();
      return true;
    case Qt::Key_Escape: {
      const TPropertyRef prop = FPropList->CurrentProperty();
      if (prop && prop->GetAttributes().Contains(paRevertable)) FPropList->RevertEdit();
      return true;
    }
    default:
      return false;
  }
}

void TZInplaceEdit::keyPressEvent(QKeyEvent* event) {
  FLastKeyDeleted = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
  if (HandleSpecialKey(event)) return;
  // Row movement belongs to the list; the edit keeps every other key.
  if (FPropList->ListKeyDown(event)) return;
  QLineEdit::keyPressEvent(event);
}

void TZInplaceEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
}

void TZInplaceEdit::TextEdited(const QString& text) {
  if (ButtonKind() == TZButtonKind::bkDropDown && !FLastKeyDeleted && !text.isEmpty())
    AutoComplete(text);
  if (FAutoUpdate) FPropList->CommitEdit(false);
}

void TZInplaceEdit::AutoComplete(const QString& typed) {
  const TPropertyRef prop = FPropList->CurrentProperty();
  if (!prop) return;
  std::optional<QString> completion;
  prop->GetValues([&](const std::string& value) {
    if (completion) return;
    const QString candidate = AnsiToQString(value);
    if (candidate.startsWith(typed, Qt::CaseInsensitive)) completion = candidate;
  });
  if (!completion) return;
  setText(*completion);
  setSelection(static_cast<int>(typed.size()), static_cast<int>(completion->size() - typed.size()));
  setModified(true);
}

void TZInplaceEdit::mousePressEvent(QMouseEvent* event) {
  const std::optional<TListClick> listClick = std::exchange(FListClick, std::nullopt);
  QLineEdit::mousePressEvent(event);
  // The first click of a double click selected the row on the list and moved this edit
  // under the pointer; the second one lands here.
  if (event->button() == Qt::LeftButton && listClick && CompletesDoubleClick(*listClick, *event))
    FPropList->OpenDialog();
}

// The platform's rule for two presses making a double click: soon enough after each
// other and close enough together.
bool TZInplaceEdit::CompletesDoubleClick(const TListClick& first, const QMouseEvent& second) const {
  const QStyleHints* hints = QGuiApplication::styleHints();
  const auto interval = static_cast<uint64_t>(hints->mouseDoubleClickInterval());
  if (second.timestamp() < first.Timestamp || second.timestamp() - first.Timestamp >= interval)
    return false;
  const QPointF moved = second.globalPosition() - first.GlobalPos;
  const qreal distance = hints->mouseDoubleClickDistance();
  return std::abs(moved.x()) <= distance && std::abs(moved.y()) <= distance;
}

void TZInplaceEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    FPropList->OpenDialog();
  else
    QLineEdit::mouseDoubleClickEvent(event);
}

void TZInplaceEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;
  if (FPropList->EditOwnsFocus(QApplication::focusWidget())) return;
  // A rejected value keeps the edit: the focus comes back once the report is closed.
  if (!FPropList->CommitEdit(true))
    QMetaObject::invokeMethod(
        this, [this] { setFocus(); }, Qt::QueuedConnection);
}

// Backwards from the edit is the way out of the list: the list itself, just before the
// edit in the focus chain, would only hand the focus straight back.
bool TZInplaceEdit::focusNextPrevChild(bool next) {
  if (next) return QLineEdit::focusNextPrevChild(next);
  FPropList->FocusBeforeList();
  return true;
}

// ---- TZListButton -----------------------------------------------------------------

TZListButton::TZListButton(TZPropList* propList, QWidget* parent)
    : QWidget(parent), FPropList(propList), FPopup(new TZPopupList(this)) {
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void TZListButton::SetKind(TZButtonKind kind) {
  if (kind == FKind) return;
  FKind = kind;
  update();
}

void TZListButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const bool down = FPressed;
  if (FKind == TZButtonKind::bkEllipsis)
    PaintEllipsis(painter, down);
  else if (FKind == TZButtonKind::bkDropDown)
    PaintArrow(painter, down);
}

void TZListButton::PaintEllipsis(QPainter& painter, bool down) {
  DrawEdge(painter, rect(), EDGE_RAISED, BF_RECT | BF_MIDDLE | (down ? unsigned{BF_FLAT} : 0u));
  const int side = std::max(1, width() / 8);
  const int shift = down ? 1 : 0;
  const int x = (width() - side) / 2 + shift;
  const int y = (height() - side) / 2 + shift;
  const QColor ink(Qt::black);
  for (int dot = -1; dot <= 1; ++dot)
    painter.fillRect(QRect(x + dot * 2 * side, y, side, side), ink);
}

void TZListButton::PaintArrow(QPainter& painter, bool down) {
  DrawEdge(painter, rect(), EDGE_RAISED, BF_RECT | BF_MIDDLE | (down ? unsigned{BF_FLAT} : 0u));
  const int arrowWidth = 7;
  const int shift = down ? 1 : 0;
  const int x = (width() - arrowWidth) / 2 + shift;
  const int y = (height() - 4) / 2 + shift;
  const QColor ink = SysQColor(clBtnText);
  for (int line = 0; line < 4; ++line)
    painter.fillRect(QRect(x + line, y + line, arrowWidth - 2 * line, 1), ink);
}

void TZListButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  FPressed = true;
  FTracking = true;
  update();
  if (FKind == TZButtonKind::bkDropDown) {
    if (FDroppedDown)
      CloseUp(false);
    else
      DropDown();
  }
}

void TZListButton::mouseMoveEvent(QMouseEvent* event) {
  if (!FTracking) return;
  const bool over = rect().contains(event->position().toPoint());
  if (over == FPressed) return;
  FPressed = over;
  update();
}

void TZListButton::mouseReleaseEvent(QMouseEvent* /*event*/) {
  const bool releasedOver = FTracking && FPressed;
  EndPress();
  if (releasedOver && FKind == TZButtonKind::bkEllipsis) FPropList->OpenDialog();
}

void TZListButton::EndPress() {
  FTracking = false;
  if (FPressed && !FDroppedDown) {
    FPressed = false;
    update();
  }
}

void TZListButton::FillList() {
  FPopup->clear();
  const TPropertyRef prop = FPropList->CurrentProperty();
  if (!prop) return;
  QStringList items;
  prop->GetValues([&items](const std::string& value) { items.append(AnsiToQString(value)); });
  if (prop->GetAttributes().Contains(paSortList))
    std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
      return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
  const int itemHeight = FPropList->InplaceEdit()->ItemHeight();
  for (const QString& text : items) {
    auto* item = new QListWidgetItem(text, FPopup);
    item->setSizeHint(QSize(FPopup->fontMetrics().horizontalAdvance(text), itemHeight));
  }
  const QString current = AnsiToQString(prop->GetValue());
  FPopup->setCurrentRow(static_cast<int>(items.indexOf(current)));
}

QSize TZListButton::ListSize() const {
  const TZInplaceEdit* edit = FPropList->InplaceEdit();
  const int rows = std::min(std::max(FPopup->count(), 1), 8);
  const int height = rows * edit->ItemHeight() + 2;
  int width = edit->width() + this->width() + 1;
  for (int i = 0; i < FPopup->count(); ++i)
    width = std::max(width, FPopup->fontMetrics().horizontalAdvance(FPopup->item(i)->text()) + 4);
  return {std::min(width, FPropList->viewport()->width()), height};
}

// Right-aligned with the button, below the row; above it when the screen ends first.
QPoint TZListButton::ListPosition(QSize size) const {
  const QRect row = FPropList->RowRect(FPropList->CurrentRow());
  const QWidget* viewport = FPropList->viewport();
  const int rowTop = viewport->mapToGlobal(row.topLeft()).y();
  const int rowBottom = rowTop + row.height();
  const int right = mapToGlobal(QPoint(width(), 0)).x();
  const QScreen* screen = FPropList->screen();
  const int screenBottom = screen ? screen->geometry().bottom() + 1 : rowBottom + size.height();
  const int top = rowBottom + size.height() > screenBottom ? rowTop - size.height() : rowBottom;
  return {right - size.width(), top};
}

void TZListButton::DropDown() {
  if (FKind != TZButtonKind::bkDropDown || FDroppedDown) return;
  FillList();
  const QSize size = ListSize();
  FPopup->resize(size);
  FPopup->move(ListPosition(size));
  FDroppedDown = true;
  FPressed = true;
  FPopup->StartTracking();
  FPopup->show();
  FPopup->activateWindow();
  FPopup->setFocus();
  if (FPopup->currentItem()) FPopup->scrollToItem(FPopup->currentItem());
  update();
}

void TZListButton::CloseUp(bool accept) {
  if (!FDroppedDown) return;
  FDroppedDown = false;
  FPressed = false;
  FTracking = false;
  const int index = FPopup->currentRow();
  const bool accepted = accept && index >= 0 && index < FPopup->count();
  const QString text = accepted ? FPopup->item(index)->text() : QString();
  FPopup->hide();
  update();
  if (!accepted) return;
  TZInplaceEdit* edit = FPropList->InplaceEdit();
  edit->setText(text);
  edit->setModified(true);
  FPropList->CommitEdit(true);
}

// ---- TZPopupList ------------------------------------------------------------------

namespace {

int64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TZPopupList::TZPopupList(TZListButton* button)
    : QListWidget(button), Clock(&SteadyMilliseconds), FButton(button) {
  setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setUniformItemSizes(true);
  setMouseTracking(true);
  // A click on the button that closes the list must not open it again.
  setAttribute(Qt::WA_NoMouseReplay);
  move(-200, 0);
  hide();
}

void TZPopupList::StartTracking() {
  FEnteredList = false;
  FSearchText.clear();
}

void TZPopupList::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      FButton->CloseUp(true);
      return;
    case Qt::Key_Escape:
      if (modifiers & Qt::AltModifier) break;
      FSearchText.clear();
      FButton->CloseUp(false);
      return;
    case Qt::Key_Backspace:
      FSearchText.clear();
      return;
    default:
      break;
  }
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                         !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
  if (printable)
    SearchKey(text);
  else
    QListWidget::keyPressEvent(event);
}

void TZPopupList::SearchKey(const QString& text) {
  const int64_t now = Clock();
  if (now - FLastKeyTime > kSearchPauseMs) FSearchText.clear();
  FLastKeyTime = now;
  if (FSearchText.size() + text.size() <= kMaxSearchLength) FSearchText += text;
  for (int i = 0; i < count(); ++i) {
    if (!item(i)->text().startsWith(FSearchText, Qt::CaseInsensitive)) continue;
    setCurrentRow(i);
    scrollToItem(item(i));
    return;
  }
}

void TZPopupList::mousePressEvent(QMouseEvent* event) {
  FEnteredList = true;
  if (QListWidgetItem* hit = itemAt(event->position().toPoint())) setCurrentItem(hit);
}

void TZPopupList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!viewport()->rect().contains(pos)) return;
  if (event->buttons() & Qt::LeftButton) FEnteredList = true;
  if (QListWidgetItem* hit = itemAt(pos)) setCurrentItem(hit);
}

void TZPopupList::mouseReleaseEvent(QMouseEvent* event) {
  FButton->EndPress();
  const QPoint pos = event->position().toPoint();
  if (!viewport()->rect().contains(pos)) return;
  if (QListWidgetItem* hit = itemAt(pos)) setCurrentItem(hit);
  FButton->CloseUp(true);
}

// Presses and releases outside the list reach the popup window itself, not the view.
bool TZPopupList::OutsideClick(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease)
    return false;
  const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (rect().contains(pos)) return false;
  if (type == QEvent::MouseButtonRelease) {
    // The release that ends the press on the button keeps the list open; one after
    // the pointer went through the list cancels.
    FButton->EndPress();
    if (FEnteredList) FButton->CloseUp(false);
  } else {
    FButton->CloseUp(false);
  }
  return true;
}

bool TZPopupList::event(QEvent* event) {
  if (OutsideClick(event)) return true;
  return QListWidget::event(event);
}

void TZPopupList::hideEvent(QHideEvent* event) {
  QListWidget::hideEvent(event);
  // Closed from outside (a click elsewhere, another window activated): cancel.
  if (FButton->DroppedDown()) FButton->CloseUp(false);
}

}  // namespace vt
