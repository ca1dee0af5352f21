// SPDX-License-Identifier: MIT
#include "window/SignatureBox.h"

#include <QTextBlock>

SignatureBox::SignatureBox(QWidget *parent) : QPlainTextEdit(parent) {}

QString SignatureBox::exactText() const
{
    const QString crLf = QStringLiteral("\r\n");
    if (!document()->isModified())
        return m_text;
    // Block texts keep U+00A0, which toPlainText() would turn into a blank.
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            text += crLf;
        text += block.text();
    }
    text.replace(QChar::LineSeparator, crLf);
    return text;
}

void SignatureBox::setExactText(const QString &text)
{
    m_text = text;
    setPlainText(text);
    document()->setModified(false);
}
