#include "RecoveryCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>
#include <optional>

#include "internal/RegularFile.h"

namespace kwarcyt {
namespace {

const QString kCopySuffix = QStringLiteral(".kopia");
const QString kLockSuffix = QStringLiteral(".lock");
// Nothing legitimate comes near this; a larger file in the folder is not a copy of ours.
constexpr qint64 kMaxCopyBytes = 64 * 1024 * 1024;

QString NewSlotPath(const QString& folder) {
  return QDir(folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

// The numbers as text: a JSON number is a double, too short for nanoseconds since 1970.
QJsonObject StampObject(const FileStamp& stamp) {
  return {
      {"exists", stamp.exists},
      {"size", QString::number(stamp.size)},
      {"modified", QString::number(stamp.modifiedNanoseconds)},
      {"inode", QString::number(stamp.inode)},
  };
}

std::optional<FileStamp> StampFrom(const QJsonValue& value) {
  if (!value.isObject()) return std::nullopt;
  const QJsonObject object = value.toObject();
  FileStamp stamp;
  bool sizeOk = false;
  bool modifiedOk = false;
  bool inodeOk = false;
  stamp.exists = object.value("exists").toBool();
  stamp.size = object.value("size").toString().toLongLong(&sizeOk);
  stamp.modifiedNanoseconds = object.value("modified").toString().toLongLong(&modifiedOk);
  stamp.inode = object.value("inode").toString().toULongLong(&inodeOk);
  if (!sizeOk || !modifiedOk || !inodeOk) return std::nullopt;
  return stamp;
}

QByteArray Serialize(const RecoveredProgram& program) {
  QJsonObject object{
      {"text", program.lines.join(QLatin1Char('\n'))},
      {"file", program.fileName},
      {"named", program.hasFileName},
      {"encoding", program.encoding == TextEncoding::Windows1250 ? "windows-1250" : "utf-8"},
      {"changed", program.changed.toString(Qt::ISODateWithMs)},
  };
  if (program.diskStamp) object.insert("disk", StampObject(*program.diskStamp));
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<RecoveredProgram> Deserialize(const QByteArray& bytes) {
  const QJsonDocument document = QJsonDocument::fromJson(bytes);
  const QJsonObject object = document.object();
  if (!object.value("text").isString() || !object.value("file").isString()) return std::nullopt;
  RecoveredProgram program;
  program.lines = object.value("text").toString().split(QLatin1Char('\n'));
  program.fileName = object.value("file").toString();
  program.hasFileName = object.value("named").toBool();
  program.encoding = object.value("encoding").toString() == "windows-1250"
                         ? TextEncoding::Windows1250
                         : TextEncoding::Utf8;
  program.changed = QDateTime::fromString(object.value("changed").toString(), Qt::ISODateWithMs);
  program.diskStamp = StampFrom(object.value("disk"));
  return program;
}

std::optional<RecoveredProgram> ReadCopy(const QString& path) {
  QFile file;
  if (OpenRegularFile(path, file) || file.size() > kMaxCopyBytes) return std::nullopt;
  // Copies are replaced whole, never written in place: one that grows while read is not ours.
  const qint64 size = file.size();
  const QByteArray bytes = file.read(size + 1);
  if (bytes.size() != size) return std::nullopt;
  return Deserialize(bytes);
}

// QLockFile reads a lock it finds, and would wait on a pipe there.
bool MayHoldLock(const QString& path) {
  const QFileInfo lock(path);
  return !lock.exists() || lock.isFile();
}

}  // namespace

FileSinceCopy FileSince(const RecoveredProgram& program) {
  if (!program.hasFileName || !program.diskStamp) return FileSinceCopy::Unchanged;
  const FileStamp now = StampOf(program.fileName);
  if (!now.exists) {
    return program.diskStamp->exists ? FileSinceCopy::Vanished : FileSinceCopy::Unchanged;
  }
  return now == *program.diskStamp ? FileSinceCopy::Unchanged : FileSinceCopy::Changed;
}

RecoveryCopy::RecoveryCopy(QString folder)
    : folder_(std::move(folder)),
      slotPath_(NewSlotPath(folder_)),
      slotLock_(slotPath_ + kLockSuffix) {
  QDir().mkpath(folder_);
  slotLock_.tryLock(0);
}

RecoveryCopy::~RecoveryCopy() = default;

bool RecoveryCopy::Write(const RecoveredProgram& program) {
  QSaveFile file(slotPath_ + kCopySuffix);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  const QByteArray bytes = Serialize(program);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void RecoveryCopy::Remove() {
  QFile::remove(slotPath_ + kCopySuffix);
}

std::vector<LeftCopy> RecoveryCopy::LeftBehind() const {
  std::vector<LeftCopy> copies;
  const QDir folder(folder_);
  for (const QString& name : folder.entryList({"*" + kCopySuffix}, QDir::Files)) {
    const QString path = folder.filePath(name);
    const QString slot = path.chopped(kCopySuffix.size());
    if (slot == slotPath_) continue;
    // A lock whose process is gone is stale and taken over; a live window keeps its own.
    if (!MayHoldLock(slot + kLockSuffix)) continue;
    auto claim = std::make_shared<QLockFile>(slot + kLockSuffix);
    claim->setStaleLockTime(0);  // however old, the lock of a running window stays its own
    if (!claim->tryLock(0)) continue;
    if (std::optional<RecoveredProgram> program = ReadCopy(path)) {
      copies.push_back({path, std::move(*program), std::move(claim)});
    }
  }
  std::sort(copies.begin(), copies.end(), [](const LeftCopy& a, const LeftCopy& b) {
    return a.program.changed > b.program.changed;
  });
  return copies;
}

void RecoveryCopy::Discard(LeftCopy& copy) {
  QFile::remove(copy.path);
  copy.claim.reset();  // unlocking removes the lock file
}

QString RecoveryCopy::DefaultFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath(QStringLiteral("odzysk"));
}

}  // namespace kwarcyt
