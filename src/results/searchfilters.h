#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace catalogue {
class Database;
}

namespace results {

// The names the lists show after the first layout: every type, and the
// cities of every type.
struct FirstLists
{
    QStringList types;
    QStringList cities;
};

// The filter band `shape` of the results window and its controls: the
// cascading lists of type, city and zone, the price bounds, the pool box and
// "Buscar". The lists are filled from the catalogue, and a list's text is
// always empty or one of its entries; the keys each control takes are its own
// (see eventFilter).
class SearchFilters : public QWidget
{
    Q_OBJECT

public:
    // The band at its design place on `parent`, its controls on it.
    explicit SearchFilters(QWidget *parent = nullptr);

    // Reads the first lists from `database`, on any thread; `cityClauses`
    // is MontaFiltro(false) of the band as the lists are filled. Throws
    // catalogue::CatalogueError when a list's statement fails.
    static FirstLists readFirstLists(catalogue::Database &database, const QString &cityClauses);
    // Fills the type list and the city list for every type.
    void showFirstLists(const FirstLists &lists);

    // While the catalogue is being read, the lists and "Buscar" take no
    // input (the price boxes and the pool box do).
    void setWaiting(bool waiting);

    // The filter clauses of the controls as they are now.
    QString MontaFiltro(bool IncluirTodo) const;

    // What only the tests reach: the band's controls.
    struct TestAccess
    {
        QComboBox *cbtipo;
        QComboBox *cbciudad;
        QComboBox *cbzona;
        QLineEdit *txtdesde;
        QLineEdit *txthasta;
        QCheckBox *chkpiscina;
        QPushButton *botbuscar;
    };
    TestAccess testAccess() const;

signals:
    void searchRequested(); // "Buscar", or Enter where Enter searches, once the lists are there

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CargaCiudades();
    void CargaZonas();
    bool cbtipo_KeyDown(const QKeyEvent *key);
    bool cbciudad_KeyDown(const QKeyEvent *key);
    bool cbzona_KeyDown(const QKeyEvent *key);
    // Entering the zone list before a city is chosen.
    void askForCity();
    void requestSearch();

    QComboBox *cbtipo;
    QComboBox *cbciudad;
    QComboBox *cbzona;
    QLineEdit *txtdesde;
    QLineEdit *txthasta;
    QCheckBox *chkpiscina;
    QPushButton *botbuscar;
    bool m_askingForCity = false; // the message is queued or on screen
};

} // namespace results
