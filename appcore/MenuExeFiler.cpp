#include "appcore/MenuExeFiler.h"
#include <QAction>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QToolButton>
#include <QWidgetAction>
#include "appcore/Lists.h"

namespace {

bool Decimal(const QString& S, int& Value)
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,9}$"));
    if (!decimal.match(S.trimmed()).hasMatch())
        return false;
    Value = S.trimmed().toInt();
    return true;
}

QIcon BlankIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

// Closes the menu the widget sits in and every menu above it.
void CloseMenusOf(QWidget* w)
{
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* menu = qobject_cast<QMenu*>(p))
            menu->hide();
}

} // namespace

TMenuExeFiler::TMenuExeFiler(QObject* parent) : QObject(parent)
{
    Start = [](const QString& Program, const QStringList& Arguments, const QString& WorkingFolder) {
        return QProcess::startDetached(Program, Arguments, WorkingFolder);
    };
}

QString TMenuExeFiler::GetCaption(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < Filantal() ? FProg[MenuNr].Caption : QString();
}

QString TMenuExeFiler::GetFilnavn(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < Filantal() ? FProg[MenuNr].Filnavn : QString();
}

QIcon TMenuExeFiler::Icon(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < FIcons.size() ? FIcons[MenuNr] : QIcon();
}

QIcon TMenuExeFiler::ProgramIcon(const QString& FNavn)
{
    const QFileInfo info(FNavn);
    if (!info.isFile())
        return BlankIcon();
    static QFileIconProvider provider;
    const QIcon icon = provider.icon(info);
    return icon.isNull() ? BlankIcon() : icon;
}

bool TMenuExeFiler::Contains(const QString& FNavn) const
{
    for (const TProgRec& p : FProg)
        if (p.Filnavn == FNavn)
            return true;
    return false;
}

void TMenuExeFiler::InsertItem(const QString& FNavn, const QString& MenuCaption, const QString& Param, int ProgOpstart)
{
    for (const QString& text : {FNavn, MenuCaption, Param})
        if (text.contains(u'\n') || text.contains(u'\r'))
            return;
    FProg.append({MenuCaption, FNavn, Param, uint8_t(std::clamp(ProgOpstart, 0, 255))});
    FIcons.append(ProgramIcon(FNavn));
    MakeMenu();
}

void TMenuExeFiler::DeleteItem(int MenuNr)
{
    if (MenuNr >= 0 && MenuNr < Filantal()) {
        FProg.removeAt(MenuNr);
        FIcons.removeAt(MenuNr);
    }
    GemProgrammer();
    MakeMenu();
    if (OnKlik)
        OnKlik(QString(), true, true);
}

bool TMenuExeFiler::flytOp(int aIndex)
{
    if (aIndex <= 0 || aIndex >= Filantal())
        return false;
    FProg.swapItemsAt(aIndex, aIndex - 1);
    FIcons.swapItemsAt(aIndex, aIndex - 1);
    MakeMenu();
    return true;
}

bool TMenuExeFiler::flytNed(int aIndex)
{
    return flytOp(aIndex + 1);
}

void TMenuExeFiler::Choose(int MenuNr)
{
    if (MenuNr < 0 || MenuNr >= Filantal())
        return;
    const TProgRec program = FProg[MenuNr];
    if (!QFileInfo(program.Filnavn).isFile()) {
        if (OnKlik)
            OnKlik(program.Caption, false, false);
        DeleteItem(MenuNr);
        return;
    }
    FAktuelleProgram = program.Filnavn;
    FAktuelleCaption = program.Caption;
    const QStringList arguments = OnParam ? OnParam(program) : QStringList();
    const bool started = Start && Start(program.Filnavn, arguments, QFileInfo(program.Filnavn).absolutePath());
    if (OnKlik)
        OnKlik(program.Caption, true, started);
}

void TMenuExeFiler::MakeMenu()
{
    if (!MainItem)
        return;
    for (QAction* a : MainItem->actions()) {
        MainItem->removeAction(a);
        if (a->parent() == this)
            a->deleteLater();
    }
    QList<QAction*> entries;
    for (int i = 0; i < Filantal(); ++i) {
        if (!QFileInfo(FProg[i].Filnavn).isFile())
            continue;
        auto* item = new QAction(FIcons[i], FProg[i].Caption, this);
        item->setStatusTip(FProg[i].Filnavn);
        connect(item, &QAction::triggered, this, [this, i] { Choose(i); });
        entries << item;
    }
    if (BreakNr <= 0 || entries.size() <= BreakNr) {
        MainItem->addActions(entries);
        return;
    }
    // Qt's menus have no column breaks: the entries are laid out as columns of buttons.
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    for (int n = 0; n < entries.size(); ++n) {
        auto* button = new QToolButton(grid);
        button->setDefaultAction(entries[n]);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(entries[n], &QAction::triggered, grid, [grid] { CloseMenusOf(grid); });
        layout->addWidget(button, n % BreakNr, n / BreakNr);
    }
    auto* columns = new QWidgetAction(this);
    columns->setObjectName(QStringLiteral("ProgramColumns"));
    columns->setDefaultWidget(grid);
    MainItem->addAction(columns);
    // The entry actions stay reachable by keyboard shortcut and for tests through the menu.
    for (QAction* a : entries)
        a->setParent(columns);
}

void TMenuExeFiler::HentProgrammer()
{
    FProg.clear();
    FIcons.clear();
    const QStringList lines = Itemfile.isEmpty() ? QStringList() : ReadTextList(Itemfile);
    int n = 0;
    if (!lines.isEmpty() && Decimal(lines[0], n)) {
        // A short or damaged file keeps the sound entries before the first bad one.
        for (int i = 0; i < n && 1 + 4 * i + 3 < lines.size(); ++i) {
            int show = 0;
            if (!Decimal(lines[1 + 4 * i + 3], show) || show > 255)
                break;
            const int at = 1 + 4 * i;
            FProg.append({lines[at], lines[at + 1], lines[at + 2], uint8_t(show)});
            FIcons.append(ProgramIcon(lines[at + 1]));
        }
    }
    MakeMenu();
}

bool TMenuExeFiler::GemProgrammer() const
{
    if (Itemfile.isEmpty())
        return true;
    QStringList body;
    int written = 0;
    for (const TProgRec& p : FProg) {
        if (!QFileInfo(p.Filnavn).isFile())
            continue;
        body << p.Caption << p.Filnavn << p.Parameter << QString::number(p.ShowType);
        ++written;
    }
    return WriteTextList(Itemfile, QStringList{QString::number(written)} + body);
}
