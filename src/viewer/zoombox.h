#pragma once

#include <QLineEdit>

namespace viewer {

// The single view's zoom box (`TxtZoom`): a percentage of the fitted photo
// from 10 to 100, digits only, typed or pasted, three at most. Enter and
// leaving the box apply it; Enter presses no button.
class ZoomBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ZoomBox(QWidget *parent);

    // The percentage the box says, its text made to say it: above 100 reads
    // 100, below 10 reads 10, and an empty box `whenEmpty`.
    int percent(const QString &whenEmpty);

signals:
    void entered();
    // The user moved the focus away: not a window deactivated, a drop-down
    // opened or a window closing.
    void left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace viewer
