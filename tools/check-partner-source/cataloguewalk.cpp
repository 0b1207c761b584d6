#include "cataloguewalk.h"

#include <utility>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "startup/modcol.h"
#include "statements/statements.h"

namespace partnercheck {
namespace {

const QString NoFilter = QStringLiteral(" ");

Refusal statementRefusal(const QString &statement, const catalogue::CatalogueError &error)
{
    // A damaged table says so itself, whichever statement met it first.
    if (error.isDamage())
        return {error.message()};
    return {QStringLiteral("Una consulta del programa falla en este catálogo: %1\nConsulta: %2")
                .arg(error.message(), statement)};
}

// Sends `statement` and visits every row; a failure, also one met reading
// a row, is a refusal.
template <typename Row>
void visitRows(catalogue::Database &database, const QString &statement, Row &&row)
{
    try {
        const auto rows = database.OpenRecordset(statement);
        if (rows->RecordCount() == 0)
            return;
        for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext())
            row(*rows);
    } catch (const catalogue::CatalogueError &error) {
        throw statementRefusal(statement, error);
    }
}

QString ruta(const catalogue::Recordset &rows)
{
    return rows.Fields(QStringLiteral("ruta")).Value.toString();
}

// Every field of the current row, as the windows may read them.
void readEveryField(const catalogue::Recordset &rows)
{
    for (int i = 0; i < rows.FieldCount(); ++i)
        rows.Fields(i);
}

} // namespace

CatalogueWalk::CatalogueWalk(const QString &path)
{
    try {
        m_database = modcol::openCatalogue(path);
    } catch (const catalogue::CatalogueError &error) {
        throw Refusal{QStringLiteral("El programa no puede abrir el catálogo. ") + error.message()};
    }
    visitRows(*m_database, modcol::searchStatement(NoFilter),
              [&](const catalogue::Recordset &rows) {
                  readEveryField(rows);
                  m_keys.push_back(rows.Fields(0).Value.toInt());
              });
}

CatalogueWalk::~CatalogueWalk() = default;

OfferRows CatalogueWalk::rowsOf(int key)
{
    OfferRows offer{key, QString(), QStringList()};
    bool first = true;
    visitRows(*m_database, modcol::firstPhotoStatement(key), [&](const catalogue::Recordset &rows) {
        if (std::exchange(first, false))
            offer.firstRuta = ruta(rows);
    });
    visitRows(*m_database, modcol::cardPhotosStatement(key),
              [&](const catalogue::Recordset &rows) { offer.rutas << ruta(rows); });
    return offer;
}

void CatalogueWalk::sendOtherStatements()
{
    const int key = m_keys.empty() ? 1 : m_keys.front();
    for (const QString &statement :
         {modcol::typeListStatement(), modcol::cityListStatement(NoFilter), modcol::zoneListStatement(NoFilter),
          modcol::qualitiesStatement(), modcol::cardOffersStatement(NoFilter), modcol::cardStatement(key),
          modcol::viewerPhotosStatement(key), modcol::extractionPhotosStatement(key)})
        visitRows(*m_database, statement, readEveryField);
}

} // namespace partnercheck
