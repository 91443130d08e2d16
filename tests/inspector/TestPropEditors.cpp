// Property editors: enumeration, the registry, each stock editor's text and bad inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "InspectorTestObjects.h"
#include "inspector/ZPropEdit.h"
#include "inspector/ZStdProps.h"
#include "skin/theme_se3objects.h"

namespace vt::test {
namespace {

std::vector<TPropertyRef> EditorsOf(const TSelectionList& selection,
                                    TDesignKinds filter = kAllPropertyKinds) {
  std::vector<TPropertyRef> editors;
  GetComponentProperties(selection, filter, std::make_shared<TZFormDesigner>(),
                         [&editors](const TPropertyRef& p) { editors.push_back(p); });
  return editors;
}

std::vector<std::string> NamesOf(const std::vector<TPropertyRef>& editors) {
  std::vector<std::string> names;
  for (const TPropertyRef& e : editors) names.push_back(e->GetName());
  return names;
}

TPropertyRef EditorOf(TPersistent* object, const std::string& name) {
  for (const TPropertyRef& e : EditorsOf(CreateSelectionList(object)))
    if (e->GetName() == name) return e;
  return nullptr;
}

std::vector<TPropertyRef> SubEditorsOf(const TPropertyRef& parent) {
  std::vector<TPropertyRef> editors;
  parent->GetProperties([&editors](const TPropertyRef& p) { editors.push_back(p); });
  return editors;
}

TPropertyRef SubEditorOf(const TPropertyRef& parent, const std::string& name) {
  for (const TPropertyRef& e : SubEditorsOf(parent))
    if (e->GetName() == name) return e;
  return nullptr;
}

std::vector<std::string> ValuesOf(const TPropertyRef& editor) {
  std::vector<std::string> values;
  editor->GetValues([&values](const std::string& v) { values.push_back(v); });
  return values;
}

// What an editor shows after being given `text`, or "!" and its error message.
std::string Outcome(const TPropertyRef& editor, const std::string& text) {
  try {
    editor->SetValue(text);
  } catch (const Exception& e) {
    return std::string("!") + e.what();
  }
  return editor->GetValue();
}

class PropEditorsTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestEditors(); }
  TTestComponent FObject;
};

TEST_F(PropEditorsTest, ListsPublishedPropertiesInDeclarationOrderThroughTheFilter) {
  EXPECT_EQ(NamesOf(EditorsOf(CreateSelectionList(&FObject))),
            (std::vector<std::string>{"Name", "Tag", "Caption", "Count", "Percent", "Title",
                                      "Enabled", "Shape", "Styles", "Color", "Font", "Charset",
                                      "Cursor", "Note", "Empty", "Serial", "Sub"}));
  EXPECT_EQ(NamesOf(EditorsOf(CreateSelectionList(&FObject), TDesignKinds{TDesignKind::tkSet})),
            (std::vector<std::string>{"Styles"}));
  EXPECT_EQ(
      NamesOf(EditorsOf(CreateSelectionList(&FObject), TDesignKinds{TDesignKind::tkEnumeration})),
      (std::vector<std::string>{"Enabled", "Shape"}));
  EXPECT_TRUE(EditorsOf(CreateSelectionList(nullptr)).empty());
}

TEST_F(PropEditorsTest, SeveralObjectsShareTheCommonMultiSelectProperties) {
  TTestOther other;
  const std::vector<TPropertyRef> editors = EditorsOf({&FObject, &other});
  // Name is not multi-select; Width and the others exist on one side only.
  EXPECT_EQ(NamesOf(editors), (std::vector<std::string>{"Tag", "Color", "Sub"}));
  const TPropertyRef color = editors[1];
  EXPECT_EQ(color->GetValue(), "");  // clRed and clBlue differ
  color->SetValue("clLime");
  EXPECT_EQ(FObject.Color, clLime);
  EXPECT_EQ(other.Color, clLime);
  const TPropertyRef depth = SubEditorOf(editors[2], "Depth");
  ASSERT_TRUE(depth);
  depth->SetValue("9");
  EXPECT_EQ(FObject.Sub()->GetDepth(), 9);
  EXPECT_EQ(other.Sub()->GetDepth(), 9);
}

TEST_F(PropEditorsTest, EachEditorReadsItsTextAndRefusesTheRest) {
  const std::string bytes("tab\there, \xE9t\xE9\x01", 15);  // strings keep every byte
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"Title", bytes, bytes},
      {"Count", " 42 ", "42"},
      {"Count", "$10", "16"},
      {"Count", "-0x1f", "-31"},
      {"Count", "-2147483648", "-2147483648"},
      {"Count", "12a", "!'12a' is not a valid integer value"},
      {"Count", "2147483648", "!Value must be between -2147483648 and 2147483647"},
      {"Percent", "100", "100"},
      {"Percent", "101", "!Value must be between 0 and 100"},
      {"Shape", "SHTRIANGLE", "shTriangle"},
      {"Shape", "1", "!Invalid property value"},
      {"Enabled", "false", "False"},
      {"Enabled", "yes", "!Invalid property value"},
      {"Color", "clbtnface", "clBtnFace"},
      {"Color", "$00FF0000", "clBlue"},
      {"Color", "$00123456", "$00123456"},
      {"Charset", "russian_charset", "RUSSIAN_CHARSET"},
      {"Charset", "0", "ANSI_CHARSET"},
      {"Charset", "7", "7"},
      {"Charset", "256", "!Value must be between 0 and 255"},
      {"Charset", "KLINGON_CHARSET", "!'KLINGON_CHARSET' is not a valid integer value"},
      {"Cursor", "crhandpoint", "crHandPoint"},
      {"Cursor", "-14", "crHSplit"},
      {"Cursor", "5", "5"},
      {"Cursor", "crWait", "!'crWait' is not a valid integer value"},
      {"Styles", "[fsBold, fsItalic]", "[fsBold,fsItalic]"},
      {"Styles", "[FSSTRIKEOUT,fsBold]", "[fsBold,fsStrikeOut]"},
  };
  for (const auto& [property, text, expected] : cases)
    EXPECT_EQ(Outcome(EditorOf(&FObject, property), text), expected) << property << " " << text;
  EXPECT_EQ(FObject.Count, -2147483647 - 1);  // refused texts changed nothing
  const std::pair<const char*, const char*> refused[] = {
      {"Color", "clNope"}, {"Color", "$1FFFFFFFF"}, {"Styles", "[fsHeavy]"}, {"Serial", "78"}};
  for (const auto& [property, text] : refused)
    EXPECT_EQ(Outcome(EditorOf(&FObject, property), text).front(), '!') << property << text;
  EXPECT_EQ(EditorOf(&FObject, "Serial")->GetValue(), "77");
}

TEST_F(PropEditorsTest, ValueListsListAndADoubleClickStepsThem) {
  EXPECT_EQ(ValuesOf(EditorOf(&FObject, "Shape")),
            (std::vector<std::string>{"shCircle", "shSquare", "shTriangle"}));
  EXPECT_EQ(ValuesOf(EditorOf(&FObject, "Charset")), CharsetIdents());
  // A double click steps a value list on.
  const TPropertyRef enabled = EditorOf(&FObject, "Enabled");
  enabled->Edit();
  EXPECT_EQ(enabled->GetValue(), "False");
  enabled->Edit();
  EXPECT_EQ(enabled->GetValue(), "True");
}

TEST_F(PropEditorsTest, SetsFormatInBracketsAndExpandIntoElements) {
  const TPropertyRef styles = EditorOf(&FObject, "Styles");
  styles->SetValue("[fsBold,fsStrikeOut]");

  const std::vector<TPropertyRef> elements = SubEditorsOf(styles);
  EXPECT_EQ(NamesOf(elements),
            (std::vector<std::string>{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
  EXPECT_EQ(elements[0]->GetValue(), "True");
  EXPECT_EQ(Outcome(elements[1], "true"), "True");
  EXPECT_EQ(Outcome(elements[0], "False"), "False");
  EXPECT_EQ(styles->GetValue(), "[fsItalic,fsStrikeOut]");
  EXPECT_EQ(Outcome(elements[2], "maybe"), "!Invalid property value");
}

// Stored text is Windows-1252 both ways; a character without a byte is refused by name.
TEST(AnsiText, IsWindows1252BothWaysAndRefusesWhatItCannotHold) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(QStringToAnsi(AnsiToQString(all)), all);
  EXPECT_EQ(AnsiToQString("\x80\x85\x93\x96\x9F\xE9"), QString::fromUtf8("€…“–Ÿé"));
  try {
    QStringToAnsi(QString::fromUtf8("Ωmega ΩΣ 😀"));
    ADD_FAILURE() << "accepted";
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()),
              "8-bit (Windows-1252) text cannot hold \"Ω\" (U+03A9), "
              "\"Σ\" (U+03A3), \"😀\" (U+1F600)");
  }
}

TEST_F(PropEditorsTest, ComponentNamesAreUniqueIdentifiers) {
  TTestComponent owner;
  auto* first = new TTestComponent(&owner);
  auto* second = new TTestComponent(&owner);
  first->SetName("First");
  const TPropertyRef name = EditorOf(second, "Name");
  EXPECT_EQ(Outcome(name, "Second_2"), "Second_2");
  EXPECT_EQ(Outcome(name, "2nd"), "!'2nd' is not a valid component name");
  EXPECT_EQ(Outcome(name, "first"), "!A component named first already exists");
  EXPECT_EQ(Outcome(name, "SECOND_2"), "SECOND_2");  // its own name in another case
  EXPECT_EQ(Outcome(name, ""), "");
  EXPECT_EQ(second->GetName(), "");
  // The designer names methods after their owner.
  EXPECT_EQ(TZFormDesigner().GetMethodName({nullptr, "Click"}), "");
  EXPECT_EQ(TZFormDesigner().GetMethodName({first, "Click"}), "First.Click");
}

TEST_F(PropEditorsTest, SubObjectsAndFontsExpandIntoTheirProperties) {
  const TPropertyRef font = EditorOf(&FObject, "Font");
  EXPECT_EQ(font->GetValue(), "(TFont)");
  EXPECT_EQ(NamesOf(SubEditorsOf(font)),
            (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Style"}));
  const std::vector<std::string> families = ValuesOf(SubEditorOf(font, "Name"));
  EXPECT_NE(std::find(families.begin(), families.end(), "Tahoma"), families.end());
  EXPECT_EQ(Outcome(SubEditorOf(font, "Color"), "clGreen"), "clGreen");
  EXPECT_EQ(FObject.Font()->GetColor(), clGreen);

  const TPropertyRef inner = SubEditorOf(EditorOf(&FObject, "Sub"), "Inner");
  EXPECT_EQ(inner->GetValue(), "(TTestInner)");
  EXPECT_EQ(Outcome(SubEditorOf(inner, "Value"), "12"), "12");
  EXPECT_EQ(FObject.Sub()->Inner()->GetValue(), 12);
}

template <int N>
class TMarkedProperty : public TIntegerProperty {
 public:
  using TIntegerProperty::TIntegerProperty;
  std::string GetValue() override { return "editor " + std::to_string(N); }
};

struct TRegistryCountType : TPropTraits<int32_t> {
  static const TTypeInfo& Info() {
    static const TTypeInfo info = Renamed(IntegerTypeInfo(), "TRegistryCount");
    return info;
  }
};

class TRegistryBase : public TComponent {
 public:
  using TComponent::TComponent;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassInfoBuilder<TRegistryBase>("TRegistryBase", &TComponent::StaticClassInfo())
            .Property<TRegistryCountType>("Alpha", &TRegistryBase::Get, &TRegistryBase::Set)
            .Property<TRegistryCountType>("Beta", &TRegistryBase::Get, &TRegistryBase::Set)
            .Property<TRegistryCountType>("Gamma", &TRegistryBase::Get, &TRegistryBase::Set)
            .Build();
    return info;
  }
  int32_t Get() const { return 0; }
  void Set(int32_t) {}
};

class TRegistryDerived : public TRegistryBase {
 public:
  using TRegistryBase::TRegistryBase;
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassInfoBuilder<TRegistryDerived>("TRegistryDerived", &TRegistryBase::StaticClassInfo())
            .Build();
    return info;
  }
};

TEST(PropertyRegistry, TheMostSpecificRegistrationWins) {
  const TTypeInfo& type = TRegistryCountType::Info();
  RegisterPropertyEditor(type, nullptr, "", EditorClass<TMarkedProperty<1>>);
  RegisterPropertyEditor(type, &TRegistryBase::StaticClassInfo(), "",
                         EditorClass<TMarkedProperty<2>>);
  RegisterPropertyEditor(type, &TRegistryDerived::StaticClassInfo(), "",
                         EditorClass<TMarkedProperty<3>>);
  RegisterPropertyEditor(type, nullptr, "beta", EditorClass<TMarkedProperty<4>>);
  RegisterPropertyEditor(type, &TRegistryDerived::StaticClassInfo(), "GAMMA", kNoPropertyEditor);
  // Registered first, so a later one for the same pattern takes over.
  RegisterPropertyEditor(type, &TRegistryBase::StaticClassInfo(), "",
                         EditorClass<TMarkedProperty<5>>);

  TRegistryBase base(nullptr);
  TRegistryDerived derived(nullptr);
  EXPECT_EQ(EditorOf(&base, "Alpha")->GetValue(), "editor 5");
  EXPECT_EQ(EditorOf(&derived, "Alpha")->GetValue(), "editor 3");
  EXPECT_EQ(EditorOf(&base, "Beta")->GetValue(), "editor 4");
  EXPECT_EQ(EditorOf(&derived, "Beta")->GetValue(), "editor 4");
  EXPECT_EQ(EditorOf(&base, "Gamma")->GetValue(), "editor 5");
  EXPECT_EQ(EditorOf(&derived, "Gamma"), nullptr);  // hidden
  // Other types are untouched.
  EXPECT_EQ(EditorOf(&derived, "Tag")->GetValue(), "0");
  // Class-type registrations cover descendants.
  TTestComponent object;
  EXPECT_NE(dynamic_cast<TFontProperty*>(EditorOf(&object, "Font").get()), nullptr);
  EXPECT_NE(dynamic_cast<TClassProperty*>(EditorOf(&object, "Sub").get()), nullptr);
  EXPECT_EQ(dynamic_cast<TFontProperty*>(EditorOf(&object, "Sub").get()), nullptr);
}

TEST(PropertyRegistry, SkinObjectsHideTheirMaskedFlags) {
  TSeButtonObject button(nullptr);
  for (const std::string& name : NamesOf(EditorsOf(CreateSelectionList(&button))))
    EXPECT_EQ(name.starts_with("Masked"), name == "Masked") << name;
  // Only for skin objects: the same names elsewhere stay visible.
  EXPECT_NE(GetEditorClass(*TSeBitmapObject::StaticClassInfo().FindProperty("MaskedAngles"),
                           TComponent::StaticClassInfo()),
            nullptr);
}

TEST(IntegerText, ParsesSignsBasesAndRejectsTheRest) {
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), 4294967295);
  EXPECT_EQ(ParseInteger("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(ParseInteger("9223372036854775807"), INT64_MAX);
  for (const char* bad : {"9223372036854775808", "$", "0x", "$12345678901234567", "1 2"})
    EXPECT_THROW(ParseInteger(bad), EConvertError) << bad;
}

}  // namespace
}  // namespace vt::test
