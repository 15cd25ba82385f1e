#include "workbench/session/ErrorRecords.h"

#include "sourceimport/ProgramImport.h"

namespace kwarcyt {

namespace {

// Messages about a line begin with its index and a colon ("3: Nieprawidłowy rejestr [X]"), as
// the checker and the interpreter write them; an import note puts its prefix before that.
int LineNamedBy(QStringView text) {
  const qsizetype colon = text.indexOf(QLatin1Char(':'));
  if (colon <= 0) return -1;
  bool isNumber = false;
  const int line = text.left(colon).toInt(&isNumber);
  return isNumber ? line : -1;
}

}  // namespace

std::vector<ErrorRecord> FaultRecords(const ErrorList& messages, std::size_t from) {
  std::vector<ErrorRecord> records;
  for (std::size_t i = from; i < messages.size(); ++i) {
    QString text = QString::fromStdString(messages[i]);
    const int line = LineNamedBy(text);
    records.push_back({line, std::move(text), ErrorKind::Fault});
  }
  return records;
}

std::vector<ErrorRecord> ImportNoteRecords(const QStringList& notes) {
  const QString prefix = QString::fromUtf8(kImportNotePrefix);
  std::vector<ErrorRecord> records;
  for (const QString& note : notes) {
    const QStringView afterPrefix =
        note.startsWith(prefix) ? QStringView(note).mid(prefix.size()) : QStringView(note);
    records.push_back({LineNamedBy(afterPrefix), note, ErrorKind::ImportNote});
  }
  return records;
}

}  // namespace kwarcyt
