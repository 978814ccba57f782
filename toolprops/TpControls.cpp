#include "toolprops/TpControls.h"
#include "colours/ColourControls.h"
#include "colours/ColorPan.h"
#include "util/AlmenX.h"
#include "widgets/Rulskakt.h"
#include <QHBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

TNumEdit::TNumEdit(TRule rule, int Min, int Max, QWidget* parent, const QString& suffix)
    : QLineEdit(parent), FRule(rule), FMin(Min), FMax(Max), FSuffix(suffix)
{
    FValue = std::clamp(0, FMin, FMax);
    Show(FValue);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) { Edited(t); });
    connect(this, &QLineEdit::editingFinished, this, &TNumEdit::Settle);
}

void TNumEdit::SetClampWhenDone(int MaxDigits)
{
    FMaxDigits = std::max(1, MaxDigits);
}

void TNumEdit::Settle()
{
    Show(FValue);
}

void TNumEdit::SetValue(int value)
{
    FValue = std::clamp(value, FMin, FMax);
    Show(FValue);
}

int TNumEdit::Filtered(const QString& Text) const
{
    bool ok = true;
    int v = 0;
    switch (FRule) {
    case nrByte: v = TAlmenX::EditByte(Text); break;
    case nrInteger: v = TAlmenX::EditInteger(Text, &ok); break;
    case nrPosInteger: v = TAlmenX::EditPosInteger(Text, &ok); break;
    }
    return ok ? std::clamp(v, FMin, FMax) : FValue;
}

void TNumEdit::Edited(const QString& Text)
{
    if (FMaxDigits > 0) {
        QString digits;
        for (const QChar ch : Text)
            if (ch.isDigit() && ch.unicode() < 128 && digits.size() < FMaxDigits)
                digits.append(ch);
        if (digits != Text) {
            const int caret = std::min<int>(cursorPosition(), digits.size());
            setText(digits);
            setCursorPosition(caret);
        }
        const int v = digits.isEmpty() ? FValue : std::clamp(digits.toInt(), FMin, FMax);
        const bool changed = v != FValue;
        FValue = v;
        if (changed && OnValue)
            OnValue(v);
        return;
    }
    const int v = Filtered(Text);
    // A lone minus sign or an emptied field of an integer edit is left while one types on.
    const bool interim = FRule == nrInteger && (Text.isEmpty() || Text == QLatin1String("-"));
    const bool changed = v != FValue;
    FValue = v;
    if (!interim)
        Show(v);
    if (changed && OnValue)
        OnValue(v);
}

void TNumEdit::Show(int value)
{
    const QString text = QString::number(value) + FSuffix;
    if (text != this->text())
        setText(text);
    setCursorPosition(text.size() - FSuffix.size());
}

TSliderRow::TSliderRow(int Min, int Max, bool editable, TRammeFeltX* buttons, TRammeX* thumb, QWidget* parent)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    Label = new QLabel(this);
    Label->setMinimumWidth(70);
    Bar = new TRulskakt(this);
    Bar->SetOrientering(coVandret);
    Bar->SetRammeKnap(buttons);
    Bar->SetRammePos(thumb);
    Bar->SetMedMark(true);
    Bar->SetPosVisible(1);
    Bar->SetPosKnapDim(true);
    Bar->SetPosKnapMin(10);
    Bar->SetPosMin(Min);
    Bar->SetPosMax(Max);
    Bar->setFixedHeight(17);
    Bar->setMinimumWidth(110);
    Field = new TNumEdit(TNumEdit::nrInteger, Min, Max, this);
    Field->setFixedWidth(40);
    Field->setReadOnly(!editable);
    row->addWidget(Label);
    row->addWidget(Bar, 1);
    row->addWidget(Field);
    // A repaint of the bar reports its position again: only a new value counts.
    Bar->OnPosition = [this](TObject*, int p) {
        if (FSetting || p == Field->Value())
            return;
        Field->SetValue(p);
        if (OnValue)
            OnValue(p);
    };
    Field->OnValue = [this](int v) {
        FSetting = true;
        Bar->SetPosition(v);
        FSetting = false;
        if (OnValue)
            OnValue(v);
    };
}

int TSliderRow::Value() const
{
    return Field->Value();
}

void TSliderRow::SetValue(int value)
{
    FSetting = true;
    Bar->SetPosition(value);
    FSetting = false;
    Field->SetValue(value);
}

void TSliderRow::SetCaption(const QString& text)
{
    Label->setText(text);
}

TColorPan* FieldPanel(QWidget* parent, const char* name, int fields)
{
    TColorPan* pan = ColourControls::NewHoldingPanel(parent, fields, 1, fields);
    pan->setObjectName(QLatin1String(name));
    for (int i = 0; i < fields; ++i)
        pan->InitFarveFelt(i, clWhite);
    pan->setFixedSize(25 * fields, 22);
    return pan;
}

QWidget* NumberButtonRow(QWidget* parent, const QList<int>& numbers, std::function<void(int)> click, int perRow)
{
    auto* w = new QWidget(parent);
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    for (int i = 0; i < numbers.size(); ++i) {
        const int n = numbers[i];
        auto* b = new QToolButton(w);
        b->setText(QString::number(n));
        b->setObjectName(QStringLiteral("Knap%1").arg(n));
        b->setFixedSize(24, 20);
        QObject::connect(b, &QToolButton::clicked, w, [click, n] { click(n); });
        grid->addWidget(b, i / perRow, i % perRow);
    }
    return w;
}
