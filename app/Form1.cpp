#include "app/Form1.h"

#include "app/Artwork.h"
#include "app/FormTable.h"
#include "app/HotSpot.h"
#include "app/SignatureBox.h"
#include "assets/ArtworkTable.h"
#include "catalogue/GetSignature.h"
#include "links/SiteLinks.h"
#include "tools/CopySignature.h"
#include "tools/InsertSpaces.h"
#include "tools/ToTraditional.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

namespace {

const QString initialBoxText = QStringLiteral(u"签名将显示在这里，请点击获取签名\r\n");
const QString symbolStripText =
    QStringLiteral(u"常用的特殊符号 ★☆●◎◆◇〓↓↑←→※♂♀§┆┊⊙≌≯≮(￣︶￣)↗ (┬＿┬)↘ 跌∑√々");

// Song faces first, then installed faces that render crisp at small pixel
// sizes. Without fallbacks, characters missing from the chosen face are not
// looked up in other faces: that lookup is a font-list query.
QFont songFont(int pixels, bool fallbacks)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral(u"宋体"),
                      QStringLiteral("WenQuanYi Zen Hei Sharp"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(pixels);
    // Crisp bitmap-like strokes at 1x; on HiDPI screens smoothing looks better.
    QFont::StyleStrategy strategy =
        qGuiApp->devicePixelRatio() <= 1.0 ? QFont::NoAntialias : QFont::PreferDefault;
    if (!fallbacks)
        strategy = QFont::StyleStrategy(strategy | QFont::NoFontMerging);
    font.setStyleStrategy(strategy);
    return font;
}

void paintWhite(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(PlatformAdapters adapters, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_adapters(std::move(adapters))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora2011.1"));
    setFixedSize(FormTable::clientSize);
    // Until the first frame is on screen the faces go without fallbacks: the
    // initial texts are all in them.
    useFonts(false);
    createControls();
    m_text1->setFocus();
}

Form1::~Form1() = default;

void Form1::useFonts(bool fallbacks)
{
    // Text controls lay their text out once in the application's font before
    // taking the window's; in any other face that would load faces never shown.
    const QFont font = songFont(FormTable::stripFontPixels, fallbacks);
    QApplication::setFont(font);
    setFont(font);
    if (m_text1)
        m_text1->setFont(songFont(FormTable::boxFontPixels, fallbacks));
}

void Form1::finishStartUp()
{
    useFonts(true);
    const QIcon icon = Artwork::icon();
    setWindowIcon(icon);
    QGuiApplication::setWindowIcon(icon);
}

void Form1::createControls()
{
    m_text1 = new SignatureBox(this);
    m_text1->setObjectName(QString::fromLatin1(FormTable::text1.name));
    m_text1->setGeometry(FormTable::text1.rect);
    m_text1->setFrameShape(QFrame::NoFrame);
    m_text1->setTabChangesFocus(true);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setFont(songFont(FormTable::boxFontPixels, false));
    paintWhite(m_text1);
    m_text1->setExactText(initialBoxText);

    m_text2 = new QLineEdit(symbolStripText, this);
    m_text2->setObjectName(QString::fromLatin1(FormTable::text2.name));
    m_text2->setGeometry(FormTable::text2.rect);
    m_text2->setFrame(false);
    m_text2->setReadOnly(true);
    m_text2->setTextMargins(0, 0, 0, 0);
    // The strip is one pixel taller than its font: top-aligned, no stroke is cut.
    m_text2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text2->setCursorPosition(0);
    paintWhite(m_text2);

    m_label5 = new QLabel(this);
    m_label5->setObjectName(QString::fromLatin1(FormTable::label5.name));
    m_label5->setGeometry(FormTable::label5.rect);
    m_label5->setTextFormat(Qt::PlainText);
    m_label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label5->setAutoFillBackground(true);
    QPalette statusPalette = m_label5->palette();
    statusPalette.setColor(QPalette::Window, Qt::white);
    statusPalette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    m_label5->setPalette(statusPalette);

    const QCursor hand = Artwork::handCursor();
    for (const FormTable::HotSpotRow &row : FormTable::hotSpots) {
        auto *hotSpot = new HotSpot(QString::fromUtf16(row.caption), this);
        hotSpot->setObjectName(QString::fromLatin1(row.name));
        hotSpot->setGeometry(row.rect);
        if (row.handCursor)
            hotSpot->setCursor(hand);
        const FormTable::Command command = row.command;
        connect(hotSpot, &HotSpot::clicked, this, [this, command] { run(command); });
    }
    setTabOrder(m_text1, m_text2);
}

void Form1::run(FormTable::Command command)
{
    using FormTable::Command;
    switch (command) {
    case Command::GetSignature:
        getSignature(*this, m_pairCount);
        break;
    case Command::ToTraditional:
        toTraditional(*this, *m_adapters.codePage, *m_adapters.mapper);
        break;
    case Command::InsertSpaces:
        insertSpaces(*this);
        break;
    case Command::CopySignature:
        copySignature(*this, *m_adapters.clipboard);
        break;
    case Command::OpenGroupPictures:
        openSitePage(SitePage::GroupPictures, *m_adapters.urlOpener);
        break;
    case Command::OpenSignatureCollection:
        openSitePage(SitePage::SignatureCollection, *m_adapters.urlOpener);
        break;
    case Command::OpenNicknameCollection:
        openSitePage(SitePage::NicknameCollection, *m_adapters.urlOpener);
        break;
    }
}

QString Form1::boxText() const
{
    return m_text1->exactText();
}

void Form1::setBoxText(const QString &text)
{
    m_text1->setExactText(text);
}

void Form1::setStatusLine(const QString &text)
{
    m_label5->setText(text);
}

void Form1::paintEvent(QPaintEvent *)
{
    // Fallback faces and the icon's pictures can wait until the window is on screen.
    if (!m_startUpFinishing) {
        m_startUpFinishing = true;
        QTimer::singleShot(0, this, &Form1::finishStartUp);
    }
    const int scale = devicePixelRatio() > 1 ? 2 : 1;
    if (m_background.isNull() || m_background.devicePixelRatio() != scale)
        m_background = Artwork::background(scale);
    // The picture, unscaled from the top-left corner, is a column narrower
    // than the client area and a few rows taller.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
    const int pictureWidth = ArtworkTable::pictureSize.width();
    painter.fillRect(QRect(pictureWidth, 0, width() - pictureWidth, height()), palette().window());
}
