#include "shell/NytPage.h"
#include <QHBoxLayout>
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "platform/Bitmap.h"
#include "util/AlmenX.h"
#include <QCheckBox>
#include <QComboBox>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

enum { kLabelBredde, kLabelHojde, kLabelAntal, kLabelMargenL, kLabelMargenV, kLabelFiltype };

const char* const kLabelsDansk[] = {"Bredde", "Højde", "Antal billeder", "Venstre margen", "Top margen", "Filtype"};
const char* const kLabelsEngelsk[] = {"Width", "Height", "Number of pictures", "Left margin", "Top margin",
                                      "File type"};

// A field keeps only a number while one types (an empty field stays empty, so a new number
// can be typed).
void KeepDigits(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        if (text.isEmpty())
            return;
        bool ok = false;
        const int value = TAlmenX::EditPosInteger(text, &ok);
        const QString cleaned = ok ? QString::number(value) : QString();
        if (cleaned != text)
            edit->setText(cleaned);
    });
}

// The field's text as a whole number, or False.
bool FieldNumber(const QLineEdit* edit, int& value)
{
    bool ok = false;
    value = edit->text().trimmed().toInt(&ok);
    return ok;
}

} // namespace

TNytPage::TNytPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NytPage"));
    // Three columns: the fields, the file type with the command, the size buttons.
    auto* row = new QHBoxLayout(this);
    FRow = row;
    FFields = new QGridLayout;
    row->addLayout(FFields);
    Edit1 = AddField(QStringLiteral("400"), kLabelBredde);
    Edit2 = AddField(QStringLiteral("200"), kLabelHojde);
    Edit3 = AddField(QStringLiteral("1"), kLabelAntal);
    Edit4 = AddField(QStringLiteral("12"), kLabelMargenL);
    Edit5 = AddField(QStringLiteral("12"), kLabelMargenV);
    FFields->setRowStretch(kLabelMargenV + 1, 1);

    auto* middle = new QVBoxLayout;
    row->addLayout(middle);
    FLabels[kLabelFiltype] = new QLabel(this);
    middle->addWidget(FLabels[kLabelFiltype]);
    filtypeBox = new QComboBox(this);
    filtypeBox->setObjectName(QStringLiteral("filtypeBox"));
    filtypeBox->addItems({QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("ico")});
    filtypeBox->setCurrentIndex(0);
    middle->addWidget(filtypeBox);
    palCheck = new QCheckBox(QStringLiteral("Open palette width 16 colors"), this);
    palCheck->setObjectName(QStringLiteral("palCheck"));
    palCheck->setVisible(false);
    middle->addWidget(palCheck);
    connect(filtypeBox, &QComboBox::currentIndexChanged, palCheck, [this](int index) { palCheck->setVisible(index == 2); });
    NewButton = new QToolButton(this);
    NewButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    middle->addWidget(NewButton);
    middle->addStretch(1);

    auto* sizes = new QGridLayout;
    row->addLayout(sizes);
    const int sides[] = {16, 32, 64, 100, 200, 400};
    for (int i = 0; i < 6; ++i) {
        const QString side = QString::number(sides[i]);
        auto* button = new QPushButton(side + QLatin1Char('x') + side, this);
        connect(button, &QPushButton::clicked, this, [this, side] {
            Edit1->setText(side);
            Edit2->setText(side);
        });
        sizes->addWidget(button, i % 3, i / 3);
        FSizeButtons.append(button);
    }
    sizes->setRowStretch(3, 1);
    row->addStretch(1);
    SetSprog(false);
}

void TNytPage::AddColumn(QWidget* column)
{
    // Before the stretch that closes the row.
    FRow->insertWidget(FRow->count() - 1, column);
}

QLineEdit* TNytPage::AddField(const QString& text, int row)
{
    FLabels[row] = new QLabel(this);
    FFields->addWidget(FLabels[row], row, 0);
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
    edit->setMaximumWidth(90);
    KeepDigits(edit);
    FFields->addWidget(edit, row, 1);
    return edit;
}

int TNytPage::FiltypeIndex() const
{
    return filtypeBox->currentIndex();
}

void TNytPage::ShowOptions(const TOptions& Opt)
{
    Edit1->setText(QString::number(Opt.GBredde));
    Edit2->setText(QString::number(Opt.GHojde));
    Edit3->setText(QStringLiteral("1"));
    Edit4->setText(QString::number(Opt.GMargenL));
    Edit5->setText(QString::number(Opt.GMargenV));
}

void TNytPage::SetSprog(bool Engelsk)
{
    for (int i = 0; i < 6; ++i)
        FLabels[i]->setText(QString::fromUtf8(Engelsk ? kLabelsEngelsk[i] : kLabelsDansk[i]));
}

bool TNytPage::ReadRequest(bool Engelsk, TNewPictureRequest& Request, QString& Message) const
{
    const QLineEdit* fields[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    int* values[] = {&Request.Bredde, &Request.Hojde, &Request.Antal, &Request.MargenL, &Request.MargenV};
    for (int i = 0; i < 5; ++i) {
        if (!FieldNumber(fields[i], *values[i])) {
            const QString label = FLabels[i]->text();
            Message = Sprogtekst(Engelsk, QStringLiteral("Feltet \"%1\" skal indeholde et helt tal!"),
                                 QStringLiteral("The field \"%1\" must hold a whole number!"))
                          .arg(label);
            return false;
        }
    }
    if (!TBitmap::SizeAllowed(Request.Bredde, Request.Hojde)) {
        Message = PictureSizeMessage(Engelsk);
        return false;
    }
    if (Request.MargenL < 0 || Request.MargenL > kMaxMargen || Request.MargenV < 0 || Request.MargenV > kMaxMargen) {
        Message = Sprogtekst(Engelsk, QStringLiteral("En margen skal være fra 0 til %1 pixels!"),
                             QStringLiteral("A margin must be from 0 to %1 pixels!"))
                      .arg(kMaxMargen);
        return false;
    }
    if (Request.Antal < 0 || Request.Antal > kMaxAntal) {
        Message = Sprogtekst(Engelsk, QStringLiteral("Antal billeder skal være fra 0 til %1!"),
                             QStringLiteral("The number of pictures must be from 0 to %1!"))
                      .arg(kMaxAntal);
        return false;
    }
    return true;
}
