#include "shell/FileDialogs.h"
#include "dialogs/FileDialogLabels.h"
#include "appcore/Message.h"
#include "dialogs/InfForm.h"
#include "dialogs/Spmform.h"
#include "util/AlmenX.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace {

constexpr int kPreviewSide = 160;

// A small picture of the file under the cursor beside the open dialog's file list.
void AddPreview(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setFixedSize(kPreviewSide, kPreviewSide);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        QImageReader reader(path);
        reader.setAutoTransform(true); // photos upright, as they open
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > kPreviewSide || size.height() > kPreviewSide))
            reader.setScaledSize(size.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio));
        const QImage image = reader.read();
        preview->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    });
}

// The extension a name typed without one gets under each save filter ("Alle" keeps "bmp").
QString SuffixOf(int filterIndex)
{
    static const char* const suffixes[] = {"bmp", "jpg", "bmp", "ico", "png", "webp"};
    return QString::fromLatin1(suffixes[filterIndex >= 1 && filterIndex <= 6 ? filterIndex - 1 : 0]);
}

// The suffix follows the file type the user chooses.
void FollowFilterWithSuffix(QFileDialog& dialog)
{
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(SuffixOf(int(TFileDialogs::SaveFilters().indexOf(filter)) + 1));
    });
}

} // namespace

TFileDialogs::TFileDialogs(QWidget* parent) : Parent(parent)
{
    RunFileDialog = [](QFileDialog& dialog) {
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    };
    RunQuestion = [](TSpmform& form) { return form.Spoerg(); };
    RunInfo = [](TInfForm& form) { form.exec(); };
}

QStringList TFileDialogs::OpenFilters()
{
    return {QStringLiteral("Alle (*.jpg *.bmp *.ico *.png *.webp *.tif *.tiff *.gif)"),
            QStringLiteral("JPEG Image File (*.jpg)"),
            QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("Icon (*.ico)"),
            QStringLiteral("PNG (*.png)"),
            QStringLiteral("WebP (*.webp)"),
            QStringLiteral("TIFF (*.tif *.tiff)"),
            QStringLiteral("GIF (*.gif)")};
}

QStringList TFileDialogs::SaveFilters()
{
    return {QStringLiteral("Alle (*.bmp *.jpg *.ico *.png *.webp)"), QStringLiteral("JPEG Image File (*.jpg)"),
            QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("Icon (*.ico)"), QStringLiteral("PNG (*.png)"),
            QStringLiteral("WebP (*.webp)")};
}

int TFileDialogs::SaveFilterFor(const QString& Name)
{
    const QString ext = TAlmenX::GetExt(Name);
    if (ext == QLatin1String("jpg"))
        return 2;
    if (ext == QLatin1String("bmp"))
        return 3;
    if (ext == QLatin1String("ico"))
        return 4;
    if (ext == QLatin1String("png"))
        return 5;
    if (ext == QLatin1String("webp"))
        return 6;
    return 1;
}

std::unique_ptr<QFileDialog> TFileDialogs::MakeOpenDialog(bool multiSelect, bool Engelsk) const
{
    auto dialog = std::make_unique<QFileDialog>(Parent, Sprogtekst(Engelsk, QStringLiteral("Hent billede"),
                                                                   QStringLiteral("Load picture")));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    SetFileDialogLabels(*dialog, Engelsk, false);
    if (QFileInfo(StartFolder).isDir())
        dialog->setDirectory(StartFolder);
    dialog->setNameFilters(OpenFilters());
    dialog->setSizeGripEnabled(true);
    AddPreview(*dialog);
    return dialog;
}

std::unique_ptr<QFileDialog> TFileDialogs::MakeSaveDialog(const QString& PresetName, bool Engelsk,
                                                         const QString& PictureFile) const
{
    auto dialog = std::make_unique<QFileDialog>(Parent, Sprogtekst(Engelsk, QStringLiteral("Gem billede"),
                                                                   QStringLiteral("Save picture")));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    SetFileDialogLabels(*dialog, Engelsk, true);
    const QString pictureFolder = PictureFile.isEmpty() ? QString() : QFileInfo(PictureFile).absolutePath();
    if (QFileInfo(pictureFolder).isDir())
        dialog->setDirectory(pictureFolder);
    else if (QFileInfo(StartFolder).isDir())
        dialog->setDirectory(StartFolder);
    const int filter = SaveFilterFor(PresetName);
    dialog->setDefaultSuffix(SuffixOf(filter));
    dialog->setNameFilters(SaveFilters());
    dialog->selectNameFilter(SaveFilters().at(filter - 1));
    dialog->setSizeGripEnabled(true);
    FollowFilterWithSuffix(*dialog);
    dialog->selectFile(PresetName);
    return dialog;
}

QStringList TFileDialogs::RunOpen(bool multiSelect, bool Engelsk)
{
    auto dialog = MakeOpenDialog(multiSelect, Engelsk);
    const QStringList chosen = RunFileDialog(*dialog);
    if (!chosen.isEmpty())
        StartFolder = QFileInfo(chosen.first()).absolutePath();
    return chosen;
}

QString TFileDialogs::RunSave(const QString& PresetName, bool Engelsk, const QString& PictureFile)
{
    auto dialog = MakeSaveDialog(PresetName, Engelsk, PictureFile);
    const QStringList chosen = RunFileDialog(*dialog);
    if (chosen.isEmpty())
        return QString();
    StartFolder = QFileInfo(chosen.first()).absolutePath();
    return chosen.first();
}

TModalResult TFileDialogs::AskSave(const QString& PNavn, bool Engelsk)
{
    TSpmform form(Parent);
    form.SetSprog(Engelsk);
    form.Tekst(1, Sprogtekst(Engelsk, QStringLiteral("Billedet:"), QStringLiteral("The picture:")));
    form.Tekst(2, PNavn + Sprogtekst(Engelsk, QStringLiteral(" er modificeret!"), QStringLiteral(" is modified!")));
    form.Tekst(3, Sprogtekst(Engelsk, QStringLiteral("Skal det gemmes?"), QStringLiteral("Do you want to save it?")));
    return RunQuestion(form);
}

void TFileDialogs::ShowInfo(const QString& FileName, int Width, int Height, bool Engelsk)
{
    TInfForm form(Parent);
    form.SetSprog(Engelsk);
    form.VisInfo(FileName, Width, Height);
    RunInfo(form);
}
