// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

#include <array>

// The window's static description: client area, controls and hot-spots, in
// pixels (the form's twips divided by 15). The window and the artwork
// generator read it from here. Object names are the form's control names,
// which tests see; screen readers read the accessible names.
namespace WindowLayout {

inline constexpr char windowObjectName[] = "Form1";
inline constexpr QSize clientSize{541, 398};

struct ControlRow
{
    const char *objectName;
    QRect rect;
    const char16_t *accessibleName;
};

inline constexpr ControlRow signatureBox{"Text1", {36, 68, 468, 103}, u"签名框"};
inline constexpr ControlRow symbolStrip{"Text2", {37, 203, 467, 13}, u"常用符号"};
inline constexpr ControlRow statusLine{"Label5", {38, 176, 142, 22}, u"状态"};

enum class Command {
    GetSignature,
    ToTraditional,
    InsertSpaces,
    CopySignature,
    OpenGroupPictures,
    OpenSignatureCollection,
    OpenNicknameCollection,
};

struct HotSpotRow
{
    const char *objectName;
    QRect rect;
    const char16_t *caption; // the painted caption, also the accessible name
    bool handCursor;
    Command command;
    char shortcutDigit; // with Alt, runs the command from the keyboard
};

inline constexpr std::array<HotSpotRow, 7> hotSpots{{
    {"Label1", {27, 278, 139, 33}, u"获取情侣签名", true, Command::GetSignature, '1'},
    {"Label2", {197, 275, 88, 40}, u"转繁体", false, Command::ToTraditional, '2'},
    {"Label3", {313, 275, 87, 41}, u"加空格", false, Command::InsertSpaces, '3'},
    {"Label4", {426, 276, 87, 41}, u"复制", false, Command::CopySignature, '4'},
    {"Label6", {22, 332, 147, 43}, u"QQ个性分组图案", true, Command::OpenGroupPictures, '5'},
    {"Label7", {196, 333, 142, 41}, u"QQ个性签名大全", true, Command::OpenSignatureCollection, '6'},
    {"Label8", {371, 336, 142, 40}, u"好听的网名大全", true, Command::OpenNicknameCollection, '7'},
}};

// Font sizes in pixels: 10.5 pt and 9 pt at 96 dpi, whatever the screen says.
inline constexpr int boxFontPixels = 14;
inline constexpr int stripFontPixels = 12;

} // namespace WindowLayout
