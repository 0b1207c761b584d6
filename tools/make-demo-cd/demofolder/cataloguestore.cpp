#include "demofolder/cataloguestore.h"

#include "demofolder/catalogueschema.h"
#include "demofolder/outputfiles.h"
#include "mdbwrite/mdbwriter.h"

#include <QFile>

#include <sqlite3.h>

#include <string>

namespace demofolder {

namespace {

[[noreturn]] void fail(sqlite3 *db, const std::string &what)
{
    throw DemoError(what + ": " + sqlite3_errmsg(db));
}

// One prepared INSERT, bound column by column and run once per row.
class Insert
{
public:
    Insert(sqlite3 *db, const char *sql)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
            fail(db, sql);
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert &) = delete;
    Insert &operator=(const Insert &) = delete;

    Insert &operator<<(int value)
    {
        check(sqlite3_bind_int(m_statement, ++m_column, value));
        return *this;
    }
    Insert &operator<<(bool value) { return *this << (value ? 1 : 0); }
    Insert &operator<<(double value)
    {
        check(sqlite3_bind_double(m_statement, ++m_column, value));
        return *this;
    }
    Insert &operator<<(const QString &value)
    {
        const QByteArray utf8 = value.toUtf8();
        check(sqlite3_bind_text(m_statement, ++m_column, utf8.constData(), static_cast<int>(utf8.size()),
                                SQLITE_TRANSIENT));
        return *this;
    }
    template<typename T>
    Insert &operator<<(const std::optional<T> &value)
    {
        if (value)
            return *this << *value;
        check(sqlite3_bind_null(m_statement, ++m_column));
        return *this;
    }

    void run()
    {
        if (sqlite3_step(m_statement) != SQLITE_DONE)
            fail(m_db, sqlite3_sql(m_statement));
        sqlite3_reset(m_statement);
        m_column = 0;
    }

private:
    void check(int status)
    {
        if (status != SQLITE_OK)
            fail(m_db, "binding a value");
    }

    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
    int m_column = 0;
};

void exec(sqlite3 *db, const std::string &sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db, "running the catalogue script");
}

void insertLookups(sqlite3 *db, const char *sql, const std::vector<LookupRow> &rows, bool withSecond)
{
    Insert insert(db, sql);
    for (const LookupRow &row : rows) {
        insert << row.key << row.text;
        if (withSecond)
            insert << row.second;
        insert.run();
    }
}

std::string offerInsertSql()
{
    std::vector<std::string> columns = {
        "Cod_Ofer", "ref", "Key_Tipo", "Key_Loca", "Key_Zona", "precioinmo", "Conservacion", "keyori",
        "piscina_prop", "piscina_com", "habitaciones", "habdobles", "\"baños\"", "aseos", "salon",
        "numplanta", "m_uties", "m_cons", "m_parcela", "mtfachada", "suelo", "vistas", "carpinteria",
        "carpinext", "fechaalta", "descripcion"};
    for (const QualityColumn &quality : qualityColumns())
        columns.emplace_back(quality.column);
    std::string names;
    std::string placeholders;
    for (const std::string &column : columns) {
        names += (names.empty() ? "" : ", ") + column;
        placeholders += placeholders.empty() ? "?" : ", ?";
    }
    return "INSERT INTO ofertas (" + names + ") VALUES (" + placeholders + ")";
}

void insertOffers(sqlite3 *db, const std::vector<OfferRow> &offers)
{
    Insert insert(db, offerInsertSql().c_str());
    for (const OfferRow &o : offers) {
        insert << o.key << o.ref << o.tipo << o.ciudad << o.zona << static_cast<double>(o.priceCents) / 100.0
               << o.conservacion << o.orientacion << o.piscinaProp << o.piscinaCom << o.habitaciones
               << o.habdobles << o.banos << o.aseos << o.salon << o.numplanta << o.mUtiles << o.mCons
               << o.mParcela << o.mFachada << o.suelo << o.vistas << o.carpinteria << o.carpinext
               << o.fechaAlta << o.descripcion;
        for (bool quality : o.qualities)
            insert << quality;
        insert.run();
    }
}

void insertPhotos(sqlite3 *db, const std::vector<PhotoRow> &photos)
{
    Insert insert(db, "INSERT INTO fotos (CodFoto, KeyOfe, Ruta, orden, nomostrar) VALUES (?,?,?,?,?)");
    for (const PhotoRow &p : photos) {
        insert << p.codFoto << p.keyOfe << p.ruta << p.orden << p.nomostrar;
        insert.run();
    }
}

void insertQualities(sqlite3 *db)
{
    Insert insert(db, "INSERT INTO auxcalid (nbcampo, nbtexto) VALUES (?,?)");
    for (const QualityColumn &quality : qualityColumns()) {
        insert << QString::fromUtf8(quality.column) << QString::fromUtf8(quality.texto);
        insert.run();
    }
}

// An in-memory SQLite database, closed on every way out.
class MemoryDatabase
{
public:
    MemoryDatabase()
    {
        if (sqlite3_open(":memory:", &m_db) != SQLITE_OK)
            throw DemoError("cannot open an in-memory SQLite database");
    }
    ~MemoryDatabase() { sqlite3_close(m_db); }
    MemoryDatabase(const MemoryDatabase &) = delete;
    MemoryDatabase &operator=(const MemoryDatabase &) = delete;
    sqlite3 *get() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

} // namespace

void fillCatalogue(sqlite3 *db, const CataloguePlan &plan)
{
    exec(db, catalogueSchemaSql());
    exec(db, "BEGIN");
    insertLookups(db, "INSERT INTO ciudad (Cod_Ciu, Ciudad) VALUES (?,?)", plan.ciudades, false);
    insertLookups(db, "INSERT INTO zonas (Cod_Zona, Zona) VALUES (?,?)", plan.zonas, false);
    insertLookups(db, "INSERT INTO tipo (Cod_Tipo, Tipo_Ofer, tipo_ofer2) VALUES (?,?,?)", plan.tipos, true);
    insertLookups(db, "INSERT INTO tipoconservacion (idconservacion, conservacion, conservacion2) VALUES (?,?,?)",
                  plan.conservaciones, true);
    insertLookups(db, "INSERT INTO tipoori (idori, orientacion, orientacion2) VALUES (?,?,?)",
                  plan.orientaciones, true);
    insertOffers(db, plan.offers);
    insertPhotos(db, plan.photos);
    insertQualities(db);
    exec(db, "COMMIT");
}

void writeCatalogueFile(const CataloguePlan &plan, const QString &path)
{
    MemoryDatabase db;
    fillCatalogue(db.get(), plan);
    mdbwrite::Options options;
    options.password = CataloguePassword;
    options.creationDate = plan.creationDate;
    try {
        mdbwrite::writeDatabase(db.get(), QFile::encodeName(path).toStdString(), options);
    } catch (const mdbwrite::WriteError &error) {
        throw DemoError(std::string("cannot write the catalogue: ") + error.what());
    }
}

} // namespace demofolder
