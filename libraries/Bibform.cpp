#include "libraries/Bibform.h"
#include "libraries/Thumbnail.h"
#include "widgets/CompoBil.h"
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

TBibform::TBibform(QWidget* parent) : QDialog(parent)
{
    auto* grid = new QGridLayout(this);
    Drev = new QComboBox(this);
    FModel = new QFileSystemModel(this);
    FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    Mapper = new QTreeView(this);
    Mapper->setModel(FModel);
    for (int c = 1; c < FModel->columnCount(); ++c)
        Mapper->hideColumn(c);
    Mapper->header()->hide();
    Filer = new QListWidget(this);
    Preview = new TBilCompo(this);
    Preview->setMinimumSize(140, 120);
    MappeFelt = new QLineEdit(this);
    MappeFelt->setReadOnly(true);
    OkKnap = new QPushButton(QStringLiteral("Ok"), this);
    OkKnap->setDefault(true);
    AnnullerKnap = new QPushButton(this);
    auto* knapper = new QHBoxLayout;
    knapper->addStretch(1);
    knapper->addWidget(OkKnap);
    knapper->addWidget(AnnullerKnap);

    grid->addWidget(Drev, 0, 0);
    grid->addWidget(MappeFelt, 0, 1);
    grid->addWidget(Mapper, 1, 0, 2, 1);
    grid->addWidget(Filer, 1, 1);
    grid->addWidget(Preview, 2, 1);
    grid->addLayout(knapper, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(Drev, &QComboBox::activated, this, [this](int i) { VaelgDrev(Drev->itemData(i).toString()); });
    connect(Mapper, &QTreeView::clicked, this, [this](const QModelIndex& i) { VisMappe(FModel->filePath(i)); });
    connect(Filer, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { VisFil(item->text()); });
    connect(OkKnap, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(AnnullerKnap, &QPushButton::clicked, this, [this] { reject(); });
    FyldDrev();
    SetSprog(false);
    resize(520, 380);
}

void TBibform::SetSprog(bool Engelsk)
{
    setWindowTitle(Engelsk ? QStringLiteral("Choose library") : QStringLiteral("Vælg bibliotek"));
    AnnullerKnap->setText(Engelsk ? QStringLiteral("Cancel") : QStringLiteral("Annuller"));
    Drev->setItemText(0, Engelsk ? QStringLiteral("Home folder") : QStringLiteral("Hjemmemappe"));
}

// In place of drives: the home folder first, then every mounted volume that is ready.
void TBibform::FyldDrev()
{
    Drev->clear();
    Drev->addItem(QString(), QDir::homePath());
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady())
            Drev->addItem(v.rootPath(), v.rootPath());
}

void TBibform::VaelgDrev(const QString& Rod)
{
    FModel->setRootPath(Rod);
    Mapper->setRootIndex(FModel->index(Rod));
    VisMappe(Rod);
}

void TBibform::VisMappe(const QString& Dir)
{
    const QString dir = QDir::cleanPath(Dir);
    MappeFelt->setText(dir);
    const QModelIndex index = FModel->index(dir);
    if (index.isValid()) {
        Mapper->setCurrentIndex(index);
        Mapper->scrollTo(index);
    }
    Filer->clear();
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase))
        if (BilKind(name) != bkIngen)
            Filer->addItem(name);
    Preview->FreeBitmap();
}

void TBibform::VisFil(const QString& Navn)
{
    TBitmap picture;
    if (LoadLibraryPicture(Mappe() + QLatin1Char('/') + Navn, picture))
        Preview->SetBitmapBil(picture);
    else
        Preview->FreeBitmap();
}

QString TBibform::Mappe() const
{
    return MappeFelt->text();
}

void TBibform::OkClick()
{
    Bibliotek = Mappe();
    accept();
}

bool TBibform::Udfor()
{
    // The tree shows the volume that holds the folder (the home folder when it lies there).
    QString rod = QDir::homePath();
    if (!Bibliotek.startsWith(rod))
        rod = QStorageInfo(Bibliotek).rootPath();
    if (rod.isEmpty())
        rod = QDir::rootPath();
    FModel->setRootPath(rod);
    Mapper->setRootIndex(FModel->index(rod));
    VisMappe(Bibliotek.isEmpty() ? QDir::homePath() : Bibliotek);
    return exec() == QDialog::Accepted;
}
