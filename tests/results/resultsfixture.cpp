#include "resultsfixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "catalogue/database.h"
#include "catalogue/sqltext.h"
#include "spanishlocale.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

namespace resultstest {
namespace {

// The names, keyed 1 onwards, as rows of a look-up table.
QString lookupRows(const char *table, const char *columns, const QStringList &names)
{
    QString sql;
    for (int i = 0; i < names.size(); ++i) {
        sql += QStringLiteral("INSERT INTO %1 (%2) VALUES (%3, %4);\n")
                   .arg(QLatin1String(table), QLatin1String(columns))
                   .arg(i + 1)
                   .arg(catalogue::textLiteral(names[i]));
    }
    return sql;
}

// The catalogue of `ofertas` as `fileName` in `dir`.
void writeCatalogue(const QList<Offer> &offers, const QTemporaryDir &dir, const QString &fileName)
{
    QStringList tipos, ciudades, zonas;
    const auto add = [](QStringList &names, const QString &name) {
        if (!names.contains(name))
            names.append(name);
    };
    for (const Offer &o : offers) {
        add(tipos, o.tipo);
        add(ciudades, o.ciudad);
        add(zonas, o.zona);
    }
    QString sql = testsupport::catalogueSchemaSql()
        + QStringLiteral("INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');\n"
                         "INSERT INTO tipoori VALUES (1, 'Sur', 'South');\n")
        + lookupRows("tipo", "Cod_Tipo, Tipo_Ofer", tipos) + lookupRows("ciudad", "Cod_Ciu, Ciudad", ciudades)
        + lookupRows("zonas", "Cod_Zona, Zona", zonas);
    int codFoto = 1;
    for (const Offer &o : offers) {
        sql += QStringLiteral("INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, "
                              "Conservacion, keyori, piscina_prop, piscina_com) VALUES (%1, 'R%1', %2, %3, %4, %5, "
                              "1, 1, %6, %7);\n")
                   .arg(o.cod)
                   .arg(tipos.indexOf(o.tipo) + 1)
                   .arg(ciudades.indexOf(o.ciudad) + 1)
                   .arg(zonas.indexOf(o.zona) + 1)
                   .arg(QString::number(o.precio, 'f', 2))
                   .arg(int(o.piscinaProp))
                   .arg(int(o.piscinaCom));
        for (int orden = 0; orden < o.photos.size(); ++orden) {
            sql += QStringLiteral("INSERT INTO fotos VALUES (%1, %2, %3, %4, 0);\n")
                       .arg(codFoto++)
                       .arg(o.cod)
                       .arg(catalogue::textLiteral(o.photos[orden]))
                       .arg(orden + 1);
        }
    }
    testsupport::writeCatalogue(dir, sql, QString(), fileName);
}

} // namespace

QList<Offer> consecutiveOffers(int n)
{
    QList<Offer> offers;
    for (int i = 1; i <= n; ++i)
        offers.append(Offer(i, i * 1000.0));
    return offers;
}

void writePicture(const QString &path, QSize size, const QColor &colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

ResultsFixture::ResultsFixture(const QList<Offer> &offers)
{
    testsupport::pinSpanishLocale();
    writeCatalogue(offers, m_temp, QStringLiteral("20240517103000.mdb"));
    modcol::RutaApp = m_app.path() + QLatin1Char('/');
    modcol::RutaBd = m_bd.path() + QLatin1Char('/');
    modcol::RutaTemp = m_temp.filePath(QStringLiteral("20240517103000.mdb"));
    modcol::NombreInmo = QStringLiteral("Inmobiliaria de prueba");
    modcol::BaseDatos.reset();
}

ResultsFixture::~ResultsFixture()
{
    m_window.reset();
    modcol::BaseDatos.reset();
}

frmresul &ResultsFixture::window()
{
    if (!m_window) {
        m_window = std::make_unique<frmresul>();
        m_window->show();
        // The catalogue opens once the window is on screen.
        if (!QTest::qWaitFor([] { return bool(modcol::BaseDatos); }))
            qFatal("the results window never opened its catalogue");
        QCoreApplication::processEvents();
    }
    return *m_window;
}

CardsClosed::CardsClosed()
{
    qApp->installEventFilter(this);
}

CardsClosed::~CardsClosed()
{
    qApp->removeEventFilter(this);
}

bool CardsClosed::eventFilter(QObject *watched, QEvent *event)
{
    auto *card = qobject_cast<QDialog *>(watched);
    if (card && event->type() == QEvent::Show && card->objectName() == QLatin1String("frmficha"))
        QMetaObject::invokeMethod(card, &QDialog::reject, Qt::QueuedConnection);
    return false;
}

void ResultsFixture::search()
{
    QTest::mouseClick(control<QPushButton>("botbuscar"), Qt::LeftButton);
}

} // namespace resultstest
