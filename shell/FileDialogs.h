#pragma once
#include "appcore/ModalResult.h"
#include <QStringList>
#include <functional>
#include <memory>

class QFileDialog;
class QWidget;
class TInfForm;
class TSpmform;

// The dialogs of the file commands: the picture open dialog (Qt's own dialog with a preview),
// the save dialog with its file types, the save question and the picture information. Each
// dialog is built and filled here and then handed to a runner; tests replace the runners, so
// they can read what a dialog shows and answer it without a modal loop.
class TFileDialogs {
public:
    explicit TFileDialogs(QWidget* parent);

    // The chosen files in the dialog's order; empty when cancelled.
    QStringList RunOpen(bool multiSelect, bool Engelsk);
    // The chosen file name; empty when cancelled. The filter follows PresetName's extension.
    // The dialog starts in the folder of the picture's file, PictureFile, when it has one.
    QString RunSave(const QString& PresetName, bool Engelsk, const QString& PictureFile = QString());
    // The save question for a modified picture: mrYes, mrNo or mrCancel.
    TModalResult AskSave(const QString& PNavn, bool Engelsk);
    // Shows the picture information of a Width x Height picture whose file is FileName.
    void ShowInfo(const QString& FileName, int Width, int Height, bool Engelsk);

    // The folder the open and save dialogs start in (when it exists); each chosen file makes
    // its folder the next start folder.
    QString StartFolder;

    // The dialogs as they are shown.
    std::unique_ptr<QFileDialog> MakeOpenDialog(bool multiSelect, bool Engelsk) const;
    std::unique_ptr<QFileDialog> MakeSaveDialog(const QString& PresetName, bool Engelsk,
                                                const QString& PictureFile = QString()) const;
    // The save dialog's filter for a name, 1-based: ".jpg" 2, ".bmp" 3, ".ico" 4, ".png" 5,
    // ".webp" 6 (compared case-sensitively), anything else 1 ("Alle").
    static int SaveFilterFor(const QString& Name);
    static QStringList OpenFilters();
    static QStringList SaveFilters();

    // Runners: show the dialog and give its answer. The defaults run the dialogs modally.
    // A file-dialog runner returns the selection, empty for cancel.
    std::function<QStringList(QFileDialog&)> RunFileDialog;
    std::function<TModalResult(TSpmform&)> RunQuestion;
    std::function<void(TInfForm&)> RunInfo;

private:
    QWidget* Parent;
};
