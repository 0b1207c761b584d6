#include "resultsfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "catalogue/database.h"
#include "spanishlocale.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

namespace resultstest {
namespace {

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

// The keys of the distinct names, 1 onwards, and their rows.
QString lookupTable(const char *table, const QStringList &names)
{
    QStringList rows;
    for (int i = 0; i < names.size(); ++i)
        rows << QStringLiteral("(%1, %2)").arg(i + 1).arg(quoted(names[i]));
    return QStringLiteral("INSERT INTO %1 VALUES %2;\n").arg(QLatin1String(table), rows.join(QStringLiteral(", ")));
}

} // namespace

QList<Oferta> ofertasSeguidas(int n)
{
    QList<Oferta> ofertas;
    for (int i = 1; i <= n; ++i)
        ofertas.append(Oferta(i, i * 1000.0));
    return ofertas;
}

void writeCatalogue(const QList<Oferta> &ofertas, const QTemporaryDir &dir, const QString &fileName)
{
    QStringList tipos, ciudades, zonas;
    const auto add = [](QStringList &names, const QString &name) {
        if (!names.contains(name))
            names.append(name);
    };
    for (const Oferta &o : ofertas) {
        add(tipos, o.tipo);
        add(ciudades, o.ciudad);
        add(zonas, o.zona);
    }
    QString sql = testsupport::catalogueSchemaSql();
    sql += QStringLiteral("INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');\n"
                          "INSERT INTO tipoori VALUES (1, 'Sur', 'South');\n");
    if (!ofertas.isEmpty()) {
        sql += lookupTable("ciudad", ciudades) + lookupTable("zonas", zonas);
        QStringList tipoRows;
        for (int i = 0; i < tipos.size(); ++i)
            tipoRows << QStringLiteral("(%1, %2, NULL)").arg(i + 1).arg(quoted(tipos[i]));
        sql += QStringLiteral("INSERT INTO tipo VALUES %1;\n").arg(tipoRows.join(QStringLiteral(", ")));
    }
    int codFoto = 1;
    for (const Oferta &o : ofertas) {
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
        for (int orden = 0; orden < o.fotos.size(); ++orden) {
            sql += QStringLiteral("INSERT INTO fotos VALUES (%1, %2, %3, %4, 0);\n")
                       .arg(codFoto++)
                       .arg(o.cod)
                       .arg(quoted(o.fotos[orden]))
                       .arg(orden + 1);
        }
    }
    testsupport::writeCatalogue(dir, sql, QString(), fileName);
}

void writePicture(const QString &path, QSize size, const QColor &colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

ResultsFixture::ResultsFixture(const QList<Oferta> &ofertas)
{
    testsupport::pinSpanishLocale();
    writeCatalogue(ofertas, m_temp, QStringLiteral("20240517103000.mdb"));
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
