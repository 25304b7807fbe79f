#include "tests/sim/sim_firmware_fixture.h"

#include "tests/sim/sim_device_protocol.h"

using namespace sim_protocol;

namespace {

constexpr int PlainLengths[FlashBlockCount] = {0x7000, 0x10000, 0x10000, 0x10000, 0x4000};

// The flash block of `index` as the controller keeps it.
QByteArray flashBlock(const QByteArray &flash, int index)
{
    return flash.mid(int(FlashBlocks[index].address), FlashBlocks[index].size);
}

QString frameText(const char *direction, u8 command, int index)
{
    return QStringLiteral("#1 bulk %1 %2 0x%3/%4 @0x%5")
        .arg(QLatin1String(direction))
        .arg(FlashBlocks[index].size + FrameOverhead)
        .arg(command, 2, 16, QLatin1Char('0'))
        .arg(command == frame_command::Firmware ? index : 0)
        .arg(FlashBase + FlashBlocks[index].address, 8, 16, QLatin1Char('0'));
}

char iconLetter(message_icon icon)
{
    switch (icon) {
    case message_icon::Information: return 'I';
    case message_icon::Warning: return 'W';
    case message_icon::Critical: return 'C';
    case message_icon::Question: return 'Q';
    case message_icon::NoIcon: break;
    }
    return '-';
}

} // namespace

sim_firmware_fixture::sim_firmware_fixture()
    : device(bus.addDevice(QStringLiteral("005F0000-0001")))
    , loader(*device.findEngine<sim_loader_engine>())
{
    for (int i = 0; i < FlashBlockCount; ++i)
        plain << upgrade_file_builder::pattern(i, PlainLengths[i]);
    connectAndReset();
    device.restartIntoLoader = true;
}

upgrade_file_builder sim_firmware_fixture::wholeFile() const
{
    upgrade_file_builder file;
    for (int i = 0; i < FlashBlockCount; ++i)
        file.setBlock(i, plain[i]);
    return file;
}

QString sim_firmware_fixture::write(const upgrade_file_builder &file, const QString &name) const
{
    const QString path = folder.filePath(name);
    return file.write(path) ? path : QString();
}

void sim_firmware_fixture::installBlock(int index)
{
    loader.flash.replace(int(FlashBlocks[index].address), FlashBlocks[index].size,
                         upgrade_file_builder::flashImage(index, plain[index]));
}

bool sim_firmware_fixture::flashHolds(int index) const
{
    return flashBlock(loader.flash, index) == upgrade_file_builder::flashImage(index, plain[index]);
}

bool sim_firmware_fixture::flashErased(int index) const
{
    return flashBlock(loader.flash, index) == QByteArray(FlashBlocks[index].size, char(0xFF));
}

QStringList sim_firmware_fixture::boxes() const
{
    QStringList lines;
    for (const message_request &m : ui.messages)
        lines << QStringLiteral("%1 %2: %3").arg(QLatin1Char(iconLetter(m.icon))).arg(m.title, m.text);
    return lines;
}

QStringList sim_firmware_fixture::statusReads(int n)
{
    return QStringList(n, QStringLiteral("#1 STATUS v=0 i=0 in 8"));
}

namespace {

// Searches that find the controller and let it go again, n times.
QStringList foundAndLetGo(int n)
{
    QStringList log;
    for (int i = 0; i < n; ++i)
        log += QStringList{"list"} + sim_link_fixture::searchReads(1) + sim_link_fixture::released(1);
    return log;
}

// " !gone" when the controller has left before the operation.
QString goneUnless(bool present)
{
    return present ? QString() : QStringLiteral(" !gone");
}

} // namespace

QStringList sim_firmware_fixture::enterLoader(int leavingFound, int searchesInVain)
{
    return QStringList{"#1 RESTART v=0 i=0", "#1 release 0" + goneUnless(leavingFound > 0), "#1 close"}
        + foundAndLetGo(leavingFound) + QStringList(searchesInVain + 1, "list") + searchReads(1);
}

QStringList sim_firmware_fixture::blockWrite(int index, int reads)
{
    return QStringList{frameText("out", frame_command::Firmware, index)} + statusReads(reads);
}

QStringList sim_firmware_fixture::blockRead(int index)
{
    return statusReads(1)
        + QStringList{QStringLiteral("#1 FIRMWARE_READ_BLOCK v=1 i=%1").arg(FlashBlocks[index].address / FlashPage)}
        + statusReads(2) + QStringList{frameText("in", request::FirmwareReadBlock, index)};
}

QStringList sim_firmware_fixture::leaveLoader(int searchesInVain, int loaderFound)
{
    const QString gone = goneUnless(loaderFound > 0);
    return QStringList{"#1 UNFREEZE v=0 i=0", "#1 SET_MODE v=1 i=0" + gone, "#1 release 0" + gone, "#1 close"}
        + foundAndLetGo(loaderFound) + QStringList(searchesInVain + 1, "list") + searchReads(1)
        + QStringList{"#1 close"} + wholeConnect(1);
}
