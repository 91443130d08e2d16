#pragma once
// The property-editor framework the inspector hosts.
//
// For every published property the inspector shows, it holds one IProperty: an object
// that knows how to name, format, parse, list and edit that property's value on the
// selected object(s). GetComponentProperties walks the published-property type
// information of a selection and creates one editor per property, choosing the editor
// class through the registry that RegisterPropertyEditor fills. The stock editors
// (ZStdProps.h) are registered once, before the first lookup.
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rtl/AnsiText.h"
#include "rtl/TypInfo.h"

namespace vt {

// ---- Attributes -------------------------------------------------------------------

// The bit of each attribute is 1 << its ordinal: value list 0x01, sub-properties 0x02,
// dialog 0x04, multi-select 0x08, auto-update 0x10, sort list 0x20, read-only 0x40,
// revertable 0x80.
enum class TPropertyAttribute {
  paValueList,      // a drop-down list of GetValues
  paSubProperties,  // GetProperties yields nested rows
  paDialog,         // Edit opens a dialog (an ellipsis button)
  paMultiSelect,    // shown when several objects are selected
  paAutoUpdate,     // every keystroke is committed
  paSortList,       // the drop-down items are sorted
  paReadOnly,       // the text cannot be typed
  paRevertable,     // Escape restores the stored value
};
using TPropertyAttributes = TSetOf<TPropertyAttribute>;

// ---- Property kinds ---------------------------------------------------------------

// The kinds a property filter selects, numbered as the design-time interface numbers
// them; the engine's own type kinds map onto a few of them (DesignKindOf).
enum class TDesignKind {
  tkUnknown,
  tkInteger,
  tkChar,
  tkEnumeration,
  tkFloat,
  tkString,
  tkSet,
  tkClass,
  tkMethod,
  tkWChar,
  tkLString,
  tkWString,
  tkVariant,
  tkArray,
  tkRecord,
  tkInterface,
  tkInt64,
  tkDynArray,
};
using TDesignKinds = TSetOf<TDesignKind>;
// Every kind except tkUnknown and tkMethod.
constexpr TDesignKinds kAllPropertyKinds = TDesignKinds::FromMask(0x3FEFE);

// Booleans are enumerations and strings are long strings to a filter.
TDesignKind DesignKindOf(TTypeKind kind);

// ---- Property editors -------------------------------------------------------------

class IProperty;
using TPropertyRef = std::shared_ptr<IProperty>;
using TGetPropProc = std::function<void(const TPropertyRef&)>;
using TGetStrProc = std::function<void(const std::string&)>;

class IProperty {
 public:
  virtual ~IProperty() = default;
  virtual std::string GetName() const = 0;
  // The value as text; "" when the selected objects disagree.
  virtual std::string GetValue() = 0;
  // Parses `value` and writes it to every selected object; throws a vt::Exception with a
  // message for the user when the text is not acceptable.
  virtual void SetValue(const std::string& value) = 0;
  virtual void GetValues(const TGetStrProc& proc) = 0;
  virtual void Edit() = 0;
  virtual TPropertyAttributes GetAttributes() = 0;
  // Maximum text length; 0 for no limit.
  virtual int GetEditLimit() = 0;
  // The row showing this property became current.
  virtual void Activate() = 0;
  virtual void GetProperties(const TGetPropProc& proc) = 0;
};

// ---- Designer ---------------------------------------------------------------------

// An event handler reference: the object holding the method and the method's name.
struct TMethodRef {
  const TComponent* Object = nullptr;
  std::string Name;
};

// What property editors may ask of the surrounding designer.
class IDesigner {
 public:
  virtual ~IDesigner() = default;
  virtual void Modified() = 0;
  virtual std::string GetObjectName(const TPersistent* instance) = 0;
  virtual std::string GetMethodName(const TMethodRef& method) = 0;
  virtual bool MethodExists(const std::string& name) = 0;
  virtual TComponent* GetComponent(const std::string& name) = 0;
  virtual std::string GetComponentName(const TComponent* component) = 0;
  virtual void GetComponentNames(const TClassInfo& cls, const TGetStrProc& proc) = 0;
  virtual TComponent* GetRoot() = 0;
};
using TDesignerRef = std::shared_ptr<IDesigner>;

// The inspector has no form being designed: every operation answers nothing, except
// the two name queries that editors show.
class TZFormDesigner : public IDesigner {
 public:
  void Modified() override {}
  std::string GetObjectName(const TPersistent* instance) override;
  std::string GetMethodName(const TMethodRef& method) override;
  bool MethodExists(const std::string&) override { return false; }
  TComponent* GetComponent(const std::string&) override { return nullptr; }
  std::string GetComponentName(const TComponent*) override { return {}; }
  void GetComponentNames(const TClassInfo&, const TGetStrProc&) override {}
  TComponent* GetRoot() override { return nullptr; }
};

// ---- Base editor ------------------------------------------------------------------

// One selected object and its published property of the edited name. Objects of
// different classes each bring their own TPropInfo.
struct TPropTarget {
  TPersistent* Instance = nullptr;
  const TPropInfo* Prop = nullptr;
};
using TPropTargets = std::vector<TPropTarget>;
using TSelectionList = std::vector<TPersistent*>;

class TPropertyEditor : public IProperty {
 public:
  TPropertyEditor(TDesignerRef designer, TPropTargets targets);

  std::string GetName() const override;
  std::string GetValue() override { return {}; }
  void SetValue(const std::string&) override {}
  void GetValues(const TGetStrProc&) override {}
  // With a value list, steps to the value after the current one (a double click
  // toggles a Boolean); otherwise nothing.
  void Edit() override;
  // EditorAttributes() of the editor class (override that one); a property without a
  // setter is always read-only and offers neither list, dialog nor auto-update.
  TPropertyAttributes GetAttributes() final;
  int GetEditLimit() override { return 255; }
  void Activate() override {}
  void GetProperties(const TGetPropProc&) override {}

  const TPropInfo& PropInfo() const { return *FTargets.front().Prop; }
  const TTypeInfo& PropType() const { return *PropInfo().PropType; }
  int PropCount() const { return static_cast<int>(FTargets.size()); }
  TPersistent* GetComponent(int index) const { return FTargets.at(index).Instance; }
  const TDesignerRef& Designer() const { return FDesigner; }

 protected:
  virtual TPropertyAttributes EditorAttributes() { return {TPropertyAttribute::paRevertable}; }

  // Values of the first selected object; writes go to every one, then Modified().
  int64_t GetOrdValue() const;
  void SetOrdValue(int64_t value);
  std::string GetStrValue() const;
  void SetStrValue(const std::string& value);
  TPersistent* GetObjectValue() const;
  void SetObjectValue(const TPersistent& value);
  // True when every selected object holds the same value.
  bool AllEqual() const;
  void Modified();
  const TPropTargets& Targets() const { return FTargets; }

 private:
  TDesignerRef FDesigner;
  TPropTargets FTargets;
};

// ---- Registry ---------------------------------------------------------------------

// Creates the editor of one property on the selected objects ("the editor class").
using TPropertyEditorClass = TPropertyRef (*)(TDesignerRef designer, TPropTargets targets);

template <class E>
TPropertyRef CreatePropertyEditor(TDesignerRef designer, TPropTargets targets) {
  return std::make_shared<E>(std::move(designer), std::move(targets));
}
template <class E>
constexpr TPropertyEditorClass EditorClass = &CreatePropertyEditor<E>;
// Registered as an editor class, hides the property from the inspector.
constexpr TPropertyEditorClass kNoPropertyEditor = nullptr;

// Registers `editorClass` for properties of `propertyType` (a class type also matches
// its descendants), published by `componentClass` or its descendants (nullptr: any),
// named `propertyName` (ignoring case; "": any). When several registrations match, the
// most specific wins: a named one before an unnamed one, then the deepest component
// class, then the deepest class type; among equals the later registration.
void RegisterPropertyEditor(const TTypeInfo& propertyType, const TClassInfo* componentClass,
                            std::string propertyName, TPropertyEditorClass editorClass);

// The editor class for `prop` published by an object of `instanceClass`: the best
// registration, else the stock editor of the property's kind; nullptr when hidden.
TPropertyEditorClass GetEditorClass(const TPropInfo& prop, const TClassInfo& instanceClass);

TSelectionList CreateSelectionList(TPersistent* instance);

// Hands `proc` one editor per published property of the selection whose kind is in
// `filter`, in declaration order. With several objects, only properties every object
// publishes with the same type and whose editor allows multi-selection are listed.
void GetComponentProperties(const TSelectionList& selection, TDesignKinds filter,
                            const TDesignerRef& designer, const TGetPropProc& proc);

}  // namespace vt
