// The tool properties window: created docked or floating by the options, told of every tool
// change, document activation, copy and colour pick, and given the main window's pen width,
// specific colours, magnifiers and paste actions.
#include "colours/Farveform.h"
#include "dialogs/Zoomform.h"
#include "pixeledit/PixelPic.h"
#include "shell/Mainform.h"
#include "shell/PictureCommands.h"
#include "shell/ToolCommands.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

void TMainform::BuildToolProps()
{
    tpform_ = new TTpform(*this, this);
    tpform_->setWindowFlag(Qt::Tool);
    tpform_->SetFonts(Prog.fontname1, Prog.fontsize1, Prog.fontname2, Prog.fontsize2);

    // The current tool's image beside the document name on the page "Redskaber".
    toolImage_ = new QToolButton(Finfo->parentWidget());
    toolImage_->setObjectName(QStringLiteral("ToolBillede"));
    toolImage_->setAutoRaise(true);
    texts_.Add(toolImage_, TTextTable::tkHint, "Det valgte redskab", "The chosen tool");
    if (auto* row = qobject_cast<QHBoxLayout*>(Finfo->parentWidget()->layout()))
        if (auto* names = qobject_cast<QFormLayout*>(row->itemAt(0)->layout()))
            names->addRow(toolImage_);
    tpform_->PictureOpen = [this] { return PictureCount() > 0; };
    tpform_->OnToolImage = [this](const QIcon& icon) { toolImage_->setIcon(icon); };
    tpform_->OnToolCaption = [this](const QString& Cap) { SetFinfo(Cap); };
    tpform_->OnObjektType = [this] { ShowObjektType(); };
    tpform_->PenWidthEdit = [this] { return qMax(1, tools_->PenEdit->text().toInt()); };
    tpform_->SetPenWidthEdit = [this](int width) {
        for (QLineEdit* edit : {tools_->PenEdit, tools_->PenEdit1})
            edit->setText(QString::number(width));
    };
    tpform_->OnMetaMetode = [this](TColor meta, TColor trans, TMetaMetode metode) {
        tools_->ShowMetaColour(meta);
        tools_->ShowTransColour(trans);
        static const char* const names[] = {"AMetaNormal", "AMetaFarve", "AMetaNotFarve"};
        if (QAction* a = tools_->Action(QString::fromLatin1(names[metode])))
            a->setChecked(true);
    };
    tpform_->ZoomKind = [this] {
        if (!gForm_)
            return 0;
        return gForm_->MiniPix() ? 1 : gForm_->FocusZoom() ? 2 : 0;
    };
    tpform_->ShownMagnifier = [this]() -> TPrePixelPic* {
        const int kind = tpform_->ZoomKind();
        if (kind == 1)
            return gForm_->MiniPic;
        return kind == 2 && zoomform_ ? zoomform_->Zoomfelt : nullptr;
    };
    tpform_->PredefinedCellSize = [this] {
        if (tpform_->ZoomKind() == 1)
            return gForm_->GetMiniDim();
        const TPixFelt* f = zoomform_ ? zoomform_->Zoomfelt->Felter() : nullptr;
        return f ? TZoomform::GetMiniDim(f->AntalV(), f->AntalL()) : 8;
    };
    tpform_->ShowColourBox = [this] {
        if (windows_.ShowColourBox)
            windows_.ShowColourBox();
    };
    tpform_->ColourBoxColour = [this] { return OutFarve(); };
    // While the colour picker is the tool, the colour box's active colour is the new pixel
    // colour of the colours page; the picked colour itself comes through SetPixelfelt.
    if (farveform_)
        farveform_->OnNyPixelFarve = [this](TColor c) { tpform_->SetNyPixelfelt(c); };
    tpform_->OnShowWindow = [this] {
        if (dockHost_->SiteOf(tpform_) == dsDropbogRed) {
            topBog->setCurrentIndex(pgRedskaber);
            return;
        }
        tpform_->show();
        tpform_->raise();
    };
    QList<QAction*> pastes;
    for (const char* name : {"APaste", "APasteTrans", "APasteRep", "APasteRepTrans"})
        if (QAction* a = pictures_->Action(QString::fromLatin1(name)))
            pastes << a;
    if (QAction* a = FileAction("ALoadFromCB"))
        pastes << a;
    tpform_->SetPasteActions(pastes);
    tpform_->SetZoomActions(pictures_->Action(QStringLiteral("AMiniPix")), pictures_->Action(QStringLiteral("AFocusZoom")));

    windows_.SetGoToToolPage = [this](bool on) { tpform_->GoToToolPage = on; };
    windows_.FokuserObjekt = [this] {
        tpform_->HentFokus();
        tpform_->FocusEditTekst();
        tpform_->RealiserFokus();
    };

    if (FOpt.ToolDock) {
        // The tool book's page "Redskaber" shows its dock and takes the window.
        showToolBox(true);
        dockHost_->Dock(tpform_, twToolProps, dsDropbogRed);
    } else {
        dockHost_->Float(tpform_, twToolProps, QPoint(FOpt.PBoxX, FOpt.PBoxY));
        tpform_->setVisible(FOpt.PBoxVis);
    }
    tpform_->ShowProp(-1, QString());

    // The View menu brings the window back: on its page when docked, else floating.
    auto* show = new QAction(this);
    show->setObjectName(QStringLiteral("AVisTpform"));
    connect(show, &QAction::triggered, this, [this] {
        if (dockHost_->SiteOf(tpform_) == dsDropbogRed) {
            SetToolBookVisible(true);
            topBog->setCurrentIndex(pgRedskaber);
            return;
        }
        tpform_->show();
        tpform_->raise();
    });
    Mvis->addAction(show);
    texts_.AddCaptionHint(show, "Redskabers egenskaber", "Vis redskabernes egenskaber", "Tools properties",
                          "Show the properties of the tools");
}

void TMainform::StoreToolPropsSettings()
{
    if (!tpform_)
        return;
    const TFont memo = tpform_->MemoFont(), extra = tpform_->MerFont();
    Prog.fontname1 = memo.Name;
    Prog.fontsize1 = memo.Size;
    Prog.fontname2 = extra.Name;
    Prog.fontsize2 = extra.Size;
    if (dockHost_->SiteOf(tpform_) == dsNone) {
        FOpt.PBoxX = tpform_->x();
        FOpt.PBoxY = tpform_->y();
        FOpt.PBoxVis = tpform_->isVisible();
    }
}

void TMainform::ShowProp(int Toolnummer, const QString& Cap)
{
    if (tpform_)
        tpform_->ShowProp(Toolnummer, Cap);
}

void TMainform::SetPropOldToolNr(int tool)
{
    if (tpform_)
        tpform_->OldToolNr = tool;
}

void TMainform::SetPropEleModified()
{
    if (tpform_)
        tpform_->eleModified = true;
}

void TMainform::PushMetaMetode(TImagePic& picture)
{
    if (tpform_)
        tpform_->SetMetaMetode(&picture);
}

void TMainform::SetPixelfelt(TColor colour)
{
    if (tpform_)
        tpform_->SetPixelfelt(colour);
}

void TMainform::ShowPolyCount(int count)
{
    if (tpform_)
        tpform_->ShowPolyCount(count);
}

void TMainform::SetSkyggeCheck(bool checked)
{
    if (tpform_)
        tpform_->SetSkyggeCheck(checked);
}

void TMainform::ShowClipboardPreview(const TBitmap& bitmap)
{
    if (tpform_)
        tpform_->ShowClipboard(bitmap, textShowCheck->isChecked());
}
