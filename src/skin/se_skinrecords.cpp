#include "skin/se_skinrecords.h"

#include <memory>

#include "rtl/PropStream.h"

namespace vt {

namespace {

std::vector<uint8_t> PropertyStreamOf(const TSeSkinObject& object) {
  InstallSkinObjectStreaming();
  TMemoryStream stream;
  WriteComponent(stream, object);
  return std::move(stream.Bytes());
}

// The record has been read whole, so the stream stays in step; the object is reported.
TSeSkinObject* SkipUnknownRecord(const std::string& className) {
  TReadWarnings::Report("Skin object of the unknown class \"" + className + "\" skipped");
  return nullptr;
}

// Creates an object of the record's class and reads the property stream into it; the
// object joins `owner` only once it is complete. nullptr for an unknown class.
TSeSkinObject* CreateFromRecord(const std::string& className, std::span<const uint8_t> data,
                                TComponent* owner) {
  const TClassInfo* cls = ResolveSkinObjectClass(className);
  if (!cls || !cls->Create) return SkipUnknownRecord(className);
  std::unique_ptr<TComponent> created(cls->Create(nullptr));
  auto* object = dynamic_cast<TSeSkinObject*>(created.get());
  if (!object) {
    TReadWarnings::Report("Class \"" + className + "\" is not a skin object; record skipped");
    return nullptr;
  }
  TReadOnlyMemoryStream stream(data.data(), static_cast<int64_t>(data.size()));
  ReadComponent(stream, *object);
  object->SetCharset(DEFAULT_CHARSET);
  created.release();
  if (owner) owner->InsertComponent(object);
  return object;
}

void WriteChildren(const TSeSkinObject& object, TStream& stream) {
  const int count = object.ChildCount();
  // Larger counts would run into the flag bits and could not be read back.
  if (count >= 0x10000)
    throw EWriteError("Skin object \"" + object.GetName() + "\" has more than 65535 children");
  WriteUInt32(stream, static_cast<uint32_t>(count) | kBinaryRecordsFlag);
  for (int i = 0; i < count; ++i) WriteSkinObjectBinary(stream, *object.Children(i));
}

void ReadChildren(TSeSkinObject& object, TStream& stream) {
  const uint32_t word = ReadUInt32(stream);
  const bool binary = (word & kBinaryRecordsFlag) == kBinaryRecordsFlag;
  const uint32_t count = binary ? word & ~kBinaryRecordsFlag : word;
  // Each record takes at least eight bytes, so a damaged count ends at the end of the
  // data instead of allocating anything ahead of it.
  for (uint32_t i = 0; i < count; ++i) {
    if (binary)
      ReadSkinObjectBinary(stream, &object);
    else
      ReadSkinObjectText(stream, &object);
  }
}

void DefineObjectsProperty(TSeSkinObject& object, TFiler& filer) {
  filer.DefineBinaryProperty(
      "Objects", [&object](TStream& stream) { ReadChildren(object, stream); },
      [&object](TStream& stream) { WriteChildren(object, stream); }, true);
}

}  // namespace

void InstallSkinObjectStreaming() {
  TSeSkinObject::DefineObjectsProperty = &DefineObjectsProperty;
}

const TClassInfo* ResolveSkinObjectClass(const std::string& name) {
  if (const TClassInfo* cls = FindSkinObjectClass(name)) return cls;
  if (name.size() <= 3) return nullptr;
  for (const char* prefix : {"Se", "Tw"}) {
    std::string related = name;
    related.replace(1, 2, prefix);
    if (const TClassInfo* cls = FindSkinObjectClass(related)) return cls;
  }
  return nullptr;
}

void WriteSkinObjectText(TStream& stream, const TSeSkinObject& object) {
  const std::string text = ObjectBinaryToText(PropertyStreamOf(object));
  WriteLengthString(stream, object.ClassName());
  WriteLengthString(stream, text);
}

TSeSkinObject* ReadSkinObjectText(TStream& stream, TComponent* owner) {
  InstallSkinObjectStreaming();
  const std::string className = ReadLengthString(stream, "object class name");
  std::string storage;
  const std::string_view text = ReadLengthString(stream, storage, "object property text");
  if (!ResolveSkinObjectClass(className)) return SkipUnknownRecord(className);
  try {
    return CreateFromRecord(className, ObjectTextToBinary(text), owner);
  } catch (const EReadError& e) {
    throw EReadError("Skin object of class " + className + ": " + e.what());
  }
}

void WriteSkinObjectBinary(TStream& stream, const TSeSkinObject& object) {
  const std::vector<uint8_t> data = PropertyStreamOf(object);
  if (data.size() > INT32_MAX) throw EWriteError("Skin object record larger than 2 GB");
  WriteLengthString(stream, object.ClassName());
  WriteInt32(stream, static_cast<int32_t>(data.size()));
  stream.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
}

TSeSkinObject* ReadSkinObjectBinary(TStream& stream, TComponent* owner) {
  InstallSkinObjectStreaming();
  const std::string className = ReadLengthString(stream, "object class name");
  std::vector<uint8_t> storage;
  const std::span<const uint8_t> data =
      ReadBytes(stream, ReadInt32(stream), storage, "object record");
  try {
    return CreateFromRecord(className, data, owner);
  } catch (const EReadError& e) {
    throw EReadError("Skin object of class " + className + ": " + e.what());
  }
}

}  // namespace vt
