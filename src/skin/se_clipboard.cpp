#include "skin/se_clipboard.h"

#include <optional>

#include "rtl/PropStream.h"
#include "skin/se_skinrecords.h"

namespace vt {

namespace {

[[noreturn]] void InvalidFormat() {
  throw Exception(kInvalidClipboardFormat);
}

// The length written before "@": digits only, and never more than the bytes there are,
// which also keeps the sum from overflowing.
std::optional<size_t> RecordLength(std::span<const uint8_t> digits, size_t available) {
  if (digits.empty()) return std::nullopt;
  size_t length = 0;
  for (uint8_t digit : digits) {
    if (digit < '0' || digit > '9') return std::nullopt;
    length = length * 10 + (digit - '0');
    if (length > available) return std::nullopt;
  }
  return length;
}

}  // namespace

std::string MakeClipboardPayload(const TSeSkinObject& object) {
  std::unique_ptr<TSeSkinObject> clone(CloneSkinObject(object, nullptr));
  if (!clone) throw Exception("Cannot copy an object of the class " + object.ClassName());
  clone->SetName("CopyOf" + object.GetName());
  TMemoryStream record;
  WriteSkinObjectText(record, *clone);
  const std::vector<uint8_t>& bytes = record.Bytes();
  std::string payload = std::to_string(bytes.size()) + "@";
  payload.append(bytes.begin(), bytes.end());
  payload.push_back('\0');
  return payload;
}

std::unique_ptr<TSeSkinObject> ReadClipboardPayload(std::span<const uint8_t> payload) {
  // The length is read from the text before the first zero byte only.
  size_t at = 0;
  while (at < payload.size() && payload[at] != '@' && payload[at] != 0) ++at;
  if (at == payload.size() || payload[at] != '@') InvalidFormat();
  const size_t available = payload.size() - at - 1;
  const std::optional<size_t> length = RecordLength(payload.first(at), available);
  if (!length || *length == 0) InvalidFormat();
  TReadOnlyMemoryStream stream(payload.data() + at + 1, static_cast<int64_t>(*length));
  std::unique_ptr<TSeSkinObject> object;
  TReadWarnings warnings;  // an unknown class is a failure here, not a warning
  try {
    object.reset(ReadSkinObjectText(stream, nullptr));
  } catch (const std::exception&) {
    InvalidFormat();
  }
  if (!object) InvalidFormat();
  return object;
}

}  // namespace vt
