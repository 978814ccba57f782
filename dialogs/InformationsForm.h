#pragma once
#include "dialogs/HelpHistory.h"
#include <QWidget>
#include <functional>

class QLabel;
class QTextBrowser;
class QToolButton;
class QUrl;

// The help window: an HTML viewer over the help pages in the help folder, with a history of
// the pages visited (first, back, forward, last, clear "Nulstil: N"), three buttons for the
// tool chapters and a status line that shows the address of the link under the mouse and the
// hints of the window's own controls. Links to other pages open in the window; web addresses
// go to the desktop's browser. The window keeps its left, top and height in Information.txt.
class TinformationsForm : public QWidget {
    Q_OBJECT
public:
    // InfoDir is the help folder (ending in "/"), PlaceFile the path of Information.txt.
    TinformationsForm(const QString& InfoDir, const QString& PlaceFile, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Shows the page aHjemmeside (a file name in the help folder). A missing page shows a
    // notice instead and is not added to the history.
    void LoadHjemmeside(const QString& aHjemmeside);

    const THelpHistory& History() const { return FHistory; }
    // The file shown, empty while a notice is shown.
    QString CurrentFile() const { return FCurrentFile; }

    QTextBrowser* Browser() const { return FBrowser; }
    QLabel* StatusLine() const { return FStatus; }
    QToolButton* FirstKnap() const { return FFirst; }
    QToolButton* BackKnap() const { return FBack; }
    QToolButton* ForwardKnap() const { return FForward; }
    QToolButton* LastKnap() const { return FLast; }
    QToolButton* NulstilKnap() const { return FNulstil; }
    // The three chapter buttons "Tegneredskaber", "Specialredskaber", "Multifarveredskaber".
    QToolButton* ChapterKnap(int i) const { return FChapterKnap[i]; }

    // Opens a web address in the desktop's browser; tests replace it.
    std::function<bool(const QUrl&)> OpenUrl;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QToolButton* NewKnap(const char* Name);
    // Shows the file Path; Record adds it to the history. False (and a notice) when missing.
    bool ShowPage(const QString& Path, bool Record);
    void ShowNotice();
    void LinkClicked(const QUrl& Link);
    void LinkHovered(const QUrl& Link);
    void GoTo(const QString& Entry);
    void NulstilClick();
    void UpdateKnapper();

    QString FInfoDir;
    QString FPlaceFile;
    THelpHistory FHistory;
    QString FCurrentFile;
    QString FMissingPage; // the page named by the notice shown, empty while a page is shown
    bool FEngelsk = false;
    bool FPlaced = false;

    QTextBrowser* FBrowser = nullptr;
    QLabel* FStatus = nullptr;
    QToolButton *FFirst = nullptr, *FBack = nullptr, *FForward = nullptr, *FLast = nullptr, *FNulstil = nullptr;
    QToolButton* FChapterKnap[3] = {};
};
