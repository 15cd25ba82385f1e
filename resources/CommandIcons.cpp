#include "CommandIcons.h"

namespace kwarcyt {

QString CommandIconPath(CommandIcon icon) {
  const std::string_view name = kCommandIconNames[static_cast<std::size_t>(icon)];
  return QStringLiteral(":/icons/") + QString::fromLatin1(name.data(), qsizetype(name.size())) +
         QStringLiteral(".svg");
}

QIcon CommandIconImage(CommandIcon icon) {
  return QIcon(CommandIconPath(icon));
}

}  // namespace kwarcyt
