#pragma once
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <functional>

class QRubberBand;
class QScrollArea;
class QTabBar;
class QTabWidget;
class QWidget;
class TToolTitle;

// The tool windows the main window can dock.
enum TToolWindow { twFarveBox, twToolProps, twPaletteBox, twPictureBox, twClicheBox, twTextBox, twHistory };

// The main window's three dock sites: the dock book beside the documents, the tool-properties
// dock inside the tool book's page "Redskaber", and the picture book on the page "Billeder".
enum TDockSite { dsNone, dsDropbog, dsDropbogRed, dsBilledBog };

// Places the tool windows: as a page of one of the dock sites, or floating as a tool window
// of the main window. Tool windows are plain widgets; their window title names their page.
//
// The user docks and floats them by hand: the tab of a docked window is its title, and a
// floating window that some site takes carries a title bar of its own (TToolTitle). A double
// click on a tab floats the window, and dragging a tab out of its book floats the window and
// carries it along; a double click on a floating window's title docks it at its home site,
// and releasing its dragged title over a site that takes it docks it there.
class TDockHost : public QObject {
    Q_OBJECT
public:
    TDockHost(QWidget* mainWindow, QTabWidget* dropbog, QTabWidget* dropbogRed, QTabWidget* billedBog);

    // Whether a site takes a kind of tool window: the dock book takes the colour box, the
    // picture box, the cliché box, the palette box and the history; the tool-properties dock only the
    // tool-properties window; the picture book the picture box and the cliché box.
    static bool Accepts(TDockSite site, TToolWindow kind);
    // Whether any site takes the kind (the text box floats only).
    static bool Dockable(TToolWindow kind);
    // The site a kind docks at unless it was docked elsewhere before.
    static TDockSite UsualSite(TToolWindow kind);

    // Docks the window as the last page of the site and shows that page; False when the
    // site does not take the kind (the window stays where it was).
    bool Dock(QWidget* window, TToolWindow kind, TDockSite site);
    // Floats the window at pos (global coordinates), pulled back onto a screen when the
    // position lies off every screen.
    void Float(QWidget* window, TToolWindow kind, QPoint pos);
    TDockSite SiteOf(const QWidget* window) const;
    // Takes the window out of its site, if docked, and hides it.
    void Close(QWidget* window);
    // The page that holds a docked window in its site's book (a scrolling frame round it),
    // or nullptr when the window floats.
    QWidget* PageOf(const QWidget* window) const;
    QTabWidget* SiteBook(TDockSite site) const;

    // --- placing by hand (what the titles do; OnPlaced and then OnPlacedByHand are told)
    // Floats a placed window at pos in the size it had when it floated last (its own size
    // hint the first time); False for a window the host never placed.
    bool FloatByHand(QWidget* window, QPoint pos);
    // Docks a placed window at the site; False when the site does not take it.
    bool DockByHand(QWidget* window, TDockSite site);
    // Where a double click on the floating title docks the window: the site it was docked
    // at last, else its kind's usual site.
    TDockSite HomeSite(const QWidget* window) const;
    // The site whose area on screen holds the global point and that takes the window;
    // dsNone for none. A hidden tool-properties dock counts by the page that holds it.
    TDockSite SiteAt(const QWidget* window, QPoint globalPos) const;
    // The title bar of a floating window, nullptr while the window is docked or when no
    // site takes it.
    TToolTitle* TitleOf(const QWidget* window) const;

    // Where a window of the size should go so that it lies on a screen: at pos when it fits
    // on the screen that holds pos, else moved onto that screen (the primary screen when
    // pos lies off every screen), keeping its top-left corner visible.
    static QPoint OnScreen(QPoint pos, QSize size = {100, 100});

    // Told after every dock and float, for the options and the layout.
    std::function<void(TToolWindow kind, TDockSite site)> OnPlaced;
    // Told after a placement the user made by hand (after OnPlaced).
    std::function<void(TToolWindow kind, TDockSite site)> OnPlacedByHand;
    // The language of the titles' hints, asked when a hint is shown.
    std::function<bool()> Engelsk;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RemoveFromSites(QWidget* window);
    // The window shown on page index of the site's book.
    QWidget* WindowOnPage(TDockSite site, int index) const;
    // The widget whose screen area counts as the site for a drop.
    QWidget* DropArea(TDockSite site) const;
    TToolTitle* Title(QWidget* window);
    // The page of a docked window is never narrower than the window's least width (and room
    // for its scroll bar).
    void FitPage(QWidget* window);
    // A drag of a floating window: the site under the pointer is outlined; at the end of the
    // drag the window docks there.
    void DragOver(QWidget* window, QPoint globalPos);
    void DragEnd(QWidget* window, QPoint globalPos);
    void TabPressed(TDockSite site, QTabBar* bar, QPoint pos, QPoint globalPos);
    bool TabDragged(QTabBar* bar, QPoint pos, QPoint globalPos);

    QWidget* mainWindow_;
    QHash<const QWidget*, QScrollArea*> pages_;
    QHash<const QWidget*, TToolWindow> kinds_;
    QHash<const QWidget*, TDockSite> homes_;
    QHash<const QWidget*, QSize> floatSizes_;
    QHash<const QWidget*, TToolTitle*> titles_;
    QTabWidget* books_[4] = {};
    QRubberBand* band_ = nullptr;
    // A press on a tab, and the window a drag out of the tab bar carries.
    QPointer<QWidget> tabWindow_;
    QPointer<QWidget> tabDragged_;
    QPoint tabPress_;
    QPoint tabOffset_;
};
