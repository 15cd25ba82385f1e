#include "RunnerProcess.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryFile>

namespace kwarcyt::testing {

std::vector<std::string> RunnerOutcome::Errors() const {
  std::vector<std::string> lines;
  for (const QJsonValue& line : json["errors"].toArray()) {
    lines.push_back(line.toString().toStdString());
  }
  return lines;
}

std::vector<int> RunnerOutcome::Dump(int n) const {
  std::vector<int> values;
  for (const QJsonValue& value : json["memory"][n]["values"].toArray()) {
    values.push_back(value.toInt());
  }
  return values;
}

std::vector<std::string> RunnerOutcome::ErrLines() const {
  std::vector<std::string> lines;
  for (const QByteArray& line : err.split('\n')) lines.push_back(line.toStdString());
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

RunnerOutcome RunWithArguments(const QStringList& arguments, const QByteArray& input) {
  QProcess runner;
  runner.start(QStringLiteral(KWARCYT_RUN), arguments);
  RunnerOutcome outcome;
  if (!runner.waitForStarted()) {
    ADD_FAILURE() << "kwarcyt-run did not start";
    return outcome;
  }
  runner.write(input);
  runner.closeWriteChannel();
  if (!runner.waitForFinished(60'000) || runner.exitStatus() != QProcess::NormalExit) {
    ADD_FAILURE() << "kwarcyt-run did not finish normally";
    return outcome;
  }
  outcome.exitCode = runner.exitCode();
  outcome.out = runner.readAllStandardOutput();
  outcome.err = runner.readAllStandardError();
  const QJsonDocument document = QJsonDocument::fromJson(outcome.out);
  if (document.isObject()) outcome.json = document.object();
  return outcome;
}

RunnerOutcome RunOnFile(const QStringList& arguments, const QByteArray& program) {
  QTemporaryFile file;
  if (!file.open() || file.write(program) != program.size() || !file.flush()) {
    ADD_FAILURE() << "cannot write the program file";
    return {};
  }
  return RunWithArguments(QStringList(arguments) << file.fileName());
}

}  // namespace kwarcyt::testing
