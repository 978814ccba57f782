#include "appcore/Message.h"
#include <QApplication>
#include <QMessageBox>

namespace {

TMessageCatcher& Catcher()
{
    static TMessageCatcher catcher;
    return catcher;
}

} // namespace

QString MessageText(const QString& Text)
{
    QString s = Text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

void ShowMessage(const QString& Text, QWidget* Parent)
{
    const QString shown = MessageText(Text);
    if (Catcher()) {
        Catcher()(shown);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Malvo"), shown, QMessageBox::Ok,
                    Parent ? Parent : QApplication::activeWindow());
    box.exec();
}

void SetMessageCatcher(TMessageCatcher Catcher_)
{
    Catcher() = std::move(Catcher_);
}
