#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include "dialogs/SpmFormen.h"
#include "dialogs/Spmform.h"

namespace {

// Asks with the save prompt's lines and lets Act answer while the dialog is shown modally.
TModalResult AskAndAnswer(TSpmform& form, std::function<void()> Act)
{
    QTimer::singleShot(0, [&form, Act] {
        EXPECT_TRUE(form.isVisible());
        Act();
    });
    return form.Spoerg("Billedet UdenNavn1.bmp er ændret.", "Skal det gemmes?", "");
}

} // namespace

TEST(Spmform, TextsInBothLanguages)
{
    TSpmform form;
    EXPECT_EQ(form.windowTitle(), "Spørgsmål");
    EXPECT_EQ(form.JaKnap()->text(), "Ja");
    EXPECT_EQ(form.NejKnap()->text(), "Nej");
    EXPECT_EQ(form.AnnullerKnap()->text(), "Annuller");
    form.SetSprog(true);
    EXPECT_EQ(form.windowTitle(), "Question");
    EXPECT_EQ(form.JaKnap()->text(), "Yes");
    EXPECT_EQ(form.NejKnap()->text(), "No");
    EXPECT_EQ(form.AnnullerKnap()->text(), "Cancel");
}

TEST(Spmform, LineOneClearsTheMemo)
{
    TSpmform form;
    form.Tekst(1, "gammel");
    form.Tekst(2, "tekst");
    form.Tekst(1, "Første");
    form.Tekst(2, "Anden");
    form.Tekst(3, "Tredje");
    EXPECT_EQ(form.Memo()->toPlainText(), "Første\nAnden\nTredje");
    EXPECT_TRUE(form.Memo()->isReadOnly());
}

TEST(Spmform, EachButtonGivesItsAnswer)
{
    TSpmform form;
    EXPECT_EQ(AskAndAnswer(form, [&] { QTest::mouseClick(form.JaKnap(), Qt::LeftButton); }), mrYes);
    EXPECT_EQ(form.Memo()->toPlainText(), "Billedet UdenNavn1.bmp er ændret.\nSkal det gemmes?\n");
    EXPECT_EQ(AskAndAnswer(form, [&] { QTest::mouseClick(form.NejKnap(), Qt::LeftButton); }), mrNo);
    EXPECT_EQ(AskAndAnswer(form, [&] { QTest::mouseClick(form.AnnullerKnap(), Qt::LeftButton); }),
              mrCancel);
    EXPECT_EQ(form.ModalResult(), mrCancel);
    EXPECT_FALSE(form.isVisible());
}

TEST(Spmform, EscapeAndTheCloseButtonMeanCancel)
{
    TSpmform form;
    EXPECT_EQ(AskAndAnswer(form, [&] { QTest::keyClick(&form, Qt::Key_Escape); }), mrCancel);
    // A Yes before must not linger into the next showing.
    EXPECT_EQ(AskAndAnswer(form, [&] { QTest::mouseClick(form.JaKnap(), Qt::LeftButton); }), mrYes);
    EXPECT_EQ(AskAndAnswer(form, [&] { form.close(); }), mrCancel);
}

TEST(Spmform, EnterAnswersYes)
{
    TSpmform form;
    EXPECT_EQ(AskAndAnswer(form, [&] { QTest::keyClick(&form, Qt::Key_Return); }), mrYes);
}

TEST(SpmFormen, YesIsOkAndNoEscapeCloseAreCancel)
{
    TspmFormen form;
    EXPECT_EQ(form.windowTitle(), "Spørgsmål");
    EXPECT_EQ(form.JaKnap()->text(), "Ja");
    form.SetSprog(true);
    EXPECT_EQ(form.NejKnap()->text(), "No");
    const QStringList info = {"Skal listen ryddes?", "3 favoritter"};
    auto ask = [&](std::function<void()> Act) {
        QTimer::singleShot(0, Act);
        return form.Spoerg(info);
    };
    EXPECT_EQ(ask([&] { QTest::mouseClick(form.JaKnap(), Qt::LeftButton); }), mrOk);
    EXPECT_EQ(form.info()->toPlainText(), "Skal listen ryddes?\n3 favoritter");
    EXPECT_EQ(ask([&] { QTest::mouseClick(form.NejKnap(), Qt::LeftButton); }), mrCancel);
    EXPECT_EQ(ask([&] { QTest::keyClick(&form, Qt::Key_Escape); }), mrCancel);
    EXPECT_EQ(ask([&] { form.close(); }), mrCancel);
}
