#pragma once
// TZPropList: the two-column property list. Left the property names, right their values
// as text, one in-place editor on the selected row. The list never reads or writes a value
// itself: every row holds the IProperty of one published property (ZPropEdit.h), and the
// list lays out, paints, routes input and calls the editor at the right moments.
#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QListWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ZPropEdit.h"
#include "rtl/Graphics.h"

namespace vt {

class TZPropList;
class TZListButton;

enum class TZScrollBarStyle { ssRegular, ssFlat, ssHotTrack };
enum class TZBorderStyle { bsNone, bsSingle };
// What the button beside the in-place editor offers.
enum class TZButtonKind { bkNone, bkEllipsis, bkDropDown };

// One row: a property, its nesting depth and whether its nested rows are shown below.
struct TZEditor {
  TPropertyRef Prop;
  int Level = 0;
  bool HasSubProperties = false;
  bool Expanded = false;
};
using TZEditorList = std::vector<TZEditor>;

// A value hint: the text and where it appears (global coordinates), and the cell that
// keeps it up while the pointer stays inside (list coordinates).
struct THintInfo {
  QString HintStr;
  QPoint HintPos;
  QRect CursorRect;
};

using TNewObjectEvent =
    std::function<void(TZPropList* sender, TPersistent* oldObj, TPersistent* newObj)>;
using THintEvent =
    std::function<void(TZPropList* sender, const TPropertyRef& prop, THintInfo& hintInfo)>;
using TChangingEvent = std::function<void(TZPropList* sender, bool& canChange)>;
using TChangeEvent = std::function<void(TZPropList* sender, const TPropertyRef& prop)>;
using TNotifyEvent = std::function<void(TZPropList* sender)>;

// The drop-down list of values: a list box in a popup window with incremental search.
class TZPopupList : public QListWidget {
 public:
  explicit TZPopupList(TZListButton* button);

  // A pause longer than this between keys starts a new search string.
  static constexpr int kSearchPauseMs = 2000;
  static constexpr int kMaxSearchLength = 32;
  const QString& SearchText() const { return FSearchText; }
  // A new drop-down: no search typed, the pointer not yet in the list.
  void StartTracking();
  // Milliseconds of a monotonic clock; replaceable so that tests can step time.
  std::function<int64_t()> Clock;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void SearchKey(const QString& text);
  bool OutsideClick(QEvent* event);

  TZListButton* FButton;
  QString FSearchText;
  int64_t FLastKeyTime = 0;
  bool FEnteredList = false;
};

// The button at the right of the in-place editor: an ellipsis that opens the property's
// dialog, or an arrow that drops the value list down.
class TZListButton : public QWidget {
 public:
  TZListButton(TZPropList* propList, QWidget* parent);

  TZButtonKind Kind() const { return FKind; }
  void SetKind(TZButtonKind kind);
  bool Pressed() const { return FPressed; }
  bool DroppedDown() const { return FDroppedDown; }
  TZPopupList* PopupList() const { return FPopup; }

  void DropDown();
  // Hides the list; with `accept` the selected item becomes the value, as by Enter.
  void CloseUp(bool accept);
  // The mouse button went up: the button no longer looks pressed.
  void EndPress();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FillList();
  QSize ListSize() const;
  QPoint ListPosition(QSize size) const;
  void PaintEllipsis(QPainter& painter, bool down);
  void PaintArrow(QPainter& painter, bool down);

  TZPropList* FPropList;
  TZButtonKind FKind = TZButtonKind::bkNone;
  bool FPressed = false;
  bool FTracking = false;
  bool FDroppedDown = false;
  TZPopupList* FPopup;
};

// The single-line editor on the selected row's value cell.
class TZInplaceEdit : public QLineEdit {
 public:
  TZInplaceEdit(TZPropList* propList, QWidget* parent);
  ~TZInplaceEdit() override;

  TZListButton* Button() const { return FButton; }
  TZButtonKind ButtonKind() const { return FButton->Kind(); }
  bool AutoUpdate() const { return FAutoUpdate; }
  void SetAutoUpdate(bool value) { FAutoUpdate = value; }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value) { FItemHeight = value; }
  // The last press on the list, so that a press here right after it and close to it
  // counts as a double click.
  void SetListClick(uint64_t timestamp, QPointF globalPos) { FListClick = {timestamp, globalPos}; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  struct TListClick {
    uint64_t Timestamp;
    QPointF GlobalPos;
  };
  bool CompletesDoubleClick(const TListClick& first, const QMouseEvent& second) const;
  bool HandleSpecialKey(QKeyEvent* event);
  void TextEdited(const QString& text);
  void AutoComplete(const QString& typed);

  TZPropList* FPropList;
  TZListButton* FButton;
  bool FAutoUpdate = false;
  bool FLastKeyDeleted = false;
  std::optional<TListClick> FListClick;
  int FItemHeight = 16;
};

class TZPropList : public QAbstractScrollArea {
 public:
  explicit TZPropList(QWidget* parent = nullptr);
  ~TZPropList() override;

  // ---- The shown object
  TPersistent* CurObj() const { return FCurObj; }
  // Shows the properties of `obj` (nullptr: none), keeping the selected property when
  // the new object has one of the same name. A shown component that is destroyed
  // clears the list.
  void SetCurObj(TPersistent* obj);

  // ---- Published properties
  TColor GetPropColor() const { return FPropColor; }
  void SetPropColor(TColor value);
  bool GetIntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool value);
  TDesignKinds GetFilter() const { return FFilter; }
  void SetFilter(TDesignKinds value);
  bool GetNewButtons() const { return FNewButtons; }
  void SetNewButtons(bool value);
  int GetMiddle() const { return FMiddle; }
  void SetMiddle(int value);
  TZScrollBarStyle GetScrollBarStyle() const { return FScrollBarStyle; }
  void SetScrollBarStyle(TZScrollBarStyle value);
  TZBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TZBorderStyle value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  // Hints for names and values that do not fit their cell.
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }

  TNewObjectEvent OnNewObject;
  THintEvent OnHint;
  TChangingEvent OnChanging;
  TChangeEvent OnAdvancedChange;
  TNotifyEvent OnChange;
  // Which properties the host lets the list show: asked for each row as the list builds
  // or expands rows, with the path of the row it goes under ("" at the top, "Font" for
  // its nested rows). Every row is shown while it is empty.
  std::function<bool(const std::string& parentPath, const TPropertyRef& prop)> RowFilter;
  // Builds the rows again through RowFilter, keeping the selected row where it stays.
  void Refilter();

  // ---- Rows
  int RowCount() const { return static_cast<int>(FRows.size()); }
  const TZEditor& Rows(int index) const { return FRows.at(static_cast<size_t>(index)); }
  int TopRow() const { return FTopRow; }
  int CurrentRow() const { return FCurrent; }
  int RowHeight() const { return FRowHeight; }
  int VisibleRowCount() const;
  // "Font\Color": the row's name after those of its ancestors.
  std::string RowPath(int index) const;
  // Selects a row (committing the pending edit first); false when the commit failed.
  bool SelectRow(int index);
  // Expands or collapses the current row.
  void ToggleCurrentRow();
  // Client (viewport) coordinates of a row, its value cell, and the row at a y.
  QRect RowRect(int index) const;
  QRect ValueRect(int index) const;
  int RowAt(int y) const;
  // The hint for the pointer at `pos` (viewport coordinates), if the name or value
  // there does not fit its cell.
  std::optional<THintInfo> HintAt(QPoint pos);

  // ---- Editing
  TZInplaceEdit* InplaceEdit() const { return FEdit; }
  // The property of the current row, or nullptr.
  TPropertyRef CurrentProperty() const;
  // Writes the edit's text to the current property when it was modified; false when the
  // property rejected it (the error has been reported and the row and text kept).
  bool CommitEdit(bool reload);
  // Opens the current property's dialog, as the ellipsis button does.
  void OpenDialog();
  // Restores the edit from the stored value.
  void RevertEdit();
  // Keys the list handles for the edit too: Up, Down, Page Up, Page Down, and
  // Ctrl+Right and Ctrl+Left that expand and collapse the current row.
  bool ListKeyDown(QKeyEvent* event);

  QSize sizeHint() const override { return {200, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  class TRemovalWatch;
  friend class TRemovalWatch;
  friend class TZInplaceEdit;
  friend class TZListButton;

  // Rows
  void BuildRows(const std::string& selectedPath);
  void AddRow(const TPropertyRef& prop);
  int FindPath(const std::string& path);
  int Expand(int index);  // the number of rows added
  void Collapse(int index);
  void ToggleRow(int index);
  void ShowNewChildren(int index, int added);
  void ObjectRemoved(TComponent* component);

  // Geometry and scrolling
  void UpdateRowHeight();
  int FullRowsInView() const;
  void UpdateScrollBar();
  void SetTopRow(int row);
  void ScrollIntoView(int row);
  int ClampMiddle(int value) const;
  bool NearSplitter(int x) const;
  bool InExpandBox(int row, QPoint pos) const;
  void ApplyIntegralHeight();

  // Editor
  void PlaceEditor();
  void LoadEditor(bool activate);
  TZButtonKind ButtonKindFor(const TPropertyRef& prop) const;
  bool EditOwnsFocus(QWidget* widget) const;
  void FocusBeforeList();
  bool ExpansionKey(QKeyEvent* event);

  // Painting
  void PaintRow(QPainter& painter, int row);
  void PaintCurrentRowFrame(QPainter& painter, const QRect& rect);
  void PaintName(QPainter& painter, int row, const QRect& rect);
  QString NamePrefix(int row) const;
  int NameTextLeft(int row) const;
  void PaintExpandBox(QPainter& painter, int row, const QRect& rect);
  QColor BackgroundColor() const;
  QColor GridColor() const;

  TPersistent* FCurObj = nullptr;
  std::unique_ptr<TRemovalWatch> FRemovalWatch;
  TZEditorList FRows;
  int FTopRow = 0;
  int FCurrent = -1;
  int FRowHeight = 0;
  int FNestingLevel = 0;
  int FInsertIndex = 0;
  std::string FParentPath;  // of the rows being added
  TZInplaceEdit* FEdit = nullptr;
  TDesignerRef FDesigner;
  bool FDestroying = false;
  bool FCommitting = false;
  bool FSplitterDrag = false;
  bool FRowDrag = false;
  bool FApplyingHeight = false;

  TColor FPropColor = clNavy;
  bool FIntegralHeight = false;
  TDesignKinds FFilter = kAllPropertyKinds;
  bool FNewButtons = true;
  int FMiddle = 85;
  TZScrollBarStyle FScrollBarStyle = TZScrollBarStyle::ssRegular;
  TZBorderStyle FBorderStyle = TZBorderStyle::bsSingle;
  TColor FColor = clBtnFace;
  bool FShowHint = true;
};

// Control characters (below 0x20) shown as ".", so that a value stays on one line.
QString VisibleValueText(const QString& text);

}  // namespace vt
