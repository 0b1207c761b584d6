#pragma once

#include <limits>
#include <memory>
#include <vector>

#include <QObject>
#include <QStringList>
#include <QVariant>

#include "catalogue/field.h"

namespace catalogue {

class RecordRows;

// The rows of a statement, read as the moves reach them (so the first rows
// of a large result are there at once; RecordCount and MoveLast read them
// all) and each value decoded only when it is read, with the cursor
// operations the windows use. The current row moves with MoveFirst,
// MoveNext, MovePrevious, MoveLast, Move and FindFirst; MoveNext and
// MovePrevious may leave the rows (EOF or BOF, no current row). Every
// successful move raises Reposition, also one onto the row already current
// and one onto no row; a FindFirst that finds nothing does not move.
class Recordset : public QObject
{
    Q_OBJECT

public:
    // `values` holds the rows one after the other, names.size() values each.
    Recordset(const QStringList &names, std::vector<QVariant> values, QObject *parent = nullptr);
    // The engine's own: rows it keeps in their stored form.
    Recordset(const QStringList &names, std::shared_ptr<RecordRows> rows, QObject *parent = nullptr);
    ~Recordset() override;

    // Another set on the same rows, read once for both, with a cursor of
    // its own on the first row.
    std::unique_ptr<Recordset> Clone() const;

    // MoveFirst and MoveLast throw CatalogueError on an empty set, MoveNext
    // at EOF, MovePrevious at BOF and Move without a current row. Move past
    // either end stops at EOF or BOF.
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    void Move(int rows);

    // The first row whose column equals the number ("ofertas.cod_ofer=12").
    // Throws for a criterion of another form or an unknown column.
    void FindFirst(const QString &criterion);
    bool NoMatch() const { return m_noMatch; }

    bool Eof() const;
    bool Bof() const;
    int RecordCount() const { return int(rowsTo(AllRows)); }
    // 0-based; -1 without a current row.
    int AbsolutePosition() const { return hasCurrentRow() ? int(m_position) : -1; }

    int FieldCount() const { return int(m_names.size()); }
    // A field's name needs no current row; throws when out of range.
    QString FieldName(int index) const;
    // Throw when out of range, unknown (names compare without case), or
    // when there is no current row.
    Field Fields(int index) const;
    Field Fields(const QString &name) const;

signals:
    void Reposition();

private:
    static constexpr qsizetype AllRows = std::numeric_limits<qsizetype>::max() - 1;

    // The rows there are once row `row` is read, or all of them if there
    // are not that many.
    qsizetype rowsTo(qsizetype row) const;
    bool hasCurrentRow() const { return m_position >= 0 && m_position < rowsTo(m_position); }
    void requireCurrentRow() const;
    int fieldIndex(const QString &name) const;
    void moveTo(qsizetype position);

    QStringList m_names;
    std::shared_ptr<RecordRows> m_rows;
    qsizetype m_position = -1; // -1 is BOF (or no row at all), the row count is EOF
    bool m_noMatch = false;
};

} // namespace catalogue
