/* For C libraries without <features.h> (mingw-w64): musl's data headers
 * include it, and need nothing from it here. Searched after the system's
 * folders (-idirafter), so a C library's own header wins. */
