#include "internal/GradeReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

#include "sourcefile/FileName.h"

namespace kwarcyt {
namespace {

QString Quoted(const QString& text) {
  return QStringLiteral("„%1”").arg(text);
}

QString Points(const ProgramGrade& grade) {
  return QStringLiteral("%1/%2").arg(grade.Points()).arg(grade.cases.size());
}

// A spreadsheet would take a cell starting with = + - @ for a formula, and a file name is the
// student's to choose.
QString CsvText(const QString& text) {
  QString cell = text;
  if (!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front())) cell.prepend('\'');
  cell.replace('"', QStringLiteral("\"\""));
  return '"' + cell + '"';
}

}  // namespace

QString GradeTable(const Assignment& assignment, const std::vector<ProgramGrade>& grades) {
  const qsizetype caseCount = static_cast<qsizetype>(assignment.cases.size());
  QStringList names;
  for (qsizetype i = 0; i < caseCount; ++i) {
    names << QStringLiteral("%1 %2").arg(i + 1).arg(
        Quoted(ShownText(assignment.cases[static_cast<std::size_t>(i)].name)));
  }
  QStringList out{QStringLiteral("Zadanie: %1").arg(ShownText(assignment.name)),
                  QStringLiteral("Przypadki: %1").arg(names.join(QStringLiteral(", "))),
                  {}};

  QStringList files;
  qsizetype fileWidth = QStringLiteral("plik").size();
  for (const ProgramGrade& grade : grades) {
    files << ShownText(grade.file);
    fileWidth = std::max(fileWidth, files.last().size());
  }
  const auto row = [&](const QString& file, const auto& markOf, const QString& end) {
    QString text = file.leftJustified(fileWidth);
    for (qsizetype i = 0; i < caseCount; ++i) {
      text += ' ' + markOf(i).rightJustified(QString::number(i + 1).size());
    }
    return text + QStringLiteral("  ") + end;
  };
  out << row(
      QStringLiteral("plik"), [](qsizetype i) { return QString::number(i + 1); },
      QStringLiteral("punkty"));

  int passedWhole = 0;
  QStringList differences;
  for (std::size_t p = 0; p < grades.size(); ++p) {
    const ProgramGrade& grade = grades[p];
    const QString& file = files[static_cast<qsizetype>(p)];
    QString end = Points(grade);
    if (!grade.refusal.isEmpty()) end += QStringLiteral("  ") + ShownText(grade.refusal);
    out << row(
        file,
        [&](qsizetype i) {
          return QString(grade.cases[static_cast<std::size_t>(i)].passed ? '+' : '-');
        },
        end);
    if (grade.Points() == static_cast<int>(grade.cases.size())) ++passedWhole;
    if (!grade.refusal.isEmpty()) continue;
    for (std::size_t i = 0; i < grade.cases.size(); ++i) {
      if (grade.cases[i].passed) continue;
      differences << QStringLiteral("%1, przypadek %2: %3")
                         .arg(file, Quoted(ShownText(assignment.cases[i].name)),
                              ShownText(grade.cases[i].differences.value(0)));
    }
  }
  out << QString()
      << QStringLiteral("Programy zaliczone w całości: %1 z %2.")
             .arg(passedWhole)
             .arg(grades.size());
  if (!differences.isEmpty()) out << QString() << QStringLiteral("Różnice:") << differences;
  return out.join('\n') + '\n';
}

QByteArray GradeJson(const Assignment& assignment, const std::vector<ProgramGrade>& grades) {
  QJsonArray caseNames;
  for (const AssignmentCase& assignmentCase : assignment.cases)
    caseNames.append(assignmentCase.name);
  QJsonArray programs;
  for (const ProgramGrade& grade : grades) {
    QJsonArray cases;
    for (std::size_t i = 0; i < grade.cases.size(); ++i) {
      const CaseGrade& one = grade.cases[i];
      cases.append(QJsonObject{
          {"name", assignment.cases[i].name},
          {"passed", one.passed},
          {"differences", QJsonArray::fromStringList(one.differences)},
          {"run", one.run.isEmpty() ? QJsonValue() : QJsonValue(one.run)},
      });
    }
    QJsonObject program{
        {"file", ShownText(grade.file)}, {"points", grade.Points()}, {"cases", cases}};
    if (!grade.refusal.isEmpty()) program.insert("error", grade.refusal);
    programs.append(program);
  }
  const QJsonObject root{{"name", assignment.name}, {"cases", caseNames}, {"programs", programs}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

QString GradeCsv(const Assignment& assignment, const std::vector<ProgramGrade>& grades) {
  QStringList out{QStringLiteral("plik,przypadek,zaliczony,kroki,różnica")};
  for (const ProgramGrade& grade : grades) {
    for (std::size_t i = 0; i < grade.cases.size(); ++i) {
      const CaseGrade& one = grade.cases[i];
      out << QStringList{CsvText(ShownText(grade.file)), CsvText(assignment.cases[i].name),
                         one.passed ? QStringLiteral("1") : QStringLiteral("0"),
                         one.ran ? QString::number(one.steps) : QString(),
                         CsvText(one.differences.value(0))}
                 .join(',');
    }
  }
  return out.join('\n') + '\n';
}

}  // namespace kwarcyt
