// Writes calendar/SolarTermTable.cpp: the Beijing-time (UTC+8) calendar day of
// every solar term of 1901-2050, packed one byte per Gregorian month, and
// lists on standard output every term that falls within ten minutes of
// midnight, where the day is only as sure as the ephemeris and Delta T.
//
// Build and run from the top of the source tree:
//   cmake -S tools/solar_terms -B build-solar-terms -G Ninja
//   cmake --build build-solar-terms
//   build-solar-terms/generate_solar_term_table calendar/SolarTermTable.cpp > tools/solar_terms/near_midnight.txt

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "ApparentSolarLongitude.h"
#include "DeltaT.h"

namespace solar_terms {
namespace {

using namespace std::chrono;

constexpr int FirstYear = 1901;
constexpr int LastYear = 2050;
constexpr double UnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double BeijingOffsetDays = 8.0 / 24.0;
constexpr double NearMidnightMinutes = 10.0;

constexpr std::array<const char*, 24> TermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

// Term i (0-23) is reached when the apparent longitude is 285 + 15i degrees:
// 小寒 at 285, 春分 at 0, 冬至 at 270.
double TermLongitude(int i) { return std::fmod(285.0 + 15.0 * i, 360.0); }

double JulianDayAtMidnight(year_month_day date) {
    return UnixEpochJd + sys_days{date}.time_since_epoch().count();
}

// Signed difference target - lambda, in -180..180 degrees.
double AngleTo(double target, double lambda) {
    double d = std::fmod(target - lambda, 360.0);
    if (d < -180.0) d += 360.0;
    if (d >= 180.0) d -= 360.0;
    return d;
}

// The Terrestrial Time (as a Julian Ephemeris Day) at which the apparent
// longitude reaches `target`, found by Newton steps from a nearby guess; the
// Sun moves a little under a degree a day, never fast enough to overshoot.
double CrossingJde(double target, double guessJde) {
    double jde = guessJde;
    for (int step = 0; step < 60; ++step) {
        const double correction = AngleTo(target, ApparentSolarLongitude(jde)) * 365.2422 / 360.0;
        jde += correction;
        if (std::fabs(correction) < 1e-9) return jde;
    }
    throw std::runtime_error("solar longitude search did not converge");
}

struct TermMoment {
    year_month_day beijingDate;
    double beijingJd;  // Julian Day of the moment in Beijing civil time
};

TermMoment FindTerm(int year, int i) {
    const unsigned month = static_cast<unsigned>(i / 2 + 1);
    const unsigned guessDay = i % 2 == 0 ? 6 : 21;
    const double guess = JulianDayAtMidnight(std::chrono::year{year} / month / guessDay);
    const double jde = CrossingJde(TermLongitude(i), guess);
    const double decimalYear = year + (month - 0.5) / 12.0;
    const double ut = jde - DeltaTSeconds(decimalYear) / 86400.0;
    const double beijing = ut + BeijingOffsetDays;
    const auto days = static_cast<int>(std::floor(beijing - UnixEpochJd));
    return {year_month_day{sys_days{std::chrono::days{days}}}, beijing};
}

std::string ClockText(double jd) {
    const double dayFraction = (jd - UnixEpochJd) - std::floor(jd - UnixEpochJd);
    const long seconds = std::lround(dayFraction * 86400.0);
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return text;
}

void ReportIfNearMidnight(const TermMoment& term, int i) {
    const double dayFraction = (term.beijingJd - UnixEpochJd) - std::floor(term.beijingJd - UnixEpochJd);
    const double minutes = std::fmin(dayFraction, 1.0 - dayFraction) * 1440.0;
    if (minutes >= NearMidnightMinutes) return;
    std::printf("%04d-%02u-%02u %s %s (%.1f min from midnight)\n", static_cast<int>(term.beijingDate.year()),
                static_cast<unsigned>(term.beijingDate.month()), static_cast<unsigned>(term.beijingDate.day()),
                ClockText(term.beijingJd).c_str(), TermNames[i], minutes);
}

// High nibble: the first term of the month falls on day 15 - h; low nibble:
// the second on day 15 + l.
std::uint8_t PackMonth(int year, unsigned month, const TermMoment& first, const TermMoment& second) {
    const auto in = [&](const TermMoment& t) {
        return t.beijingDate.year() == std::chrono::year{year} && t.beijingDate.month() == std::chrono::month{month};
    };
    const int d1 = static_cast<int>(static_cast<unsigned>(first.beijingDate.day()));
    const int d2 = static_cast<int>(static_cast<unsigned>(second.beijingDate.day()));
    if (!in(first) || !in(second) || d1 < 1 || d1 > 14 || d2 < 16 || d2 > 30)
        throw std::runtime_error("a solar term left its expected half of the month");
    return static_cast<std::uint8_t>((15 - d1) << 4 | (d2 - 15));
}

void WriteTable(const std::string& path) {
    std::ofstream out(path);
    if (!out) throw std::runtime_error("cannot write " + path);
    out << "// Generated by tools/solar_terms/generate_solar_term_table; do not edit.\n"
           "// Regenerate from the top of the source tree with:\n"
           "//   cmake -S tools/solar_terms -B build-solar-terms -G Ninja\n"
           "//   cmake --build build-solar-terms\n"
           "//   build-solar-terms/generate_solar_term_table calendar/SolarTermTable.cpp"
           " > tools/solar_terms/near_midnight.txt\n"
           "// Each term is the moment the Sun's apparent geocentric longitude of date\n"
           "// (VSOP87 by libnova, precessed to the date, with nutation and aberration)\n"
           "// reaches its multiple of 15 degrees, taken from TT to UT by the Delta T\n"
           "// polynomials of Espenak and Meeus and dated in Beijing time (UTC+8).\n"
           "\n"
           "#include \"calendar/SolarTermTable.h\"\n"
           "\n"
           "namespace qorvane {\n"
           "\n"
           "const std::array<std::uint8_t, 1800> SolarTermTable = {\n";
    std::printf("# Solar terms %d-%d within %.0f minutes of midnight, Beijing time: the day of\n"
                "# each is only as sure as the ephemeris and Delta T.\n",
                FirstYear, LastYear, NearMidnightMinutes);
    for (int year = FirstYear; year <= LastYear; ++year) {
        out << "   ";
        for (int i = 0; i < 24; i += 2) {
            const TermMoment first = FindTerm(year, i);
            const TermMoment second = FindTerm(year, i + 1);
            ReportIfNearMidnight(first, i);
            ReportIfNearMidnight(second, i + 1);
            char byte[8];
            std::snprintf(byte, sizeof byte, " 0x%02X,",
                          PackMonth(year, static_cast<unsigned>(i / 2 + 1), first, second));
            out << byte;
        }
        out << "  // " << year << "\n";
    }
    out << "};\n"
           "\n"
           "}  // namespace qorvane\n";
}

}  // namespace
}  // namespace solar_terms

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: generate_solar_term_table OUTPUT.cpp\n";
        return 2;
    }
    try {
        solar_terms::WriteTable(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "generate_solar_term_table: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
