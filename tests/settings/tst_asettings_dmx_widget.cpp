#include "link/kd620_controller_class.h"
#include "model/dmx_out_channel_settings.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "settings/asettings_dmx_set_widget.h"
#include "settings/asettings_dmx_widget.h"
#include "tests/support/page_fixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include <memory>

// The DMX Output settings page: the channel rows with their summaries, the channel the
// editor shows, and the number of channels in use.
class tst_asettings_dmx_widget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<page_fixture>();
        page = new asettings_dmx_widget(f->tabPage.get());
    }
    void cleanup()
    {
        page = nullptr;
        const QStringList problems = page_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void clearedConfiguration();
    void summaryTexts_data();
    void summaryTexts();
    void choosingARowShowsItsChannel();
    void editsRewriteTheRow();
    void lowerCountWithAChannelBeyondIt();
    void higherCountAppendsRows();
    void storedChannelShowsRawUntilLoaded();
    void refreshStoresNothing();

private:
    std::unique_ptr<page_fixture> f;
    asettings_dmx_widget *page = nullptr;

    QString cell(int row, int column) const { return page->chnlModel->item(row, column)->text(); }
    void selectRow(int row) { page->chnlTable->setCurrentIndex(page->chnlModel->index(row, 0)); }
    void storeBytes(u32 channel, u8 minimal, u8 maximal, u8 down, u8 up)
    {
        dmx_out_channel_settings s;
        s.minimal = minimal;
        s.maximal = maximal;
        s.hysteresisDown = down;
        s.hysteresisUp = up;
        s.write(f->image(), channel);
    }
};

void tst_asettings_dmx_widget::clearedConfiguration()
{
    QCOMPARE(page->chnlModel->rowCount(), 64);
    QCOMPARE(page->chnlModel->columnCount(), 2);
    for (int row = 0; row < 64; ++row) {
        QCOMPARE(cell(row, 0), QStringLiteral("DMX Ch. %1").arg(row + 1));
        QCOMPARE(cell(row, 1), QStringLiteral("(0,255) [--,--] L"));
    }
    QCOMPARE(page->chnlLabel->text(), QStringLiteral("DMX Channel: 1"));
    QCOMPARE(page->chnlModel->headerData(0, Qt::Horizontal).toString(), QStringLiteral("DMX Channel"));
    QCOMPARE(page->chnlModel->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Channel Settings"));
    QCOMPARE(page->chnlTable->geometry(), QRect(10, 20, 300, 570));
    QCOMPARE(page->chnlTable->columnWidth(1), 140);
    QCOMPARE(page->chnlTable->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(page->chnlTable->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(page->chnlTable->verticalHeader()->isHidden());
    QCOMPARE(page->chnlTable->currentIndex().row(), 0);
    QCOMPARE(page->chnlLabel->geometry(), QRect(500, 40, 150, 20));
    // The editor stands beside the page on the tab page.
    QCOMPARE(page->setWidget->parentWidget(), f->tabPage.get());
    QCOMPARE(page->setWidget->pos(), QPoint(350, 100));
    QCOMPARE(page->currentChnl, 0);
    QCOMPARE(page->setWidget->currentChnl, 0);
}

void tst_asettings_dmx_widget::summaryTexts_data()
{
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("cleared") << QList<int>{0, 255, 255, 255} << "(0,255) [--,--] L";
    QTest::newRow("triggered") << QList<int>{0, 255, 50, 200} << "(0,255) [50,200] H";
    QTest::newRow("non-linear") << QList<int>{7, 99, 255, 0} << "(7,99) [--,--] N";
    QTest::newRow("linear by any other byte") << QList<int>{1, 2, 255, 100} << "(1,2) [--,--] L";
    // As stored, unrepaired.
    QTest::newRow("minimal above maximal") << QList<int>{200, 100, 120, 80} << "(200,100) [120,80] H";
    QTest::newRow("level 0") << QList<int>{0, 0, 0, 0} << "(0,0) [0,0] H";
}

void tst_asettings_dmx_widget::summaryTexts()
{
    QFETCH(QList<int>, bytes);
    QFETCH(QString, text);
    storeBytes(300, u8(bytes[0]), u8(bytes[1]), u8(bytes[2]), u8(bytes[3]));
    QCOMPARE(asettings_dmx_widget::channelSettingsText(300), text);
    QCOMPARE(asettings_dmx_widget::channelSettingsText(512), QStringLiteral("???"));
    QCOMPARE(asettings_dmx_widget::channelSettingsText(0xFFFFFFFF), QStringLiteral("???"));
}

void tst_asettings_dmx_widget::choosingARowShowsItsChannel()
{
    storeBytes(5, 10, 20, 255, 0);
    selectRow(5);
    QCOMPARE(page->currentChnl, 5);
    QCOMPARE(page->chnlLabel->text(), QStringLiteral("DMX Channel: 6"));
    QCOMPARE(page->setWidget->currentChnl, 5);
    QCOMPARE(page->setWidget->spinBoxMin->value(), 10);
    QCOMPARE(page->setWidget->spinBoxMax->value(), 20);
    QVERIFY(page->setWidget->radioButtonNonLinear->isChecked());
}

void tst_asettings_dmx_widget::editsRewriteTheRow()
{
    selectRow(7);
    page->setWidget->radioButtonTriggered->click();
    QCOMPARE(cell(7, 1), QStringLiteral("(0,255) [50,200] H"));
    page->setWidget->spinBoxMax->setValue(180);
    QCOMPARE(cell(7, 1), QStringLiteral("(0,180) [50,200] H"));
    page->setWidget->radioButtonNonLinear->click();
    QCOMPARE(cell(7, 1), QStringLiteral("(0,180) [--,--] N"));
    // The other rows stay.
    QCOMPARE(cell(6, 1), QStringLiteral("(0,255) [--,--] L"));
}

void tst_asettings_dmx_widget::lowerCountWithAChannelBeyondIt()
{
    storeBytes(23, 3, 33, 255, 0);
    storeBytes(50, 5, 55, 255, 0);
    QSignalSpy inUse(page, &asettings_dmx_widget::channelsInUseChanged);
    selectRow(39);
    QCOMPARE(page->chnlLabel->text(), QStringLiteral("DMX Channel: 40"));

    page->setWidget->spinChnlMax->setValue(24);

    QCOMPARE(page->chnlModel->rowCount(), 24);
    QCOMPARE(page->chnlTable->currentIndex().row(), 23);
    QCOMPARE(page->currentChnl, 23);
    QCOMPARE(page->chnlLabel->text(), QStringLiteral("DMX Channel: 24"));
    QCOMPARE(page->setWidget->currentChnl, 23);
    QCOMPARE(page->setWidget->spinBoxMax->value(), 33);
    QCOMPARE(readU16(f->image(), image_layout::OutputChannelLimit), u16(24));
    QCOMPARE(inUse.size(), 1);
    QCOMPARE(inUse.first(), QVariantList{24});
    QVERIFY(page->chnlTable->selectionModel()->isRowSelected(23));
    // The channels beyond the count keep their settings.
    QCOMPARE(dmx_out_channel_settings::read(f->image(), 50).maximal, u8(55));
}

void tst_asettings_dmx_widget::higherCountAppendsRows()
{
    page->setWidget->spinChnlMax->setValue(24);
    storeBytes(30, 1, 2, 40, 41);
    selectRow(3);
    page->setWidget->spinChnlMax->setValue(40);
    QCOMPARE(page->chnlModel->rowCount(), 40);
    QCOMPARE(cell(39, 0), QStringLiteral("DMX Ch. 40"));
    QCOMPARE(cell(30, 1), QStringLiteral("(1,2) [40,41] H"));
    QCOMPARE(page->currentChnl, 3);
    QCOMPARE(readU16(f->image(), image_layout::OutputChannelLimit), u16(40));
    // The same count again changes nothing.
    QSignalSpy inUse(page, &asettings_dmx_widget::channelsInUseChanged);
    page->setWidget->spinChnlMax->setValue(40);
    QVERIFY(inUse.isEmpty());
}

void tst_asettings_dmx_widget::storedChannelShowsRawUntilLoaded()
{
    storeBytes(12, 200, 100, 120, 80);
    page->refreshTable();
    QCOMPARE(cell(12, 1), QStringLiteral("(200,100) [120,80] H"));
    selectRow(12);
    QCOMPARE(cell(12, 1), QStringLiteral("(0,255) [--,--] L"));
    const dmx_out_channel_settings s = dmx_out_channel_settings::read(f->image(), 12);
    QCOMPARE(QList<int>({s.minimal, s.maximal, s.hysteresisDown, s.hysteresisUp}), QList<int>({0, 255, 255, 255}));
}

void tst_asettings_dmx_widget::refreshStoresNothing()
{
    for (u32 channel = 0; channel < 64; ++channel)
        storeBytes(channel, u8(channel), u8(channel + 100), u8(channel % 3 ? 255 : 10), u8(channel % 2 ? 0 : 150));
    writeU16(f->image(), image_layout::DmxEventFirstChannel, 2);
    writeU16(f->image(), image_layout::DmxEventLastChannel, 0xFFFF);
    writeU16(f->image(), image_layout::MbftCode, 7);
    selectRow(1);
    const QByteArray before(reinterpret_cast<const char *>(f->image()), int(image_layout::ImageSize));
    page->refreshTable();
    const QByteArray after(reinterpret_cast<const char *>(f->image()), int(image_layout::ImageSize));
    QVERIFY(before == after);
    QCOMPARE(cell(3, 1), QStringLiteral("(3,103) [10,0] H"));
    QCOMPARE(cell(4, 1), QStringLiteral("(4,104) [--,--] L"));
}

QTEST_MAIN(tst_asettings_dmx_widget)
#include "tst_asettings_dmx_widget.moc"
