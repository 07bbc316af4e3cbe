#include <sys/stat.h>
#include <QAccessible>
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue.h"
#include "channellist.h"
#include "form1.h"
#include "linklabel.h"
#include "look.h"
#include "modal_answers.h"
#include "seleccion.h"
#include "startup.h"

using namespace kestro;
using namespace kestro::test;

namespace {

const QString kChannels = QStringLiteral(KESTRO_CHANNELS_DIR);
const QString kFoxDone = QStringLiteral("Instalacion de Canal Completada con Éxito");

QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A copy of the channel sets that a test may damage.
class ScratchProgram {
  public:
    ScratchProgram() {
        for (const QString& folder : QDir(kChannels).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDir().mkpath(dir_.filePath(folder));
            for (const QString& file : QDir(kChannels + u'/' + folder).entryList(QDir::Files))
                QFile::copy(kChannels + u'/' + folder + u'/' + file,
                            dir_.filePath(folder + u'/' + file));
        }
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }

  private:
    QTemporaryDir dir_;
};

QListWidgetItem* itemFor(const Form1& form, const QString& key) {
    const auto found = form.ListView1->findItems(key, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void clickItem(Form1& form, const QString& key) {
    QListWidgetItem* item = itemFor(form, key);
    QVERIFY2(item, qPrintable(key));
    const QPoint at = form.ListView1->visualItemRect(item).center();
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, at);
}

QImage shown(const Form1& form) {
    return form.Image1->pixmap().toImage();
}

// Records what the desktop launcher was asked to open.
class LinkRecorder : public QObject {
    Q_OBJECT
  public:
    LinkRecorder() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~LinkRecorder() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The window as a player sees it after start-up: a folder stored, channels listed.
class LoadedWindow {
  public:
    explicit LoadedWindow(const QString& stored = QStringLiteral("C:\\VARNEX 2001"),
                          const QString& program = kChannels)
        : form(program) {
        GameFolderSetting::write(stored, nullptr);
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    ScratchSettings settings;
    Form1 form;
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:

    void initialStateBeforeAnyChoice() {
        LoadedWindow w;
        Form1& form = w.form;
        QVERIFY(!form.Text1->isEnabled() && !form.Command1->isEnabled());
        QCOMPARE(form.Label5->text(), QStringLiteral("Total: 7"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.ListView1));
        QVERIFY(form.ListView1->selectedItems().isEmpty());
        for (int i = 0; i < 10; ++i) {  // the invisible transfer controls are never reached
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != form.Copia);
        }
    }

    void clickingAChannelChoosesItAndShowsItsPreview_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("preview");
        for (const Channel& c : channels()) {
            const QString key = QString::fromUtf8(c.key.data(), c.key.size());
            QString preview = QString::fromUtf8(c.previewPath.data(), c.previewPath.size());
            QTest::newRow(qPrintable(key)) << key << preview.replace(u'\\', u'/');
        }
    }
    void clickingAChannelChoosesItAndShowsItsPreview() {
        QFETCH(QString, key);
        QFETCH(QString, preview);
        LoadedWindow w;
        Form1& form = w.form;
        clickItem(form, key);
        QCOMPARE(form.Text1->text(), key);
        QVERIFY(form.Text1->isEnabled() && form.Text1->isReadOnly());
        QVERIFY(form.Command1->isEnabled());
        const QImage expected(kChannels + preview);
        QVERIFY(!expected.isNull());
        QCOMPARE(shown(form).convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(form.Image1->size(), expected.size());  // not stretched
        clickItem(form, key);                            // again: the same outcome
        QCOMPARE(form.Text1->text(), key);
        QCOMPARE(form.Image1->size(), expected.size());
    }

    void badPreviewNeverCrashesOrKeepsTheLastPicture_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("showsPicture");
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QImage(40, 30, QImage::Format_RGB32).save(&png, "PNG");
        QTest::newRow("missing") << false << QByteArray() << false;
        QTest::newRow("empty") << true << QByteArray() << false;
        QTest::newRow("text named .jpg") << true << QByteArray("not a picture\n") << false;
        QTest::newRow("truncated")
            << true << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) << false;
        // A valid header that declares a 100000 x 100000 picture in 33 bytes.
        QTest::newRow("declares a huge picture")
            << true
            << QByteArray(
                   "\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x01\x86\xa0\x00\x01\x86\xa0"
                   "\x08\x02\x00\x00\x00\x27\x30\x9c\x9f",
                   33)
            << false;
        QTest::newRow("a pipe") << true << QByteArray("<pipe>") << false;
        QTest::newRow("a PNG named .jpg") << true << png.data() << true;
    }
    void badPreviewNeverCrashesOrKeepsTheLastPicture() {
        QFETCH(bool, present);
        QFETCH(QByteArray, contents);
        QFETCH(bool, showsPicture);
        ScratchProgram program;
        QFile::remove(program.file(QStringLiteral("ntv/preview.jpg")));
        if (contents == "<pipe>") {  // would block a plain open for ever
            QVERIFY(
                ::mkfifo(
                    QFile::encodeName(program.file(QStringLiteral("ntv/preview.jpg"))).constData(),
                    0644) == 0);
        } else if (present) {
            QFile f(program.file(QStringLiteral("ntv/preview.jpg")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        LoadedWindow w(QStringLiteral("C:\\VARNEX 2001"), program.path());
        Form1& form = w.form;
        clickItem(form, QStringLiteral("FOX"));
        const QImage fox = shown(form);
        QVERIFY(!fox.isNull());
        clickItem(form, QStringLiteral("NTV"));
        QCOMPARE(form.Text1->text(), QStringLiteral("NTV"));  // the choice stands either way
        QCOMPARE(shown(form) == fox, !showsPicture);
    }

    void keyboardChoosesWithEnterOrSpaceOnly() {
        LoadedWindow w;
        Form1& form = w.form;
        form.ListView1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(form.ListView1, Qt::Key_Right);
        QTest::keyClick(form.ListView1, Qt::Key_Down);
        QVERIFY(form.Text1->text().isEmpty());  // moving chooses nothing
        QVERIFY(form.ListView1->selectedItems().isEmpty());
        const QString current = form.ListView1->currentItem()->text();
        QTest::keyClick(form.ListView1, Qt::Key_Space);
        QCOMPARE(form.Text1->text(), current);
        QVERIFY(form.Command1->isEnabled());
        QTest::keyClick(form.ListView1, Qt::Key_Down);
        QCOMPARE(form.Text1->text(), current);
        QTest::keyClick(form.ListView1, Qt::Key_Return);
        QCOMPARE(form.Text1->text(), form.ListView1->currentItem()->text());
        QCOMPARE(form.ListView1->selectedItems().value(0), form.ListView1->currentItem());
    }

    void installRoadEndToEnd() {
        QTemporaryDir game;
        LoadedWindow w(game.path());
        Form1& form = w.form;
        QCOMPARE(form.Ubicacion->text(), game.path());
        clickItem(form, QStringLiteral("FOX"));

        ModalAnswers answers;
        int barWhileOpen = -1;
        answers.whileOpen = [&](const SeenBox&) { barWhileOpen = form.ProgressBar1->value(); };
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("KESTRO 2001"));
        QCOMPARE(answers.boxes[0].text, kFoxDone);
        QCOMPARE(answers.boxes[0].icon, QMessageBox::NoIcon);
        QCOMPARE(answers.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(barWhileOpen, 99);
        QCOMPARE(form.ProgressBar1->value(), 0);
        QCOMPARE(readAll(game.filePath(QStringLiteral("DATA/ENVIRO/Misc16.fsh"))),
                 readAll(kChannels + QStringLiteral("/fox/misc16.fsh")));
        QVERIFY(QDir(game.filePath(QStringLiteral("DATA/POPUPS"))).exists());
        QCOMPARE(form.Destino->text(), game.path() + QStringLiteral("\\DATA\\ENVIRO\\Misc16.fsh"));
        QCOMPARE(form.Archivo->text(),
                 QDir::toNativeSeparators(kChannels) + QStringLiteral("\\fox\\misc16.fsh"));
    }

    void installedChannelIsMarkedAndRestoreTakesItBack() {
        QTemporaryDir game;
        QDir().mkpath(game.filePath(QStringLiteral("DATA/ENVIRO")));
        QFile original(game.filePath(QStringLiteral("DATA/ENVIRO/Misc16.fsh")));
        QVERIFY(original.open(QIODevice::WriteOnly));
        original.write("game's own");
        original.close();
        LoadedWindow w(game.path());
        Form1& form = w.form;
        const auto marked = [&] {
            QStringList keys;
            for (int i = 0; i < form.ListView1->count(); ++i)
                if (form.ListView1->item(i)->icon().cacheKey() == form.installedIcon.cacheKey())
                    keys << form.ListView1->item(i)->text() + u'|' +
                                form.ListView1->item(i)->toolTip();
            return keys;
        };
        QCOMPARE(marked(), QStringList());
        clickItem(form, QStringLiteral("CANAL+"));
        ModalAnswers answers;
        form.Command1->click();
        QCOMPARE(marked(), QStringList{QStringLiteral("CANAL+|Installed in the game folder now")});
        QCOMPARE(form.Text1->text(), QStringLiteral("CANAL+"));  // the text stays the key

        QCOMPARE(form.mnuRestore->text(), QStringLiteral("&Restore Original Files"));
        answers.yesOrNo = QMessageBox::No;
        form.mnuRestore->trigger();
        QCOMPARE(answers.boxes.size(), 2);
        QCOMPARE(answers.boxes[1].icon, QMessageBox::Question);
        QCOMPARE(answers.boxes[1].defaultButton, QMessageBox::No);
        QCOMPARE(marked().size(), 1);
        answers.yesOrNo = QMessageBox::Yes;
        form.mnuRestore->trigger();
        QCOMPARE(answers.boxes.size(), 4);
        QVERIFY(answers.boxes[3].text.startsWith(
            QStringLiteral("The game's original files are back.")));
        QCOMPARE(readAll(game.filePath(QStringLiteral("DATA/ENVIRO/Misc16.fsh"))),
                 QByteArray("game's own"));
        QCOMPARE(marked(), QStringList());
    }

    void browseButtonMenuAndShortcutOpenTheDialog() {
        LoadedWindow w;
        Form1& form = w.form;
        ModalAnswers answers;
        QStringList opened;
        answers.answerDialog = [&](QDialog& d) {
            opened << d.objectName();
            d.reject();
            return d.result();
        };
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        form.mnuUbicaciones->trigger();
        QTest::keyClick(&form, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(opened, (QStringList{"seleccion", "seleccion", "seleccion"}));
        QCOMPARE(form.Ubicacion->text(), QStringLiteral("C:\\VARNEX 2001"));  // all cancelled
    }

    void startUpWithNothingStoredAsksFirst_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("stored");  // what was there before: "" or absent alike
        QTest::newRow("OK, nothing stored") << true << QString();
        QTest::newRow("Cancel, nothing stored") << false << QString();
        QTest::newRow("OK, empty text stored") << true << QStringLiteral("");
    }
    void startUpWithNothingStoredAsksFirst() {
        QFETCH(bool, confirm);
        QFETCH(QString, stored);
        ScratchSettings settings;
        if (!stored.isNull()) QVERIFY(GameFolderSetting::write(stored, nullptr));
        QTemporaryDir here;
        const QString old = QDir::currentPath();
        QDir::setCurrent(here.path());
        const QString cwd = QFileInfo(here.path()).canonicalFilePath();

        ModalAnswers answers;
        bool windowVisibleDuringDialog = true;
        Form1 form(kChannels);
        answers.answerDialog = [&](QDialog& d) {
            windowVisibleDuringDialog = form.isVisible();
            auto& dialog = static_cast<seleccion&>(d);
            (confirm ? dialog.Command1 : dialog.Command2)->click();
            return d.result();
        };
        form.Form_Load();
        QCOMPARE(answers.dialogs, 1);
        QVERIFY(!windowVisibleDuringDialog);
        QCOMPARE(form.Ubicacion->text(), confirm ? cwd : QStringLiteral("D:\\VARNEX 2001"));
        QCOMPARE(GameFolderSetting::read(), confirm ? cwd : QString());
        QCOMPARE(form.Label5->text(), QStringLiteral("Total: 7"));

        // The next start: with a folder stored, no dialog; without, the dialog again.
        Form1 next(kChannels);
        next.Form_Load();
        QCOMPARE(answers.dialogs, confirm ? 1 : 2);
        QDir::setCurrent(old);
    }

    void startUpShowsTheStoredFolderUnchanged_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing, odd") << QStringLiteral("Z:\\no está\\ aquí ");
    }
    void startUpShowsTheStoredFolderUnchanged() {
        QFETCH(QString, folder);
        ModalAnswers answers;
        LoadedWindow w(folder);
        QCOMPARE(answers.dialogs, 0);
        QCOMPARE(w.form.Ubicacion->text(), folder);
    }

    void linksOpenThroughTheDesktop() {
        LinkRecorder links;
        Form1 form(kChannels);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (LinkLabel* label : {form.Label1, form.Label2, form.Label4, form.Label1})
            QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(links.opened,
                 (QList<QUrl>{QUrl(QStringLiteral("http://varnex.example/")),
                              QUrl(QStringLiteral("http://futbol-pc.example/")),
                              QUrl(QStringLiteral("mailto:lucas.ferrer@kestro.example")),
                              QUrl(QStringLiteral("http://varnex.example/"))}));
    }

    void aLinkThatCannotOpenIsSaidAndTheWindowCarriesOn() {
        QObject nobody;  // a launcher that answers nothing: no such method to call
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &nobody, "noSuchMethod");
        Form1 form(kChannels);
        ModalAnswers answers;
        QTest::ignoreMessage(
            QtWarningMsg, "QMetaObject::invokeMethod: No such method QObject::noSuchMethod(QUrl)");
        form.Label4_Click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].icon, QMessageBox::Warning);
        QVERIFY(answers.boxes[0].text.startsWith(
            QStringLiteral("mailto:lucas.ferrer@kestro.example could not be opened")));
    }

    void exitClosesAtOnce_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("menu") << 0;
        QTest::newRow("Ctrl+X in the read-only channel box") << 2;  // not taken as Cut
    }
    void exitClosesAtOnce() {
        QFETCH(int, how);
        LoadedWindow w;
        Form1& form = w.form;
        clickItem(form, QStringLiteral("FOX"));  // chosen, never installed: no prompt
        ModalAnswers answers;
        if (how == 0) {
            form.mnuExit->trigger();
        } else {
            if (how == 2) form.Text1->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
        }
        QVERIFY(!form.isVisible());
        QVERIFY(answers.boxes.isEmpty());
        QCOMPARE(GameFolderSetting::read(), QStringLiteral("C:\\VARNEX 2001"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "mainwindow_test.moc"
