# SPDX-License-Identifier: MIT
# Makes the site folder afresh: the page, the program, the files the page
# hands the program, the icons, the manifest, the service worker and the
# notices, every file compressed beside itself but the pictures. The release's
# version is a digest of its files; page.js learns every file's path, size and
# place in the program's file system, the service worker every file's digest.
# cmake -DSITE=... -DPROGRAM=<folder>/velmora -DPAGE=... -DBUILT=... -DDICTIONARIES=... -DDICTIONARY_DIR=...
#       -DFONT=... -DFULL_FONT=... -DFALLBACK_FONT=... -DFONT_DIR=... -DBACKGROUNDS=... -DARTWORK_DIR=...
#       -DICONS=... -DDEPS=... -DLICENSES=... -DLICENSE=... -DSCALES=... -P Site.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/opencc ${SITE}/fonts ${SITE}/icons ${SITE}/artwork ${SITE}/licenses)
file(COPY ${PROGRAM}.js ${PROGRAM}.wasm ${PAGE}/page.css DESTINATION ${SITE})
file(COPY ${DICTIONARIES} DESTINATION ${SITE}/opencc)
file(COPY ${FONT} ${FULL_FONT} ${FALLBACK_FONT} DESTINATION ${SITE}/fonts)
file(COPY ${BACKGROUNDS} DESTINATION ${SITE}/artwork)
file(COPY ${ICONS} DESTINATION ${SITE}/icons)

# The notices, as the Windows zip carries them.
set(licenses ${SITE}/licenses)
file(MAKE_DIRECTORY ${licenses}/Velmora ${licenses}/OpenCC ${licenses}/fonts ${licenses}/emscripten)
file(COPY ${BUILT}/NOTICE.txt DESTINATION ${licenses})
file(COPY_FILE ${LICENSE} ${licenses}/Velmora/LICENSE.txt)
file(COPY ${DEPS}/qt/licenses/ DESTINATION ${licenses}/Qt)
file(COPY ${DEPS}/opencc/licenses/ ${LICENSES}/darts-clone.txt DESTINATION ${licenses}/OpenCC)
file(COPY_FILE /usr/share/doc/libopencc-data/copyright ${licenses}/OpenCC/libopencc-data-copyright.txt)
file(COPY_FILE /usr/share/doc/fonts-wqy-zenhei/copyright ${licenses}/fonts/fonts-wqy-zenhei-copyright.txt)
file(COPY_FILE /usr/share/doc/fonts-arphic-uming/copyright ${licenses}/fonts/fonts-arphic-uming-copyright.txt)
file(COPY_FILE /usr/share/doc/emscripten/copyright ${licenses}/emscripten/emscripten-copyright.txt)

# entry(VARIABLE FILE TO [EXTRA]): the page's record of a file of the site.
function(entry variable file to)
    file(RELATIVE_PATH path ${SITE} ${file})
    file(SIZE ${file} size)
    set(${variable} "{ path: '${path}', size: ${size}, to: '${to}'${ARGN} }" PARENT_SCOPE)
endfunction()
set(first)
set(later)
entry(record ${SITE}/fonts/velmora.ttf ${FONT_DIR}/velmora.ttf)
list(APPEND first "${record}")
entry(record ${SITE}/fonts/velmora-uming.ttf ${FONT_DIR}/velmora-uming.ttf)
list(APPEND first "${record}")
# The fuller face takes the first one's place.
entry(record ${SITE}/fonts/velmora-full.ttf ${FONT_DIR}/velmora-full.ttf ", replaces: '${FONT_DIR}/velmora.ttf'")
list(APPEND later "${record}")
foreach(dictionary IN LISTS DICTIONARIES)
    get_filename_component(name ${dictionary} NAME)
    entry(record ${SITE}/opencc/${name} ${DICTIONARY_DIR}/${name})
    list(APPEND later "${record}")
endforeach()
set(backgrounds)
foreach(scale IN LISTS SCALES)
    if(scale STREQUAL "1")
        set(name background.png)
    else()
        set(name background@${scale}x.png)
    endif()
    entry(record ${SITE}/artwork/${name} ${ARTWORK_DIR}/${name} ", scale: ${scale}")
    list(APPEND backgrounds "${record}")
endforeach()
string(REPLACE ";" ", " scale_list "${SCALES}")
file(SIZE ${SITE}/velmora.wasm size)

# The release's version: a digest of every file but those that name it.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(digests)
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${digest} ${file}\n")
endforeach()
string(SHA256 VELMORA_SITE_VERSION "${digests}")
string(SUBSTRING ${VELMORA_SITE_VERSION} 0 16 VELMORA_SITE_VERSION)

list(JOIN first ",\n        " first)
list(JOIN later ",\n        " later)
list(JOIN backgrounds ",\n        " backgrounds)
set(VELMORA_PAGE_SITE "{
    version: '${VELMORA_SITE_VERSION}',
    program: { path: 'velmora.wasm', size: ${size} },
    first: [
        ${first},
    ],
    later: [
        ${later},
    ],
    backgrounds: [
        ${backgrounds},
    ],
    scales: [${scale_list}],
}")
configure_file(${PAGE}/page.js.in ${SITE}/page.js @ONLY)
configure_file(${BUILT}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${PAGE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)

# The service worker keeps every file, each checked against its digest.
set(kept)
list(APPEND files page.js manifest.webmanifest)
list(SORT files)
list(REMOVE_DUPLICATES files)
foreach(file IN LISTS files ITEMS index.html)
    execute_process(COMMAND openssl dgst -sha256 -binary ${SITE}/${file} COMMAND base64 -w0
                    OUTPUT_VARIABLE integrity COMMAND_ERROR_IS_FATAL ANY)
    if(file STREQUAL "index.html")
        set(url ./)
    else()
        set(url "${file}?v=${VELMORA_SITE_VERSION}")
    endif()
    list(APPEND kept "{ url: '${url}', integrity: 'sha256-${integrity}' }")
endforeach()
list(JOIN kept ",\n    " kept)
set(VELMORA_SITE_FILES "[\n    ${kept},\n]")
configure_file(${PAGE}/sw.js.in ${SITE}/sw.js @ONLY)

# Each file compressed beside itself, but pictures, already compressed: as
# brotli and gzip write them, with no name or time of the file.
file(GLOB_RECURSE files LIST_DIRECTORIES false ${SITE}/*)
list(FILTER files EXCLUDE REGEX "\\.png$")
list(JOIN files "\n" listing)
file(WRITE ${BUILT}/compress.txt "${listing}\n")
execute_process(COMMAND sh -c "xargs -d '\\n' -P \"$(nproc)\" -n 1 brotli -q 11 -f -k <'${BUILT}/compress.txt' &&
                               xargs -d '\\n' -P \"$(nproc)\" -n 1 gzip -9 -n -f -k <'${BUILT}/compress.txt'"
                COMMAND_ERROR_IS_FATAL ANY)
