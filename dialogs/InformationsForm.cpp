#include "dialogs/InformationsForm.h"
#include "widgets/ScreenFit.h"
#include "appcore/Message.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/InformationPlace.h"
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const kChapters[3] = {"Tegneredskaber", "Specialredskaber", "Multifarveredskaber"};
constexpr int kWidth = 640;

bool IsLocal(const QUrl& Link)
{
    return Link.scheme().isEmpty() || Link.isLocalFile();
}

} // namespace

TinformationsForm::TinformationsForm(const QString& InfoDir, const QString& PlaceFile, QWidget* parent)
    : QWidget(parent, Qt::Window), FInfoDir(InfoDir), FPlaceFile(PlaceFile)
{
    setObjectName(QStringLiteral("informationsForm"));
    setWindowTitle(QStringLiteral("Information"));
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    auto* knapper = new QHBoxLayout;
    FFirst = NewKnap("FirstKnap");
    FBack = NewKnap("BackKnap");
    FForward = NewKnap("ForwardKnap");
    FLast = NewKnap("LastKnap");
    FFirst->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    FBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    FForward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    FLast->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    FNulstil = NewKnap("NulstilKnap");
    FNulstil->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QToolButton* knap : {FFirst, FBack, FForward, FLast, FNulstil})
        knapper->addWidget(knap);
    knapper->addSpacing(12);
    for (int i = 0; i < 3; ++i) {
        FChapterKnap[i] = NewKnap(kChapters[i]);
        FChapterKnap[i]->setToolButtonStyle(Qt::ToolButtonTextOnly);
        knapper->addWidget(FChapterKnap[i]);
        connect(FChapterKnap[i], &QToolButton::clicked, this,
                [this, i] { LoadHjemmeside(HelpTopics::PageName(QString::fromLatin1(kChapters[i]))); });
    }
    knapper->addStretch(1);
    connect(FFirst, &QToolButton::clicked, this, [this] { GoTo(FHistory.First()); });
    connect(FBack, &QToolButton::clicked, this, [this] { GoTo(FHistory.Back()); });
    connect(FForward, &QToolButton::clicked, this, [this] { GoTo(FHistory.Forward()); });
    connect(FLast, &QToolButton::clicked, this, [this] { GoTo(FHistory.Last()); });
    connect(FNulstil, &QToolButton::clicked, this, &TinformationsForm::NulstilClick);

    FBrowser = new QTextBrowser(this);
    FBrowser->setObjectName(QStringLiteral("Browser"));
    FBrowser->setOpenLinks(false);
    connect(FBrowser, &QTextBrowser::anchorClicked, this, &TinformationsForm::LinkClicked);
    connect(FBrowser, &QTextBrowser::highlighted, this, &TinformationsForm::LinkHovered);

    FStatus = new QLabel(this);
    FStatus->setObjectName(QStringLiteral("StatusLine"));
    FStatus->setFrameShape(QFrame::Panel);
    FStatus->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(knapper);
    layout->addWidget(FBrowser, 1);
    layout->addWidget(FStatus);
    resize(kWidth, TInformationPlace().Height);
    SetSprog(false);
}

QToolButton* TinformationsForm::NewKnap(const char* Name)
{
    auto* knap = new QToolButton(this);
    knap->setObjectName(QString::fromLatin1(Name));
    knap->setAutoRaise(true);
    return knap;
}

void TinformationsForm::SetSprog(bool Engelsk)
{
    FEngelsk = Engelsk;
    const struct {
        QToolButton* knap;
        const char* dansk;
        const char* engelsk;
    } hints[] = {{FFirst, "Gå til første", "Go to the first"},
                 {FBack, "Gå tilbage", "Go back"},
                 {FForward, "Gå frem", "Go forward"},
                 {FLast, "Gå til sidste", "Go to the last"},
                 {FNulstil, "Start forfra med besøgte sider", "Start again with visited pages"}};
    for (const auto& h : hints) {
        const QString hint = Sprogtekst(Engelsk, QString::fromUtf8(h.dansk), QString::fromUtf8(h.engelsk));
        h.knap->setStatusTip(hint);
        h.knap->setToolTip(hint);
    }
    for (int i = 0; i < 3; ++i) {
        const QString topic = QString::fromLatin1(kChapters[i]);
        FChapterKnap[i]->setText(HelpTopics::TopicCaption(topic, Engelsk));
        const QString hint = Sprogtekst(Engelsk, QStringLiteral("Vis kapitlet "), QStringLiteral("Show the chapter "))
                             + HelpTopics::TopicCaption(topic, Engelsk);
        FChapterKnap[i]->setStatusTip(hint);
        FChapterKnap[i]->setToolTip(hint);
    }
    if (!FMissingPage.isEmpty())
        ShowNotice();
    UpdateKnapper();
}

void TinformationsForm::LoadHjemmeside(const QString& aHjemmeside)
{
    ShowPage(FInfoDir + aHjemmeside, true);
}

bool TinformationsForm::ShowPage(const QString& Path, bool Record)
{
    const QFileInfo file(Path);
    if (!file.isFile()) {
        FMissingPage = file.fileName();
        FCurrentFile.clear();
        ShowNotice();
        return false;
    }
    FMissingPage.clear();
    FCurrentFile = file.absoluteFilePath();
    FBrowser->setSource(QUrl::fromLocalFile(FCurrentFile));
    setWindowTitle(QStringLiteral("Information"));
    if (Record)
        FHistory.Add(file.fileName());
    UpdateKnapper();
    return true;
}

void TinformationsForm::ShowNotice()
{
    const QString text =
        Sprogtekst(FEngelsk, QStringLiteral("Hjælpesiden \"%1\" findes ikke i mappen %2."),
                   QStringLiteral("The help page \"%1\" does not exist in the folder %2."))
            .arg(FMissingPage.toHtmlEscaped(), FInfoDir.toHtmlEscaped());
    FBrowser->setHtml(QStringLiteral("<p>%1</p>").arg(text));
}

void TinformationsForm::GoTo(const QString& Entry)
{
    if (!Entry.isEmpty())
        ShowPage(FInfoDir + Entry, false);
    UpdateKnapper();
}

void TinformationsForm::LinkClicked(const QUrl& Link)
{
    if (!IsLocal(Link)) {
        if (!OpenUrl || !OpenUrl(Link))
            FStatus->setText(Sprogtekst(FEngelsk, QStringLiteral("Adressen kunne ikke åbnes: "),
                                        QStringLiteral("The address could not be opened: "))
                             + Link.toString());
        return;
    }
    if (Link.path().isEmpty()) {
        if (Link.hasFragment())
            FBrowser->scrollToAnchor(Link.fragment());
        return;
    }
    const QUrl target = QUrl::fromLocalFile(FCurrentFile.isEmpty() ? FInfoDir : FCurrentFile).resolved(Link);
    if (ShowPage(target.toLocalFile(), true) && Link.hasFragment())
        FBrowser->scrollToAnchor(Link.fragment());
}

void TinformationsForm::LinkHovered(const QUrl& Link)
{
    if (!Link.isValid() || Link.isEmpty()) {
        FStatus->clear();
        return;
    }
    const QUrl shown = IsLocal(Link) && !FCurrentFile.isEmpty() ? QUrl::fromLocalFile(FCurrentFile).resolved(Link) : Link;
    FStatus->setText(shown.toDisplayString(QUrl::PreferLocalFile));
}

void TinformationsForm::NulstilClick()
{
    FHistory.Clear();
    UpdateKnapper();
}

void TinformationsForm::UpdateKnapper()
{
    FFirst->setEnabled(FHistory.CanFirst());
    FBack->setEnabled(FHistory.CanBack());
    FForward->setEnabled(FHistory.CanForward());
    FLast->setEnabled(FHistory.CanLast());
    FNulstil->setEnabled(FHistory.CanClear());
    FNulstil->setText(Sprogtekst(FEngelsk, QStringLiteral("Nulstil: "), QStringLiteral("Reset: "))
                      + QString::number(FHistory.Count()));
}

void TinformationsForm::showEvent(QShowEvent* event)
{
    if (!FPlaced) {
        FPlaced = true;
        const TInformationPlace place = TInformationPlace::Read(FPlaceFile);
        PlaceOnScreen(this, QPoint(place.Left, place.Top), QSize(width(), place.Height));
    }
    QWidget::showEvent(event);
}

void TinformationsForm::closeEvent(QCloseEvent* event)
{
    TInformationPlace place;
    place.Left = x();
    place.Top = y();
    place.Height = height();
    place.Write(FPlaceFile);
    FHistory.Clear();
    UpdateKnapper();
    QWidget::closeEvent(event);
}

bool TinformationsForm::event(QEvent* event)
{
    // The hints of the window's own controls go to its status line.
    if (event->type() == QEvent::StatusTip) {
        FStatus->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}
