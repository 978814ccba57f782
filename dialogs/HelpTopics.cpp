#include "dialogs/HelpTopics.h"
#include <QHash>

namespace HelpTopics {

namespace {

struct TTopic {
    const char* dansk;
    const char* engelsk;
};

struct TChapter {
    TTopic name;
    TColor colour;
    QList<TTopic> topics;
};

const TChapter& Row(int row)
{
    static const TChapter none{{"", ""}, clNone, {}};
    static const TChapter rows[ChapterCount] = {
        {{"Tegneredskaber", "Drawing tools"}, clBlue,
         {{"Fokus", "Focus"}, {"Zoom", "Zoom"}, {"Blyant", "Pencil"}, {"Special blyant", "Special pencil"},
          {"Streg", "Line"}, {"Rektangel", "Rectangle"}, {"Afrundet rektangel", "Rounded rectangle"},
          {"Ellipse", "Ellipse"}, {"Polygon", "Polygon"}, {"Fyld", "Fill"}, {"Fyld til", "Fill to border"},
          {"Spray", "Spray"}}},
        {{"Specialredskaber", "Special tools"}, clBlue,
         {{"Ramme", "Border"}, {"Pil", "Arrow"}, {"Farvevælger", "Color picker"}, {"Tekst", "Text"},
          {"Tekstboks", "Text box"}, {"Specifikfarveomrids", "Specific color outline"},
          {"Farveomrids", "Color outline"}}},
        {{"Multifarveredskaber", "Multicolor tools"}, clBlue,
         {{"Farvestreg", "Color line"}, {"Areal punkter", "Area points"}, {"Areal linier", "Area lines"},
          {"Areal rektangler", "Area rectangles"}, {"Zoom rektangler", "Zoom rectangles"},
          {"Rektangel vifte", "Rectangle fan"}, {"Funktioner", "Functions"}, {"Areal ellipser", "Area ellipses"},
          {"Zoom ellipser", "Zoom ellipses"}, {"Cirkel vifte", "Circle fan"}}},
        none,
        {{"Nyt", "New"}, clGreen, {}},
        {{"Andre funktioner", "Other functions"}, clGreen,
         {{"Til klipbord", "To clipboard"}, {"Fra klipbord", "From clipboard"},
          {"Billed og farvebehandling", "Picture and color processing"}}},
        {{"Billeder", "Pictures"}, clGreen, {{"Billedboks", "Picture box"}, {"Klicheboks", "Cliché box"}}},
        {{"Egenskaber", "Properties"}, clGreen, {}},
        none,
        {{"Lidt om farver", "About colors"}, clFuchsia,
         {{"Lidt om RGB", "About RGB"}, {"Hexadecimal notation", "Hexadecimal notation"},
          {"Palette 17", "Palette 17"}, {"Palette grå", "Palette gray"},
          {"Farveovergangs palette", "Fade palette"}}},
        {{"Specifikfarven", "The specific color"}, clFuchsia, {}},
        {{"Transparentfarven", "The transparent color"}, clFuchsia, {}},
        {{"Paletter", "Palettes"}, clFuchsia,
         {{"Paletteboks", "Palette box"}, {"Palette", "Palette"}, {"Farveboks", "Colorbox"},
          {"Redskabsfarverne", "The tool colors"}}},
    };
    return row >= 0 && row < ChapterCount ? rows[row] : none;
}

} // namespace

QString Chapter(int row)
{
    return QString::fromUtf8(Row(row).name.dansk);
}

QString ChapterCaption(int row, bool Engelsk)
{
    return QString::fromUtf8(Engelsk ? Row(row).name.engelsk : Row(row).name.dansk);
}

TColor ChapterColour(int row)
{
    return Row(row).colour;
}

QStringList SubTopics(int row)
{
    QStringList topics;
    for (const TTopic& topic : Row(row).topics)
        topics << QString::fromUtf8(topic.dansk);
    return topics;
}

QString TopicCaption(const QString& Topic, bool Engelsk)
{
    static const QHash<QString, QString> english = [] {
        QHash<QString, QString> table;
        for (int row = 0; row < ChapterCount; ++row) {
            table.insert(Chapter(row), ChapterCaption(row, true));
            for (const TTopic& topic : Row(row).topics)
                table.insert(QString::fromUtf8(topic.dansk), QString::fromUtf8(topic.engelsk));
        }
        return table;
    }();
    return Engelsk ? english.value(Topic, Topic) : Topic;
}

int ChapterOf(const QString& Topic)
{
    for (int row = 0; row < ChapterCount; ++row)
        if (!Chapter(row).isEmpty() && (Chapter(row) == Topic || SubTopics(row).contains(Topic)))
            return row;
    return -1;
}

QStringList OtherTopics()
{
    return {QString::fromLatin1(Velkommen), QString::fromLatin1(Genvejstaster), QStringLiteral("Palette"),
            QStringLiteral("Insert program")};
}

QStringList ListedTopics()
{
    QStringList all;
    for (int row = 0; row < ChapterCount; ++row) {
        if (!Chapter(row).isEmpty())
            all << Chapter(row);
        all << SubTopics(row);
    }
    all << OtherTopics();
    all.removeDuplicates();
    return all;
}

} // namespace HelpTopics
