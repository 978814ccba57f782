#pragma once
#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A titled group of radio buttons whose item index is the chosen button's position, -1 for
// none. Clicked tells the index a user click chose; SetItemIndex does not tell.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(int itemCount, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const { return items_.value(index); }
    int Count() const { return int(items_.size()); }

signals:
    void Clicked(int index);

private:
    QButtonGroup* group_;
    QList<QRadioButton*> items_;
};
