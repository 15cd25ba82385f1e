#include "workbench/window/WindowSettings.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include "core/RunControl.h"
#include "sourcefile/FileName.h"
#include "workbench/window/WindowGeometry.h"
#include "workbench/window/ZoomSteps.h"

namespace kwarcyt {

namespace {

const QString kSpeed = QStringLiteral("speed");
const QString kPosition = QStringLiteral("window/position");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kRecentFiles = QStringLiteral("files/recent");
const QString kZoom = QStringLiteral("view/zoom");
const QString kMachineCodeOrigin = QStringLiteral("machineCode/origin");
const QString kToolWindows = QStringLiteral("toolWindows/");
const QString kProcessorFlagRules = QStringLiteral("simulation/processorFlagRules");
const QString kToolWindowSizes = QStringLiteral("toolWindowSizes/");
// Many times what the program ever writes there; a larger file is not its settings.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// QSettings reads the file, and its lock when it writes, without a thought for what they are: a
// pipe would stop the program there and a device would feed it without end. Anything but a
// regular file of sensible size is left alone, neither read nor written.
bool MayUse(const QString& path) {
  const QFileInfo file(path);
  return !file.exists() || (file.isFile() && file.size() <= kMaxSettingsBytes);
}

// Each display setting with its key and the values the settings dialog could have chosen.
struct DisplayField {
  const char* key;
  int DisplaySettings::*member;
  bool (*possible)(int value);
};

bool PossibleBase(int base) {
  return base >= 0 && BaseFromChoice(ChoiceFromBase(base)) == base;
}
bool PossibleRate(int rate) {
  return RateFromChoice(ChoiceFromRate(rate)) == rate;
}

constexpr DisplayField kDisplayNumbers[] = {
    {"displays/alphanumericBase", &DisplaySettings::alphanumericBase, PossibleBase},
    {"displays/monochromeBase", &DisplaySettings::monochromeBase, PossibleBase},
    {"displays/grayscaleBase", &DisplaySettings::grayscaleBase, PossibleBase},
    {"displays/alphanumericRate", &DisplaySettings::alphanumericRate, PossibleRate},
    {"displays/monochromeRate", &DisplaySettings::monochromeRate, PossibleRate},
    {"displays/grayscaleRate", &DisplaySettings::grayscaleRate, PossibleRate},
};
constexpr std::pair<const char*, bool DisplaySettings::*> kDisplayFlags[] = {
    {"displays/monochromeBorder", &DisplaySettings::monochromeBorder},
    {"displays/grayscaleBorder", &DisplaySettings::grayscaleBorder},
};

std::optional<int> ReadInt(const QSettings& settings, const QString& key) {
  bool ok = false;
  const int value = settings.value(key).toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// A place kept from another screen arrangement may lie where no screen is now. Places are the
// top-left corners of the windows' frames.
std::optional<QPoint> ReadPosition(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (value.typeId() != QMetaType::QPoint) return std::nullopt;
  const QPoint position = value.toPoint();
  if (QGuiApplication::screenAt(position) == nullptr) return std::nullopt;
  return position;
}

// A file name that is not UTF-8 is stored as its bytes: as text, the settings file would lose
// them.
QVariantList StoredPaths(const QStringList& paths) {
  QVariantList stored;
  for (const QString& path : paths) {
    const QByteArray bytes = FileNameBytes(path);
    stored << (QString::fromUtf8(bytes) == path ? QVariant(path) : QVariant(bytes));
  }
  return stored;
}

QStringList PathsFrom(const QVariant& stored) {
  // A list of one is read back as its only item.
  const QVariantList items =
      stored.typeId() == QMetaType::QStringList || stored.typeId() == QMetaType::QVariantList
          ? stored.toList()
          : QVariantList{stored};
  QStringList paths;
  for (const QVariant& item : items) {
    paths << (item.typeId() == QMetaType::QByteArray ? FileNameFromBytes(item.toByteArray())
                                                     : item.toString());
  }
  return paths;
}

RememberedState Read(const QSettings& settings) {
  RememberedState state;
  if (const std::optional<int> speed = ReadInt(settings, kSpeed);
      speed && *speed >= RunControl::kSlowestPosition && *speed <= RunControl::kFastestPosition) {
    state.speed = speed;
  }
  for (const DisplayField& field : kDisplayNumbers) {
    const std::optional<int> value = ReadInt(settings, QLatin1String(field.key));
    if (value && field.possible(*value)) state.displays.*field.member = *value;
  }
  for (const auto& [key, member] : kDisplayFlags) {
    const QVariant value = settings.value(QLatin1String(key));
    if (value.canConvert<bool>()) state.displays.*member = value.toBool();
  }
  state.position = ReadPosition(settings, kPosition);
  if (const QString folder = settings.value(kLastFolder).toString(); QFileInfo(folder).isDir()) {
    state.lastFolder = folder;
  }
  state.recentFiles = PathsFrom(settings.value(kRecentFiles));
  if (const std::optional<int> zoom = ReadInt(settings, kZoom); zoom && IsZoomStep(*zoom)) {
    state.zoom = *zoom;
  }
  state.processorFlagRules = settings.value(kProcessorFlagRules).toBool();
  if (const std::optional<int> origin = ReadInt(settings, kMachineCodeOrigin);
      origin && *origin >= 0 && *origin <= 0xFFFF) {
    state.machineCodeOrigin = origin;
  }
  return state;
}

}  // namespace

WindowSettings::WindowSettings(const QString& path, QObject* parent)
    : QObject(parent), path_(path) {
  const QFileInfo file(path_);
  if (!file.exists() || !file.isReadable() || !MayUse(path_)) return;
  const QSettings settings(path_, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return;
  remembered_ = Read(settings);
  for (const QString& key : settings.allKeys()) {
    if (const QVariant size = settings.value(key);
        key.startsWith(kToolWindowSizes) && size.typeId() == QMetaType::QSize) {
      toolSizes_.insert(key.mid(kToolWindowSizes.size()), size.toSize());
    }
    if (!key.startsWith(kToolWindows)) continue;
    if (const std::optional<QPoint> position = ReadPosition(settings, key)) {
      toolPositions_.insert(key.mid(kToolWindows.size()), *position);
    }
  }
}

QString WindowSettings::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/kwarcyt/kwarcyt.conf");
}

void WindowSettings::AddToolWindow(const QString& key, QWidget* window, bool keepSize) {
  toolWindows_.insert(key, window);
  window->installEventFilter(this);
  if (keepSize) {
    sizedToolWindows_.insert(key);
    // A size kept from a larger screen is cut down to the screen the window will stand on.
    if (const auto kept = toolSizes_.constFind(key); kept != toolSizes_.cend()) {
      window->resize(kept->boundedTo(window->screen()->availableGeometry().size())
                         .expandedTo(window->minimumSizeHint()));
    }
  }
  if (const auto kept = toolPositions_.constFind(key); kept != toolPositions_.cend()) {
    MoveInsideScreen(*window, *kept);
  }
}

bool WindowSettings::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show) return QObject::eventFilter(watched, event);
  for (auto it = toolWindows_.cbegin(); it != toolWindows_.cend(); ++it) {
    if (it.value().data() != watched) continue;
    // A window going back to a kept place is checked once more with its frame on.
    if (!shownToolWindows_.contains(it.key()) && toolPositions_.contains(it.key())) {
      KeepInsideScreenOnceFramed(*it.value());
    }
    shownToolWindows_.insert(it.key());
  }
  return QObject::eventFilter(watched, event);
}

bool WindowSettings::Store(const RememberedState& state) {
  if (!MayUse(path_) || !MayUse(path_ + QStringLiteral(".lock"))) return false;
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSettings settings(path_, QSettings::IniFormat);
  // Whatever could not be read is replaced as a whole.
  if (settings.status() != QSettings::NoError) settings.clear();
  if (state.speed) settings.setValue(kSpeed, *state.speed);
  for (const DisplayField& field : kDisplayNumbers) {
    settings.setValue(QLatin1String(field.key), state.displays.*field.member);
  }
  for (const auto& [key, member] : kDisplayFlags) {
    settings.setValue(QLatin1String(key), state.displays.*member);
  }
  if (state.position) settings.setValue(kPosition, *state.position);
  settings.setValue(kLastFolder, state.lastFolder);
  settings.setValue(kRecentFiles, StoredPaths(state.recentFiles));
  settings.setValue(kZoom, state.zoom);
  settings.setValue(kProcessorFlagRules, state.processorFlagRules);
  if (state.machineCodeOrigin) settings.setValue(kMachineCodeOrigin, *state.machineCodeOrigin);
  for (auto it = toolWindows_.cbegin(); it != toolWindows_.cend(); ++it) {
    if (it.value() && shownToolWindows_.contains(it.key())) {
      settings.setValue(kToolWindows + it.key(), it.value()->frameGeometry().topLeft());
      if (sizedToolWindows_.contains(it.key())) {
        settings.setValue(kToolWindowSizes + it.key(), it.value()->size());
      }
    }
  }
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace kwarcyt
