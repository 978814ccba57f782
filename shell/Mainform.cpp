#include "shell/Mainform.h"
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

TMainform::TMainform(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Malvo"));
    resize(1000, 700);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    createMenus();
    createStatusBar();
}

void TMainform::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Filer"));
    QAction* exit = file->addAction(QStringLiteral("&Afslut"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void TMainform::createStatusBar()
{
    const int widths[3] = {160, 160, 0};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        if (widths[i] > 0) {
            panels_[i]->setMinimumWidth(widths[i]);
            statusBar()->addWidget(panels_[i]);
        } else {
            statusBar()->addWidget(panels_[i], 1);
        }
    }
}

QLabel* TMainform::StatusPanel(int index) const
{
    return index >= 0 && index < 3 ? panels_[index] : nullptr;
}

void TMainform::InfoHint(const QString& text)
{
    panels_[2]->setText(text);
}
