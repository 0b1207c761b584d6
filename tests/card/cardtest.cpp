#include "cardtest.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "spanishlocale.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

namespace cardtest {

CardFixture::CardFixture(const QString &data)
{
    testsupport::pinSpanishLocale();
    QDir(m_root.path()).mkpath(QStringLiteral("app"));
    const QString catalogue =
        testsupport::writeCatalogue(m_root, testsupport::catalogueSchemaSql() + data, QStringLiteral("pinoverdes_"),
                                    QStringLiteral("20240517103000.mdb"));
    modcol::RutaApp = appFolder() + QLatin1Char('/');
    modcol::RutaBd.clear();
    modcol::RutaTemp = catalogue;
    modcol::BaseDatos.reset();
    modcol::AbreBaseDatos();
}

CardFixture::~CardFixture()
{
    modcol::BaseDatos.reset();
}

QString onePlaceRows()
{
    return QStringLiteral("INSERT INTO ciudad VALUES (1, 'Málaga');\n"
                          "INSERT INTO zonas VALUES (1, 'Centro');\n"
                          "INSERT INTO tipo VALUES (1, 'Piso', 'Flat');\n"
                          "INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');\n"
                          "INSERT INTO tipoori VALUES (1, 'Sur', 'South');\n");
}

int verFormu(const QString &where, int codigo, const std::function<void(card::frmficha &)> &act)
{
    card::frmficha ficha(nullptr);
    const WhenShown<card::frmficha> driver(act);
    return ficha.VerFormu(where, codigo);
}

QString box(const QWidget &ficha, int i)
{
    const QString name = QStringLiteral("txtcampo%1").arg(i);
    if (const auto *line = ficha.findChild<QLineEdit *>(name))
        return line->text();
    return ficha.findChild<QPlainTextEdit *>(name)->toPlainText();
}

void navigate(const QWidget &ficha, const char *navigator, const char *button, int times)
{
    auto *bar = ficha.findChild<QWidget *>(QLatin1String(navigator));
    auto *toolButton = bar->findChild<QToolButton *>(QLatin1String(button));
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(toolButton, Qt::LeftButton);
}

QColor pictureColour(const QLabel *box)
{
    const QPixmap picture = box->pixmap();
    if (picture.isNull())
        return QColor();
    const QColor colour = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    const auto near = [](int value) { return value < 40 ? 0 : value > 215 ? 255 : value; };
    return QColor(near(colour.red()), near(colour.green()), near(colour.blue()));
}

} // namespace cardtest
