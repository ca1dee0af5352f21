# SPDX-License-Identifier: MIT
# Compiles and links with the flags Debian builds its own packages with, every
# hardening feature on: stack protector, _FORTIFY_SOURCE, control-flow
# protection, and relocations resolved at start-up and then made read-only;
# file names relative to the checkout, as Debian's reproducible builds have them.
find_program(VELMORA_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VELMORA_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (Debian package dpkg-dev) is missing; elsewhere configure "
                        "with -DVELMORA_DEBIAN_BUILD_FLAGS=OFF and your system's hardening flags")
endif()
# Its map of the checkout to "." would be split at a blank in the checkout's
# path, so the map is added here as one argument instead.
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env
                            "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
                            ${VELMORA_DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(velmora_debian_${kind} UNIX_COMMAND "${flags}")
endforeach()
# dpkg-buildflags adds control-flow protection from Debian 13 on; Debian 12's
# compilers support it just the same.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$"
   AND NOT velmora_debian_CXXFLAGS MATCHES "-fcf-protection")
    list(APPEND velmora_debian_CXXFLAGS -fcf-protection)
endif()
list(APPEND velmora_debian_CXXFLAGS -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
list(JOIN velmora_debian_CPPFLAGS " " cppflags)
list(JOIN velmora_debian_CXXFLAGS " " cxxflags)
list(JOIN velmora_debian_LDFLAGS " " ldflags)
message(STATUS "Debian build flags: ${cppflags} ${cxxflags} ${ldflags}")
add_compile_options(${velmora_debian_CPPFLAGS} ${velmora_debian_CXXFLAGS})
add_link_options(${velmora_debian_LDFLAGS})
