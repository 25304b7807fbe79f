#include <QCoreApplication>
#include <QDeadlineTimer>
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
// written to the file named, and Ctrl+C stops it all.
class tst_start_headless : public QObject
{
    Q_OBJECT

private slots:
    void startsShowsAndStops();

private:
    // Reads what the process prints until `text` appears or the time is up.
    static bool waitForOutput(QProcess &process, QString &output, const QString &text, int timeoutMs);
};

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
    const QString script = QFINDTESTDATA("../../tools/start-headless.sh");
    QVERIFY(!script.isEmpty());
    // The program as the test build makes it, beside this test's folder.
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/varidex625");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A process group of its own, as a terminal gives a command: Ctrl+C goes to all of it.
    process.setChildProcessModifier([] { ::setsid(); });
    process.start(QStringLiteral("bash"), {script, program});
    QVERIFY(process.waitForStarted());

    QString output;
    const QString screenshot = dir.filePath(QStringLiteral("varidex625-screenshot.png"));
    const bool written = waitForOutput(process, output, QStringLiteral("Screenshot of the window written to"), 90000);
    const pid_t group = pid_t(process.processId());
    if (process.state() != QProcess::NotRunning)
        ::kill(-group, SIGINT);
    const bool stopped = process.waitForFinished(20000);
    output += QString::fromLocal8Bit(process.readAll());
    if (!stopped)
        ::kill(-group, SIGKILL);
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

QTEST_GUILESS_MAIN(tst_start_headless)
#include "tst_start_headless.moc"
