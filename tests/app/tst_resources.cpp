#include "app/application_resources.h"
#include "app/language_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The repository, found from this file's own path.
QString sourceRoot()
{
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../.."));
}

// Where the build puts the program and its translations, beside this test's folder.
QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app"));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One message of a translation source: where it stands, what it says in English and what
// the translation makes of it (one text per plural form).
struct ts_message {
    QString context;
    QString source;
    QString comment;
    QString type;  // "unfinished", "obsolete", "vanished" or empty
    bool numerus = false;
    QStringList translations;

    QString where() const
    {
        return context + QStringLiteral(" \"") + source + (comment.isEmpty() ? QString() : " (" + comment + ')')
            + QStringLiteral("\"");
    }
};

// The text of the element the reader stands on, up to its end; lupdate writes a control
// character as an element of its own, <byte value="xd"/> for a carriage return.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

QList<ts_message> readTranslationSource(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    QList<ts_message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = readText(xml);
        } else if (name == QLatin1String("message")) {
            ts_message message;
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = readText(xml);
                } else if (xml.name() == QLatin1String("comment")) {
                    message.comment = readText(xml);
                } else if (xml.name() == QLatin1String("translation")) {
                    message.type = xml.attributes().value(QLatin1String("type")).toString();
                    if (message.numerus) {
                        while (xml.readNextStartElement())
                            message.translations << readText(xml);
                    } else {
                        message.translations << readText(xml);
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    if (xml.hasError())
        *error = path + QLatin1Char(':') + QString::number(xml.lineNumber()) + QStringLiteral(": ") + xml.errorString();
    return messages;
}

// The placeholders of a text (%1 .. %99, %n), sorted, each once.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The mnemonic markers of a text ("&" before a letter) and its literal ampersands ("&&").
std::pair<int, int> ampersands(QString text)
{
    const int literal = text.count(QStringLiteral("&&"));
    text.remove(QStringLiteral("&&"));
    return {int(text.count(QLatin1Char('&'))), literal};
}

// The file patterns of a file chooser's filter: "(*.cfg625;*.kdg)".
QStringList filePatterns(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*[^)]*\\)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found << match.captured();
    return found;
}

} // namespace

class tst_resources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void images_data();
    void images();
    void translationSourcesCurrent_data();
    void translationSourcesCurrent();
    void builtTranslationsLoad();
    void translationsComplete_data();
    void translationsComplete();
    void translationChecksSeeFaults();
    void glossaryFollowed_data();
    void glossaryFollowed();
    void glossaryCheckSeesFaults();
};

void tst_resources::initTestCase()
{
    initApplicationResources();
    initApplicationResources();
}

void tst_resources::images_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("side");
    QTest::newRow("application") << ":/vd_sh.png" << 64;
    for (const char *name : {"exit", "fileopen", "filesave", "filenew", "szukaj", "wrench", "verify", "message"})
        QTest::newRow(name) << QStringLiteral(":/%1.png").arg(QLatin1String(name)) << 32;
    // One flag for English and for every language with a built-in name.
    QTest::newRow("flag en") << ":/en.png" << 32;
    for (const built_in_language_name &language : builtInLanguageNames)
        QTest::newRow(language.code) << QStringLiteral(":/%1.png").arg(QLatin1String(language.code)) << 32;
}

void tst_resources::images()
{
    QFETCH(QString, path);
    QFETCH(int, side);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(side, side));
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(!QIcon(path).isNull());
}

void tst_resources::translationSourcesCurrent_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("pl") << "Varidex625_pl.ts";
    QTest::newRow("de") << "Varidex625_de.ts";
}

// Running lupdate over the sources, as the update_translations target does, must leave the
// committed translation sources as they are.
void tst_resources::translationSourcesCurrent()
{
    QFETCH(QString, file);
    const QString root = sourceRoot();
    const QString committed = root + QStringLiteral("/resources/") + file;
    QVERIFY2(QFileInfo::exists(committed), qPrintable(committed));

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString copy = scratch.filePath(file);
    QVERIFY(QFile::copy(committed, copy));

    QStringList arguments = {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none")};
    for (const char *dir : {"app", "model", "link", "widgets", "scenes", "events", "programs", "settings"}) {
        if (QFileInfo::exists(root + QLatin1Char('/') + QLatin1String(dir)))
            arguments << QLatin1String(dir);
    }
    arguments << QStringLiteral("-ts") << copy;

    QProcess lupdate;
    lupdate.setWorkingDirectory(root);
    lupdate.start(QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    QVERIFY2(contents(copy) == contents(committed),
             qPrintable(file + QStringLiteral(" is out of date: cmake --build <build folder> --target update_translations")));
}

// The build compiles every translation source beside the program, and the language list
// offers each of them with a translator that loaded.
void tst_resources::builtTranslationsLoad()
{
    const QDir folder(programFolder());
    for (const char *code : {"pl", "de"}) {
        const QString path = folder.filePath(QStringLiteral("Varidex625_%1.qm").arg(QLatin1String(code)));
        QTranslator translator;
        QVERIFY2(translator.load(path), qPrintable(path));
    }

    QObject owner;
    const language_selection selection = buildLanguageList(folder, QStringLiteral("de"), QString(), &owner);
    QStringList names;
    for (const language_entry_class &entry : selection.entries)
        names << entry.name;
    names.sort();
    QCOMPARE(names, QStringList({"Deutsch", "English", "Polski"}));
    QCOMPARE(selection.entries[selection.requested].name, QStringLiteral("Deutsch"));
}

namespace {

// What is wrong with one message's translation: each fault a line.
QStringList translationFaults(const ts_message &message)
{
    QStringList faults;
    auto fault = [&](const QString &what) { faults << message.where() + QStringLiteral(": ") + what; };
    if (!message.type.isEmpty())
        fault(message.type);
    if (message.translations.isEmpty())
        fault(QStringLiteral("no translation"));
    const QStringList sourcePlaceholders = placeholders(message.source);
    for (const QString &translation : message.translations) {
        if (translation.isEmpty()) {
            fault(QStringLiteral("empty translation"));
            continue;
        }
        if (placeholders(translation) != sourcePlaceholders)
            fault(QStringLiteral("placeholders ") + placeholders(translation).join(' ') + QStringLiteral(" in \"")
                  + translation + QStringLiteral("\", the source has ") + sourcePlaceholders.join(' '));
        // A literal "&&" may become the language's own word for "and"; the accelerator stays.
        if (ampersands(translation).first != ampersands(message.source).first)
            fault(QStringLiteral("accelerator not as in the source: ") + translation);
        if (translation.count(QLatin1Char('\n')) != message.source.count(QLatin1Char('\n')))
            fault(QStringLiteral("line breaks not as in the source: ") + translation);
        if (filePatterns(translation) != filePatterns(message.source))
            fault(QStringLiteral("file patterns not as in the source: ") + translation);
    }
    return faults;
}

// One term of a language's glossary: the English word of the trade and its one translation.
struct glossary_term {
    QString source;
    QString translation;
    int line = 0;
};

// The glossary beside the translation source: one term a line, the English text, a tab and
// the translation; empty lines and lines starting with "#" say nothing.
QList<glossary_term> readGlossary(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    QList<glossary_term> terms;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (parts.size() != 2) {
            *error += QStringLiteral("%1:%2: not \"term<tab>translation\"\n").arg(path).arg(i + 1);
            continue;
        }
        terms << glossary_term{parts[0].trimmed(), parts[1].trimmed(), i + 1};
    }
    return terms;
}

// A text as a term of the glossary: without its accelerator, the blanks around it and a
// closing colon or ellipsis, in lower case; "  Infinite:" and "&infinite" are one term.
QString asTerm(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text.trimmed().toLower();
}

// Every message whose source is a glossary term and whose translation is not the term's
// translation, and every glossary term no message uses: each a line.
QStringList glossaryFaults(const QList<ts_message> &messages, const QList<glossary_term> &terms)
{
    QStringList faults;
    for (const glossary_term &term : terms) {
        bool used = false;
        for (const ts_message &message : messages) {
            if (message.numerus || asTerm(message.source) != asTerm(term.source))
                continue;
            used = true;
            for (const QString &translation : message.translations) {
                if (asTerm(translation) != asTerm(term.translation))
                    faults << message.where() + QStringLiteral(": \"") + translation
                            + QStringLiteral("\", the glossary says \"") + term.translation + QStringLiteral("\"");
            }
        }
        if (!used)
            faults << QStringLiteral("glossary line %1: no text of the program is \"%2\"").arg(term.line).arg(term.source);
    }
    return faults;
}

} // namespace

void tst_resources::translationsComplete_data()
{
    translationSourcesCurrent_data();
}

// Every text of the program is translated, and each translation keeps what the program
// relies on: the placeholders it fills in, the accelerator, the line breaks a box is laid
// out with and the patterns a file chooser filters by.
void tst_resources::translationsComplete()
{
    QFETCH(QString, file);
    QString error;
    const QList<ts_message> messages = readTranslationSource(sourceRoot() + QStringLiteral("/resources/") + file, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);
    QStringList faults;
    int plural = 0;
    for (const ts_message &message : messages) {
        faults << translationFaults(message);
        plural += message.numerus ? 1 : 0;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QVERIFY(plural > 0);  // the plural forms were read, not skipped
}

// The checks above find what they look for.
void tst_resources::translationChecksSeeFaults()
{
    auto faultsOf = [](const QString &source, const QStringList &translations, const QString &type = QString()) {
        ts_message message;
        message.context = QStringLiteral("ctx");
        message.source = source;
        message.type = type;
        message.translations = translations;
        return translationFaults(message).size();
    };
    QCOMPARE(faultsOf("Scene %1 of %2", {"Szene %2 von %1"}), 0);
    QCOMPARE(faultsOf("&File", {"&Datei"}), 0);
    QCOMPARE(faultsOf("State && Daytime Limits", {"Zustand && Tageszeit"}), 0);
    QCOMPARE(faultsOf("State && Daytime Limits", {"Limity stanów i pory dnia"}), 0);
    QCOMPARE(faultsOf("Upgrade (*.upg)", {"Update (*.upg)"}), 0);
    QCOMPARE(faultsOf("%n day(s) ", {"%n dzień ", "%n dni ", "%n dni "}), 0);
    QCOMPARE(faultsOf("Scene", {""}, "unfinished"), 2);
    QCOMPARE(faultsOf("Scene", {"Szene"}, "vanished"), 1);
    QCOMPARE(faultsOf("Scene", {}), 1);
    QCOMPARE(faultsOf("Scene %1", {"Szene"}), 1);
    QCOMPARE(faultsOf("Scene", {"Szene %1"}), 1);
    QCOMPARE(faultsOf("%n day(s) ", {"%n Tag ", "Tage "}), 1);
    QCOMPARE(faultsOf("&File", {"Datei"}), 1);
    QCOMPARE(faultsOf("&File", {"&Da&tei"}), 1);
    QCOMPARE(faultsOf("State && Limits", {"Zustand & Grenzen"}), 1);
    QCOMPARE(faultsOf("Timer\nno. %1", {"Timer Nr. %1"}), 1);
    QCOMPARE(faultsOf("Upgrade (*.upg)", {"Update (*.up)"}), 1);
}

void tst_resources::glossaryFollowed_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("pl") << "pl";
    QTest::newRow("de") << "de";
}

// Each term of the trade reads the same wherever the program uses it: every text whose
// source is a term of the language's glossary has the glossary's translation.
void tst_resources::glossaryFollowed()
{
    QFETCH(QString, code);
    const QString folder = sourceRoot() + QStringLiteral("/resources/");
    QString error;
    const QList<glossary_term> terms = readGlossary(folder + QStringLiteral("glossary_%1.txt").arg(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(terms.size() >= 20);
    QStringList sources;
    for (const glossary_term &term : terms)
        sources << asTerm(term.source);
    sources.removeDuplicates();
    QCOMPARE(sources.size(), terms.size());  // one translation a term
    const QList<ts_message> messages =
        readTranslationSource(folder + QStringLiteral("Varidex625_%1.ts").arg(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList faults = glossaryFaults(messages, terms);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The glossary check finds a term translated another way, in any spelling of its source,
// and a term no text uses; it leaves other texts alone.
void tst_resources::glossaryCheckSeesFaults()
{
    auto message = [](const QString &source, const QString &translation) {
        ts_message m;
        m.context = QStringLiteral("ctx");
        m.source = source;
        m.translations = {translation};
        return m;
    };
    const QList<glossary_term> terms = {{QStringLiteral("Infinite"), QStringLiteral("Endlos"), 1},
                                        {QStringLiteral("Fade Up Time"), QStringLiteral("Einblendzeit"), 2}};
    const QList<ts_message> agreeing = {message("Infinite", "Endlos"), message("  infinite", "  endlos"),
                                        message("Fade Up Time:", "Einblendzeit:"), message("&Infinite", "&Endlos"),
                                        message("Infinite loop", "Unendliche Schleife")};
    QCOMPARE(glossaryFaults(agreeing, terms), QStringList());
    QCOMPARE(glossaryFaults({message("Infinite", "Unendlich"), message("Fade Up Time", "Einblendzeit")}, terms).size(), 1);
    QCOMPARE(glossaryFaults({message("Infinite", "Endlos"), message("  infinite", "  unendlich"),
                             message("Fade Up Time", "Einblendzeit")},
                            terms).size(),
             1);
    QCOMPARE(glossaryFaults({message("Infinite", "Endlos")}, terms).size(), 1);  // "Fade Up Time" unused
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
