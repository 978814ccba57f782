// The zoom of the active document: commands in the View menu and on the tool line, the list
// of levels, the status bar's zoom panel and the pixel grid's toggle (kept in the settings file).
#include "appcore/Message.h"
#include "shell/Mainform.h"
#include "shell/ZoomView.h"
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

namespace {
const QString kGridKey = QStringLiteral("Zoom.Gitter");
} // namespace

void TMainform::BuildDocumentZoom()
{
    AZoomInd = NewAction("AZoomInd");
    AZoomInd->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                            QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    AZoomUd = NewAction("AZoomUd");
    AZoomUd->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    ANormalStr = NewAction("ANormalStr", QKeySequence(Qt::CTRL | Qt::Key_0));
    ATilpas = NewAction("ATilpas", QKeySequence(Qt::CTRL | Qt::Key_9));
    AGitter = NewAction("AGitter");
    AGitter->setCheckable(true);
    AGitter->setChecked(settings_.Value(kGridKey, QStringLiteral("1")) != QLatin1String("0"));
    connect(AZoomInd, &QAction::triggered, this, [this] { ZoomActive(ZoomLevels::Step(gForm_->Zoom(), 1)); });
    connect(AZoomUd, &QAction::triggered, this, [this] { ZoomActive(ZoomLevels::Step(gForm_->Zoom(), -1)); });
    connect(ANormalStr, &QAction::triggered, this, [this] { ZoomActive(1); });
    connect(ATilpas, &QAction::triggered, this, [this] { ZoomActive(gForm_->FittingZoom()); });
    connect(AGitter, &QAction::triggered, this, [this](bool shown) {
        settings_.SetValue(kGridKey, shown ? QStringLiteral("1") : QStringLiteral("0"));
        UpdateDocumentZoom();
    });
    Mvis->addSeparator();
    Mvis->addActions({AZoomInd, AZoomUd, ANormalStr, ATilpas, AGitter});
    texts_.AddCaptionHint(AZoomInd, "Zoom ind", "Vis billedet større: Ctrl++", "Zoom in",
                          "Show the picture larger: Ctrl++");
    texts_.AddCaptionHint(AZoomUd, "Zoom ud", "Vis billedet mindre: Ctrl+-", "Zoom out",
                          "Show the picture smaller: Ctrl+-");
    texts_.AddCaptionHint(ANormalStr, "Normal størrelse", "Vis billedet i 100 %: Ctrl+0", "Actual size",
                          "Show the picture at 100 %: Ctrl+0");
    texts_.AddCaptionHint(ATilpas, "Tilpas til vinduet", "Vis hele billedet i vinduet: Ctrl+9", "Fit to window",
                          "Show the whole picture in the window: Ctrl+9");
    texts_.AddCaptionHint(AGitter, "Pixelgitter", "Vis et gitter mellem pixels fra 800 %", "Pixel grid",
                          "Show a grid between pixels from 800 %");

    // The tool line: the four commands and the list of levels beside its pages.
    auto* row = new QWidget(bogLinje);
    row->setObjectName(QStringLiteral("zoomLinje"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QAction* action : {AZoomUd, AZoomInd, ANormalStr, ATilpas}) {
        auto* button = new QToolButton(row);
        button->setDefaultAction(action);
        layout->addWidget(button);
    }
    ZoomBox = new QComboBox(row);
    ZoomBox->setObjectName(QStringLiteral("zoomBox"));
    for (double level : ZoomLevels::All())
        ZoomBox->addItem(QString(), level);
    connect(ZoomBox, &QComboBox::activated, this, [this](int index) { ZoomActive(ZoomBox->itemData(index).toDouble()); });
    layout->addWidget(ZoomBox);
    bogLinje->setCornerWidget(row, Qt::TopRightCorner);
    texts_.Add(ZoomBox, TTextTable::tkHint, "Billedets forstørrelse", "The picture's zoom");

    ZoomPanel = new QLabel(this);
    ZoomPanel->setObjectName(QStringLiteral("zoomPanel"));
    ZoomPanel->setFrameShape(QFrame::Panel);
    ZoomPanel->setFrameShadow(QFrame::Sunken);
    statusBar()->addPermanentWidget(ZoomPanel);
    UpdateDocumentZoom();
}

void TMainform::ZoomActive(double zoom)
{
    if (!gForm_)
        return;
    gForm_->SetZoom(zoom);
    UpdateDocumentZoom();
}

void TMainform::UpdateDocumentZoom()
{
    if (!ZoomPanel)
        return;
    const bool engelsk = Engelsk();
    const double zoom = gForm_ ? gForm_->Zoom() : 1;
    for (QAction* action : {AZoomInd, AZoomUd, ANormalStr, ATilpas})
        action->setEnabled(gForm_ != nullptr);
    ZoomBox->setEnabled(gForm_ != nullptr);
    for (int i = 0; i < ZoomBox->count(); ++i) {
        const QString text = ZoomLevels::Text(ZoomBox->itemData(i).toDouble(), engelsk);
        if (ZoomBox->itemText(i) != text)
            ZoomBox->setItemText(i, text);
        if (ZoomBox->itemData(i).toDouble() == zoom)
            ZoomBox->setCurrentIndex(i);
    }
    // Without a document the panel shows its name alone, like "X:" and "Y:" beside it.
    const QString name = Sprogtekst(engelsk, QStringLiteral("Forstørrelse:"), QStringLiteral("Zoom:"));
    ZoomPanel->setText(gForm_ ? name + QLatin1Char(' ') + ZoomLevels::Text(zoom, engelsk) : name);
    for (TMalvoform* form : Documents())
        form->ZoomView->SetGrid(AGitter->isChecked());
}
