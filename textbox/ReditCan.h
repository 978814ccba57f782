#pragma once
#include "platform/Bitmap.h"
#include "platform/Types.h"
#include <QTextEdit>
#include <functional>

// The text box's rich-text field. Its visible area can be copied as a picture of what the
// user sees (without the caret), and it reports every key and mouse event after handling it,
// so that the window's controls can follow the text under the caret.
class TReditCan : public QTextEdit {
    Q_OBJECT
public:
    explicit TReditCan(QWidget* parent = nullptr);

    // The field's pixels in R (right and bottom inclusive), copied into the field's own
    // bitmap of (R.Right - R.Left + 1) x (R.Bottom - R.Top + 1), which is returned and stays
    // owned by the field. The pixels are those of the text area inside the frame. An empty
    // rectangle gives an empty bitmap.
    const TBitmap& BitmapCan(const TRect& R);
    // BitmapCan(R) put on the clipboard; False (and the clipboard untouched) when R is empty.
    bool KopierCan(const TRect& R);

    // The font of the selection (of the caret), with what it does not set itself taken from
    // the document's default font.
    QFont SelectionFont() const;

    // After every key down, key up, mouse down, mouse move and mouse up.
    std::function<void()> OnInput;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Input();

    TBitmap FBitmap;
};
