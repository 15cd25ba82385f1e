// Opening a file for reading only when it is a regular file, so that a device, a pipe or a socket
// standing under its name never blocks the program or feeds it without end.
#pragma once

#include <QFile>
#include <QString>
#include <optional>

namespace kwarcyt {

// Opens the file at path (links followed) into file, read-only. A folder, device, pipe or socket
// is refused, and opening never waits: the name is opened without blocking and what was actually
// opened is looked at again. Returns why the file was not opened, in Polish; nothing when it is
// open. The size is the caller's to bound.
std::optional<QString> OpenRegularFile(const QString& path, QFile& file);

}  // namespace kwarcyt
