#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>
#include "appcore/DataFolder.h"
#include "dialogs/HelpTopics.h"

namespace {

QString ShippedHelp()
{
    return TDataFolder::ShippedDataFolder() + "/help/";
}

QString ReadPage(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(HelpPages, EveryListedTopicHasAPageWithItsTitle)
{
    const QStringList topics = HelpTopics::ListedTopics();
    EXPECT_EQ(topics.size(), 11 + 43 + 4 - 1); // "Palette" is both a sub-list entry and the palette program's page
    for (const QString& topic : topics) {
        const QString text = ReadPage(ShippedHelp() + HelpTopics::PageName(topic));
        EXPECT_TRUE(text.contains("<h2>" + topic.toHtmlEscaped() + "</h2>")) << topic.toStdString();
        EXPECT_TRUE(text.contains("<meta charset=\"utf-8\">")) << topic.toStdString();
    }
}

TEST(HelpPages, EveryLinkLeadsToAShippedPage)
{
    const QDir help(ShippedHelp());
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    ASSERT_GE(pages.size(), 57);
    static const QRegularExpression href(R"re(href="([^"]+)")re");
    int links = 0;
    for (const QString& page : pages) {
        const QString text = ReadPage(help.filePath(page));
        for (auto m = href.globalMatch(text); m.hasNext();) {
            const QUrl link(m.next().captured(1));
            if (!link.scheme().isEmpty())
                continue; // web addresses go to the browser
            ++links;
            EXPECT_TRUE(QFileInfo::exists(help.filePath(link.path())))
                << page.toStdString() << " -> " << link.path().toStdString();
        }
    }
    EXPECT_GT(links, 100);
}

TEST(HelpPages, PreparingTheDataFolderCopiesThemWithoutOverwriting)
{
    const TDataFolder folder = TDataFolder::FromEnvironment();
    QDir().mkpath(folder.infoDir);
    QFile own(folder.infoDir + "Fokus.html");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("min egen side");
    own.close();
    ASSERT_TRUE(folder.Prepare(TDataFolder::ShippedDataFolder()));
    EXPECT_EQ(ReadPage(folder.infoDir + "Fokus.html"), "min egen side");
    EXPECT_TRUE(ReadPage(folder.infoDir + "Velkommen.html").contains("<h2>Velkommen</h2>"));
}
