// The program's statements, exactly as the windows send them, on a small
// catalogue with the full schema: their rows, order and field values.

#include <thread>

#include <QTemporaryDir>
#include <QTest>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/tablepreload.h"
#include "recordsetrows.h"
#include "spanishlocale.h"
#include "statements/statements.h"
#include "testcatalogue.h"

using namespace catalogue;
using namespace modcol;

namespace {

// File order of the offers: 5 3 9 4 8 6 7 0. Offer 4 has no conservation
// row, offer 7 no zone row, offer 0 is not a real offer (key 0); 9, 4 and 8
// share a price. Offer 9 has no photos; photo 103 is hidden from the viewer;
// offer 5's photos are stored in neither key nor orden order, two of them
// of one orden.
const char *const Data = R"sql(
INSERT INTO ciudad VALUES (1, 'Málaga'), (2, 'MARBELLA'), (3, 'L''Alfàs del Pi'), (4, 'Nerja');
INSERT INTO zonas VALUES (10, 'Centro'), (11, 'Playa de l''Albir'), (12, 'Levante'), (13, 'Huérfana');
INSERT INTO tipo VALUES (20, 'Piso', 'Flat'), (21, 'Chalet', 'Villa'), (22, 'Ático', 'Penthouse'), (23, 'Solar', 'Plot');
INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New'), (2, 'Reformado', 'Refurbished');
INSERT INTO tipoori VALUES (1, 'Sur', 'South'), (2, 'Norte', 'North');
INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, keyori, piscina_prop, piscina_com, salon) VALUES
    (5, 'MA/5', 20, 1, 10, 250000, 1, 1, 1, 0, 2),
    (3, 'MB/3', 21, 2, 12, 900000, 2, 2, 0, 1, NULL),
    (9, 'AL/9', 22, 3, 11, 150000, 1, 1, 0, 0, 1),
    (4, 'MA/4', 20, 1, 12, 150000, 9, 1, 0, 0, 1),
    (8, 'MB/8', 20, 2, 10, 150000, 2, 2, 0, 0, 1),
    (6, 'MA/6', 21, 1, 10, 1234567.6, 1, 1, 0, 0, 3),
    (7, 'NE/7', 20, 4, 99, 100000, 1, 1, 0, 0, 1),
    (0, 'MA/0', 20, 1, 10, 50000, 1, 1, 0, 0, 1);
INSERT INTO fotos VALUES
    (103, 5, 'fotos\5_c.jpg', 2, 1),
    (102, 5, 'fotos\5_b.jpg', 1, 0),
    (101, 5, 'fotos\5_a.jpg', 2, 0),
    (104, 3, 'fotos\3_a.jpg', 1, 1),
    (105, 6, 'fotos\6_a.jpg', 1, 0);
INSERT INTO auxcalid VALUES ('garaje', 'Garaje'), ('calefaccion', 'Calefacción'), ('ascensor', 'Ascensor');
)sql";

const QString Password = QStringLiteral("pinoverdes_");

// One column of every row, as text, joined by blanks.
QString column(Recordset &recordset, const QString &name)
{
    return testsupport::fieldTexts(recordset, name).join(u' ');
}

} // namespace

class TestStatements : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        testsupport::pinSpanishLocale();
        QVERIFY(m_dir.isValid());
        const QString path = testsupport::writeCatalogue(
            m_dir, testsupport::catalogueSchemaSql() + QString::fromUtf8(Data), Password);
        m_db = Database::OpenDatabase(path, QStringLiteral(";PWD=") + Password);
        // The photo statements below read a photos table loaded on another
        // thread, as the program loads it, and taken in afterwards.
        std::unique_ptr<TablePreload> photos = m_db->preload(QStringLiteral("FOTOS"));
        QVERIFY(photos);
        std::thread([&photos] { photos->run(); }).join();
        m_db->adopt(*photos);
        QVERIFY(!m_db->preload(QStringLiteral("fotos")));
    }

    // A preload that a statement overtook leaves the table as that statement loaded it.
    void preloadOvertaken()
    {
        std::unique_ptr<TablePreload> qualities = m_db->preload(QStringLiteral("auxcalid"));
        qualities->run();
        QCOMPARE(m_db->OpenRecordset(qualitiesStatement())->RecordCount(), 3);
        m_db->adopt(*qualities);
        QCOMPARE(m_db->OpenRecordset(qualitiesStatement())->RecordCount(), 3);
    }

    // One column of every row (the first where none is named), as the
    // windows read it: a Null reads as an empty text.
    void answers_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        // Accents sort with their letter (Ático first), names compare without case.
        QTest::newRow("types") << typeListStatement() << "" << "Ático|Chalet|Piso";
        QTest::newRow("cities of a type") << cityListStatement(" and tipo.tipo_ofer='Piso'  ") << "" << "Málaga|MARBELLA";
        QTest::newRow("cities, blank filter") << cityListStatement(" ") << "" << "L'Alfàs del Pi|Málaga|MARBELLA";
        QTest::newRow("zones of a re-cased city") << zoneListStatement(" and ciudad.ciudad='Marbella'  ") << ""
                                                  << "Centro|Levante";
        QTest::newRow("zones of a city with an apostrophe")
            << zoneListStatement(" and ciudad.ciudad='L''alfàs del pi'  ") << "" << "Playa de l'Albir";
        QTest::newRow("card, state of repair") << cardStatement(5) << "TXTCONSER" << "Nuevo";
        QTest::newRow("card, city") << cardStatement(5) << "ciudad" << "Málaga";
        QTest::newRow("card, Null detail") << cardStatement(5) << "BAÑOS" << "";
        // Offer 4 (no conservation row) is on the card, with that name Null.
        QTest::newRow("card, no state of repair") << cardStatement(4) << "txtconser" << "";
        QTest::newRow("card, orientation") << cardStatement(4) << "orientacion" << "Sur";
        QTest::newRow("first photo") << firstPhotoStatement(5) << "Ruta" << "fotos\\5_b.jpg|fotos\\5_a.jpg|fotos\\5_c.jpg";
        QTest::newRow("no photo") << firstPhotoStatement(9) << "Ruta" << "";
        QTest::newRow("card, hidden ones too, ties in file order") << cardPhotosStatement(5) << "CodFoto" << "102|103|101";
        QTest::newRow("extraction, file order") << extractionPhotosStatement(5) << "CodFoto" << "103|102|101";
        QTest::newRow("viewer, hidden left out") << viewerPhotosStatement(5) << "CodFoto" << "102|101";
        QTest::newRow("viewer, all hidden") << viewerPhotosStatement(3) << "CodFoto" << "";
        QTest::newRow("viewer, formatted price") << viewerPhotosStatement(6) << "precio" << "1.234.568 eur";
        QTest::newRow("qualities, file order") << qualitiesStatement() << "nbcampo" << "garaje|calefaccion|ascensor";
    }
    void answers()
    {
        QFETCH(QString, statement);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(testsupport::fieldTexts(*m_db->OpenRecordset(statement), field).join(u'|'), expected);
    }

    void search_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("keys");
        // Equal prices (9, 4, 8) come by key; offer 0 is no real offer.
        QTest::newRow("no filter") << QStringLiteral(" ") << QStringLiteral("4 8 9 5 3 6");
        QTest::newRow("type") << QStringLiteral(" and tipo.tipo_ofer='Piso'  ") << QStringLiteral("4 8 5");
        QTest::newRow("city, other case") << QStringLiteral(" and ciudad.ciudad='Marbella'  ") << QStringLiteral("8 3");
        QTest::newRow("zone with an apostrophe") << QStringLiteral(" and zonas.zona='Playa de l''albir'  ")
                                                 << QStringLiteral("9");
        QTest::newRow("price bounds with leading zeros")
            << QStringLiteral(" and ofertas.precioinmo>=0100000 and ofertas.precioinmo<=0250000 ")
            << QStringLiteral("4 8 9 5");
        QTest::newRow("lower bound above upper")
            << QStringLiteral(" and ofertas.precioinmo>=300000 and ofertas.precioinmo<=100000 ") << QString();
        QTest::newRow("pool") << QStringLiteral(" and (ofertas.piscina_prop=true or ofertas.piscina_com=true) ")
                              << QStringLiteral("5 3");
        QTest::newRow("everything") << QStringLiteral(" and tipo.tipo_ofer='piso'  and ciudad.ciudad='málaga' "
                                                      " and zonas.zona='centro'  and ofertas.precioinmo>=100000 and "
                                                      "(ofertas.piscina_prop=true or ofertas.piscina_com=true) ")
                                    << QStringLiteral("5");
    }
    // The record card walks the offers of the result pages, in their order.
    void search()
    {
        QFETCH(QString, filter);
        QFETCH(QString, keys);
        QCOMPARE(column(*m_db->OpenRecordset(searchStatement(filter)), QStringLiteral("cod_ofer")), keys);
        QCOMPARE(column(*m_db->OpenRecordset(cardOffersStatement(filter)), QStringLiteral("Cod_Ofer")), keys);
    }

    void failingStatementsThrow_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("pasted letters in a price")
            << searchStatement(QStringLiteral(" and ofertas.precioinmo>=12a3 "));
        QTest::newRow("unknown table") << QStringLiteral("select * from inexistente");
        QTest::newRow("unknown column") << QStringLiteral("select nada from fotos");
        QTest::newRow("empty") << QStringLiteral("  ");
        QTest::newRow("unterminated literal") << QStringLiteral("select \"abc from tipo");
        QTest::newRow("unterminated name") << QStringLiteral("select [Cod_Ofer from ofertas");
    }
    void failingStatementsThrow()
    {
        QFETCH(QString, statement);
        QVERIFY_THROWS_EXCEPTION(CatalogueError, m_db->OpenRecordset(statement));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};

QTEST_GUILESS_MAIN(TestStatements)
#include "tst_statements.moc"
