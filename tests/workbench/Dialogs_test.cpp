#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include "workbench/window/KwarcytApplication.h"

#include "viewtext/QtPolish.h"
#include "workbench/window/Dialogs.h"

using namespace kwarcyt;

namespace {

// Acts on each modal window in turn, as it becomes the active one, from inside its event loop.
// A check that fails inside `act` leaves the window unanswered: it is closed then, so that the
// test fails at once instead of waiting for ctest's time limit.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = nullptr;
    QTRY_VERIFY((modal = QApplication::activeModalWidget()) != nullptr);
    act(modal);
    if (QTest::currentTestFailed() && QApplication::activeModalWidget() == modal) modal->close();
  });
}

void TypeFileName(QWidget* dialog, const QString& name) {
  auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
  QVERIFY(edit != nullptr);
  edit->setText(name);
  QTest::keyClick(edit, Qt::Key_Return);
}

const FileDialogInfo kSave{"Kwarcyt - Zapisz program", "Nowy.txt", "Pliki tekstowe (*.txt)", "txt"};
const FileDialogInfo kOpen{"Kwarcyt - Wczytaj program", "", "Pliki tekstowe (*.txt)", "txt"};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  QtDialogs dialogs_;
  QTemporaryDir folder_;

 private slots:
  // An error that escapes a command is told in Polish, also when the library's text is not.
  void escapedErrorsAreToldInPolish() {
    QCOMPARE(KwarcytApplication::ErrorText(std::make_exception_ptr(std::bad_alloc())),
             QString("Za mało pamięci, aby wykonać to polecenie."));
    QCOMPARE(KwarcytApplication::ErrorText(std::make_exception_ptr(42)),
             QString("Wystąpił nieoczekiwany błąd wewnętrzny."));
  }

  void saveDialogIsQtsOwnAndAddsTheExtension() {
    WhenModal([this](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->windowTitle(), kSave.caption);
      QCOMPARE(dialog->nameFilters(), QStringList({"Pliki tekstowe (*.txt)"}));
      QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
      TypeFileName(dialog, folder_.filePath("program"));
    });
    QCOMPARE(dialogs_.SaveFileName(nullptr, kSave), folder_.filePath("program.txt"));
  }

  // Replacing a file is asked first; No returns to the dialog.
  void saveDialogAsksBeforeOverwriting() {
    QFile existing(folder_.filePath("stary.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    bool asked = false;
    WhenModal([&](QWidget* dialog) {
      WhenModal([&](QWidget* question) {
        auto* box = qobject_cast<QMessageBox*>(question);
        QVERIFY(box != nullptr);
        asked = true;
        box->button(QMessageBox::No)->click();
        QTimer::singleShot(0, dialog, [dialog] { qobject_cast<QDialog*>(dialog)->reject(); });
      });
      TypeFileName(dialog, folder_.filePath("stary.txt"));
    });
    QCOMPARE(dialogs_.SaveFileName(nullptr, kSave), QString());
    QVERIFY(asked);
  }

  void openDialogTakesOnlyAnExistingFile() {
    QFile existing(folder_.filePath("jest.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    bool warned = false;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->windowTitle(), kOpen.caption);
      // A missing file is refused with a warning, and the dialog stays.
      WhenModal([&](QWidget* warning) {
        warned = qobject_cast<QMessageBox*>(warning) != nullptr;
        QTest::keyClick(warning, Qt::Key_Return);
        QTimer::singleShot(0, dialog, [this, dialog] {
          QVERIFY(dialog->isVisible());
          TypeFileName(dialog, folder_.filePath("jest.txt"));
        });
      });
      TypeFileName(dialog, folder_.filePath("brak.txt"));
    });
    QCOMPARE(dialogs_.OpenFileName(nullptr, kOpen), folder_.filePath("jest.txt"));
    QVERIFY(warned);
  }

  void saveQuestionDefaultsToYes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter") << int{Qt::Key_Return} << int{QMessageBox::Yes};
    QTest::newRow("Esc") << int{Qt::Key_Escape} << int{QMessageBox::Cancel};
  }
  void saveQuestionDefaultsToYes() {
    QFETCH(int, key);
    QFETCH(int, answer);
    WhenModal([key](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      QCOMPARE(box->windowTitle(), QString("Kwarcyt - Nowy.txt"));
      QCOMPARE(box->icon(), QMessageBox::NoIcon);
      QTest::keyClick(box, static_cast<Qt::Key>(key));
    });
    QCOMPARE(int{dialogs_.AskYesNoCancel(nullptr, "Kwarcyt - Nowy.txt", "Pytanie")}, answer);
  }

  void saveQuestionButtonsSpeakPolish() {
    QVERIFY(kwarcyt::InstallQtPolishTranslation(*QCoreApplication::instance()));
    QStringList texts;
    WhenModal([&texts](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        texts << box->button(button)->text().remove(QLatin1Char('&'));
      }
      QTest::keyClick(box, Qt::Key_Escape);
    });
    dialogs_.AskYesNoCancel(nullptr, "Kwarcyt - Nowy.txt", "Pytanie");
    QCOMPARE(texts, QStringList({"Tak", "Nie", "Anuluj"}));
  }

  // Captioned with the program's name, and above the display windows, which stay on top.
  void messageIsCaptionedKwarcytAboveTheDisplays() {
    QString caption;
    bool onTop = false;
    WhenModal([&](QWidget* modal) {
      caption = modal->windowTitle();
      onTop = modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      QTest::keyClick(modal, Qt::Key_Return);
    });
    dialogs_.ShowError(nullptr, "Wystąpił błąd podczas próby zapisania pliku",
                       "brak miejsca na dysku");
    QCOMPARE(caption, QString("Kwarcyt"));
    QVERIFY(onTop);
  }
};

QTEST_MAIN(DialogsTest)
#include "Dialogs_test.moc"
