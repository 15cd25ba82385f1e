// kwarcyt-run --zadanie: load the assignment, find the programs, grade each, print the results.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "Assignment.h"
#include "Grading.h"
#include "Runner.h"
#include "internal/GradeReport.h"
#include "sourcefile/FileName.h"

namespace kwarcyt {
namespace {

struct ProgramFile {
  QString path;
  QString refusal;  // why a folder could not be listed
};

bool IsProgramName(const QString& name) {
  return name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
}

// The *.txt entries of the folder that are not hidden, sorted by name; nothing when it cannot be
// listed. The system's
// own listing, not QDir's: QDir leaves out every name that is not valid UTF-8.
std::optional<QStringList> ProgramNamesIn(const QByteArray& folder) {
  if (::access(folder.constData(), R_OK | X_OK) != 0) return std::nullopt;
  const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.constData()), ::closedir);
  if (!listing) return std::nullopt;
  QStringList names;
  while (const dirent* entry = ::readdir(listing.get())) {
    const QString name = FileNameFromBytes(QByteArrayView(entry->d_name));
    if (!name.startsWith('.') && IsProgramName(name)) names << name;
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Each argument that is a folder stands for its *.txt entries. Folders, pipes and broken links
// among them are listed too: their rows tell the teacher why they were not read.
std::vector<ProgramFile> ProgramFiles(const QStringList& arguments) {
  std::vector<ProgramFile> files;
  for (const QString& argument : arguments) {
    const QByteArray path = FileNameBytes(argument);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
      files.push_back({argument, {}});
      continue;
    }
    const std::optional<QStringList> names = ProgramNamesIn(path);
    if (!names) {
      files.push_back({argument, QStringLiteral("nie można odczytać zawartości folderu")});
      continue;
    }
    if (names->isEmpty()) {
      Complain(QStringLiteral("w folderze „%1” nie ma plików *.txt").arg(argument));
    }
    const QDir folder(argument);
    for (const QString& name : *names) files.push_back({folder.filePath(name), {}});
  }
  return files;
}

void Write(const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

}  // namespace

int GradeKwarcyt(const RunnerOptions& options) {
  const AssignmentLoad load = LoadAssignment(options.assignment);
  if (!load.assignment) return Refuse(load.error);
  Assignment assignment = *load.assignment;
  if (options.flagRules) {
    for (AssignmentCase& assignmentCase : assignment.cases) {
      assignmentCase.flagRules = *options.flagRules;
    }
  }

  const std::vector<ProgramFile> files = ProgramFiles(options.programs);
  if (files.empty()) return Refuse(QStringLiteral("nie znaleziono żadnego programu do oceny"));
  std::vector<ProgramGrade> grades;
  grades.reserve(files.size());
  bool allPassed = true;
  for (const ProgramFile& file : files) {
    grades.push_back(file.refusal.isEmpty() ? GradeProgram(assignment, file.path, options.json)
                                            : RefusedProgram(assignment, file.path, file.refusal));
    allPassed = allPassed && grades.back().Points() == static_cast<int>(assignment.cases.size());
  }

  if (options.json) {
    Write(GradeJson(assignment, grades));
  } else {
    Write((options.csv ? GradeCsv(assignment, grades) : GradeTable(assignment, grades)).toUtf8());
  }
  return allPassed ? 0 : kSomeCaseFailedExitStatus;
}

}  // namespace kwarcyt
