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

#include <algorithm>

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
    void shortFormCheckSeesFaults_data();
    void shortFormCheckSeesFaults();
    void meaningCheckSeesFaults_data();
    void meaningCheckSeesFaults();
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

// One term of a language's glossary: the English word of the trade, its one translation and,
// for the places that translation does not fit, its one short form.
struct glossary_term {
    QString source;
    QString translation;
    QString shortForm;
    int line = 0;

    QStringList forms() const
    {
        return shortForm.isEmpty() ? QStringList{translation} : QStringList{translation, shortForm};
    }
};

// The glossary beside the translation source: one term a line, the English text, a tab, the
// translation and optionally a tab and its short form; empty lines and lines starting with
// "#" say nothing.
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
        if (parts.size() != 2 && parts.size() != 3) {
            *error += QStringLiteral("%1:%2: not \"term<tab>translation[<tab>short form]\"\n").arg(path).arg(i + 1);
            continue;
        }
        terms << glossary_term{parts[0].trimmed(), parts[1].trimmed(), parts.value(2).trimmed(), i + 1};
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

// True when the text, read as a term, is one of the term's forms.
bool isFormOf(const QString &text, const glossary_term &term)
{
    for (const QString &form : term.forms()) {
        if (asTerm(text) == asTerm(form))
            return true;
    }
    return false;
}

// Every message whose source is a glossary term and whose translation is neither the term's
// translation nor its short form, and every glossary term no message uses: each a line.
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
                if (!isFormOf(translation, term))
                    faults << message.where() + QStringLiteral(": \"") + translation
                            + QStringLiteral("\", the glossary says \"") + term.forms().join(QStringLiteral("\" or \""))
                            + QStringLiteral("\"");
            }
        }
        if (!used)
            faults << QStringLiteral("glossary line %1: no text of the program is \"%2\"").arg(term.line).arg(term.source);
    }
    return faults;
}

// The words of a text in lower case, without its accelerator and its ellipses; a word keeps
// the dot that closes it, so "Zdarz." is a short form and "Zdarz" is not.
QStringList wordsOf(QString text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}[\\p{L}-]*\\.?"));
    text.remove(QStringLiteral("&&"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("..."), QStringLiteral(" "));
    text.replace(QChar(0x2026), QLatin1Char(' '));
    QStringList words;
    for (const QRegularExpressionMatch &match : word.globalMatch(text))
        words << match.captured().toLower();
    return words;
}

QString stem(const QString &word)
{
    return word.endsWith(QLatin1Char('.')) ? word.chopped(1) : word;
}

// "zd." cuts "zdarzenie" and "zdarz.": a word closed by a dot whose letters begin the other
// word and are fewer. One letter before a dot ("o.", "a.") is an initial, not a short form.
bool cuts(const QString &word, const QString &longer)
{
    const QString letters = stem(word);
    return word.endsWith(QLatin1Char('.')) && letters.size() >= 2 && letters.size() < stem(longer).size()
        && stem(longer).startsWith(letters);
}

// The words may be one word of the translation: the same, or one cut from the other.
bool mayBeOneWord(const QString &a, const QString &b)
{
    return stem(a) == stem(b) || cuts(a, b) || cuts(b, a);
}

// Words that may spell the form, at least one of them cut shorter than the form's: "zd. wewn."
// and "zdarzenie wewn." of "zdarzenie wewnętrzne".
bool shortensForm(const QStringList &words, const QStringList &form)
{
    bool cut = false;
    for (int i = 0; i < form.size(); ++i) {
        if (!mayBeOneWord(words[i], form[i]))
            return false;
        cut = cut || cuts(words[i], form[i]);
    }
    return cut;
}

// The forms the glossary lists, each as its words.
QList<QStringList> listedForms(const QList<glossary_term> &terms)
{
    QList<QStringList> listed;
    for (const glossary_term &term : terms) {
        for (const QString &form : term.forms())
            listed << wordsOf(form);
    }
    return listed;
}

// Every short form of a glossary term's translation that the glossary does not list, as the
// translations of the program spell it: each a line.
QStringList shortFormFaults(const QList<ts_message> &messages, const QList<glossary_term> &terms)
{
    const QList<QStringList> listed = listedForms(terms);
    QStringList faults;
    for (const ts_message &message : messages) {
        for (const QString &translation : message.translations) {
            const QStringList words = wordsOf(translation);
            for (const QStringList &form : listed) {
                for (int at = 0; at + form.size() <= words.size(); ++at) {
                    const QStringList spelt = words.mid(at, form.size());
                    if (shortensForm(spelt, form) && !listed.contains(spelt))
                        faults << message.where() + QStringLiteral(": \"") + spelt.join(' ')
                                + QStringLiteral("\" is a short form the glossary does not list");
                }
            }
        }
    }
    faults.removeDuplicates();
    return faults;
}

// Every short form the glossary lists that no translation spells: each a line.
QStringList unusedShortForms(const QList<ts_message> &messages, const QList<glossary_term> &terms)
{
    QStringList faults;
    for (const glossary_term &term : terms) {
        const QStringList form = wordsOf(term.shortForm);
        bool used = false;
        for (const ts_message &message : messages) {
            for (const QString &translation : message.translations) {
                const QStringList words = wordsOf(translation);
                for (int at = 0; !used && at + form.size() <= words.size(); ++at)
                    used = words.mid(at, form.size()) == form;
            }
        }
        if (!form.isEmpty() && !used)
            faults << QStringLiteral("glossary line %1: no text uses the short form \"%2\"")
                          .arg(term.line)
                          .arg(term.shortForm);
    }
    return faults;
}

// True when the letters stand in the word in their order, the first first: "rlsd" in
// "released".
bool lettersWithin(const QString &letters, const QString &word)
{
    if (letters.isEmpty() || word.isEmpty() || letters[0] != word[0])
        return false;
    qsizetype at = 0;
    for (const QChar letter : letters) {
        at = word.indexOf(letter, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

// English words that may be one: the same, one a beginning of the other ("Del", "config") or
// one abbreviated with a dot from the other ("Inc.", "rlsd.").
bool mayBeOneSourceWord(const QString &a, const QString &b)
{
    const bool aShorter = stem(a).size() < stem(b).size();
    const QString &cut = aShorter ? a : b;
    const QString letters = stem(cut);
    const QString whole = stem(aShorter ? b : a);
    if (letters == whole)
        return true;
    if (cut.endsWith(QLatin1Char('.')))
        return letters.size() >= 2 && lettersWithin(letters, whole);
    return letters.size() >= 3 && whole.startsWith(letters);
}

// True when every word of the shorter text stands in the longer one, in its order.
bool wordsWithin(const QStringList &longer, const QStringList &shorter)
{
    int found = 0;
    for (const QString &word : longer) {
        if (found < shorter.size() && mayBeOneSourceWord(word, shorter[found]))
            ++found;
    }
    return found == shorter.size();
}

// One source may name the term of another: "Clear all" and "&Clear" are "Clear", "Inc.
// brightness" is "Increase brightness".
bool namesTerm(const QString &source, const QString &term)
{
    const QStringList a = wordsOf(source);
    const QStringList b = wordsOf(term);
    return asTerm(source) == asTerm(term) || (a.size() >= b.size() ? wordsWithin(a, b) : wordsWithin(b, a));
}

// Every translation that spells a glossary term's form for a source naming another term: the
// form would have two meanings. Sources the glossary gives the same form are one meaning.
QStringList meaningFaults(const QList<ts_message> &messages, const QList<glossary_term> &terms)
{
    QStringList faults;
    for (const ts_message &message : messages) {
        for (const QString &translation : message.translations) {
            QStringList meanings;
            bool named = false;
            for (const glossary_term &term : terms) {
                if (!isFormOf(translation, term))
                    continue;
                meanings << term.source;
                named = named || namesTerm(message.source, term.source);
            }
            if (!meanings.isEmpty() && !named)
                faults << message.where() + QStringLiteral(": \"") + translation
                        + QStringLiteral("\" stands for \"") + meanings.join(QStringLiteral("\", \""))
                        + QStringLiteral("\" in the glossary");
        }
    }
    faults.removeDuplicates();
    return faults;
}

// Two short forms of one word: the glossary gives each word one.
QStringList shortFormsAgree(const QList<glossary_term> &terms)
{
    QStringList faults;
    for (const glossary_term &a : terms) {
        for (const glossary_term &b : terms) {
            const QStringList x = wordsOf(a.shortForm);
            const QStringList y = wordsOf(b.shortForm);
            if (a.line < b.line && !x.isEmpty() && x.size() == y.size() && x != y
                && std::equal(x.begin(), x.end(), y.begin(), mayBeOneWord))
                faults << QStringLiteral("glossary lines %1 and %2: \"%3\" and \"%4\" shorten one word two ways")
                              .arg(a.line).arg(b.line).arg(a.shortForm, b.shortForm);
        }
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
// source is a term of the language's glossary has the glossary's translation, a term is cut
// short one way only, the one the glossary lists, and a term's form means that term alone.
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
    const QStringList ownFaults = shortFormsAgree(terms);
    QVERIFY2(ownFaults.isEmpty(), qPrintable(ownFaults.join('\n')));
    const QList<ts_message> messages =
        readTranslationSource(folder + QStringLiteral("Varidex625_%1.ts").arg(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList faults =
        glossaryFaults(messages, terms) + shortFormFaults(messages, terms) + unusedShortForms(messages, terms)
        + meaningFaults(messages, terms);
    // Each on a line of its own: the test's message is cut after a few of them.
    for (const QString &fault : faults)
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts against the glossary").arg(faults.size())));
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
    const QList<glossary_term> terms = {{QStringLiteral("Infinite"), QStringLiteral("Endlos"), QString(), 1},
                                        {QStringLiteral("Fade Up Time"), QStringLiteral("Einblendzeit"), QString(), 2}};
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

    // A term with a short form reads either way; its short form is used somewhere.
    const QList<glossary_term> shortened = {
        {QStringLiteral("Internal Event"), QStringLiteral("Internes Ereignis"), QStringLiteral("Int. Ereignis"), 1}};
    QCOMPARE(glossaryFaults({message("Internal Event", "Int. Ereignis"),
                             message("Internal Event", "Internes Ereignis")},
                            shortened),
             QStringList());
    QCOMPARE(glossaryFaults({message("Internal Event", "Int. Ereign.")}, shortened).size(), 1);
    QCOMPARE(unusedShortForms({message("Internal Event %1", "Internes Ereignis %1")}, shortened).size(), 1);
    QCOMPARE(unusedShortForms({message("Int. ev. %1", "Int. Ereignis %1")}, shortened), QStringList());
    QCOMPARE(shortFormsAgree(shortened), QStringList());
    const glossary_term otherCut = {"Int. event", "Internes Ereignis", "Int. Ereign.", 2};
    QCOMPARE(shortFormsAgree(shortened + QList<glossary_term>{otherCut}).size(), 1);
}

namespace {

ts_message translated(const QString &source, const QString &translation)
{
    ts_message message;
    message.context = QStringLiteral("ctx");
    message.source = source;
    message.translations = {translation};
    return message;
}

} // namespace

void tst_resources::shortFormCheckSeesFaults_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("faults");
    QTest::newRow("the short form") << "Zdarz. wewn. %1 - " << 0;
    QTest::newRow("the whole form") << "Zdarzenie wewnętrzne %1" << 0;
    QTest::newRow("another case, whole") << "Zdarzenia wewnętrzne" << 0;
    QTest::newRow("ending a sentence") << "Usuń zdarzenie wewnętrzne." << 0;
    QTest::newRow("among other words") << "Nr opóźn." << 0;
    QTest::newRow("another word's short form") << "Prz. %1" << 0;
    QTest::newRow("initials") << "Sp. z o.o." << 0;
    QTest::newRow("ellipsis") << "Opóźnienie..." << 0;
    QTest::newRow("hyphenated, whole") << "DMX-Ausgang" << 0;
    QTest::newRow("first word cut shorter") << "Zd. wewn. %1 - " << 1;
    QTest::newRow("one word cut") << "Zdarzenie wewn. %1 - " << 1;
    QTest::newRow("cut another way") << "Przyc. pilota" << 1;
    QTest::newRow("within a text") << "Kopiuj opóź. %1" << 1;
    QTest::newRow("hyphenated, cut") << "DMX-Ausg." << 1;
}

// A term's translation is cut short the one way its glossary lists, wherever it stands.
void tst_resources::shortFormCheckSeesFaults()
{
    QFETCH(QString, translation);
    QFETCH(int, faults);
    const QList<glossary_term> terms = {
        {QStringLiteral("Internal Event"), QStringLiteral("Zdarzenie wewnętrzne"), QStringLiteral("Zdarz. wewn."), 1},
        {QStringLiteral("Internal Events"), QStringLiteral("Zdarzenia wewnętrzne"), QString(), 2},
        {QStringLiteral("Delay"), QStringLiteral("Opóźnienie"), QStringLiteral("Opóźn."), 3},
        {QStringLiteral("Button"), QStringLiteral("Przycisk"), QStringLiteral("Prz."), 4},
        {QStringLiteral("Decrease brightness"), QStringLiteral("Przyciemnij"), QString(), 5},
        {QStringLiteral("DMX Output"), QStringLiteral("DMX-Ausgang"), QString(), 6},
    };
    const QStringList found = shortFormFaults({translated(QStringLiteral("source"), translation)}, terms);
    QVERIFY2(found.size() == faults, qPrintable(found.join('\n')));
}

void tst_resources::meaningCheckSeesFaults_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("faults");
    QTest::newRow("the term") << "Enable" << "Freigeben" << 0;
    QTest::newRow("spelt otherwise") << "&Enable" << "&freigeben" << 0;
    QTest::newRow("two terms given one form") << "Del" << "Löschen" << 0;
    QTest::newRow("more than the term") << "Clear config" << "Konfiguration löschen" << 0;
    QTest::newRow("less than the term") << "&Clear" << "Konfiguration &löschen" << 0;
    QTest::newRow("abbreviated source") << "Inc. brightness" << "Heller" << 0;
    QTest::newRow("source abbreviated inside") << "Dlt." << "Löschen" << 0;
    QTest::newRow("the form within a text") << "Release file" << "Datei freigeben" << 0;
    QTest::newRow("no term's form") << "Release" << "Lösen" << 0;
    QTest::newRow("another term's form") << "Release" << "Freigeben" << 1;
    QTest::newRow("a source the glossary lacks") << "Remove" << "Löschen" << 1;
    QTest::newRow("spelt otherwise, another term") << "Enable" << "&Aktivieren" << 1;
}

// A form of a term stands for that term only: a translation that spells it for another
// source gives the form two meanings.
void tst_resources::meaningCheckSeesFaults()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(int, faults);
    const QList<glossary_term> terms = {
        {QStringLiteral("Enable"), QStringLiteral("Freigeben"), QString(), 1},
        {QStringLiteral("Activate"), QStringLiteral("Aktivieren"), QString(), 2},
        {QStringLiteral("Delete"), QStringLiteral("Löschen"), QString(), 3},
        {QStringLiteral("Del"), QStringLiteral("Löschen"), QString(), 4},
        {QStringLiteral("Clear configuration"), QStringLiteral("Konfiguration löschen"), QString(), 5},
        {QStringLiteral("Increase brightness"), QStringLiteral("Heller"), QString(), 6},
    };
    const QStringList found = meaningFaults({translated(source, translation)}, terms);
    QVERIFY2(found.size() == faults, qPrintable(found.join('\n')));
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
