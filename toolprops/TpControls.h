#pragma once
#include "widgets/RammeX.h"
#include <QLineEdit>
#include <QWidget>
#include <climits>
#include <functional>

class QLabel;
class TRulskakt;

// A numeric edit field of the tool properties: every change of its text runs one number rule
// and writes the result back, so the field never holds invalid text. Text the rule refuses (a
// number beyond 32 bits) brings the previous value back. The value is clamped to Min .. Max;
// an optional suffix ("%") follows the digits and the caret stays in front of it.
class TNumEdit : public QLineEdit {
public:
    enum TRule { nrByte, nrInteger, nrPosInteger };

    TNumEdit(TRule rule, int Min, int Max, QWidget* parent = nullptr, const QString& suffix = {});

    int Value() const { return FValue; }
    // Shows the value (clamped) without reporting it.
    void SetValue(int value);
    // Typing keeps at most MaxDigits digits and nothing else, and the clamp waits until the
    // value is applied or the edit is left: a range such as 2 ... 64 can then be typed digit
    // by digit. Value() is always the clamped value.
    void SetClampWhenDone(int MaxDigits);
    // Writes the value into the edit when the text shows anything else (after typing).
    void Settle();
    // What typing Text would leave: the rule, the clamp, or the old value for refused text.
    int Filtered(const QString& Text) const;

    // Told after the user changed the value.
    std::function<void(int Value)> OnValue;

private:
    void Edited(const QString& Text);
    void Show(int value);

    TRule FRule;
    int FMin, FMax;
    QString FSuffix;
    int FValue = 0;
    int FMaxDigits = 0; // 0: the clamp runs at every key
};

// A labelled slider with a number field beside it: either a read-only field that follows the
// slider, or an edit that moves the slider. Only a change by the user is reported; setting
// the value from the program, or repainting, reports nothing.
class TSliderRow : public QWidget {
public:
    TSliderRow(int Min, int Max, bool editable, TRammeFeltX* buttons, TRammeX* thumb, QWidget* parent = nullptr);

    int Value() const;
    void SetValue(int value);
    void SetCaption(const QString& text);

    TRulskakt* Bar = nullptr;
    TNumEdit* Field = nullptr;
    QLabel* Label = nullptr;
    std::function<void(int Value)> OnValue;

private:
    bool FSetting = false;
};

class TColorPan;
// A panel of a few colour fields in a row whose colours the program sets (clicks only report).
TColorPan* FieldPanel(QWidget* parent, const char* name, int fields);

// A row of small buttons captioned with the numbers; a click passes its number on.
QWidget* NumberButtonRow(QWidget* parent, const QList<int>& numbers, std::function<void(int)> click,
                         int perRow = 20);
