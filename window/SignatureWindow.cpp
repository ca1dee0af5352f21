// SPDX-License-Identifier: MIT
#include "window/SignatureWindow.h"

#include "commands/CopySignature.h"
#include "commands/GetSignature.h"
#include "commands/InsertSpaces.h"
#include "commands/SiteLinks.h"
#include "commands/ToTraditional.h"
#include "layout/ArtworkTable.h"
#include "layout/WindowLayout.h"
#include "VelmoraConfig.h"
#include "window/Artwork.h"
#include "window/FixedLook.h"
#include "window/HotSpot.h"
#include "window/SignatureBox.h"
#include "window/SongFont.h"

#include <QAccessible>
// Announcements to screen readers, where this Qt has them.
#if __has_include(<QAccessibleAnnouncementEvent>)
#include <QAccessibleAnnouncementEvent>
#define VELMORA_HAS_ANNOUNCEMENTS 1
#else
#define VELMORA_HAS_ANNOUNCEMENTS 0
#endif
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextDocument>
#include <QTimer>

namespace {

const QString initialBoxText = QStringLiteral(u"签名将显示在这里，请点击获取签名\r\n");
const QString symbolStripText =
    QStringLiteral(u"常用的特殊符号 ★☆●◎◆◇〓↓↑←→※♂♀§┆┊⊙≌≯≮(￣︶￣)↗ (┬＿┬)↘ 跌∑√々");

void place(QWidget *control, const WindowLayout::ControlRow &row)
{
    control->setObjectName(QString::fromLatin1(row.objectName));
    control->setGeometry(row.rect);
    control->setAccessibleName(QString::fromUtf16(row.accessibleName));
}

// White grounds; the text colour too when given.
void paintWhite(QWidget *widget, QColor text = {})
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    if (text.isValid())
        palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

} // namespace

SignatureWindow::SignatureWindow(PlatformAdapters adapters, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_adapters(std::move(adapters)), m_siteBase(QString::fromLatin1(VelmoraConfig::siteBase))
{
    setObjectName(QString::fromLatin1(WindowLayout::windowObjectName));
    setWindowTitle(QString::fromUtf16(VelmoraConfig::windowTitle));
    setFixedSize(WindowLayout::clientSize);
    // The controls take the window's palette.
    setPalette(FixedLook::palette());
    setFont(windowFont(FontFallbacks::Deferred));
    createSignatureBox();
    createSymbolStrip();
    createStatusLine();
    createHotSpots();
    FixedLook::giveOwnStyle(this);
    setTabOrder(m_signatureBox, m_symbolStrip);
    m_signatureBox->setFocus();
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, &SignatureWindow::layOutTextAgain);
}

SignatureWindow::~SignatureWindow() = default;

void SignatureWindow::createSignatureBox()
{
    m_signatureBox = new SignatureBox(this);
    place(m_signatureBox, WindowLayout::signatureBox);
    m_signatureBox->setFrameShape(QFrame::NoFrame);
    m_signatureBox->setTabChangesFocus(true);
    m_signatureBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_signatureBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_signatureBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_signatureBox->setFont(songFont(WindowLayout::boxFontPixels, FontFallbacks::Deferred));
    paintWhite(m_signatureBox);
    m_signatureBox->setExactText(initialBoxText);
}

void SignatureWindow::createSymbolStrip()
{
    m_symbolStrip = new QLineEdit(symbolStripText, this);
    place(m_symbolStrip, WindowLayout::symbolStrip);
    m_symbolStrip->setFrame(false);
    m_symbolStrip->setReadOnly(true);
    m_symbolStrip->setTextMargins(0, 0, 0, 0);
    // The strip is one pixel taller than its font: top-aligned, no stroke is cut.
    m_symbolStrip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_symbolStrip->setCursorPosition(0);
    paintWhite(m_symbolStrip);
}

void SignatureWindow::createStatusLine()
{
    m_statusLine = new QLabel(this);
    place(m_statusLine, WindowLayout::statusLine);
    m_statusLine->setTextFormat(Qt::PlainText);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLine->setAutoFillBackground(true);
    paintWhite(m_statusLine, QColor(0x00, 0x00, 0xFF));
}

void SignatureWindow::createHotSpots()
{
    const QCursor hand = Artwork::handCursor();
    for (const WindowLayout::HotSpotRow &row : WindowLayout::hotSpots) {
        const QKeySequence key(QKeyCombination(Qt::AltModifier, Qt::Key(row.shortcutDigit)));
        auto *hotSpot = new HotSpot(QString::fromUtf16(row.caption), key, this);
        hotSpot->setObjectName(QString::fromLatin1(row.objectName));
        hotSpot->setGeometry(row.rect);
        if (row.handCursor)
            hotSpot->setCursor(hand);
        const WindowLayout::Command command = row.command;
        connect(hotSpot, &HotSpot::clicked, this, [this, command] { run(command); });
    }
}

void SignatureWindow::finishStartUp()
{
    setFont(windowFont(FontFallbacks::Allowed));
    m_signatureBox->setFont(songFont(WindowLayout::boxFontPixels, FontFallbacks::Allowed));
    // The window, having no icon of its own, shows the application's.
    QGuiApplication::setWindowIcon(Artwork::icon());
    emit firstFrameShown();
}

void SignatureWindow::layOutTextAgain()
{
    // Fonts installed while the window is open (on the web, fuller faces
    // arriving after it shows) reach text already laid out only when it is
    // laid out again.
    QTextDocument *document = m_signatureBox->document();
    document->markContentsDirty(0, document->characterCount());
    update();
}

void SignatureWindow::run(WindowLayout::Command command)
{
    using WindowLayout::Command;
    switch (command) {
    case Command::GetSignature:
        getSignature(*this, m_pairCount, m_siteBase);
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
        openSitePage(SitePage::GroupPictures, m_siteBase, *m_adapters.urlOpener);
        break;
    case Command::OpenSignatureCollection:
        openSitePage(SitePage::SignatureCollection, m_siteBase, *m_adapters.urlOpener);
        break;
    case Command::OpenNicknameCollection:
        openSitePage(SitePage::NicknameCollection, m_siteBase, *m_adapters.urlOpener);
        break;
    }
}

QString SignatureWindow::boxText() const
{
    return m_signatureBox->exactText();
}

void SignatureWindow::setBoxText(const QString &text)
{
    m_signatureBox->setExactText(text);
}

void SignatureWindow::setStatusLine(const QString &text)
{
    m_statusLine->setText(text);
    // The status line keeps its name; screen readers read the message as its
    // description and are told of every message, a repeated one too, which
    // some Qt versions would not report as a change.
    const bool repeated = m_statusLine->accessibleDescription() == text;
    m_statusLine->setAccessibleDescription(text);
    if (repeated && !text.isEmpty()) {
        QAccessibleEvent event(m_statusLine, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
#if VELMORA_HAS_ANNOUNCEMENTS
    if (!text.isEmpty()) {
        QAccessibleAnnouncementEvent announcement(m_statusLine, text);
        QAccessible::updateAccessibility(&announcement);
    }
#endif
}

void SignatureWindow::paintEvent(QPaintEvent *)
{
    // Fallback faces and the icon's pictures can wait until the window is on screen.
    if (!m_startUpFinishing) {
        m_startUpFinishing = true;
        QTimer::singleShot(0, this, &SignatureWindow::finishStartUp);
    }
    const qreal ratio = devicePixelRatio();
    if (m_background.isNull() || m_background.devicePixelRatio() != ratio)
        m_background = Artwork::background(ratio);
    // The picture, unscaled from the top-left corner, is a column narrower
    // than the client area and a few rows taller.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
    const int pictureWidth = ArtworkTable::pictureSize.width();
    painter.fillRect(QRect(pictureWidth, 0, width() - pictureWidth, height()), palette().window());
}
