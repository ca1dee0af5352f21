// SPDX-License-Identifier: MIT
#pragma once

#include "commands/SignatureSurface.h"
#include "platform/PlatformAdapters.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QLineEdit;
class SignatureBox;
namespace WindowLayout {
enum class Command;
}

// The program's one window: the background picture, the signature box, the
// symbol strip, the status line and the seven hot-spots that run the commands.
class SignatureWindow final : public QWidget, public SignatureSurface
{
    Q_OBJECT

public:
    explicit SignatureWindow(PlatformAdapters adapters, QWidget *parent = nullptr);
    ~SignatureWindow() override;

    QString boxText() const override;
    void setBoxText(const QString &text) override;
    void setStatusLine(const QString &text) override;

    // How many times "获取情侣签名" has been clicked.
    qint32 pairCount() const { return m_pairCount; }

signals:
    // The first frame is on screen: deferred start-up work may run now.
    void firstFrameShown();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createSignatureBox();
    void createSymbolStrip();
    void createStatusLine();
    void createHotSpots();
    void finishStartUp();
    void layOutTextAgain();
    void run(WindowLayout::Command command);

    PlatformAdapters m_adapters;
    const QString m_siteBase;
    qint32 m_pairCount = 0;
    SignatureBox *m_signatureBox = nullptr;
    QLineEdit *m_symbolStrip = nullptr;
    QLabel *m_statusLine = nullptr;
    QImage m_background; // for the device pixel ratio last painted at
    bool m_startUpFinishing = false;
};
