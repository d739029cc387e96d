/* Read ahead of each of ERFA's sources (-include): the elementary functions
 * they call become kestrion_libm's, so each build computes the same bits.
 * sqrt, fabs, floor, ceil and fmod stay the C library's: their results are
 * exact in every one. Any other function is left undefined on purpose, so a
 * routine added to the list that calls one fails to link rather than round
 * differently from build to build. */
#ifndef KESTRION_ERFA_MATH_H
#define KESTRION_ERFA_MATH_H

#include <math.h>

double kestrion_atan(double x);
double kestrion_atan2(double y, double x);
double kestrion_cos(double x);
double kestrion_exp(double x);
double kestrion_log(double x);
double kestrion_pow(double x, double y);
double kestrion_sin(double x);
double kestrion_tan(double x);

#define atan kestrion_atan
#define atan2 kestrion_atan2
#define cos kestrion_cos
#define exp kestrion_exp
#define log kestrion_log
#define pow kestrion_pow
#define sin kestrion_sin
#define tan kestrion_tan

#define acos kestrion_erfa_has_no_acos
#define asin kestrion_erfa_has_no_asin
#define cosh kestrion_erfa_has_no_cosh
#define hypot kestrion_erfa_has_no_hypot
#define log10 kestrion_erfa_has_no_log10
#define sinh kestrion_erfa_has_no_sinh
#define tanh kestrion_erfa_has_no_tanh

#endif
