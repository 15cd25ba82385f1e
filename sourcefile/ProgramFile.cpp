#include "ProgramFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QSaveFile>
#include <cerrno>
#include <optional>

#include "FileErrorText.h"
#include "RegularFile.h"

namespace kwarcyt {
namespace {

ProgramReadResult ReadFailure(const QString& reason) {
  return {false, {}, reason};
}

QString TooLargeText() {
  return QStringLiteral("plik jest za duży, program może mieć najwyżej %1 MB")
      .arg(kMaxProgramFileBytes / (1024 * 1024));
}

// The reason for a failed call on the file: the system's own when it set one.
QString WriteFailureText(int errorNumber, const QFileDevice& file) {
  if (errorNumber != 0) return FileErrorText(errorNumber);
  if (file.error() == QFileDevice::ResourceError) return FileErrorText(ENOSPC);
  return QStringLiteral("nieznany błąd zapisu");
}

ProgramWriteResult WriteFailure(int errorNumber, const QFileDevice& file, TextEncoding encoding) {
  return {false, encoding, WriteFailureText(errorNumber, file)};
}

}  // namespace

ProgramReadResult ReadProgram(QFile& file) {
  constexpr qint64 kChunk = 64 * 1024;
  QByteArray bytes;
  for (;;) {
    const qint64 size = bytes.size();
    bytes.resize(size + kChunk);
    errno = 0;
    const qint64 read = file.read(bytes.data() + size, kChunk);
    if (read < 0) {
      return ReadFailure(errno != 0 ? FileErrorText(errno) : QStringLiteral("błąd odczytu"));
    }
    bytes.resize(size + read);
    if (read == 0) break;
    if (bytes.size() > kMaxProgramFileBytes) return ReadFailure(TooLargeText());
  }
  return {true, DecodeProgramText(bytes), {}};
}

ProgramReadResult ReadProgramFile(const QString& path) {
  QFile file;
  if (const std::optional<QString> refusal = OpenRegularFile(path, file)) {
    return ReadFailure(*refusal);
  }
  if (file.size() > kMaxProgramFileBytes) return ReadFailure(TooLargeText());
  return ReadProgram(file);
}

FileStamp StampOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {};
  return {true, status.st_size,
          qint64{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec,
          static_cast<quint64>(status.st_ino)};
}

ProgramWriteResult WriteProgramFile(const QString& path, const QStringList& lines,
                                    TextEncoding encoding) {
  const EncodedProgram encoded = EncodeProgramText(lines, encoding);
  QSaveFile file(path);
  // Unbuffered, so that a full disk fails write() itself: an error that appears only when
  // commit() flushes a buffer goes unreported, and the file would be replaced by a cut copy.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return WriteFailure(errno, file, encoding);
  }
  errno = 0;
  const bool written = file.write(encoded.bytes) == encoded.bytes.size();
  // Some file systems report a lack of space only when the data reaches the disk.
  if (!written || ::fsync(file.handle()) != 0) {
    const int errorNumber = errno;
    file.cancelWriting();
    return WriteFailure(errorNumber, file, encoding);
  }
  errno = 0;
  if (!file.commit()) return WriteFailure(errno, file, encoding);
  return {true, encoded.encoding, {}};
}

}  // namespace kwarcyt
