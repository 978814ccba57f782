#pragma once
#include "platform/Graphics.h"
#include "textbox/FontLists.h"
#include "textbox/SprogTekster.h"
#include <QWidget>
#include <functional>

class QCheckBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class TFontSizeComboBox;
class TMainServices;

// The font window: a list of the installed typefaces, the sizes of the chosen one, bold,
// italic and underline, and a memo that previews the font and holds the text. Its two buttons
// hand font, style and text to the text tool's main text or its extra text.
class Tfontform : public QWidget {
public:
    explicit Tfontform(TMainServices& Services, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // The memo takes the font: its name (found without regard to case, or the family Qt
    // resolves it to) and size are selected in the lists. The font is kept as the program
    // stores it, so a pixel height comes back unchanged while the size is not touched.
    void SetMemoFont(const TFont& Font);
    // Opening for a font being edited: the check boxes take its style, the lists its name and
    // size (a size the list does not offer is added, as the tool properties do), and the memo
    // its font and the text; then the window shows.
    void Vis(const TFont& Font, const QString& Text);
    // The font as chosen.
    const TFont& MemoFont() const { return FFont; }

    // Choosing a name in the list; a size; a style check box.
    void FontnamesClick();
    void FontSizeChange(int Size);
    void StyleClick();
    // "Tekstfont" (Extra False) and "Extra font" (Extra True).
    void FontKnapClick(bool Extra);

    // Receives the chosen font (with its style) and the memo's text for the main text or the
    // extra text of the text tool.
    std::function<void(bool Extra, const TFont& Font, const QString& Text)> OnFontChosen;

    QListWidget* fontnames = nullptr;
    TFontSizeComboBox* FontSize = nullptr;
    QCheckBox *boldCheck = nullptr, *kursivCheck = nullptr, *underCheck = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QPushButton *tekstfontKnap = nullptr, *ekstrafontKnap = nullptr, *lukKnap = nullptr, *infoKnap = nullptr;
    QSplitter* Splitter = nullptr;
    QString OldFontname, OldFontSizname;
    bool opstart = true;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Selects the font's name and size in the lists without running their handlers.
    void SelectFont();
    void ShowFont();

    TMainServices& FServices;
    TFontNavne FNavne;
    TSprogTekster FTexts;
    TFont FFont;
};
