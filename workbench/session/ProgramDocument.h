// The program as a file: the editor's text with the name of its file, the encoding it is
// written in, the file's version on disk and the copy of unsaved work kept for recovery. The
// file commands ask the questions; this class keeps the facts.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "sourcefile/ProgramFile.h"
#include "sourcefile/RecoveryCopy.h"
#include "sourcefile/TextEncoding.h"

class QTextDocument;

namespace kwarcyt {

class RecoveryKeeper;

// The headline above the reason when Open or Import cannot read a file.
inline const QString kOpenErrorText = QStringLiteral("Wystąpił błąd podczas próby otwarcia pliku");

class ProgramDocument {
 public:
  // replaceText puts a whole new text into the document, as its editor takes one.
  ProgramDocument(QTextDocument& text, std::function<void(const QString&)> replaceText,
                  const QString& recoveryFolder);
  ~ProgramDocument();

  // The file the program was last opened from or saved to ("Nowy.txt" before that), and whether
  // it names a real file, so that Save writes without asking.
  const QString& FileName() const { return fileName_; }
  bool HasFileName() const { return hasFileName_; }
  // The window's title: the program's name after the program's own.
  QString Title() const;
  bool IsModified() const;

  // An empty program that belongs to no file.
  void New();
  // Takes the file's text and name; on failure nothing changes and the reason is returned.
  std::optional<QString> Open(const QString& path);
  // Takes a program converted from the common assembler syntax as new, unsaved work that
  // belongs to no file yet; Save As proposes the source's name with the program's extension.
  // On failure to read nothing changes and the reason is returned.
  std::optional<QString> Import(const QString& path);
  // What the conversion of the program in the editor said; empty unless it was imported.
  const QStringList& ImportNotes() const { return importNotes_; }
  // Writes the text into the file and takes its name; on failure nothing changes.
  std::optional<QString> SaveTo(const QString& path);
  // Another program changed the file since it was read or written here.
  bool ChangedOnDisk() const;

  // The copies of unsaved work that windows which are gone left behind.
  std::vector<LeftCopy> LeftBehind() const;
  // Takes a recovered text as this window's unsaved work.
  void Restore(const RecoveredProgram& program);
  // Brings the copy of unsaved work up to date at once.
  void KeepUnsavedWork();
  // The user chose to throw the unsaved work away.
  void DiscardUnsavedWork();

 private:
  void ReplaceText(const QStringList& lines);

  QTextDocument& text_;
  std::function<void(const QString&)> replaceText_;
  QString fileName_;
  bool hasFileName_ = false;
  TextEncoding encoding_ = TextEncoding::Utf8;
  FileStamp diskStamp_;  // the file as it was when last read or written here
  std::unique_ptr<RecoveryKeeper> recovery_;
  QStringList importNotes_;
};

}  // namespace kwarcyt
