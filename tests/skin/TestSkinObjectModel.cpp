// Skin object classes as stored: published properties, registry, cloning and Assign.
#include <gtest/gtest.h>

#include <map>

#include "SkinFileTestUtil.h"
#include "TestSkinObjectHelpers.h"

namespace vt {
namespace {

std::string DeclaredProperties(const TClassInfo& cls) {
  std::string names;
  for (const TPropInfo& prop : cls.Properties) names += (names.empty() ? "" : " ") + prop.Name;
  return names;
}

TEST(SkinObjectModel, RegistryHoldsTheSeventeenClassesInOrderWithTheirDeclaredProperties) {
  // Class, parent, declared properties: the stored form writes them in this order.
  struct TExpected {
    const char* Name;
    const char* Parent;
    const char* Properties;  // separated by spaces
  };
  const TExpected expected[] = {
      {"TSeSkinObject", "TComponent",
       "Align Color DrawIfOwner Font Kind Masked Left Top Height Width MarginLeft MarginRight "
       "MarginTop MarginBottom TextAlign TextEffect TextMarginLeft TextMarginRight "
       "TextMarginRightStretch TextMarginTop"},
      {"TSeActiveObject", "TSeSkinObject", "ActiveColor ActiveFont DisabledFont"},
      {"TSeBitmapObject", "TSeSkinObject",
       "Bitmap BorderTileStyle MaskedBorder MaskedAngles TileStyle"},
      {"TSeActiveBitmap", "TSeBitmapObject", "ActiveBitmap ActiveFont"},
      {"TSeSystemButton", "TSeActiveBitmap", "Action BitmapHot BitmapPressed"},
      {"TSeButtonObject", "TSeBitmapObject",
       "BitmapHot BitmapFocused BitmapPressed BitmapDisabled"},
      {"TSeTextObject", "TSeSkinObject", "FontHot FontFocused FontPressed FontDisabled"},
      {"TSeLinkSkinObject", "TSeSkinObject", "LinkControl"},
      {"TSeBitmapSkinObject", "TSeSkinObject", "Bitmap TileStyle"},
      {"TSeFormBitmapSkinObject", "TSeBitmapSkinObject", "InactiveBitmap"},
      {"TSeSysButtonSkinObject", "TSeBitmapSkinObject", "Action BitmapHover BitmapDown RollPanel"},
      {"TSeActiveSkinObject", "TSeSkinObject", "ActiveColor ActiveFont"},
      {"TSeColorButtonObject", "TSeSkinObject",
       "HotColor HotFont PressedColor PressedFont FocusedColor FocusedFont DisabledColor "
       "DisabledFont"},
      {"TSeBitmapBoxObject", "TSeBitmapSkinObject", "BorderTileStyle"},
      {"TSeActiveBitmapBoxObject", "TSeBitmapBoxObject", "FocusedBitmap"},
      {"TSeButtonBitmapBoxObject", "TSeBitmapBoxObject",
       "HotBitmap FocusedBitmap PressedBitmap DisabledBitmap"},
      {"TSeRollPanelObject", "TSeSkinObject", "RollKind RollValue"},
  };
  const std::vector<const TClassInfo*>& classes = SkinObjectClasses();
  ASSERT_GE(classes.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].Name);
    EXPECT_EQ(classes[i]->Name, expected[i].Name);
    ASSERT_NE(classes[i]->Parent, nullptr);
    EXPECT_EQ(classes[i]->Parent->Name, expected[i].Parent);
    EXPECT_EQ(DeclaredProperties(*classes[i]), expected[i].Properties);
    ASSERT_TRUE(classes[i]->Create) << "not creatable by name";
    std::unique_ptr<TComponent> made(classes[i]->Create(nullptr));
    EXPECT_EQ(made->ClassName(), expected[i].Name);
  }
  // Base-class properties come first, after the component's own.
  const auto& all = TSeSystemButton::StaticClassInfo().AllProperties();
  EXPECT_EQ(all.front()->Name, "Name");
  EXPECT_EQ(all[2]->Name, "Align");
  EXPECT_EQ(all.back()->Name, "BitmapPressed");
  // The stored spelling of the last kind, kept as files write it.
  EXPECT_EQ(EnumTypeInfo<TSeKind>::Info().Names.back(), "skTranparent");
  EXPECT_EQ(FindSkinObjectClass("tsetextobject"), nullptr);  // names are exact
  const size_t before = classes.size();
  RegisterSkinObjectClasses();  // a second start does not register twice
  EXPECT_EQ(SkinObjectClasses().size(), before);
}

TEST(SkinObjectModel, FontAndLinkPropertiesCopyIntoTheOwnedObjectsObjectsGoThroughTheHook) {
  TSeActiveBitmap object(nullptr);
  TFont font;
  font.SetName("Verdana");
  object.SetActiveFont(font);
  font.SetName("Arial");
  EXPECT_EQ(object.ActiveFont()->GetName(), "Verdana");
  object.SetActiveBitmap(*test::LinkTo("img", {1, 2, 3, 4}));
  EXPECT_EQ(object.ActiveBitmap()->Rect(), (TRect{1, 2, 3, 4}));
  // Through the published-property description, as the stream and the inspector do.
  const TPropInfo* prop = GetPropInfo(object, "ActiveFont");
  ASSERT_NE(prop, nullptr);
  prop->SetObject(object, font);
  EXPECT_EQ(object.ActiveFont()->GetName(), "Arial");
  EXPECT_EQ(prop->GetObject(object), object.ActiveFont());
  // The Objects property goes through the installed hook.
  struct TRecordingFiler : TFiler {
    std::vector<std::string> Names;
    void DefineBinaryProperty(const std::string& name, const TStreamProc&, const TStreamProc&,
                              bool) override {
      Names.push_back(name);
    }
  } filer;
  object.DefineProperties(filer);
  EXPECT_TRUE(filer.Names.empty());
  const auto saved = TSeSkinObject::DefineObjectsProperty;
  TSeSkinObject::DefineObjectsProperty = [](TSeSkinObject&, TFiler& f) {
    f.DefineBinaryProperty("Objects", {}, {}, true);
  };
  object.DefineProperties(filer);
  TSeSkinObject::DefineObjectsProperty = saved;
  EXPECT_EQ(filer.Names, std::vector<std::string>{"Objects"});
}

// ---- Cloning and Assign -----------------------------------------------------------

TEST(SkinObjectModel, CloneKeepsEveryPublishedPropertyOfEveryClassAndTheWholeTree) {
  skintest::TSkinGenerator generator(3);
  for (const TClassInfo* cls : SkinObjectClasses()) {
    SCOPED_TRACE(cls->Name);
    std::unique_ptr<TComponent> made(cls->Create(nullptr));
    auto& root = dynamic_cast<TSeSkinObject&>(*made);
    generator.Randomize(root);
    root.SetName("root");
    auto* child = new TSeButtonObject(&root);
    generator.Randomize(*child);
    child->SetName("child");
    auto* grandchild = new TSeTextObject(child);
    generator.Randomize(*grandchild);
    grandchild->SetName("grandchild");
    new TSeSkinObject(&root);

    std::unique_ptr<TSeSkinObject> clone(CloneSkinObject(root, nullptr));
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->Owner(), nullptr);
    skintest::ExpectSameObject(root, *clone, cls->Name);
  }
}

TEST(SkinObjectModel, AssignAddsClonesAfterExistingChildrenAndCopiesBoundsWithoutLayout) {
  TSeSkinObject source(nullptr);
  source.SetBounds({0, 0, 100, 50});
  auto* client = new TSeSkinObject(&source);
  client->SetName("client");
  client->SetBounds({5, 5, 15, 15});  // not where saClient would put it
  client->SetAlign(TSeAlign::saClient);

  TSeSkinObject target(nullptr);
  auto* existing = new TSeSkinObject(&target);
  existing->SetName("existing");
  target.Assign(source);
  ASSERT_EQ(target.ChildCount(), 2);
  EXPECT_EQ(target.Children(0), existing);
  EXPECT_EQ(target.Children(1)->GetName(), "client");
  EXPECT_EQ(target.Children(1)->BoundsRect(), (TRect{5, 5, 15, 15}));
  EXPECT_EQ(target.BoundsRect(), (TRect{0, 0, 100, 50}));
  // Assigning an ancestor into a descendant terminates.
  TSeSkinObject root(nullptr);
  root.SetName("root");
  auto* child = new TSeSkinObject(&root);
  child->SetName("child");
  new TSeSkinObject(child);
  child->Assign(root);
  // The child took a copy of root's children as they were: itself (with its one child),
  // so it now has its own child and that copy, which has one child.
  ASSERT_EQ(child->ChildCount(), 2);
  EXPECT_EQ(child->Children(1)->ChildCount(), 1);
  EXPECT_EQ(child->Children(1)->Children(0)->ChildCount(), 0);
  root.Assign(root);  // assigning itself changes nothing
  EXPECT_EQ(root.ChildCount(), 1);
}

class TUnregisteredObject : public TSeSkinObject {
 public:
  using TSeSkinObject::TSeSkinObject;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = TClassInfoBuilder<TUnregisteredObject>(
                                       "TUnregisteredObject", &TSeSkinObject::StaticClassInfo())
                                       .Creatable()
                                       .Build();
    return info;
  }
};

TEST(SkinObjectModel, CloneOfAnUnregisteredClassIsNothingAndAssignSkipsSuchChildrenOnly) {
  TUnregisteredObject odd(nullptr);
  EXPECT_EQ(CloneSkinObject(odd, nullptr), nullptr);
  TSeSkinObject parent(nullptr);
  new TUnregisteredObject(&parent);
  new TSeTextObject(&parent);
  TSeSkinObject copy(nullptr);
  copy.Assign(parent);
  ASSERT_EQ(copy.ChildCount(), 1);
  EXPECT_EQ(copy.Children(0)->ClassName(), "TSeTextObject");
  // A clone given an owner joins it.
  TSeSkinObject* clone = CloneSkinObject(*parent.Children(1), &copy);
  ASSERT_EQ(copy.ChildCount(), 2);
  EXPECT_EQ(copy.Children(1), clone);
  // Assign takes the base from any skin object.
  TSeButtonObject button(nullptr);
  button.SetTileStyle(TscTileStyle::tsStretch);
  TSeSkinObject plain(nullptr);
  plain.SetKind(TSeKind::skCaption);
  button.Assign(plain);
  EXPECT_EQ(button.GetKind(), TSeKind::skCaption);
  EXPECT_EQ(button.GetTileStyle(), TscTileStyle::tsStretch);  // not in the source: kept
  TFont font;  // but not from something that is no skin object
  EXPECT_THROW(button.Assign(font), EConvertError);
}

}  // namespace
}  // namespace vt
