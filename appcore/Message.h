#pragma once
#include <QString>
#include <functional>

class QWidget;

// Shows the program's information box: title "Malvo", the text (a "\r" is a line break) and
// one OK button. While a message catcher is set (tests), the text goes to it instead.
void ShowMessage(const QString& Text, QWidget* Parent = nullptr);

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
