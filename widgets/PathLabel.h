#pragma once
#include <QLabel>

// A label for a folder or file name: a name wider than the label is shown shortened with
// "..." in the middle, so it never widens its window; the whole name is the tool tip.
class TPathLabel : public QLabel {
public:
    explicit TPathLabel(QWidget* parent = nullptr);

    void SetPath(const QString& Path);
    const QString& Path() const { return path_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowElided();

    QString path_;
};
