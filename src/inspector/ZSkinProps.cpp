#include "ZSkinProps.h"

#include "ZPropEdit.h"
#include "skin/theme_se3objects.h"

namespace vt {

void RegisterSkinPropertyEditors() {
  const TClassInfo* skinObject = &TSeSkinObject::StaticClassInfo();
  RegisterPropertyEditor(BooleanTypeInfo(), skinObject, "MaskedAngles", kNoPropertyEditor);
  RegisterPropertyEditor(BooleanTypeInfo(), skinObject, "MaskedBorder", kNoPropertyEditor);
}

}  // namespace vt
