#include "ProgramFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "FileErrorText.h"
#include "FileName.h"
#include "FileReplacement.h"

namespace kwarcyt {
namespace {

ProgramReadResult ReadFailure(const QString& reason) {
  return {false, {}, reason};
}

QString TooLargeText() {
  return QStringLiteral("plik jest za duży, program może mieć najwyżej %1 MB")
      .arg(kMaxProgramFileBytes / (1024 * 1024));
}

// Nothing but a regular file may be read: a device or a pipe could block or never end.
std::optional<QString> RefusalOf(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) return FileErrorText(EISDIR);
  if (!S_ISREG(status.st_mode)) {
    return QStringLiteral("to nie jest zwykły plik, lecz urządzenie, potok lub gniazdo");
  }
  if (status.st_size > kMaxProgramFileBytes) return TooLargeText();
  return std::nullopt;
}

ProgramReadResult DecodedProgram(const FileBytesResult& read) {
  if (!read.ok) return ReadFailure(read.error);
  return {true, DecodeProgramText(read.bytes), {}};
}

}  // namespace

FileBytesResult ReadAll(QFile& file) {
  constexpr qint64 kChunk = 64 * 1024;
  QByteArray bytes;
  for (;;) {
    const qint64 size = bytes.size();
    bytes.resize(size + kChunk);
    errno = 0;
    const qint64 read = file.read(bytes.data() + size, kChunk);
    if (read < 0) {
      return {false, {}, errno != 0 ? FileErrorText(errno) : QStringLiteral("błąd odczytu")};
    }
    bytes.resize(size + read);
    if (read == 0) break;
    if (bytes.size() > kMaxProgramFileBytes) return {false, {}, TooLargeText()};
  }
  return {true, bytes, {}};
}

FileBytesResult ReadFileBytes(const QString& path) {
  const QByteArray name = FileNameBytes(path);
  struct stat status {};
  if (::stat(name.constData(), &status) != 0) return {false, {}, FileErrorText(errno)};
  if (const std::optional<QString> refusal = RefusalOf(status)) return {false, {}, *refusal};

  // The name may have been replaced since it was looked at: open without waiting and look at
  // what was actually opened.
  const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return {false, {}, FileErrorText(errno)};
  QFile file;
  if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    return {false, {}, QStringLiteral("błąd odczytu")};
  }
  if (::fstat(descriptor, &status) != 0) return {false, {}, FileErrorText(errno)};
  if (const std::optional<QString> refusal = RefusalOf(status)) return {false, {}, *refusal};
  return ReadAll(file);
}

ProgramReadResult ReadProgram(QFile& file) {
  return DecodedProgram(ReadAll(file));
}

ProgramReadResult ReadProgramFile(const QString& path) {
  return DecodedProgram(ReadFileBytes(path));
}

FileStamp StampOf(const QString& path) {
  struct stat status {};
  if (::stat(FileNameBytes(path).constData(), &status) != 0) return {};
  return {true, status.st_size,
          qint64{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec,
          static_cast<quint64>(status.st_ino)};
}

ProgramWriteResult WriteProgramFile(const QString& path, const QStringList& lines,
                                    TextEncoding encoding) {
  const EncodedProgram encoded = EncodeProgramText(lines, encoding);
  if (const std::optional<QString> error = ReplaceFileContents(path, encoded.bytes)) {
    return {false, encoding, *error};
  }
  return {true, encoded.encoding, {}};
}

}  // namespace kwarcyt
