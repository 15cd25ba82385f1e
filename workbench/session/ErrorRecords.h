// The error list as records: what the list shows on each row and the program line it leads to,
// so that the list widget formats them and a double-click goes to the record's line without
// reading it back from the shown text.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "checker/ErrorList.h"

namespace kwarcyt {

enum class ErrorKind {
  Fault,       // a message of the check or of a run
  ImportNote,  // what the conversion of an imported program said
};

struct ErrorRecord {
  int line;  // the program line the record concerns; -1 for a help line that names none
  QString text;
  ErrorKind kind;
};

// The records of messages [from, end) of the check or the run.
std::vector<ErrorRecord> FaultRecords(const ErrorList& messages, std::size_t from);
// The records of an import's notes.
std::vector<ErrorRecord> ImportNoteRecords(const QStringList& notes);

}  // namespace kwarcyt
