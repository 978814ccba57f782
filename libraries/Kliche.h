#pragma once
#include "libraries/BibBox.h"
#include "platform/Bitmap.h"
#include <functional>

class QPushButton;
class TFilform;

// The cliché box: three fixed folders (the user's clichés, the clips saved from every copy, and
// the clichés the program ships, which are read-only), and saving the selected area of the
// active picture as a new cliché.
class TKlicheform : public TBibBox {
public:
    TKlicheform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);
    ~TKlicheform() override;

    // The three folders of the buttons, in order.
    QString KlicheBib;
    QString KlipbordBib;
    QString MedfolgendeBib;

    void SetSprog(bool Engelsk) override;
    void UpdateButtons() override;

    // Shows folder Nr (0 clichés, 1 personal clips, 2 included clips) and reloads.
    void BkKnapClick(int Nr);
    // "Indsæt som kliche": names a new cliché and saves the focus of the active picture.
    void GemKlicheClick();

    // The area of the picture's focus, exactly (the whole picture without a focus).
    static TBitmap FocusBitmap(TImagePic& Pic);
    // Writes the bitmap as a new BMP file; an existing file is never replaced. False when the
    // file could not be made or written (nothing is left behind then).
    static bool GemNyFil(const QString& Path, const TBitmap& Bitmap);

    QPushButton* MappeKnap[3] = {};
    QPushButton* GemKnap = nullptr;
    TFilform* Filform = nullptr;
    // Runs the file-name window; tests replace it so that no modal loop starts.
    std::function<bool(TFilform&)> RunFilform;

protected:
    QString HelpTopic() const override { return QStringLiteral("Klicheboks"); }
    QString VistNavn(const QString& Navn) const override;
    bool RapporterSletning() const override { return true; }

private:
    bool ViserMedfolgende() const;
};
