// How the runner lists rows of the machine's register and flag table in its texts.
#pragma once

#include <QString>
#include <QStringList>

#include "core/MachineFields.h"

namespace kwarcyt {

// "A B C D E": the names, separated by spaces.
template <typename Fields>
QString NamesOf(Fields&& fields) {
  QStringList names;
  for (const MachineField& field : fields) names << QString::fromLatin1(field.name);
  return names.join(' ');
}

}  // namespace kwarcyt
