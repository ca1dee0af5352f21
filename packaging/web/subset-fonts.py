#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Makes the web build's fonts from the build host's WenQuanYi Zen Hei Sharp
# (its bitmap strikes kept, which the window's unsmoothed text uses) and AR PL
# UMing CN, the window's own faces on Linux:
#   velmora.ttf: every character of the program's own texts (the string
#     literals of the given sources: the catalogue, the window's texts, the
#     messages), in simplified and in traditional form;
#   velmora-full.ttf: those and the characters people commonly type or
#     paste: GB2312, their traditional forms, and Latin, punctuation and
#     full-width forms; the page hands it over after the window shows, in
#     the first one's place;
#   velmora-uming.ttf: those of both that Zen Hei lacks, from AR PL UMing CN,
#     which the window falls back to as on Linux.
# Traditional forms come from OpenCC's s2t, the dictionaries the program uses.
#   subset-fonts.py ZENHEI-COLLECTION UMING-COLLECTION OUTPUT-FOLDER SOURCE...
import re
import subprocess
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection



def literals(path):
    """The text of every u"..." literal of a C++ source, escapes decoded."""
    with open(path, encoding='utf-8') as source:
        code = source.read()
    texts = []
    for body in re.findall(r'u"((?:[^"\\\n]|\\.)*)"', code):
        texts.append(re.sub(r'\\u([0-9A-Fa-f]{4})|\\(.)',
                            lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), body))
    return texts


def traditional(text):
    return subprocess.run(['opencc', '-c', 's2t.json'], input=text, capture_output=True, text=True,
                          check=True).stdout


def gb2312():
    characters = []
    for lead in range(0xA1, 0xF8):
        for trail in range(0xA1, 0xFF):
            try:
                characters.append(bytes([lead, trail]).decode('gb2312'))
            except UnicodeDecodeError:
                pass
    return ''.join(characters)


def latin_and_forms():
    ranges = [(0x20, 0x7E), (0xA0, 0xFF), (0x2010, 0x2027), (0x2030, 0x205E), (0x3000, 0x303F),
              (0xFF01, 0xFF5E), (0xFFE0, 0xFFE6)]
    return ''.join(chr(c) for first, last in ranges for c in range(first, last + 1))


def face(collection, family):
    for number, font in enumerate(TTCollection(collection).fonts):
        if font['name'].getDebugName(1) == family:
            return number
    sys.exit(f'{collection} holds no {family}')


def write(collection, number, characters, output):
    options = subset.Options()
    options.font_number = number
    # The bitmap strikes stay: unsmoothed, the window draws from them.
    options.drop_tables = [t for t in options.drop_tables if t not in ('EBDT', 'EBLC')]
    options.layout_features = ['*']
    options.name_IDs = ['*']
    options.notdef_outline = True
    font = subset.load_font(collection, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    cmap = font.getBestCmap()
    missing = sorted({c for c in characters if ord(c) > 0x20 and ord(c) not in cmap})
    subset.save_font(font, output, options)
    return missing


def main():
    zenhei, uming, output = sys.argv[1:4]
    own = ''.join(text for path in sys.argv[4:] for text in literals(path))
    own += traditional(own) + ''.join(chr(c) for c in range(0x20, 0x7F))
    common = gb2312() + latin_and_forms()
    common += traditional(common) + own
    sharp = face(zenhei, 'WenQuanYi Zen Hei Sharp')
    lacking = write(zenhei, sharp, own, f'{output}/velmora.ttf')
    lacking += write(zenhei, sharp, common, f'{output}/velmora-full.ttf')
    missing = write(uming, face(uming, 'AR PL UMing CN'), ''.join(sorted(set(lacking))),
                    f'{output}/velmora-uming.ttf')
    # A character of the program's own that neither face has would show as a box.
    missing = sorted(set(missing) & set(own))
    if missing:
        sys.exit('no face has ' + ' '.join(f'U+{ord(c):04X}' for c in missing))


main()
