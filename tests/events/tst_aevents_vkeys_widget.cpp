#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/support/action_cell_edit.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// The Internal Events page: "Power On" first, the rows' texts with and without a
// description, the row change, and where an open daytime or state-limit editor stores
// when the event, the list or the configuration changes under it.
class tst_aevents_vkeys_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup()
    {
        event_actions_class::clipboard.clear();
        QVERIFY(page_fixture::tearDown(f).isEmpty());
    }

    void startsOnPowerOn();
    void rowTexts_data();
    void rowTexts();
    void confirmedDescriptionRewritesItsRow_data();
    void confirmedDescriptionRewritesItsRow();
    void rowChangeShowsTheEvent();
    void openEditorStoresIntoItsOwnAction_data();
    void openEditorStoresIntoItsOwnAction();

private:
    std::unique_ptr<page_fixture> f;

    aevents_vkeys_widget *page() { return new aevents_vkeys_widget(f->tabPage.get()); }
    kd620_controller_class &c() { return *f->controller; }

    // Scene actions with the numbers given, appended to an event.
    void addScenes(int event, const QList<int> &numbers)
    {
        for (int number : numbers) {
            const int j = c().eventActions.appendAction(event);
            c().eventActions.setNo(event, j, number);
        }
    }
    // What an action holds: "#number" and its limits; "none" when the event has no such
    // action.
    QString actionBytes(int event, int j) const
    {
        const event_actions_class &store = f->controller->eventActions;
        if (j < 0 || j >= store.count(u32(event)))
            return QStringLiteral("none");
        return QStringLiteral("#%1 ").arg(store.no(event, j)) + actionLimits(event, j);
    }
};

void tst_aevents_vkeys_widget::startsOnPowerOn()
{
    aevents_vkeys_widget *p = page();
    QCOMPARE(p->eventPageKind(), 2);
    QCOMPARE(p->eventList->rowCount(), 1024);
    QCOMPARE(p->eventList->horizontalHeaderItem(0)->text(), QStringLiteral("Internal Events"));
    QCOMPARE(p->currentEvent, 0x400);
    QCOMPARE(p->actionEditor->eventCode, 0x400);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Power On"));
    QCOMPARE(p->eventList->item(0, 0)->text(), QStringLiteral("Power On"));
}

void tst_aevents_vkeys_widget::rowTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("text");
    QTest::newRow("power on") << 0 << "" << "Power On";
    QTest::newRow("power on described") << 0 << "Mains back" << "Mains back";
    QTest::newRow("row 1") << 1 << "" << "Internal Event 2 - no description";
    QTest::newRow("row 1 described") << 1 << "Curtain" << "Int. ev. 2 - Curtain";
    QTest::newRow("last row") << 1023 << "" << "Internal Event 1024 - no description";
}

void tst_aevents_vkeys_widget::rowTexts()
{
    QFETCH(int, row);
    QFETCH(QString, description);
    QFETCH(QString, text);
    c().eventDescs[size_t(0x400 + row)] = description;
    aevents_vkeys_widget *p = page();
    QCOMPARE(p->eventList->item(row, 0)->text(), text);
}

void tst_aevents_vkeys_widget::confirmedDescriptionRewritesItsRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("power on") << 0 << " Mains " << "Mains";
    QTest::newRow("power on emptied") << 0 << "  " << "Power On";
    QTest::newRow("row 9") << 9 << "Fog " << "Int. ev. 10 - Fog";
    QTest::newRow("row 9 emptied") << 9 << "" << "Internal Event 10 - no description";
}

void tst_aevents_vkeys_widget::confirmedDescriptionRewritesItsRow()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    c().eventDescs[size_t(0x400 + row)] = QStringLiteral("old");
    aevents_vkeys_widget *p = page();
    p->eventList->setCurrentCell(row, 0);
    p->descLine->setText(typed);
    QTest::keyClick(p->descLine, Qt::Key_Return);
    QCOMPARE(c().eventDescs[size_t(0x400 + row)], typed.trimmed());
    QCOMPARE(p->eventList->item(row, 0)->text(), text);
}

void tst_aevents_vkeys_widget::rowChangeShowsTheEvent()
{
    c().eventActions.appendAction(0x400 + 700);
    c().eventDescs[0x400 + 700] = QStringLiteral("Interval");
    aevents_vkeys_widget *p = page();
    QCOMPARE(p->eventList->item(700, 0)->background().color(), QColor(230, 255, 230));
    p->eventList->setCurrentCell(700, 0);
    QCOMPARE(p->currentEvent, 0x400 + 700);
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 1);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Internal Event 701"));
    QCOMPARE(p->descLine->text(), QStringLiteral("Interval"));
    p->eventList->setCurrentCell(0, 0);
    QCOMPARE(p->titleLabel->text(), QStringLiteral("Power On"));
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 0);
}

void tst_aevents_vkeys_widget::openEditorStoresIntoItsOwnAction_data()
{
    // The editor is opened on row 1 of event 0x400 (actions #0 #1 #2); event 0x401 holds
    // #10 #11 #12. "daytime": "Daytime only" is picked; "states": "When set" is ticked on A1.
    // Then the change; then the user ends the edit: "Set" while the state window is still
    // open, a click on row 0 of the action table for the daytime editor.
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("otherDiffers");  // 0x401's action 1 reads otherwise in both cells
    QTest::addColumn<int>("oldEvent");       // where the edited action stands afterwards
    QTest::addColumn<int>("oldIndex");       // -1: gone
    QTest::addColumn<QString>("oldBytes");
    QTest::addColumn<int>("otherEvent");     // where a misdirected edit would land
    QTest::addColumn<int>("otherIndex");
    QTest::addColumn<QString>("otherBytes");

    const QString plain1 = QStringLiteral("#1 ff ff ff ffffffff");
    const QString daytime1 = QStringLiteral("#1 fe ff ff ffffffff");
    const QString plain11 = QStringLiteral("#11 ff ff ff ffffffff");
    const QString own11 = QStringLiteral("#11 fe fe db ffffffff");
    const QString plain2 = QStringLiteral("#2 ff ff ff ffffffff");
    const QString inserted = QStringLiteral("#0 ff ff ff ffffffff");
    const QString pasted = QStringLiteral("#99 ff ff ff ffffffff");
    auto row = [](const char *name, const char *editor, const char *change, bool differs, int oldEvent, int oldIndex,
                  const QString &oldBytes, int otherEvent, int otherIndex, const QString &otherBytes) {
        QTest::newRow(name) << QString::fromLatin1(editor) << QString::fromLatin1(change) << differs << oldEvent
                            << oldIndex << oldBytes << otherEvent << otherIndex << otherBytes;
    };
    // Another event chosen in the list: the daytime choice stays with its own action, the
    // state window closes without storing, the new event's action keeps what it held.
    row("states, next event", "states", "event list", false, 0x400, 1, plain1, 0x401, 1, plain11);
    row("states, next event reading otherwise", "states", "event list", true, 0x400, 1, plain1, 0x401, 1, own11);
    row("daytime, next event", "daytime", "event list", false, 0x400, 1, daytime1, 0x401, 1, plain11);
    row("daytime, next event reading otherwise", "daytime", "event list", true, 0x400, 1, daytime1, 0x401, 1, own11);
    // The list changes under the editor: Insert before it, Del of it, Paste before it.
    row("states, insert", "states", "insert", false, 0x400, 2, plain1, 0x400, 1, inserted);
    row("daytime, insert", "daytime", "insert", false, 0x400, 2, daytime1, 0x400, 1, inserted);
    row("states, del", "states", "del", false, 0x400, -1, QString(), 0x400, 1, plain2);
    row("daytime, del", "daytime", "del", false, 0x400, -1, QString(), 0x400, 1, plain2);
    row("states, paste before", "states", "paste", false, 0x400, 2, plain1, 0x400, 1, pasted);
    row("daytime, paste before", "daytime", "paste", false, 0x400, 2, daytime1, 0x400, 1, pasted);
    // Another configuration replaces the one the editor was opened on: nothing of the edit
    // reaches the action now at that place.
    row("states, file opened", "states", "file open", false, 0x400, -1, QString(), 0x400, 1, plain1);
    row("daytime, file opened", "daytime", "file open", false, 0x400, -1, QString(), 0x400, 1, plain1);
    row("states, read from the controller", "states", "read", false, 0x400, -1, QString(), 0x400, 1, plain1);
    row("daytime, read from the controller", "daytime", "read", false, 0x400, -1, QString(), 0x400, 1, plain1);
    // A clear of the scenes leaves the actions as they were: the editor stays open and
    // stores into its action when it ends. A clear of the internal events takes the action
    // away, a clear of the limits changes it (it held B1 unset): the editor closes and
    // stores nothing.
    const QString ticked1 = QStringLiteral("#1 ff ff fe ffffffff");
    row("states, partial clear of another category", "states", "clear scenes", false, 0x400, 1, ticked1, 0x401, 1,
        plain11);
    row("daytime, partial clear of another category", "daytime", "clear scenes", false, 0x400, 1, daytime1, 0x401,
        1, plain11);
    row("states, clear of the action's category", "states", "clear events", false, 0x400, -1, QString(), 0x400, 0,
        QStringLiteral("none"));
    row("daytime, clear of the action's category", "daytime", "clear events", false, 0x400, -1, QString(), 0x400,
        0, QStringLiteral("none"));
    row("states, clear of the action's limits", "states", "clear limits", false, 0x400, 1, plain1, 0x401, 1,
        plain11);
    row("daytime, clear of the action's limits", "daytime", "clear limits", false, 0x400, 1, plain1, 0x401, 1,
        plain11);
}

void tst_aevents_vkeys_widget::openEditorStoresIntoItsOwnAction()
{
    QFETCH(QString, editor);
    QFETCH(QString, change);
    QFETCH(bool, otherDiffers);

    addScenes(0x400, {0, 1, 2});
    addScenes(0x401, {10, 11, 12});
    if (otherDiffers) {
        const u32 words[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
        c().eventActions.setDaytimeLimit(0x401, 1, 0xFE, 0xFE);  // "Night-time only"
        // "A2 ", and A3 with the code 1, which reads as "Ignore" like 3 but is not stored
        // so by the editor.
        c().eventActions.setStateLimit(0x401, 1, 0xDB, words);
    }
    if (change == QLatin1String("clear limits")) {
        const u32 b1Unset[4] = {0xFFFFFFFC, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
        c().eventActions.setStateLimit(0x400, 1, 0xFF, b1Unset);
    }
    event_action_class record = event_action_class::newAction(0x400);
    record.no = 99;
    event_actions_class::clipboard = {std::make_shared<event_action_class>(record)};
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("same.cfg625"));
    if (change == QLatin1String("file open")) {
        c().write_confDataToFile(file, false);
        QVERIFY(QFile::exists(file));
    } else if (change == QLatin1String("read")) {
        QVERIFY(f->connectAndReset());
        QVERIFY(c().packStores());
        f->bus.device(1).findEngine<sim_config_memory_engine>()->memory =
            QByteArray(reinterpret_cast<const char *>(c().confData), int(image_layout::ImageSize));
    }

    aevents_vkeys_widget *p = page();
    aevents_tableview_widget *t = p->actionEditor->actionTable;
    p->actionEditor->beforeBox->setChecked(true);
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->tabPage.get()));

    // The editor opened by the view, and the user's choice in it.
    const int column = editor == QLatin1String("daytime") ? aevents_tableview_widget::DaytimeColumn
                                                         : aevents_tableview_widget::StatesColumn;
    QPointer<QWidget> open = openCellEditor(t, 1, column);
    QVERIFY(open);
    QVERIFY(makeTheChoice(open));

    if (change == QLatin1String("event list"))
        clickCell(p->eventList, 1, 0);
    else if (change == QLatin1String("insert"))
        QTest::mouseClick(p->actionEditor->insButton, Qt::LeftButton);
    else if (change == QLatin1String("del"))
        QTest::mouseClick(p->actionEditor->delButton, Qt::LeftButton);
    else if (change == QLatin1String("paste"))
        QTest::mouseClick(p->actionEditor->pasteButton, Qt::LeftButton);
    else if (change == QLatin1String("file open"))
        QCOMPARE(c().read_confDataFromFile(file), 0);
    else if (change == QLatin1String("read"))
        c().read_alldata();
    else if (change == QLatin1String("clear scenes"))
        c().ClearConfig(controller_configuration_class::ClearScenes);
    else if (change == QLatin1String("clear events"))
        c().ClearConfig(controller_configuration_class::ClearInternalEvents);
    else
        c().ClearConfig(controller_configuration_class::ClearLimits);
    if (change.startsWith(QLatin1String("clear")))
        p->refresh();  // as the main window does after a clear
    if (change == QLatin1String("clear scenes"))
        QVERIFY2(open && open->isVisible(), "the editor has closed");
    else
        QVERIFY2(!open || !open->isVisible(), "the editor is still open");

    endTheEdit(t, open);

    QFETCH(int, oldEvent);
    QFETCH(int, oldIndex);
    QFETCH(int, otherEvent);
    QFETCH(int, otherIndex);
    if (oldIndex >= 0)
        QTEST(actionBytes(oldEvent, oldIndex), "oldBytes");
    QTEST(actionBytes(otherEvent, otherIndex), "otherBytes");
}

QTEST_MAIN(tst_aevents_vkeys_widget)
#include "tst_aevents_vkeys_widget.moc"
