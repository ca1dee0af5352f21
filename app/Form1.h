#pragma once

#include "platform/PlatformAdapters.h"
#include "tools/SignatureSurface.h"

#include <QImage>
#include <QWidget>

class HotSpot;
class QLabel;
class QLineEdit;
class SignatureBox;
namespace FormTable {
enum class Command;
}

// The program's one window: the background picture, the signature box, the
// symbol strip, the status line and the seven hot-spots that run the commands.
class Form1 final : public QWidget, public SignatureSurface
{
    Q_OBJECT

public:
    explicit Form1(PlatformAdapters adapters, QWidget *parent = nullptr);
    ~Form1() override;

    QString boxText() const override;
    void setBoxText(const QString &text) override;
    void setStatusLine(const QString &text) override;

    qint32 pairCount() const { return m_pairCount; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void useFonts(bool fallbacks);
    void finishStartUp();
    void createControls();
    void run(FormTable::Command command);

    PlatformAdapters m_adapters;
    qint32 m_pairCount = 0;
    SignatureBox *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLabel *m_label5 = nullptr;
    QImage m_background; // for the device pixel ratio last painted at
    bool m_startUpFinishing = false;
};
