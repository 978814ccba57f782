#include "CommandsFixture.h"
#include "colours/ColorPan.h"
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QToolButton>

namespace {

bool Blank(const TBitmap& b)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != clWhite)
                return false;
    return true;
}

using ToolsTest = CommandsTest;

} // namespace

TEST_F(ToolsTest, WithoutADocumentNoToolStyleOrPenControlWorks)
{
    windows.ShowColourBox = [] {};
    Update();
    for (QAction* action : tools.Actions())
        EXPECT_EQ(action->isEnabled(), action->objectName() == QLatin1String("AColor"))
            << action->objectName().toStdString();
    for (int w = 1; w <= 8; ++w)
        EXPECT_FALSE(tools.PenButton(w)->isEnabled());
    // A shortcut does nothing either.
    QTest::keyClick(&host.Window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(host.UserToolnummer(), 0);

    NewPicture();
    Update();
    EXPECT_TRUE(tools.Action(QStringLiteral("ARekt"))->isEnabled());
    EXPECT_TRUE(tools.PenButton(3)->isEnabled());
}

TEST_F(ToolsTest, AutoperformDrawsTheMarkedToolsInTheFocusAtOnce)
{
    host.Options.AP = true;
    TMalvoform& form = NewPicture();
    form.Image->NewFocusRect(5, 5, 30, 20);
    Update();
    Act("ARekt")->trigger();
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(5, 10), clBlack);
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(15, 12), clWhite);
    EXPECT_EQ(host.UserToolnummer(), 3);
    EXPECT_EQ(host.LastProp, 3);
    Update();
    EXPECT_TRUE(Act("ARekt")->isChecked());

    TMalvoform& other = NewPicture();
    other.Image->NewFocusRect(5, 5, 30, 20);
    Update();
    Act("ABlyant")->trigger();
    EXPECT_TRUE(Blank(other.Image->Picture()));
    EXPECT_EQ(other.Image->ToolNr(), 1);
    Update();
    EXPECT_TRUE(Act("ABlyant")->isChecked());
    EXPECT_FALSE(Act("ARekt")->isChecked());

    // Without the option nothing is performed at once.
    host.Options.AP = false;
    TMalvoform& third = NewPicture();
    third.Image->NewFocusRect(5, 5, 30, 20);
    Update();
    Act("AEllipseF")->trigger();
    EXPECT_TRUE(Blank(third.Image->Picture()));
}

TEST_F(ToolsTest, OneShotToolsRememberTheToolToGoBackTo)
{
    TMalvoform& form = NewPicture();
    bool toolPage = false;
    windows.SetGoToToolPage = [&](bool v) { toolPage = v; };
    Update();
    Act("AStreg")->trigger();
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(form.Image->ToolNr(), 101);
    EXPECT_EQ(form.OldToolNr, 2);
    EXPECT_EQ(host.UserToolnummer(), 101);
    EXPECT_EQ(host.LastProp, 101);
    EXPECT_FALSE(toolPage);

    Act("AMetaPick")->trigger();
    EXPECT_TRUE(form.ReturnToTool);
    EXPECT_EQ(form.OldToolNr, 101);
    EXPECT_EQ(form.Image->ToolNr(), 100);

    Act("APixelInfo")->trigger();
    EXPECT_TRUE(toolPage);
    toolPage = false;
    form.Image->SetTekstListe({QStringLiteral("Hej")});
    Act("ATekst")->trigger();
    EXPECT_FALSE(toolPage);
    EXPECT_EQ(form.Image->ToolNr(), 40);
    // Ctrl+T belongs to the tool line's toggle.
    EXPECT_TRUE(Act("ATekst")->shortcut().isEmpty());

    bool redskaber = false;
    windows.ShowRedskaberPage = [&] { redskaber = true; };
    Act("AFocus")->trigger();
    EXPECT_TRUE(redskaber);
}

TEST_F(ToolsTest, StylesAndMethodsAreTickedFromTheActivePicture)
{
    TMalvoform& first = NewPicture();
    Update();
    Act("ADashDot")->trigger();
    Act("ACross")->trigger();
    Act("AMetaFarve")->trigger();
    EXPECT_EQ(first.Image->PenStyle(), psDashDot);
    EXPECT_EQ(first.Image->BrushStyle(), bsCross);
    EXPECT_EQ(first.Image->MetaMetode(), mmFarve);
    Update();
    EXPECT_TRUE(Act("ADashDot")->isChecked());
    EXPECT_TRUE(Act("ACross")->isChecked());
    EXPECT_TRUE(Act("AMetaFarve")->isChecked());
    EXPECT_FALSE(Act("ASolid")->isChecked());

    NewPicture();
    Update();
    EXPECT_TRUE(Act("ASolid")->isChecked());
    EXPECT_TRUE(Act("ASolidB")->isChecked());
    EXPECT_TRUE(Act("AMetaNormal")->isChecked());
    EXPECT_FALSE(Act("ADashDot")->isChecked());

    host.SetGForm(&first);
    Update();
    EXPECT_TRUE(Act("ADashDot")->isChecked());
}

TEST_F(ToolsTest, PenWidthButtonsAndFieldsAgree)
{
    TMalvoform& form = NewPicture();
    Update();
    QTest::mouseClick(tools.PenButton(5), Qt::LeftButton);
    EXPECT_EQ(form.Image->PenWidth(), 5);
    EXPECT_EQ(tools.PenEdit->text(), QStringLiteral("5"));
    EXPECT_EQ(tools.PenEdit1->text(), QStringLiteral("5"));

    tools.PenEdit->clear();
    QTest::keyClicks(tools.PenEdit, QStringLiteral("1x2"));
    EXPECT_EQ(tools.PenEdit->text(), QStringLiteral("12"));
    EXPECT_EQ(tools.PenEdit1->text(), QStringLiteral("12"));
    EXPECT_EQ(form.Image->PenWidth(), 12);
    QTest::keyClicks(tools.PenEdit1, QStringLiteral("99"));
    EXPECT_EQ(tools.PenEdit1->text(), QStringLiteral("255"));
    EXPECT_EQ(tools.PenEdit1->cursorPosition(), 3);
    EXPECT_EQ(tools.PenEdit->text(), QStringLiteral("255"));
    EXPECT_EQ(form.Image->PenWidth(), 255);
}

TEST_F(ToolsTest, TheHexadecimalFieldKeepsSixHexDigitsAndSetsTheSliders)
{
    std::vector<std::array<int, 3>> set;
    windows.SetSliderColour = [&](uint8_t r, uint8_t g, uint8_t b) { set.push_back({r, g, b}); };
    QTest::keyClicks(tools.HexEdit, QStringLiteral("#00FxF00z9"));
    EXPECT_EQ(tools.HexEdit->text(), QStringLiteral("00FF00"));
    QTest::keyClick(tools.HexEdit, Qt::Key_Return);
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0], (std::array<int, 3>{0, 255, 0}));

    tools.HexEdit->clear();
    QTest::keyClicks(tools.HexEdit, QStringLiteral("12ab"));
    Update();
    QTest::mouseClick(tools.HexButton, Qt::LeftButton);
    EXPECT_EQ(set.size(), 1u); // too short
    QTest::keyClicks(tools.HexEdit, QStringLiteral("Cd"));
    QTest::mouseClick(tools.HexButton, Qt::LeftButton);
    ASSERT_EQ(set.size(), 2u);
    EXPECT_EQ(set[1], (std::array<int, 3>{0x12, 0xAB, 0xCD}));
}

TEST_F(ToolsTest, ColourPanelsAndColourBoxCommands)
{
    std::vector<std::pair<int, TColor>> fade;
    windows.SetFadeFarve = [&](int nr, TColor c) { fade.push_back({nr, c}); };
    tools.Transpan->InitFarveFelt(0, clRed);
    tools.TranspanMus(*tools.Transpan, mbRight, 0);
    tools.MetapanMus(*tools.Metapan, mbLeft, 0); // an empty field
    ASSERT_EQ(fade.size(), 1u);
    EXPECT_EQ(fade[0].first, 2);

    TMalvoform& form = NewPicture();
    Update();
    Act("AMetaBox")->trigger();
    EXPECT_EQ(form.Image->MetaFarve(), host.OutFarve());
    EXPECT_EQ(tools.ColorPan1->GetColor(0), host.OutFarve());
    Act("ATransColor")->trigger();
    EXPECT_EQ(tools.ColorPan2->GetColor(0), host.OutFarve());

    std::vector<int> lines;
    windows.Informa = [&](int nr) { lines.push_back(nr); };
    QToolButton button(&host.Window);
    tools.AttachHelpLine(&button, TToolCommands::HelpLineOf(QStringLiteral("AMetaNotFarve")));
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QApplication::sendEvent(&button, &enter);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(lines, (std::vector<int>{52, -1}));
}

TEST_F(ToolsTest, CaptionsInBothLanguages)
{
    tools.SetSprog(true);
    EXPECT_EQ(Act("AEllipse")->text(), QStringLiteral("Elipse"));
    EXPECT_EQ(Act("ARedBlyant")->text(), QStringLiteral("Speciel pencil"));
    EXPECT_EQ(tools.HexButton->text(), QStringLiteral("Execute"));
    tools.SetSprog(false);
    EXPECT_EQ(Act("AFDiagonal")->text(), QStringLiteral("Diagonalt nedad"));
    EXPECT_EQ(Act("ASelCopy")->text(), QStringLiteral("Kopierings blyant"));
    EXPECT_EQ(tools.HexButton->text(), QStringLiteral("Udfør"));
    for (QAction* action : tools.Actions())
        EXPECT_FALSE(action->statusTip().isEmpty()) << action->objectName().toStdString();
}

TEST_F(ToolsTest, WindowCommandsWorkForTheWindowsThereAre)
{
    Update();
    EXPECT_FALSE(Act("AProp")->isEnabled());
    EXPECT_FALSE(Act("ATekstBox")->isEnabled());
    bool propShown = false;
    int information = 0;
    windows.ShowEgenskaberPage = [&] { propShown = true; };
    windows.EgenskaberPageShown = [&] { return propShown; };
    windows.ShowInformationPage = [&] { ++information; };
    Key(Qt::Key_F5);
    EXPECT_TRUE(propShown);
    Update();
    EXPECT_FALSE(Act("AProp")->isEnabled());
    Key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(information, 1);
}

TEST_F(ToolsTest, NoTwoCommandsShareAShortcut)
{
    QMap<QString, QString> owners;
    for (const QList<QAction*>& actions :
         {tools.Actions(), pictures.Actions(), mover.Actions(), host.Files->Actions()})
        for (QAction* action : actions) {
            const QString key = action->shortcut().toString();
            if (key.isEmpty())
                continue;
            EXPECT_FALSE(owners.contains(key)) << key.toStdString() << " " << action->objectName().toStdString();
            owners[key] = action->objectName();
        }
    EXPECT_EQ(owners.value(QStringLiteral("Ctrl+B")), QStringLiteral("ASelCopy"));
    EXPECT_EQ(owners.value(QStringLiteral("Shift+Ins")), QStringLiteral("AFocusZoom"));
}
