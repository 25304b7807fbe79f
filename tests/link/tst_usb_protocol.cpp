// rcu_protocol.h takes qint64 from whoever includes it.
#include <QtGlobal>

#include "link/configuration_transfer.h"
#include "link/monitor_protocol.h"
#include "link/rcu_protocol.h"
#include "link/upgrade_file.h"
#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "model/image_layout.h"

#include <QtTest>

// Every value the link shows the controller or expects from it, each against the number
// the controller answers to, written out here. The simulated controller keeps its own
// copy, so most wrong values already fail the sequence tests; this table names the value
// at fault, and holds those no sequence test reaches.
class tst_usb_protocol : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data();
    void numbers();
    void texts_data();
    void texts();
};

void tst_usb_protocol::numbers_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("expected");
    const auto row = [](const char *name, qint64 value, qint64 expected) {
        QTest::newRow(name) << value << expected;
    };

    // Identity, endpoints and transfers.
    row("VendorId", usb_link::VendorId, 0x16C0);
    row("ProductIdOlder", usb_link::ProductIdOlder, 0x05D2);
    row("ProductId", usb_link::ProductId, 0x05D5);
    row("Configuration", usb_link::Configuration, 1);
    row("Interface", usb_link::Interface, 0);
    row("BulkOutEndpoint", usb_link::BulkOutEndpoint, 0x02);
    row("BulkInEndpoint", usb_link::BulkInEndpoint, 0x81);
    row("TransferTimeoutMs", usb_link::TransferTimeoutMs, 15000);
    row("VendorOut", usb_link::VendorOut, 0x40);
    row("VendorIn", usb_link::VendorIn, 0xC0);
    row("ControlDataMax", usb_link::ControlDataMax, 64);
    row("ModelOlder", usb_link::ModelOlder, 0x5A);
    row("ModelCurrent", usb_link::ModelCurrent, 0x5F);
    row("StringDescriptorType", usb_link::StringDescriptorType, 3);
    row("SerialStringIndex", usb_link::SerialStringIndex, 0x2A);
    row("SerialBufferSize", usb_link::SerialBufferSize, 30);
    row("SerialLength", usb_link::SerialLength, 13);

    // Vendor requests.
    row("REQ_RESTART", REQ_RESTART, 0x01);
    row("REQ_STATUS", REQ_STATUS, 0x03);
    row("REQ_FREEZE", REQ_FREEZE, 0x04);
    row("REQ_UNFREEZE", REQ_UNFREEZE, 0x05);
    row("REQ_FIRE_EVENT", REQ_FIRE_EVENT, 0x06);
    row("REQ_READ_CLOCK", REQ_READ_CLOCK, 0x07);
    row("REQ_SET_CLOCK", REQ_SET_CLOCK, 0x08);
    row("REQ_FIRMWARE_VERSION", REQ_FIRMWARE_VERSION, 0x09);
    row("REQ_SET_MODE", REQ_SET_MODE, 0x0A);
    row("REQ_LIVE_CHANNEL", REQ_LIVE_CHANNEL, 0x0B);
    row("REQ_READ_BLOCKS_8K", REQ_READ_BLOCKS_8K, 0x0F);
    row("REQ_READ_BLOCKS_64K", REQ_READ_BLOCKS_64K, 0x10);
    row("REQ_LIVE_SCENE", REQ_LIVE_SCENE, 0x11);
    row("REQ_WRITE_BLOCK", REQ_WRITE_BLOCK, 0x14);
    row("REQ_FIRMWARE_UPGRADE", REQ_FIRMWARE_UPGRADE, 0x15);
    row("REQ_FIRMWARE_READ_BLOCK", REQ_FIRMWARE_READ_BLOCK, 0x16);
    row("REQ_STATE_FLAG", REQ_STATE_FLAG, 0x18);
    row("REQ_RCU", REQ_RCU, 0x19);
    row("REQ_CLOCK_CALIBRATION", REQ_CLOCK_CALIBRATION, 0x1A);
    row("REQ_MONITOR", REQ_MONITOR, 0x1B);
    row("REQ_READ_DMX_OUTPUT", REQ_READ_DMX_OUTPUT, 0x1C);
    row("REQ_MODEL_CODE", REQ_MODEL_CODE, 0xFF);

    // Status bits.
    row("STATUS_FROZEN", STATUS_FROZEN, 0x20);
    row("STATUS_LOADER", STATUS_LOADER, 0x100);
    row("STATUS_CONFIGURATION", STATUS_CONFIGURATION, 0x200);
    row("STATUS_LIVE", STATUS_LIVE, 0x400);
    row("STATUS_MODE_BITS", STATUS_MODE_BITS, 0x1F00);
    row("STATUS_READY", STATUS_READY, 0x20000);
    row("STATUS_BUSY", STATUS_BUSY, 0x40000);
    row("STATUS_DONE", STATUS_DONE, 0x80000);
    row("STATUS_FAILED", STATUS_FAILED, 0x100000);

    // Working modes: 1, 3 and 4 travel as the wValue of REQ_SET_MODE.
    row("MODE_NONE", MODE_NONE, 0);
    row("MODE_NORMAL", MODE_NORMAL, 1);
    row("MODE_CONFIGURATION", MODE_CONFIGURATION, 3);
    row("MODE_LIVE", MODE_LIVE, 4);
    row("MODE_LOADER", MODE_LOADER, 6);

    // The bulk frame.
    row("FRAME_BUFFER_SIZE", usb_frame_class::FRAME_BUFFER_SIZE, 66000);
    row("FRAME_OVERHEAD", usb_frame_class::FRAME_OVERHEAD, 12);
    row("HEADER_SIZE", usb_frame_class::HEADER_SIZE, 8);

    // The whole configuration on the wire.
    row("configuration frame command", configuration_transfer::FrameCommand, 0x14);
    row("configuration frame address base", image_layout::ControllerBase, 0x62000000);
    row("SmallBlockSize", configuration_transfer::SmallBlockSize, 0x2000);
    row("LargeBlockSize", configuration_transfer::LargeBlockSize, 0x10000);
    row("LargeBlocksFrom", configuration_transfer::LargeBlocksFrom, 0x10000);
    row("SendFrom", configuration_transfer::SendFrom, 0x2000);
    row("SendBytes", configuration_transfer::SendBytes, 0x1FE000);
    row("SendBlockCount", configuration_transfer::SendBlockCount, 38);
    row("ReadSmallCount", configuration_transfer::ReadSmallCount, 3);
    row("ReadSmallFrom", configuration_transfer::ReadSmallFrom, 0);
    row("ReadSmallFirstBlock", configuration_transfer::ReadSmallFirstBlock, 0);
    row("ReadLargeCount", configuration_transfer::ReadLargeCount, 31);
    row("ReadLargeFrom", configuration_transfer::ReadLargeFrom, 0x10000);
    row("ReadLargeFirstBlock", configuration_transfer::ReadLargeFirstBlock, 8);
    row("ReadOffsetUnit", configuration_transfer::ReadOffsetUnit, 256);

    // Firmware blocks in the controller's flash.
    row("FlashFrameBase", upgrade_file::FlashFrameBase, 0x40000000);
    row("flash address of block 0", upgrade_file::flashAddress(0), 0x8000);
    row("flash address of block 1", upgrade_file::flashAddress(1), 0x10000);
    row("flash address of block 2", upgrade_file::flashAddress(2), 0x20000);
    row("flash address of block 3", upgrade_file::flashAddress(3), 0x30000);
    row("flash address of block 4", upgrade_file::flashAddress(4), 0xC0000);
    row("size of block 0", upgrade_file::blockSize(0), 0x8000);
    row("size of block 1", upgrade_file::blockSize(1), 0x10000);
    row("size of block 2", upgrade_file::blockSize(2), 0x10000);
    row("size of block 3", upgrade_file::blockSize(3), 0x10000);
    row("size of block 4", upgrade_file::blockSize(4), 0x4000);

    // Remote control: the sub-commands of REQ_RCU and its reply.
    row("RCU_RESULT", RCU_RESULT, 0);
    row("RCU_READ_KEY", RCU_READ_KEY, 1);
    row("RCU_LEARN_ADDRESS", RCU_LEARN_ADDRESS, 2);
    row("RCU_LEARN_KEY", RCU_LEARN_KEY, 3);
    row("RCU_SET_ADDRESS", RCU_SET_ADDRESS, 4);
    row("RCU_WRITE_KEY", RCU_WRITE_KEY, 5);
    row("RCU_SAVE", RCU_SAVE, 6);
    row("rcu::ReplySize", rcu::ReplySize, 4);
    row("rcu::KeyCount", rcu::KeyCount, 64);
    row("rcu::MaxAddress", rcu::MaxAddress, 31);
    row("rcu::MaxCode", rcu::MaxCode, 63);
    row("rcu::None", rcu::None, 0xFF);

    // Monitor: the commands of REQ_MONITOR and what comes back.
    row("MON_INPUT_STATES", MON_INPUT_STATES, 0);
    row("MON_START", MON_START, 2);
    row("MON_STOP", MON_STOP, 3);
    row("MON_DMX_OUTPUT", MON_DMX_OUTPUT, 4);
    row("MON_INPUT_CONFIG", MON_INPUT_CONFIG, 5);
    row("MON_INTERNAL_STATES", MON_INTERNAL_STATES, 6);
    row("monitor::InputStatesSize", monitor::InputStatesSize, 3);
    row("monitor::DmxBufferSize", monitor::DmxBufferSize, 76);
    row("monitor::DmxValuesOlder", monitor::DmxValuesOlder, 32);
    row("monitor::DmxValues", monitor::DmxValues, 64);
    row("monitor::InputConfigBlockOffset", monitor::InputConfigBlockOffset, 0x4000);
    row("monitor::InputConfigDataOffset", monitor::InputConfigDataOffset, 0x800);
    row("monitor::InputConfigSize", monitor::InputConfigSize, 96);
    row("monitor::ReportLengthMin", monitor::ReportLengthMin, 26);
    row("monitor::ReportLengthMax", monitor::ReportLengthMax, 2400);
    row("monitor::ReportReadMin", monitor::ReportReadMin, 64);
}

void tst_usb_protocol::numbers()
{
    QFETCH(qint64, value);
    QFETCH(qint64, expected);
    QCOMPARE(value, expected);
}

void tst_usb_protocol::texts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LOADER_SERIAL") << QString::fromLatin1(LOADER_SERIAL) << QStringLiteral("005A0000-0000");
    QTest::newRow("monitor::DmxValuesGate") << QString::fromLatin1(monitor::DmxValuesGate)
                                            << QStringLiteral("F/W ver. 3.00.0011");
}

void tst_usb_protocol::texts()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(value, expected);
}

QTEST_GUILESS_MAIN(tst_usb_protocol)
#include "tst_usb_protocol.moc"
