// SPDX-License-Identifier: MIT
#include "platform/TraditionalMapper.h"

#include "platform/DictionaryFolder.h"
#include "platform/SiteFiles.h"

#include <QList>
#include <QStringDecoder>
#include <QStringView>

#include <opencc/Config.hpp>
#include <opencc/Converter.hpp>
#include <opencc/Exception.hpp>

#include <exception>
#include <string>

namespace {

// A path as a JSON string's contents.
std::string jsonEscaped(const std::string &path)
{
    std::string escaped;
    for (const char c : path) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

const std::string phrasesFile = "/STPhrases.ocd2";
const std::string charactersFile = "/STCharacters.ocd2";

// OpenCC's s2t configuration: longest-phrase segmentation on STPhrases, then
// STPhrases and STCharacters. The dictionaries are named by full path, so
// that no file of the current directory is ever opened in their place.
std::string s2tConfiguration(const std::string &dictionaryFolder)
{
    const std::string folder = jsonEscaped(dictionaryFolder);
    const std::string phrases = R"({"type": "ocd2", "file": ")" + folder + phrasesFile + R"("})";
    const std::string characters =
        R"({"type": "ocd2", "file": ")" + folder + charactersFile + R"("})";
    return R"({"name": "Simplified Chinese to Traditional Chinese",
        "segmentation": {"type": "mmseg", "dict": )" +
           phrases + R"(},
        "conversion_chain": [{"dict": {"type": "group", "dicts": [)" +
           phrases + ", " + characters + "]}}]}";
}

class OpenccTraditionalMapper final : public TraditionalMapper
{
public:
    explicit OpenccTraditionalMapper(const QString &dictionaryFolder)
        : m_folder(dictionaryFolder.toStdString())
    {
    }

    std::optional<QString> toTraditional(const QString &simplified) override
    {
        const opencc::ConverterPtr converter = this->converter();
        if (!converter)
            return std::nullopt;
        QString traditional;
        traditional.reserve(simplified.size());
        // QString::fromUtf8 would drop a byte order mark at the start.
        QStringDecoder fromUtf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        try {
            // The engine stops at a zero byte, so the pieces around U+0000 go one by one.
            const QList<QStringView> pieces = QStringView(simplified).split(QChar(0));
            for (qsizetype i = 0; i < pieces.size(); ++i) {
                if (i > 0)
                    traditional += QChar(0);
                const std::string converted = converter->Convert(pieces[i].toUtf8().toStdString());
                traditional += fromUtf8.decode(QByteArrayView(converted.data(), converted.size()));
            }
        } catch (const opencc::Exception &) {
            return std::nullopt;
        } catch (const std::exception &) {
            return std::nullopt;
        }
        return traditional;
    }

private:
    // Created on first use (it loads about 1.5 MB of dictionaries) and kept;
    // after a failure the next use tries again, so dictionaries installed
    // meanwhile are found.
    opencc::ConverterPtr converter()
    {
        if (!m_converter) {
            for (const std::string &file : {phrasesFile, charactersFile})
                ensureSiteFile(QString::fromStdString(m_folder + file));
            try {
                opencc::Config config;
                m_converter = config.NewFromString(s2tConfiguration(m_folder), m_folder);
            } catch (const opencc::Exception &error) {
                qWarning("Traditional characters unavailable: %s", error.what());
            } catch (const std::exception &error) {
                qWarning("Traditional characters unavailable: %s", error.what());
            }
        }
        return m_converter;
    }

    const std::string m_folder;
    opencc::ConverterPtr m_converter;
};

} // namespace

std::unique_ptr<TraditionalMapper> createTraditionalMapper()
{
    return createTraditionalMapper(dictionaryFolder());
}

std::unique_ptr<TraditionalMapper> createTraditionalMapper(const QString &dictionaryFolder)
{
    return std::make_unique<OpenccTraditionalMapper>(dictionaryFolder);
}
