# SPDX-License-Identifier: MIT
# The facts the code, the resources and the packaging share, worked out once
# and written into the generated header VelmoraConfig.h (target velmora_config).

# "Velmora" and the version's first two parts, as the window's title bar shows it.
set(VELMORA_WINDOW_TITLE "Velmora${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
# The version record's short form: "2011.01".
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_length)
if(minor_length LESS 2)
    set(VELMORA_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(VELMORA_SHORT_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

# Application id: the site host in reverse-DNS form, then the program's name.
string(REGEX REPLACE "^www\\." "" VELMORA_DOMAIN "${VELMORA_SITE_HOST}")
string(REPLACE "." ";" domain_parts "${VELMORA_DOMAIN}")
list(REVERSE domain_parts)
list(JOIN domain_parts "." reversed_domain)
set(VELMORA_APP_ID "${reversed_domain}.velmora")
set(VELMORA_SITE_BASE "http://${VELMORA_SITE_HOST}")

# The Windows installer's and zip's name, without "-setup.exe" or ".zip".
set(VELMORA_WINDOWS_PACKAGE velmora-${PROJECT_VERSION}-win64)

# The release's date, for the metadata, the manual page and the changelog.
set(VELMORA_RELEASE_DATE 2026-12-07)
set(VELMORA_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")

set(VELMORA_ICON_SIZES 16 24 32 48 64 128 256)
list(LENGTH VELMORA_ICON_SIZES VELMORA_ICON_SIZE_COUNT)
list(JOIN VELMORA_ICON_SIZES ", " VELMORA_ICON_SIZES_CSV)

# OpenCC's dictionaries are opened by full path, never from the current
# directory: on Linux from the data folder of the OpenCC found here, on
# Windows from the folder VELMORA_OPENCC_DATA_DIR beside the program, which
# gets the build host's own dictionaries, as the site does.
# On the web the page puts them, and the program's fonts, into the program's
# file system, in VELMORA_PAGE_FILES_DIR.
set(VELMORA_PAGE_FILES_DIR /velmora)
set(VELMORA_PAGE_FONT_DIR "")
# The window's backgrounds: raw pixels compiled in as resources, or on the
# web the committed PNG files, which the site serves.
set(VELMORA_ARTWORK_FOLDER :/artwork)
set(VELMORA_BACKGROUND_EXTENSION rgb32)
if(EMSCRIPTEN)
    set(VELMORA_ARTWORK_FOLDER ${VELMORA_PAGE_FILES_DIR}/artwork)
    set(VELMORA_BACKGROUND_EXTENSION png)
    set(VELMORA_OPENCC_DATA_DIR ${VELMORA_PAGE_FILES_DIR}/opencc)
    set(VELMORA_PAGE_FONT_DIR ${VELMORA_PAGE_FILES_DIR}/fonts)
    set(VELMORA_OPENCC_HOST_DATA_DIR /usr/share/opencc CACHE PATH
        "The build host's OpenCC dictionaries, which the site serves")
    set(VELMORA_DICTIONARY_SOURCE ${VELMORA_OPENCC_HOST_DATA_DIR})
elseif(WIN32)
    set(VELMORA_OPENCC_DATA_DIR opencc)
    set(VELMORA_OPENCC_HOST_DATA_DIR /usr/share/opencc CACHE PATH
        "The build host's OpenCC dictionaries, shipped with the Windows program")
    set(VELMORA_DICTIONARY_SOURCE ${VELMORA_OPENCC_HOST_DATA_DIR})
else()
    pkg_get_variable(opencc_prefix opencc prefix)
    file(TO_CMAKE_PATH "${opencc_prefix}/share/opencc" VELMORA_OPENCC_DATA_DIR)
    set(VELMORA_DICTIONARY_SOURCE ${VELMORA_OPENCC_DATA_DIR})
endif()
if(VELMORA_OPENCC_DATA_DIR MATCHES "[\"\\\\]")
    message(FATAL_ERROR "OpenCC data folder ${VELMORA_OPENCC_DATA_DIR} cannot be written in C++ as is")
endif()
set(VELMORA_DICTIONARIES STPhrases.ocd2 STCharacters.ocd2)
foreach(dictionary IN LISTS VELMORA_DICTIONARIES)
    if(NOT EXISTS "${VELMORA_DICTIONARY_SOURCE}/${dictionary}")
        message(WARNING "OpenCC dictionary ${VELMORA_DICTIONARY_SOURCE}/${dictionary} not found: "
                        "转繁体 will report the missing dictionary until it is installed")
    endif()
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/VelmoraConfig.h.in
               ${PROJECT_BINARY_DIR}/generated/VelmoraConfig.h @ONLY)
add_library(velmora_config INTERFACE)
target_include_directories(velmora_config INTERFACE ${PROJECT_BINARY_DIR}/generated)
