#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include "appcore/Message.h"

TEST(Message, CarriageReturnIsALineBreak)
{
    EXPECT_EQ(MessageText("Fejl: Ukendt!\rEventuelt"), "Fejl: Ukendt!\nEventuelt");
    EXPECT_EQ(MessageText("a\r\nb"), "a\nb");
}

TEST(Message, InformationBoxHasTitleMalvoAndOneOkButton)
{
    QString title, text;
    int buttons = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    ShowMessage("Linie 1\rLinie 2");
    EXPECT_EQ(title, "Malvo");
    EXPECT_EQ(text, "Linie 1\nLinie 2");
    EXPECT_EQ(buttons, 1);
}

TEST(Message, CatcherReceivesTheText)
{
    QStringList caught;
    SetMessageCatcher([&](const QString& s) { caught << s; });
    ShowMessage("Luk alle dokumenter og prøv igen!");
    SetMessageCatcher({});
    EXPECT_EQ(caught, QStringList({"Luk alle dokumenter og prøv igen!"}));
}
