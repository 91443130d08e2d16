#pragma once
// The clipboard form of one skin object with everything below it: the decimal byte
// length of its text object record, "@", the record (which holds binary length fields and
// so zero bytes), and a terminating zero byte. Editors exchange it under one MIME type of
// their own, so that a copy made in one running editor pastes into another.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "skin/theme_se3objects.h"

namespace vt {

inline constexpr const char* kSkinObjectMimeType = "application/x-vtskin-object";
inline constexpr const char* kInvalidClipboardFormat = "Invalid clipboard format";

// The payload of a copy of `object` named "CopyOf" + its name; `object` is not changed.
std::string MakeClipboardPayload(const TSeSkinObject& object);

// The object a payload holds, owned by the caller and bound to no owner or images yet.
// The payload comes from another program: a missing "@", a length that is not plain
// decimal digits, that is zero or that announces more bytes than follow, and a record that
// does not read or names no known class all fail with kInvalidClipboardFormat.
std::unique_ptr<TSeSkinObject> ReadClipboardPayload(std::span<const uint8_t> payload);

}  // namespace vt
