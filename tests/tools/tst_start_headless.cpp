#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

// What ./run.sh does on a machine without a display: the program starts on an invisible
// virtual display, the user is told so and how to stop it, a screenshot of the window is
// written to the file named once the window is shown (or the user is told why none is), and
// Ctrl+C stops it all.
class tst_start_headless : public QObject
{
    Q_OBJECT

private slots:
    void startsShowsAndStops();
    void saysWhenThereIsNoPicture_data();
    void saysWhenThereIsNoPicture();

private:
    // Starts the script on the program in the folder, as a terminal would, without a
    // display; the waiting for the window set to waitSeconds unless 0.
    static void start(QProcess &process, const QStringList &program, const QString &folder, int waitSeconds = 0);
    // Stops all of it as Ctrl+C does: true when it ended.
    static bool stop(QProcess &process, QString &output);
    // Reads what the process prints until `text` appears or the time is up.
    static bool waitForOutput(QProcess &process, QString &output, const QString &text, int timeoutMs);
};

void tst_start_headless::start(QProcess &process, const QStringList &program, const QString &folder, int waitSeconds)
{
    const QString script = QFINDTESTDATA("../../tools/start-headless.sh");
    QVERIFY(!script.isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VARIDEX_WINDOW_WAIT"})
        environment.remove(QString::fromLatin1(name));
    if (waitSeconds > 0)
        environment.insert(QStringLiteral("VARIDEX_WINDOW_WAIT"), QString::number(waitSeconds));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A process group of its own, as a terminal gives a command: Ctrl+C goes to all of it.
    process.setChildProcessModifier([] { ::setsid(); });
    process.start(QStringLiteral("bash"), QStringList{script} + program);
    QVERIFY(process.waitForStarted());
}

bool tst_start_headless::stop(QProcess &process, QString &output)
{
    const pid_t group = pid_t(process.processId());
    if (process.state() != QProcess::NotRunning)
        ::kill(-group, SIGINT);
    const bool stopped = process.waitForFinished(20000);
    output += QString::fromLocal8Bit(process.readAll());
    if (!stopped)
        ::kill(-group, SIGKILL);
    return stopped;
}

bool tst_start_headless::waitForOutput(QProcess &process, QString &output, const QString &text, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!output.contains(text)) {
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(200);
        output += QString::fromLocal8Bit(process.readAll());
    }
    return true;
}

void tst_start_headless::startsShowsAndStops()
{
    // The program as the test build makes it, beside this test's folder.
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/varidex625");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QProcess process;
    start(process, {program}, dir.path());
    if (QTest::currentTestFailed())
        return;

    QString output;
    const QString screenshot = dir.filePath(QStringLiteral("varidex625-screenshot.png"));
    const bool written = waitForOutput(process, output, QStringLiteral("Screenshot of the window written to"), 90000);
    const bool stopped = stop(process, output);
    QVERIFY2(written, qPrintable(output));
    QVERIFY2(stopped, qPrintable(output));

    // Told plainly: invisible, where the picture goes, how to stop it.
    QVERIFY2(output.contains(QLatin1String("invisible virtual X display")), qPrintable(output));
    QVERIFY2(output.contains(screenshot), qPrintable(output));
    QVERIFY2(output.contains(QLatin1String("Ctrl+C")), qPrintable(output));

    // The picture is the window, the empty screen around it cropped away.
    const QImage image(screenshot);
    QVERIFY2(!image.isNull(), qPrintable(screenshot));
    QVERIFY2(image.width() >= 800 && image.width() < 1280 && image.height() >= 500 && image.height() < 1024,
             qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 10, "the screenshot shows no window");
}

void tst_start_headless::saysWhenThereIsNoPicture_data()
{
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QString>("told");

    QTest::newRow("no window comes") << QStringList{"sleep", "600"}
                                     << "No window appeared within 3 seconds: no screenshot was taken.";
    // A window of one plain colour, as a window looks before it is drawn.
    QTest::newRow("the window shows nothing")
        << QStringList{"display", "-borderwidth", "0", "-size", "400x300", "xc:gray50"}
        << "The window showed nothing within 3 seconds: no screenshot was written.";
}

// No window within the time allowed, or only an empty one: the user is told so, and no
// picture of nothing is left behind as if it were the window.
void tst_start_headless::saysWhenThereIsNoPicture()
{
    QFETCH(QStringList, program);
    QFETCH(QString, told);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QProcess process;
    start(process, program, dir.path(), 3);
    if (QTest::currentTestFailed())
        return;
    QString output;
    const bool said = waitForOutput(process, output, told, 60000);
    const bool stopped = stop(process, output);
    QVERIFY2(said, qPrintable(output));
    QVERIFY2(stopped, qPrintable(output));
    QVERIFY2(!output.contains(QLatin1String("Screenshot of the window written to")), qPrintable(output));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("varidex625-screenshot.png"))));
}

QTEST_GUILESS_MAIN(tst_start_headless)
#include "tst_start_headless.moc"
