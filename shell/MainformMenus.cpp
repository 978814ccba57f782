// The main window's own actions, its menus and the update handlers that run from the idle timer.
#include "shell/FileCommands.h"
#include "shell/Mainform.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

QAction* TMainform::NewAction(const char* name, const QKeySequence& shortcut)
{
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(action);
    return action;
}

void TMainform::BuildActions()
{
    AopenCloseRed = NewAction("AopenCloseRed", Qt::Key_F7);
    AopenCloseDrop = NewAction("AopenCloseDrop");
    AopenCloseLinje = NewAction("AopenCloseLinje", QKeySequence(Qt::CTRL | Qt::Key_T));
    MIkonPalette = NewAction("MIkonPalette");
    for (QAction* toggle : {AopenCloseRed, AopenCloseDrop, AopenCloseLinje, MIkonPalette})
        toggle->setCheckable(true);
    connect(AopenCloseRed, &QAction::triggered, this, &TMainform::SetToolBookVisible);
    connect(AopenCloseDrop, &QAction::triggered, this, &TMainform::SetDockBookVisible);
    connect(AopenCloseLinje, &QAction::triggered, this, &TMainform::SetToolLineVisible);
    connect(MIkonPalette, &QAction::triggered, this, &TMainform::SetIconPaletteVisible);

    const char* presetNames[4] = {"poAction00", "poAction01", "poAction02", "poAction03"};
    for (int i = 0; i < 4; ++i) {
        poAction[i] = NewAction(presetNames[i]);
        connect(poAction[i], &QAction::triggered, this, [this, i] { SetPoNummer(i); });
    }
}

QAction* TMainform::FileAction(const char* name) const
{
    return fileCommands_->Action(QString::fromLatin1(name));
}

void TMainform::BuildMenus()
{
    const auto addFileActions = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (name[0] == '-')
                menu->addSeparator();
            else
                menu->addAction(FileAction(name));
    };
    MFile = menuBar()->addMenu(QString());
    MFile->setObjectName(QStringLiteral("MFile"));
    addFileActions(MFile, {"ANewMalvo", "AOpenMalvo", "ALoadFromCB", "-", "ASaveMalvo", "ASaveMalvoAs", "-",
                           "APicInfo", "-", "ACloseProg"});

    MPicture = menuBar()->addMenu(QString());
    MPicture->setObjectName(QStringLiteral("MPicture"));
    addFileActions(MPicture, {"ALoadMalvo", "AReloadMalvo"});

    Mvis = menuBar()->addMenu(QString());
    Mvis->setObjectName(QStringLiteral("Mvis"));
    Mvis->addActions({AopenCloseRed, AopenCloseDrop, AopenCloseLinje, MIkonPalette});
    Mvis->addSeparator();
    Mvis->addActions({poAction[0], poAction[1], poAction[2], poAction[3]});

    MVindue = menuBar()->addMenu(QString());
    MVindue->setObjectName(QStringLiteral("MVindue"));
    addFileActions(MVindue, {"ASizeToPic", "ACloseMalvo", "ACloseAll", "AWin7"});
    MWindow = MVindue->addMenu(QString());
    MWindow->setObjectName(QStringLiteral("MWindow"));
    addFileActions(MWindow, {"AWin1", "AWin2", "AWin3", "AWin4", "AWin5"});
    MVindue->addSeparator();
    addFileActions(MVindue, {"AWallpaper", "MFjernwall", "ADoc", "AClearDoc"});

    pictureMenu_ = new QMenu(this);
    pictureMenu_->setObjectName(QStringLiteral("PU"));
    addFileActions(pictureMenu_, {"ASaveMalvo", "ASaveMalvoAs", "AReloadMalvo", "APicInfo", "-", "ASizeToPic",
                                  "ACloseMalvo"});
}

void TMainform::UpdateActions()
{
    fileCommands_->UpdateActions();
    UpdateCommands();
    UpdateListActions();
    UpdateLibraryButtons();
    UpdateHistoryWindow();
    UpdateDocumentZoom();
    // The tool properties window enables its actions from the active picture, like every command.
    if (tpform_)
        tpform_->UpdateActions();
    for (int i = 0; i < 4; ++i)
        poAction[i]->setEnabled(i != Prog.poNummer);
    AopenCloseRed->setChecked(topBog->isVisibleTo(this));
    AopenCloseDrop->setChecked(dropbog->isVisibleTo(this));
    AopenCloseLinje->setChecked(bogLinje->isVisibleTo(this));
    MIkonPalette->setChecked(iconRamme->isVisibleTo(this));
}
