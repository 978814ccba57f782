// The tool windows as a user meets them in the real main window: hovering the colour box's
// palette, every control of a docked window inside its dock, floating and docking by hand.
#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/Farveform.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "shell/ToolTitle.h"
#include "tests/shell/MainformFixture.h"
#include "toolprops/Tpform.h"
#include "widgets/Compo.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// A mouse event at the point local to w (which may lie outside w), as the platform sends it.
void Mouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QPoint Centre(const QWidget* w)
{
    return w->mapToGlobal(w->rect().center());
}

// The tab of a docked window in its book.
struct TTab {
    QTabBar* bar = nullptr;
    QPoint centre;
};

TTab TabOf(TMainform& form, QWidget* window)
{
    TDockHost& host = *form.DockHost();
    QTabWidget* book = host.SiteBook(host.SiteOf(window));
    if (!book)
        return {};
    const int index = book->indexOf(host.PageOf(window));
    return {book->tabBar(), book->tabBar()->tabRect(index).center()};
}

void DoubleClick(QWidget* w, QPoint local)
{
    Mouse(w, QEvent::MouseButtonPress, local, Qt::LeftButton);
    Mouse(w, QEvent::MouseButtonRelease, local, Qt::NoButton);
    Mouse(w, QEvent::MouseButtonDblClick, local, Qt::LeftButton);
    Mouse(w, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

// Drags a docked window's tab out of its book to the global point and lets go there.
void DragTabTo(TMainform& form, QWidget* window, QPoint global)
{
    const TTab tab = TabOf(form, window);
    ASSERT_NE(tab.bar, nullptr);
    Mouse(tab.bar, QEvent::MouseButtonPress, tab.centre, Qt::LeftButton);
    Mouse(tab.bar, QEvent::MouseMove, tab.centre + QPoint(0, tab.bar->height() + 40), Qt::LeftButton);
    Mouse(tab.bar, QEvent::MouseMove, tab.bar->mapFromGlobal(global), Qt::LeftButton);
    Mouse(tab.bar, QEvent::MouseButtonRelease, tab.bar->mapFromGlobal(global), Qt::NoButton);
}

// Drags a floating window by its title to the global point and lets go there.
void DragTitleTo(TMainform& form, QWidget* window, QPoint global)
{
    TToolTitle* title = form.DockHost()->TitleOf(window);
    ASSERT_NE(title, nullptr);
    const QPoint grip(12, title->height() / 2);
    Mouse(title, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    Mouse(title, QEvent::MouseMove, grip + QPoint(30, 30), Qt::LeftButton);
    Mouse(title, QEvent::MouseMove, title->mapFromGlobal(global), Qt::LeftButton);
    Mouse(title, QEvent::MouseButtonRelease, title->mapFromGlobal(global), Qt::NoButton);
}

// The window floats, shown, under its own title.
void ExpectFloating(TMainform& form, QWidget* window, const char* name)
{
    EXPECT_EQ(form.DockHost()->SiteOf(window), dsNone) << name;
    EXPECT_TRUE(window->isVisible()) << name;
    EXPECT_TRUE(window->isWindow()) << name;
    EXPECT_NE(form.DockHost()->TitleOf(window), nullptr) << name;
}

} // namespace

TEST_F(MainformFixture, HoveringTheColourBoxPaletteRightAfterTheStartNamesTheColour)
{
    // A picture opened at the start takes the keyboard focus on its way.
    TMainform& form = Start({WritePicture("a.bmp", 40, 30)});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_NE(form.GForm(), nullptr);
    QTest::qWait(50);
    TColorPan* pan = form.Farveform()->BigSpal;
    ASSERT_TRUE(pan->isVisible());
    form.InfoHint(QString());
    // No click first: the pointer only moves over field 5.
    const TRect r = pan->Felt(5)->IR;
    QTest::mouseMove(pan, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    QTest::qWait(20);
    const QString hint = form.StatusPanel(2)->text();
    EXPECT_TRUE(hint.startsWith(QStringLiteral("Palettens farvenavn: "))) << hint.toStdString();
    EXPECT_GT(hint.size(), int(QStringLiteral("Palettens farvenavn: ").size()));
}

TEST_F(MainformFixture, DockedToolWindowsShowEveryControlInsideTheirDock)
{
    TMainform& form = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TDockHost& host = *form.DockHost();
    const std::pair<QWidget*, const char*> windows[] = {
        {form.Farveform(), "colour box"}, {form.Colform(), "palette box"}, {form.Klicheform(), "cliché box"},
        {form.Tpform(), "tool properties"}};
    for (const auto& [window, name] : windows) {
        const TDockSite site = host.SiteOf(window);
        ASSERT_NE(site, dsNone) << name << " is docked at the default layout";
        host.SiteBook(site)->setCurrentWidget(host.PageOf(window));
        if (site == dsDropbogRed)
            form.topBog->setCurrentIndex(TMainform::pgRedskaber);
        QTest::qWait(20);
        auto* page = static_cast<QScrollArea*>(host.PageOf(window));
        const QRect visible = page->viewport()->rect();
        EXPECT_GE(page->viewport()->width(), window->minimumSizeHint().width()) << name;
        int controls = 0;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child)
                || dynamic_cast<TPreFelter*>(child) || dynamic_cast<TPreGrundCompo*>(child);
            if (!control || !child->isVisible())
                continue;
            ++controls;
            const QRect r(child->mapTo(page->viewport(), QPoint(0, 0)), child->size());
            EXPECT_TRUE(visible.contains(r)) << name << ": " << child->metaObject()->className() << " "
                                             << child->objectName().toStdString() << " at " << r.x() << ","
                                             << r.y() << " " << r.width() << "x" << r.height() << " outside "
                                             << visible.width() << "x" << visible.height();
        }
        EXPECT_GT(controls, 3) << name;
    }
}

TEST_F(MainformFixture, ToolWindowsFloatAndDockByTheirTitlesAndStaySoAfterARestart)
{
    TMainform& form = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TDockHost& host = *form.DockHost();
    ASSERT_EQ(host.SiteOf(form.Farveform()), dsDropbog);
    ASSERT_EQ(host.SiteOf(form.GalForm()), dsNone) << "the picture box floats at the default layout";

    // Out of the dock: the colour box's tab dragged onto the documents, the palette box's and
    // the tool properties' tabs double-clicked.
    DragTabTo(form, form.Farveform(), Centre(form.mdiArea));
    ExpectFloating(form, form.Farveform(), "colour box");
    DoubleClick(TabOf(form, form.Colform()).bar, TabOf(form, form.Colform()).centre);
    ExpectFloating(form, form.Colform(), "palette box");
    DoubleClick(TabOf(form, form.Tpform()).bar, TabOf(form, form.Tpform()).centre);
    ExpectFloating(form, form.Tpform(), "tool properties");
    EXPECT_FALSE(form.dropbogRed->isVisible()) << "no empty dock is left on the page";
    // Into a dock: the cliché box floated and dragged back by its title onto the dock book,
    // the picture box docked home to the picture book by a double click on its title.
    DoubleClick(TabOf(form, form.Klicheform()).bar, TabOf(form, form.Klicheform()).centre);
    ExpectFloating(form, form.Klicheform(), "cliché box");
    DragTitleTo(form, form.Klicheform(), Centre(form.dropbog));
    EXPECT_EQ(host.SiteOf(form.Klicheform()), dsDropbog);
    DoubleClick(host.TitleOf(form.GalForm()), QPoint(12, 5));
    EXPECT_EQ(host.SiteOf(form.GalForm()), dsBilledBog);
    EXPECT_FALSE(form.Opt().ColDock);
    EXPECT_FALSE(form.Opt().ObjDock);
    EXPECT_FALSE(form.Opt().ToolDock);
    EXPECT_TRUE(form.Opt().GalDock);
    const QPoint colourAt = form.Farveform()->pos();

    ASSERT_TRUE(CloseForm());
    const QByteArray record = ReadAll(Folder.OptFilnavn);
    ASSERT_EQ(record.size(), 292);
    EXPECT_EQ(record[38], 0) << "ToolDock";
    EXPECT_EQ(record[39], 0) << "ColDock";
    EXPECT_EQ(record[40], 0) << "ObjDock";
    EXPECT_EQ(record[41], 1) << "GalDock";
    EXPECT_EQ(record[42], 1) << "KlicheDock";

    TMainform& again = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    TDockHost& next = *again.DockHost();
    ExpectFloating(again, again.Farveform(), "colour box after the restart");
    EXPECT_EQ(again.Farveform()->pos(), TDockHost::OnScreen(colourAt, again.Farveform()->size()));
    ExpectFloating(again, again.Colform(), "palette box after the restart");
    ExpectFloating(again, again.Tpform(), "tool properties after the restart");
    EXPECT_EQ(next.SiteOf(again.Klicheform()), dsDropbog);
    EXPECT_EQ(next.SiteOf(again.GalForm()), dsBilledBog);

    // A double click on a floating title docks the window where it belongs.
    for (QWidget* w : {static_cast<QWidget*>(again.Colform()), static_cast<QWidget*>(again.Tpform()),
                       static_cast<QWidget*>(again.Farveform())})
        DoubleClick(next.TitleOf(w), QPoint(12, 5));
    // The colour box docked by hand answers the pointer at once.
    again.InfoHint(QString());
    TColorPan* pan = again.Farveform()->BigSpal;
    const TRect field = pan->Felt(3)->IR;
    QTest::mouseMove(pan, QPoint((field.Left + field.Right) / 2, (field.Top + field.Bottom) / 2));
    EXPECT_TRUE(again.StatusPanel(2)->text().startsWith(QStringLiteral("Palettens farvenavn: ")))
        << again.StatusPanel(2)->text().toStdString();
    EXPECT_EQ(next.SiteOf(again.Farveform()), dsDropbog);
    EXPECT_EQ(next.SiteOf(again.Colform()), dsDropbog);
    EXPECT_EQ(next.SiteOf(again.Tpform()), dsDropbogRed);
    EXPECT_TRUE(again.dropbogRed->isVisible());
    ASSERT_TRUE(CloseForm());

    TMainform& third = Start();
    EXPECT_EQ(third.DockHost()->SiteOf(third.Farveform()), dsDropbog);
    EXPECT_EQ(third.DockHost()->SiteOf(third.Colform()), dsDropbog);
    EXPECT_EQ(third.DockHost()->SiteOf(third.Tpform()), dsDropbogRed);
    EXPECT_EQ(third.DockHost()->SiteOf(third.GalForm()), dsBilledBog);
}

TEST_F(MainformFixture, AFloatingWindowsTitleLiesAboveItsControlsAndItsCrossClosesIt)
{
    TMainform& form = Start();
    TDockHost& host = *form.DockHost();
    TToolTitle* title = host.TitleOf(form.GalForm());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->parentWidget(), form.GalForm());
    EXPECT_EQ(title->width(), form.GalForm()->width());
    EXPECT_GE(form.GalForm()->contentsMargins().top(), title->height()) << "the title covers no control";
    title->CloseButton()->click();
    EXPECT_FALSE(form.GalForm()->isVisible());
    EXPECT_EQ(host.TitleOf(form.Farveform()), nullptr) << "a docked window has its tab for a title";
}
