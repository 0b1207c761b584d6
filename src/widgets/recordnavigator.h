#pragma once

#include <array>
#include <memory>

#include <QPointer>
#include <QWidget>

class QLabel;
class QToolButton;

namespace catalogue {
class Recordset;
}

namespace modcol {

// The data control's bar: first, previous, caption, next, last. It owns a
// record set handed to it, or follows one that another object owns, and
// relays the set's Reposition, whether the move came from its buttons or
// from code. The buttons stop at the first and the
// last row; Tab reaches them, and Space or Enter presses the one with the
// focus. Beside its caption it shows where the set stands ("Fotos 2 de 9"),
// on a second line where one is too narrow. Its arrow buttons are narrow,
// sized from the bar's height, so that the caption keeps most of a small
// bar, and the caption shows whole: where the bar's font is too large for
// the room left, it is drawn smaller.
class RecordNavigator : public QWidget
{
    Q_OBJECT

public:
    enum Step { First, Previous, Next, Last };

    explicit RecordNavigator(QWidget *parent = nullptr);
    ~RecordNavigator() override;

    // Takes the set, moves it to its first row and so raises Reposition once;
    // an empty set raises it once too, with no current row.
    void setRecordset(std::unique_ptr<catalogue::Recordset> recordset);
    // The same for a set that another object owns; the bar forgets it when
    // it is destroyed.
    void setRecordset(catalogue::Recordset &recordset);
    catalogue::Recordset *recordset() const;

    void setCaption(const QString &caption);

    // What the button of `step` does, for a window's keys; nothing while the
    // bar is disabled.
    void step(Step step);

signals:
    void Reposition();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bind(catalogue::Recordset *recordset);
    void addButton(Step step, const QString &name, const QString &toolTip);
    void placeControls();
    void relayReposition();
    void showPosition();
    void fitCaption();
    bool hasRows() const;
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();

    std::unique_ptr<catalogue::Recordset> m_owned;
    QPointer<catalogue::Recordset> m_recordset; // m_owned's, or one bound without it
    std::array<QToolButton *, 4> m_buttons{}; // in Step order
    QLabel *m_caption = nullptr;
    QString m_captionText;
    QString m_position; // "2 de 9"; empty without a current row
};

} // namespace modcol
