// Stored integers of skin objects go back out exactly as they were read: coordinates,
// sizes and margins keep the whole 32-bit range, and only painting limits them.
#include "SkinFileTestUtil.h"

namespace vt::skintest {
namespace {

bool IsPlainInteger(const TPropInfo& prop) {
  return prop.Kind() == TTypeKind::Integer && prop.PropType->Name != "TColor" && !prop.ReadOnly() &&
         prop.Name != "Tag";
}

// Width and Height are never negative (the setters make 0 of a negative size); every
// other integer takes any 32-bit value.
int32_t Expected(const TPropInfo& prop, int32_t value) {
  const bool size = prop.Name == "Width" || prop.Name == "Height";
  return size && value < 0 ? 0 : value;
}

const int32_t kExtremes[] = {INT32_MIN,     INT32_MIN + 1, -(1 << 28) - 1,
                             (1 << 28) + 1, INT32_MAX - 1, INT32_MAX};

// One object of every class, each integer set to `value`, each with a child of its class
// set alike (so that a parent's stored place does not move its children on loading).
std::unique_ptr<TSeSkinSource> SkinWithEveryInteger(int32_t value) {
  auto source = std::make_unique<TSeSkinSource>();
  for (const TClassInfo* cls : SkinObjectClasses()) {
    auto* object = dynamic_cast<TSeSkinObject*>(cls->Create(nullptr));
    object->SetName("o" + std::to_string(source->Count()));
    auto* child = dynamic_cast<TSeSkinObject*>(cls->Create(object));
    child->SetName("c" + std::to_string(source->Count()));
    for (TSeSkinObject* target : {child, object})
      for (const TPropInfo* prop : target->ClassInfo().AllProperties())
        if (IsPlainInteger(*prop)) prop->SetOrd(*target, value);
    source->AddObject(object);
  }
  return source;
}

void ExpectEveryInteger(const TSeSkinObject& object, int32_t value, const std::string& where) {
  for (const TPropInfo* prop : object.ClassInfo().AllProperties()) {
    if (!IsPlainInteger(*prop)) continue;
    EXPECT_EQ(prop->GetOrd(object), Expected(*prop, value))
        << where << " " << object.ClassName() << "." << prop->Name;
  }
  for (int i = 0; i < object.ChildCount(); ++i)
    ExpectEveryInteger(*object.Children(i), value, where + " child");
}

TEST(StoredIntegers, TheExtremesSurviveEveryVariant) {
  for (int32_t value : kExtremes) {
    const auto original = SkinWithEveryInteger(value);
    for (int i = 0; i < original->Count(); ++i)
      ExpectEveryInteger(*original->Objects(i), value, "as set");
    for (const TSeSkinFilterClass* cls : Variants()) {
      TSeSkinSource loaded;
      LoadBytes(loaded, SaveWith(*original, *cls));
      ASSERT_EQ(loaded.Count(), original->Count());
      for (int i = 0; i < loaded.Count(); ++i)
        ExpectEveryInteger(*loaded.Objects(i), value,
                           cls->GetFileTypeName() + " " + std::to_string(value));
    }
  }
}

// Painting and hit testing work on the stored extremes without overflowing (the
// sanitizer build checks the sums) and keep the stored values as they are.
// Every link of the object and its children shows the 4 x 4 image "img".
void LinkEverything(TSeSkinObject& object, TteBitmapList& list) {
  for (const TPropInfo* prop : object.ClassInfo().AllProperties())
    if (auto* link = dynamic_cast<TteBitmapLink*>(
            prop->Kind() == TTypeKind::Class ? prop->GetObject(object) : nullptr)) {
      link->SetName("img");
      link->SetRight(4);
      link->SetBottom(4);
    }
  for (int i = 0; i < object.ChildCount(); ++i) LinkEverything(*object.Children(i), list);
  object.SetBitmapList(&list);
  object.UpdateLinks();
}

TEST(StoredIntegers, PaintingTheExtremesChangesNothingStored) {
  for (int32_t value : kExtremes) {
    const auto skin = SkinWithEveryInteger(value);
    auto* image = new TteBitmap;
    image->SetName("img");
    image->SetSize(4, 4);
    image->FillColor(0x80FF0000);
    skin->Bitmaps().Add(image);
    TteBitmap target;
    target.SetSize(8, 8);
    for (int i = 0; i < skin->Count(); ++i) {
      TSeSkinObject& object = *skin->Objects(i);
      LinkEverything(object, skin->Bitmaps());
      object.SetText("Text");
      TCanvas canvas(target.Surface());
      object.Draw(canvas, TRect{});
      object.HitTestAll({0, 0});
      object.GetRegion();
      ExpectEveryInteger(object, value, "painted " + std::to_string(value));
    }
  }
}

}  // namespace
}  // namespace vt::skintest
