#pragma once
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "shell/DocumentHost.h"
#include "shell/FileCommands.h"
#include "shell/Malvoform.h"
#include "shell/NytPage.h"
#include "platform/PictureCodecs.h"
#include <QComboBox>
#include <QLineEdit>
#include <QFileDialog>
#include <QMdiArea>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A document host without the main window: a document area in a plain window, the file
// commands, and a record of what the documents and commands asked of the main window.
// Messages are caught; the file dialogs answer from Choose (empty: cancel).
class FakeDocumentHost : public TDocumentHost {
public:
    FakeDocumentHost()
    {
        Window.resize(900, 700);
        Area = new QMdiArea(&Window);
        Area->resize(900, 700);
        Files = std::make_unique<TFileCommands>(*this, &Window);
        Files->Dialogs().RunFileDialog = [this](QFileDialog& dialog) {
            LastDialogFilter = dialog.selectedNameFilter();
            LastDialogTitle = dialog.windowTitle();
            ++FileDialogRuns;
            return Choose;
        };
        Files->Dialogs().RunQuestion = [this](TSpmform& form) {
            ++Questions;
            return Answer ? Answer(form) : mrNo;
        };
        SetMessageCatcher([this](const QString& text) { Messages.append(text); });
        Window.show();
    }
    ~FakeDocumentHost() override
    {
        SetMessageCatcher({});
        delete Area;
    }

    TMalvoform* GForm() const override { return FGForm; }
    void SetGForm(TMalvoform* form) override { FGForm = form; }
    int PictureCount() const override { return FPictureCount; }
    void SetPictureCount(int count) override { FPictureCount = count; }
    int newPictureCount() const override { return FNewPictureCount; }
    void SetnewPictureCount(int count) override { FNewPictureCount = count; }
    bool NewImage() const override { return FNewImage; }
    void SetNewImage(bool value) override { FNewImage = value; }
    int UserToolnummer() const override { return FUserTool; }
    void SetUserToolnummer(int tool) override { FUserTool = tool; }
    int KlipbordCount() const override { return FKlipCount; }
    void SetKlipbordCount(int count) override { FKlipCount = count; }
    QString KlipbordBib() const override { return ClipFolder.path(); }
    bool gemKlip() const override { return GemKlip; }
    TOptions& Opt() override { return Options; }

    void SetStatusPanel(int index, const QString& text) override { Panels[index] = text; }
    void InfoHint(const QString& text) override { Hint = text; }
    void SetFinfo(const QString& name) override { Finfo = name; }
    void ShowPosition(int X, int Y) override { Position = {X, Y}; }
    void ShowObjektType() override { ++ObjektRefreshes; }

    void AddTab(TMalvoform& form) override
    {
        Tabs.append(form.PNavn);
        TabForms.append(&form);
    }
    void RemoveTab(TMalvoform& form) override
    {
        const int i = TabForms.indexOf(&form);
        if (i >= 0) {
            Tabs.removeAt(i);
            TabForms.removeAt(i);
        }
    }
    void RenameTab(TMalvoform& form) override
    {
        const int i = TabForms.indexOf(&form);
        if (i >= 0)
            Tabs[i] = form.PNavn;
    }
    void TabFocus(TMalvoform& form) override { FocusedTab = form.PNavn; }

    QMdiArea* MdiArea() const override { return Area; }
    TRammeIndreX* MagnifierFrame() const override { return nullptr; }
    QMenu* PictureMenu() const override { return Menu; }
    void AMiniPixExecute() override { ++ZoomCommands; }
    bool NytPageShown() const override { return NytShown; }
    void ShowNytPage() override { NytShown = true; }
    void ShowIconPalette() override { ++IconPaletteShown; }
    bool PasteAsElipse() const override { return false; }
    void CloseMainWindow() override { ++MainCloses; }
    TFileCommands& FileCommands() override { return *Files; }
    void InsertRecentFile(const QString& fileName, const QString& caption) override { Recent.append(fileName); }
    void ShowProp(int Toolnummer, const QString& Cap) override { LastProp = Toolnummer; }

    // Every document window in the area.
    QList<TMalvoform*> Forms() const
    {
        QList<TMalvoform*> forms;
        for (QMdiSubWindow* w : Area->subWindowList())
            if (auto* f = dynamic_cast<TMalvoform*>(w))
                forms.append(f);
        return forms;
    }

    QWidget Window;
    QMdiArea* Area = nullptr;
    std::unique_ptr<TFileCommands> Files;
    TOptions Options = StandardOptions();
    QTemporaryDir ClipFolder;
    bool GemKlip = false;
    bool NytShown = true;
    QMenu* Menu = nullptr;

    QStringList Choose;
    std::function<TModalResult(TSpmform&)> Answer;
    QString LastDialogFilter, LastDialogTitle;
    int FileDialogRuns = 0;
    int Questions = 0;

    QStringList Messages, Tabs, Recent;
    QList<TMalvoform*> TabForms;
    QString Panels[3], Hint, Finfo, FocusedTab;
    QPoint Position;
    int ObjektRefreshes = 0, ZoomCommands = 0, IconPaletteShown = 0, MainCloses = 0, LastProp = 0;

private:
    QPointer<TMalvoform> FGForm;
    int FPictureCount = 0, FNewPictureCount = 0, FUserTool = 0, FKlipCount = -1;
    bool FNewImage = false;
};

// Makes Count new pictures through the page "Nyt" as the user does: fields, then the command.
inline void MakeNew(FakeDocumentHost& host, int count, int type = 0, const char* width = "40",
                    const char* height = "30")
{
    TNytPage& page = *host.Files->NytPage();
    page.Edit1->setText(QLatin1String(width));
    page.Edit2->setText(QLatin1String(height));
    page.Edit3->setText(QString::number(count));
    page.filtypeBox->setCurrentIndex(type);
    host.Files->ANewMalvoExecute();
}

// Makes the document modified as a tool would.
inline void Modify(TMalvoform& form)
{
    form.Image->Picture().Canvas().SetPixels(1, 1, clRed);
    form.Image->SetModified(true);
}

// Writes a one-colour picture file (the type follows the extension: bmp or jpg).
inline bool WritePicture(const QString& path, int w, int h, TColor colour)
{
    TBitmap bitmap(w, h);
    bitmap.Canvas().Brush.Color = colour;
    bitmap.Canvas().FillRect(bitmap.BoundsRect());
    QByteArray data;
    const bool encoded = path.endsWith(QLatin1String(".jpg")) ? PictureCodecs::WriteJpeg(bitmap, 90, data)
                                                                : PictureCodecs::WriteBmp(bitmap, data);
    return encoded && PictureCodecs::WriteFileSafely(path, data);
}
