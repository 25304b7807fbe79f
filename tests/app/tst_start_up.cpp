#include "app/language_list.h"
#include "app/parameters_file.h"
#include "app/start_options.h"
#include "app/varidex_main.h"
#include "link/kd620_controller_class.h"
#include "model/controller_configuration_class.h"
#include "tests/support/scripted_interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(contents), contents.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What a language change writes when it cannot keep the old file.
const QByteArray freshGermanFile = "<ini device=\"Kd625\">\n"
                                   " <desc>Kd620 parameters file</desc>\n"
                                   " <lang>de</lang>\n"
                                   " <lang_name>Deutsch</lang_name>\n"
                                   "</ini>\n";

// "code:name" of each entry after English, sorted: the directory lists files unsorted.
QStringList translationEntries(const language_selection &selection)
{
    QStringList result;
    for (qsizetype i = 1; i < selection.entries.size(); ++i)
        result << selection.entries[i].code + QLatin1Char(':') + selection.entries[i].name;
    std::sort(result.begin(), result.end());
    return result;
}

// The translation files the build makes beside the program.
QString builtTranslation(const QString &code)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Varidex625_")) + code
        + QStringLiteral(".qm");
}

} // namespace

class tst_start_up : public QObject
{
    Q_OBJECT

private slots:
    void languageList_data();
    void languageList();
    void languageTranslatorsOwned();
    void qtTranslationsSwapped();

    void savedLanguageRead_data();
    void savedLanguageRead();
    void languageSaved_data();
    void languageSaved();
    void languageSaveFails();
    void languageRoundTrip();

    void options_data();
    void options();
    void optionsApplied();

    void fileGivenSpeaksTheSavedLanguage_data();
    void fileGivenSpeaksTheSavedLanguage();
};

void tst_start_up::languageList_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("savedCode");
    QTest::addColumn<QString>("savedName");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("chosenCode");

    const QString none;
    QTest::newRow("no files") << QStringList() << none << none << QStringList() << "en";
    QTest::newRow("no files, saved de") << QStringList() << "de" << "Deutsch" << QStringList() << "en";
    QTest::newRow("pl only, nothing saved") << QStringList{"Varidex625_pl.qm"} << none << none
                                            << QStringList{"pl:Polski"} << "pl";
    QTest::newRow("de only, nothing saved: last found")
        << QStringList{"Varidex625_de.qm"} << none << none << QStringList{"de:Deutsch"} << "de";
    QTest::newRow("saved code matches")
        << QStringList{"Varidex625_pl.qm", "Varidex625_de.qm", "Varidex625_ru.qm"} << "de" << none
        << QStringList{"de:Deutsch", "pl:Polski", QString::fromUtf8("ru:Русский")} << "de";
    QTest::newRow("saved en") << QStringList{"Varidex625_pl.qm", "Varidex625_fr.qm"} << "en" << "English"
                              << QStringList{QString::fromUtf8("fr:Français"), "pl:Polski"} << "en";
    QTest::newRow("unknown code named by the saved name")
        << QStringList{"Varidex625_cs.qm"} << "cs" << QString::fromUtf8("Čeština")
        << QStringList{QString::fromUtf8("cs:Čeština")} << "cs";
    QTest::newRow("unknown code not saved")
        << QStringList{"Varidex625_cs.qm"} << "pl" << "Polski" << QStringList{"cs:unknown"} << "cs";
    // The pattern ignores case, the built-in names do not.
    QTest::newRow("upper-case file name")
        << QStringList{"VARIDEX625_PL.QM"} << none << none << QStringList{"PL:unknown"} << "PL";
    QTest::newRow("other names ignored")
        << QStringList{"Varidex625.qm", "Other_pl.qm", "Varidex625_pl.ts", "Varidex625_it.qm.bak"} << none
        << none << QStringList() << "en";
}

void tst_start_up::languageList()
{
    QFETCH(QStringList, files);
    QFETCH(QString, savedCode);
    QFETCH(QString, savedName);
    QFETCH(QStringList, entries);
    QFETCH(QString, chosenCode);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : files)
        touch(dir.filePath(file));
    // A directory with a matching name is not a translation file.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Varidex625_es.qm")));

    QObject owner;
    const language_selection selection = buildLanguageList(QDir(dir.path()), savedCode, savedName, &owner);

    QVERIFY(!selection.entries.isEmpty());
    QCOMPARE(selection.entries[0].name, QStringLiteral("English"));
    QCOMPARE(selection.entries[0].code, QStringLiteral("en"));
    QVERIFY(!selection.entries[0].translator);
    QCOMPARE(translationEntries(selection), entries);
    QVERIFY(selection.requested >= 0 && selection.requested < selection.entries.size());
    QCOMPARE(selection.entries[selection.requested].code, chosenCode);
}

// Every translation file gets a translator owned by the given object, also one that does
// not load; English has none.
void tst_start_up::languageTranslatorsOwned()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("Varidex625_de.qm")));
    touch(dir.filePath(QStringLiteral("Varidex625_it.qm")));

    QObject owner;
    const language_selection selection = buildLanguageList(QDir(dir.path()), QString(), QString(), &owner);
    QCOMPARE(selection.entries.size(), 3);
    int qtTranslations = 0;  // Qt's own, where the Qt installation has them
    for (const language_entry_class &entry : selection.entries) {
        if (entry.qtTranslator) {
            QCOMPARE(entry.qtTranslator->parent(), &owner);
            ++qtTranslations;
        }
    }
    QCOMPARE(owner.findChildren<QTranslator *>().size(), 2 + qtTranslations);
    for (qsizetype i = 1; i < selection.entries.size(); ++i) {
        QVERIFY(selection.entries[i].translator);
        QCOMPARE(selection.entries[i].translator->parent(), &owner);
        QVERIFY(selection.entries[i].translator->isEmpty());
        QVERIFY(!selection.entries[i].action);
    }
    // Nothing saved means "pl", which matches nothing here: the last file listed wins.
    QCOMPARE(selection.requested, 2);
}

// Beside the program's translation each language gets Qt's own (the standard buttons, the
// file dialog) where the Qt installation has one; a language change swaps both, and a
// language Qt does not speak, like English, leaves Qt's texts English.
void tst_start_up::qtTranslationsSwapped()
{
    const QDir qtFolder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const char *code : {"de", "pl"}) {
        if (!qtFolder.exists(QStringLiteral("qtbase_%1.qm").arg(QLatin1String(code))))
            QSKIP("Qt's own translations are not installed");
    }
    QTemporaryDir dir;
    for (const char *code : {"de", "pl", "xx"})
        touch(dir.filePath(QStringLiteral("Varidex625_%1.qm").arg(QLatin1String(code))));
    QObject owner;
    ::languageList = buildLanguageList(QDir(dir.path()), QStringLiteral("de"), QString(), &owner).entries;
    currentLanguage = -1;
    auto indexOf = [](const char *code) {
        for (int i = 0; i < ::languageList.size(); ++i) {
            if (::languageList[i].code == QLatin1String(code))
                return i;
        }
        return -1;
    };
    QVERIFY(!::languageList[0].qtTranslator);
    QVERIFY(!::languageList[indexOf("xx")].qtTranslator);
    QVERIFY(::languageList[indexOf("de")].qtTranslator);
    QVERIFY(::languageList[indexOf("pl")].qtTranslator);

    auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    installLanguage(indexOf("de"));
    QCOMPARE(cancel(), QStringLiteral("Abbrechen"));
    installLanguage(indexOf("pl"));
    QCOMPARE(cancel(), QStringLiteral("Anuluj"));
    installLanguage(indexOf("xx"));
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    installLanguage(indexOf("de"));
    installLanguage(0);
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    ::languageList.clear();
    currentLanguage = -1;
}

void tst_start_up::savedLanguageRead_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("written by us") << freshGermanFile << "de" << "Deutsch";
    QTest::newRow("leaves in any case")
        << QByteArray("<ini device=\"Kd625\">\n <LANG>fr</LANG>\n <Lang_Name>Fr</Lang_Name>\n</ini>\n") << "fr"
        << "Fr";
    QTest::newRow("ini after another element")
        << QByteArray("<other>x</other>\n<ini device=\"Kd625\">\n <lang>it</lang>\n</ini>\n") << "it" << "";
    QTest::newRow("no lang leaf") << QByteArray("<ini device=\"Kd625\">\n <lang_name>X</lang_name>\n</ini>\n") << ""
                                  << "X";
    QTest::newRow("device in other case")
        << QByteArray("<ini device=\"kd625\">\n <lang>de</lang>\n</ini>\n") << "" << "";
    QTest::newRow("no device") << QByteArray("<ini>\n <lang>de</lang>\n</ini>\n") << "" << "";
    QTest::newRow("no ini") << QByteArray("<INI device=\"Kd625\">\n <lang>de</lang>\n</INI>\n") << "" << "";
    QTest::newRow("invalid: unclosed")
        << QByteArray("<ini device=\"Kd625\">\n <lang>de</lang>\n</inx>\n") << "" << "";
    QTest::newRow("invalid: stray line")
        << QByteArray("nonsense\n<ini device=\"Kd625\">\n <lang>de</lang>\n</ini>\n") << "" << "";
    QTest::newRow("empty file") << QByteArray() << "" << "";
    QTest::newRow("binary") << QByteArray("\x00\xff<\x01>\x02", 6) << "" << "";
}

void tst_start_up::savedLanguageRead()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, code);
    QFETCH(QString, name);

    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(parametersFileName));
    writeFile(path, contents);
    const saved_language saved = readSavedLanguage(path);
    QCOMPARE(saved.code, code);
    QCOMPARE(saved.name, name);
}

void tst_start_up::languageSaved_data()
{
    QTest::addColumn<QByteArray>("before");  // "<missing>": no file
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file") << QByteArray("<missing>") << freshGermanFile;
    QTest::newRow("invalid file replaced")
        << QByteArray("<ini device=\"Kd625\">\n <lang>pl</lang>\n <keep>1</keep>\n</inx>\n") << freshGermanFile;
    QTest::newRow("other device replaced")
        << QByteArray("<ini device=\"KD625\">\n <lang>pl</lang>\n</ini>\n") << freshGermanFile;
    QTest::newRow("no ini replaced") << QByteArray("<settings>\n <lang>pl</lang>\n</settings>\n") << freshGermanFile;
    // A valid file keeps its "ini" with everything in it; leaves are matched exactly, new
    // ones follow the old ones; other top-level elements are dropped.
    QTest::newRow("valid file kept")
        << QByteArray("<top>t</top>\n"
                      "<empty/>\n"
                      "<ini device=\"Kd625\" extra=\"1\">\n"
                      " <lang>pl</lang>\n"
                      " <LANG_NAME>Polski</LANG_NAME>\n"
                      " <sub>\n"
                      "  <x>1</x>\n"
                      " </sub>\n"
                      "</ini>\n")
        << QByteArray("<ini device=\"Kd625\" extra=\"1\">\n"
                      " <lang>de</lang>\n"
                      " <LANG_NAME>Polski</LANG_NAME>\n"
                      " <desc>Kd620 parameters file</desc>\n"
                      " <lang_name>Deutsch</lang_name>\n"
                      " <sub>\n"
                      "  <x>1</x>\n"
                      " </sub>\n"
                      "</ini>\n");
}

void tst_start_up::languageSaved()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(parametersFileName));
    if (before != "<missing>")
        writeFile(path, before);
    QVERIFY(saveLanguage(path, QStringLiteral("de"), QStringLiteral("Deutsch")));
    QCOMPARE(readFile(path), after);
}

// A file that cannot be written is reported, and an old file stays whole.
void tst_start_up::languageSaveFails()
{
    QTemporaryDir dir;
    QVERIFY(!saveLanguage(dir.filePath(QStringLiteral("no such folder/Kd625.kdi")), "de", "Deutsch"));

    const QString path = dir.filePath(QString::fromLatin1(parametersFileName));
    QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(parametersFileName)));
    QVERIFY(!saveLanguage(path, "de", "Deutsch"));
    QVERIFY(QFileInfo(path).isDir());
}

void tst_start_up::languageRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(parametersFileName));
    QVERIFY(saveLanguage(path, QStringLiteral("fr"), QString::fromUtf8("Français")));
    QVERIFY(saveLanguage(path, QStringLiteral("ru"), QString::fromUtf8("Русский")));
    const saved_language saved = readSavedLanguage(path);
    QCOMPARE(saved.code, QStringLiteral("ru"));
    QCOMPARE(saved.name, QString::fromUtf8("Русский"));
}

void tst_start_up::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("configFiles");
    QTest::addColumn<QString>("optionL");
    QTest::addColumn<QString>("optionP");
    QTest::addColumn<QStringList>("bad");

    const QStringList none;
    QTest::newRow("nothing") << QStringList() << none << "" << "" << none;
    QTest::newRow("-C file") << QStringList{"-C", "show.cfg625"} << QStringList{"show.cfg625"} << "" << ""
                             << none;
    QTest::newRow("-c lower case") << QStringList{"-c", "a.cfg"} << QStringList{"a.cfg"} << "" << "" << none;
    QTest::newRow("-L text") << QStringList{"-L", "text"} << none << "text" << "" << none;
    QTest::newRow("-p text") << QStringList{"-p", "pass word"} << none << "" << "pass word" << none;
    QTest::newRow("-x") << QStringList{"-x"} << none << "" << "" << QStringList{"-x"};
    QTest::newRow("lone hyphen") << QStringList{"-"} << none << "" << "" << QStringList{"-"};
    QTest::newRow("--help") << QStringList{"--help"} << none << "" << "" << QStringList{"--help"};
    QTest::newRow("trailing -C") << QStringList{"-L", "x", "-C"} << none << "x" << "" << QStringList{"-C"};
    QTest::newRow("trailing -L") << QStringList{"-L"} << none << "" << "" << QStringList{"-L"};
    QTest::newRow("-Cfoo counts as -C") << QStringList{"-Cfoo", "b.cfg"} << QStringList{"b.cfg"} << "" << ""
                                        << none;
    QTest::newRow("value not read as an option")
        << QStringList{"-C", "-L"} << QStringList{"-L"} << "" << "" << none;
    QTest::newRow("-L text then -C file")
        << QStringList{"-L", "text", "-C", "show.cfg"} << QStringList{"show.cfg"} << "text" << "" << none;
    QTest::newRow("plain arguments skipped")
        << QStringList{"show.cfg", "-y", "more", "-P", "p", "-C", "a", "-C", "b"} << QStringList{"a", "b"} << ""
        << "p" << QStringList{"-y"};
    QTest::newRow("last -L counts") << QStringList{"-L", "one", "-l", "two"} << none << "two" << "" << none;
}

void tst_start_up::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, configFiles);
    QFETCH(QString, optionL);
    QFETCH(QString, optionP);
    QFETCH(QStringList, bad);

    arguments.prepend(QStringLiteral("varidex625"));
    const start_options options = parseStartOptions(arguments);
    QCOMPARE(options.configFiles, configFiles);
    QCOMPARE(options.optionL, optionL);
    QCOMPARE(options.optionP, optionP);
    QCOMPARE(options.badParameters, bad);
}

void tst_start_up::optionsApplied()
{
    const start_options options =
        parseStartOptions({"varidex625", "-x", "-L", "text", "-", "-P", "pw", "-C", "show.cfg"});
    controller_configuration_class controller;

    QTest::ignoreMessage(QtDebugMsg, "Bad parameter : -x");
    QTest::ignoreMessage(QtDebugMsg, "Bad parameter : -");
    applyStartOptions(options, controller);
    QCOMPARE(controller.optionL, QStringLiteral("text"));
    QCOMPARE(controller.optionP, QStringLiteral("pw"));
}

void tst_start_up::fileGivenSpeaksTheSavedLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("German") << "de" << "Deutsch" << "Lesen der Daten aus der Datei\n           erfolgreich!";
    QTest::newRow("Polish") << "pl" << "Polski" << QString::fromUtf8("Odczyt danych z pliku\n zakończony pomyślnie!");
    QTest::newRow("English") << "en" << "English" << "Data read from file\n    successful!";
}

// The file given with -C is read at start-up, before any window: its outcome box already
// speaks the language the user saved.
void tst_start_up::fileGivenSpeaksTheSavedLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, outcome);

    QTemporaryDir dir;
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    for (const char *translation : {"de", "pl"}) {
        const QString built = builtTranslation(QLatin1String(translation));
        QVERIFY2(QFile::copy(built, QFileInfo(built).fileName()), qPrintable(built));
    }
    QVERIFY(saveLanguage(QString::fromLatin1(parametersFileName), code, name));
    const QString file = dir.filePath(QStringLiteral("show.cfg625"));
    scripted_interaction ui;
    {
        kd620_controller_class saved;
        saved.write_confDataToFile(file, false);
    }
    ui.clear();

    QObject translators;
    startUp({QStringLiteral("varidex625"), QStringLiteral("-C"), file}, &translators);
    const QStringList texts = ui.messageTexts();
    const QString language = ::languageList.value(requestedLanguage).code;  // the saved one
    shutDown();
    QDir::setCurrent(previousDir);

    QCOMPARE(language, code);
    QCOMPARE(texts, QStringList{outcome});
}

QTEST_GUILESS_MAIN(tst_start_up)
#include "tst_start_up.moc"
