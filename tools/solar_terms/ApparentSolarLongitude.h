#pragma once

namespace solar_terms {

// The Sun's apparent geocentric ecliptic longitude of date, in degrees 0-360,
// at the Julian Ephemeris Day jde (Terrestrial Time).
double ApparentSolarLongitude(double jde);

}  // namespace solar_terms
