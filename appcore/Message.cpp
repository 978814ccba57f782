#include "appcore/Message.h"
#include <QApplication>
#include <QMessageBox>
#include <algorithm>

namespace {

TMessageCatcher& Catcher()
{
    static TMessageCatcher catcher;
    return catcher;
}

TMessageBatch*& OpenBatch()
{
    static TMessageBatch* batch = nullptr;
    return batch;
}

void ShowNow(const QString& Text, QWidget* Parent)
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
    if (TMessageBatch* batch = OpenBatch())
        batch->Add(Text, QString());
    else
        ShowNow(Text, Parent);
}

void ShowFileMessage(const QString& Text, const QString& FileName, QWidget* Parent)
{
    if (TMessageBatch* batch = OpenBatch())
        batch->Add(Text, FileName);
    else
        ShowNow(Text + QLatin1Char('\r') + FileName, Parent);
}

TMessageBatch::TMessageBatch() : outer_(OpenBatch())
{
    OpenBatch() = this;
}

TMessageBatch::~TMessageBatch()
{
    if (!open_)
        return;
    Unlink();
    if (outer_) {
        for (const TItem& item : items_) {
            if (item.Files.isEmpty())
                outer_->Add(item.Text, QString());
            for (const QString& file : item.Files)
                outer_->Add(item.Text, file);
        }
        return;
    }
    const QString text = Close();
    if (!text.isEmpty())
        ShowNow(text, nullptr);
}

void TMessageBatch::Add(const QString& Text, const QString& FileName)
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const TItem& item) { return item.Text == Text; });
    if (it == items_.end())
        it = items_.insert(items_.end(), TItem{Text, {}});
    if (!FileName.isEmpty() && !it->Files.contains(FileName))
        it->Files.append(FileName);
}

void TMessageBatch::Unlink()
{
    if (!open_)
        return;
    open_ = false;
    // Batches close innermost first; one closed out of turn leaves the chain intact.
    for (TMessageBatch** link = &OpenBatch(); *link; link = &(*link)->outer_)
        if (*link == this) {
            *link = outer_;
            break;
        }
}

QString TMessageBatch::Close()
{
    Unlink();
    QStringList parts;
    for (const TItem& item : items_)
        parts.append(item.Files.isEmpty() ? item.Text : item.Text + QLatin1Char('\r') + item.Files.join(QLatin1Char('\r')));
    items_.clear();
    return parts.join(QStringLiteral("\r\r"));
}

void SetMessageCatcher(TMessageCatcher Catcher_)
{
    Catcher() = std::move(Catcher_);
}

QString PictureSizeMessage(bool Engelsk)
{
    return Sprogtekst(Engelsk,
                      QStringLiteral("Et billede skal være fra 1 til 32767 pixels i hver retning og højst "
                                     "268435456 pixels i alt!"),
                      QStringLiteral("A picture must be from 1 to 32767 pixels each way and at most "
                                     "268435456 pixels in all!"));
}
