#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>
#include "appcore/Lists.h"
#include "dialogs/HelpHistory.h"
#include "dialogs/InformationPlace.h"
#include "dialogs/InformationsForm.h"

namespace {

// A help folder with three small pages that link to each other and to the web.
class InformationsFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InfoDir = Dir.path() + "/help/";
        QDir().mkpath(InfoDir);
        Page("A.html", "<p>Side A <a href=\"B.html\">til B</a> <a href=\"https://example.org/x\">nettet</a></p>");
        Page("B.html", "<p>Side B <a href=\"A.html#slut\">til A</a></p>");
        Page("Tegneredskaber.html", "<p>Tegneredskaber</p>");
        PlaceFile = Dir.path() + "/Information.txt";
        Form = std::make_unique<TinformationsForm>(InfoDir, PlaceFile);
        Form->OpenUrl = [this](const QUrl& url) {
            Opened << url;
            return true;
        };
    }

    void Page(const QString& name, const QString& body)
    {
        QFile file(InfoDir + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("<html><body>" + body + "</body></html>").toUtf8());
    }

    QStringList Entries() const { return Form->History().Entries(); }
    QString Shown() const { return QFileInfo(Form->CurrentFile()).fileName(); }

    QTemporaryDir Dir;
    QString InfoDir;
    QString PlaceFile;
    std::unique_ptr<TinformationsForm> Form;
    QList<QUrl> Opened;
};

} // namespace

TEST(HelpHistory, RevisitMovesToTheEndAndButtonsFollowThePosition)
{
    THelpHistory h;
    EXPECT_FALSE(h.CanBack() || h.CanForward() || h.CanFirst() || h.CanLast() || h.CanClear());
    h.Add("A.html");
    EXPECT_FALSE(h.CanClear()); // one entry: nothing to start again from
    h.Add("B.html");
    h.Add("A.html");
    EXPECT_EQ(h.Entries(), QStringList({"B.html", "A.html"}));
    EXPECT_EQ(h.Position(), 1);
    EXPECT_TRUE(h.CanFirst() && h.CanBack() && h.CanClear());
    EXPECT_FALSE(h.CanForward() || h.CanLast());
    h.Add("C.html");
    EXPECT_EQ(h.First(), "B.html");
    EXPECT_FALSE(h.CanFirst() || h.CanBack());
    EXPECT_EQ(h.Back(), ""); // not allowed: stays put
    EXPECT_EQ(h.Position(), 0);
    EXPECT_EQ(h.Forward(), "A.html");
    EXPECT_EQ(h.Last(), "C.html");
    EXPECT_EQ(h.Forward(), "");
    // File names differ by case on this file system, so both pages are kept.
    h.Add("c.html");
    EXPECT_EQ(h.Count(), 4);
    h.Clear();
    EXPECT_EQ(h.Count(), 0);
    EXPECT_EQ(h.Position(), -1);
    EXPECT_EQ(h.Current(), "");
}

TEST_F(InformationsFormTest, LoadedPagesFormTheHistoryAndTheClearCaption)
{
    EXPECT_EQ(Form->windowTitle(), "Information");
    EXPECT_EQ(Form->NulstilKnap()->text(), "Nulstil: 0");
    Form->LoadHjemmeside("A.html");
    Form->LoadHjemmeside("B.html");
    Form->LoadHjemmeside("A.html");
    EXPECT_EQ(Entries(), QStringList({"B.html", "A.html"}));
    EXPECT_EQ(Form->NulstilKnap()->text(), "Nulstil: 2");
    EXPECT_TRUE(Form->Browser()->toPlainText().contains("Side A"));
    EXPECT_TRUE(Form->BackKnap()->isEnabled());
    EXPECT_FALSE(Form->ForwardKnap()->isEnabled());

    // Moving through the history shows the pages without changing the list.
    QTest::mouseClick(Form->BackKnap(), Qt::LeftButton);
    EXPECT_EQ(Shown(), "B.html");
    EXPECT_TRUE(Form->Browser()->toPlainText().contains("Side B"));
    EXPECT_EQ(Entries(), QStringList({"B.html", "A.html"}));
    EXPECT_FALSE(Form->BackKnap()->isEnabled());
    EXPECT_TRUE(Form->LastKnap()->isEnabled());
    QTest::mouseClick(Form->LastKnap(), Qt::LeftButton);
    EXPECT_EQ(Shown(), "A.html");

    QTest::mouseClick(Form->NulstilKnap(), Qt::LeftButton);
    EXPECT_EQ(Form->NulstilKnap()->text(), "Nulstil: 0");
    EXPECT_EQ(Form->History().Position(), -1);
    EXPECT_FALSE(Form->NulstilKnap()->isEnabled());
    Form->SetSprog(true);
    EXPECT_EQ(Form->NulstilKnap()->text(), "Reset: 0");
    EXPECT_EQ(Form->BackKnap()->statusTip(), "Go back");
    EXPECT_EQ(Form->ChapterKnap(0)->text(), "Drawing tools");
    Form->SetSprog(false);
    EXPECT_EQ(Form->BackKnap()->statusTip(), "Gå tilbage");
    EXPECT_EQ(Form->ChapterKnap(2)->text(), "Multifarveredskaber");
}

TEST_F(InformationsFormTest, AMissingPageShowsANoticeInTheLanguageAndAddsNoEntry)
{
    Form->LoadHjemmeside("A.html");
    Form->LoadHjemmeside("Findes ikke.html");
    EXPECT_EQ(Entries(), QStringList({"A.html"}));
    EXPECT_EQ(Form->CurrentFile(), "");
    EXPECT_TRUE(Form->Browser()->toPlainText().contains("Hjælpesiden \"Findes ikke.html\" findes ikke"));
    // The notice follows a language switch while it is shown.
    Form->SetSprog(true);
    EXPECT_TRUE(Form->Browser()->toPlainText().contains("The help page \"Findes ikke.html\" does not exist"));
    // A chapter button whose page is missing also only gives the notice.
    QFile::remove(InfoDir + "Tegneredskaber.html");
    QTest::mouseClick(Form->ChapterKnap(0), Qt::LeftButton);
    EXPECT_EQ(Entries(), QStringList({"A.html"}));
}

TEST_F(InformationsFormTest, PageLinksOpenHereAndWebLinksInTheBrowser)
{
    Form->LoadHjemmeside("A.html");
    emit Form->Browser()->anchorClicked(QUrl("B.html"));
    EXPECT_EQ(Shown(), "B.html");
    EXPECT_EQ(Entries(), QStringList({"A.html", "B.html"}));
    emit Form->Browser()->anchorClicked(QUrl("A.html#slut"));
    EXPECT_EQ(Entries(), QStringList({"B.html", "A.html"}));
    emit Form->Browser()->anchorClicked(QUrl("https://example.org/x"));
    ASSERT_EQ(Opened.size(), 1);
    EXPECT_EQ(Opened[0].toString(), "https://example.org/x");
    EXPECT_EQ(Shown(), "A.html");
    EXPECT_EQ(Form->History().Count(), 2);
    // A browser that refuses the address is reported, not passed over in silence.
    Form->OpenUrl = [](const QUrl&) { return false; };
    emit Form->Browser()->anchorClicked(QUrl("https://example.org/y"));
    EXPECT_EQ(Form->StatusLine()->text(), "Adressen kunne ikke åbnes: https://example.org/y");
    // The three chapter buttons open their chapters.
    QTest::mouseClick(Form->ChapterKnap(0), Qt::LeftButton);
    EXPECT_EQ(Shown(), "Tegneredskaber.html");
}

TEST_F(InformationsFormTest, StatusLineShowsHoveredLinksAndOwnHints)
{
    Form->LoadHjemmeside("A.html");
    emit Form->Browser()->highlighted(QUrl("https://example.org/x"));
    EXPECT_EQ(Form->StatusLine()->text(), "https://example.org/x");
    emit Form->Browser()->highlighted(QUrl("B.html"));
    EXPECT_EQ(Form->StatusLine()->text(), QDir::cleanPath(InfoDir + "B.html"));
    emit Form->Browser()->highlighted(QUrl());
    EXPECT_EQ(Form->StatusLine()->text(), "");
    QStatusTipEvent tip(Form->FirstKnap()->statusTip());
    QCoreApplication::sendEvent(Form->FirstKnap(), &tip);
    EXPECT_EQ(Form->StatusLine()->text(), "Gå til første");
}

TEST_F(InformationsFormTest, PlaceIsReadAtFirstShowingAndWrittenAtClose)
{
    Form->show();
    EXPECT_EQ(Form->height(), 580);
    EXPECT_EQ(Form->pos(), QPoint(20, 40));
    Form->LoadHjemmeside("A.html");
    Form->move(60, 70);
    Form->resize(Form->width(), 400);
    Form->close();
    EXPECT_EQ(ReadTextList(PlaceFile), QStringList({"60", "70", "400"}));
    EXPECT_EQ(Form->History().Count(), 0);
    EXPECT_EQ(Form->NulstilKnap()->text(), "Nulstil: 0");

    TinformationsForm again(InfoDir, PlaceFile);
    again.show();
    EXPECT_EQ(again.pos(), QPoint(60, 70));
    EXPECT_EQ(again.height(), 400);
}

TEST_F(InformationsFormTest, DamagedPlaceFallsBackLineByLineAndOffScreenIsPulledBack)
{
    EXPECT_EQ(TInformationPlace::Read(PlaceFile).Height, 580); // missing file
    ASSERT_TRUE(WriteTextList(PlaceFile, {"x12", " 77 ", "10"}));
    TInformationPlace place = TInformationPlace::Read(PlaceFile);
    EXPECT_EQ(place.Left, 20);
    EXPECT_EQ(place.Top, 77);
    EXPECT_EQ(place.Height, 580); // a window 10 pixels high cannot be used
    ASSERT_TRUE(WriteTextList(PlaceFile, {"0x10"}));
    place = TInformationPlace::Read(PlaceFile);
    EXPECT_EQ(place.Left, 20);
    EXPECT_EQ(place.Top, 40);

    ASSERT_TRUE(WriteTextList(PlaceFile, {"-90000", "90000", "300"}));
    Form->show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Form->pos())) << Form->pos().x() << "," << Form->pos().y();
    EXPECT_EQ(Form->height(), 300);
}
