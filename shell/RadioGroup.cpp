#include "shell/RadioGroup.h"
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(int itemCount, QWidget* parent, Qt::Orientation orientation)
    : QGroupBox(parent), group_(new QButtonGroup(this))
{
    QBoxLayout* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                                     : new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < itemCount; ++i) {
        auto* item = new QRadioButton(this);
        item->setObjectName(QStringLiteral("item%1").arg(i));
        group_->addButton(item, i);
        layout->addWidget(item);
        items_.append(item);
    }
    connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
}

int TRadioGroup::ItemIndex() const
{
    return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* item = group_->button(index)) {
        item->setChecked(true);
        return;
    }
    group_->setExclusive(false);
    for (QRadioButton* item : items_)
        item->setChecked(false);
    group_->setExclusive(true);
}
