// Giving a file new contents without ever leaving it half-written, and without taking it away
// from its owner.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace kwarcyt {

// Writes the contents into a new file beside the old one and renames it over the old one; the
// new file gets the old one's owner, group and permission bits first. Where the owner or group
// cannot be given away (another user's file in a shared folder), the file is written in place
// instead, its old contents copied beside it until the new ones are on the disk and put back
// when writing fails. A symbolic link stays a link to the file it names. Returns why it failed,
// in Polish; the old contents are then whole.
std::optional<QString> ReplaceFileContents(const QString& path, QByteArrayView contents);

}  // namespace kwarcyt
