// The controller's real-time clock: the date-and-time text, setting the clock, and its
// calibration.
#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"
#include "model/bcd_codec.h"
#include "model/clock_interface.h"

#include <QLocale>

namespace {

constexpr char NoClockText[] = "------,  --.--.----  --:--:--";
constexpr char ClockFormat[] = ", dd.MM.yyyy  hh:mm:ss";
// clockRereadCounter at this value: read at the next call (also the most failures counted).
constexpr int RereadNow = 10;
constexpr qint64 ReadEveryMs = 60000;
constexpr int ClockReadAttempts = 10;
constexpr int SetClockBusyPolls = 10;

// The clock record, the data stage of REQ_READ_CLOCK and REQ_SET_CLOCK.
constexpr int ClockRecordSize = 8;
enum clock_record_byte { Seconds, Minutes, Hours, DayOfWeek, Day, Month, Year, Calibration };
constexpr u8 DaylightSavingBits = 0xE0;  // in the month byte
constexpr u8 CalibrationMagnitude = 0x1F;
constexpr u8 CalibrationNotNegative = 0x20;

// The calibration -31..31 as the controller stores it: the magnitude, with 0x20 added for
// zero and above.
u8 calibrationCode(int calibration)
{
    return u8((calibration < 0 ? -calibration : calibration + CalibrationNotNegative) & 0x3F);
}

int calibrationFromCode(u8 code)
{
    const int magnitude = code & CalibrationMagnitude;
    return (code & CalibrationNotNegative) ? magnitude : -magnitude;
}

// The date and time of a record; invalid when a field is not valid BCD.
QDateTime clockRecordDateTime(const u8 *record)
{
    const QTime time = QTime::fromString(QString::asprintf("%02d:%02d:%02d", fromBcd(record[Hours] & 0x3F),
                                                           fromBcd(record[Minutes] & 0x7F),
                                                           fromBcd(record[Seconds] & 0x7F)),
                                         QStringLiteral("hh:mm:ss"));
    const QDate date(fromBcd(record[Year]) + 2000, fromBcd(record[Month] & 0x1F), fromBcd(record[Day] & 0x3F));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

} // namespace

QString kd620_controller_class::controllerTimeText()
{
    if (connected == 0 || controllerMode == MODE_LOADER) {
        clockValid = 0;
        return QLatin1String(NoClockText);
    }
    const qint64 now = appClock().elapsedMs();
    qint64 elapsed = 0;
    if (clockRereadCounter == RereadNow || clockDisplay.intervalStartMs < 0) {
        // After a connect, a set or ten failures: read at once.
        clockValid = 0;
        clockDisplay.sinceReadMs = ReadEveryMs + 1;
    } else {
        elapsed = now - clockDisplay.intervalStartMs;
    }
    clockDisplay.intervalStartMs = now;
    clockDisplay.sinceReadMs += elapsed;

    bool counted = clockValid != 0 && clockDisplay.sinceReadMs <= ReadEveryMs;
    if (!counted) {
        if (clockDisplay.sinceReadMs >= ReadEveryMs)
            clockDisplay.sinceReadMs -= ReadEveryMs;
        if (waitStatusClear(STATUS_BUSY, 1) != 0) {
            clockValid = 0;  // busy: count on and try again at the next call
            counted = true;
        } else if (!readControllerClock()) {
            clockValid = 0;
            counted = true;
            if (++clockRereadCounter > RereadNow) {
                clockRereadCounter = RereadNow;
                return QLatin1String(NoClockText);
            }
        }
    }
    if (counted)
        clockDisplay.lastValue = clockDisplay.lastValue.addMSecs(elapsed);
    // The day's name is the controller's, from the last read; local counting never moves it.
    return QLocale::system().dayName(clockDisplay.dayOfWeek, QLocale::ShortFormat)
        + clockDisplay.lastValue.toString(QLatin1String(ClockFormat));
}

bool kd620_controller_class::readControllerClock()
{
    u8 record[ClockRecordSize] = {};
    lastRequest[0] = REQ_READ_CLOCK;
    lastRequest[1] = 0;
    lastRequest[2] = 0;
    bool read = false;
    for (int attempt = 0; attempt < ClockReadAttempts && !read; ++attempt)
        read = usbDevice.controlIn(REQ_READ_CLOCK, 0, 0, record, ClockRecordSize) == ClockRecordSize;
    if (!read)
        return false;

    clockValid = 1;
    clockDisplay.dayOfWeek = record[DayOfWeek] & 0x07;
    clockDisplay.lastValue = clockRecordDateTime(record);
    clockRereadCounter = 0;
    clockDisplay.sinceReadMs = 0;
    dstFlag = (record[Month] & DaylightSavingBits) != 0;
    clockCalibration = calibrationFromCode(record[Calibration]);
    emit controllerClockRead(dstFlag != 0, clockCalibration);
    return true;
}

int kd620_controller_class::setControllerClock(QDateTime dateTime, bool daylightSaving)
{
    // A year the clock's BCD byte cannot hold would be sent as a byte the controller reads
    // as another date: refused before anything goes out.
    const int year = dateTime.date().year();
    if (!dateTime.isValid() || year < FirstClockYear || year > LastClockYear)
        return -1;
    clockValid = 0;
    if (waitStatusClear(STATUS_BUSY, SetClockBusyPolls) != 0) {
        dropConnection();
        return -1;
    }
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    u8 record[ClockRecordSize];
    record[Seconds] = toBcd(time.second()) & 0x7F;
    record[Minutes] = toBcd(time.minute()) & 0x7F;
    record[Hours] = toBcd(time.hour()) & 0x3F;
    record[DayOfWeek] = toBcd(date.dayOfWeek()) & 0x07;
    record[Day] = toBcd(date.day()) & 0x3F;
    record[Month] = u8((toBcd(date.month()) & 0x1F) | (daylightSaving ? DaylightSavingBits : 0));
    record[Year] = toBcd(year - FirstClockYear);
    // The calibration has a request of its own; the record carries the one last known.
    record[Calibration] = calibrationCode(clockCalibration);

    lastRequest[0] = REQ_SET_CLOCK;
    lastRequest[1] = 0;
    lastRequest[2] = 0;
    const int sent = usbDevice.controlOut(REQ_SET_CLOCK, 0, 0, record, ClockRecordSize);
    clockValid = 0;
    clockRereadCounter = RereadNow;  // the next clock text reads the new time
    return sent == ClockRecordSize ? 0 : -1;
}

int kd620_controller_class::setClockCalibration(int calibration)
{
    // The calibration is the controller's once it took it: a refused one is not kept.
    if (sendRequest(REQ_CLOCK_CALIBRATION, calibrationCode(calibration), 0) < 0)
        return -1;
    clockCalibration = calibration;
    return 0;
}
