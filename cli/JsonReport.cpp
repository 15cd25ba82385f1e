#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <span>

#include "core/MachineFields.h"
#include "internal/RunReport.h"

namespace kwarcyt {
namespace {

QJsonArray ArrayOf(std::span<const std::uint8_t> cells) {
  QJsonArray array;
  for (const std::uint8_t cell : cells) array.append(cell);
  return array;
}

template <typename Fields>
QJsonObject ObjectOf(Fields&& fields, const MachineState& m) {
  QJsonObject object;
  for (const MachineField& field : fields) object.insert(QLatin1String(field.name), field.read(m));
  return object;
}

}  // namespace

QJsonObject JsonReportObject(const RunReport& report) {
  const MachineState& m = report.machine;

  QJsonArray errors;
  for (const std::string& line : report.errors) errors.append(QString::fromStdString(line));

  QJsonArray memory;
  for (const MemoryDump& dump : report.dumps) {
    const auto cells = std::span(m.Memory).subspan(static_cast<std::size_t>(dump.address),
                                                   static_cast<std::size_t>(dump.count));
    memory.append(QJsonObject{{"address", dump.address}, {"values", ArrayOf(cells)}});
  }

  return QJsonObject{
      {"checked", report.result.checked},
      {"end", QString::fromLatin1(EndName(report.result.end))},
      {"steps", report.result.steps},
      {"tstates", static_cast<qint64>(m.TStates)},
      {"errors", errors},
      {"status", QString::fromStdString(report.result.status)},
      {"registers", ObjectOf(JsonRegisterFields(), m)},
      {"flags", ObjectOf(FlagFields(), m)},
      {"out", ArrayOf(m.OutputPorts)},
      {"memory", memory},
  };
}

QByteArray JsonReport(const RunReport& report) {
  return QJsonDocument(JsonReportObject(report)).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace kwarcyt
