#pragma once

#include <memory>

#include <QStyle>
#include <QWidget>

class QLabel;
class QToolButton;

namespace catalogue {
class Recordset;
}

namespace modcol {

// The data control's bar: first, previous, caption, next, last. It owns the
// record set bound to it and relays the set's Reposition, whether the move
// came from its buttons or from code. The buttons stop at the first and the
// last row.
class RecordNavigator : public QWidget
{
    Q_OBJECT

public:
    explicit RecordNavigator(QWidget *parent = nullptr);
    ~RecordNavigator() override;

    // Takes the set, moves it to its first row and so raises Reposition once;
    // an empty set raises it once too, with no current row.
    void setRecordset(std::unique_ptr<catalogue::Recordset> recordset);
    catalogue::Recordset *recordset() const { return m_recordset.get(); }

    void setCaption(const QString &caption);
    QString caption() const;

signals:
    void Reposition();

private:
    QToolButton *addButton(QStyle::StandardPixmap icon, const QString &name, const QString &toolTip);
    bool hasRows() const;
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();

    std::unique_ptr<catalogue::Recordset> m_recordset;
    QLabel *m_caption = nullptr;
};

} // namespace modcol
