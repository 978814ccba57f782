#pragma once
#include "libraries/BibBox.h"
#include <functional>

class QPushButton;
class TBibform;

// The picture box: browses any folder, chosen in the choose-library window, with fields of
// 112 x 95 pixels; opens one or all of its pictures as new pictures.
class TGalForm : public TBibBox {
public:
    TGalForm(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);
    ~TGalForm() override;

    // The folder of the next "Bibliotek" (also the choose-library window's start folder).
    void SetGalBib(const QString& Dir);
    QString GalBib() const;
    bool MedStep = false;

    void SetSprog(bool Engelsk) override;
    void UpdateButtons() override;

    // "Bibliotek": reloads the folder and reports the count.
    void BibliotekClick();
    // "Nyt": the choose-library window, then a reload on the chosen folder.
    void NytClick();
    // "Åben alle": every file of the folder in field order.
    void AabenAlleClick();

    QPushButton* BibliotekKnap = nullptr;
    QPushButton* NytKnap = nullptr;
    QPushButton* AabenAlleKnap = nullptr;
    TBibform* Bibform = nullptr;
    // Runs the choose-library window; tests replace it so that no modal loop starts.
    std::function<bool(TBibform&)> RunBibform;
    // A new folder was chosen (the main window keeps it for the next run).
    std::function<void(const QString& Dir)> OnNytBibliotek;

protected:
    QString HelpTopic() const override { return QStringLiteral("Billedboks"); }
    bool SletSprog() const override;
    bool RapporterSletning() const override { return false; }
};
