// Delta T, TT - UT1: how far the Earth's rotation has fallen behind uniform
// time. Observed values, one a year on 1 January, linear between them:
//  - 1900 to 1973: the USNO's historic_deltat.data (McCarthy and Babcock,
//    1986, with the IERS values from 1956), maia.usno.navy.mil/ser7;
//  - 1974 to 2026: the USNO's monthly determinations from the IERS,
//    deltat.data, the row of 1 January, to 0.1 ms.
// Beyond the last year the Earth is taken to keep turning at the mean rate of
// its last ten years, slowed by the tides as Morrison and Stephenson's
// long-term parabola has it (Delta T = -20 + 32 u^2 s, u in centuries from
// 1820, so 0.0032 s/yr^2): a decade ahead that is good to a few seconds,
// which no forecast beats. Before 1900 the first interval's slope goes on.
#include "calc/sun.h"

#include <array>
#include <cmath>

namespace kestrion::calc {
namespace {

constexpr int kFirstYear = 1900;
// clang-format off
constexpr std::array kObserved{
    -2.7, -1.48, -0.08, 1.26, 2.59, 3.92, 5.2, 6.29, 7.68, 9.13,  // 1900-1909
    10.38, 11.64, 13.23, 14.69, 16.0, 17.19, 18.19, 19.13, 20.14, 20.86,  // 1910-1919
    21.41, 22.06, 22.51, 23.01, 23.46, 23.63, 23.95, 24.39, 24.34, 24.1,  // 1920-1929
    24.02, 23.98, 23.89, 23.93, 23.88, 23.91, 23.76, 23.91, 23.96, 24.04,  // 1930-1939
    24.35, 24.82, 25.3, 25.77, 26.27, 26.76, 27.27, 27.77, 28.25, 28.7,  // 1940-1949
    29.15, 29.57, 29.97, 30.36, 30.72, 31.07, 31.349, 31.677, 32.166, 32.671,  // 1950-1959
    33.15, 33.584, 33.992, 34.466, 35.03, 35.738, 36.546, 37.429, 38.291, 39.204,  // 1960-1969
    40.182, 41.17, 42.227, 43.373, 44.4841, 45.4761, 46.4567, 47.5214, 48.5344, 49.5861,  // 1970-1979
    50.5387, 51.3808, 52.1668, 52.9565, 53.7882, 54.3427, 54.8713, 55.3222, 55.8197, 56.3,  // 1980-1989
    56.8553, 57.5653, 58.3092, 59.1218, 59.9845, 60.7853, 61.6287, 62.295, 62.9659, 63.4673,  // 1990-1999
    63.8285, 64.0908, 64.2998, 64.4734, 64.5736, 64.6876, 64.8452, 65.1464, 65.4573, 65.7768,  // 2000-2009
    66.0699, 66.3246, 66.603, 66.9069, 67.281, 67.6439, 68.1024, 68.5927, 68.9676, 69.2202,  // 2010-2019
    69.3612, 69.3594, 69.2945, 69.2039, 69.1752, 69.1377, 69.1099,  // 2020-2026
};
// clang-format on
constexpr int kLastYear = kFirstYear + static_cast<int>(kObserved.size()) - 1;
constexpr double kTidalCurvature = 0.0032;  // s/yr^2
constexpr int kRateYears = 10;

// 1 January 2000, 0h, and the mean length of a year, in days.
constexpr double kJd2000 = 2451544.5;
constexpr double kYearDays = 365.25;

}  // namespace

double deltaT(double julianDate) {
  const double year = 2000 + (julianDate - kJd2000) / kYearDays;
  if (year >= kLastYear) {
    const double rate =
        (kObserved.back() - kObserved[kObserved.size() - 1 - kRateYears]) / kRateYears;
    const double after = year - kLastYear;
    return kObserved.back() + rate * after + kTidalCurvature * after * after;
  }
  const double offset = year - kFirstYear;
  const auto row = static_cast<std::size_t>(std::fmax(0.0, std::floor(offset)));
  return kObserved[row] +
         (kObserved[row + 1] - kObserved[row]) * (offset - static_cast<double>(row));
}

}  // namespace kestrion::calc
