#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dirlistbox.h"
#include "inistore.h"
#include "look.h"
#include "modal_answers.h"
#include "seleccion.h"
#include "settings.h"

using namespace kestro;
using namespace kestro::test;

namespace {

QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& file, const QByteArray& data) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Moves the process into `folder` for one test: the dialog starts there.
class CurrentFolder {
  public:
    explicit CurrentFolder(const QString& folder) : old_(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(old_); }

  private:
    QString old_;
};

// A Wine prefix of the test's own: c: is a folder, e: points nowhere (a drive not ready).
class FakeWinePrefix {
  public:
    FakeWinePrefix() : old_(qgetenv("WINEPREFIX")) {
        QDir root(dir_.path());
        root.mkpath(QStringLiteral("drive_c/Games/VARNEX 2001"));
        root.mkpath(QStringLiteral("dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), root.filePath(QStringLiteral("dosdevices/c:")));
        QFile::link(root.filePath(QStringLiteral("nowhere")),
                    root.filePath(QStringLiteral("dosdevices/e:")));
        qputenv("WINEPREFIX", dir_.path().toUtf8());
    }
    ~FakeWinePrefix() {
        if (old_.isEmpty())
            qunsetenv("WINEPREFIX");
        else
            qputenv("WINEPREFIX", old_);
    }
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    QByteArray old_;
};

int rowOf(const DirListBox* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() == text) return row;
    return -1;
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

QString withChildren(const QTemporaryDir& dir) {
    QDir(dir.path()).mkpath(QStringLiteral("Child/Grandchild"));
    return dir.path();
}

// The dialog opened with a scratch folder (holding Child/Grandchild) as the process's
// current folder, and the setting in a scratch file.
struct OpenDialog {
    explicit OpenDialog(const QString& folderText = {})
        : here(withChildren(game)), ubicacion(folderText), dialog(&ubicacion) {}
    QString start() const { return canonical(game.path()); }
    ScratchSettings scratch;
    QTemporaryDir game;
    CurrentFolder here;
    QLineEdit ubicacion;
    seleccion dialog;
};

}  // namespace

class TestGameFolder : public QObject {
    Q_OBJECT

  private slots:

    // --- Fonts ---

    // Where the named font is missing (as on a Linux without Microsoft's fonts), its
    // metric twin is used, so captions fit the boxes drawn for them.
    void fontsFallBackToTheirMetricTwins_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Arial") << QStringLiteral("Arial") << 8.25 << false;
        QTest::newRow("Arial bold, large") << QStringLiteral("Arial") << 20.25 << true;
        QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif") << 8.25 << false;
    }
    void fontsFallBackToTheirMetricTwins() {
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        const QStringList installed = QFontDatabase::families();
        if (installed.contains(family, Qt::CaseInsensitive) ||
            !installed.contains(QStringLiteral("Liberation Sans")))
            QSKIP("needs Liberation Sans and not the named font");
        const QFont font = vbFont(family, points, bold);
        const QFontInfo shown(font);
        QCOMPARE(shown.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(shown.bold(), bold);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(defaultFont().family(), QStringLiteral("Liberation Sans"));
    }

    // --- The stored setting ---

    void settingRoundTrip_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("windows folder") << QStringLiteral("C:\\VARNEX 2001");
        QTest::newRow("accents") << QStringLiteral("D:\\Juegos\\Fútbol Año 2001");
        QTest::newRow("quotes and semicolon") << QStringLiteral("\";D:\\\"odd\"");
        QTest::newRow("control characters") << QStringLiteral("D:\\a\tb\nc");
    }
    void settingRoundTrip() {
        QFETCH(QString, folder);
        ScratchSettings scratch;
        QString error;
        QVERIFY(GameFolderSetting::write(folder, &error));
        QCOMPARE(GameFolderSetting::read(), folder);
        // A fresh process sees the same: read the file with a new, uncached parser.
        QFile file(scratch.file());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QSettings::SettingsMap map;
        QVERIFY(readIni(file, map));
        QCOMPARE(map.value(QStringLiteral("GENERAL/PATH")).toString(), folder);
    }

    void settingFileReadsAsWritten() {
        ScratchSettings scratch;
        QVERIFY(GameFolderSetting::write(QStringLiteral("C:\\VARNEX 2001"), nullptr));
        QCOMPARE(readAll(scratch.file()), QByteArray("[GENERAL]\nPATH=C:\\VARNEX 2001\n"));
        QVERIFY(GameFolderSetting::write(QStringLiteral("D:\\Otra"), nullptr));
        QCOMPARE(readAll(scratch.file()), QByteArray("[GENERAL]\nPATH=D:\\Otra\n"));
    }

    void settingAbsentOrEmptyReadsEmpty() {
        ScratchSettings scratch;
        QCOMPARE(GameFolderSetting::read(), QString());
        QVERIFY(!QFile::exists(scratch.file()));  // reading never creates the store
        QVERIFY(GameFolderSetting::write(QString(), nullptr));
        QCOMPARE(GameFolderSetting::read(), QString());
    }

    void settingDamagedReadsAsNothingAndCanBeReplaced_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11);
        QTest::newRow("not utf-8") << QByteArray("[GENERAL]\nPATH=C:\\\xff\xfe\n");
        QTest::newRow("bad quoting") << QByteArray("[GENERAL]\nPATH=\"C:\\x\n");
        QTest::newRow("enormous") << QByteArray("[GENERAL]\nPATH=C:\\x\n") +
                                         QByteArray(200000, ';');
    }
    void settingDamagedReadsAsNothingAndCanBeReplaced() {
        QFETCH(QByteArray, contents);
        ScratchSettings scratch;
        writeAll(scratch.file(), contents);
        QCOMPARE(GameFolderSetting::read(), QString());
        QVERIFY(GameFolderSetting::write(QStringLiteral("C:\\Nuevo"), nullptr));
        QCOMPARE(GameFolderSetting::read(), QStringLiteral("C:\\Nuevo"));
    }

    void settingUnwritableSaysWhere() {
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("plain-file")), "x");
        // A folder that cannot exist, even for root: its parent is a file.
        const QString file = dir.filePath(QStringLiteral("plain-file/KESTRO.ini"));
        GameFolderSetting::setLocation(file);
        QString error;
        QVERIFY(!GameFolderSetting::write(QStringLiteral("C:\\x"), &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(file)), qPrintable(error));
        GameFolderSetting::setLocation({});
    }

    // --- The dialog ---

    void okWithoutNavigatingGivesTheCurrentFolder() {
        OpenDialog d(QStringLiteral("D:\\VARNEX 2001"));
        d.dialog.Command1->click();
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.ubicacion.text(), d.start());
        QCOMPARE(GameFolderSetting::read(), d.start());
    }

    void highlightOpensNothingDoubleClickOpens() {
        OpenDialog d;
        seleccion& dialog = d.dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        DirListBox* list = dialog.Dir1;
        const int child = rowOf(list, QStringLiteral("Child"));
        QVERIFY(child > 0);
        const QPoint at = list->visualItemRect(list->item(child)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(list->path(), d.start());  // highlighted only
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(list->path(), d.start() + QStringLiteral("/Child"));
        // Enter opens the highlighted folder too, and does not close the dialog.
        list->setCurrentRow(rowOf(list, QStringLiteral("Grandchild")));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->path(), d.start() + QStringLiteral("/Child/Grandchild"));
        QVERIFY(dialog.isVisible());
        dialog.Command1->click();
        QCOMPARE(d.ubicacion.text(), d.start() + QStringLiteral("/Child/Grandchild"));
    }

    void rootKeepsItsSeparator() {
        OpenDialog d;
        QVERIFY(d.dialog.Dir1->openRow(0));
        QCOMPARE(d.dialog.Dir1->path(), QStringLiteral("/"));
        d.dialog.Command1->click();
        QCOMPARE(GameFolderSetting::read(), QStringLiteral("/"));
    }

    void wineDrivesGiveWindowsPaths() {
        ScratchSettings scratch;
        FakeWinePrefix wine;
        QTemporaryDir elsewhere;
        CurrentFolder here(elsewhere.path());
        QLineEdit ubicacion;
        seleccion dialog(&ubicacion);
        const int c = dialog.Drive1->findText(QStringLiteral("c: [drive_c]"));
        QVERIFY2(c > 0, qPrintable(dialog.Drive1->itemText(1)));
        dialog.Drive1->setCurrentIndex(c);
        QCOMPARE(dialog.Dir1->path(), QStringLiteral("C:\\"));
        QVERIFY(dialog.Dir1->openRow(rowOf(dialog.Dir1, QStringLiteral("Games"))));
        QVERIFY(dialog.Dir1->openRow(rowOf(dialog.Dir1, QStringLiteral("VARNEX 2001"))));
        QCOMPARE(dialog.Dir1->path(), QStringLiteral("C:\\Games\\VARNEX 2001"));
        dialog.Command1->click();
        QCOMPARE(GameFolderSetting::read(), QStringLiteral("C:\\Games\\VARNEX 2001"));
    }

    void driveNotReadyIsSaidAndUndone() {
        FakeWinePrefix wine;
        QTemporaryDir elsewhere;
        CurrentFolder here(elsewhere.path());
        ModalAnswers answers;
        QLineEdit ubicacion;
        seleccion dialog(&ubicacion);
        const QString before = dialog.Dir1->path();
        const int previous = dialog.Drive1->currentIndex();
        dialog.Drive1->setCurrentIndex(dialog.Drive1->findText(QStringLiteral("e: [nowhere]")));
        QCOMPARE(answers.boxes.size(), 1);
        QVERIFY(answers.boxes[0].text.contains(QStringLiteral("not ready")));
        QCOMPARE(answers.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(dialog.Drive1->currentIndex(), previous);
        QCOMPARE(dialog.Dir1->path(), before);
    }

    void closingWithoutOkChangesNothing_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 2;
    }
    void closingWithoutOkChangesNothing() {
        QFETCH(int, how);
        OpenDialog d(QStringLiteral("C:\\Antes"));
        QVERIFY(GameFolderSetting::write(QStringLiteral("C:\\Antes"), nullptr));
        seleccion& dialog = d.dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.Dir1->openRow(rowOf(dialog.Dir1, QStringLiteral("Child"))));
        switch (how) {
            case 0:
                dialog.Command2->click();
                break;
            case 1:
                dialog.close();
                break;
            case 2:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case 3:
                dialog.Command1->setFocus();
                QTest::keyClick(dialog.Command1, Qt::Key_Return);
                break;
        }
        QCOMPARE(dialog.isVisible(), how >= 2);  // Esc and Enter close nothing
        QCOMPARE(d.ubicacion.text(), QStringLiteral("C:\\Antes"));
        QCOMPARE(GameFolderSetting::read(), QStringLiteral("C:\\Antes"));
    }

    void failedStoreStillSetsTheFolderAndSaysSo() {
        QTemporaryDir dir;
        writeAll(dir.filePath(QStringLiteral("plain-file")), "x");
        GameFolderSetting::setLocation(dir.filePath(QStringLiteral("plain-file/KESTRO.ini")));
        CurrentFolder here(dir.path());
        ModalAnswers answers;
        QLineEdit ubicacion(QStringLiteral("D:\\VARNEX 2001"));
        seleccion dialog(&ubicacion);
        dialog.Command1->click();
        GameFolderSetting::setLocation({});
        QCOMPARE(ubicacion.text(), canonical(dir.path()));
        QCOMPARE(answers.boxes.size(), 1);
        QVERIFY(answers.boxes[0].text.contains(QStringLiteral("could not be remembered")));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestGameFolder)
#include "gamefolder_test.moc"
