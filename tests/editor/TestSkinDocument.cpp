// The skin document: undo and redo, whole-document commands and their failures, object
// creation and deletion.
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

// Catches a list that keeps three states, or an undo that does not restore the state
// taken before the change.
TEST(SkinDocumentTest, ThreeChangesUndoOnlyTwo) {
  TSkinDocument document;
  SelectForm(document);
  for (int left : {10, 20, 30}) ChangeLeft(document, left);
  document.UndoLastChange();
  EXPECT_EQ(document.Selected()->GetLeft(), 20);
  document.UndoLastChange();
  EXPECT_EQ(document.Selected()->GetLeft(), 10);
  EXPECT_FALSE(document.CanUndo());
  document.UndoLastChange();
  EXPECT_EQ(document.Selected()->GetLeft(), 10);
}

// Catches a redo that is kept after a new change, or one that restores the wrong state.
TEST(SkinDocumentTest, RedoBringsBackWhatUndoTookAndANewChangeForgetsIt) {
  TSkinDocument document;
  SelectForm(document);
  ChangeLeft(document, 10);
  ChangeLeft(document, 20);
  document.UndoLastChange();
  document.UndoLastChange();
  EXPECT_EQ(document.Selected()->GetLeft(), 0);
  document.Redo();
  EXPECT_EQ(document.Selected()->GetLeft(), 10);
  document.Redo();
  EXPECT_EQ(document.Selected()->GetLeft(), 20);
  EXPECT_FALSE(document.CanRedo());
  document.UndoLastChange();
  ChangeLeft(document, 50);
  EXPECT_FALSE(document.CanRedo());
  document.UndoLastChange();
  EXPECT_EQ(document.Selected()->GetLeft(), 10);
}

// Undo after New or Open used to bring the previous document's skin into the new one.
TEST(SkinDocumentTest, NewAndOpenForgetTheUndoStates) {
  TSkinFolder folder;
  TSkinDocument document;
  SelectForm(document);
  ChangeLeft(document, 10);
  document.Load(folder.DemoCopy());
  EXPECT_FALSE(document.CanUndo());
  const int count = document.Source().Count();
  document.UndoLastChange();
  EXPECT_EQ(document.Source().Count(), count);
  SelectForm(document);
  ChangeLeft(document, 10);
  document.UndoLastChange();
  document.NewSkin();
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(document.CanRedo());
}

// A failed open used to leave an empty skin under the old name, which Save then wrote
// over the old file.
TEST(SkinDocumentTest, AFailedOpenKeepsEverything) {
  TSkinFolder folder;
  QFile damaged(folder.Path("damaged.mskn"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("_MCT\0QXLZ garbage", 17);
  damaged.close();
  QFile text(folder.Path("notes.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("hello");
  text.close();
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
}

// A save into a folder that does not exist must fail loudly and keep the flag set.
TEST(SkinDocumentTest, AFailedSaveKeepsTheModifiedFlagAndTheName) {
  TSkinFolder folder;
  TSkinDocument document;
  SelectForm(document);
  ChangeLeft(document, 7);
  EXPECT_THROW(document.Save(folder.Path("no/such/folder/a.mskn")), std::exception);
  EXPECT_TRUE(document.Modified());
  EXPECT_TRUE(document.IsNeverSaved());
}

// Creation: a top-level form without a selection, a child at the parent's corner with
// one; names from a counter that New does not reset.
TEST(SkinDocumentTest, CreationPlacesAndNamesObjects) {
  TSkinDocument document;
  TSeSkinObject* form = document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
  EXPECT_EQ(form->GetName(), "SkinObject1");
  EXPECT_EQ(form->Owner(), nullptr);
  EXPECT_EQ(document.Source().IndexOfObject(form), 1);
  EXPECT_EQ(form->BoundsRect(), (TRect{0, 0, 200, 100}));
  form->SetBounds({5, 6, 205, 106});
  TSeSkinObject* child = document.CreateSkinObject(TSeTextObject::StaticClassInfo());
  EXPECT_EQ(child->GetName(), "TextObject2");
  EXPECT_EQ(child->Owner(), form);
  EXPECT_EQ(child->BoundsRect(), (TRect{5, 6, 35, 26}));
  EXPECT_EQ(document.CurrentForm(), form);
  EXPECT_TRUE(document.Modified());
  document.NewSkin();
  EXPECT_EQ(document.CreateSkinObject(TSeBitmapObject::StaticClassInfo())->GetName(),
            "BitmapObject3");
}

TEST(SkinDocumentTest, DeletingATopLevelFormMakesTheFormCurrent) {
  TSkinDocument document;
  TSeSkinObject* form = SelectForm(document);
  document.Select(nullptr);
  TSeSkinObject* other = document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
  document.SetModified(false);
  EXPECT_TRUE(document.DeleteSelected());
  EXPECT_EQ(document.Source().IndexOfObject(other), -1);
  EXPECT_EQ(document.Selected(), nullptr);
  EXPECT_EQ(document.CurrentForm(), form);
  EXPECT_TRUE(document.Modified());
  EXPECT_FALSE(document.DeleteSelected());
}

// A corner dragged past the opposite edge must leave a valid rectangle.
TEST(SkinDocumentTest, DraggingACornerPastTheOtherNeverMakesANegativeSize) {
  TSkinDocument document;
  SelectForm(document);
  TSeSkinObject* child = document.CreateSkinObject(TSeSkinObject::StaticClassInfo());
  document.DragSelected(TDragHandle::dhBottomRight, -100, -50);
  EXPECT_GE(child->GetWidth(), 0);
  EXPECT_GE(child->GetHeight(), 0);
  EXPECT_TRUE(document.Modified());
}

}  // namespace
}  // namespace vt::test
