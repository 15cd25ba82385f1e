// Runs the built kwarcyt-run on a program text and collects what it printed.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <string>
#include <vector>

namespace kwarcyt::testing {

struct RunnerOutcome {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
  QJsonObject json;  // the parsed standard output when it was one JSON object

  std::string End() const { return json["end"].toString().toStdString(); }
  int Steps() const { return json["steps"].toInt(-1); }
  int Register(const char* name) const {
    return json["registers"][QLatin1StringView(name)].toInt(-1);
  }
  int Flag(const char* name) const { return json["flags"][QLatin1StringView(name)].toInt(-1); }
  std::vector<std::string> Errors() const;
  // The values of the n-th --dump.
  std::vector<int> Dump(int n) const;
  std::vector<std::string> ErrLines() const;
};

// Writes the program to a temporary file and runs kwarcyt-run with the arguments followed by that
// file's path.
RunnerOutcome RunOnFile(const QStringList& arguments, const QByteArray& program);
// Runs kwarcyt-run with exactly these arguments, feeding input to its standard input.
RunnerOutcome RunWithArguments(const QStringList& arguments, const QByteArray& input = {});

}  // namespace kwarcyt::testing
