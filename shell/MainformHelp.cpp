// Help: the help window, the topic lists of the tool book's page "Information", the two help
// pages of the menu "Andre sager" and the "Information" buttons of the pages "Nyt", "Andre funktioner" and "Egenskaber".
#include "appcore/Message.h"
#include "dialogs/HelpTopicPage.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/InformationsForm.h"
#include "platform/ToolIcons.h"
#include "shell/Mainform.h"
#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The pages with an "Information" button, the topic it opens and the chapter it selects.
struct THelpButton {
    int page;
    int chapter;
};
constexpr THelpButton kHelpButtons[3] = {
    {TMainform::pgNyt, 4}, {TMainform::pgAndre, 5}, {TMainform::pgEgenskaber, 7}};

} // namespace

void TMainform::BuildHelp()
{
    // The chapter list and its sub-list go to the left of the page's introduction.
    QWidget* page = topBog->widget(pgInformation);
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    auto* intro = page->findChild<QLabel*>(QStringLiteral("infoLabel"));
    helpTopics_ = new THelpTopicPage(page);
    helpTopics_->OnTopic = [this](const QString& topic) { HelpInfoNew(topic); };
    auto* row = new QHBoxLayout;
    row->addWidget(helpTopics_);
    if (intro) {
        layout->removeWidget(intro);
        row->addWidget(intro, 1);
    }
    layout->addLayout(row, 1);

    // The "Information" buttons sit in the tool book's corner and show with their page, so they
    // take no room from the pages themselves.
    auto* corner = new QWidget(topBog);
    corner->setObjectName(QStringLiteral("infoKnapper"));
    auto* knapper = new QHBoxLayout(corner);
    knapper->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        auto* knap = new QToolButton(corner);
        knap->setObjectName(QStringLiteral("infoKnap%1").arg(i));
        knap->setIcon(ToolIcon(QStringLiteral("Ainformation")));
        knap->setText(QStringLiteral("Information"));
        knap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        knap->setAutoRaise(true);
        const int chapter = kHelpButtons[i].chapter;
        connect(knap, &QToolButton::clicked, this, [this, chapter] {
            HelpInfoNew(HelpTopics::Chapter(chapter));
            setItemBox(chapter);
        });
        knapper->addWidget(knap);
        helpKnap_[i] = knap;
    }
    topBog->setCornerWidget(corner, Qt::TopRightCorner);
    auto showButton = [this](int page) {
        for (int i = 0; i < 3; ++i)
            helpKnap_[i]->setVisible(kHelpButtons[i].page == page);
    };
    connect(topBog, &QTabWidget::currentChanged, this, showButton);
    showButton(topBog->currentIndex());

    AVelkommen = NewAction("AVelkommen", Qt::Key_F1);
    AGenvejstaster = NewAction("AGenvejstaster", Qt::Key_F9);
    connect(AVelkommen, &QAction::triggered, this, [this] { HelpInfoNew(QString::fromLatin1(HelpTopics::Velkommen)); });
    connect(AGenvejstaster, &QAction::triggered, this,
            [this] { HelpInfoNew(QString::fromLatin1(HelpTopics::Genvejstaster)); });
    // The two help pages close the menu "Andre sager", beside the palette program's information.
    QMenu* menu = MAndet ? MAndet : Mvis;
    menu->addSeparator();
    menu->addAction(AVelkommen);
    menu->addAction(AGenvejstaster);
}

TinformationsForm& TMainform::InformationsForm()
{
    if (!informationsForm_) {
        informationsForm_ = new TinformationsForm(Folder.infoDir, Folder.InformationFilnavn, this);
        informationsForm_->SetSprog(Engelsk());
    }
    return *informationsForm_;
}

void TMainform::HelpInfoNew(const QString& S)
{
    TinformationsForm& form = InformationsForm();
    form.LoadHjemmeside(HelpTopics::PageName(S));
    // The lists on the page "Information" follow the topic opened, wherever it was opened from.
    setItemBox(HelpTopics::ChapterOf(S));
    form.show();
    form.raise();
    form.activateWindow();
}

void TMainform::setItemBox(int aIndex)
{
    if (helpTopics_)
        helpTopics_->setItemBox(aIndex);
}

void TMainform::SetHelpSprog(bool engelsk)
{
    helpTopics_->SetSprog(engelsk);
    if (informationsForm_)
        informationsForm_->SetSprog(engelsk);
    const struct {
        QAction* action;
        const char* dansk[2];
        const char* engelsk[2];
    } actions[] = {
        {AVelkommen, {"Velkommen...", "Vis velkomstsiden: F1"}, {"Welcome...", "Show the welcome page: F1"}},
        {AGenvejstaster, {"Genvejstaster...", "Vis programmets genvejstaster: F9"},
         {"Shortcut keys", "Show the shortcut keys of the program: F9"}},
    };
    for (const auto& a : actions) {
        a.action->setText(QString::fromUtf8(engelsk ? a.engelsk[0] : a.dansk[0]));
        a.action->setStatusTip(QString::fromUtf8(engelsk ? a.engelsk[1] : a.dansk[1]));
    }
    for (int i = 0; i < 3; ++i) {
        const QString hint = Sprogtekst(engelsk, QStringLiteral("Hjælp til siden "), QStringLiteral("Help on the page "))
                             + HelpTopics::ChapterCaption(kHelpButtons[i].chapter, engelsk);
        helpKnap_[i]->setStatusTip(hint);
        helpKnap_[i]->setToolTip(hint);
    }
}
