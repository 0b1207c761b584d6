#pragma once

#include <memory>

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include "results/frmresul.h"

namespace resultstest {

using results::frmresul;

// One offer of a test catalogue.
struct Offer
{
    Offer(int key, double price, const QString &type = QStringLiteral("Piso"),
           const QString &city = QStringLiteral("Málaga"), const QString &zone = QStringLiteral("Centro"))
        : cod(key), precio(price), tipo(type), ciudad(city), zona(zone)
    {
    }

    int cod;
    double precio;
    QString tipo;
    QString ciudad;
    QString zona;
    bool piscinaProp = false;
    bool piscinaCom = false;
    QStringList photos; // its photos' paths, first photo first
};

// Offers 1 to n, offer i priced i thousand euros.
QList<Offer> consecutiveOffers(int n);

// A partner folder for one test: the catalogue of `ofertas` as the run's
// working copy, the program's folder and a second base folder, each empty
// but for what the test puts there, and the Spanish regional settings.
class ResultsFixture
{
public:
    explicit ResultsFixture(const QList<Offer> &offers);
    ~ResultsFixture();

    QString appFolder() const { return m_app.path(); }
    QString bdFolder() const { return m_bd.path(); }

    // The results window, created, shown and laid out at the first call.
    frmresul &window();

    template <typename Control>
    Control *control(const char *name)
    {
        return window().findChild<Control *>(QLatin1String(name));
    }

    // Presses "Buscar".
    void search();

private:
    QTemporaryDir m_app;
    QTemporaryDir m_bd;
    QTemporaryDir m_temp;
    std::unique_ptr<frmresul> m_window;
};

// While it lives, every record card that a click opens is closed at once:
// for tests of what a click hands on.
class CardsClosed : public QObject
{
public:
    CardsClosed();
    ~CardsClosed() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A JPEG of `size` in one colour at `path`, its folders made as needed.
void writePicture(const QString &path, QSize size, const QColor &colour = Qt::gray);

} // namespace resultstest
