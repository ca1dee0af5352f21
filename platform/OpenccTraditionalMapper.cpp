#include "platform/TraditionalMapper.h"

#include <QList>
#include <QStringDecoder>
#include <QStringView>

#include <opencc/Config.hpp>
#include <opencc/Converter.hpp>
#include <opencc/Exception.hpp>

#include <exception>
#include <string>

namespace {

// OpenCC's s2t configuration: longest-phrase segmentation on STPhrases, then
// STPhrases and STCharacters. The dictionaries are named by full path, so
// that no file of the current directory is ever opened in their place.
constexpr char s2tConfiguration[] =
    R"({"name": "Simplified Chinese to Traditional Chinese",
        "segmentation": {"type": "mmseg",
            "dict": {"type": "ocd2", "file": ")" VELMORA_OPENCC_DATA_DIR R"(/STPhrases.ocd2"}},
        "conversion_chain": [{"dict": {"type": "group", "dicts": [
            {"type": "ocd2", "file": ")" VELMORA_OPENCC_DATA_DIR R"(/STPhrases.ocd2"},
            {"type": "ocd2", "file": ")" VELMORA_OPENCC_DATA_DIR R"(/STCharacters.ocd2"}]}}]})";

class OpenccTraditionalMapper final : public TraditionalMapper
{
public:
    QString toTraditional(const QString &simplified) override
    {
        const opencc::ConverterPtr converter = this->converter();
        if (!converter)
            return simplified;
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
            return simplified;
        } catch (const std::exception &) {
            return simplified;
        }
        return traditional;
    }

private:
    // Created on first use (it loads about 1.5 MB of dictionaries) and kept.
    opencc::ConverterPtr converter()
    {
        if (!m_converter) {
            try {
                opencc::Config config;
                m_converter = config.NewFromString(s2tConfiguration, VELMORA_OPENCC_DATA_DIR);
            } catch (const opencc::Exception &error) {
                qWarning("Traditional characters unavailable: %s", error.what());
            } catch (const std::exception &error) {
                qWarning("Traditional characters unavailable: %s", error.what());
            }
        }
        return m_converter;
    }

    opencc::ConverterPtr m_converter;
};

} // namespace

std::unique_ptr<TraditionalMapper> createTraditionalMapper()
{
    return std::make_unique<OpenccTraditionalMapper>();
}
