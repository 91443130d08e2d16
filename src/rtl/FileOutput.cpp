#include "rtl/FileOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

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

// Closes a descriptor that an error path leaves open; the normal path closes it itself and
// checks the result, because a full disk can show up only there.
class TOpenDescriptor {
 public:
  explicit TOpenDescriptor(int descriptor) : FDescriptor(descriptor) {}
  ~TOpenDescriptor() {
    if (FDescriptor >= 0) ::close(FDescriptor);
  }
  TOpenDescriptor(const TOpenDescriptor&) = delete;
  TOpenDescriptor& operator=(const TOpenDescriptor&) = delete;
  int Get() const { return FDescriptor; }
  // Closes now; the errno value of a failed close, else 0.
  int Close() {
    const int result = ::close(FDescriptor);
    FDescriptor = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int FDescriptor;
};

// A temporary file next to the target whose name no one else uses; removed again unless
// it was renamed over the target.
class TTemporarySibling {
 public:
  explicit TTemporarySibling(const std::string& target, const std::string& shownName) {
    static std::atomic<unsigned> counter{0};
    const std::string::size_type slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    // The base name is shortened so that the temporary name stays within NAME_MAX.
    const std::string base = target.substr(folder.size()).substr(0, 180);
    for (int attempt = 0; attempt < 100; ++attempt) {
      FName = folder + "." + base + ".tmp" + std::to_string(::getpid()) + "-" +
              std::to_string(counter++);
      FDescriptor = ::open(FName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (FDescriptor >= 0) return;
      if (errno != EEXIST) break;
    }
    FailCreate(shownName,
               "cannot create a temporary file in its folder: " + SystemErrorText(errno));
  }
  ~TTemporarySibling() {
    if (FDescriptor >= 0) ::close(FDescriptor);
    if (!FRenamed) ::unlink(FName.c_str());
  }
  TTemporarySibling(const TTemporarySibling&) = delete;
  TTemporarySibling& operator=(const TTemporarySibling&) = delete;

  int Descriptor() const { return FDescriptor; }
  int Close() {
    const int result = ::close(FDescriptor);
    FDescriptor = -1;
    return result == 0 ? 0 : errno;
  }
  int RenameTo(const std::string& target) {
    if (::rename(FName.c_str(), target.c_str()) != 0) return errno;
    FRenamed = true;
    return 0;
  }

 private:
  std::string FName;
  int FDescriptor = -1;
  bool FRenamed = false;
};

// The old file's permissions and owner go over to its replacement; failing to keep the
// owner (not root) is no reason to fail the save.
void KeepModeAndOwner(int descriptor, const struct stat& old) {
  ::fchmod(descriptor, old.st_mode & 07777);
  if (::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
  }
}

void ReplaceAtomically(const std::string& target, const std::string& shownName,
                       std::span<const uint8_t> bytes, const struct stat* old) {
  TTemporarySibling temporary(target, shownName);
  WriteAllToDescriptor(temporary.Descriptor(), bytes, shownName);
  if (old) KeepModeAndOwner(temporary.Descriptor(), *old);
  // The data must be on the disk before the name points at it: a file system that runs
  // out of room while writing back the cache reports it here.
  if (::fsync(temporary.Descriptor()) != 0 && errno != EINVAL) FailWrite(shownName, errno);
  if (const int error = temporary.Close()) FailWrite(shownName, error);
  if (const int error = temporary.RenameTo(target)) FailWrite(shownName, error);
}

void WriteDirectly(const std::string& fileName, std::span<const uint8_t> bytes) {
  TOpenDescriptor file(::open(fileName.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) FailCreate(fileName, SystemErrorText(errno));
  WriteAllToDescriptor(file.Get(), bytes, fileName);
  if (const int error = file.Close()) FailWrite(fileName, error);
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

void WriteWholeFile(const std::string& fileName, std::span<const uint8_t> bytes) {
  if (fileName.empty()) FailCreate(fileName, "no file name");
  struct stat entry {};
  if (::lstat(fileName.c_str(), &entry) != 0) {
    if (errno != ENOENT) FailCreate(fileName, SystemErrorText(errno));
    ReplaceAtomically(fileName, fileName, bytes, nullptr);
    return;
  }
  struct stat target {};
  if (::stat(fileName.c_str(), &target) != 0)
    FailCreate(fileName, errno == ENOENT ? "it is a symbolic link to a file that does not exist"
                                         : SystemErrorText(errno));
  if (S_ISDIR(target.st_mode)) FailCreate(fileName, "it is a folder");
  if (!S_ISREG(target.st_mode)) {
    WriteDirectly(fileName, bytes);
    return;
  }
  // A file the user may not write stays as it is, although its folder would allow
  // replacing it.
  if (::access(fileName.c_str(), W_OK) != 0) FailCreate(fileName, SystemErrorText(errno));
  const std::string resolved = S_ISLNK(entry.st_mode) ? ResolvedLink(fileName) : fileName;
  ReplaceAtomically(resolved, fileName, bytes, &target);
}

}  // namespace vt
