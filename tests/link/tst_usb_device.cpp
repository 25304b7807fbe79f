#include "link/libusb_backend.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_device_protocol.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace wire = sim_protocol;

namespace {

const QString serialA = QStringLiteral("005F0000-0001");
const QString serialB = QStringLiteral("005F0000-0002");
const QString serialC = QStringLiteral("005F0000-0003");
const QString olderSerial = QStringLiteral("005A0000-0009");
const QString loaderSerial = QString::fromLatin1(wire::LoaderSerial);

struct device_shape {
    QString serial;
    int model = 0x5F;
    u8 bus = 1;
    u16 product = 0x05D5;
    bool openFails = false;
    bool configurationFails = false;
    bool claimFails = false;
};

// The operations of a device the search reads up to its serial number, and of closing it.
const auto readUpToSerial = &sim_link_fixture::searchReads;
const auto closed = &sim_link_fixture::released;

// A test request (code 0xF0, no controller has it) that answers in with `reply` and
// records what an out-request carried.
class probe_engine : public sim_engine
{
public:
    QByteArray reply;
    QByteArray received;
    QList<u8> requests() const override { return {0xF0}; }
    int control(sim_device &, const sim_setup &setup, u8 *data) override
    {
        if (!setup.isIn()) {
            received = QByteArray(reinterpret_cast<const char *>(data), setup.wLength());
            return setup.wLength();
        }
        const int count = std::min(int(setup.wLength()), int(reply.size()));
        std::copy_n(reply.constData(), count, data);
        return count;
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<device_shape>)

class tst_usb_device : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<sim_link_fixture>(); }
    void cleanup()
    {
        const QStringList problems = sim_link_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void search_data();
    void search();
    void openTwiceClosesTheOldHandleFirst();
    void serialFromShortReplies_data();
    void serialFromShortReplies();
    void readSerialNumberFailsWhenClosedOrRefused();
    void controlOutLengths_data();
    void controlOutLengths();
    void controlInLengths_data();
    void controlInLengths();
    void transfersOnAClosedDeviceSendNothing();
    void bulkTransfers();
    void modelCodeNeedsExactlyTwoBytes_data();
    void modelCodeNeedsExactlyTwoBytes();
    void realBackendWithoutControllerFindsNothing();
    void searchRemembersAControllerNotTheUsers_data();
    void searchRemembersAControllerNotTheUsers();
    void udevRuleGrantsTheControllerIds();

private:
    t_threadUsbDevice &device() { return f->controller->usbDevice; }
    void openProbeDevice(probe_engine *&probe);

    std::unique_ptr<sim_link_fixture> f;
};

void tst_usb_device::search_data()
{
    QTest::addColumn<QList<device_shape>>("devices");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("serialAfter");
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<QStringList>("log");

    const QStringList list{"list"};
    QTest::newRow("no device") << QList<device_shape>{} << "" << -1 << "" << QStringList() << list;
    QTest::newRow("empty wanted serial takes the first controller")
        << QList<device_shape>{{serialA}, {serialB}} << "" << 0x5F << serialA << QStringList()
        << list + readUpToSerial(1);
    QTest::newRow("wanted controller found after another")
        << QList<device_shape>{{serialB}, {serialA}} << serialA << 0x5F << serialA << QStringList{serialB}
        << list + readUpToSerial(1) + closed(1) + readUpToSerial(2);
    QTest::newRow("wanted controller gone, another attached")
        << QList<device_shape>{{serialB}} << serialA << -1 << serialA << QStringList{serialB}
        << list + readUpToSerial(1) + closed(1);
    QTest::newRow("loader opened whatever is wanted")
        << QList<device_shape>{{serialB}, {loaderSerial, 0x5A}, {serialA}} << serialA << 0x5A << loaderSerial
        << QStringList{serialB} << list + readUpToSerial(1) + closed(1) + readUpToSerial(2);
    QTest::newRow("loader wanted takes the first controller")
        << QList<device_shape>{{serialB}} << loaderSerial << 0x5F << serialB << QStringList()
        << list + readUpToSerial(1);
    QTest::newRow("older model outside the loader is skipped, not listed")
        << QList<device_shape>{{olderSerial, 0x5A}, {serialB}, {serialA}} << serialA << 0x5F << serialA
        << QStringList{serialB} << list + readUpToSerial(1) + closed(1) + readUpToSerial(2) + closed(2)
               + readUpToSerial(3);
    QTest::newRow("older model first still fills an empty wanted serial")
        << QList<device_shape>{{olderSerial, 0x5A}, {serialA}} << "" << -1 << olderSerial << QStringList{serialA}
        << list + readUpToSerial(1) + closed(1) + readUpToSerial(2) + closed(2);
    QTest::newRow("model code of neither model")
        << QList<device_shape>{{serialB, 0x60}, {serialA}} << "" << 0x5F << serialA << QStringList()
        << list + QStringList{"#1 open", "#1 configuration 1", "#1 claim 0", "#1 MODEL_CODE v=0 i=0 in 2"}
               + closed(1) + readUpToSerial(2);
    device_shape claimed{serialB};
    claimed.claimFails = true;
    QTest::newRow("interface cannot be claimed")
        << QList<device_shape>{claimed, {serialA}} << "" << 0x5F << serialA << QStringList()
        << list + QStringList{"#1 open", "#1 configuration 1", "#1 claim 0 !refused", "#1 close"} + readUpToSerial(2);
    device_shape unconfigurable{serialB};
    unconfigurable.configurationFails = true;
    QTest::newRow("configuration cannot be set")
        << QList<device_shape>{unconfigurable, {serialA}} << "" << 0x5F << serialA << QStringList()
        << list + QStringList{"#1 open", "#1 configuration 1 !refused", "#1 close"} + readUpToSerial(2);
    device_shape unopenable{serialB};
    unopenable.openFails = true;
    QTest::newRow("device cannot be opened")
        << QList<device_shape>{unopenable, {serialA}} << "" << 0x5F << serialA << QStringList()
        << list + QStringList{"#1 open !refused"} + readUpToSerial(2);
    device_shape otherProduct{serialB};
    otherProduct.product = 0x1234;
    device_shape olderProduct{serialA};
    olderProduct.product = 0x05D2;
    QTest::newRow("other product skipped unopened, older product id taken")
        << QList<device_shape>{otherProduct, olderProduct} << "" << 0x5F << serialA << QStringList()
        << list + readUpToSerial(2);
    device_shape laterBus{serialB};
    laterBus.bus = 2;
    QTest::newRow("busses in order")
        << QList<device_shape>{laterBus, {serialA, 0x5F, 1}} << "" << 0x5F << serialA << QStringList()
        << list + readUpToSerial(2);
}

void tst_usb_device::search()
{
    QFETCH(QList<device_shape>, devices);
    QFETCH(QString, wanted);
    for (const device_shape &shape : devices) {
        sim_device &d = f->bus.addDevice(shape.serial);
        d.modelCode = shape.model;
        d.busNumber = shape.bus;
        d.idProduct = shape.product;
        d.openFails = shape.openFails;
        d.configurationFails = shape.configurationFails;
        d.claimFails = shape.claimFails;
    }
    f->controller->otherSerials = QStringList{"left from before"};
    device().setSerialNumber(wanted);

    QTEST(device().open(), "result");
    QTEST(device().serialNumber, "serialAfter");
    QTEST(f->controller->otherSerials, "others");
    QTEST(f->bus.logTexts(), "log");
    QFETCH(int, result);
    QCOMPARE(device().isOpen(), result != -1);
}

void tst_usb_device::openTwiceClosesTheOldHandleFirst()
{
    f->bus.addDevice(serialA);
    QCOMPARE(device().open(), 0x5F);
    f->bus.clearLog();
    QCOMPARE(device().open(), 0x5F);
    QStringList expected{"#1 close", "list"};
    QCOMPARE(f->bus.logTexts(), expected + readUpToSerial(1));
    device().close();
    QCOMPARE(f->bus.logTexts().mid(expected.size() + 5), closed(1));
    QVERIFY(!device().isOpen());
    device().close();  // closed: nothing happens
    QCOMPARE(f->bus.log.size(), expected.size() + 7);
}

void tst_usb_device::serialFromShortReplies_data()
{
    QTest::addColumn<QString>("presented");
    QTest::addColumn<int>("received");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("serial");

    QTest::newRow("nothing") << serialA << 0 << -1 << "";
    QTest::newRow("one byte") << serialA << 1 << -1 << "";
    QTest::newRow("header only") << serialA << 2 << 0 << "";
    QTest::newRow("odd byte dropped") << serialA << 5 << 0 << "0";
    QTest::newRow("one character short") << serialA << 27 << 0 << "005F0000-000";
    QTest::newRow("whole") << serialA << 28 << 0 << serialA;
    QTest::newRow("longer serial cut at 13") << serialA + "XY" << 30 << 0 << serialA;
    QTest::newRow("short serial") << "AB" << 6 << 0 << "AB";
}

void tst_usb_device::serialFromShortReplies()
{
    QFETCH(QString, presented);
    QFETCH(int, received);
    f->bus.addDevice(presented);
    QCOMPARE(device().open(), 0x5F);
    f->bus.injectAt(int(f->bus.log.size()), sim_fault::shortReply(received));
    QTEST(device().readSerialNumber(), "result");
    QTEST(device().serialNumber, "serial");
    QCOMPARE(f->bus.logTexts().last(), QStringLiteral("#1 string 0x2a !short"));
}

void tst_usb_device::readSerialNumberFailsWhenClosedOrRefused()
{
    sim_device &d = f->bus.addDevice(serialA);
    device().setSerialNumber(serialA);
    QCOMPARE(device().readSerialNumber(), -1);
    QVERIFY(device().serialNumber.isEmpty());
    QVERIFY(f->bus.log.isEmpty());

    // A device whose serial number sits at another string index fails the fixed re-read.
    d.iSerialNumber = 3;
    QCOMPARE(device().open(), 0x5F);
    QCOMPARE(device().serialNumber, serialA);
    QCOMPARE(device().readSerialNumber(), -1);
    QVERIFY(device().serialNumber.isEmpty());
    QCOMPARE(f->bus.logTexts().last(), QStringLiteral("#1 string 0x2a !stall"));
}

void tst_usb_device::openProbeDevice(probe_engine *&probe)
{
    sim_device &d = f->bus.addDevice(serialA);
    auto engine = std::make_unique<probe_engine>();
    probe = engine.get();
    d.addEngine(std::move(engine));
    QCOMPARE(device().open(), 0x5F);
    f->bus.clearLog();
}

void tst_usb_device::controlOutLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("nullData");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("wireLength");  // -1: nothing sent

    QTest::newRow("no data") << 0 << false << 0 << 0;
    QTest::newRow("null pointer") << 8 << true << 0 << 0;
    QTest::newRow("one byte") << 1 << false << 1 << 1;
    QTest::newRow("64 bytes") << 64 << false << 64 << 64;
    QTest::newRow("65 bytes refused") << 65 << false << -1 << -1;
    QTest::newRow("negative length refused") << -1 << false << -1 << -1;
}

void tst_usb_device::controlOutLengths()
{
    QFETCH(int, length);
    QFETCH(bool, nullData);
    QFETCH(int, wireLength);
    probe_engine *probe = nullptr;
    openProbeDevice(probe);
    QByteArray payload(80, '\0');
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = char(i + 1);

    QTEST(device().controlOut(0xF0, 0x0102, 0x0304, nullData ? nullptr : reinterpret_cast<u8 *>(payload.data()), length),
          "result");
    if (wireLength < 0) {
        QVERIFY(f->bus.log.isEmpty());
        return;
    }
    QCOMPARE(f->bus.log.size(), 1);
    const sim_setup &setup = f->bus.log[0].setup;
    QCOMPARE(setup.requestType(), u8(0x40));
    QCOMPARE(setup.wValue(), u16(0x0102));
    QCOMPARE(setup.wIndex(), u16(0x0304));
    QCOMPARE(int(setup.wLength()), wireLength);
    QCOMPARE(probe->received, payload.left(wireLength));
}

void tst_usb_device::controlInLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("nullData");
    QTest::addColumn<int>("replyBytes");
    QTest::addColumn<int>("result");

    QTest::newRow("length 0 refused") << 0 << false << 4 << -1;
    QTest::newRow("length 65 refused") << 65 << false << 4 << -1;
    QTest::newRow("null buffer refused") << 4 << true << 4 << -1;
    QTest::newRow("whole reply") << 4 << false << 4 << 4;
    QTest::newRow("fewer bytes than asked") << 64 << false << 3 << 3;
    QTest::newRow("empty reply") << 1 << false << 0 << 0;
}

void tst_usb_device::controlInLengths()
{
    QFETCH(int, length);
    QFETCH(bool, nullData);
    QFETCH(int, replyBytes);
    QFETCH(int, result);
    probe_engine *probe = nullptr;
    openProbeDevice(probe);
    probe->reply = QByteArray("\x11\x22\x33\x44", 4).left(replyBytes);
    QByteArray buffer(80, '\x7F');

    QCOMPARE(device().controlIn(0xF0, 0, 0, nullData ? nullptr : reinterpret_cast<u8 *>(buffer.data()), length), result);
    if (result < 0) {
        QVERIFY(f->bus.log.isEmpty());
        return;
    }
    QCOMPARE(f->bus.log[0].setup.requestType(), u8(0xC0));
    QCOMPARE(int(f->bus.log[0].setup.wLength()), length);
    QCOMPARE(buffer.left(result), probe->reply);
    QCOMPARE(buffer.at(result), '\x7F');
}

void tst_usb_device::transfersOnAClosedDeviceSendNothing()
{
    f->bus.addDevice(serialA);
    u8 buffer[16] = {};
    QCOMPARE(device().controlOut(REQ_SET_MODE, 0x100, 0, nullptr, 0), -1);
    QCOMPARE(device().controlIn(REQ_STATUS, 0, 0, buffer, 8), -1);
    QCOMPARE(device().bulkWrite(buffer, 16), -1);
    QCOMPARE(device().bulkRead(buffer, 16), -1);
    QCOMPARE(device().readModelCode(), -1);
    QVERIFY(f->bus.log.isEmpty());
}

void tst_usb_device::bulkTransfers()
{
    sim_device &d = f->bus.addDevice(serialA);
    QCOMPARE(device().open(), 0x5F);
    f->bus.clearLog();
    QByteArray buffer(64, '\0');
    u8 *p = reinterpret_cast<u8 *>(buffer.data());

    QCOMPARE(device().bulkRead(nullptr, 16), -1);
    QCOMPARE(device().bulkRead(p, 0), -1);
    QCOMPARE(device().bulkWrite(p, -4), -1);
    QVERIFY(f->bus.log.isEmpty());

    // The bytes moved; a frame larger than asked for overflows and says so.
    d.bulkInQueue.enqueue(QByteArray("0123456789abcdef"));
    QCOMPARE(device().bulkRead(p, 64), 16);
    QCOMPARE(buffer.left(16), QByteArray("0123456789abcdef"));
    d.bulkInQueue.enqueue(QByteArray(80, 'x'));
    QCOMPARE(device().bulkRead(p, 64), int(usb_error::Overflow));

    // A frame the controller takes; the backend's own error comes back unchanged.
    QByteArray taken;
    d.bulkOutSink = [&taken](const QByteArray &frame) {
        taken = frame;
        return int(frame.size());
    };
    QCOMPARE(device().bulkWrite(p, 12), 12);
    QCOMPARE(taken, buffer.left(12));
    f->bus.injectAt(int(f->bus.log.size()), sim_fault::timeout());
    QCOMPARE(device().bulkWrite(p, 12), int(usb_error::Timeout));
    QCOMPARE(f->bus.logTexts(), QStringList({"#1 bulk in 64 bad frame", "#1 bulk in 64 bad frame !overflow",
                                             "#1 bulk out 12 bad frame", "#1 bulk out 12 !timeout"}));
}

void tst_usb_device::modelCodeNeedsExactlyTwoBytes_data()
{
    QTest::addColumn<int>("received");
    QTest::addColumn<int>("result");
    QTest::newRow("one byte") << 1 << -1;
    QTest::newRow("none") << 0 << -1;
    QTest::newRow("both") << 2 << 0x5F;
}

void tst_usb_device::modelCodeNeedsExactlyTwoBytes()
{
    QFETCH(int, received);
    f->bus.addDevice(serialA);
    QCOMPARE(device().open(), 0x5F);
    f->bus.device(1).injectOnRequest(wire::request::ModelCode, 1, sim_fault::shortReply(received));
    QTEST(device().readModelCode(), "result");
}

void tst_usb_device::realBackendWithoutControllerFindsNothing()
{
    // Our machines have no controller (often no USB at all): the search over libusb finds
    // nothing and nothing crashes.
    f.reset();
    installUsbBackend(nullptr);
    libusb_backend backend;
    for (const usb_device_entry &e : backend.listDevices())
        QVERIFY(e.idVendor != wire::VendorId || (e.idProduct != 0x05D2 && e.idProduct != 0x05D5));
    t_threadUsbDevice usb;
    usb.setIds(wire::VendorId, wire::ProductId);
    QCOMPARE(usb.open(), -1);
    QVERIFY(!usb.isOpen());
    f = std::make_unique<sim_link_fixture>();
}

void tst_usb_device::searchRemembersAControllerNotTheUsers_data()
{
    QTest::addColumn<int>("openError");   // of the first device, 0: it opens
    QTest::addColumn<u16>("vendor");      // of the first device
    QTest::addColumn<bool>("secondController");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("withoutPermission");

    QTest::newRow("controller not the user's") << int(usb_error::Access) << wire::VendorId << false << -1 << true;
    QTest::newRow("open fails otherwise") << int(usb_error::Io) << wire::VendorId << false << -1 << false;
    QTest::newRow("not the user's, another controller opens")
        << int(usb_error::Access) << wire::VendorId << true << 0x5F << true;
    QTest::newRow("device of another vendor is never opened") << int(usb_error::Access) << u16(0x1234) << false << -1
                                                              << false;
    QTest::newRow("every device opens") << 0 << wire::VendorId << false << 0x5F << false;
}

void tst_usb_device::searchRemembersAControllerNotTheUsers()
{
    QFETCH(int, openError);
    QFETCH(u16, vendor);
    QFETCH(bool, secondController);
    sim_device &first = f->bus.addDevice(serialB);
    first.idVendor = vendor;
    first.openFails = openError != 0;
    first.openError = openError;
    if (secondController)
        f->bus.addDevice(serialA);

    QTEST(device().open(), "result");
    QTEST(device().sawControllerWithoutPermission(), "withoutPermission");

    // Once the user may open it (the rule installed), the next search forgets the refusal.
    first.openFails = false;
    device().setSerialNumber(QString());
    device().open();
    QVERIFY(!device().sawControllerWithoutPermission());
}

void tst_usb_device::udevRuleGrantsTheControllerIds()
{
    // The rule shipped for Linux must name exactly the ids the controller presents, or a normal
    // user still finds no controller.
    const QString path = QFINDTESTDATA("../../resources/udev/60-varidex625.rules");
    QFile rules(path);
    QVERIFY2(rules.open(QIODevice::ReadOnly), qPrintable(path));
    const QRegularExpression ids(QStringLiteral("ATTR\\{idVendor\\}==\"([0-9a-f]{4})\".*ATTR\\{idProduct\\}==\"([0-9a-f]{4})\""));
    QStringList granted;
    for (const QByteArray &raw : rules.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QRegularExpressionMatch m = ids.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        QVERIFY2(line.contains(QLatin1String("SUBSYSTEM==\"usb\"")), qPrintable(line));
        QVERIFY2(line.contains(QLatin1String("TAG+=\"uaccess\"")) && line.contains(QLatin1String("MODE=\"0660\"")),
                 qPrintable(line));
        granted << m.captured(1) + ':' + m.captured(2);
    }
    const auto id = [](u16 product) {
        return QStringLiteral("%1:%2").arg(wire::VendorId, 4, 16, QLatin1Char('0')).arg(product, 4, 16, QLatin1Char('0'));
    };
    granted.sort();
    QCOMPARE(granted, QStringList({id(wire::ProductIdOlder), id(wire::ProductId)}));
}

QTEST_GUILESS_MAIN(tst_usb_device)
#include "tst_usb_device.moc"
