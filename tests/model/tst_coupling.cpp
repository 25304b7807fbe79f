#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/support/scripted_interaction.h"

#include <QtTest>

using namespace image_layout;

namespace {

QList<u16> table(const kd620_controller_class &c, u32 offset)
{
    QList<u16> t;
    for (u32 i = 0; i < CouplingEntryCount; ++i)
        t << readU16(c.confData, offset + 2 * i);
    return t;
}

void writeTable(kd620_controller_class &c, u32 offset, QList<u16> entries)
{
    while (entries.size() < int(CouplingEntryCount))
        entries << 0xFFFF;
    for (u32 i = 0; i < CouplingEntryCount; ++i)
        writeU16(c.confData, offset + 2 * i, entries[int(i)]);
}

QList<u16> padded(QList<u16> entries)
{
    while (entries.size() < int(CouplingEntryCount))
        entries << 0xFFFF;
    return entries;
}

} // namespace

class tst_coupling : public QObject
{
    Q_OBJECT

private slots:
    // A scene in two groups: table A in group order, table B by scene; on unpacking the
    // scene stays in its first group and table B no longer agrees.
    void sceneInTwoGroups()
    {
        scripted_interaction ui;
        kd620_controller_class c;
        c.couplingGroups[0] = {7, 2};
        c.couplingGroups[3] = {2};
        c.packCoupling();
        QCOMPARE(c.couplingGroups[0], (QList<u16>{2, 7}));
        QCOMPARE(table(c, CouplingTableA), padded({0x0002, 0x0007, 0x3002}));
        QCOMPARE(table(c, CouplingTableB), padded({0x0002, 0x3002, 0x0007}));
        QVERIFY(ui.messages.isEmpty());

        c.unpackCoupling();
        QCOMPARE(c.couplingGroups[0], (QList<u16>{2, 7}));
        QVERIFY(c.couplingGroups[3].isEmpty());
        QCOMPARE(ui.messages.size(), 1);
        const message_request &m = ui.messages[0];
        QCOMPARE(m.icon, message_icon::Information);
        QCOMPARE(m.title, QStringLiteral("Configuration error:"));
        QCOMPARE(m.text, QStringLiteral("Coupling tables are not coherent!\r\nThe first one was taken."));
        QCOMPARE(m.buttons, unsigned(message_button::Ok));
        QCOMPARE(m.parent, dialog_parent::None);
    }

    void packedGroupsUnpackWithoutMessage()
    {
        scripted_interaction ui;
        kd620_controller_class c;
        c.couplingGroups[0] = {3071, 0};
        c.couplingGroups[1] = {5};
        c.couplingGroups[14] = {100, 6, 50};
        c.packCoupling();
        const QList<u16> expected[] = {{0, 3071}, {5}, {6, 50, 100}};
        for (QList<u16> &g : c.couplingGroups)
            g = {1, 2, 3};
        c.unpackCoupling();
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(c.couplingGroups[0], expected[0]);
        QCOMPARE(c.couplingGroups[1], expected[1]);
        QCOMPARE(c.couplingGroups[14], expected[2]);
        for (int g = 2; g < 14; ++g)
            QVERIFY(c.couplingGroups[g].isEmpty());
        QCOMPARE(c.coupledSceneCount(), 6);
        QCOMPARE(table(c, CouplingTableB), padded({0x0000, 0x1005, 0xE006, 0xE032, 0xE064, 0x0BFF}));
    }

    // Only 64 entries fit: the scenes after the 64th in group order are not written.
    void sixtyFiveScenesPackAsSixtyFour()
    {
        scripted_interaction ui;
        kd620_controller_class c;
        for (u16 s = 0; s < 40; ++s)
            c.couplingGroups[2] << u16(1000 + s);
        for (u16 s = 0; s < 25; ++s)
            c.couplingGroups[9] << u16(24 - s);  // 24 .. 0, sorted on packing
        QCOMPARE(c.coupledSceneCount(), 65);
        c.packCoupling();
        const QList<u16> a = table(c, CouplingTableA);
        QVERIFY(!a.contains(0xFFFF));
        QCOMPARE(a[0], u16(0x2000 | 1000));
        QCOMPARE(a[40], u16(0x9000 | 0));
        QCOMPARE(a[63], u16(0x9000 | 23));  // scene 24 of group 9 is the 65th
        QCOMPARE(table(c, CouplingTableB)[0], u16(0x9000));
        QCOMPARE(c.coupledSceneCount(), 65);  // the groups themselves keep it

        c.unpackCoupling();
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(c.coupledSceneCount(), 64);
        QVERIFY(!c.couplingGroups[9].contains(24));
    }

    // Entries naming a scene above 3071 or group 15 are skipped in both tables; entries of
    // A missing from B are not looked for.
    void unpackSkipsUnusableEntries_data()
    {
        QTest::addColumn<QList<u16>>("a");
        QTest::addColumn<QList<u16>>("b");
        QTest::addColumn<QList<u16>>("group1");
        QTest::addColumn<bool>("message");
        QTest::newRow("scene above 3071") << QList<u16>{0x1C00, 0x1004} << QList<u16>{0x1004, 0x1C00} << QList<u16>{4}
                                          << false;
        QTest::newRow("group 15") << QList<u16>{0xF004, 0x1005} << QList<u16>{0x1005, 0xF004} << QList<u16>{5} << false;
        QTest::newRow("B lacks an entry of A") << QList<u16>{0x1004, 0x1005} << QList<u16>{0x1005} << QList<u16>{4, 5}
                                               << false;
        QTest::newRow("B names another group") << QList<u16>{0x1004} << QList<u16>{0x2004} << QList<u16>{4} << true;
        QTest::newRow("both empty") << QList<u16>{} << QList<u16>{} << QList<u16>{} << false;
    }
    void unpackSkipsUnusableEntries()
    {
        QFETCH(QList<u16>, a);
        QFETCH(QList<u16>, b);
        QFETCH(QList<u16>, group1);
        QFETCH(bool, message);
        scripted_interaction ui;
        kd620_controller_class c;
        writeTable(c, CouplingTableA, a);
        writeTable(c, CouplingTableB, b);
        c.unpackCoupling();
        QCOMPARE(c.couplingGroups[1], group1);
        QCOMPARE(c.coupledSceneCount(), int(group1.size()));
        QCOMPARE(ui.messages.size(), message ? 1 : 0);
    }

    void entryOrder_data()
    {
        QTest::addColumn<uint>("a");
        QTest::addColumn<uint>("b");
        QTest::addColumn<bool>("less");
        QTest::newRow("scene 5 group 1 before scene 6 group 0") << 0x1005u << 0x0006u << true;
        QTest::newRow("scene 6 group 0 after scene 5 group 1") << 0x0006u << 0x1005u << false;
        QTest::newRow("scene 5 group 2 after scene 5 group 1") << 0x2005u << 0x1005u << false;
        QTest::newRow("scene 5 group 1 before scene 5 group 2") << 0x1005u << 0x2005u << true;
        QTest::newRow("equal") << 0x3007u << 0x3007u << false;
    }
    void entryOrder()
    {
        QFETCH(uint, a);
        QFETCH(uint, b);
        QFETCH(bool, less);
        const u16 x = u16(a), y = u16(b);
        QCOMPARE(couplingEntryLessThan(&x, &y), less);
    }
};

QTEST_GUILESS_MAIN(tst_coupling)

#include "tst_coupling.moc"
