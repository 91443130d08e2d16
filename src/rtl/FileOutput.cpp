#include "rtl/FileOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "rtl/Assert.h"
#include "rtl/Classes.h"

namespace vt {

std::string SystemErrorText(int error) {
  switch (error) {
    case ENOSPC:
      return "no space left on the device (the disk is full)";
    case EDQUOT:
      return "the disk quota is used up (no space left for this user)";
    case EFBIG:
      return "the file would be larger than this file system or this process allows";
    default:
      break;
  }
  std::string text = std::strerror(error);
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = char(text[0] - 'A' + 'a');
  return text;
}

std::string FileOutputReason(const std::exception& error) {
  const auto* reason = dynamic_cast<const TFileOutputReason*>(&error);
  return reason ? reason->Reason : error.what();
}

namespace {

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

[[noreturn]] void FailCreate(const std::string& fileName, const std::string& reason) {
  throw EFileCreateFailed("Cannot create file " + Quoted(fileName) + ": " + reason, reason);
}

[[noreturn]] void FailWrite(const std::string& fileName, int error) {
  const std::string reason = SystemErrorText(error);
  throw EFileWriteFailed("Cannot write file " + Quoted(fileName) + ": " + reason, reason);
}

std::string ResolvedLink(const std::string& fileName) {
  char resolved[PATH_MAX];
  if (!::realpath(fileName.c_str(), resolved)) FailCreate(fileName, SystemErrorText(errno));
  return resolved;
}

}  // namespace

void WriteAllToDescriptor(int descriptor, std::span<const uint8_t> bytes, const std::string& what) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) FailWrite(what, written < 0 ? errno : ENOSPC);
    done += size_t(written);
  }
}

namespace {

// A name beside `target` that no one else uses, for the replacement being written.
int CreateTemporarySibling(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string::size_type slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  // The base name is shortened so that the temporary name stays within NAME_MAX.
  const std::string base = target.substr(folder.size()).substr(0, 180);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name =
        folder + "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

}  // namespace

TFileOutput::TFileOutput(const std::string& fileName) : FShownName(fileName), FTarget(fileName) {
  if (fileName.empty()) FailCreate(fileName, "no file name");
  struct stat entry {};
  if (::lstat(fileName.c_str(), &entry) != 0) {
    if (errno != ENOENT) FailCreate(fileName, SystemErrorText(errno));
    OpenTemporary();
    return;
  }
  struct stat target {};
  if (::stat(fileName.c_str(), &target) != 0)
    FailCreate(fileName, errno == ENOENT ? "it is a symbolic link to a file that does not exist"
                                         : SystemErrorText(errno));
  if (S_ISDIR(target.st_mode)) FailCreate(fileName, "it is a folder");
  if (!S_ISREG(target.st_mode)) {
    OpenDirectly();
    return;
  }
  // A file the user may not write stays as it is, although its folder would allow
  // replacing it.
  if (::access(fileName.c_str(), W_OK) != 0) FailCreate(fileName, SystemErrorText(errno));
  if (S_ISLNK(entry.st_mode)) FTarget = ResolvedLink(fileName);
  FKeepMode = true;
  FOldMode = target.st_mode & 07777;
  FOldOwner = target.st_uid;
  FOldGroup = target.st_gid;
  OpenTemporary();
}

void TFileOutput::OpenTemporary() {
  FDescriptor = CreateTemporarySibling(FTarget, FTemporary);
  if (FDescriptor < 0)
    FailCreate(FShownName,
               "cannot create a temporary file in its folder: " + SystemErrorText(errno));
}

void TFileOutput::OpenDirectly() {
  FDescriptor = ::open(FTarget.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
  if (FDescriptor < 0) FailCreate(FShownName, SystemErrorText(errno));
}

TFileOutput::~TFileOutput() {
  if (FDescriptor >= 0) ::close(FDescriptor);
  if (!FTemporary.empty() && !FCommitted) ::unlink(FTemporary.c_str());
}

void TFileOutput::Commit(std::span<const uint8_t> bytes) {
  VT_ASSERT(FDescriptor >= 0 && !FCommitted && "a file output is committed once");
  WriteAllToDescriptor(FDescriptor, bytes, FShownName);
  if (!FTemporary.empty()) SyncReplacement();
  const int closed = ::close(FDescriptor);
  FDescriptor = -1;
  if (closed != 0) FailWrite(FShownName, errno);
  if (!FTemporary.empty() && ::rename(FTemporary.c_str(), FTarget.c_str()) != 0)
    FailWrite(FShownName, errno);
  FCommitted = true;
}

void TFileOutput::SyncReplacement() {
  // The old file's permissions and owner go over to its replacement; failing to keep the
  // owner (not root) is no reason to fail the save.
  if (FKeepMode) {
    ::fchmod(FDescriptor, FOldMode);
    if (::fchown(FDescriptor, FOldOwner, FOldGroup) != 0) {
    }
  }
  // The data must be on the disk before the name points at it: a file system that runs
  // out of room while writing back its cache reports it here.
  if (::fsync(FDescriptor) != 0 && errno != EINVAL) FailWrite(FShownName, errno);
}

void WriteWholeFile(const std::string& fileName, std::span<const uint8_t> bytes) {
  TFileOutput(fileName).Commit(bytes);
}

}  // namespace vt
