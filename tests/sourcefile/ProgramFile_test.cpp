#include "sourcefile/ProgramFile.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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

// Each of these is refused at once with a reason in Polish; a pipe or a device is never read,
// so nothing waits for a writer or reads without end.
TEST_F(ProgramFileTest, OnlyRegularFilesOfBoundedSizeAreRead) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.txt"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("pipe.txt")).constData(), 0600), 0);
  QFile huge(PathOf("huge.txt"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxProgramFileBytes + 1));
  huge.close();

  const std::pair<QString, QString> cases[] = {
      {PathOf("missing.txt"), "plik lub folder nie istnieje"},
      {PathOf("folder.txt"), "to jest folder, a nie plik"},
      {PathOf("pipe.txt"), "to nie jest zwykły plik, lecz urządzenie, potok lub gniazdo"},
      {"/dev/zero", "to nie jest zwykły plik, lecz urządzenie, potok lub gniazdo"},
      {PathOf("huge.txt"), "plik jest za duży, program może mieć najwyżej 16 MB"},
  };
  for (const auto& [path, reason] : cases) {
    const ProgramReadResult read = ReadProgramFile(path);
    EXPECT_FALSE(read.ok) << path.toStdString();
    EXPECT_EQ(read.error, reason) << path.toStdString();
  }
}

// Standard input may be an endless stream: reading stops just past the limit.
TEST_F(ProgramFileTest, EndlessStreamIsRefusedPastTheLimit) {
  QFile endless("/dev/zero");
  ASSERT_TRUE(endless.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
  const ProgramReadResult read = ReadProgram(endless);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.error, "plik jest za duży, program może mieć najwyżej 16 MB");
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

// Lowers the largest file this process may write, as a full disk would stop a save half-way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(ProgramFileTest, WriteCutShortFailsAndKeepsTheOldFile) {
  const QString path = PathOf("program.txt");
  CreateFile(path, "NOP\r\nHLT");
  const QStringList longProgram(500, QStringLiteral("MVI A,12h"));
  ProgramWriteResult written;
  {
    const FileSizeLimit limit(1000);
    written = WriteProgramFile(path, longProgram, TextEncoding::Utf8);
  }
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.error, "plik przekroczyłby dozwolony rozmiar");
  EXPECT_EQ(ContentsOf(path), "NOP\r\nHLT");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"program.txt"}));
}

// A save into a shared folder: the file stays its owner's. The superuser may give it back; a user
// who may not is forked off and writes in place, even when the write is cut short.
struct OwnedFileCase {
  const char* name;
  uid_t saver;  // 0: this process, the superuser; another: a child that becomes that user
  rlim_t sizeLimit;
  bool saved;
};

class OwnedFileTest : public ProgramFileTest, public ::testing::WithParamInterface<OwnedFileCase> {
 protected:
  bool SaveAs(uid_t user, rlim_t sizeLimit, const QString& path, const QStringList& lines) {
    if (user == 0) return WriteProgramFile(path, lines, TextEncoding::Utf8).ok;
    const pid_t child = ::fork();
    if (child == 0) {
      const FileSizeLimit limit(sizeLimit);
      const bool dropped =
          ::setgroups(0, nullptr) == 0 && ::setgid(user) == 0 && ::setuid(user) == 0;
      ::_exit(dropped && WriteProgramFile(path, lines, TextEncoding::Utf8).ok ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
};

TEST_P(OwnedFileTest, KeepsOwnerGroupAndModeAndNeverHalfWrites) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file to another user";
  const OwnedFileCase& c = GetParam();
  ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);
  const QString path = PathOf("wspolny.txt");
  const QByteArray name = QFile::encodeName(path);
  CreateFile(path, "NOP\nHLT\n");
  const uid_t owner = 12345;
  const mode_t mode = c.saver == 0 ? 0640 : 0666;  // the saver must be able to write it
  ASSERT_EQ(::chown(name.constData(), owner, owner), 0);
  ASSERT_EQ(::chmod(name.constData(), mode), 0);
  struct stat before {};
  ASSERT_EQ(::stat(name.constData(), &before), 0);

  const QStringList program(200, QStringLiteral("MVI A,12h"));
  EXPECT_EQ(SaveAs(c.saver, c.sizeLimit, path, program), c.saved);
  struct stat after {};
  ASSERT_EQ(::stat(name.constData(), &after), 0);
  EXPECT_EQ(after.st_uid, owner);
  EXPECT_EQ(after.st_gid, owner);
  EXPECT_EQ(after.st_mode & 07777, mode);
  EXPECT_EQ(ReadProgramFile(path).text.lines,
            (c.saved ? program : QStringList({"NOP", "HLT", ""})));
  EXPECT_TRUE(c.saver == 0 || after.st_ino == before.st_ino) << "written in place";
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"wspolny.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Savers, OwnedFileTest,
                         ::testing::Values(OwnedFileCase{"Superuser", 0, RLIM_INFINITY, true},
                                           OwnedFileCase{"OtherUser", 23456, RLIM_INFINITY, true},
                                           OwnedFileCase{"OtherUserCutShort", 23456, 1000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramFileTest, WriteIntoMissingFolderFails) {
  const ProgramWriteResult written =
      WriteProgramFile(PathOf("no/such/folder/program.txt"), {"HLT"}, TextEncoding::Utf8);
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.error, "plik lub folder nie istnieje");
}

}  // namespace
}  // namespace kwarcyt
