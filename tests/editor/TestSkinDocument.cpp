// The skin document: undo and redo, failures of open and save, creation, deletion.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "EditorTestUtil.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

TSeSkinObject* SelectForm(TSkinDocument& document) {
  TSeSkinObject* form = document.Source().GetFormObject();
  document.Select(form);
  return form;
}

// Catches a third undo state, a redo kept after a new change, or a wrong restored state.
TEST(SkinDocumentTest, UndoKeepsTwoStatesANewChangeForgetsRedoAndNewOrOpenForgetsAll) {
  TSkinDocument document;
  SelectForm(document);
  for (int left : {10, 20, 30}) ChangeLeft(document, left);
  const auto left = [&] { return document.Selected()->GetLeft(); };
  document.UndoLastChange();
  EXPECT_EQ(left(), 20);
  document.UndoLastChange();
  EXPECT_EQ(left(), 10);
  EXPECT_FALSE(document.CanUndo());
  document.UndoLastChange();
  EXPECT_EQ(left(), 10);
  document.Redo();
  EXPECT_EQ(left(), 20);
  document.Redo();
  EXPECT_EQ(left(), 30);
  EXPECT_FALSE(document.CanRedo());
  document.UndoLastChange();
  ChangeLeft(document, 50);
  EXPECT_FALSE(document.CanRedo());
  document.UndoLastChange();
  EXPECT_EQ(left(), 20);

  // Undo after New or Open used to bring the previous document's skin into the new one.
  TSkinFolder folder;
  ChangeLeft(document, 10);
  document.Load(folder.DemoCopy());
  EXPECT_FALSE(document.CanUndo());
  SelectForm(document);
  ChangeLeft(document, 10);
  document.UndoLastChange();
  document.NewSkin();
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(document.CanRedo());
}

// A failed open used to leave an empty skin under the old name for Save to write over.
TEST(SkinDocumentTest, AFailedOpenOrSaveKeepsEverything) {
  TSkinFolder folder;
  WriteFile(folder.Path("damaged.mskn"), QByteArray("_MCT\0QXLZ garbage", 17));
  WriteFile(folder.Path("notes.txt"), "hello");
  QDir(folder.Path("")).mkdir("folder.mskn");
  for (const QString name : {"missing.mskn", "damaged.mskn", "notes.txt", "folder.mskn"}) {
    SCOPED_TRACE(name.toStdString());
    TSkinDocument document;
    document.Load(folder.DemoCopy());
    SelectForm(document);
    ChangeLeft(document, 7);
    TSeSkinSource* before = &document.Source();
    EXPECT_THROW(document.Load(folder.Path(name)), std::exception);
    EXPECT_EQ(&document.Source(), before);
    EXPECT_EQ(document.FileName(), folder.DemoCopy());
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(document.CanUndo());
    EXPECT_EQ(document.Selected()->GetLeft(), 7);
  }
  // A save into a folder that does not exist must fail loudly and keep the flag set.
  TSkinDocument document;
  SelectForm(document);
  ChangeLeft(document, 7);
  EXPECT_THROW(document.Save(folder.Path("no/such/folder/a.mskn")), std::exception);
  EXPECT_TRUE(document.Modified());
  EXPECT_TRUE(document.IsNeverSaved());
}

// A form without a selection, a child at its parent's corner, names counted across New.
TEST(SkinDocumentTest, CreationDeletionAndDrags) {
  TSkinDocument document;
  TSeSkinObject* form = document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
  EXPECT_EQ(form->GetName(), "SkinObject1");
  EXPECT_EQ(document.Source().IndexOfObject(form), 1);
  EXPECT_EQ(form->BoundsRect(), (TRect{0, 0, 200, 100}));
  form->SetBounds({5, 6, 205, 106});
  TSeSkinObject* child = document.CreateSkinObject(TSeTextObject::StaticClassInfo());
  EXPECT_EQ(child->GetName(), "TextObject2");
  EXPECT_EQ(child->Owner(), form);
  EXPECT_EQ(child->BoundsRect(), (TRect{5, 6, 35, 26}));
  EXPECT_EQ(document.CurrentForm(), form);
  EXPECT_TRUE(document.Modified());

  // Deleting a top-level form makes the skin's form current.
  document.Select(form);
  document.SetModified(false);
  EXPECT_TRUE(document.DeleteSelected());
  EXPECT_EQ(document.Source().IndexOfObject(form), -1);
  EXPECT_EQ(document.Selected(), nullptr);
  EXPECT_EQ(document.CurrentForm(), document.Source().GetFormObject());
  EXPECT_TRUE(document.Modified());
  EXPECT_FALSE(document.DeleteSelected());
  document.NewSkin();
  EXPECT_EQ(document.CreateSkinObject(TSeBitmapObject::StaticClassInfo())->GetName(),
            "BitmapObject3");

  // A corner dragged past the opposite edge must leave a valid rectangle.
  SelectForm(document);
  TSeSkinObject* dragged = document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
  document.DragSelected(TDragHandle::dhBottomRight, -100, -50);
  EXPECT_GE(dragged->GetWidth(), 0);
  EXPECT_GE(dragged->GetHeight(), 0);
}

}  // namespace
}  // namespace vt::test
