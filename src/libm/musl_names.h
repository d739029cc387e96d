/* Read ahead of each of musl's math sources (-include). The C library's own
 * declarations come first; then every name those sources define gets the
 * kestrion_ prefix, so they never stand in for the C library's functions,
 * which the rest of the program (GeographicLib among it) keeps using. */
#ifndef KESTRION_MUSL_NAMES_H
#define KESTRION_MUSL_NAMES_H

#include <float.h>
#include <math.h>
#include <stdint.h>

/* musl marks its internal names hidden; a static library needs no more. */
#define hidden

#define atan kestrion_atan
#define atan2 kestrion_atan2
#define cos kestrion_cos
#define exp kestrion_exp
#define floor kestrion_floor
#define log kestrion_log
#define pow kestrion_pow
#define scalbn kestrion_scalbn
#define sin kestrion_sin
#define tan kestrion_tan

/* The C library declared these under their own names; the sources call them
 * under the new ones. */
double atan(double);
double floor(double);
double scalbn(double, int);

#define __cos kestrion___cos
#define __exp_data kestrion___exp_data
#define __log_data kestrion___log_data
#define __math_divzero kestrion___math_divzero
#define __math_invalid kestrion___math_invalid
#define __math_oflow kestrion___math_oflow
#define __math_uflow kestrion___math_uflow
#define __math_xflow kestrion___math_xflow
#define __pow_log_data kestrion___pow_log_data
#define __rem_pio2 kestrion___rem_pio2
#define __rem_pio2_large kestrion___rem_pio2_large
#define __sin kestrion___sin
#define __tan kestrion___tan

/* Declared by musl's libm.h though not built here; some C libraries declare
 * the same names with other types. */
#define __cosdf kestrion___cosdf
#define __cosl kestrion___cosl
#define __expo2 kestrion___expo2
#define __expo2f kestrion___expo2f
#define __lgamma_r kestrion___lgamma_r
#define __lgammaf_r kestrion___lgammaf_r
#define __math_divzerof kestrion___math_divzerof
#define __math_invalidf kestrion___math_invalidf
#define __math_invalidl kestrion___math_invalidl
#define __math_oflowf kestrion___math_oflowf
#define __math_uflowf kestrion___math_uflowf
#define __math_xflowf kestrion___math_xflowf
#define __p1evll kestrion___p1evll
#define __polevll kestrion___polevll
#define __rem_pio2f kestrion___rem_pio2f
#define __rem_pio2l kestrion___rem_pio2l
#define __signgam kestrion___signgam
#define __sindf kestrion___sindf
#define __sinl kestrion___sinl
#define __tandf kestrion___tandf
#define __tanl kestrion___tanl

#endif
