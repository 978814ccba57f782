#include "tests/common/FakeMainServices.h"
#include "textbox/FontLists.h"
#include "textbox/Fontform.h"
#include "widgets/FontSizeComboBox.h"
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct FontformFixture : ::testing::Test {
    FakeMainServices services;
    std::unique_ptr<Tfontform> form = std::make_unique<Tfontform>(services);

    void ChooseFont(const QString& name)
    {
        const auto items = form->fontnames->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        form->fontnames->setCurrentItem(items[0]);
        form->FontnamesClick();
    }
};

} // namespace

TEST_F(FontformFixture, OpensOnTheFontBeingEditedWithItsStyleAndText)
{
    TFont edited;
    edited.Name = QStringLiteral("dejavu serif");
    edited.Size = 14;
    edited.Style = TFontStyles{fsBold, fsUnderline};
    form->Vis(edited, QStringLiteral("Two\nlines"));
    EXPECT_TRUE(form->isVisible());
    // The name is found without regard to case.
    EXPECT_EQ(form->fontnames->currentItem()->text(), "DejaVu Serif");
    EXPECT_EQ(form->FontSize->currentText(), "14");
    EXPECT_TRUE(form->boldCheck->isChecked());
    EXPECT_FALSE(form->kursivCheck->isChecked());
    EXPECT_TRUE(form->underCheck->isChecked());
    EXPECT_EQ(form->Memo->toPlainText(), "Two\nlines");
    EXPECT_EQ(form->Memo->font().pixelSize(), -edited.Height());
    EXPECT_EQ(form->Memo->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(FontformFixture, APixelHeightComesBackUnchangedUntilTheSizeIsChosen)
{
    TFont edited;
    edited.Name = QStringLiteral("DejaVu Sans");
    edited.SetHeight(-21);
    form->Vis(edited, QString());
    // 21 pixels are 16 points: the list shows that size.
    EXPECT_EQ(form->FontSize->currentText(), "16");
    form->StyleClick();
    EXPECT_EQ(form->MemoFont().Height(), -21);
    form->FontSizeChange(16);
    EXPECT_EQ(form->MemoFont().Height(), -21);
    form->FontSizeChange(18);
    EXPECT_EQ(form->MemoFont().Size, 18);
    EXPECT_EQ(form->MemoFont().Height(), -24);
    // A size the list does not offer is added when the window opens on it.
    edited.Size = 13;
    edited.PixelHeight = 0;
    form->Vis(edited, QString());
    EXPECT_EQ(form->FontSize->currentText(), "13");
    EXPECT_EQ(form->FontSize->findText("13"), form->FontSize->currentIndex());
}

TEST_F(FontformFixture, ChoicesShapeTheMemoFontAndTheButtonsHandItOver)
{
    TFont sans;
    sans.Name = QStringLiteral("DejaVu Sans");
    sans.Size = 13;
    form->Vis(sans, QStringLiteral("Hi"));
    EXPECT_EQ(form->MemoFont().Size, 13);
    // The arrow keys choose too.
    QTest::keyClick(form->fontnames, Qt::Key_Down);
    EXPECT_EQ(form->Memo->font().family(), form->fontnames->currentItem()->text());
    ChooseFont("Liberation Serif");
    // 13 is not offered: the list's first size is taken.
    EXPECT_EQ(form->FontSize->currentText(), "8");
    EXPECT_EQ(form->Memo->font().family(), "Liberation Serif");
    EXPECT_EQ(form->MemoFont().Size, 8);
    form->FontSizeChange(24);
    form->kursivCheck->click();
    EXPECT_TRUE(form->Memo->font().italic());

    bool extra = true;
    TFont font;
    QString text;
    int calls = 0;
    form->OnFontChosen = [&](bool e, const TFont& f, const QString& t) {
        extra = e, font = f, text = t;
        ++calls;
    };
    form->Memo->setPlainText(QStringLiteral("Label"));
    form->tekstfontKnap->click();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(extra);
    EXPECT_EQ(font.Name, "Liberation Serif");
    EXPECT_EQ(font.Size, 24);
    EXPECT_TRUE(font.Style.Contains(fsItalic));
    EXPECT_FALSE(font.Style.Contains(fsBold));
    EXPECT_EQ(text, "Label");
    form->ekstrafontKnap->click();
    EXPECT_TRUE(extra);

    form->lukKnap->click();
    EXPECT_FALSE(form->isVisible());
    form->infoKnap->click();
    EXPECT_EQ(services.HelpTopics, QStringList{"Tekst"});
}

TEST_F(FontformFixture, AFontThatIsNotInstalledShowsTheFamilyDrawnInstead)
{
    TFontNavne navne;
    const QString drawn = QFontInfo(QFont(QStringLiteral("No Such Family"))).family();
    EXPECT_EQ(navne.IndexOf(QStringLiteral("No Such Family")), navne.Navne().indexOf(drawn));
    TFont missing;
    missing.Name = QStringLiteral("No Such Family");
    missing.Size = 12;
    form->SetMemoFont(missing);
    ASSERT_NE(form->fontnames->currentItem(), nullptr);
    EXPECT_EQ(form->fontnames->currentItem()->text(), drawn);
    EXPECT_EQ(form->FontSize->currentText(), "12");
}

TEST_F(FontformFixture, FirstShownBesideTheMainWindowAndSpeaksBothLanguages)
{
    QWidget main;
    main.move(50, 60);
    main.show();
    auto* owned = new Tfontform(services, &main);
    owned->show();
    EXPECT_EQ(owned->pos(), main.pos() + QPoint(200, 200));
    owned->hide();
    owned->move(10, 10);
    owned->show();
    EXPECT_EQ(owned->pos(), QPoint(10, 10));

    form->SetSprog(true);
    EXPECT_EQ(form->windowTitle(), "Fontbox");
    EXPECT_EQ(form->tekstfontKnap->text(), "Text font");
    EXPECT_EQ(form->ekstrafontKnap->text(), "Extra font");
    EXPECT_EQ(form->lukKnap->text(), "Close");
    EXPECT_EQ(form->underCheck->text(), "Underline");
    form->SetSprog(false);
    EXPECT_EQ(form->windowTitle(), "Fontboks");
    EXPECT_EQ(form->tekstfontKnap->text(), "Tekstfont");
    EXPECT_EQ(form->lukKnap->text(), "Luk");
    EXPECT_EQ(form->boldCheck->text(), "Fed");
}

TEST(FontLists, TypedSizesAreOneToNineHundredNinetyNine)
{
    EXPECT_EQ(TypedFontSize(" 13 "), 13);
    EXPECT_EQ(TypedFontSize("999"), 999);
    for (const char* bad : {"0", "1000", "-4", "12pt", ""})
        EXPECT_EQ(TypedFontSize(QLatin1String(bad)), 0) << bad;
}
