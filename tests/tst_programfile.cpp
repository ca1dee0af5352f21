// SPDX-License-Identifier: MIT
// Velmora.exe as Windows' file properties and Explorer read it: the version
// record and the icon group. Windows only; the file lies beside the test.
#include <QCoreApplication>
#include <QTest>

#include <windows.h>

#include <vector>

namespace {

QString programFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Velmora.exe");
}

const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

} // namespace

class TestProgramFile : public QObject
{
    Q_OBJECT

    std::vector<char> m_record;

    // The value at a version record path: its bytes, or a string's text.
    QByteArray value(const QString &path)
    {
        void *data = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(m_record.data(), wide(path), &data, &size))
            return {};
        return QByteArray(static_cast<const char *>(data), size);
    }
    QString text(const QString &path)
    {
        void *data = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(m_record.data(), wide(path), &data, &size))
            return {};
        return QString::fromWCharArray(static_cast<const wchar_t *>(data));
    }

private slots:
    void initTestCase()
    {
        const DWORD size = GetFileVersionInfoSizeW(wide(programFile()), nullptr);
        QVERIFY2(size > 0, "Velmora.exe has no version record");
        m_record.resize(size);
        QVERIFY(GetFileVersionInfoW(wide(programFile()), 0, size, m_record.data()));
    }

    void versionRecord_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addRow("FileVersion") << QStringLiteral("2011.01");
        QTest::addRow("ProductVersion") << QStringLiteral("2011.01");
        QTest::addRow("ProductName") << QStringLiteral("Velmora");
        QTest::addRow("InternalName") << QStringLiteral("Velmora");
        QTest::addRow("OriginalFilename") << QStringLiteral("Velmora.exe");
        QTest::addRow("CompanyName") << QStringLiteral("www.korvane.example");
    }
    // The strings in the block of Chinese (PRC), Unicode.
    void versionRecord()
    {
        QFETCH(QString, expected);
        QCOMPARE(text(QStringLiteral("\\StringFileInfo\\080404B0\\") +
                      QLatin1String(QTest::currentDataTag())),
                 expected);
    }

    void fixedVersionAndTranslation()
    {
        const QByteArray fixed = value(QStringLiteral("\\"));
        QVERIFY(fixed.size() >= qsizetype(sizeof(VS_FIXEDFILEINFO)));
        const auto *info = reinterpret_cast<const VS_FIXEDFILEINFO *>(fixed.constData());
        const auto version = [](DWORD high, DWORD low) {
            return QString::asprintf("%d.%d.%d.%d", HIWORD(high), LOWORD(high), HIWORD(low),
                                     LOWORD(low));
        };
        QCOMPARE(version(info->dwFileVersionMS, info->dwFileVersionLS),
                 QStringLiteral("2011.1.0.0"));
        QCOMPARE(version(info->dwProductVersionMS, info->dwProductVersionLS),
                 QStringLiteral("2011.1.0.0"));
        const QByteArray translation = value(QStringLiteral("\\VarFileInfo\\Translation"));
        QCOMPARE(translation.toHex(), QByteArray("0408b004")); // 0x0804, 0x04B0, little-endian
    }

    // The icon group's images: size and colour depth, in the file's order.
    void iconGroup()
    {
        HMODULE file = LoadLibraryExW(wide(programFile()), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        QVERIFY(file);
        const HRSRC resource =
            FindResourceW(file, L"IDI_ICON1", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
        QVERIFY2(resource, "no icon group IDI_ICON1");
        const auto *group = static_cast<const BYTE *>(LockResource(LoadResource(file, resource)));
        QStringList images;
        const int count = group[4] | group[5] << 8;
        for (int i = 0; i < count; ++i) {
            const BYTE *entry = group + 6 + 14 * i; // width, height, colours, 0, planes, bits ...
            images << QString::asprintf("%dx%d %d bits", entry[0], entry[1],
                                        entry[6] | entry[7] << 8);
        }
        FreeLibrary(file);
        QCOMPARE(images,
                 QStringList({"16x16 8 bits", "24x24 8 bits", "32x32 8 bits", "16x16 32 bits",
                              "24x24 32 bits", "32x32 32 bits", "48x48 32 bits"}));
    }
};

QTEST_GUILESS_MAIN(TestProgramFile)
#include "tst_programfile.moc"
