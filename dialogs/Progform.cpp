#include "dialogs/Progform.h"
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include "appcore/MenuExeFiler.h"
#include "appcore/Message.h"
#include "dialogs/FileDialogLabels.h"

TProgform::TProgform(TMenuExeFiler& Programs, QWidget* parent) : QDialog(parent), FPrograms(Programs)
{
    setObjectName(QStringLiteral("Progform"));
    auto* layout = new QVBoxLayout(this);
    Pages = new QTabWidget(this);
    Pages->addTab(BuildInsertPage(), QString());
    Pages->addTab(BuildDeletePage(), QString());
    layout->addWidget(Pages);
    CloseButton = new QPushButton(this);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    connect(Pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1)
            FillDeleteList();
    });
    ChooseFile = [this] {
        QFileDialog dialog(this, Text("Vælg program til menu", "Choose program"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setFilter(QDir::Files | QDir::Executable | QDir::AllDirs | QDir::NoDotAndDotDot);
        SetFileDialogLabels(dialog, FEngelsk, false);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                        : QString();
    };
    SetSprog(false);
}

QWidget* TProgform::BuildInsertPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    FilEdit = new QLineEdit(page);
    CapEdit = new QLineEdit(page);
    BrowseButton = new QPushButton(page);
    connect(BrowseButton, &QPushButton::clicked, this, &TProgform::Browse);
    IconLabel = new QLabel(page);
    IconLabel->setFixedSize(36, 36);
    useTekstCheck = new QCheckBox(page);
    useTekstCheck->setChecked(true);
    AddButton = new QPushButton(page);
    connect(AddButton, &QPushButton::clicked, this, [this] { IndforClick(); });
    AddedLabel = new QLabel(page);
    grid->addWidget(new QLabel(page), 0, 0);
    grid->addWidget(FilEdit, 0, 1);
    grid->addWidget(BrowseButton, 0, 2);
    grid->addWidget(new QLabel(page), 1, 0);
    grid->addWidget(CapEdit, 1, 1);
    grid->addWidget(IconLabel, 1, 2);
    grid->addWidget(useTekstCheck, 2, 1);
    grid->addWidget(AddButton, 3, 1, Qt::AlignLeft);
    grid->addWidget(AddedLabel, 4, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* TProgform::BuildDeletePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    DeleteList = new QListWidget(page);
    connect(DeleteList, &QListWidget::currentRowChanged, this, &TProgform::SelectForDelete);
    layout->addWidget(DeleteList);
    ChosenLabel = new QLabel(page);
    layout->addWidget(ChosenLabel);
    DeleteButton = new QPushButton(page);
    DeleteButton->setEnabled(false);
    connect(DeleteButton, &QPushButton::clicked, this, &TProgform::SletClick);
    layout->addWidget(DeleteButton, 0, Qt::AlignLeft);
    Question = new QWidget(page);
    auto* q = new QHBoxLayout(Question);
    QuestionLabel = new QLabel(Question);
    JaButton = new QPushButton(Question);
    NejButton = new QPushButton(Question);
    connect(JaButton, &QPushButton::clicked, this, [this] { AnswerDelete(true); });
    connect(NejButton, &QPushButton::clicked, this, [this] { AnswerDelete(false); });
    q->addWidget(QuestionLabel, 1);
    q->addWidget(JaButton);
    q->addWidget(NejButton);
    Question->hide();
    layout->addWidget(Question);
    return page;
}

QString TProgform::Text(const char* Dansk, const char* English) const
{
    return Sprogtekst(FEngelsk, QString::fromUtf8(Dansk), QString::fromUtf8(English));
}

void TProgform::SetSprog(bool Engelsk)
{
    FEngelsk = Engelsk;
    setWindowTitle(Text("Programmer", "Programs"));
    Pages->setTabText(0, Text("Indfør program", "Insert program"));
    Pages->setTabText(1, Text("Slet program", "Delete program"));
    auto* grid = static_cast<QGridLayout*>(Pages->widget(0)->layout());
    static_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->setText(Text("Filnavn", "Filename"));
    static_cast<QLabel*>(grid->itemAtPosition(1, 0)->widget())->setText(Text("Menu tekst", "Menu text"));
    useTekstCheck->setText(Text("Anvend aktuelle billede som parameter", "Use the actual file as parameter"));
    BrowseButton->setText(Text("Vælg fil", "Browse"));
    BrowseButton->setToolTip(Text("Vælg fil fra disk", "Choose file from disk"));
    AddButton->setText(Text("Indfør som menu", "Add to menu"));
    AddButton->setToolTip(Text("Tilføj valgte program til Program menuen", "Add the choosen program to the Program menu"));
    DeleteButton->setText(Text("Slet fra menu", "Delete from menu"));
    JaButton->setText(Text("Ja", "Yes"));
    NejButton->setText(Text("Nej", "No"));
    CloseButton->setText(Text("Luk", "Close"));
}

void TProgform::Browse()
{
    const QString name = ChooseFile ? ChooseFile() : QString();
    if (name.isEmpty())
        return;
    FilEdit->setText(name);
    CapEdit->clear();
    IconLabel->setPixmap(TMenuExeFiler::ProgramIcon(name).pixmap(32, 32));
}

void TProgform::ClearFields()
{
    FilEdit->clear();
    CapEdit->clear();
    IconLabel->clear();
    useTekstCheck->setChecked(true);
}

bool TProgform::IndforClick()
{
    const QString name = FilEdit->text().trimmed();
    if (name.isEmpty()) {
        ShowMessage(Text("Der mangler et filnavn!", "There is no filename!"), this);
        return false;
    }
    if (!QFileInfo(name).isFile()) {
        ShowMessage(Text("Filen: ", "The file: ") + name + "\r" + Text("kunne ikke findes!", "could not be found!"), this);
        ClearFields();
        return false;
    }
    const QString caption = CapEdit->text().trimmed();
    if (caption.isEmpty()) {
        ShowMessage(Text("Der mangler en menu tekst!", "There is no menu text!"), this);
        return false;
    }
    // File names on Linux differ by case: only the same name is the same program.
    if (FPrograms.Contains(name)) {
        ShowMessage(Text("Programmet er allerede indført!", "The program has already been implemented!"), this);
        ClearFields();
        return false;
    }
    FPrograms.InsertItem(name, caption, useTekstCheck->isChecked() ? QStringLiteral("UseParam") : QString(), 1);
    FPrograms.GemProgrammer();
    AddedLabel->setText(caption);
    ClearFields();
    return true;
}

void TProgform::FillDeleteList()
{
    DeleteList->blockSignals(true);
    DeleteList->clear();
    for (int i = 0; i < FPrograms.Filantal(); ++i)
        DeleteList->addItem(new QListWidgetItem(FPrograms.Icon(i), FPrograms.GetCaption(i)));
    DeleteList->blockSignals(false);
    SletNr = -1;
    ChosenLabel->clear();
    DeleteButton->setEnabled(false);
    Question->hide();
    DeleteList->setEnabled(true);
}

void TProgform::SelectForDelete(int Nr)
{
    SletNr = Nr >= 0 && Nr < FPrograms.Filantal() ? Nr : -1;
    ChosenLabel->setText(FPrograms.GetCaption(SletNr));
    DeleteButton->setEnabled(SletNr >= 0);
}

void TProgform::SletClick()
{
    if (SletNr < 0)
        return;
    QuestionLabel->setText(Text("Vil du slette programmet\r", "Do you want to delete\r").replace('\r', '\n') +
                           FPrograms.GetCaption(SletNr) + "?");
    Question->show();
    DeleteList->setEnabled(false);
}

void TProgform::AnswerDelete(bool Ja)
{
    Question->hide();
    DeleteList->setEnabled(true);
    if (Ja && SletNr >= 0) {
        FPrograms.DeleteItem(SletNr);
        FillDeleteList();
    }
}
