#pragma once

#include "app/Form1.h"
#include "FakeAdapters.h"

#include <QLabel>
#include <QTest>

inline const QString initialBoxText = QStringLiteral(u"签名将显示在这里，请点击获取签名\r\n");

// Clicks the form where a user would: on whatever child lies under the point.
inline void clickAt(Form1 &form, QPoint point)
{
    QWidget *child = form.childAt(point);
    QWidget *target = child ? child : &form;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&form, point));
}

inline QWidget *control(Form1 &form, const char *name)
{
    return form.findChild<QWidget *>(QString::fromLatin1(name));
}

// A fresh, shown and active window for each test function, with the
// clipboard and the browser faked.
class FormTest : public QObject
{
    Q_OBJECT

protected:
    FakeAdapterHandles fakes{};
    std::unique_ptr<Form1> form;

    QString statusLine() const
    {
        return form->findChild<QLabel *>(QStringLiteral("Label5"))->text();
    }
    void setStatusLine(const QString &text) { form->setStatusLine(text); }

private slots:
    void init()
    {
        form = std::make_unique<Form1>(fakeAdapters(fakes));
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }
};
