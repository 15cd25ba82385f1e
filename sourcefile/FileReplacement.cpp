#include "internal/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <cstdlib>

#include "FileName.h"
#include "internal/FileErrorText.h"

namespace kwarcyt {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return descriptor_; }

 private:
  int descriptor_;
};

// Each returns 0 or the errno value of the call that failed.

int WriteAll(int descriptor, QByteArrayView bytes) {
  while (!bytes.isEmpty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), static_cast<size_t>(bytes.size()));
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.sliced(written);
  }
  return 0;
}

int CopyAll(int from, int to) {
  if (::lseek(from, 0, SEEK_SET) != 0 || ::lseek(to, 0, SEEK_SET) != 0) return errno;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t read = ::read(from, buffer, sizeof buffer);
    if (read < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (read == 0) return 0;
    if (const int error = WriteAll(to, QByteArrayView(buffer, read))) return error;
  }
}

// The old blocks are written over, never freed first: putting the old contents back after a
// failure then needs no more room on the disk than they had.
int Overwrite(int descriptor, QByteArrayView contents, off_t size) {
  if (::lseek(descriptor, 0, SEEK_SET) != 0) return errno;
  if (const int error = WriteAll(descriptor, contents)) return error;
  if (::ftruncate(descriptor, size) != 0 || ::fsync(descriptor) != 0) return errno;
  return 0;
}

int Overwrite(int descriptor, int from, off_t size) {
  if (const int error = CopyAll(from, descriptor)) return error;
  if (::ftruncate(descriptor, size) != 0 || ::fsync(descriptor) != 0) return errno;
  return 0;
}

// A file beside the target, its name the target's followed by the suffix and six random
// characters.
int CreateBeside(const QByteArray& target, const char* suffix, QByteArray& name) {
  name = target + suffix + "XXXXXX";
  return ::mkostemp(name.data(), O_CLOEXEC);
}

// The permissions a new file gets from anyone: all that the user's mask allows.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::optional<QString> WriteInPlace(const QByteArray& target, QByteArrayView contents) {
  const Descriptor file(::open(target.constData(), O_RDWR | O_CLOEXEC));
  struct stat status {};
  if (file.get() < 0 || ::fstat(file.get(), &status) != 0) return FileErrorText(errno);
  QByteArray copyName;
  const Descriptor copy(CreateBeside(target, "~", copyName));
  if (copy.get() < 0) return FileErrorText(errno);
  int error = CopyAll(file.get(), copy.get());
  if (error == 0 && ::fsync(copy.get()) != 0) error = errno;
  if (error == 0) {
    error = Overwrite(file.get(), contents, static_cast<off_t>(contents.size()));
    if (error == 0 || Overwrite(file.get(), copy.get(), status.st_size) == 0) {
      ::unlink(copyName.constData());
      return error == 0 ? std::nullopt : std::optional(FileErrorText(error));
    }
    // Neither the new contents nor the old are whole in the file: the copy stays for the user.
    return QStringLiteral("%1; dotychczasowa treść pliku jest w „%2”")
        .arg(FileErrorText(error), ShownText(FileNameFromBytes(copyName)));
  }
  ::unlink(copyName.constData());
  return FileErrorText(error);
}

}  // namespace

std::optional<QString> ReplaceFileContents(const QString& path, QByteArrayView contents) {
  QByteArray target = FileNameBytes(path);
  if (char* const resolved = ::realpath(target.constData(), nullptr)) {
    target = resolved;
    std::free(resolved);
  }
  struct stat old {};
  const bool exists = ::stat(target.constData(), &old) == 0;
  if (!exists && errno != ENOENT) return FileErrorText(errno);
  // Renaming would replace a file its owner made read-only.
  if (exists && ::access(target.constData(), W_OK) != 0) return FileErrorText(errno);

  QByteArray temporaryName;
  const Descriptor temporary(CreateBeside(target, ".", temporaryName));
  if (temporary.get() < 0) return FileErrorText(errno);
  // The owner first: changing it clears the set-user-ID and set-group-ID bits.
  if (exists && ::fchown(temporary.get(), old.st_uid, old.st_gid) != 0) {
    const int error = errno;
    ::unlink(temporaryName.constData());
    if (error == EPERM) return WriteInPlace(target, contents);
    return FileErrorText(error);
  }
  int error = WriteAll(temporary.get(), contents);
  if (error == 0 && ::fchmod(temporary.get(), exists ? old.st_mode & 07777 : NewFileMode()) != 0) {
    error = errno;
  }
  // Some file systems report a lack of space only when the data reaches the disk.
  if (error == 0 && ::fsync(temporary.get()) != 0) error = errno;
  if (error == 0 && ::rename(temporaryName.constData(), target.constData()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  ::unlink(temporaryName.constData());
  return FileErrorText(error);
}

}  // namespace kwarcyt
