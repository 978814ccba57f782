#pragma once
#include <QWidget>
#include <functional>

class TTopicList;

// The topic lists of the tool book's page "Information": the chapter list menuBox and the
// sub-list itemBox of the chosen chapter. Clicking a chapter opens its topic and shows its
// sub-list; clicking a sub-list entry opens that topic. Opening goes through OnTopic.
class THelpTopicPage : public QWidget {
    Q_OBJECT
public:
    explicit THelpTopicPage(QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Selects chapter row aIndex and fills the sub-list with its entries (an empty or unknown
    // row leaves both lists as they are).
    void setItemBox(int aIndex);
    // A click on chapter row Row (an empty row does nothing) and on sub-list row Row.
    void menuBoxClick(int Row);
    void itemBoxClick(int Row);
    // The chapter row shown, -1 before the first.
    int ItemBoxChapter() const { return FChapter; }

    TTopicList* menuBox() const { return FMenuBox; }
    TTopicList* itemBox() const { return FItemBox; }

    std::function<void(const QString& Topic)> OnTopic;

private:
    void FillMenuBox();
    void FillItemBox();

    TTopicList* FMenuBox = nullptr;
    TTopicList* FItemBox = nullptr;
    int FChapter = -1;
    bool FEngelsk = false;
};
