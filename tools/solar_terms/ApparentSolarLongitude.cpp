#include "ApparentSolarLongitude.h"

#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <cmath>

namespace solar_terms {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Radians = Pi / 180.0;
constexpr double ArcSecond = 1.0 / 3600.0;  // in degrees
constexpr double J2000 = 2451545.0;

double Normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

// Ecliptic longitude referred to the mean ecliptic and equinox of J2000,
// carried to the mean ecliptic and equinox of date (Meeus, Astronomical
// Algorithms, 2nd ed., eq. 21.5 and 21.6 with a starting epoch of J2000).
// Done here because ln_get_ecl_prec of libnova 0.16 returns zeros.
double PrecessedFromJ2000(double lambda0, double beta0, double jde) {
    const double t = (jde - J2000) / 36525.0;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * ArcSecond * Radians;
    const double bigPi = (174.876384 + (-869.8089 * t + 0.03536 * t * t) * ArcSecond) * Radians;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * ArcSecond;
    const double l0 = lambda0 * Radians;
    const double b0 = beta0 * Radians;
    const double a = std::cos(eta) * std::cos(b0) * std::sin(bigPi - l0) - std::sin(eta) * std::sin(b0);
    const double b = std::cos(b0) * std::cos(bigPi - l0);
    return Normalized(p + bigPi / Radians - std::atan2(a, b) / Radians);
}

}  // namespace

double ApparentSolarLongitude(double jde) {
    // libnova's VSOP87 position of the Sun is geometric and referred to the
    // J2000 ecliptic and equinox: precession alone moves it by about 1.4
    // degrees over a century, more than a day of the Sun's motion.
    ln_helio_posn geometric{};
    ln_get_solar_geom_coords(jde, &geometric);
    const double ofDate = PrecessedFromJ2000(geometric.L, geometric.B, jde);

    ln_nutation nutation{};
    ln_get_nutation(jde, &nutation);
    const double aberration = -20.4898 * ArcSecond / geometric.R;
    return Normalized(ofDate + nutation.longitude + aberration);
}

}  // namespace solar_terms
