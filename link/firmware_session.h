#pragma once

#include "link/upgrade_file.h"
#include "model/types.h"
#include "model/user_interaction.h"

#include <QFile>
#include <QString>

#include <memory>

class kd620_controller_class;

// What a firmware upgrade and a firmware verification share: the upgrade file opened and
// its header checked, its blocks prepared as the flash must hold them, the controller put
// into its loader, and the status polls between the steps. Every failure is told to the
// user here, file problems under the operation's title ("Firmware upgrade" or "Firmware
// verification"), link problems under "USB Interface". One session per operation; its
// working buffer goes with it.
class firmware_session
{
public:
    firmware_session(kd620_controller_class &controller, const QString &path, const QString &title);
    ~firmware_session();

    // Not connected, a file that cannot be opened or read, or that is no upgrade file:
    // told, false.
    bool openFile();
    const upgrade_file &file() const { return upgrade; }

    // Prepares present block `index` into block(index) (blockSize bytes of flash data); a
    // file that cannot be read there or a wrong checksum: told, false.
    bool prepareBlock(int index);
    // Prepares every present block in index order: false, with the first bad block told.
    // Run before the controller is touched, so a damaged file never leaves it half-written.
    bool prepareBlocks();
    u8 *block(int index) const { return buffer.get() + size_t(index) * upgrade_file::BufferSize; }

    // Records the loader mode and, unless the loader already runs, restarts the controller
    // into it and opens it again (20 tries, 100 ms apart; a try that finds the controller
    // not yet in its loader counts as failed). Not back: "Protocol error!", the connection
    // ended, false.
    bool enterLoader();

    // Reads the status up to `reads` times, 100 ms apart, until one of `bits` shows. The
    // number of the read that showed it (1 for the first) with its word in `status`, 0
    // when none did, -1 when a read failed. The connection stays as it is.
    int pollStatus(u32 bits, int reads, u32 &status);

    // True when the controller's S/N text shows the loader serial: its loader runs.
    static bool loaderRunning(const kd620_controller_class &controller);
    // True when the device just opened presents the loader serial.
    static bool loaderOpened(const kd620_controller_class &controller);

    // Boxes with a single OK button over the main window.
    void tell(message_icon icon, const QString &text) const;  // under the operation's title
    static void tellLinkProblem(const QString &text);                    // "USB Interface", warning

private:
    kd620_controller_class &controller;
    QString path;
    QString title;
    QFile input;
    upgrade_file upgrade;
    std::unique_ptr<u8[]> buffer;
};
