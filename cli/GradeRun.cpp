// kwarcyt-run --zadanie: load the assignment, find the programs, grade each, print the results.
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "Assignment.h"
#include "GradeReport.h"
#include "Grading.h"
#include "Runner.h"

namespace kwarcyt {
namespace {

struct ProgramFile {
  QString path;
  QString refusal;  // why a folder could not be listed
};

// Each argument that is a folder stands for its *.txt entries, sorted by name. Folders, pipes
// and broken links among them are listed too: their rows tell the teacher why they were not read.
std::vector<ProgramFile> ProgramFiles(const QStringList& arguments) {
  std::vector<ProgramFile> files;
  for (const QString& argument : arguments) {
    const QFileInfo info(argument);
    if (!info.isDir()) {
      files.push_back({argument, {}});
      continue;
    }
    const QDir folder(argument);
    if (!info.isReadable() || !info.isExecutable()) {
      files.push_back({argument, QStringLiteral("nie można odczytać zawartości folderu")});
      continue;
    }
    const QStringList names = folder.entryList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name);
    if (names.isEmpty()) {
      Complain(QStringLiteral("w folderze „%1” nie ma plików *.txt").arg(argument));
    }
    for (const QString& name : names) files.push_back({folder.filePath(name), {}});
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
  const Assignment& assignment = *load.assignment;

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
