#pragma once
// Persistent objects and components: ownership, names, tags, removal notification.
// Every stored object of the engine is a TPersistent whose published properties are
// described by its TClassInfo (TypInfo.h); components add an owner that frees them.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vt {

struct TClassInfo;
class TStream;

// Errors carry their message text; callers show it as it stands.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define VT_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {             \
   public:                               \
    using Base::Base;                    \
  };
VT_DECLARE_EXCEPTION(EConvertError, Exception)
VT_DECLARE_EXCEPTION(EStreamError, Exception)
VT_DECLARE_EXCEPTION(EReadError, EStreamError)
VT_DECLARE_EXCEPTION(EWriteError, EStreamError)
VT_DECLARE_EXCEPTION(EFOpenError, EStreamError)
VT_DECLARE_EXCEPTION(EFCreateError, EStreamError)
VT_DECLARE_EXCEPTION(EPropertyError, Exception)
VT_DECLARE_EXCEPTION(EClassNotFound, Exception)
VT_DECLARE_EXCEPTION(EInvalidOperation, Exception)
VT_DECLARE_EXCEPTION(EOutOfResources, Exception)
#undef VT_DECLARE_EXCEPTION

// A stored form's hook for data that is not a published property (a skin object's
// children, a theme list's theme stream). The stream reader and writer implement it.
class TFiler {
 public:
  using TStreamProc = std::function<void(TStream&)>;
  virtual ~TFiler() = default;
  virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;
};

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;

  // Copies the source's state. The default asks the source to assign itself to this
  // object and fails with "Cannot assign a X to a Y" when neither side knows the other.
  virtual void Assign(const TPersistent& source);
  virtual void AssignTo(TPersistent& dest) const;
  virtual void DefineProperties(TFiler& /*filer*/) {}

  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();
  const std::string& ClassName() const;
  bool InheritsFrom(const TClassInfo& cls) const;
};

// A persistent list of items that the stored forms write as one collection value (the
// "<" item ... ">" of property text): each item with its published and binary properties.
// A class-typed published property whose object is a TCollection is stored this way.
class TCollection : public TPersistent {
 public:
  virtual int ItemCount() const = 0;
  virtual TPersistent& ItemAt(int index) const = 0;
  // Appends an item with its defaults and returns it; reading fills it in.
  virtual TPersistent& AddItem() = 0;
  virtual void ClearItems() = 0;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  // Tells every component that asked for it, then frees the owned components (the
  // last first, so that later siblings never see an earlier one half gone), then
  // leaves the owner.
  ~TComponent() override;

  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TClassInfo& StaticClassInfo();

  TComponent* Owner() const { return FOwner; }
  const std::string& GetName() const { return FName; }
  virtual void SetName(const std::string& name) { FName = name; }
  int32_t GetTag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  // Changes whenever a component is inserted or removed, so that an owner may keep a list
  // derived from its components and know when it is out of date.
  uint32_t ComponentsVersion() const { return FComponentsVersion; }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // Case-insensitive, among the directly owned components.
  TComponent* FindComponent(const std::string& name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();

  // Asks to be told (Notification with opRemove) when `component` is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void NotifyDestruction();

  TComponent* FOwner = nullptr;
  std::string FName;
  int32_t FTag = 0;
  std::vector<TComponent*> FComponents;
  uint32_t FComponentsVersion = 0;
  std::vector<TComponent*> FFreeNotifies;
};

}  // namespace vt
