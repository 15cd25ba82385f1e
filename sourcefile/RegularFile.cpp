#include "internal/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "FileName.h"
#include "internal/FileErrorText.h"

namespace kwarcyt {
namespace {

std::optional<QString> RefusalOf(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) return FileErrorText(EISDIR);
  if (!S_ISREG(status.st_mode)) {
    return QStringLiteral("to nie jest zwykły plik, lecz urządzenie, potok lub gniazdo");
  }
  return std::nullopt;
}

}  // namespace

std::optional<QString> OpenRegularFile(const QString& path, QFile& file) {
  const QByteArray name = FileNameBytes(path);
  // Looked at first, so that a device is not even opened: opening some has effects of its own.
  struct stat status {};
  if (::stat(name.constData(), &status) != 0) return FileErrorText(errno);
  if (std::optional<QString> refusal = RefusalOf(status)) return refusal;

  // The name may have been replaced since it was looked at.
  const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return FileErrorText(errno);
  if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    return QStringLiteral("błąd odczytu");
  }
  std::optional<QString> refusal =
      ::fstat(descriptor, &status) != 0 ? FileErrorText(errno) : RefusalOf(status);
  if (refusal) file.close();
  return refusal;
}

}  // namespace kwarcyt
