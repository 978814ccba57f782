#pragma once
#include "platform/Color.h"
#include <QString>
#include <QStringList>

// The help topics the page "Information" lists: thirteen chapter rows (rows 3 and 8 are empty
// separators), each with the colour of its group and the entries of its sub-list.
namespace HelpTopics {

constexpr int ChapterCount = 13;

// The chapter's name; empty for the separator rows and for rows outside 0..12.
QString Chapter(int Row);
// The colour of the chapter's marker: blue for rows 0-2, green 4-7, magenta 9-12, clNone else.
TColor ChapterColour(int Row);
// The entries of the chapter's sub-list (empty for chapters without one).
QStringList SubTopics(int Row);
// What the lists show for a chapter or a topic: its name in Danish, its English caption in
// English. The pages themselves are named by the Danish topic.
QString ChapterCaption(int Row, bool Engelsk);
QString TopicCaption(const QString& Topic, bool Engelsk);
// The chapter row whose name is Topic or whose sub-list holds it; -1 when none does.
int ChapterOf(const QString& Topic);

// Topics opened from elsewhere than the two lists: the welcome page, the shortcut keys, the
// palette program and the program dialog.
inline const char* const Velkommen = "Velkommen";
inline const char* const Genvejstaster = "Genvejstaster";
QStringList OtherTopics();
// Every chapter, every sub-list entry and the other topics, each once.
QStringList ListedTopics();

// The file of a topic: the topic name followed by ".html". The colour that the user knows as
// the "specifik" colour is filed under the program's own name for it, the meta colour.
inline QString PageName(const QString& Topic)
{
    return QString(Topic).replace(QStringLiteral("Specifik"), QStringLiteral("Meta")) + QStringLiteral(".html");
}

} // namespace HelpTopics
