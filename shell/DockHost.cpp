#include "shell/DockHost.h"
#include "widgets/ScreenFit.h"
#include "shell/ToolTitle.h"
#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace {

constexpr TDockSite kSites[] = {dsDropbog, dsDropbogRed, dsBilledBog};

QRect GlobalRect(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

TDockHost::TDockHost(QWidget* mainWindow, QTabWidget* dropbog, QTabWidget* dropbogRed, QTabWidget* billedBog)
    : QObject(mainWindow), mainWindow_(mainWindow)
{
    books_[dsDropbog] = dropbog;
    books_[dsDropbogRed] = dropbogRed;
    books_[dsBilledBog] = billedBog;
    mainWindow_->installEventFilter(this);
    for (TDockSite site : kSites) {
        QTabWidget* book = books_[site];
        if (!book)
            continue;
        // The tab is a docked window's title: a double click floats the window where its tab was.
        book->tabBar()->installEventFilter(this);
        connect(book, &QTabWidget::tabBarDoubleClicked, this, [this, site](int index) {
            QWidget* window = WindowOnPage(site, index);
            QTabBar* bar = books_[site]->tabBar();
            if (window)
                FloatByHand(window, bar->mapToGlobal(bar->tabRect(index).topLeft()));
        });
    }
}

bool TDockHost::Accepts(TDockSite site, TToolWindow kind)
{
    switch (site) {
    case dsDropbog:
        return kind == twFarveBox || kind == twPictureBox || kind == twClicheBox || kind == twPaletteBox
            || kind == twHistory;
    case dsDropbogRed:
        return kind == twToolProps;
    case dsBilledBog:
        return kind == twPictureBox || kind == twClicheBox;
    case dsNone:
        break;
    }
    return false;
}

bool TDockHost::Dockable(TToolWindow kind)
{
    return UsualSite(kind) != dsNone;
}

TDockSite TDockHost::UsualSite(TToolWindow kind)
{
    switch (kind) {
    case twFarveBox:
    case twPaletteBox:
    case twClicheBox:
    case twHistory: return dsDropbog;
    case twPictureBox: return dsBilledBog;
    case twToolProps: return dsDropbogRed;
    case twTextBox: break;
    }
    return dsNone;
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
    for (TDockSite site : kSites)
        if (page && books_[site] && books_[site]->indexOf(page) >= 0)
            return site;
    return dsNone;
}

QWidget* TDockHost::WindowOnPage(TDockSite site, int index) const
{
    QWidget* page = books_[site] ? books_[site]->widget(index) : nullptr;
    for (auto it = pages_.cbegin(); page && it != pages_.cend(); ++it)
        if (it.value() == page)
            return const_cast<QWidget*>(it.key());
    return nullptr;
}

void TDockHost::RemoveFromSites(QWidget* window)
{
    QScrollArea* page = pages_.take(window);
    if (!page)
        return;
    for (TDockSite site : kSites)
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

void TDockHost::Close(QWidget* window)
{
    if (!window)
        return;
    RemoveFromSites(window);
    window->hide();
}

bool TDockHost::Dock(QWidget* window, TToolWindow kind, TDockSite site)
{
    QTabWidget* book = SiteBook(site);
    if (!window || !book || !Accepts(site, kind))
        return false;
    // A floating window keeps its size for the next time it floats.
    if (kinds_.contains(window) && !pages_.contains(window) && window->isWindow())
        floatSizes_.insert(window, window->size());
    RemoveFromSites(window);
    kinds_.insert(window, kind);
    homes_.insert(window, site);
    if (TToolTitle* title = titles_.value(window))
        title->SetShown(false);
    window->setWindowFlags(Qt::Widget);
    // The page's tab follows the window's title, as the language changes it.
    if (!window->property("malvoDockTitle").toBool()) {
        window->setProperty("malvoDockTitle", true);
        connect(window, &QWidget::windowTitleChanged, this, [this, window](const QString& title) {
            if (QTabWidget* at = SiteBook(SiteOf(window)))
                at->setTabText(at->indexOf(PageOf(window)), title);
        });
    }
    // The window keeps its own least size inside a page that scrolls only downwards: the page
    // is never narrower than the window's least width (and room for the scroll bar), so the
    // book, and the splitter or layout round it, give it that width and no control is cut off
    // at the side.
    auto* page = new QScrollArea(book);
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setWidget(window);
    pages_.insert(window, page);
    FitPage(window);
    window->installEventFilter(this);
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
    kinds_.insert(window, kind);
    // A window that some site takes floats without the window system's frame, under a
    // title of its own that the program follows when it is dragged.
    const bool titled = Dockable(kind);
    window->setParent(mainWindow_, titled ? Qt::Tool | Qt::FramelessWindowHint : Qt::Tool);
    if (titled)
        Title(window)->SetShown(true);
    PlaceOnScreen(window, pos);
    window->show();
    if (OnPlaced)
        OnPlaced(kind, dsNone);
}

void TDockHost::FitPage(QWidget* window)
{
    if (QScrollArea* page = pages_.value(window))
        page->setMinimumWidth(window->minimumSizeHint().width()
                              + page->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, page));
}

TToolTitle* TDockHost::Title(QWidget* window)
{
    TToolTitle* title = titles_.value(window);
    if (title)
        return title;
    title = new TToolTitle(window);
    titles_.insert(window, title);
    title->OnDrag = [this, window](QPoint global) { DragOver(window, global); };
    title->OnDrop = [this, window](QPoint global) { DragEnd(window, global); };
    title->OnDoubleClick = [this, window] { DockByHand(window, HomeSite(window)); };
    title->Engelsk = [this] { return Engelsk && Engelsk(); };
    return title;
}

TToolTitle* TDockHost::TitleOf(const QWidget* window) const
{
    TToolTitle* title = titles_.value(window);
    return title && title->Shown() ? title : nullptr;
}

bool TDockHost::FloatByHand(QWidget* window, QPoint pos)
{
    if (!window || !kinds_.contains(window))
        return false;
    const TToolWindow kind = kinds_.value(window);
    const QSize before = floatSizes_.value(window);
    Float(window, kind, pos);
    window->resize(before.isValid() ? before : window->sizeHint().expandedTo(window->minimumSizeHint()));
    PlaceOnScreen(window, pos);
    window->raise();
    if (OnPlacedByHand)
        OnPlacedByHand(kind, dsNone);
    return true;
}

bool TDockHost::DockByHand(QWidget* window, TDockSite site)
{
    if (!window || !kinds_.contains(window))
        return false;
    const TToolWindow kind = kinds_.value(window);
    if (!Dock(window, kind, site))
        return false;
    if (OnPlacedByHand)
        OnPlacedByHand(kind, site);
    return true;
}

TDockSite TDockHost::HomeSite(const QWidget* window) const
{
    return homes_.value(window, UsualSite(kinds_.value(window, twTextBox)));
}

QWidget* TDockHost::DropArea(TDockSite site) const
{
    QTabWidget* book = SiteBook(site);
    // The tool-properties dock is hidden while its window floats: the page that holds it
    // stands for it.
    if (book && site == dsDropbogRed && !book->isVisible())
        return book->parentWidget();
    return book;
}

TDockSite TDockHost::SiteAt(const QWidget* window, QPoint globalPos) const
{
    if (!kinds_.contains(window))
        return dsNone;
    const TToolWindow kind = kinds_.value(window);
    for (TDockSite site : kSites) {
        const QWidget* area = DropArea(site);
        if (Accepts(site, kind) && area && area->isVisible() && GlobalRect(area).contains(globalPos))
            return site;
    }
    return dsNone;
}

void TDockHost::DragOver(QWidget* window, QPoint globalPos)
{
    const TDockSite site = SiteAt(window, globalPos);
    if (site == dsNone) {
        if (band_)
            band_->hide();
        return;
    }
    if (!band_)
        band_ = new QRubberBand(QRubberBand::Rectangle, mainWindow_);
    const QWidget* area = DropArea(site);
    band_->setGeometry(QRect(area->mapTo(mainWindow_, QPoint(0, 0)), area->size()));
    band_->show();
    band_->raise();
}

void TDockHost::DragEnd(QWidget* window, QPoint globalPos)
{
    if (band_)
        band_->hide();
    const TDockSite site = SiteAt(window, globalPos);
    if (site != dsNone)
        DockByHand(window, site);
}

// ---- dragging a tab out of its book

void TDockHost::TabPressed(TDockSite site, QTabBar* bar, QPoint pos, QPoint globalPos)
{
    const int index = bar->tabAt(pos);
    tabWindow_ = index >= 0 ? WindowOnPage(site, index) : nullptr;
    tabDragged_ = nullptr;
    tabPress_ = globalPos;
    if (tabWindow_)
        tabOffset_ = globalPos - bar->mapToGlobal(bar->tabRect(index).topLeft());
}

bool TDockHost::TabDragged(QTabBar* bar, QPoint pos, QPoint globalPos)
{
    if (tabDragged_) {
        tabDragged_->move(globalPos - tabOffset_);
        DragOver(tabDragged_, globalPos);
        return true;
    }
    if (!tabWindow_)
        return false;
    // Moves along the tab bar stay the bar's; a drag that leaves it takes the window out.
    const int d = QApplication::startDragDistance();
    if ((globalPos - tabPress_).manhattanLength() < d || bar->rect().adjusted(-d, -d, d, d).contains(pos))
        return false;
    QWidget* window = tabWindow_;
    tabWindow_ = nullptr;
    if (!FloatByHand(window, globalPos - tabOffset_))
        return false;
    tabDragged_ = window;
    DragOver(window, globalPos);
    return true;
}

bool TDockHost::eventFilter(QObject* watched, QEvent* event)
{
    // Floating tool windows stay above the main window: the window system may have stacked
    // the main window over windows that were shown before it.
    if (watched == mainWindow_ && event->type() == QEvent::WindowActivate) {
        for (auto it = kinds_.keyBegin(); it != kinds_.keyEnd(); ++it) {
            auto* window = const_cast<QWidget*>(*it);
            if (window->isWindow() && window->isVisible())
                window->raise();
        }
        return false;
    }
    // A docked window whose least width changed (another language, another page) keeps a
    // page that wide.
    if (event->type() == QEvent::LayoutRequest && watched->isWidgetType()) {
        FitPage(static_cast<QWidget*>(watched));
        return false;
    }
    auto* bar = qobject_cast<QTabBar*>(watched);
    TDockSite site = dsNone;
    for (TDockSite s : kSites)
        if (bar && books_[s] && books_[s]->tabBar() == bar)
            site = s;
    if (site == dsNone)
        return false;
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse)
        return false;
    const QPoint pos = mouse->position().toPoint(), global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            TabPressed(site, bar, pos, global);
        break;
    case QEvent::MouseMove:
        if (mouse->buttons() & Qt::LeftButton)
            return TabDragged(bar, pos, global);
        break;
    case QEvent::MouseButtonRelease:
        tabWindow_ = nullptr;
        if (QWidget* dragged = tabDragged_) {
            tabDragged_ = nullptr;
            DragEnd(dragged, global);
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

QPoint TDockHost::OnScreen(QPoint pos, QSize size)
{
    return FitToScreen(QRect(pos, size)).topLeft();
}
