#include "dialogs/HelpTopicPage.h"
#include "appcore/Message.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/TopicList.h"
#include <QHBoxLayout>

THelpTopicPage::THelpTopicPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("helpTopicPage"));
    FMenuBox = new TTopicList(16, 20, this);
    FMenuBox->setObjectName(QStringLiteral("menuBox"));
    FItemBox = new TTopicList(8, 12, this);
    FItemBox->setObjectName(QStringLiteral("itemBox"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FMenuBox);
    layout->addWidget(FItemBox);
    FMenuBox->setFixedWidth(190);
    FItemBox->setFixedWidth(230);
    connect(FMenuBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { menuBoxClick(FMenuBox->row(item)); });
    connect(FItemBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { itemBoxClick(FItemBox->row(item)); });
    FillMenuBox();
    SetSprog(false);
}

void THelpTopicPage::SetSprog(bool Engelsk)
{
    FEngelsk = Engelsk;
    FillMenuBox();
    FillItemBox();
    FMenuBox->setStatusTip(Sprogtekst(Engelsk, QStringLiteral("Vælg et kapitel i hjælpen"),
                                      QStringLiteral("Choose a chapter of the help")));
    FItemBox->setStatusTip(Sprogtekst(Engelsk, QStringLiteral("Vælg et emne i kapitlet"),
                                      QStringLiteral("Choose a topic of the chapter")));
}

void THelpTopicPage::FillMenuBox()
{
    FMenuBox->clear();
    for (int row = 0; row < HelpTopics::ChapterCount; ++row)
        FMenuBox->AddRow(HelpTopics::ChapterCaption(row, FEngelsk), HelpTopics::Chapter(row),
                         HelpTopics::ChapterColour(row));
    if (FChapter >= 0)
        FMenuBox->setCurrentRow(FChapter);
}

void THelpTopicPage::FillItemBox()
{
    FItemBox->clear();
    for (const QString& topic : HelpTopics::SubTopics(FChapter))
        FItemBox->AddRow(HelpTopics::TopicCaption(topic, FEngelsk), topic, clRed);
}

void THelpTopicPage::setItemBox(int aIndex)
{
    if (HelpTopics::Chapter(aIndex).isEmpty())
        return;
    FMenuBox->setCurrentRow(aIndex);
    if (aIndex == FChapter)
        return;
    FChapter = aIndex;
    FillItemBox();
}

void THelpTopicPage::menuBoxClick(int Row)
{
    const QString topic = HelpTopics::Chapter(Row);
    if (topic.isEmpty())
        return;
    setItemBox(Row);
    if (OnTopic)
        OnTopic(topic);
}

void THelpTopicPage::itemBoxClick(int Row)
{
    const QString topic = FItemBox->Topic(Row);
    if (!topic.isEmpty() && OnTopic)
        OnTopic(topic);
}
