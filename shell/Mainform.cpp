#include "shell/Mainform.h"
#include "colours/ColorPan.h"
#include "dialogs/BitmapPrint.h"
#include "dialogs/Flytform.h"
#include "dialogs/Scaleform.h"
#include "dialogs/Zoomform.h"
#include "platform/SafeWrite.h"
#include "shell/EgenskaberPage.h"
#include "shell/FileCommands.h"
#include "shell/Malvoform.h"
#include "shell/NytPage.h"
#include "shell/ToolCommands.h"
#include "platform/ToolIcons.h"
#include <QHBoxLayout>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <class T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// An empty page of a book, named for the language table.
QWidget* NewPage(const char* name, QWidget* parent)
{
    return Named(new QWidget(parent), name);
}

} // namespace

TMainform::TMainform(const QStringList& Params, QWidget* parent)
    : QMainWindow(parent), Folder(TDataFolder::FromEnvironment()), params_(Params)
{
    FormCreate();
}

TMainform::~TMainform()
{
    // The document windows go first: they reach back into this window while they close.
    if (mdiArea)
        for (QMdiSubWindow* window : mdiArea->subWindowList())
            delete window;
}

void TMainform::FormCreate()
{
    setObjectName(QStringLiteral("Mainform"));
    {
        // Help pages and palettes that could not be copied are named once the window shows.
        TWriteFailures copies;
        Folder.Prepare(TDataFolder::ShippedDataFolder());
        FailedWrites = copies.Files();
    }
    setWindowTitle(Folder.Brugernavn.isEmpty() ? QStringLiteral("Malvo") : Folder.Brugernavn + QStringLiteral(": Malvo"));
    klipbordCount_ = int(QDir(Folder.KlipbordBib).entryList({QStringLiteral("*.bmp")}, QDir::Files).size()) - 1;
    setMinimumHeight(500);

    fileCommands_ = std::make_unique<TFileCommands>(*this, this);
    BuildCommands();
    BuildPrintActions();
    BuildActions();
    BuildCentre();
    BindIconPalette();
    BuildZoomWindow();
    BuildStatusBar();
    BuildMenus();
    BuildDockHost();
    BuildCommandMenus();
    BuildLists();
    GiveActionsImages();
    BuildHelp();
    BuildTexts();

    HentProgstring();
    HentOptions();
    // The dialogs made before the options were read take their stored places now.
    scaleform_->HentPosition(FOpt);
    flytform_->HentPosition(FOpt);
    zoomform_->HentPosition(FOpt);
    BuildColourWindows();
    BuildToolProps();
    BuildTextWindows();
    BuildLibraryWindows();
    BuildHistoryWindow();
    BuildDocumentZoom();

    TabCon->setVisible(FOpt.FilBog);
    SetDockSide(FOpt.PladsRed);
    ApplyFrames();
    Opstart = true;
    setAcceptDrops(true);

    updateTimer_ = new QTimer(this);
    updateTimer_->setInterval(150);
    connect(updateTimer_, &QTimer::timeout, this, &TMainform::UpdateActions);
    updateTimer_->start();
    UpdateActions();
}

void TMainform::BuildCentre()
{
    centre_ = new QWidget(this);
    rows_ = new QVBoxLayout(centre_);
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setSpacing(0);
    toolLineRow_ = BuildToolLine();
    tabRow_ = BuildTabRow();

    mdiArea = Named(new QMdiArea(centre_), "mdiArea");
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    dropbog = Named(new QTabWidget(centre_), "dropbog");
    dropbog->setMinimumWidth(120);
    BuildIconRamme();
    middle_ = new QSplitter(Qt::Horizontal, centre_);
    middle_->setChildrenCollapsible(false);

    BuildToolBook();
    ArrangeCentre();
    ArrangeRows();
    setCentralWidget(centre_);
}

void TMainform::BuildIconRamme()
{
    iconRamme = Named(new QFrame(centre_), "iconRamme");
    static_cast<QFrame*>(iconRamme)->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(iconRamme);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* close = Named(new QToolButton(iconRamme), "iconRammeLuk");
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, [this] { SetIconPaletteVisible(false); });
    layout->addWidget(close, 0, Qt::AlignRight);
    constexpr int side = 16;
    const auto makePanel = [this](const char* name, int down) {
        auto* pan = Named(new TColorPan(iconRamme), name);
        pan->setFixedSize(2 * side + 1, down * side + 1);
        pan->SetAntalVandret(2);
        pan->SetAntalLodret(down);
        pan->SetRammeFelt(&Framme1);
        return pan;
    };
    Iconpal = makePanel("Iconpal", 8);
    Iconpal->SetAntalIalt(16);
    Iconpal->SetFarvePal(cpStandard16);
    IconpalTrans = makePanel("IconpalTrans", 1);
    IconpalTrans->setFixedWidth(side + 1);
    IconpalTrans->SetAntalVandret(1);
    IconpalTrans->SetAntalIalt(1);
    // Its one field is chosen here, so the first paint must not make an empty palette.
    IconpalTrans->SetFarvePal(cpSelvValgt);
    IconpalTrans->InitFarveFelt(0, clWhite);
    IconpalTrans->setToolTip(QStringLiteral("Transparent RGB(255,255,255)"));
    IconpalTrans->setStatusTip(IconpalTrans->toolTip());
    layout->addWidget(Iconpal, 0, Qt::AlignHCenter);
    layout->addWidget(IconpalTrans, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    iconRamme->setVisible(false);
}

QWidget* TMainform::BuildToolLine()
{
    bogLinje = Named(new QTabWidget(centre_), "bogLinje");
    for (const char* name : {"bogLinjeSide1", "bogLinjeSide2", "bogLinjeSide3", "bogLinjeSide4", "bogLinjeSide5"})
        bogLinje->addTab(NewPage(name, bogLinje), QString());
    FillToolLine();
    bogLinje->setMaximumHeight(90);
    bogLinje->setVisible(false);
    return bogLinje;
}

QWidget* TMainform::BuildTabRow()
{
    auto* row = new QWidget(centre_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(1);
    // Tool buttons of the file commands used most, before the tabs.
    for (const char* name : {"ANewMalvo", "AOpenMalvo", "ASaveMalvo", "ASaveMalvoAs", "ACloseMalvo"}) {
        QAction* action = FileAction(name);
        action->setIcon(ToolIcon(QString::fromLatin1(name)));
        auto* button = Named(new QToolButton(row), name);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        layout->addWidget(button);
    }
    TabCon = Named(new QTabBar(row), "TabCon");
    TabCon->setExpanding(false);
    TabCon->setDocumentMode(true);
    TabCon->setContextMenuPolicy(Qt::ActionsContextMenu);
    MSorter = new QAction(TabCon);
    MSorter->setObjectName(QStringLiteral("MSorter"));
    connect(MSorter, &QAction::triggered, this, &TMainform::SortTabs);
    TabCon->addAction(MSorter);
    connect(TabCon, &QTabBar::currentChanged, this, &TMainform::TabConChange);
    layout->addWidget(TabCon, 1);
    return row;
}

void TMainform::BuildToolBook()
{
    topBog = Named(new QTabWidget(centre_), "topBog");
    auto* nyt = Named(static_cast<QWidget*>(FileCommands().NytPage()), "side1");
    topBog->addTab(nyt, QString());
    topBog->addTab(BuildRedskaberPage(), QString());
    topBog->addTab(BuildAndrePage(), QString());
    topBog->addTab(BuildBillederPage(), QString());
    Egenskaber = new TEgenskaberPage(FOpt, topBog);
    Egenskaber->SetPresetActions({poAction[0], poAction[1], poAction[2], poAction[3]});
    topBog->addTab(Egenskaber, QString());
    topBog->addTab(BuildInfoPage("side6"), QString());
    topBog->addTab(BuildInfoPage("side7"), QString());
    topBog->setMaximumHeight(300);
    ConnectEgenskaber();
}

QWidget* TMainform::BuildRedskaberPage()
{
    QWidget* page = NewPage("Side2", topBog);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    // The document's name above the tool buttons, so the dock beside them has the room the
    // tool properties window needs: it is never cut off.
    auto* left = new QVBoxLayout;
    auto* nameColumn = new QFormLayout;
    Finfo = Named(new QLineEdit(page), "Finfo");
    Finfo->setReadOnly(true);
    Finfo->setMinimumWidth(180);
    nameColumn->addRow(Named(new QLabel(page), "toolBox"), Finfo);
    // The label of the hexadecimal colour field among the tool buttons.
    nameColumn->addRow(tools_->Label8);
    tools_->Label8->show();
    left->addLayout(nameColumn);
    left->addWidget(BuildToolButtons(page));
    left->addStretch(1);
    layout->addLayout(left);
    dropbogRed = Named(new QTabWidget(page), "dropbogRed");
    // The tab is the docked window's title (double-click or drag it to float the window);
    // at the side it costs no height.
    dropbogRed->setTabPosition(QTabWidget::West);
    dropbogRed->setVisible(false);
    layout->addWidget(dropbogRed, 1);
    layout->addStretch(0);
    return page;
}

QWidget* TMainform::BuildAndrePage()
{
    QWidget* page = NewPage("side3", topBog);
    auto* outer = new QHBoxLayout(page);
    outer->addWidget(BuildPictureButtons(page));
    auto* layout = new QVBoxLayout;
    outer->addLayout(layout);
    layout->addWidget(Named(new QLabel(page), "klipLabel"));
    gemKlipCheck = Named(new QCheckBox(page), "gemKlipCheck");
    textShowCheck = Named(new QCheckBox(page), "textShowCheck");
    layout->addWidget(gemKlipCheck);
    layout->addWidget(textShowCheck);
    layout->addStretch(1);
    connect(gemKlipCheck, &QCheckBox::toggled, this, [this](bool on) { Prog.gemKlip = on; });
    connect(textShowCheck, &QCheckBox::toggled, this, [this](bool on) { Prog.VisKlipbord = on; });
    return page;
}

QWidget* TMainform::BuildBillederPage()
{
    QWidget* page = NewPage("side4", topBog);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    billedBog = Named(new QTabWidget(page), "billedBog");
    layout->addWidget(billedBog);
    return page;
}

QWidget* TMainform::BuildInfoPage(const char* name)
{
    QWidget* page = NewPage(name, topBog);
    auto* layout = new QVBoxLayout(page);
    auto* label = Named(new QLabel(page), name == QLatin1String("side6") ? "infoLabel" : "versionLabel");
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(label);
    return page;
}

void TMainform::BuildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("infoBar"));
    statusBar()->setSizeGripEnabled(true);
    const int widths[3] = {50, 50, 0};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("infoPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        if (widths[i] > 0) {
            panels_[i]->setFixedWidth(widths[i]);
            statusBar()->addWidget(panels_[i]);
        } else {
            statusBar()->addWidget(panels_[i], 1);
        }
    }
    panels_[0]->setText(QStringLiteral("X:"));
    panels_[1]->setText(QStringLiteral("Y:"));
}

void TMainform::ConnectEgenskaber()
{
    connect(Egenskaber, &TEgenskaberPage::SprogChosen, this, [this] { SetSprog(); });
    connect(Egenskaber, &TEgenskaberPage::DockSideChosen, this, &TMainform::SetDockSide);
    connect(Egenskaber, &TEgenskaberPage::ToolBookPlacementChosen, this, &TMainform::SetToolBookTop);
    connect(Egenskaber, &TEgenskaberPage::ToolLinePlacementChosen, this, &TMainform::SetToolLineTop);
    connect(Egenskaber, &TEgenskaberPage::StyleChosen, this, &TMainform::designBoxChange);
    connect(Egenskaber, &TEgenskaberPage::FrameLookApplied, this, &TMainform::ApplyFrames);
}

QLabel* TMainform::StatusPanel(int index) const
{
    return index >= 0 && index < 3 ? panels_[index] : nullptr;
}

bool TMainform::event(QEvent* event)
{
    // Hints go to panel 2; QStatusBar::showMessage would hide the panels.
    if (event->type() == QEvent::StatusTip) {
        InfoHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainform::SetGForm(TMalvoform* form)
{
    const bool changed = gForm_ != form;
    gForm_ = form;
    // The commands follow the new document at once, not at the next idle pass.
    if (changed && updateTimer_)
        UpdateActions();
}

bool TMainform::gemKlip() const
{
    return Prog.gemKlip;
}

void TMainform::SetStatusPanel(int index, const QString& text)
{
    if (QLabel* panel = StatusPanel(index))
        panel->setText(text);
}

void TMainform::InfoHint(const QString& text)
{
    panels_[2]->setText(text);
}

void TMainform::SetFinfo(const QString& name)
{
    Finfo->setText(name);
}

void TMainform::ShowPosition(int X, int Y)
{
    // The status panels show the mouse; the position fields beside the move arrows, and the
    // move dialog while it is open, show where the object was placed or moved to.
    Xedit->setText(QString::number(X));
    Yedit->setText(QString::number(Y));
    if (flytform_ && flytform_->isVisible())
        flytform_->ShowPosition(X, Y);
}

TImagePic* TMainform::ActivePicture()
{
    return gForm_ ? gForm_->Image : nullptr;
}

bool TMainform::NytPageShown() const
{
    return topBog->isVisible() && topBog->currentIndex() == pgNyt;
}

void TMainform::ShowNytPage()
{
    SetToolBookVisible(true);
    topBog->setCurrentIndex(pgNyt);
}

void TMainform::HentPicture(const QString& Fnavn)
{
    FileCommands().HentPicture(Fnavn);
}

bool TMainform::FileDeleteRB(const QString& AFileName)
{
    return FileCommands().FileDeleteRB(AFileName);
}
