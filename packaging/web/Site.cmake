# SPDX-License-Identifier: MIT
# Makes the site folder afresh: the page, the program, the files the page
# hands the program, the icons and the notices; page.js learns every file's
# path, size and place in the program's file system.
# cmake -DSITE=... -DPROGRAM=<folder>/velmora -DPAGE=... -DBUILT=... -DDICTIONARIES=... -DDICTIONARY_DIR=...
#       -DFONTS=... -DFONT_DIR=... -DASSETS=... -DDEPS=... -DLICENSES=... -DLICENSE=... -P Site.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/opencc ${SITE}/fonts ${SITE}/icons ${SITE}/licenses)
file(COPY ${PROGRAM}.js ${PROGRAM}.wasm ${BUILT}/index.html ${PAGE}/page.css DESTINATION ${SITE})
file(COPY ${DICTIONARIES} DESTINATION ${SITE}/opencc)
file(COPY ${FONTS} DESTINATION ${SITE}/fonts)
foreach(size 16 32 48)
    file(COPY ${ASSETS}/icons/velmora-${size}.png DESTINATION ${SITE}/icons)
endforeach()

# What the page puts where: {path, size, to} for every file the program reads.
set(entries)
foreach(file IN LISTS DICTIONARIES FONTS)
    get_filename_component(name ${file} NAME)
    if(file IN_LIST FONTS)
        set(path fonts/${name})
        set(to ${FONT_DIR}/${name})
    else()
        set(path opencc/${name})
        set(to ${DICTIONARY_DIR}/${name})
    endif()
    file(SIZE ${SITE}/${path} size)
    list(APPEND entries "{ path: '${path}', size: ${size}, to: '${to}' }")
endforeach()
list(JOIN entries ",\n        " entries)
set(VELMORA_PAGE_FILES "[\n        ${entries},\n    ]")
file(SIZE ${SITE}/velmora.wasm size)
set(VELMORA_PAGE_PROGRAM "{ path: 'velmora.wasm', size: ${size} }")
configure_file(${PAGE}/page.js.in ${SITE}/page.js @ONLY)

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
