// The tool, picture and object-move commands in the main window: their menus, the tool
// buttons of the tool book and the tool line, the images of every action and the windows the
// commands reach.
#include "colours/ColorPan.h"
#include "dialogs/BitmapPrint.h"
#include "dialogs/Flytform.h"
#include "dialogs/Printform.h"
#include "dialogs/PrintformSetup.h"
#include "dialogs/Scaleform.h"
#include "dialogs/Zoomform.h"
#include "platform/ToolIcons.h"
#include "shell/FileCommands.h"
#include "shell/Mainform.h"
#include "shell/ObjectMove.h"
#include "shell/PictureCommands.h"
#include "shell/ToolCommands.h"
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

// Tool book page indexes.
constexpr int kRedskaberPage = 1;
constexpr int kEgenskaberPage = 4;
constexpr int kInformationPage = 5;

// The plain actions a menu filler puts into a menu, in its order (no separators, no submenus).
template <class Fill> QList<QAction*> ActionsOf(Fill fill)
{
    QMenu menu;
    fill(menu);
    QList<QAction*> actions;
    for (QAction* a : menu.actions())
        if (!a->isSeparator() && !a->menu())
            actions << a;
    return actions;
}

// A grid of flat tool buttons for the actions, Rows high.
QWidget* ButtonGrid(const QList<QAction*>& actions, int Rows, QWidget* parent)
{
    auto* grid = new QWidget(parent);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    for (int i = 0; i < actions.size(); ++i) {
        auto* button = new QToolButton(grid);
        button->setDefaultAction(actions[i]);
        button->setAutoRaise(true);
        button->setIconSize(QSize(24, 24));
        button->setObjectName(QStringLiteral("Knap_") + actions[i]->objectName());
        layout->addWidget(button, i % Rows, i / Rows);
    }
    // The buttons stay together at the left; the rest of the row is free.
    layout->setColumnStretch(layout->columnCount(), 1);
    return grid;
}

// A row of widgets with a stretch after them.
QWidget* Row(const QList<QWidget*>& widgets, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    // The command classes keep their controls hidden until they are placed.
    for (QWidget* w : widgets)
        if (w) {
            layout->addWidget(w);
            w->show();
        }
    layout->addStretch(1);
    return row;
}

} // namespace

void TMainform::BuildCommands()
{
    // The tool book is built after the commands: until then the pages are not there.
    const auto showPage = [this](int index) {
        if (topBog)
            topBog->setCurrentIndex(index);
    };
    windows_.ShowRedskaberPage = [showPage] { showPage(kRedskaberPage); };
    windows_.ShowEgenskaberPage = [showPage] { showPage(kEgenskaberPage); };
    windows_.EgenskaberPageShown = [this] {
        return topBog && topBog->isVisible() && topBog->currentIndex() == kEgenskaberPage;
    };
    windows_.ShowInformationPage = [showPage] { showPage(kInformationPage); };

    tools_ = new TToolCommands(*this, windows_, this);
    pictures_ = new TPictureCommands(*this, windows_, this);
    mover_ = new TObjectMove(*this, this);
    addActions(tools_->Actions());
    addActions(pictures_->Actions());
    addActions(mover_->Actions());

    scaleform_ = new TScaleform(*this, this);
    pictures_->AskScale = [this](const TPictureCommands::TScaleQuestion& q, int& value) {
        scaleform_->Forbered(q.InputLabel, q.UnitLabel, q.Input, q.ScaleMode);
        if (!scaleform_->Spoerg())
            return false;
        value = scaleform_->ScaleProcent;
        return true;
    };
    // The move dialog moves the active picture; its step field and step buttons are the main
    // window's.
    flytform_ = new TFlytform(*this, this);
    windows_.ShowFlytform = [this] {
        flytform_->SetPicture(ActivePicture());
        flytform_->Vis();
    };
    flytform_->OnStepText = [this](const QString& text) { mover_->SetStepText(text); };
    // The two fields show one step: the step buttons change the main window's field.
    connect(mover_->stepEdit, &QLineEdit::textChanged, flytform_, &TFlytform::SetStepText);
    const auto runStep = [this](const char* name) {
        if (QAction* step = findChild<QAction*>(QString::fromLatin1(name)))
            step->trigger();
    };
    flytform_->OnStepUp = [runStep] { runStep("Action8"); };
    flytform_->OnStepDown = [runStep] { runStep("Action9"); };

    mover_->ObjektImage = [](int nr) {
        static const char* const names[] = {"ObjectPresent", "ObjectNone", "ObjectDuplicable"};
        return nr >= 33 && nr <= 35 ? ToolIcon(QString::fromLatin1(names[nr - 33])) : QIcon();
    };
    for (TColorPan* pan : {tools_->Metapan, tools_->ColorPan1, tools_->Transpan, tools_->ColorPan2})
        if (pan)
            pan->SetRammeFelt(&Framme1);
}

void TMainform::BindIconPalette()
{
    Iconpal->OnMus = [this](TObject*, TMouseButton b, int nr) { tools_->IconpalMus(*Iconpal, b, nr); };
    IconpalTrans->OnMus = [this](TObject*, TMouseButton b, int nr) { tools_->IconpalTransMus(*IconpalTrans, b, nr); };
}

void TMainform::BuildPrintActions()
{
    bitmapPrint_ = std::make_unique<TBitmapPrint>();
    printform_ = new TPrintform(*bitmapPrint_, this);
    APrint = NewAction("APrint");
    APrinterProp = NewAction("APrinterProp");
    connect(APrint, &QAction::triggered, this, [this] {
        if (gForm_)
            printform_->PrintPicture(gForm_->Image->Picture());
    });
    connect(APrinterProp, &QAction::triggered, this, [this] { PrinterSetup(*bitmapPrint_, this, Engelsk()); });
}

void TMainform::GiveActionsImages()
{
    for (QAction* action : actions() + fileCommands_->Actions())
        if (action->icon().isNull()) {
            const QIcon icon = ToolIcon(action->objectName());
            if (!icon.isNull())
                action->setIcon(icon);
        }
}

void TMainform::BuildCommandMenus()
{
    // A named menu filled by Fill, in the menu bar before Before (or inside Parent).
    const auto addMenu = [this](const char* name, QMenu* before, auto fill, QMenu* parent = nullptr) {
        QMenu* menu = parent ? parent->addMenu(QString()) : new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        fill(*menu);
        if (!parent)
            menuBar()->insertMenu(before->menuAction(), menu);
        return menu;
    };
    MEdit = addMenu("MEdit", MPicture, [this](QMenu& m) { pictures_->FillEditMenu(m); });
    MToolDraw = addMenu("MToolDraw", MPicture, [this](QMenu& m) {
        tools_->FillDrawToolMenu(m);
        m.addSeparator();
    });
    MPenStyle = addMenu("MPenStyle", nullptr, [this](QMenu& m) { tools_->FillPenStyleMenu(m); }, MToolDraw);
    MBrushStyle = addMenu("MBrushStyle", nullptr, [this](QMenu& m) { tools_->FillBrushStyleMenu(m); }, MToolDraw);
    MMeta = addMenu("MMeta", nullptr, [this](QMenu& m) { tools_->FillMetaMenu(m); }, MToolDraw);
    MToolSpeci = addMenu("MToolSpeci", MPicture, [this](QMenu& m) {
        tools_->FillSpecialToolMenu(m);
        m.addSeparator();
    });
    MSubSpeci = addMenu("MSubSpeci", nullptr, [this](QMenu& m) { tools_->FillFadeToolMenu(m); }, MToolSpeci);

    MPicture->addSeparator();
    pictures_->FillPictureMenu(*MPicture);
    MColours = addMenu("MColours", Mvis, [this](QMenu& m) { pictures_->FillColourMenu(m); });
    MObject = addMenu("MObject", Mvis, [this](QMenu& m) {
        pictures_->FillObjectMenu(m);
        m.addSeparator();
        mover_->FillMenu(m);
    });
    Mvis->addSeparator();
    pictures_->FillViewMenu(*Mvis);
    MFile->insertActions(FileAction("ACloseProg"), {APrint, APrinterProp});
    MFile->insertSeparator(FileAction("ACloseProg"));
    MSearch = addMenu("MSearch", MVindue, [this](QMenu& m) { pictures_->FillSearchMenu(m); });
    MVindue->addSeparator();
    tools_->FillWindowMenu(*MVindue);

    pictureMenu_->clear();
    pictures_->BuildPopupMenu(*pictureMenu_);
}

QWidget* TMainform::BuildToolButtons(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(ButtonGrid(ActionsOf([this](QMenu& m) { tools_->FillToolMenu(m); }), 3, box));
    tools_->PenEdit->setMaximumWidth(40);
    tools_->HexEdit->setMaximumWidth(70);
    // The one-field colour panels of the specific and the transparent colour, button-sized.
    for (TColorPan* pan : {tools_->Metapan, tools_->Transpan})
        pan->setFixedSize(28, 28);
    QList<QWidget*> penRow;
    for (int w = 1; w <= 8; ++w)
        penRow << tools_->PenButton(w);
    penRow << tools_->PenEdit << tools_->HexEdit << tools_->HexButton << tools_->Metapan << tools_->Transpan;
    layout->addWidget(Row(penRow, box));
    return box;
}

QWidget* TMainform::BuildPictureButtons(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    QList<QAction*> actions = ActionsOf([this](QMenu& m) { pictures_->FillEditMenu(m); });
    actions << ActionsOf([this](QMenu& m) { pictures_->FillPictureMenu(m); });
    actions << ActionsOf([this](QMenu& m) { pictures_->FillColourMenu(m); });
    layout->addWidget(ButtonGrid(actions, 3, box));
    mover_->stepEdit->setMaximumWidth(40);
    for (int d = 1; d <= 4; ++d)
        mover_->ArrowButton(d)->setIcon(ToolIcon(QStringLiteral("Action%1").arg(3 + d)));
    // The position fields show where a placed or moved object's top-left corner is.
    QLineEdit** fields[2] = {&Xedit, &Yedit};
    for (int i = 0; i < 2; ++i) {
        *fields[i] = new QLineEdit(box);
        (*fields[i])->setObjectName(i == 0 ? QStringLiteral("Xedit") : QStringLiteral("Yedit"));
        (*fields[i])->setReadOnly(true);
        (*fields[i])->setMaximumWidth(48);
    }
    texts_.Add(Xedit, TTextTable::tkHint, "Objektets x-position", "The object's x position");
    texts_.Add(Yedit, TTextTable::tkHint, "Objektets y-position", "The object's y position");
    layout->addWidget(Row(QList<QWidget*>{mover_->ArrowButton(1), mover_->ArrowButton(2), mover_->ArrowButton(3),
                           mover_->ArrowButton(4), mover_->stepEdit, Xedit, Yedit, mover_->ObjektButton,
                           pictures_->findEdit},
                          box));
    return box;
}

void TMainform::FillToolLine()
{
    const QList<QAction*> pages[5] = {
        ActionsOf([this](QMenu& m) { tools_->FillToolMenu(m); }),
        ActionsOf([this](QMenu& m) {
            tools_->FillPenStyleMenu(m);
            tools_->FillBrushStyleMenu(m);
        }),
        ActionsOf([this](QMenu& m) {
            tools_->FillMetaMenu(m);
            pictures_->FillObjectMenu(m);
            mover_->FillMenu(m);
        }),
        ActionsOf([this](QMenu& m) {
            pictures_->FillEditMenu(m);
            pictures_->FillPictureMenu(m);
        }),
        ActionsOf([this](QMenu& m) { pictures_->FillColourMenu(m); }),
    };
    for (int i = 0; i < 5 && i < bogLinje->count(); ++i) {
        QWidget* page = bogLinje->widget(i);
        auto* layout = new QHBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(ButtonGrid(pages[i], 2, page));
        if (i == 1 && tools_->PenEdit1) {
            layout->addWidget(tools_->PenEdit1);
            tools_->PenEdit1->show();
        }
        layout->addStretch(1);
    }
}

void TMainform::UpdateCommands()
{
    APrint->setEnabled(gForm_ != nullptr);
    tools_->UpdateActions();
    pictures_->UpdateActions();
    mover_->UpdateActions();
}

void TMainform::SetCommandsSprog(bool engelsk)
{
    tools_->SetSprog(engelsk);
    pictures_->SetSprog(engelsk);
    mover_->SetSprog(engelsk);
    scaleform_->SetSprog(engelsk);
    zoomform_->SetSprog(engelsk);
}

void TMainform::ShowObjektType()
{
    mover_->ShowObjektType();
}

void TMainform::ShowMetaColour(TColor colour)
{
    tools_->ShowMetaColour(colour);
}
