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
    // The items stand one below the other, or side by side for Qt::Horizontal.
    TRadioGroup(int itemCount, QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

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
