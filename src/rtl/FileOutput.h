#pragma once
// Writing a whole file so that a failure is never reported as success and never destroys
// what was there. Every program output of the engine and its tools (skins, pictures,
// exports) goes through here.
#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "rtl/Classes.h"

namespace vt {

// What WriteWholeFile throws carries, beside the whole message, the reason alone, for
// callers that put the file name into their own words.
class TFileOutputReason {
 public:
  explicit TFileOutputReason(std::string reason) : Reason(std::move(reason)) {}
  virtual ~TFileOutputReason() = default;
  std::string Reason;
};

class EFileCreateFailed : public EFCreateError, public TFileOutputReason {
 public:
  EFileCreateFailed(const std::string& message, const std::string& reason)
      : EFCreateError(message), TFileOutputReason(reason) {}
};

class EFileWriteFailed : public EWriteError, public TFileOutputReason {
 public:
  EFileWriteFailed(const std::string& message, const std::string& reason)
      : EWriteError(message), TFileOutputReason(reason) {}
};

// The reason part of `error` when it has one, else its whole message.
std::string FileOutputReason(const std::exception& error);

// Writes `bytes` as the whole content of `fileName`:
// - a new name, or an existing regular file (also one reached through a symbolic link):
//   the bytes go to a temporary file in the same folder, which is flushed to the disk and
//   then renamed over the target, so that a failure leaves an existing file untouched
//   and no partial file behind; the old file's permissions are kept;
// - an existing file that is not a regular file (a device such as /dev/null, a named
//   pipe): written directly, as `cp` would, because renaming over it would replace the
//   device or pipe itself with a regular file;
// - a folder, or a symbolic link to nothing: refused.
// Every write, the flush and the rename are checked. EFileWriteFailed (EFileCreateFailed
// when the file cannot be created) names the file and says why, in plain words ("no space
// left on the device (the disk is full)").
void WriteWholeFile(const std::string& fileName, std::span<const uint8_t> bytes);

// One file being written as WriteWholeFile describes. The constructor creates it (or
// opens the device or pipe), so that a name that cannot be written fails before any work
// is done for it; Commit writes the bytes and puts them in place. A file that is never
// committed, or whose commit fails, is removed again (for a device or pipe: closed).
class TFileOutput {
 public:
  explicit TFileOutput(const std::string& fileName);
  ~TFileOutput();
  TFileOutput(const TFileOutput&) = delete;
  TFileOutput& operator=(const TFileOutput&) = delete;
  void Commit(std::span<const uint8_t> bytes);

 private:
  void OpenTemporary();
  void OpenDirectly();
  void SyncReplacement();

  std::string FShownName;  // as the caller named it, for messages
  std::string FTarget;     // the regular file replaced (links resolved), or the device
  std::string FTemporary;  // empty when writing directly
  int FDescriptor = -1;
  bool FCommitted = false;
  bool FKeepMode = false;  // an existing file's mode and owner go to its replacement
  unsigned FOldMode = 0, FOldOwner = 0, FOldGroup = 0;
};

// Writes `bytes` to an open file descriptor, all of them (retrying after interruptions
// and short writes). EWriteError naming `what` with the system's reason otherwise.
void WriteAllToDescriptor(int descriptor, std::span<const uint8_t> bytes, const std::string& what);

// The system's reason for `error` (an errno value) as the messages of this program say
// it: lower case, and for a full disk also in the words a user searches for.
std::string SystemErrorText(int error);

}  // namespace vt
