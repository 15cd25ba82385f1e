#include "internal/FileErrorText.h"

#include <cerrno>

namespace kwarcyt {

QString FileErrorText(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
      return QStringLiteral("plik lub folder nie istnieje");
    case EACCES:
    case EPERM:
      return QStringLiteral("brak uprawnień dostępu");
    case EISDIR:
      return QStringLiteral("to jest folder, a nie plik");
    case ENOTDIR:
      return QStringLiteral("część ścieżki nie jest folderem");
    case ENOSPC:
      return QStringLiteral("brak miejsca na dysku");
    case EDQUOT:
      return QStringLiteral("przekroczony przydział miejsca na dysku");
    case EFBIG:
      return QStringLiteral("plik przekroczyłby dozwolony rozmiar");
    case EROFS:
      return QStringLiteral("system plików jest tylko do odczytu");
    case ENAMETOOLONG:
      return QStringLiteral("nazwa pliku jest za długa");
    case ELOOP:
      return QStringLiteral("za dużo dowiązań symbolicznych w ścieżce");
    case EIO:
      return QStringLiteral("błąd wejścia-wyjścia urządzenia");
    case EMFILE:
    case ENFILE:
      return QStringLiteral("za dużo otwartych plików");
    case ENOMEM:
      return QStringLiteral("za mało pamięci");
    case EBUSY:
    case ETXTBSY:
      return QStringLiteral("plik jest zajęty");
    case ENXIO:
    case ENODEV:
      return QStringLiteral("urządzenie nie jest dostępne");
    default:
      return QStringLiteral("błąd systemu nr %1").arg(errorNumber);
  }
}

}  // namespace kwarcyt
