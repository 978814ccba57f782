// The text box, the font window and the two colour dialogs: creation, their links to the
// picture commands and the tool properties' text pages, language and places at close.
#include "colours/Justform.h"
#include "colours/Reguform.h"
#include "shell/Mainform.h"
#include "shell/PictureCommands.h"
#include "textbox/Fontform.h"
#include "textbox/Tekstform.h"
#include "toolprops/Tpform.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void TMainform::BuildTextWindows()
{
    tekstform_ = new TTekstform(*this, *colourPainters_, this);
    tekstform_->setWindowFlags(Qt::Tool);
    fontform_ = new Tfontform(*this, this);
    reguform_ = new TReguform(*this, *colourPainters_, this);
    justform_ = new TJustform(*this, *colourPainters_, this);

    reguform_->SetReduAction(pictures_->Action(QStringLiteral("ARedu")));
    windows_.ShowReguform = [this] {
        reguform_->show();
        reguform_->raise();
    };
    windows_.ShowJustform = [this] {
        justform_->show();
        justform_->raise();
        justform_->activateWindow();
    };
    windows_.JusterFarver = [this] { justform_->JusterFarver(); };
    windows_.ReguValues = [this](uint8_t& red, uint8_t& green, uint8_t& blue) {
        red = reguform_->Red;
        green = reguform_->Green;
        blue = reguform_->Blue;
        return true;
    };
    windows_.DecValues = [this] { reguform_->DecValues(); };
    windows_.ShowTextBox = [this] { ShowTextBox(); };

    if (tpform_) {
        fontform_->SetMemoFont(tpform_->MemoFont());
        tpform_->OpenFontWindow = [this](bool extra) {
            if (extra)
                fontform_->Vis(tpform_->MerFont(), tpform_->MerEdit->text());
            else
                fontform_->Vis(tpform_->MemoFont(), tpform_->Memo->toPlainText());
        };
        fontform_->OnFontChosen = [this](bool extra, const TFont& font, const QString& text) {
            FontToToolProps(extra, font, text);
        };
    }
    if (FOpt.Tbvis)
        ShowTextBox();
}

void TMainform::FontToToolProps(bool extra, const TFont& font, const QString& text)
{
    const TFont main = tpform_->MemoFont();
    const TFont mer = tpform_->MerFont();
    if (extra) {
        tpform_->SetFonts(main.Name, main.Size, font.Name, font.Size);
        tpform_->MerEdit->setText(text);
    } else {
        tpform_->FedCheck->setChecked(font.Style.Contains(fsBold));
        tpform_->KursivCheck->setChecked(font.Style.Contains(fsItalic));
        tpform_->UnderCheck->setChecked(font.Style.Contains(fsUnderline));
        tpform_->SetFonts(font.Name, font.Size, mer.Name, mer.Size);
        tpform_->Memo->setPlainText(text);
    }
    tpform_->eleModified = true;
}

void TMainform::ShowTextBox()
{
    // No dock site takes the text box: it floats, placed from the options the first time.
    if (!textBoxPlaced_) {
        textBoxPlaced_ = true;
        dockHost_->Float(tekstform_, twTextBox, QPoint(FOpt.TbX, FOpt.TbY));
    }
    tekstform_->show();
    tekstform_->raise();
    tekstform_->activateWindow();
}

void TMainform::GemTextWindows()
{
    if (!tekstform_)
        return;
    tekstform_->GemPosition(FOpt);
    reguform_->GemPosition(FOpt);
    justform_->GemPosition(FOpt);
}
