#pragma once
// The inspector's registrations for skin objects.

namespace vt {

// Hides MaskedAngles and MaskedBorder of every skin object: painting takes those flags
// from the bitmap links themselves, so the object-level copies are not for editing.
// Part of the stock registrations; callable again without harm.
void RegisterSkinPropertyEditors();

}  // namespace vt
