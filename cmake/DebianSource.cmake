# Debian source packages the build compiles a few files of (musl's elementary
# functions, ERFA): each original tarball is fetched once with apt-get source
# (the deb-src entries come from scripts/install-deps.sh) into a cache the
# build folders share, and checked against the digest it must have.
set(KESTRION_SOURCE_CACHE "${PROJECT_SOURCE_DIR}/build/sources"
    CACHE PATH "Where Debian source packages fetched for the build are kept")

# Sets OUT to the path of PACKAGE_VERSION.orig.tar.gz in the cache, fetching
# it first when it is missing or not the one expected.
function(kestrion_debian_source package version sha256 out)
  set(tarball ${KESTRION_SOURCE_CACHE}/${package}_${version}.orig.tar.gz)
  if(EXISTS ${tarball})
    file(SHA256 ${tarball} found)
  endif()
  if(NOT found STREQUAL sha256)
    # Downloaded beside the cache, then moved in whole: build folders
    # configured at the same time never read a half-written archive.
    string(MD5 folder_id "${CMAKE_BINARY_DIR} ${package}")
    set(download ${KESTRION_SOURCE_CACHE}/.download-${folder_id})
    file(REMOVE_RECURSE ${download})
    file(MAKE_DIRECTORY ${download})
    message(STATUS "Fetching ${package}'s source package (apt-get source ${package})")
    execute_process(COMMAND apt-get source --download-only ${package}
                    WORKING_DIRECTORY ${download} RESULT_VARIABLE failed
                    OUTPUT_QUIET ERROR_VARIABLE error)
    set(fetched ${download}/${package}_${version}.orig.tar.gz)
    if(NOT failed AND EXISTS ${fetched})
      file(SHA256 ${fetched} found)
    endif()
    if(failed OR NOT found STREQUAL sha256)
      message(FATAL_ERROR "Could not fetch ${package} ${version}'s source package into "
                          "${KESTRION_SOURCE_CACHE} (scripts/install-deps.sh adds the deb-src "
                          "entries apt-get source needs). ${error}")
    endif()
    file(RENAME ${fetched} ${tarball})
    file(REMOVE_RECURSE ${download})
  endif()
  set(${out} ${tarball} PARENT_SCOPE)
endfunction()

# Unpacks MEMBERS (paths inside TARBALL) into FOLDER once, again only when the
# tarball or the list changes; FOLDER is emptied first.
function(kestrion_unpack tarball sha256 folder)
  set(members ${ARGN})
  set(stamp ${folder}/.unpacked)
  if(EXISTS ${stamp})
    file(READ ${stamp} unpacked)
  endif()
  if(NOT unpacked STREQUAL "${sha256} ${members}")
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xzf ${tarball} -- ${members}
                    WORKING_DIRECTORY ${folder} RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "Could not unpack ${members} from ${tarball}")
    endif()
    file(WRITE ${stamp} "${sha256} ${members}")
  endif()
endfunction()
