// SPDX-License-Identifier: MIT
// Velmora.exe and its installer as Windows' file properties and Explorer read
// them: the version record and the icon group. Windows only.
#include <QCoreApplication>
#include <QTest>

#include <windows.h>

namespace {

const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

QString fileNamed(const char *name)
{
    return qstrcmp(name, "program") == 0
               ? QCoreApplication::applicationDirPath() + QStringLiteral("/Velmora.exe")
               : QStringLiteral(VELMORA_INSTALLER);
}

// A file's version record; value() is the data at a path in it, null if absent.
struct VersionRecord
{
    explicit VersionRecord(const QString &file)
        : data(GetFileVersionInfoSizeW(wide(file), nullptr), '\0')
    {
        if (!data.isEmpty() && !GetFileVersionInfoW(wide(file), 0, data.size(), data.data()))
            data.clear();
    }
    const void *value(const QString &path, UINT *size) const
    {
        void *found = nullptr;
        return !data.isEmpty() && VerQueryValueW(data.constData(), wide(path), &found, size)
                   ? found
                   : nullptr;
    }
    QByteArray data;
};

} // namespace

class TestProgramFile : public QObject
{
    Q_OBJECT

private slots:
    void versionStrings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *file, const char *field, const QString &expected) {
            QTest::addRow("%s %s", file, field)
                << fileNamed(file) << QString::fromLatin1(field) << expected;
        };
        for (const char *file : {"program", "installer"}) {
            row(file, "FileVersion", QStringLiteral("2011.01"));
            row(file, "ProductVersion", QStringLiteral("2011.01"));
            row(file, "ProductName", QStringLiteral("Velmora"));
            row(file, "CompanyName", QStringLiteral("www.korvane.example"));
            row(file, "LegalCopyright", QStringLiteral("Copyright (c) 2026 Korvane"));
        }
        row("program", "InternalName", QStringLiteral("Velmora"));
        row("program", "OriginalFilename", QStringLiteral("Velmora.exe"));
        row("installer", "OriginalFilename", QStringLiteral("velmora-2011.1.0.0-win64-setup.exe"));
        row("program", "FileDescription", QStringLiteral(u"Velmora 情侣签名小工具"));
        row("installer", "FileDescription", QStringLiteral(u"Velmora 安装程序"));
    }
    // The strings in the block of Chinese (PRC), Unicode.
    void versionStrings()
    {
        QFETCH(QString, file);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        const VersionRecord record(file);
        UINT size = 0;
        const auto *text = static_cast<const wchar_t *>(
            record.value(QStringLiteral("\\StringFileInfo\\080404B0\\") + field, &size));
        QCOMPARE(text ? QString::fromWCharArray(text) : QString(), expected);
    }

    // A row for each file: the program, beside the test, and the installer.
    void versionAndIcon_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *name : {"program", "installer"})
            QTest::addRow("%s", name) << fileNamed(name);
    }
    // File and product version 2011.1.0.0, the language and code page of the
    // strings, and the icon group.
    void versionAndIcon()
    {
        QFETCH(QString, file);
        const VersionRecord record(file);
        UINT size = 0;
        const auto *info =
            static_cast<const VS_FIXEDFILEINFO *>(record.value(QStringLiteral("\\"), &size));
        QVERIFY2(info && size >= sizeof(VS_FIXEDFILEINFO), "no version record");
        const auto version = [](DWORD high, DWORD low) {
            return QString::asprintf("%d.%d.%d.%d", HIWORD(high), LOWORD(high), HIWORD(low),
                                     LOWORD(low));
        };
        QCOMPARE(version(info->dwFileVersionMS, info->dwFileVersionLS),
                 QStringLiteral("2011.1.0.0"));
        QCOMPARE(version(info->dwProductVersionMS, info->dwProductVersionLS),
                 QStringLiteral("2011.1.0.0"));
        // 0x0804 and 0x04B0, little-endian.
        const auto *translation = static_cast<const char *>(
            record.value(QStringLiteral("\\VarFileInfo\\Translation"), &size));
        QCOMPARE(QByteArray(translation, translation ? size : 0).toHex(), QByteArray("0408b004"));

        // The icon: Velmora's seven images, by size and colour depth.
        HMODULE module = LoadLibraryExW(wide(file), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        QVERIFY(module);
        // The first icon group; a named group's name lasts only through the enumeration.
        const auto firstGroup = [](HMODULE from, LPCWSTR type, LPWSTR name, LONG_PTR found) {
            *reinterpret_cast<HRSRC *>(found) = FindResourceW(from, name, type);
            return FALSE;
        };
        HRSRC resource = nullptr;
        EnumResourceNamesW(module, MAKEINTRESOURCEW(14), firstGroup,
                           LONG_PTR(&resource)); // RT_GROUP_ICON
        QVERIFY2(resource, "no icon");
        const auto *group = static_cast<const BYTE *>(LockResource(LoadResource(module, resource)));
        QStringList images;
        for (int i = 0; i < (group[4] | group[5] << 8); ++i) {
            const BYTE *entry = group + 6 + 14 * i; // width, height, colours, 0, planes, bits ...
            images << QString::asprintf("%dx%d %d bits", entry[0], entry[1],
                                        entry[6] | entry[7] << 8);
        }
        FreeLibrary(module);
        images.sort();
        QCOMPARE(images,
                 QStringList({"16x16 32 bits", "16x16 8 bits", "24x24 32 bits", "24x24 8 bits",
                              "32x32 32 bits", "32x32 8 bits", "48x48 32 bits"}));
    }
};

QTEST_GUILESS_MAIN(TestProgramFile)
#include "tst_programfile.moc"
