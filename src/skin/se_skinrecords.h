#pragma once
// Object records: one skin object (with its children) as stored in skin files, in the
// "Objects" property of its parent and on the clipboard.
//
// Text record:   class name (length-prefixed string), property text (length-prefixed).
// Binary record: class name (length-prefixed string), 32-bit size, that many bytes of
//                property stream.
//
// Reading creates the object of the stored class (or of a related one: see
// ResolveSkinObjectClass), applies the properties, sets the default charset on every
// font of the tree, and only then hands the object to its owner, so that a record that
// fails leaves the owner as it was. A record whose class is unknown is passed over by its
// stored length and reported through the active TReadWarnings.
#include <string>

#include "rtl/Classes.h"
#include "rtl/Streams.h"
#include "rtl/TypInfo.h"
#include "skin/theme_se3objects.h"

namespace vt {

void WriteSkinObjectText(TStream& stream, const TSeSkinObject& object);
TSeSkinObject* ReadSkinObjectText(TStream& stream, TComponent* owner);
void WriteSkinObjectBinary(TStream& stream, const TSeSkinObject& object);
TSeSkinObject* ReadSkinObjectBinary(TStream& stream, TComponent* owner);

// The registered class of that name; failing that, for names longer than three
// characters, the name with its second and third characters replaced by "Se", then by
// "Tw" (records of related products name their classes so); nullptr when none matches.
const TClassInfo* ResolveSkinObjectClass(const std::string& name);

// Makes skin objects store their children in the binary property "Objects": the child
// count OR 0x000F0000 as 32 bits, then one binary record per child. Reading takes binary
// records when those bits are set and text records otherwise. Idempotent; the record
// functions above and the skin source install it themselves.
void InstallSkinObjectStreaming();

// The bits of the "Objects" count word that mark binary records.
constexpr uint32_t kBinaryRecordsFlag = 0x000F0000;

}  // namespace vt
