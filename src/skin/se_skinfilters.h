#pragma once
// Skin filters: one class per storage variant of a skin file, with the registries that
// choose one by file extension or by the 5-byte tag at the start of a stream.
//
//   variant  class                          tag     envelope                 body
//   uskn     TSeSkinFilterUncompressed      _UCT\0  none                     text layout
//   kskn     TSeSkinFilterCompressed        _DCT\0  "QXLZ" + zlib, level 1   text layout
//   xskn     TSeSkinFilterUltraCompressed   _TCT\0  "QXLZ" + zlib, default   text layout
//   mskn     TSeSkinFilterMaxCompression    _MCT\0  "QXLZ" + zlib, default   binary layout
//
// Body, text layout: five strings (SkinName, SkinVersion, Author, AuthorEMail, AuthorURL);
// the bitmap count and the bitmaps; the object word (count OR 0x00FF0000) and text object
// records; the colour, system-colour and font tables. The binary layout differs in the
// bitmap word (count OR 0x00FFF000, each bitmap followed by its key and alpha flag bytes)
// and in using binary object records. Older files have other words; the readers accept
// all of them (se_skinfilters.cpp lists them).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "rtl/Classes.h"
#include "rtl/Streams.h"
#include "skin/se_zlib.h"

namespace vt {

class TSeSkinSource;
class TSeSkinFilterClass;

class TSeSkinFilter : public TPersistent {
 public:
  static constexpr int kTagSize = 5;
  using TSkinTag = std::array<char, kTagSize>;

  TSeSkinFilter();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  // The class object of this filter's type (what the registries hold).
  virtual const TSeSkinFilterClass& FilterClass() const;

  // The body of the skin; the base reads and writes the text layout.
  virtual void ReadSkin(TStream& stream);
  virtual void WriteSkin(TStream& stream);
  // The base checks the tag (a stream without it is read from where it stands) / writes
  // it; the variants add the envelope and the body.
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToStream(TStream& stream);

  static std::string GetFileExtension() { return {}; }
  static std::string GetFileTypeName() { return {}; }

  const TSkinTag& SkinTag() const { return FSkinTag; }
  TSeSkinSource* SkinSource() const { return FSkinSource; }
  void SetSkinSource(TSeSkinSource* source) { FSkinSource = source; }

 protected:
  void SetSkinTag(const char (&tag)[5]);
  // "QXLZ" and a zlib stream around the body, at the given level.
  void LoadCompressed(TStream& stream);
  void SaveCompressed(TStream& stream, TCompressionLevel level);
  TSeSkinSource& Source() const;

  TSkinTag FSkinTag;
  TSeSkinSource* FSkinSource = nullptr;
};

class TSeSkinFilterUncompressed : public TSeSkinFilter {
 public:
  TSeSkinFilterUncompressed();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const TSeSkinFilterClass& FilterClass() const override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  static std::string GetFileExtension() { return "uskn"; }
  static std::string GetFileTypeName() { return "Uncompressed Skin"; }
};

class TSeSkinFilterCompressed : public TSeSkinFilter {
 public:
  TSeSkinFilterCompressed();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const TSeSkinFilterClass& FilterClass() const override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  static std::string GetFileExtension() { return "kskn"; }
  static std::string GetFileTypeName() { return "Compressed Skin"; }
};

class TSeSkinFilterUltraCompressed : public TSeSkinFilter {
 public:
  TSeSkinFilterUltraCompressed();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const TSeSkinFilterClass& FilterClass() const override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  static std::string GetFileExtension() { return "xskn"; }
  static std::string GetFileTypeName() { return "Ultra Compressed Skin"; }
};

class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
 public:
  TSeSkinFilterMaxCompression();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const TSeSkinFilterClass& FilterClass() const override;
  // The binary layout.
  void ReadSkin(TStream& stream) override;
  void WriteSkin(TStream& stream) override;
  static std::string GetFileExtension() { return "mskn"; }
  static std::string GetFileTypeName() { return "Maximum Compressed"; }
};

// ---- Filter classes and registries ------------------------------------------------------

// A filter type: its class-level operations and its virtual constructor.
class TSeSkinFilterClass {
 public:
  virtual ~TSeSkinFilterClass() = default;
  virtual const TClassInfo& ClassInfo() const = 0;
  virtual std::string GetFileExtension() const = 0;  // without the dot
  virtual std::string GetFileTypeName() const = 0;
  virtual std::unique_ptr<TSeSkinFilter> Create() const = 0;
};

template <class T>
class TSeSkinFilterClassOf final : public TSeSkinFilterClass {
 public:
  const TClassInfo& ClassInfo() const override { return T::StaticClassInfo(); }
  std::string GetFileExtension() const override { return T::GetFileExtension(); }
  std::string GetFileTypeName() const override { return T::GetFileTypeName(); }
  std::unique_ptr<TSeSkinFilter> Create() const override { return std::make_unique<T>(); }
};

template <class T>
const TSeSkinFilterClass& SkinFilterClassOf() {
  static const TSeSkinFilterClassOf<T> cls;
  return cls;
}

void RegisterSkinFilter(const TSeSkinFilterClass& cls);
void UnregisterSkinFilter(const TSeSkinFilterClass& cls);
// Every registered filter class in registration order (the four built-in ones first).
const std::vector<const TSeSkinFilterClass*>& SkinFilters();
// Fills the registry with the four built-in filters; later calls do nothing.
void RegisterSkinFilters();

// The first class whose "." + extension equals the file name's extension, ignoring case.
const TSeSkinFilterClass* FindSkinFilterByExtension(const std::string& fileName);
// The first class whose tag equals the next 5 bytes of the stream; the stream is moved
// back to where it was either way.
const TSeSkinFilterClass* FindSkinFilterByStream(TStream& stream);
// "Uncompressed Skin (*.uskn)|*.uskn|...": the file-dialog filter of every registered class.
std::string GetSkinFilterString();

// The filter used when none matches a stream on loading or a file name on saving, and
// always by TSeSkinSource::SaveToStream. Initially TSeSkinFilterCompressed.
const TSeSkinFilterClass*& DefaultSkinFilter();

}  // namespace vt

namespace vt {

// The name the system colour table form stores for entry `index` (0..25); the eleventh
// repeats "clActiveCaption", so two entries name the same colour. The editor lists the
// system colours by these names and edits each by the colour its name stands for.
const char* SysColorTableName(int index);

}  // namespace vt
