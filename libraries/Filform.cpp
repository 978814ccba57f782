#include "libraries/Filform.h"
#include "appcore/Message.h"
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFilform::TFilform(QWidget* parent) : QDialog(parent)
{
    auto* top = new QVBoxLayout(this);
    Filer = new QListWidget(this);
    top->addWidget(Filer, 1);
    FLabel = new QLabel(this);
    top->addWidget(FLabel);
    NavnFelt = new QLineEdit(this);
    top->addWidget(NavnFelt);
    auto* knapper = new QHBoxLayout;
    OkKnap = new QPushButton(this);
    CancelKnap = new QPushButton(this);
    OkKnap->setDefault(true);
    knapper->addStretch(1);
    knapper->addWidget(OkKnap);
    knapper->addWidget(CancelKnap);
    top->addLayout(knapper);
    connect(Filer, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { NavnFelt->setText(item->text()); });
    connect(OkKnap, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(CancelKnap, &QPushButton::clicked, this, [this] { reject(); });
    SetTekst(false, QString(), QStringLiteral("Ok"), QStringLiteral("Annuller"));
    resize(300, 320);
}

void TFilform::SetTekst(bool Engelsk, const QString& Cap, const QString& OkCap, const QString& CanCap)
{
    FEngelsk = Engelsk;
    setWindowTitle(Cap);
    OkKnap->setText(OkCap);
    CancelKnap->setText(CanCap);
    FLabel->setText(Sprogtekst(Engelsk, QStringLiteral("Filnavn"), QStringLiteral("Filename")));
}

void TFilform::SetBibliotek(const QString& Dir)
{
    FBibliotek = Dir;
    Filer->clear();
    Filer->addItems(QDir(Dir).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

bool TFilform::OkClick()
{
    // Only the name counts: whatever folder it names, the file is made in this folder.
    QString name = NavnFelt->text().trimmed();
    name = name.mid(std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\'))) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    if (base.isEmpty() || base == QLatin1String(".")) {
        ShowMessage(Sprogtekst(FEngelsk, QStringLiteral("Der mangler et filnavn"), QStringLiteral("There is no filename")),
                    this);
        return false;
    }
    const QString file = base + QLatin1Char('.') + Ext;
    const QString path = FBibliotek + QLatin1Char('/') + file;
    if (QFileInfo::exists(path)) {
        NavnFelt->clear();
        ShowMessage(Sprogtekst(FEngelsk, QStringLiteral("Filen: ") + file + QStringLiteral(" eksisterer.\rIndfør et andet filnavn."),
                               QStringLiteral("The file: ") + file + QStringLiteral(" exsists.\rMake a new name.")),
                    this);
        return false;
    }
    Filnavn = path;
    accept();
    return true;
}

void TFilform::reject()
{
    Filnavn.clear();
    QDialog::reject();
}
