#pragma once
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>

class QScrollArea;
class QTabWidget;
class QWidget;

// The tool windows the main window can dock.
enum TToolWindow { twFarveBox, twToolProps, twPaletteBox, twPictureBox, twClicheBox, twTextBox };

// The main window's three dock sites: the dock book beside the documents, the tool-properties
// dock inside the tool book's page "Redskaber", and the picture book on the page "Billeder".
enum TDockSite { dsNone, dsDropbog, dsDropbogRed, dsBilledBog };

// Places the tool windows: as a page of one of the dock sites, or floating as a tool window
// of the main window. Tool windows are plain widgets; their window title names their page.
class TDockHost : public QObject {
    Q_OBJECT
public:
    TDockHost(QWidget* mainWindow, QTabWidget* dropbog, QTabWidget* dropbogRed, QTabWidget* billedBog);

    // Whether a site takes a kind of tool window: the dock book takes the colour box, the
    // picture box, the cliché box and the palette box; the tool-properties dock only the
    // tool-properties window; the picture book the picture box and the cliché box.
    static bool Accepts(TDockSite site, TToolWindow kind);

    // Docks the window as the last page of the site and shows that page; False when the
    // site does not take the kind (the window stays where it was).
    bool Dock(QWidget* window, TToolWindow kind, TDockSite site);
    // Floats the window at pos (global coordinates), pulled back onto a screen when the
    // position lies off every screen.
    void Float(QWidget* window, TToolWindow kind, QPoint pos);
    TDockSite SiteOf(const QWidget* window) const;
    // The page that holds a docked window in its site's book (a scrolling frame round it),
    // or nullptr when the window floats.
    QWidget* PageOf(const QWidget* window) const;
    QTabWidget* SiteBook(TDockSite site) const;

    // Where a window of the size should go so that it lies on a screen: at pos when it fits
    // on the screen that holds pos, else moved onto that screen (the primary screen when
    // pos lies off every screen), keeping its top-left corner visible.
    static QPoint OnScreen(QPoint pos, QSize size = {100, 100});

    // Told after every dock and float, for the options and the layout.
    std::function<void(TToolWindow kind, TDockSite site)> OnPlaced;

private:
    void RemoveFromSites(QWidget* window);

    QWidget* mainWindow_;
    QHash<const QWidget*, QScrollArea*> pages_;
    QTabWidget* books_[4] = {};
};
