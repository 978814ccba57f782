#include "shell/DockHost.h"
#include <QGuiApplication>
#include <QScreen>
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

TDockSite TDockHost::SiteOf(const QWidget* window) const
{
    for (TDockSite site : {dsDropbog, dsDropbogRed, dsBilledBog})
        if (books_[site] && books_[site]->indexOf(const_cast<QWidget*>(window)) >= 0)
            return site;
    return dsNone;
}

void TDockHost::RemoveFromSites(QWidget* window)
{
    for (TDockSite site : {dsDropbog, dsDropbogRed, dsBilledBog})
        if (books_[site]) {
            const int index = books_[site]->indexOf(window);
            if (index >= 0)
                books_[site]->removeTab(index);
        }
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
                at->setTabText(at->indexOf(window), title);
        });
    }
    const int index = book->addTab(window, window->windowTitle());
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
    window->move(OnScreen(pos, window->size()));
    window->show();
    if (OnPlaced)
        OnPlaced(kind, dsNone);
}

QPoint TDockHost::OnScreen(QPoint pos, QSize size)
{
    QScreen* screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return pos;
    const QRect area = screen->availableGeometry();
    return {qMax(area.left(), qMin(pos.x(), area.right() + 1 - size.width())),
            qMax(area.top(), qMin(pos.y(), area.bottom() + 1 - size.height()))};
}
