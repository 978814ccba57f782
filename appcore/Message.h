#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

// Shows the program's information box: title "Malvo", the text (a "\r" is a line break) and
// one OK button. While a message catcher is set (tests), the text goes to it instead.
void ShowMessage(const QString& Text, QWidget* Parent = nullptr);

// Shows a message about one file: Text, then the file name on a line of its own. While a
// message batch is open, the files of messages with the same Text are gathered under it.
void ShowFileMessage(const QString& Text, const QString& FileName, QWidget* Parent = nullptr);

// While a batch is open, messages are gathered instead of shown, so one action that meets many
// refused files (an open of many files, the start-up) says so in one box: each distinct text
// once, followed by the files it concerns. Batches nest; the innermost one gathers.
class TMessageBatch {
public:
    TMessageBatch();
    // Closes the batch if still open and hands what it gathered on: to the enclosing batch,
    // or shown in one box when there is none.
    ~TMessageBatch();
    TMessageBatch(const TMessageBatch&) = delete;
    TMessageBatch& operator=(const TMessageBatch&) = delete;

    // Stops gathering and gives the gathered messages as one text (empty when there were
    // none), for the caller to show when it sees fit.
    QString Close();

    void Add(const QString& Text, const QString& FileName);

private:
    struct TItem {
        QString Text;
        QStringList Files;
    };
    void Unlink();

    bool open_ = true;
    TMessageBatch* outer_;
    std::vector<TItem> items_;
};

// The text of a message as shown: every "\r" (and "\r\n") becomes a line break.
QString MessageText(const QString& Text);

// Sets or, with an empty function, clears the catcher of ShowMessage.
using TMessageCatcher = std::function<void(const QString& Text)>;
void SetMessageCatcher(TMessageCatcher Catcher);

// The Danish or the English text, by language.
inline QString Sprogtekst(bool Engelsk, const QString& Dansk, const QString& English)
{
    return Engelsk ? English : Dansk;
}

// The message of a picture size the program refuses: too large a side, too many pixels, or
// more than the memory the machine has free.
QString PictureSizeMessage(bool Engelsk);
