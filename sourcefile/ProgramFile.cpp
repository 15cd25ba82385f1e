#include "ProgramFile.h"

#include <QSaveFile>

namespace kwarcyt {

ProgramReadResult ReadProgram(QFile& file) {
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {false, {}, file.errorString()};
  return {true, DecodeProgramText(bytes), {}};
}

ProgramReadResult ReadProgramFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {false, {}, file.errorString()};
  return ReadProgram(file);
}

ProgramWriteResult WriteProgramFile(const QString& path, const QStringList& lines,
                                    TextEncoding encoding) {
  const EncodedProgram encoded = EncodeProgramText(lines, encoding);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {false, encoding, file.errorString()};
  if (file.write(encoded.bytes) != encoded.bytes.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    return {false, encoding, error};
  }
  if (!file.commit()) return {false, encoding, file.errorString()};
  return {true, encoded.encoding, {}};
}

}  // namespace kwarcyt
