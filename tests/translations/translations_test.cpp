// SPDX-License-Identifier: GPL-3.0-or-later
// The program's translations: every catalogue finished, every translation filling in what
// its source fills in and keeping its keyboard accelerator; and the program speaking the
// player's language, or exactly its own words in the C and English locales.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The numbers filled in, each once: "%1", "%n", "%L2".
QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression number("%(n|L?[1-9][0-9]?)");
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) found << m.captured();
    return found;
}

// Accelerators marked: a single '&' before a letter ("&&" is an ampersand shown as it is).
int accelerators(const QString& text) {
    static const QRegularExpression mark("&(?:&|(\\w))",
                                         QRegularExpression::UseUnicodePropertiesOption);
    int count = 0;
    for (const QRegularExpressionMatch& m : mark.globalMatch(text)) count += m.hasCaptured(1);
    return count;
}

// What is wrong with one message's translation, or nothing.
QString problem(const QString& source, const QStringList& forms, bool numerus, int pluralForms) {
    if (numerus && forms.size() != pluralForms)
        return QString("%1 plural forms, not %2").arg(forms.size()).arg(pluralForms);
    for (const QString& form : forms) {
        if (form.isEmpty()) return "empty";
        if (placeholders(form) != placeholders(source))
            return QString("fills in %1").arg(placeholders(form).values().join(u' '));
        if (accelerators(form) != qMin(accelerators(source), 1))
            return QString("%1 accelerators").arg(accelerators(form));
    }
    return {};
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
  private slots:
    void catalogueIsComplete_data() {
        QTest::addColumn<int>("pluralForms");  // the row's name is the catalogue's language
        QTest::newRow("ro_RO") << 3;           // 1, 2-19, 20 de...
        QTest::newRow("ru_RU") << 3;           // 1/21, 2-4/22-24, 5-20
        QTest::newRow("pl_PL") << 3;           // 1, 2-4/22-24, 5-21
        QTest::newRow("pt_PT") << 2;
        QTest::newRow("es_ES") << 2;
    }
    void catalogueIsComplete() {
        QFETCH(int, pluralForms);
        const QString language = QTest::currentDataTag();
        QFile file(KESTRO_TRANSLATIONS_DIR "/kestro_" + language.left(2) + ".ts");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString context, source;
        QStringList wrong;
        bool numerus = false;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"TS") {
                QCOMPARE(xml.attributes().value(QLatin1String("language")).toString(), language);
            } else if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {  // a message's last part: judged here
                ++messages;
                const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                QStringList forms;
                while (numerus && xml.readNextStartElement()) forms << xml.readElementText();
                if (!numerus) forms << xml.readElementText();
                const QString why =
                    unfinished ? "unfinished" : problem(source, forms, numerus, pluralForms);
                if (!why.isEmpty()) wrong << context + u' ' + source + ": " + why;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 100);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void programSpeaks_data() {
        QTest::addColumn<QString>("environment");  // "NAME=value ...", the others unset
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("said");
        const QString english("kestro: Unknown option 'frobnicate'.\nTry 'kestro --help'.\n");
        // clang-format off
        QTest::newRow("C") << "LANG=C LANGUAGE=ro" << "--frobnicate" << english;
        QTest::newRow("POSIX") << "LC_ALL=POSIX LANGUAGE=ro" << "--frobnicate" << english;
        QTest::newRow("C, LANGUAGE ignored") << "LANG=C.UTF-8 LANGUAGE=ro" << "--frobnicate" << english;
        QTest::newRow("Romanian, with Qt's texts") << "LANG=ro_RO.UTF-8" << "--frobnicate" << "kestro: Opțiune necunoscută 'frobnicate'.\nÎncercați 'kestro --help'.\n";
        QTest::newRow("first spoken language in LANGUAGE") << "LANG=en_US.UTF-8 LANGUAGE=fr:es" << "--frobnicate" << "kestro: Opción desconocida 'frobnicate'.\nPruebe 'kestro --help'.\n";
        QTest::newRow("Polish help") << "LANG=pl_PL.UTF-8" << "--help" << "Użycie: kestro [opcje]\n";
        QTest::newRow("Brazilian Portuguese") << "LANG=pt_BR.UTF-8" << "--name" << "kestro: Falta um valor depois de '--name'.\n";
        // clang-format on
    }
    void programSpeaks() {
        QFETCH(QString, environment);
        QFETCH(QString, option);
        QFETCH(QString, said);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString variable : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(variable);
        for (const QString& setting : environment.split(u' '))
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QProcess kestro;
        kestro.setProcessEnvironment(env);
        kestro.start(QStringLiteral(KESTRO_EXECUTABLE), {option});
        QVERIFY(kestro.waitForFinished(30000));
        const QString out =
            QString::fromUtf8(kestro.readAllStandardOutput() + kestro.readAllStandardError());
        QVERIFY2(out.startsWith(said), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translations_test.moc"
