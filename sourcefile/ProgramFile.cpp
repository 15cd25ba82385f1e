#include "ProgramFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "FileName.h"
#include "internal/FileErrorText.h"
#include "internal/FileReplacement.h"
#include "internal/RegularFile.h"

namespace kwarcyt {
namespace {

ProgramReadResult ReadFailure(const QString& reason) {
  return {false, {}, reason};
}

QString TooLargeText() {
  return QStringLiteral("plik jest za duży, program może mieć najwyżej %1 MB")
      .arg(kMaxProgramFileMegabytes);
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
  QFile file;
  if (const std::optional<QString> refusal = OpenRegularFile(path, file)) {
    return {false, {}, *refusal};
  }
  if (file.size() > kMaxProgramFileBytes) return {false, {}, TooLargeText()};
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
