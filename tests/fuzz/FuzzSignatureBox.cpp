// The signature box hands back exactly the text it was given until the user
// edits it; after an edit every line break reads as CR LF, and undoing the
// edit gives the exact text again.
#include "app/SignatureBox.h"
#include "FuzzText.h"

#include <QApplication>
#include <QTextCursor>

namespace {

bool breaksAreCrLf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n'))
            return false;
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            return false;
    }
    return true;
}

SignatureBox *box = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    box = new SignatureBox(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzText(data, size);
    box->setExactText(text);
    fuzzCheck(box->exactText() == text, "unedited box gives its exact text");

    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("x"));
    const QString edited = box->exactText();
    fuzzCheck(edited.endsWith(u'x'), "the typed character is read");
    fuzzCheck(breaksAreCrLf(edited), "edited lines are read with CR LF breaks");
    fuzzCheck(edited.count(QStringLiteral("\r\n")) >= box->document()->blockCount() - 1,
              "every paragraph break is read");

    box->document()->undo();
    fuzzCheck(box->exactText() == text, "undoing the edit gives the exact text again");
    return 0;
}
