# What the Windows build installs and what `cpack` zips: kestrion-cli.exe
# with the README and the licence, for unpacking anywhere.
install(TARGETS kestrion-cli RUNTIME DESTINATION .)
install(FILES README.md DESTINATION . RENAME README.md)
install(FILES packaging/copyright DESTINATION . RENAME LICENSE.txt)
# packaging/copyright points at Debian's copy of the GPL; Windows has none.
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION . RENAME GPL-3.txt)
# The executable carries mingw-w64's runtime (winpthreads), whose licence
# asks for its notice to travel with it.
set(KESTRION_MINGW_COPYRIGHT /usr/share/doc/mingw-w64-x86-64-dev/copyright
    CACHE FILEPATH "Copyright notices of the mingw-w64 runtime linked into the executable")
install(FILES ${KESTRION_MINGW_COPYRIGHT} DESTINATION . RENAME MINGW-W64-RUNTIME.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kestrion-cli)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME kestrion-cli-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The Windows shell call of the desktop layer and the elementary functions'
# bits, run under Wine.
if(BUILD_TESTING)
  add_subdirectory(tests/windows)
  add_subdirectory(tests/libm)
endif()
