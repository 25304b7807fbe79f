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
#include <QTemporaryDir>
#include <QTranslator>
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

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
