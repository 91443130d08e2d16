#include "ZPropEdit.h"

#include <algorithm>
#include <climits>
#include <tuple>

#include "ZStdProps.h"
#include "rtl/Assert.h"

namespace vt {

TDesignKind DesignKindOf(TTypeKind kind) {
  switch (kind) {
    case TTypeKind::Integer:
      return TDesignKind::tkInteger;
    case TTypeKind::Enumeration:
    case TTypeKind::Boolean:
      return TDesignKind::tkEnumeration;
    case TTypeKind::Set:
      return TDesignKind::tkSet;
    case TTypeKind::String:
      return TDesignKind::tkLString;
    case TTypeKind::Class:
      return TDesignKind::tkClass;
  }
  return TDesignKind::tkUnknown;
}

// ---- TZFormDesigner ---------------------------------------------------------------

std::string TZFormDesigner::GetObjectName(const TPersistent*) {
  return "IFormDesigner.GetObjectName";
}

std::string TZFormDesigner::GetMethodName(const TMethodRef& method) {
  if (!method.Object) return {};
  return method.Object->GetName() + "." + method.Name;
}

// ---- TPropertyEditor --------------------------------------------------------------

TPropertyEditor::TPropertyEditor(TDesignerRef designer, TPropTargets targets)
    : FDesigner(std::move(designer)), FTargets(std::move(targets)) {
  VT_ASSERT(!FTargets.empty() && "a property editor edits at least one object");
}

std::string TPropertyEditor::GetName() const {
  return PropInfo().Name;
}

TPropertyAttributes TPropertyEditor::GetAttributes() {
  TPropertyAttributes attributes = EditorAttributes();
  if (PropInfo().ReadOnly()) {
    attributes.Include(TPropertyAttribute::paReadOnly);
    attributes.Exclude(TPropertyAttribute::paValueList);
    attributes.Exclude(TPropertyAttribute::paDialog);
    attributes.Exclude(TPropertyAttribute::paAutoUpdate);
  }
  return attributes;
}

void TPropertyEditor::Edit() {
  const TPropertyAttributes attributes = GetAttributes();
  if (!attributes.Contains(TPropertyAttribute::paValueList)) return;
  std::vector<std::string> values;
  GetValues([&values](const std::string& value) { values.push_back(value); });
  if (values.empty()) return;
  if (attributes.Contains(TPropertyAttribute::paSortList)) std::sort(values.begin(), values.end());
  const std::string current = GetValue();
  auto it = std::find_if(values.begin(), values.end(),
                         [&current](const std::string& v) { return SameText(v, current); });
  const size_t next = it == values.end() ? 0 : (it - values.begin() + 1) % values.size();
  SetValue(values[next]);
}

int64_t TPropertyEditor::GetOrdValue() const {
  return FTargets.front().Prop->GetOrd(*FTargets.front().Instance);
}

void TPropertyEditor::SetOrdValue(int64_t value) {
  for (const TPropTarget& t : FTargets) t.Prop->SetOrd(*t.Instance, value);
  Modified();
}

std::string TPropertyEditor::GetStrValue() const {
  return FTargets.front().Prop->GetStr(*FTargets.front().Instance);
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  for (const TPropTarget& t : FTargets) t.Prop->SetStr(*t.Instance, value);
  Modified();
}

TPersistent* TPropertyEditor::GetObjectValue() const {
  return FTargets.front().Prop->GetObject(*FTargets.front().Instance);
}

void TPropertyEditor::SetObjectValue(const TPersistent& value) {
  for (const TPropTarget& t : FTargets) t.Prop->SetObject(*t.Instance, value);
  Modified();
}

bool TPropertyEditor::AllEqual() const {
  const TPropValue first = FTargets.front().Prop->Get(*FTargets.front().Instance);
  return std::all_of(FTargets.begin() + 1, FTargets.end(),
                     [&first](const TPropTarget& t) { return t.Prop->Get(*t.Instance) == first; });
}

void TPropertyEditor::Modified() {
  if (FDesigner) FDesigner->Modified();
}

// ---- Registry ---------------------------------------------------------------------

namespace {

struct TRegistration {
  const TTypeInfo* Type;
  const TClassInfo* ComponentClass;
  std::string PropertyName;
  TPropertyEditorClass Editor;
};

std::vector<TRegistration>& Registrations() {
  static std::vector<TRegistration> registrations;
  return registrations;
}

// The stock editors go in first, so that any later registration of equal specificity
// overrides them. The flag is set before registering: registering calls back here.
void EnsureStockEditors() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterStockPropertyEditors();
}

int ClassDepth(const TClassInfo& cls) {
  int depth = 0;
  for (const TClassInfo* c = cls.Parent; c; c = c->Parent) ++depth;
  return depth;
}

// How closely a registered type fits a property type: exact types beat class types,
// deeper classes beat their ancestors; nullopt when it does not fit at all.
std::optional<int> TypeFit(const TTypeInfo& registered, const TTypeInfo& property) {
  if (&registered == &property) return INT_MAX;
  const bool classes = registered.Kind == TTypeKind::Class && property.Kind == TTypeKind::Class &&
                       registered.ClassType && property.ClassType;
  if (classes && property.ClassType().InheritsFrom(registered.ClassType()))
    return ClassDepth(registered.ClassType());
  return std::nullopt;
}

using TSpecificity = std::tuple<int, int, int>;  // named, component class depth, type fit

std::optional<TSpecificity> Match(const TRegistration& r, const TPropInfo& prop,
                                  const TClassInfo& instanceClass) {
  const std::optional<int> fit = TypeFit(*r.Type, *prop.PropType);
  if (!fit) return std::nullopt;
  if (r.ComponentClass && !instanceClass.InheritsFrom(*r.ComponentClass)) return std::nullopt;
  if (!r.PropertyName.empty() && !SameText(r.PropertyName, prop.Name)) return std::nullopt;
  const int classDepth = r.ComponentClass ? ClassDepth(*r.ComponentClass) + 1 : 0;
  return TSpecificity{r.PropertyName.empty() ? 0 : 1, classDepth, *fit};
}

}  // namespace

void RegisterPropertyEditor(const TTypeInfo& propertyType, const TClassInfo* componentClass,
                            std::string propertyName, TPropertyEditorClass editorClass) {
  EnsureStockEditors();
  Registrations().push_back({&propertyType, componentClass, std::move(propertyName), editorClass});
}

TPropertyEditorClass GetEditorClass(const TPropInfo& prop, const TClassInfo& instanceClass) {
  EnsureStockEditors();
  const TRegistration* best = nullptr;
  TSpecificity bestSpecificity{};
  for (const TRegistration& r : Registrations()) {
    const std::optional<TSpecificity> specificity = Match(r, prop, instanceClass);
    if (specificity && (!best || *specificity >= bestSpecificity)) {
      best = &r;
      bestSpecificity = *specificity;
    }
  }
  return best ? best->Editor : DefaultEditorClass(prop.Kind());
}

// ---- Enumeration of properties ----------------------------------------------------

TSelectionList CreateSelectionList(TPersistent* instance) {
  if (!instance) return {};
  return {instance};
}

namespace {

// The same property on every further selected object, or nothing when one lacks it or
// would edit it differently.
std::optional<TPropTargets> TargetsOnSelection(const TSelectionList& selection,
                                               const TPropInfo& prop,
                                               TPropertyEditorClass editorClass) {
  TPropTargets targets{{selection.front(), &prop}};
  for (size_t i = 1; i < selection.size(); ++i) {
    const TClassInfo& cls = selection[i]->ClassInfo();
    const TPropInfo* other = cls.FindProperty(prop.Name);
    if (!other || other->PropType != prop.PropType) return std::nullopt;
    if (GetEditorClass(*other, cls) != editorClass) return std::nullopt;
    targets.push_back({selection[i], other});
  }
  return targets;
}

}  // namespace

void GetComponentProperties(const TSelectionList& selection, TDesignKinds filter,
                            const TDesignerRef& designer, const TGetPropProc& proc) {
  if (selection.empty() ||
      std::any_of(selection.begin(), selection.end(), [](TPersistent* p) { return !p; }))
    return;
  const TClassInfo& cls = selection.front()->ClassInfo();
  for (const TPropInfo* prop : cls.AllProperties()) {
    if (!filter.Contains(DesignKindOf(prop->Kind()))) continue;
    const TPropertyEditorClass editorClass = GetEditorClass(*prop, cls);
    if (!editorClass) continue;
    std::optional<TPropTargets> targets = TargetsOnSelection(selection, *prop, editorClass);
    if (!targets) continue;
    TPropertyRef editor = editorClass(designer, std::move(*targets));
    const bool multiple = selection.size() > 1;
    if (multiple && !editor->GetAttributes().Contains(TPropertyAttribute::paMultiSelect)) continue;
    proc(editor);
  }
}

}  // namespace vt
