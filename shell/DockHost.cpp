#include "shell/DockHost.h"
#include "widgets/ScreenFit.h"
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>

TDockHost::TDockHost(QWidget* mainWindow, QTabWidget* dropbog, QTabWidget* dropbogRed, QTabWidget* billedBog)
    : QObject(mainWindow), mainWindow_(mainWindow)
{
    books_[dsDropbog] = dropbog;
    books_[dsDropbogRed] = dropbogRed;
    books_[dsBilledBog] = billedBog;
}

bool TDockHost::Accepts(TDockSite site, TToolWindow kind)
{
    switch (site) {
    case dsDropbog:
        return kind == twFarveBox || kind == twPictureBox || kind == twClicheBox || kind == twPaletteBox;
    case dsDropbogRed:
        return kind == twToolProps;
    case dsBilledBog:
        return kind == twPictureBox || kind == twClicheBox;
    case dsNone:
        break;
    }
    return false;
}

QTabWidget* TDockHost::SiteBook(TDockSite site) const
{
    return site == dsNone ? nullptr : books_[site];
}

QWidget* TDockHost::PageOf(const QWidget* window) const
{
    return pages_.value(window);
}

TDockSite TDockHost::SiteOf(const QWidget* window) const
{
    QWidget* page = PageOf(window);
    for (TDockSite site : {dsDropbog, dsDropbogRed, dsBilledBog})
        if (page && books_[site] && books_[site]->indexOf(page) >= 0)
            return site;
    return dsNone;
}

void TDockHost::RemoveFromSites(QWidget* window)
{
    QScrollArea* page = pages_.take(window);
    if (!page)
        return;
    for (TDockSite site : {dsDropbog, dsDropbogRed, dsBilledBog})
        if (books_[site]) {
            const int index = books_[site]->indexOf(page);
            if (index >= 0)
                books_[site]->removeTab(index);
        }
    // The window leaves the page before the page goes.
    if (QWidget* taken = page->takeWidget())
        taken->setParent(mainWindow_);
    page->deleteLater();
}

bool TDockHost::Dock(QWidget* window, TToolWindow kind, TDockSite site)
{
    QTabWidget* book = SiteBook(site);
    if (!window || !book || !Accepts(site, kind))
        return false;
    RemoveFromSites(window);
    window->setWindowFlags(Qt::Widget);
    // The page's tab follows the window's title, as the language changes it.
    if (!window->property("malvoDockTitle").toBool()) {
        window->setProperty("malvoDockTitle", true);
        connect(window, &QWidget::windowTitleChanged, this, [this, window](const QString& title) {
            if (QTabWidget* at = SiteBook(SiteOf(window)))
                at->setTabText(at->indexOf(PageOf(window)), title);
        });
    }
    // The window keeps its own least size inside a page that scrolls, so a low dock site
    // neither squeezes its controls together nor makes the main window larger.
    auto* page = new QScrollArea(book);
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    page->setWidget(window);
    pages_.insert(window, page);
    const int index = book->addTab(page, window->windowTitle());
    book->setCurrentIndex(index);
    window->show();
    if (OnPlaced)
        OnPlaced(kind, site);
    return true;
}

void TDockHost::Float(QWidget* window, TToolWindow kind, QPoint pos)
{
    if (!window)
        return;
    RemoveFromSites(window);
    window->setParent(mainWindow_, Qt::Tool);
    PlaceOnScreen(window, pos);
    window->show();
    if (OnPlaced)
        OnPlaced(kind, dsNone);
}

QPoint TDockHost::OnScreen(QPoint pos, QSize size)
{
    return FitToScreen(QRect(pos, size)).topLeft();
}
