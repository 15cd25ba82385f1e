#include "workbench/session/ProgramDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

#include "checker/ProgramCheck.h"
#include "sourcefile/FileName.h"
#include "sourceimport/ProgramImport.h"
#include "workbench/editor/EditorLines.h"
#include "workbench/session/RecoveryKeeper.h"

namespace kwarcyt {

namespace {
const QString kNewFileName = QStringLiteral("Nowy.txt");
}  // namespace

ProgramDocument::ProgramDocument(QTextDocument& text,
                                 std::function<void(const QString&)> replaceText,
                                 const QString& recoveryFolder)
    : text_(text), replaceText_(std::move(replaceText)), fileName_(kNewFileName) {
  // Owned here, not by the text: it reads this document's name and encoding, and the session
  // destroys this document before the editor that holds the text.
  recovery_ = std::make_unique<RecoveryKeeper>(
      text_,
      [this] {
        return RecoveredProgram{
            EditorTextLines(text_), fileName_, hasFileName_, encoding_, {}, diskStamp_};
      },
      recoveryFolder, nullptr);
}

ProgramDocument::~ProgramDocument() = default;

QString ProgramDocument::Title() const {
  return QStringLiteral("Kwarcyt - ") + ShownText(QFileInfo(fileName_).fileName());
}

bool ProgramDocument::IsModified() const {
  return text_.isModified();
}

void ProgramDocument::ReplaceText(const QStringList& lines) {
  replaceText_(lines.join(QLatin1Char('\n')));
  text_.setModified(false);
  importNotes_.clear();
}

void ProgramDocument::New() {
  hasFileName_ = false;
  ReplaceText({});
  fileName_ = kNewFileName;
  encoding_ = TextEncoding::Utf8;
}

std::optional<QString> ProgramDocument::Open(const QString& path) {
  // Stamped before reading: a change made while the file is read is then noticed at Save.
  const FileStamp stamp = StampOf(path);
  const ProgramReadResult read = ReadProgramFile(path);
  if (!read.ok) return read.error;
  // Too long to run: said at once, as the runner says it, rather than at the first start.
  if (const std::optional<std::string> tooLong = ProgramLengthError(Utf8Lines(read.text.lines))) {
    return QString::fromStdString(*tooLong);
  }
  ReplaceText(read.text.lines);
  encoding_ = read.text.encoding;
  fileName_ = path;
  hasFileName_ = true;
  diskStamp_ = stamp;
  return std::nullopt;
}

std::optional<QString> ProgramDocument::Import(const QString& path) {
  const ProgramReadResult read = ReadProgramFile(path);
  if (!read.ok) return read.error;
  const ImportedProgram program = ImportProgram(Utf8Lines(read.text.lines));
  // A result too long to be a program replaces nothing; its one note says why.
  if (program.refused) return QString::fromStdString(program.notes.front());
  QStringList lines;
  for (const std::string& line : program.lines) lines << QString::fromStdString(line);
  ReplaceText(lines);
  text_.setModified(true);
  const QFileInfo file(path);
  fileName_ = file.dir().filePath(file.completeBaseName() + QStringLiteral(".txt"));
  hasFileName_ = false;
  encoding_ = read.text.encoding;
  diskStamp_ = {};
  for (const std::string& note : program.notes) importNotes_ << QString::fromStdString(note);
  return std::nullopt;
}

std::optional<QString> ProgramDocument::SaveTo(const QString& path) {
  const ProgramWriteResult written = WriteProgramFile(path, EditorTextLines(text_), encoding_);
  if (!written.ok) return written.error;
  // Only a program that is really in the file takes its name.
  encoding_ = written.encoding;
  diskStamp_ = StampOf(path);
  fileName_ = path;
  hasFileName_ = true;
  text_.setModified(false);
  return std::nullopt;
}

bool ProgramDocument::ChangedOnDisk() const {
  const FileStamp onDisk = StampOf(fileName_);
  return onDisk.exists && onDisk != diskStamp_;
}

std::vector<LeftCopy> ProgramDocument::LeftBehind() const {
  return recovery_->LeftBehind();
}

void ProgramDocument::Restore(const RecoveredProgram& program) {
  ReplaceText(program.lines);
  text_.setModified(true);
  fileName_ = program.fileName;
  hasFileName_ = program.hasFileName;
  encoding_ = program.encoding;
  // A copy from before stamps were kept knows nothing of the file: take it as it is now.
  diskStamp_ = program.diskStamp.value_or(StampOf(fileName_));
  // The restored text is this window's unsaved work now, before the old copy goes.
  recovery_->WriteNow();
}

void ProgramDocument::KeepUnsavedWork() {
  recovery_->WriteNow();
}

void ProgramDocument::DiscardUnsavedWork() {
  recovery_->Discard();
}

}  // namespace kwarcyt
