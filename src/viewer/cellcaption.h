#pragma once

#include <QLabel>
#include <QStringList>

namespace viewer {

// A grid cell's caption: a line too long for the caption's width ends with
// "…" where it is cut, and the whole text then shows as its tool tip. Its
// text() stays whole.
class CellCaption : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The lines as they are drawn, in the caption's font and width as they
    // are now (a marked caption is bold and framed).
    QStringList shownLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect textRoom() const;
};

} // namespace viewer
