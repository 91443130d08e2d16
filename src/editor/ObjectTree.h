#pragma once
// TObjectTree: the skin document as five branches: its objects nested as they own each
// other, its images, and the fonts, colours and system colours. Read-only for the user;
// rebuilt as a whole on every view update, which is cheap next to painting a form.
#include <QTreeWidget>

#include "editor/SkinDocument.h"

namespace vt {

// What a node stands for; the panels are numbered as TfrmMain::ShowPanel takes them.
enum class TTreeNodeKind {
  tnNone,
  tnSource,
  tnObject,
  tnImages,
  tnImage,
  tnFonts,
  tnColors,
  tnSysColors
};

class TObjectTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit TObjectTree(TSkinDocument& document, QWidget* parent = nullptr);

  void Rebuild();
  // Shows only the nodes whose caption holds `text` (ignoring case) and their ancestors;
  // every node when it is empty. Rebuilds keep it.
  void SetFilter(const QString& text);
  const QString& Filter() const { return FFilter; }
  // The node showing `object`, or nullptr (tests click on it).
  QTreeWidgetItem* ItemOf(const TSeSkinObject* object) const;
  static TTreeNodeKind KindOf(const QTreeWidgetItem* item);

 signals:
  void SourceChosen();
  void ObjectChosen(vt::TSeSkinObject* object);
  void ImageChosen(vt::TteBitmap* image);
  void BranchChosen(vt::TTreeNodeKind branch);

 private:
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& caption, TTreeNodeKind kind,
                           const void* data);
  void AddObjectNodes(QTreeWidgetItem* parent, TSeSkinObject& object);
  void CurrentChanged(QTreeWidgetItem* item);
  bool ApplyFilter(QTreeWidgetItem* item);

  TSkinDocument& FDocument;
  bool FUpdatingTree = false;
  QTreeWidgetItem* FNodeToSelect = nullptr;
  QString FFilter;
};

}  // namespace vt
