// Closing the main window: every modified picture is asked about first (a cancel keeps the
// program running and writes nothing), then the settings lists and the options are written.
#include "appcore/Message.h"
#include "appcore/MenuExeFiler.h"
#include "appcore/ReopenFilerX.h"
#include "platform/SafeWrite.h"
#include "dialogs/Flytform.h"
#include "dialogs/Scaleform.h"
#include "dialogs/Zoomform.h"
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include <QCloseEvent>
#include <QMdiArea>
#include <QTabWidget>

QList<TMalvoform*> TMainform::Documents() const
{
    QList<TMalvoform*> documents;
    for (QMdiSubWindow* window : mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder))
        if (auto* form = dynamic_cast<TMalvoform*>(window))
            documents.append(form);
    return documents;
}

bool TMainform::AskAllDocuments()
{
    for (TMalvoform* form : Documents()) {
        SetGForm(form);
        if (form->Image->Modified() && !form->LukImage())
            return false;
    }
    return true;
}

QStringList TMainform::OpenFileNames() const
{
    // Oldest first and the active picture last, so the reopen at the next start makes the
    // same order with the same picture active.
    QStringList names;
    for (const TMalvoform* form : Documents())
        if (!form->Image->Filnavn().isEmpty())
            names.append(form->Image->Filnavn());
    return names;
}

void TMainform::GemProgstring()
{
    StoreToolPropsSettings();
    Prog.ToolBookPage = topBog->currentIndex();
    Prog.ToolBookVisible = topBog->isVisibleTo(this);
    Prog.DockBookVisible = dropbog->isVisibleTo(this);
    Prog.ToolLineVisible = bogLinje->isVisibleTo(this);
    ::GemProgstring(Folder.StringFilnavn, Prog, Engelsk());
    GemOpenFiles(Folder.openFilesFilnavn, OpenFileNames());
    // The lists are written whenever they change; once more here, so a write that failed
    // during the session is tried again and, failing, named with the others.
    Reopen->GemReopenFiler();
    favDir->GemReopenFiler();
    favFiler->GemReopenFiler();
    MenuExe->GemProgrammer();
}

bool TMainform::GemOptions()
{
    // Every file written from here on that fails is named in the one message.
    TWriteFailures failures;
    GemProgstring();
    // Place and size are kept only from the normal state: a maximised or minimised window
    // would store the screen's size and restore to it next time.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        FOpt.MainX = x();
        FOpt.MainY = y();
        FOpt.MainW = width();
        FOpt.MainH = height();
    }
    FOpt.GalDock = topBog->isTabVisible(pgBilleder);
    scaleform_->GemPosition(FOpt);
    flytform_->GemPosition(FOpt);
    zoomform_->GemPosition(FOpt);
    GemColourWindows();
    GemTextWindows();
    GemLibraryWindows();
    QString failed;
    ::GemOptions(Folder.OptFilnavn, FOpt, failed);
    settings_.Save();
    FailedWrites = failures.Files();
    return FailedWrites.isEmpty();
}

void TMainform::ReportFailedWrites()
{
    if (FailedWrites.isEmpty())
        return;
    ShowMessage(Sprogtekst(Engelsk(), QStringLiteral("Filen kunne ikke gemmes:\r"), QStringLiteral("Could not save the file:\r"))
                    + FailedWrites.join(QLatin1Char('\r')),
                this);
}

void TMainform::closeEvent(QCloseEvent* event)
{
    if (!AskAllDocuments()) {
        event->ignore();
        return;
    }
    if (!GemOptions())
        ReportFailedWrites();
    SetGForm(nullptr);
    updateTimer_->stop();
    event->accept();
}
