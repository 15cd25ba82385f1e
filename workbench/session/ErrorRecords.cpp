#include "workbench/session/ErrorRecords.h"

#include "checker/ErrorList.h"
#include "sourceimport/ProgramImport.h"

namespace kwarcyt {

namespace {

// An import note puts its prefix before the line index that the checker's messages begin with.
int LineNamedBy(QStringView text) {
  return MessageLine(text.toString().toStdString());
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
