#include "ProgramFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kwarcyt {
namespace {

class ProgramFileTest : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return dir_.filePath(name); }

  void CreateFile(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

  static QByteArray ContentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }

  QTemporaryDir dir_;
};

TEST_F(ProgramFileTest, ReadsTheWholeFileWithItsEncoding) {
  const QString path = PathOf("program.txt");
  CreateFile(path, "/\xB9\r\nMVI A,'K'\nHLT\r");
  const ProgramReadResult read = ReadProgramFile(path);
  ASSERT_TRUE(read.ok) << read.error.toStdString();
  EXPECT_EQ(read.text.lines, QStringList({"/ą", "MVI A,'K'", "HLT", ""}));
  EXPECT_EQ(read.text.encoding, TextEncoding::Windows1250);
  EXPECT_TRUE(read.error.isEmpty());
}

TEST_F(ProgramFileTest, MissingFileIsAnErrorWithAReason) {
  const ProgramReadResult read = ReadProgramFile(PathOf("missing.txt"));
  EXPECT_FALSE(read.ok);
  EXPECT_FALSE(read.error.isEmpty());
}

TEST_F(ProgramFileTest, FolderIsNotAProgramFile) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.txt"));
  const ProgramReadResult read = ReadProgramFile(PathOf("folder.txt"));
  EXPECT_FALSE(read.ok);
  EXPECT_FALSE(read.error.isEmpty());
}

TEST_F(ProgramFileTest, WriteReplacesTheFileAndReportsTheEncodingUsed) {
  const QString path = PathOf("program.txt");
  CreateFile(path, "an old and much longer text that must disappear entirely");
  const ProgramWriteResult written =
      WriteProgramFile(path, {"/ł", "HLT"}, TextEncoding::Windows1250);
  ASSERT_TRUE(written.ok) << written.error.toStdString();
  EXPECT_EQ(written.encoding, TextEncoding::Windows1250);
  EXPECT_EQ(ContentsOf(path), "/\xB3\r\nHLT");
}

TEST_F(ProgramFileTest, WriteFallsBackToUtf8AndSaysSo) {
  const QString path = PathOf("program.txt");
  const ProgramWriteResult written = WriteProgramFile(path, {"/€→"}, TextEncoding::Windows1250);
  ASSERT_TRUE(written.ok);
  EXPECT_EQ(written.encoding, TextEncoding::Utf8);
  EXPECT_EQ(ReadProgramFile(path).text.lines, QStringList({"/€→"}));
}

TEST_F(ProgramFileTest, WriteIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
  const QString folder = PathOf("locked");
  ASSERT_TRUE(QDir(dir_.path()).mkdir("locked"));
  const QString path = folder + "/program.txt";
  CreateFile(path, "NOP\r\nHLT");
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

  const ProgramWriteResult written = WriteProgramFile(path, {"MVI A,1"}, TextEncoding::Utf8);
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.isEmpty());
  EXPECT_EQ(ContentsOf(path), "NOP\r\nHLT");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"program.txt"}));
}

// A name so long that no temporary file can be made beside it: the save must fail the same way
// for every user, the superuser included.
TEST_F(ProgramFileTest, FailedSaveKeepsTheOldFile) {
  const QString path = PathOf(QString(250, 'p') + ".txt");
  CreateFile(path, "NOP\r\nHLT");
  const ProgramWriteResult written = WriteProgramFile(path, {"MVI A,1"}, TextEncoding::Utf8);
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.isEmpty());
  EXPECT_EQ(ContentsOf(path), "NOP\r\nHLT");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ProgramFileTest, WriteIntoMissingFolderFails) {
  const ProgramWriteResult written =
      WriteProgramFile(PathOf("no/such/folder/program.txt"), {"HLT"}, TextEncoding::Utf8);
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.isEmpty());
}

}  // namespace
}  // namespace kwarcyt
