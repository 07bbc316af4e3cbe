// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

#include "addsetdialog.h"
#include "channels_copy.h"
#include "commandline.h"
#include "form1.h"
#include "look.h"
#include "modal_answers.h"
#include "reports.h"
#include "startup.h"

using namespace kestro;
using namespace kestro::test;
using namespace Qt::StringLiterals;

namespace {

const QString kChannels = QStringLiteral(KESTRO_CHANNELS_DIR);

// Records what the desktop launcher was asked to open.
class LinkRecorder : public QObject {
    Q_OBJECT
  public:
    LinkRecorder() {
        for (const char* scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~LinkRecorder() override {
        for (const char* scheme : {"http", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QStringList opened;

  public slots:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

// The window as a player sees it after start-up, with its controls found by name.
class Window {
  public:
    explicit Window(const QString& stored = "C:\\VARNEX 2001", const QString& program = kChannels)
        : form(program) {
        GameFolderSetting::write(stored, nullptr);
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    template <typename T = QWidget>
    T* get(const char* name) {
        return child<T>(form, name);
    }
    QLineEdit* text(const char* name) { return get<QLineEdit>(name); }
    QListWidget* list() { return get<QListWidget>("ListView1"); }
    QImage shown() { return get<QLabel>("Image1")->pixmap().toImage(); }
    void click(const QString& key) {
        const auto found = list()->findItems(key, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(key));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(found.first()).center());
    }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }
    QStringList marked() {  // the channels shown as installed: their icon and a note
        const QImage mark = QIcon(":/icons/installed.png").pixmap(16).toImage();
        QStringList keys;
        for (int i = 0; i < list()->count(); ++i) {
            const QListWidgetItem* item = list()->item(i);
            if (item->icon().pixmap(16).toImage() == mark && !item->toolTip().isEmpty())
                keys << item->text();
        }
        return keys;
    }

    ScratchSettings settings;  // before the window: start-up reads it
    ModalAnswers answers;      // and any question it asks is recorded, never waited for
    Form1 form;
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    // Nothing can be installed before a choice; a click, Enter or Space chooses a channel
    // and shows its preview; Exit then closes at once, for nothing was installed.
    void choosingAChannelAndLeaving() {
        FontWarmUp fonts;  // may be waited for more than once
        fonts.wait();
        fonts.wait();
        const QPalette theme = QApplication::palette();
        QPalette contrast = theme;  // a theme's text in a green that reads badly on white,
        for (const auto role : {QPalette::WindowText, QPalette::Text})  // on a dark base
            contrast.setColor(role, QColor(0, 160, 0));
        contrast.setColor(QPalette::Base, Qt::black);
        QApplication::setPalette(contrast);
        Window w;
        QApplication::setPalette(theme);
        // The list white, as the layout has it, its text readable there too.
        QVERIFY(w.list()->palette().color(QPalette::Base) == Qt::white &&
                w.list()->palette().color(QPalette::Text) == Qt::black);
        for (const char* off : {"Text1", "Command1", "Ubicacion"})
            QVERIFY(!w.get(off)->isEnabled());
        QCOMPARE(w.get<QLabel>("Label5")->text(), "Total: 7");
        // Fonts as the layout names them where installed, else a metric twin that is.
        const QStringList families = QFontDatabase::families();
        if (!families.isEmpty()) QCOMPARE(vbFont(families[0], 8).family(), families[0]);
        for (const QString named : {"Arial", "MS Sans Serif"})
            QVERIFY(families.contains(vbFont(named, 8).family()) ||
                    !families.contains("DejaVu Sans"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.list()));
        QVERIFY(w.list()->selectedItems().isEmpty());
        for (int i = 0; i < 10; ++i) {  // the invisible transfer controls are never reached
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != w.get("Copia"));
        }
        w.click("SPORTTV");
        QCOMPARE(w.text("Text1")->text(), "SPORTTV");
        for (const char* shown : {"Text1", "Ubicacion"})  // each text from its start
            QCOMPARE(w.text(shown)->cursorPosition(), 0);
        w.get("Command1")->setFocus();  // Tab goes as the layout orders it (the folder text off)
        for (const char* next : {"Text1", "ListView1", "Command2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        QVERIFY(w.text("Text1")->isEnabled() && w.get("Command1")->isEnabled());
        QCOMPARE(w.list()->selectedItems().value(0)->text(), "SPORTTV");
        const QImage expected(kChannels + "/ssporttv/preview.jpg");
        QCOMPARE(w.shown().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(w.get("Image1")->size(), expected.size());  // not stretched
        // A click on empty space (the list's corner) keeps the choice and its highlight.
        QVERIFY(!w.list()->indexAt(QPoint(0, 0)).isValid());
        QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, QPoint(0, 0));
        QCOMPARE(w.text("Text1")->text(), "SPORTTV");
        QCOMPARE(w.list()->selectedItems().size(), 1);
        for (const int row : {0, 1}) {  // and Enter or Space chooses as a click does
            w.list()->setCurrentRow(row);
            QTest::keyClick(w.list(), row ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(w.text("Text1")->text(), w.list()->item(row)->text());
        }
        w.list()->setCurrentRow(3);
        QTest::keyClick(w.list(), Qt::Key_Down);  // the arrows only move
        QCOMPARE(w.text("Text1")->text(), w.list()->item(1)->text());
        QCOMPARE(w.list()->currentRow(), 4);
        // It opens in the middle of the screen; moved, it stays where the player put it.
        QCOMPARE(w.form.frameGeometry().center(), w.form.screen()->availableGeometry().center());
        w.form.move(10, 20);
        w.form.hide();
        w.form.show();
        QCOMPARE(w.form.pos(), QPoint(10, 20));
        w.text("Text1")->setFocus();  // Ctrl+X there is Exit, not Cut
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!w.form.isVisible());
        QVERIFY(w.answers.boxes.isEmpty());
    }

    void badPreviewNeverCrashesOrShowsAnotherPicture_data() {
        QTest::addColumn<QByteArray>("contents");  // "" missing, "<pipe>" a pipe, "<link>" a link
        QTest::addColumn<bool>("showsPicture");
        const auto png = [](int width, int height) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImage(width, height, QImage::Format_RGB32).save(&buffer, "PNG");
            return buffer.data();
        };
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("text named .jpg") << QByteArray("not a picture\n") << false;
        QTest::newRow("a pipe") << QByteArray("<pipe>") << false;  // would block a plain open
        QTest::newRow("too wide") << png(4097, 2) << false;
        QTest::newRow("too tall") << png(2, 4097) << false;
        QTest::newRow("a PNG named .jpg") << png(4096, 30) << true;
        QTest::newRow("a link to a picture") << QByteArray("<link>") << true;  // as packagers share
    }
    void badPreviewNeverCrashesOrShowsAnotherPicture() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, showsPicture);
        QTemporaryDir scratch;  // a copy of the channel sets that the test may change
        const QString program = scratch.filePath("program");
        copyChannels(QFile::encodeName(program).toStdString());
        const QString preview = program + "/ntv/preview.jpg";
        QFile::remove(preview);
        if (!contents.isEmpty()) QVERIFY(makeFile(preview, contents, program + "/fox/preview.jpg"));
        Window w("C:\\VARNEX 2001", program);
        w.click("FOX");
        QVERIFY(!w.shown().isNull());
        w.click("NTV");
        QCOMPARE(w.text("Text1")->text(), "NTV");     // the choice stands
        QCOMPARE(w.shown().isNull(), !showsPicture);  // never FOX's picture under NTV
    }

    // The mark follows the game folder: at start-up, after choosing another folder,
    // after a restore.
    void theInstalledChannelIsMarked() {
        QTemporaryDir game;
        const QString misc = game.filePath("DATA/ENVIRO/Misc16.fsh");
        QVERIFY(writeFile(misc, readAll(kChannels + "/canal+/misc16.fsh")));
        Window w(game.path());
        QCOMPARE(w.marked(), QStringList{"CANAL+"});

        QTemporaryDir other(QDir::tempPath() + "/<u>kestro-XXXXXX");  // not markup
        const QString old = QDir::currentPath();
        QDir::setCurrent(other.path());
        w.answers.answerDialog = ModalAnswers::accept;
        QTest::mouseClick(w.get("Command2"), Qt::LeftButton);
        QDir::setCurrent(old);
        QCOMPARE(w.marked(), QStringList());
        QCOMPARE(w.text("Ubicacion")->cursorPosition(), 0);  // a long folder shows its start,
        QCOMPARE(QTextDocumentFragment::fromHtml(w.text("Ubicacion")->toolTip()).toPlainText(),
                 w.text("Ubicacion")->text());  // whole here
        QCOMPARE(GameFolderSetting::read().folder, QFileInfo(other.path()).canonicalFilePath());

        QVERIFY(QFile::remove(misc) && writeFile(misc, "game's own"));
        Window back(game.path());
        QCOMPARE(back.marked(), QStringList());
        back.click("NTV");
        const QProgressBar* bar = back.get<QProgressBar>("ProgressBar1");
        int barWhileOpen = -1;
        back.answers.whileOpen = [&](const SeenBox&) { barWhileOpen = bar->value(); };
        QTest::mouseClick(back.get("Command1"), Qt::LeftButton);
        QCOMPARE(back.answers.boxes.last().text, "Installation: All OK!");
        QCOMPARE(back.answers.boxes.last().icon, QMessageBox::NoIcon);
        QCOMPARE(barWhileOpen, 99);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(back.marked(), QStringList{"NTV"});
        back.answers.yesOrNo = QMessageBox::No;
        back.trigger("mnuRestore");
        QCOMPARE(back.answers.boxes.last().defaultButton, QMessageBox::No);
        QCOMPARE(back.answers.boxes.last().format, Qt::PlainText);  // a folder's name, not markup
        QCOMPARE(back.marked(), QStringList{"NTV"});
        back.answers.yesOrNo = QMessageBox::Yes;
        back.trigger("mnuRestore");
        QVERIFY(back.answers.boxes.last().text.startsWith("The game's original"));
        QCOMPARE(back.marked(), QStringList());
        QCOMPARE(readAll(misc), QByteArray("game's own"));
    }

    // With nothing (or an empty text) stored, the folder dialog comes before the window:
    // Cancel keeps the default and stores nothing, so the next start asks again; OK stores
    // the folder, and the start after that asks nothing.
    void startUpWithNothingStoredAsksFirst() {
        ScratchSettings settings;
        QVERIFY(GameFolderSetting::write("", nullptr));
        const QString cwd = QFileInfo(QDir::currentPath()).canonicalFilePath();
        // The game where players put it, in the scratch home, under a name with a joiner (as
        // Persian words have): asked about first, shown with care and taken as it is.
        const QString found = settings.home() + u"/Games/VARNEX\u200C 2001"_s;
        QVERIFY(writeFile(found + "/DATA/ENVIRO/Misc16.fsh", {}));
        ModalAnswers answers;
        answers.yesOrNo = QMessageBox::No;
        bool windowVisible = true;
        for (const bool confirm : {false, true, true}) {
            Form1 form(kChannels);
            answers.answerDialog = [&](QDialog& d) {
                windowVisible = form.isVisible();
                return ModalAnswers::answer(d, confirm);
            };
            form.Form_Load();
            QVERIFY(!windowVisible);
            QCOMPARE(child<QLineEdit>(form, "Ubicacion")->text(),
                     confirm ? cwd : "D:\\VARNEX 2001");
        }
        QCOMPARE(answers.dialogs, 2);
        QCOMPARE(answers.boxes.size(), 2);  // asked at each start with nothing stored
        QCOMPARE(answers.boxes[0].text, "VARNEX 2001 was found in \"" + settings.home() +
                                            "/Games/VARNEX<U+200C> 2001\". Use this folder?");
        QCOMPARE(GameFolderSetting::read().folder, cwd);
        // Configuration > Find Game Folder... offers it too, and OK takes it.
        Form1 finder(kChannels);
        finder.Form_Load();
        answers.answerDialog = ModalAnswers::accept;
        child<QAction>(finder, "mnuFindGame")->trigger();
        QCOMPARE(child<QLineEdit>(finder, "Ubicacion")->text(), found);
        QVERIFY(!QApplication::overrideCursor());  // the wait is over
        QVERIFY(GameFolderSetting::write("", nullptr));
        answers.yesOrNo = QMessageBox::Yes;  // and Yes at start-up takes it, with no dialog
        Form1 form(kChannels);
        form.Form_Load();
        QCOMPARE(answers.dialogs, 3);
        QCOMPARE(GameFolderSetting::read().folder, found);
        // Found only under a name that cannot be stored: said, and the folder asked for.
        QVERIFY(GameFolderSetting::write("", nullptr));
        QVERIFY(QDir().rename(found, settings.home() + "/Games/A\\B"));
        Form1 odd(kChannels);
        odd.Form_Load();
        QCOMPARE(answers.dialogs, 4);
        QVERIFY(answers.boxes.last().text.startsWith("VARNEX 2001 was found, but cannot be used"));
        // The player's sets out of sight (no folder where theirs belong) are said at start-up.
        QVERIFY(writeFile(settings.home() + "/KESTRO/channels", "not a folder"));
        Form1 blind(kChannels);
        blind.Form_Load();
        QVERIFY(answers.boxes.last().text.contains("only the seven channels"));
    }

    void linksOpenOnALeftClickReleasedOnThem() {
        LinkRecorder links;
        Window w;
        QWidget* label = w.get("Label4");
        QCOMPARE(label->cursor().shape(), Qt::UpArrowCursor);
        QTest::mouseClick(label, Qt::RightButton);
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));  // dragged off
        QVERIFY(links.opened.isEmpty());
        for (const char* name : {"Label1", "Label2", "Label4"})
            QTest::mouseClick(w.get(name), Qt::LeftButton);
        QCOMPARE(links.opened, (QStringList{"http://varnex.example/", "http://futbol-pc.example/",
                                            "mailto:lucas.ferrer@kestro.example"}));
        // A launcher that answers nothing is said, and the window carries on.
        QObject nobody;
        QDesktopServices::setUrlHandler("mailto", &nobody, "noSuchMethod");
        QTest::ignoreMessage(
            QtWarningMsg, "QMetaObject::invokeMethod: No such method QObject::noSuchMethod(QUrl)");
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(w.answers.boxes.size(), 1);
        QVERIFY(w.answers.boxes[0].text.contains("could not be opened"));
    }

    // The real program, with no display at all: the channels' files go in and come out
    // again, and what cannot be done is said, on standard error with the program's name
    // first, with an exit status a script can test. Each row on a game folder of its own.
    // In the arguments "@" is the game folder, "''" an empty value; quotes hold spaces.
    // With a display, and no arguments, its window stays until it is closed (status -1).
    void commandLine_data() {
        // Run first, when not empty; or made first: "<game>" the game where players put it,
        // "<fox>" a set by hand under a name no set has, "<sets>" the sets' folder a file;
        // or "<display>", a display to show the window on; "<full>", a full disk for output.
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("foxThere");
        // clang-format off
        const QString fox = "--install FOX --game-folder @";
        QTest::newRow("version") << "" << "--version" << 0 << "1.0\nCopyright (C)" << false;
        QTest::newRow("help") << "" << "--help" << 0 << "Usage: kestro [options]" << false;
        QTest::newRow("install") << "" << fox << 0 << "con Éxito" << true;
        QTest::newRow("from here") << "" << "--install FOX --game-folder \"VARNEX 2001\"" << 0 << "con Éxito" << true;
        QTest::newRow("the stored folder") << "" << "--install FOX" << 0 << "con Éxito" << true;
        QTest::newRow("list") << fox << "--list --game-folder @" << 0 << "TELEON\nFOX (installed)\n" << true;
        QTest::newRow("restore") << fox << "--restore --game-folder @" << 0 << "are back" << false;
        QTest::newRow("own FOX, from here") << "" << "--add-set pack --name fox" << 0 << "takes the place" << false;
        QTest::newRow("install own") << "--add-set pack --name FOX" << fox << 0 << "con Éxito" << true;
        QTest::newRow("remove own") << "--add-set pack --name FOX" << "--remove-set FOX" << 0 << "is back" << false;
        QTest::newRow("remove own, its accent typed apart") << "--add-set pack --name \xC3\x8D" << "--remove-set I\xCC\x81" << 0 << "The channel set \xC3\x8D was removed" << false;
        QTest::newRow("remove, a name shown, never obeyed") << "" << "--remove-set \x1b[2JX" << 2 << "named '<U+001B>[2JX'" << false;
        QTest::newRow("a path not UTF-8, not taken") << "" << "--install FOX --game-folder /tmp/x\uFFFD" << 2 << "kestro: '/tmp/x\uFFFD' is not UTF-8 text" << false;
        QTest::newRow("an argument shown, never obeyed") << "" << "\x1b[2J" << 2 << "argument '<U+001B>[2J'" << false;
        QTest::newRow("add, no such source") << "" << "--add-set nothere --name X" << 1 << "kestro: The channel set \"X\" was not added. \"nothere\" was not found." << false;
        QTest::newRow("remove shipped") << "" << "--remove-set FOX" << 1 << "kestro: The FOX set came" << false;
        QTest::newRow("remove shipped, in another case") << "" << "--remove-set fox" << 1 << "kestro: The FOX set came" << false;
        QTest::newRow("add, no such source, named as no set can be") << "" << "--add-set nothere:x" << 1 << "\"nothere:x\" was not found." << false;
        QTest::newRow("add, a source named as no set can be") << "" << "--add-set /" << 1 << "The name is empty.\nkestro: give the set a name with --name" << false;
        QTest::newRow("name alone") << "" << "--list --name X" << 2 << "kestro: --name goes with" << false;
        QTest::newRow("folder alone") << "" << "--game-folder @" << 2 << "kestro: give one of --list, --install" << false;
        QTest::newRow("another case") << "" << "--install fox --game-folder @" << 2 << "did you mean FOX?" << false;
        QTest::newRow("no such channel") << "" << "--install ZDF --game-folder @" << 2 << "PROTV, NTV" << false;
        QTest::newRow("a Windows path, as typed") << "" << "--install FOX --game-folder C:\\VARNEX" << 1 << "\"C:\\VARNEX\" cannot be used: the drive" << false;
        QTest::newRow("no folder") << "" << "--install FOX --game-folder @/none" << 1 << "kestro: The game folder" << false;
        QTest::newRow("list, the settings a pipe") << "<pipe>" << "--list" << 1 << "not a plain file; give the game folder with --game-folder" << false;
        QTest::newRow("list, no folder, nothing to change") << "" << "--list --game-folder @/none" << 1 << "!No game file" << false;
        QTest::newRow("unknown option") << "" << "--fox" << 2 << "kestro: Unknown option" << false;
        QTest::newRow("twice") << "" << "--install FOX --install NTV --game-folder @" << 2 << "--install is given more than once" << false;
        QTest::newRow("empty value") << "" << "--install FOX --game-folder ''" << 2 << "--game-folder needs a value" << false;
        QTest::newRow("a set made by hand, misnamed") << "<fox>" << "--list" << 0 << "not used as channel sets, since their names cannot be a set's:\n  \"fox\": The name must be in capitals." << false;
        QTest::newRow("remove a set made by hand, misnamed") << "<fox>" << "--remove-set fox" << 1 << "\"fox\": The name must be in capitals." << false;
        QTest::newRow("sets folder a file") << "<sets>" << "--list" << 0 << "kestro: The folder for your channel sets cannot be used" << false;
        QTest::newRow("install, sets folder a file") << "<sets>" << "--install MINE --game-folder @" << 1 << "and your own channel sets cannot be seen" << false;
        QTest::newRow("list, its report lost") << "<full>" << "--list --game-folder @" << 1 << "standard output (No space left on device); what was asked was done" << false;
        QTest::newRow("remove, sets folder a file") << "<sets>" << "--remove-set MINE" << 1 << "kestro: The channel set \"MINE\" was not removed. The folder for your channel sets cannot be used" << false;
        QTest::newRow("find the game, a line as it is") << "<game>" << "--find-game" << 0 << "/Games/VARNEX\u200C 2001\n" << false;
        QTest::newRow("find one that cannot be stored, named") << "<game>" << "--find-game" << 0 << "kestro: ~/Games/A\\B: the game is here" << false;
        QTest::newRow("find nothing") << "" << "--find-game" << 1 << "kestro: no VARNEX 2001 folder was found" << false;
        QTest::newRow("the window, with no display") << "" << "" << 1 << "kestro: no display was found" << false;
        QTest::newRow("the window stays open") << "<display>" << "" << -1 << "" << false;
        // clang-format on
    }
    void commandLine() {
        QFETCH(QString, before);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(bool, foxThere);
        QTemporaryDir home;
        const QDir at(home.path());
        const QString game = at.filePath("VARNEX 2001"), ini = at.filePath("KESTRO.ini");
        QVERIFY(at.mkpath(game) && writeFile(at.filePath("pack/Misc16.fsh"), "real FOX"));
        const QByteArray setting = "[GENERAL]\nPATH=" + game.toUtf8() + "\n";
        for (const QString& g : {u"Games/VARNEX\u200C 2001"_s, u"Games/A\\B"_s})
            QVERIFY(before != u"<game>" ||
                    writeFile(at.filePath(g + "/DATA/ENVIRO/Misc16.fsh"), {}));
        if (before == u"<fox>") QVERIFY(at.mkpath("KESTRO/channels/fox"));
        if (before == u"<sets>") QVERIFY(writeFile(at.filePath("KESTRO/channels"), "not a folder"));
        QVERIFY(makeFile(ini, before == u"<pipe>" ? "<pipe>" : setting));
        const auto run = [&](QString line, QProcess& kestro) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "WINEPREFIX"})
                env.remove(name);
            if (before == u"<display>") env.insert("QT_QPA_PLATFORM", "offscreen");
            if (before == u"<full>") kestro.setStandardOutputFile("/dev/full");
            for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
                env.insert(name, home.path());
            kestro.setProcessEnvironment(env);
            kestro.setWorkingDirectory(home.path());
            QStringList args = QProcess::splitCommand(line.replace(u'@', '"' + game + '"'));
            kestro.start(QStringLiteral(KESTRO_EXECUTABLE), args.replaceInStrings("''", ""));
            return kestro.waitForFinished(status < 0 ? 1500 : 20000);
        };
        QProcess first, kestro;
        if (!before.isEmpty() && !before.startsWith(u'<'))
            QVERIFY(run(before, first) && first.exitCode() == 0);
        QVERIFY(run(arguments, kestro) == (status >= 0));
        if (status < 0) {  // still open: closed here
            kestro.kill();
            kestro.waitForFinished();
            return;
        }
        const QString out = QString::fromUtf8(kestro.readAllStandardOutput());
        const QString err = QString::fromUtf8(kestro.readAllStandardError());
        QCOMPARE(kestro.exitCode(), status);
        const bool has = (status ? err : out + err).contains(says.mid(says.startsWith(u'!')));
        QVERIFY2(has != says.startsWith(u'!'), qPrintable(out + err));  // "!": must not say
        QVERIFY2(err.isEmpty() || err.startsWith("kestro: "), qPrintable(err));
        QCOMPARE(QFile::exists(game + "/DATA/ENVIRO/Misc16.fsh"), foxThere);
        if (before != u"<pipe>") QCOMPARE(readAll(ini), setting);  // never stored
    }

    // A set of the player's: added from the menu under a name typed, or by dropping a pack
    // on the window under the name the dialog offers; listed after the seven (its icon in
    // their column) and chosen like them (a long name shown whole); removed again.
    // Anything else dropped is refused.
    void aPlayersSetFromTheMenuOrADrop() {
        Window w;
        w.click("FOX");
        QString offeredSource, offeredName, removeButton;
        QString typedName = "SUPERSPORT EXTRA HD 2002 PREMIUM";  // as long as a name may be
        QStringList offeredSets;
        w.answers.answerDialog = [&](QDialog& d) {
            auto* source = d.findChild<QLineEdit*>("source");
            auto* name = d.findChild<QLineEdit*>("name");
            if (source && name) {
                if (source->text().isEmpty()) source->setText(kChannels + "/ssporttv");
                offeredSource = source->text();
                offeredName = name->text();
                if (!typedName.isEmpty()) name->setText(typedName);
            } else if (auto* choice = qobject_cast<QInputDialog*>(&d)) {
                offeredSets = choice->comboBoxItems();
                removeButton = choice->okButtonText();
            }
            return ModalAnswers::accept(d);
        };
        w.trigger("mnuAddSet");
        QCOMPARE(offeredName, "SSPORTTV");
        QVERIFY2(w.list()->count() == 8, qPrintable(w.answers.boxes.value(0).text));
        QCOMPARE(w.list()->item(7)->text(), typedName);
        QCOMPARE(w.get<QLabel>("Label5")->text(), "Total: 8");
        QCOMPARE(w.text("Text1")->text(), "FOX");  // the choice stands, lit
        QVERIFY(w.list()->currentItem() && w.list()->currentItem()->text() == u"FOX");
        w.click(typedName);
        QVERIFY(!w.shown().isNull());
        QLineEdit* chosen = w.text("Text1");
        const bool fits = QFontMetrics(chosen->font()).horizontalAdvance(typedName) <=
                          chosen->contentsRect().width() - 8;  // else whole in its tooltip
        QCOMPARE(chosen->toolTip(), fits ? QString() : typedName);

        w.trigger("mnuRemoveSet");
        QCOMPARE(offeredSets, QStringList{typedName});
        QCOMPARE(removeButton, "Remove");
        QCOMPARE(w.list()->count(), 7);
        QVERIFY(chosen->text().isEmpty() && !chosen->isEnabled() &&
                !w.get("Command1")->isEnabled() && w.shown().isNull());  // its preview gone too

        typedName.clear();
        for (const QString dropped : {"/etc/hostname", KESTRO_TEST_ARCHIVES "/set.zip"}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(dropped)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&w.form, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&w.form, &drop);
        }
        QVERIFY(w.answers.boxes[3].text.contains("only a folder or a .zip"));
        QCOMPARE(offeredSource, QDir::toNativeSeparators(KESTRO_TEST_ARCHIVES "/set.zip"));
        QCOMPARE(w.list()->item(7)->text(), "SET");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U,
                        Qt::ControlModifier);  // Ctrl+U: Path...
        QCOMPARE(w.answers.dialogs, 6);  // add, its progress, remove, add, its progress, folder
        QCOMPARE(w.answers.boxes.size(), 5);  // added; remove?; removed; refused; added
        QCOMPARE(w.answers.boxes[0].icon, QMessageBox::Information);    // a set of its own:
        QVERIFY(!w.answers.boxes[0].text.contains("takes the place"));  // none of the seven's
    }

    // The name follows the source, in capitals, until the player types one; Add needs both.
    void addSetDialogNamesTheSetUntilTold() {
        ScratchSettings settings;  // the scratch home, with its Downloads
        const QString downloads = settings.home() + "/Downloads";
        QVERIFY(QDir().mkpath(downloads));
        ModalAnswers answers;
        QString opened, filter;
        QFileDialog::FileMode mode{};
        answers.answerDialog = [&](QDialog& d) {
            auto& chooser = static_cast<QFileDialog&>(d);
            opened = chooser.directory().path();
            filter = chooser.nameFilters().value(0);
            mode = chooser.fileMode();
            chooser.selectFile(QDir::cleanPath(KESTRO_TEST_ARCHIVES "/set.zip"));
            return ModalAnswers::accept(chooser);
        };
        AddSetDialog d;
        auto* source = child<QLineEdit>(d, "source");
        auto* name = child<QLineEdit>(d, "name");
        auto* add = child<QPushButton>(d, "add");
        QVERIFY(!add->isEnabled());
        child<QPushButton>(d, "archive")->click();  // packs come from the web: from Downloads
        QCOMPARE(opened, downloads);
        QVERIFY(filter.contains("*.7z") && mode == QFileDialog::ExistingFile);
        QCOMPARE(source->text(), QDir::cleanPath(KESTRO_TEST_ARCHIVES "/set.zip"));
        QCOMPARE(name->text(), "SET");
        source->setText("/downloads/Polsat Sport.zip");
        QCOMPARE(name->text(), "POLSAT SPORT");
        QVERIFY(add->isEnabled());
        QTest::keyClicks(name, " hd");
        source->setText("/downloads/other.7z");
        QCOMPARE(d.name(), "POLSAT SPORT HD");
        add->click();
        QCOMPARE(d.result(), QDialog::Accepted);
        name->clear();
        QTest::keyClicks(name, " ");
        QVERIFY(!add->isEnabled());
    }

    // What players read names the action that ran and the thing in the way, and tells the
    // window's player of its button and a script of its option.
    void reportsNameTheActionAndWhatIsInTheWay() {
        using A = Report::Action;
        using K = Report::Kind;
        using O = FileOutcome::Kind;
        using D = StoreDamage::What;
        using S = FileOutcome::Stage;
        using W = Reports::Where;
        const Catalogue catalogue{std::filesystem::path()};
        const auto file = [](O o, Error e = {}, std::string aside = {}) {
            return FileOutcome{o, 0, "\\DATA\\ENVIRO\\Misc16.fsh", e, S::Keep, aside};
        };
        const auto report = [&](A a, K k, Error e = {}, std::vector<FileOutcome> f = {}, D d = {}) {
            return Report{a, k, "C:\\VARNEX 2001", catalogue.find("FOX"), f, e, {d, 0, 0, {}}};
        };
        const Error damaged = failure(ErrorCode::Damaged);
        const std::string aside = "\\KESTRO backup\\DATA\\ENVIRO\\Misc16.fsh.set-aside";
        ChannelSet own = *catalogue.find("FOX"), none{"TV %2", {}, {}, {}, true, {}};
        own.leftOut = {{1, ChannelSet::LeftOut::Why::TooLarge}};
        const auto window = [](const Report& r) { return Reports::report(r, W::Window); };
        // clang-format off
        const struct { QString text; const char* says; } rows[] = {
            {window(report(A::Install, K::Done)), "Instalacion de Canal Completada con Éxito"},
            {window(report(A::Install, K::Done, {}, {file(O::Replaced, {}, aside)})), "Instalacion de Canal Completada con Éxito\n\nKept apart in \"KESTRO backup\" (older versions"},
            {window([&] { auto r = report(A::Install, K::Done); r.alsoSetApart = {"\\k"}; return r; }()), "con Éxito\n\nKept apart in \"KESTRO backup\" (older versions of the game's own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:\n  \\k"},
            {window([&] { auto r = report(A::Restore, K::Refused, failure(ErrorCode::Cancelled)); r.alsoSetApart = {"\\z"}; return r; }()), "No game file was put back.\n\nFiles KESTRO found in the game folder, whose owner it could not tell, were kept apart:\n  \\z"},
            {window(report(A::Install, K::Refused, failure(ErrorCode::Locked))), "restoring in \"C:\\VARNEX 2001\" (is it open twice?).\n\nNo game file was replaced."},
            {window(report(A::Restore, K::Refused, failure(ErrorCode::Locked))), "No game file was put back."},
            {window(report(A::Restore, K::Refused, failure(ErrorCode::PermissionDenied, EACCES, "KESTRO backup"))), "cannot be put back in \"C:\\VARNEX 2001\": permission denied for KESTRO backup."},
            {window(report(A::Install, K::Refused, failure(ErrorCode::Other, EIO, "/g/KESTRO backup/x"))), "cannot be installed in \"C:\\VARNEX 2001\": /g/KESTRO backup/x: Input/output error.\n\nNo game file"},  // what failed, named
            {window(report(A::Install, K::Refused, failure(ErrorCode::Link, 0, "\\DATA"))), "The channel FOX cannot be installed in \"C:\\VARNEX 2001\": \\DATA is a link to another place; KESTRO does not write through links.\n\nNo game file was replaced. To go on, replace the link \"\\DATA\" with a copy of what it leads to."},
            {window(Report{A::Install, K::Refused, "/g", &none, {}, failure(ErrorCode::ReadOnlyDisk, EROFS, "DATA"), {}}), "The channel TV %2 cannot be installed in \"/g\": "},
            {window(report(A::Install, K::Refused, damaged, {}, D::KeptNotRecorded)), "holds a kept Misc16.fsh, but its state file does not record one"},
            {window(report(A::Restore, K::Refused, damaged, {}, D::RecordedNotKept)), "the kept copy is missing or not the one kept.\n\nNo game file was put back. KESTRO cannot put the game's own Misc16.fsh back. If you have a copy"},  // lost: not to be forgotten
            {window(Report{A::Install, K::Refused, "/g", nullptr, {}, damaged, {D::StoreNotAFolder, 0, 0, failure(ErrorCode::NotAFolder, "kestro BACKUP")}}), "To go on, move \"kestro BACKUP\" out of the game folder and keep it: KESTRO keeps"},
            {window(report(A::Install, K::Refused, damaged, {}, D::LockNotAFile)), "move \"kestro.lock\" out of it."},
            {window(Report{A::Restore, K::Refused, "/g", nullptr, {}, damaged, {D::KeptNotAFile, 0, 0, failure(ErrorCode::Link, "DATA/ENVIRO/Misc16.fsh")}}), "No game file was put back. To go on, replace the link \"DATA/ENVIRO/Misc16.fsh\" in it with a copy of what it leads to."},
            {window(Report{A::Restore, K::Refused, "C:\\VARNEX 2001", nullptr, {}, damaged, {D::FolderNotAFolder, 0, 0, failure(ErrorCode::NotAFolder, "DATA"), {}, {}, "kestro BACKUP"}}), "The folder \"kestro BACKUP\" in \"C:\\VARNEX 2001\" is damaged: \"DATA\" in it is not a folder.\n\nNo game file was put back. To go on, move \"DATA\" out of it."},
            {window(Report{A::Install, K::Refused, "/g", nullptr, {}, damaged, {D::TwoSpellings, 0, 0, failure(ErrorCode::Damaged, "DATA/ENVIRO"), "DATA/enviro"}}), "it holds both \"DATA/ENVIRO\" and \"DATA/enviro\", names that differ only in letter case.\n\nNo game file was replaced. To go on, move \"DATA/enviro\" out of the game folder and keep it: it may hold the game's own files."},
            {window(Report{A::Install, K::Refused, "/g", nullptr, {}, damaged, {D::TwoStores, 0, 0, failure(ErrorCode::Damaged, "KESTRO backup"), "kestro BACKUP", StoreDamage::Other::Empty}}), "the game folder holds both \"KESTRO backup\" and \"kestro BACKUP\", names that differ only in letter case.\n\nNo game file was replaced. To go on, remove the empty folder \"kestro BACKUP\"."},
            {window(Report{A::Install, K::Refused, "/g", nullptr, {}, damaged, {D::TwoSpellings, 0, 0, failure(ErrorCode::Damaged, "DATA/ENVIRO"), "DATA/enviro", StoreDamage::Other::AlsoRecorded}}), "To go on, move each file in \"DATA/enviro\" that \"DATA/ENVIRO\" does not hold to the same place in \"DATA/ENVIRO\" (its state file records files in both), then move \"DATA/enviro\" out"},
            {window(Report{A::Install, K::Refused, "/g", nullptr, {}, damaged, {D::TwoCopies, 0, 0, failure(ErrorCode::Damaged, "DATA/ENVIRO/a"), "DATA/ENVIRO/A", StoreDamage::Other::NotRecorded}}), "To go on, move \"DATA/ENVIRO/A\" out of the game folder and keep it: \"DATA/ENVIRO/a\" holds what its state file records."},
            {window(Report{A::Restore, K::Refused, "/g", nullptr, {}, damaged, {D::TwoSpellings, 0, 0, failure(ErrorCode::Damaged, "KESTRO backup/DATA"), "KESTRO backup/Data", StoreDamage::Other::Unreadable}}), "To go on, make \"KESTRO backup/Data\" readable again: KESTRO cannot tell what it holds."},
            {window(Report{A::Restore, K::Refused, "/g", nullptr, {}, damaged, {D::TwoStores, 0, 0, failure(ErrorCode::Damaged, "KESTRO backup"), "kestro BACKUP", StoreDamage::Other::NotAFolder}}), "To go on, move \"kestro BACKUP\" out of the game folder and keep it."},
            {window(report(A::Install, K::Refused, failure(ErrorCode::FolderMissing))), "with the \"...\" button"},
            {window(report(A::Restore, K::Refused, failure(ErrorCode::Foreign, "KESTRO backup/state.txt"))), "cannot be put back in \"C:\\VARNEX 2001\": KESTRO backup/state.txt was made by another user account, and KESTRO trusts only what your own account kept there.\n\nNo game file was put back. To go on, have that user or an administrator move \"KESTRO backup\" out of the game folder."},
            {window(report(A::Install, K::Refused, failure(ErrorCode::InStore))), "cannot be used: it is a \"KESTRO backup\" folder, or lies in one: it or a folder above it is named so, or holds KESTRO's kestro.lock"},
            {window(report(A::Install, K::Refused, failure(ErrorCode::InStore, 0, "\\DATA\\ENVIRO"))), "cannot be used: \\DATA\\ENVIRO is part of \"KESTRO backup\", where KESTRO keeps"},
            {Reports::report(report(A::Restore, K::Refused, failure(ErrorCode::DriveMissing)), W::CommandLine), "the drive is not available.\n\nNo game file was put back. Give another game folder with --game-folder."},
            {window(report(A::Install, K::Incomplete, {}, {file(O::NotReplaced, failure(ErrorCode::DiskFull))})), "Misc16.fsh: its original could not be kept (the disk is full), so it was left as it was"},
            {window(report(A::Install, K::Incomplete, {}, {file(O::NotReplaced, failure(ErrorCode::SourceTooLarge))})), "(the channel's file is larger than 64 MiB)"},
            {window(report(A::Install, K::Incomplete, {}, {file(O::NotReplaced, failure(ErrorCode::SourceMissing, "/opt/kestro/fox/misc16.fsh"))})), "the channel's file is missing (/opt/kestro/fox/misc16.fsh)"},
            {window(report(A::Install, K::Incomplete, {}, {file(O::NotReplaced, failure(ErrorCode::Other, EIO))})), "could not be kept (Input/output error)"},
            {window(report(A::Install, K::Incomplete, {}, {[&] { auto o = file(O::NotReplaced, failure(ErrorCode::Link, 0, "/g/x")); o.stage = S::Copy; return o; }()})), "/g/x is a link to another place; KESTRO does not write through links; to go on, replace the link with a copy of the file it leads to"},
            {window(Report{A::Install, K::Incomplete, "C:\\", &own, {}, {}, {}}), "Not replaced:\n  misc8.fsh of your set: it is larger than 64 MiB, so it was left out"},
            {window(Report{A::Install, K::Incomplete, "C:\\", &none, {}, {}, {}}), "Not replaced:\n  Your set holds none of the game's files as a file KESTRO can read"},
            {window(report(A::Restore, K::Incomplete, {}, {[&] { auto o = file(O::LeftChanged); o.keptAt = "\\KESTRO backup\\x"; return o; }()})), "changed it since the last install, so it was left as it is; the version kept before is \"\\KESTRO backup\\x\", to put back"},
            {window(report(A::Restore, K::Incomplete, {}, {[&] { auto o = file(O::NotRestored, failure(ErrorCode::Other, EIO)); o.stage = S::Tidy; return o; }()})), "The game's original files are back.\n\nRestored:\n  \\DATA\\ENVIRO\\Misc16.fsh\n\nNot yet tidied in \"KESTRO backup\" (what KESTRO took out of their place could not be removed; the next install or restore tries again):\n  \\DATA\\ENVIRO\\Misc16.fsh: Input/output error"},
            {window(report(A::Restore, K::Incomplete, {}, {[&] { auto o = file(O::NotRestored, failure(ErrorCode::PermissionDenied, EACCES)); o.stage = S::PutBack; return o; }()})), "stays in \"KESTRO backup\".\n\nLeft as they are:\n  \\DATA\\ENVIRO\\Misc16.fsh: permission denied"},  // never said to be back
            {window(report(A::Restore, K::Done, {}, {file(O::Restored, {}, aside)})), "kept apart:\n  \\KESTRO backup\\DATA\\ENVIRO\\Misc16.fsh.set-aside"},
            {window(report(A::Restore, K::Done, {}, {file(O::Removed)})), "Removed (added by channel installs):\n  \\DATA"},
            {window([&] { auto r = report(A::Restore, K::NothingToRestore); r.alsoSetApart = {"\\z"}; r.keptApart = {"\\KESTRO backup\\y", "\\z"}; return r; }()), "There is nothing to restore: no original game file has been kept in \"C:\\VARNEX 2001\".\n\nFiles KESTRO found in the game folder, whose owner it could not tell, were kept apart:\n  \\z\n\nKept apart in \"KESTRO backup\" by earlier runs (older versions of the game's own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:\n  \\KESTRO backup\\y"},
            {Reports::setOutcome({SetOutcome::What::Added, "FOX", {}, {}, {}, {0, 4}, 2, true, {}, {}}, {}), "with Misc16.fsh, preview.jpg. It takes the place of the FOX set that came with KESTRO. Entries passed over (links, devices, encrypted, or with \"..\" in their path): 2."},
            {Reports::setOutcome({SetOutcome::What::Removed, "MINE", {}, {}, failure(ErrorCode::PermissionDenied, EACCES, "/s/.removing-1/a"), {}, 0, false, "/s/.removing-1", {}}, {}), "removed. Something in your channel sets folder could not be deleted: permission denied for /s/.removing-1/a. It is left in \"/s/.removing-1\", and KESTRO tries again"},
            {Reports::setOutcome({SetOutcome::What::Removed, "MINE", {}, {}, failure(ErrorCode::Other, EBUSY, "/s/.removing-1/m"), {}, 0, false, "/s/.removing-1", {}}, {}), "deleted: /s/.removing-1/m is in use, or another disk or folder is mounted there. It is left"},
            {Reports::setOutcome({SetOutcome::What::BadName, "CON", NameProblem::Device, {}, {}, {}, 0, false, {}, {}}, "/s/pack"), "The channel set \"CON\" was not added. Windows keeps that name for a device."},
            {Reports::setOutcome({SetOutcome::What::BadName, "F\xD0\x9EX", NameProblem::LooksLike, {}, {}, {}, 0, false, {}, "FOX"}, "/s/pack"), "not added. Its name would pass for that of the set FOX that came with KESTRO (F<U+041E>X against FOX): name it FOX to take"},
            {Reports::setOutcome({SetOutcome::What::BadName, "MY  TV", NameProblem::LooksLike, {}, {}, {}, 0, false, {}, "MY TV"}, "/s/pack"), "your set MY TV (MY  TV against MY TV): remove that set first"},
            {Reports::setOutcome({SetOutcome::What::SetsFolder, "MINE", {}, {}, failure(ErrorCode::FolderMissing), {}, 0, false, {}, {}}, {}), "The channel set \"MINE\" was not removed. The folder for your channel sets cannot be used: there is no home folder to keep it in."},
            {Reports::setOutcome({SetOutcome::What::SetsFolder, "MINE", {}, {}, failure(ErrorCode::FolderMissing, "/h/KESTRO"), {}, 0, false, {}, {}}, {}), "cannot be used: /h/KESTRO: the folder was not found."},
            {Reports::setOutcome({SetOutcome::What::RemoveFailed, "MINE", {}, {}, failure(ErrorCode::InUse, EBUSY, "/s/MINE"), {}, 0, false, {}, {}}, {}), "The channel set MINE cannot be removed: /s/MINE is in use, or another disk"},
            {Reports::setOutcome({SetOutcome::What::RemoveFailed, "MINE", {}, {}, failure(ErrorCode::NotAFolder, ENOTDIR, "/s/MINE"), {}, 0, false, {}, {}}, {}), "cannot be removed: /s/MINE is not a folder."},  // named once
            {Reports::sourceProblem({SourceProblem::What::WalkTooLong, 0, {}, {}}, {}), "more than 1 GiB"},
            {Reports::sourceProblem({SourceProblem::What::Unreadable, 0, failure(ErrorCode::PermissionDenied, EACCES, "/p/a"), {}}, "/p"), "\"/p/a\" cannot be read: permission denied."},  // named once
            {Reports::sourceProblem({SourceProblem::What::FileTwice, 1, {}, SourceProblem::twoPlaces("a/misc8.fsh", "b/MISC8.FSH")}, "/p"), "\"/p\" holds misc8.fsh more than once (\"a/misc8.fsh\" and \"b/MISC8.FSH\")"},
            {Reports::nameProblem(NameProblem::TooLong), "32 characters"},
            {Reports::misnamedSets({{"X\n\x1b[2J\xE2\x80\xAE" "FOX", NameProblem::BadCharacter}}), "\"X<U+000A><U+001B>[2J<U+202E>FOX\""},  // shown, never obeyed
            {Reports::misnamedSets(std::vector<std::pair<std::string, NameProblem>>(23, {"x", NameProblem::NotCapitals})), "capitals.\n  and 3 more\nRename"},
            {window([&] { auto r = report(A::Restore, K::Done); r.keptApart.assign(22, "\\k"); return r; }()), "if you want them:\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  \\k\n  and 2 more"},
            {Reports::misnamedSets({{"E\xCC\x81", NameProblem::Twice}}), "\"E\xCC\x81\" (E<U+0301>): Entries of your channel sets folder share this name"},
        };
        // clang-format on
        for (const auto& row : rows)
            QVERIFY2(row.text.contains(QString::fromUtf8(row.says)), qPrintable(row.text));
    }
};

QTEST_MAIN(TestMainWindow)
#include "mainwindow_test.moc"
