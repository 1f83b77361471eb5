#pragma once

namespace solar_terms {

// TT - UT in seconds for a decimal year, by the polynomials of Espenak and
// Meeus (Five Millennium Canon of Solar Eclipses, 2006), pieces for 1900-2150.
double DeltaTSeconds(double decimalYear);

}  // namespace solar_terms
