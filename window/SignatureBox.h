// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// The signature box. A text document cannot hold CR LF, lone CR or U+00A0
// as written, so the box keeps the exact text it was given and hands it back
// until the user edits it; after an edit its lines are read with CR LF breaks.
class SignatureBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit SignatureBox(QWidget *parent);

    // The text last set, exactly, until the user edits the box; after an
    // edit, its lines joined by CR LF.
    QString exactText() const;
    // Shows the text and keeps it as it is written.
    void setExactText(const QString &text);

private:
    QString m_text;
};
