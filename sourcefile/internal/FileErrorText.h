// Why a file could not be read or written, in words a student understands.
#pragma once

#include <QString>

namespace kwarcyt {

// The reason behind a failed system call, from its errno value; never empty.
QString FileErrorText(int errorNumber);

}  // namespace kwarcyt
