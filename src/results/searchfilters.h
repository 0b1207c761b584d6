#pragma once

#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace results {

// The filter band of the results window: the cascading lists of type, city
// and zone, the price bounds, the pool box and "Buscar". The lists are
// filled from the catalogue, and a list's text is always empty or one of its
// entries; the keys each control takes are its own (see eventFilter).
class SearchFilters : public QObject
{
    Q_OBJECT

public:
    // Places the band and its controls on `window` at their design positions.
    explicit SearchFilters(QWidget *window);

    // Fills the type list and the city list for every type. Throws
    // catalogue::CatalogueError when a list's statement fails.
    void fillTypeList();

    // The filter clauses of the controls as they are now.
    QString MontaFiltro(bool IncluirTodo) const;

signals:
    void buscar(); // "Buscar", or Enter where Enter searches

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CargaCiudades();
    void CargaZonas();
    bool cbtipo_KeyDown(const QKeyEvent *key);
    bool cbciudad_KeyDown(const QKeyEvent *key);
    bool cbzona_KeyDown(const QKeyEvent *key);
    // Entering the zone list before a city is chosen.
    void pideLocalidad();

    QWidget *m_window;
    QComboBox *m_cbtipo;
    QComboBox *m_cbciudad;
    QComboBox *m_cbzona;
    QLineEdit *m_txtdesde;
    QLineEdit *m_txthasta;
    QCheckBox *m_chkpiscina;
    QPushButton *m_botbuscar;
    bool m_pidiendoLocalidad = false; // the message is queued or on screen
};

} // namespace results
