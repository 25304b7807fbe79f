#include "model/sun_calculation.h"

#include <cmath>
#include <limits>

namespace {

constexpr double TwoPi = 6.28318530718;
constexpr double Pi = 3.14159265;
constexpr double DegreesPerRadian = 57.29577951;
constexpr double RadiansPerDegree = 0.017453293;
// sin of the altitude at which the sun counts as risen: the refraction and the sun's radius.
constexpr double HorizonAltitude = -0.014538593069;

// Julian centuries since 2000-01-01 12:00 of the given day (integer divisions where the
// formula has them).
double julianCenturies(int year, int month, int day)
{
    const double days = 367.0 * year - std::floor(7.0 * (year + (month + 9) / 12) * 0.25)
        + (275 * month) / 9 + day - 730531.5;
    return days / 36525.0;
}

// A time from an hour angle, in minutes of the day, truncated toward zero. Values far
// outside a day only come from absurd offsets; they are reported as undefined.
bool minutesOf(double angle, int offsetMinutes, i32 &minutes)
{
    const double value = angle * 60 * DegreesPerRadian / 15 - offsetMinutes;
    const double truncated = std::trunc(value);
    if (!(truncated >= std::numeric_limits<i32>::min() && truncated <= std::numeric_limits<i32>::max()))
        return false;
    minutes = i32(truncated);
    return true;
}

} // namespace

double truncatedRemainder(double x, double y)
{
    return x - y * std::trunc(x / y);
}

bool isSunTableLeapYear(int year)
{
    return year % 4 == 0 && year % 100 != 0;
}

sun_times sunTimesOfDay(int year, int month, int day, int latitude, int offsetMinutes)
{
    const double t = julianCenturies(year, month, day);
    const double meanLongitude = truncatedRemainder(628.331969753199 * t + 4.8949504201433, TwoPi);
    const double meanAnomaly = truncatedRemainder(628.3019501 * t + 6.2400408, TwoPi);
    const double obliquity = 0.409093 - 0.0002269 * t;
    const double centre = 0.033423 * std::sin(meanAnomaly) + 0.00034907 * std::sin(2 * meanAnomaly);
    const double eclipticLongitude = meanLongitude + centre;
    const double equationOfTime =
        0.0430398 * std::sin(2 * eclipticLongitude) - 0.00092502 * std::sin(4 * eclipticLongitude) - centre;
    const double declination = std::asin(std::sin(eclipticLongitude) * std::sin(obliquity));
    const double phi = latitude * RadiansPerDegree;
    const double cosHourAngle = (std::sin(HorizonAltitude) - std::sin(phi) * std::sin(declination))
        / (std::cos(phi) * std::cos(declination));

    sun_times times;
    // Polar day or night (or a latitude beyond the poles): no sunrise or sunset at all.
    if (!(cosHourAngle >= -1.0 && cosHourAngle <= 1.0))
        return times;
    const double hourAngle = std::acos(cosHourAngle);
    times.defined = minutesOf(Pi - (hourAngle + equationOfTime), offsetMinutes, times.sunrise)
        && minutesOf(Pi - (equationOfTime - hourAngle), offsetMinutes, times.sunset);
    return times;
}
