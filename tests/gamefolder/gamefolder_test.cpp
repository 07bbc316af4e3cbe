// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTreeWidget>

#include "dirlistbox.h"
#include "findgamedialog.h"
#include "modal_answers.h"
#include "seleccion.h"
#include "settings.h"
#include "wine_prefix.h"

using namespace kestro;
using namespace kestro::test;

namespace {

// The dialog opened in a scratch folder holding Child/Grandchild, a hidden folder and
// a later-sorting one, with a Wine prefix of its own whose z: is the whole disk, as Wine
// makes it: the folder is shown as the system names it, not as Z:.
struct OpenDialog {
    OpenDialog() {
        std::filesystem::create_symlink("/", wine.path() / "dosdevices/z:");
        QDir root(dir.path());
        for (const char* folder : {"game/Child/Grandchild", "game/.hidden", "game/Zeta"})
            root.mkpath(QString::fromLatin1(folder));
        start = QFileInfo(root.filePath("game")).canonicalFilePath();
        QDir::setCurrent(start);
        dialog = std::make_unique<seleccion>();
        Drive1 = child<QComboBox>(*dialog, "Drive1");
        Dir1 = child<DirListBox>(*dialog, "Dir1");
        OK = child<QPushButton>(*dialog, "Command1");
    }
    ~OpenDialog() { QDir::setCurrent(old); }
    QStringList rows() const {
        QStringList texts;
        for (int row = 0; row < Dir1->count(); ++row) texts << Dir1->item(row)->text();
        return texts;
    }
    int row(const QString& name) const { return rows().indexOf(name); }
    bool open(const QString& name) { return Dir1->openRow(row(name)); }

    QString old = QDir::currentPath();
    WinePrefix wine;
    QTemporaryDir dir;
    QString start;  // the folder the dialog opens in, as the list shows it
    std::unique_ptr<seleccion> dialog;
    QComboBox* Drive1;
    DirListBox* Dir1;
    QPushButton* OK;
};

}  // namespace

class TestGameFolder : public QObject {
    Q_OBJECT

  private slots:
    void settingFileReadsAsWritten() {
        ScratchSettings scratch;
        QCOMPARE(GameFolderSetting::read().folder, QString());
        QVERIFY(!QFile::exists(scratch.file()));  // reading never creates the store
        QVERIFY(GameFolderSetting::write("C:\\VARNEX 2001", nullptr));
        QCOMPARE(readAll(scratch.file()), QByteArray("[GENERAL]\nPATH=C:\\VARNEX 2001\n"));
        QVERIFY(GameFolderSetting::write(QString(), nullptr));
        QCOMPARE(readAll(scratch.file()), QByteArray("[GENERAL]\nPATH=\n"));
        // Any text comes back as it went in: quotes, accents, control characters.
        for (const QString text : {";C:\\x", "#C:\\x", " C:\\x", "C:\\x\ny", "\"C:\\x\"",
                                   " \";D:\\Fútbol Año\"\t\n\r\x01"}) {
            QVERIFY(GameFolderSetting::write(text, nullptr));
            QCOMPARE(GameFolderSetting::read().folder, text);
        }
        // What else a player wrote there stays.
        QVERIFY(writeFile(scratch.file(), "[GENERAL]\nPATH=C:\\x\n[MINE]\nA=1\n"));
        QVERIFY(GameFolderSetting::write("C:\\y", nullptr));
        QVERIFY(readAll(scratch.file()).contains("[MINE]\nA=1\n"));
        // A first run, before the settings' folder exists: it is made.
        GameFolderSetting::setLocation(scratch.home() + "/new/KESTRO.ini");
        QVERIFY(GameFolderSetting::write("C:\\x", nullptr));
        QCOMPARE(GameFolderSetting::read().folder, "C:\\x");
    }

    // Files written by hand or damaged: read as written, or as nothing stored with the
    // reason named; a file is replaced by the next OK, a pipe or a link never written
    // through, and a pipe never waited on.
    void settingFromAnyFile_data() {
        QTest::addColumn<QByteArray>("contents");  // "<pipe>": a pipe, "<link>": a link
        QTest::addColumn<QString>("reads");
        QTest::addColumn<QString>("problem");
        const QByteArray line("[GENERAL]\nPATH=C:\\x\n");
        const QString damaged = "not a settings file", none;
        // clang-format off
        QTest::newRow("names in any case") << QByteArray("; by hand\r\n[general]\r\n  path = E:\\Juegos  \r\n") << "E:\\Juegos" << none;
        QTest::newRow("UTF-8 mark") << "\xEF\xBB\xBF" + line << "C:\\x" << none;
        QTest::newRow("escapes") << QByteArray("[GENERAL]\nPATH=\"C:\\\\a\\x41\\t\"\n") << "C:\\aA\t" << none;
        QTest::newRow("64 KiB") << line + QByteArray(65536 - line.size(), ';') << "C:\\x" << none;
        QTest::newRow("one byte more") << line + QByteArray(65537 - line.size(), ';') << "" << "larger than 64 KiB";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11) << "" << damaged;
        QTest::newRow("not UTF-8") << QByteArray("[GENERAL]\nPATH=C:\\\xff\xfe\n") << "" << damaged;
        QTest::newRow("empty quotes") << QByteArray("[GENERAL]\nPATH=\"\"\n") << "" << none;
        QTest::newRow("bad escape") << QByteArray("[GENERAL]\nPATH=\"C:\\q\"\n") << "" << damaged;
        QTest::newRow("short escape") << QByteArray("[GENERAL]\nPATH=\"C:\\x4\"\n") << "" << damaged;
        QTest::newRow("signed escape") << QByteArray("[GENERAL]\nPATH=\"C:\\x+1\"\n") << "" << damaged;
        QTest::newRow("escaped closing quote") << QByteArray("[GENERAL]\nPATH=\"C:\\\"\n") << "" << damaged;
        QTest::newRow("unclosed quote") << QByteArray("[GENERAL]\nPATH=\"C:x\n") << "" << damaged;
        QTest::newRow("empty section") << QByteArray("[]\nPATH=C:\\x\n") << "" << damaged;
        QTest::newRow("broken section") << QByteArray("[GENERAL]\nPATH=C:\\x\n[X\n") << "" << damaged;
        QTest::newRow("no key") << QByteArray("[GENERAL]\n=C:\\x\nPATH=C:\\x\n") << "" << damaged;
        QTest::newRow("one-letter key") << QByteArray("[GENERAL]\nA=1\nPATH=C:\\x\n") << "C:\\x" << none;
        QTest::newRow("key with a slash") << QByteArray("[GENERAL]\nA/B=1\nPATH=C:\\x\n") << "" << damaged;
        QTest::newRow("a NUL byte") << QByteArray("[GENERAL]\nPATH=C:\\x\0y\n", 22) << "" << damaged;
        QTest::newRow("an escaped NUL") << QByteArray("[GENERAL]\nPATH=\"C:\\x00y\"\n") << "" << damaged;
        QTest::newRow("a pipe") << QByteArray("<pipe>") << "" << "not a plain file";
        QTest::newRow("a link") << QByteArray("<link>") << "" << "a link";
        // clang-format on
    }
    void settingFromAnyFile() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, reads);
        QFETCH(QString, problem);
        ScratchSettings scratch;
        QVERIFY(makeFile(scratch.file(), contents, "/etc/hostname"));
        const GameFolderSetting::Stored stored = GameFolderSetting::read();
        QCOMPARE(stored.folder, reads);
        QVERIFY2(problem.isEmpty() ? stored.problem.isEmpty() : stored.problem.contains(problem),
                 qPrintable(stored.problem));
        const bool plain = !contents.startsWith('<');
        QCOMPARE(GameFolderSetting::write("C:\\Nuevo", nullptr), plain);
        QCOMPARE(GameFolderSetting::read().folder, plain ? "C:\\Nuevo" : QString());
    }

    void theListShowsTheOpenFolderAloneWithItsOwn() {
        ModalAnswers answers;
        OpenDialog d;
        QCOMPARE(d.dialog->focusWidget(), static_cast<QWidget*>(d.Dir1));
        const QStringList above = d.start.split(u'/', Qt::SkipEmptyParts);
        QCOMPARE(d.rows().mid(1, above.size()), above);  // the way down from the root
        QCOMPARE(d.rows().mid(above.size() + 1), (QStringList{"Child", "Zeta", ".hidden"}));
        for (int row = 0; row < d.Dir1->count(); ++row)  // each step down one further in
            QCOMPARE(d.Dir1->item(row)->data(DirListBox::LevelRole).toInt(),
                     std::min<int>(row, above.size() + 1));
        QVERIFY(d.open("Child"));
        QCOMPARE(d.rows().mid(above.size() + 1), (QStringList{"Child", "Grandchild"}));
        QDir(d.start).mkpath("Child/New");
        QVERIFY(d.open("Child"));  // its own row again: looked at afresh
        QVERIFY(d.rows().contains("New"));
        QVERIFY(QDir(d.start + "/Child/New").removeRecursively());
        QVERIFY(!d.open("New"));  // gone meanwhile: said, nothing changes
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(d.Dir1->path(), d.start + "/Child");
        QVERIFY(d.Dir1->openRow(above.size()));  // back up: the old children are gone
        QCOMPARE(d.rows().size(), above.size() + 4);
        QVERIFY(!d.Dir1->openRow(-1) && !d.Dir1->openRow(d.Dir1->count()));  // no such row
        QCOMPARE(d.Dir1->path(), d.start);
        d.Dir1->setCurrentRow(0);
        QTest::keyClick(d.Dir1, Qt::Key_Down);  // the arrows still move
        QCOMPARE(d.Dir1->currentRow(), 1);
    }

    // A click highlights, a double click or Enter opens, and only OK or Cancel close; a
    // Wine drive gives Windows paths, and the dialog opens on the drive holding the folder.
    void openingFoldersAndDrives() {
        OpenDialog d;
        d.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.dialog.get()));
        QCOMPARE(d.dialog->frameGeometry().center(),  // in the middle of the screen
                 d.dialog->screen()->availableGeometry().center());
        const QPoint at = d.Dir1->visualItemRect(d.Dir1->item(d.row("Child"))).center();
        QTest::mouseClick(d.Dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(d.Dir1->path(), d.start);
        QTest::mouseDClick(d.Dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(d.Dir1->path(), d.start + "/Child");
        d.Dir1->setCurrentRow(d.row("Grandchild"));
        QTest::keyClick(d.Dir1, Qt::Key_Return);
        QCOMPARE(d.Dir1->path(), d.start + "/Child/Grandchild");
        QTest::keyClick(d.dialog.get(), Qt::Key_Escape);
        d.OK->setFocus();
        QTest::keyClick(d.OK, Qt::Key_Return);
        QVERIFY(d.dialog->isVisible());
        QCOMPARE(d.Drive1->itemText(1), "c: [drive_c]");
        QCOMPARE(d.Drive1->itemText(2), "d: [nowhere]");  // upper case too
        d.Drive1->setCurrentIndex(1);
        QCOMPARE(d.Dir1->path(), "C:\\");
        ModalAnswers answers;
        d.Drive1->setCurrentIndex(2);  // not ready: said, and the drive shown stays
        QVERIFY(answers.boxes.size() == 1 && d.Drive1->currentIndex() == 1);
        QVERIFY(d.open("Games") && d.open("VARNEX 2001"));
        QCOMPARE(d.dialog->chosenFolder(), "C:\\Games\\VARNEX 2001");
        // A name stored text would read as two folders, "a" and "b": said, and not taken.
        QVERIFY(QDir().mkpath(QString::fromStdString((d.wine.driveC() / "Games/a\\b").string())));
        QVERIFY(d.open("Games") && d.open("a\\b"));
        QTest::mouseClick(d.OK, Qt::LeftButton);
        QVERIFY(d.dialog->isVisible() && answers.boxes.last().text.contains("\"a\\b\" holds"));
        d.Drive1->setCurrentIndex(0);  // back to "/", at the process's own folder
        QCOMPARE(d.Dir1->path(), d.start);
        QDir::setCurrent(QString::fromStdString((d.wine.driveC() / "Games").string()));
        seleccion there;
        QCOMPARE(child<QComboBox>(there, "Drive1")->currentText(), "c: [drive_c]");
        there.show();
        QTest::mouseClick(child<QPushButton>(there, "Command2"), Qt::LeftButton);
        QVERIFY(!there.isVisible() && there.result() == QDialog::Rejected);  // Cancel
    }

    void findGameDialog_data() {
        QTest::addColumn<QStringList>("found");  // "folder|kind of place|where", "~": drive C:
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<int>("marked");  // row, or -1
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("places");  // looked in
        const QStringList two{"~/Games|2|~/Games/x", "C:\\Games\\VARNEX 2001|6|12"};
        // clang-format off
        QTest::newRow("nothing") << QStringList() << "" << false << -1 << "Looked in place %0, place %1, place %2, place %3 and 2 more (9 folders)." << 6;
        QTest::newRow("none usable, stopped early") << QStringList() << "" << true << -1 << "Looked in place %0, place %1, place %2, place %3 (9 folders). The search stopped early" << 4;
        QTest::newRow("in use by its other name") << two << "~/Games/VARNEX 2001" << false << 1 << "" << 6;
        QTest::newRow("none in use, stopped early") << two << "C:\\VARNEX" << true << -1
            << "The search stopped early: some places were not searched. ~/g: the game is here, but its path holds a name that cannot be stored; rename that folder. Could not read ~/x: permission denied; ~/w: no such folder; ~/f: not a folder." << 6;
        // clang-format on
    }
    void findGameDialog() {
        QFETCH(QStringList, found);
        QFETCH(QString, inUse);
        QFETCH(bool, stopped);
        QFETCH(int, marked);
        QFETCH(QString, line);
        QFETCH(int, places);
        WinePrefix wine;
        const QString driveC = QString::fromStdString(wine.driveC().string());
        SearchReport report;
        for (const QString& game : found)
            report.found.push_back({game.section(u'|', 0, 0).replace(u'~', driveC).toStdString(),
                                    {Place::Kind(game.section(u'|', 1, 1).toInt()),
                                     game.section(u'|', 2).toStdString()}});
        for (int i = 0; i < places; ++i)  // a % in a name is not a place for a number
            report.looked.push_back({{}, "place %" + std::to_string(i)});
        report.folders = 9;
        report.stoppedEarly = stopped;
        if (stopped)
            report.skipped = {{"~/x", Unread::Why::Denied},
                              {"~/g", Unread::Why::Unstorable},
                              {"~/w", Unread::Why::Missing},
                              {"~/f", Unread::Why::NotAFolder}};
        FindGameDialog dialog(report, inUse.replace(u'~', driveC));
        QCOMPARE(dialog.windowTitle(), "Find Game Folder");
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();  // whether it was found
        QVERIFY(!labels.isEmpty());                                    // and whether it can be used
        QCOMPARE(labels[0]->text(), !found.isEmpty() ? "VARNEX 2001 was found in:"
                                    : stopped
                                        ? "VARNEX 2001 was found, but cannot be used where it is."
                                        : "VARNEX 2001 was not found.");
        auto* list = child<QTreeWidget>(dialog, "found");
        auto* where = child<QLabel>(dialog, "looked");
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(list->topLevelItemCount(), found.size());
        for (int row = 0; row < found.size(); ++row) {  // the one in use said so, in bold
            const QTreeWidgetItem* item = list->topLevelItem(row);
            QCOMPARE(
                item->text(1).endsWith("(in use)") && item->font(0).bold() && item->font(1).bold(),
                row == marked);
            QCOMPARE(QTextDocumentFragment::fromHtml(item->toolTip(0)).toPlainText(),
                     item->text(0));
            QVERIFY(item->text(1).startsWith(row ? "Steam (compatdata 12)" : "Lutris prefix ~/"));
        }
        QVERIFY2(where->text().contains(line), qPrintable(where->text()));
        QCOMPARE(where->textFormat(), Qt::PlainText);    // a folder's name is never markup
        buttons->button(QDialogButtonBox::Ok)->click();  // does nothing while disabled
        QCOMPARE(dialog.result(), int(found.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        const std::string chosen = found.isEmpty() ? "" : report.found[std::max(marked, 0)].folder;
        QCOMPARE(dialog.chosenFolder(), QString::fromStdString(chosen));
        buttons->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestGameFolder)
#include "gamefolder_test.moc"
