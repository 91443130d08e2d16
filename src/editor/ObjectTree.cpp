#include "editor/ObjectTree.h"

#include <QHeaderView>

#include "rtl/AnsiText.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;

}  // namespace

TObjectTree::TObjectTree(TSkinDocument& document, QWidget* parent)
    : QTreeWidget(parent), FDocument(document) {
  setObjectName("SkinTree");
  setHeaderHidden(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(this, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { CurrentChanged(item); });
}

TTreeNodeKind TObjectTree::KindOf(const QTreeWidgetItem* item) {
  return item ? static_cast<TTreeNodeKind>(item->data(0, kKindRole).toInt())
              : TTreeNodeKind::tnNone;
}

QTreeWidgetItem* TObjectTree::AddNode(QTreeWidgetItem* parent, const QString& caption,
                                      TTreeNodeKind kind, const void* data) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
  item->setText(0, caption);
  item->setData(0, kKindRole, static_cast<int>(kind));
  item->setData(0, kDataRole, QVariant::fromValue(reinterpret_cast<quintptr>(data)));
  return item;
}

void TObjectTree::AddObjectNodes(QTreeWidgetItem* parent, TSeSkinObject& object) {
  QTreeWidgetItem* item =
      AddNode(parent, AnsiToQString(object.GetName()), TTreeNodeKind::tnObject, &object);
  if (&object == FDocument.Selected()) FNodeToSelect = item;
  for (int i = 0; i < object.ChildCount(); ++i) AddObjectNodes(item, *object.Children(i));
}

void TObjectTree::Rebuild() {
  if (FUpdatingTree) return;
  FUpdatingTree = true;
  setUpdatesEnabled(false);
  clear();
  FNodeToSelect = nullptr;
  TSeSkinSource& source = FDocument.Source();
  QTreeWidgetItem* objects = AddNode(nullptr, "Objects", TTreeNodeKind::tnSource, &source);
  if (!FDocument.Selected()) FNodeToSelect = objects;
  for (int i = 0; i < source.Count(); ++i) AddObjectNodes(objects, *source.Objects(i));
  QTreeWidgetItem* images = AddNode(nullptr, "Images", TTreeNodeKind::tnImages, nullptr);
  for (int i = 0; i < source.Bitmaps().Count(); ++i) {
    TteBitmap* image = source.Bitmaps().Bitmaps(i);
    QTreeWidgetItem* item =
        AddNode(images, AnsiToQString(image->Name()), TTreeNodeKind::tnImage, image);
    if (image == FDocument.SelectedImage()) FNodeToSelect = item;
  }
  AddNode(nullptr, "Fonts", TTreeNodeKind::tnFonts, nullptr);
  AddNode(nullptr, "Colors", TTreeNodeKind::tnColors, nullptr);
  AddNode(nullptr, "SysColors", TTreeNodeKind::tnSysColors, nullptr);
  for (int i = 0; i < topLevelItemCount(); ++i) ApplyFilter(topLevelItem(i));
  expandAll();
  if (FNodeToSelect) setCurrentItem(FNodeToSelect);
  setUpdatesEnabled(true);
  FUpdatingTree = false;
}

void TObjectTree::SetFilter(const QString& text) {
  FFilter = text;
  for (int i = 0; i < topLevelItemCount(); ++i) ApplyFilter(topLevelItem(i));
}

// True when the node or one below it matches: an ancestor stays in sight so that the
// designer sees where a match lives.
bool TObjectTree::ApplyFilter(QTreeWidgetItem* item) {
  bool below = false;
  for (int i = 0; i < item->childCount(); ++i) below = ApplyFilter(item->child(i)) || below;
  const bool shown = below || item->text(0).contains(FFilter, Qt::CaseInsensitive);
  item->setHidden(!shown);
  return shown;
}

QTreeWidgetItem* TObjectTree::ItemOf(const TSeSkinObject* object) const {
  for (QTreeWidgetItemIterator it(const_cast<TObjectTree*>(this)); *it; ++it)
    if (KindOf(*it) == TTreeNodeKind::tnObject &&
        (*it)->data(0, kDataRole).value<quintptr>() == reinterpret_cast<quintptr>(object))
      return *it;
  return nullptr;
}

void TObjectTree::CurrentChanged(QTreeWidgetItem* item) {
  if (FUpdatingTree || !item) return;
  auto* data = reinterpret_cast<void*>(item->data(0, kDataRole).value<quintptr>());
  switch (const TTreeNodeKind kind = KindOf(item)) {
    case TTreeNodeKind::tnSource:
      emit SourceChosen();
      break;
    case TTreeNodeKind::tnObject:
      emit ObjectChosen(static_cast<TSeSkinObject*>(data));
      break;
    case TTreeNodeKind::tnImage:
      emit ImageChosen(static_cast<TteBitmap*>(data));
      break;
    case TTreeNodeKind::tnImages:
    case TTreeNodeKind::tnFonts:
    case TTreeNodeKind::tnColors:
    case TTreeNodeKind::tnSysColors:
      emit BranchChosen(kind);
      break;
    case TTreeNodeKind::tnNone:
      break;
  }
}

}  // namespace vt
