/* For C libraries without <endian.h> (mingw-w64): musl's libm.h reads the
 * byte order from it. Every target Kestrion builds for is little-endian.
 * Searched after the system's folders (-idirafter). */
#ifndef KESTRION_FALLBACK_ENDIAN_H
#define KESTRION_FALLBACK_ENDIAN_H
#define __LITTLE_ENDIAN 1234
#define __BIG_ENDIAN 4321
#define __BYTE_ORDER __LITTLE_ENDIAN
#endif
