#include "link/firmware_version.h"

#include <QtTest>

class tst_firmware_version : public QObject
{
    Q_OBJECT

private slots:
    void textOfAReply_data();
    void textOfAReply();
    void gates_data();
    void gates();
};

void tst_firmware_version::textOfAReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("text");

    QTest::newRow("3.00.0009") << QByteArray("\x03\x00\x09\x00", 4) << "F/W ver. 3.00.0009";
    QTest::newRow("build above a byte") << QByteArray("\x03\x0C\x34\x12", 4) << "F/W ver. 3.12.4660";
    QTest::newRow("signed numbers") << QByteArray("\xFF\xFE\xFF\xFF", 4) << "F/W ver. -1.-2.-001";
    QTest::newRow("zero build") << QByteArray("\x03\x01\x00\x00", 4) << "F/W ver. 3.01.0000";
}

void tst_firmware_version::textOfAReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, text);
    const firmware_version v = firmware_version::fromReply(reinterpret_cast<const u8 *>(reply.constData()));
    QCOMPARE(v.text(), text);
    // The text reads back as the same version.
    const std::optional<firmware_version> back = firmware_version::fromText(text);
    QVERIFY(back.has_value());
    QCOMPARE(back->text(), text);
}

void tst_firmware_version::gates_data()
{
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("gate");
    QTest::addColumn<bool>("older");

    const QString gate9 = QStringLiteral("F/W ver. 3.00.0009");
    QTest::newRow("equal is not older") << gate9 << gate9 << false;
    QTest::newRow("older build") << "F/W ver. 3.00.0008" << gate9 << true;
    QTest::newRow("newer build") << "F/W ver. 3.00.0011" << gate9 << false;
    QTest::newRow("newer minor, lower build") << "F/W ver. 3.01.0000" << gate9 << false;
    // Text order would call these older: "1" sorts before "3", "-" before digits.
    QTest::newRow("major 10 is newer than 3") << "F/W ver. 10.00.0000" << gate9 << false;
    QTest::newRow("build 10000 is newer than 9") << "F/W ver. 3.00.10000" << gate9 << false;
    QTest::newRow("negative build is older") << "F/W ver. 3.00.-001" << gate9 << true;
    QTest::newRow("major 2 is older than 10") << "F/W ver. 2.99.9999" << "F/W ver. 10.00.0000" << true;
    // No version known: older than every version.
    QTest::newRow("no version") << "F/W ----" << gate9 << true;
    QTest::newRow("empty text") << "" << gate9 << true;
    QTest::newRow("no version against the lowest") << "F/W ----" << "F/W ver. -128.-128.-32768" << true;
    QTest::newRow("garbage") << "F/W ver. 3.x.9" << gate9 << true;
}

void tst_firmware_version::gates()
{
    QFETCH(QString, firmware);
    QFETCH(QString, gate);
    QTEST(firmwareOlderThan(firmware, gate), "older");
}

QTEST_GUILESS_MAIN(tst_firmware_version)
#include "tst_firmware_version.moc"
