#include "catalogue/private/jetfile.h"

#include <QFile>
#include <QSet>

#include "catalogue/catalogueerror.h"
#include "catalogue/private/jettable.h"

namespace catalogue {

namespace {

constexpr quint32 SystemCatalogPage = 2;
constexpr quint32 HiddenOrSystemFlags = 0x80000002;

QString textOf(const JetValue &value)
{
    switch (value.kind) {
    case JetValue::Kind::Text16:
        return QString::fromUtf16(value.text16.data(), qsizetype(value.text16.size()));
    case JetValue::Kind::Text8:
        return QString::fromUtf8(value.bytes.data(), qsizetype(value.bytes.size()));
    default:
        return QString();
    }
}

int columnIndex(const JetTable &table, const char *name)
{
    const auto &columns = table.columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace

JetFile::JetFile(const QString &path, const JetHeader &header)
    : m_path(path)
    , m_header(header)
{
    m_mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!m_mdb)
        throw CatalogueError::notADatabase(path);
    if (int(m_mdb->f->jet_version) != header.version || m_mdb->fmt->pg_size != header.pageSize) {
        mdb_close(m_mdb);
        throw CatalogueError::notADatabase(path);
    }
    try {
        readCatalogue();
    } catch (...) {
        mdb_close(m_mdb);
        throw;
    }
}

JetFile::~JetFile()
{
    mdb_close(m_mdb);
}

void JetFile::damaged(const QString &detail) const
{
    const QString where = m_readingTable.isEmpty()
        ? detail
        : QStringLiteral("tabla «%1»: %2").arg(m_readingTable, detail);
    throw CatalogueError::damaged(m_path, where);
}

JetFile::ReadingTable::ReadingTable(const JetFile &file, const QString &table)
    : m_file(file)
    , m_previous(file.m_readingTable)
{
    m_file.m_readingTable = table;
}

JetFile::ReadingTable::~ReadingTable()
{
    m_file.m_readingTable = m_previous;
}

void JetFile::readPage(quint64 page, std::vector<unsigned char> &out) const
{
    if (!hasPage(page))
        damaged(QStringLiteral("una referencia a la página %1, fuera del archivo").arg(page));
    if (mdb_read_alt_pg(m_mdb, page) != m_mdb->fmt->pg_size)
        damaged(QStringLiteral("no se puede leer la página %1").arg(page));
    out.assign(m_mdb->alt_pg_buf, m_mdb->alt_pg_buf + m_mdb->fmt->pg_size);
}

void JetFile::readCatalogue()
{
    JetTable catalog(*this, JetTableEntry{QStringLiteral("MSysObjects"), SystemCatalogPage});
    const int id = columnIndex(catalog, "Id");
    const int name = columnIndex(catalog, "Name");
    const int type = columnIndex(catalog, "Type");
    const int flags = columnIndex(catalog, "Flags");
    if (id < 0 || name < 0 || type < 0 || flags < 0)
        damaged(QStringLiteral("el catálogo del sistema no es válido"));
    std::vector<bool> wanted(catalog.columns().size(), false);
    for (const int column : {id, name, type, flags})
        wanted[size_t(column)] = true;
    catalog.restrictTo(wanted);

    QSet<QString> seen;
    while (catalog.fetch()) {
        const auto &values = catalog.values();
        const JetValue &typeValue = values[size_t(type)];
        const JetValue &flagsValue = values[size_t(flags)];
        const bool isTable = typeValue.kind == JetValue::Kind::Integer
            && (typeValue.integer & 0x7F) == MDB_TABLE;
        const auto objectFlags = flagsValue.kind == JetValue::Kind::Integer
            ? static_cast<quint32>(flagsValue.integer) : 0u;
        if (!isTable || (objectFlags & HiddenOrSystemFlags) != 0)
            continue;
        if (values[size_t(id)].kind != JetValue::Kind::Integer)
            damaged(QStringLiteral("el catálogo del sistema no es válido"));
        JetTableEntry entry{textOf(values[size_t(name)]),
                            static_cast<quint32>(values[size_t(id)].integer) & 0xFFFFFF};
        if (entry.name.isEmpty() || !hasPage(entry.definitionPage))
            damaged(QStringLiteral("el catálogo del sistema no es válido"));
        if (seen.contains(entry.name.toCaseFolded()))
            damaged(QStringLiteral("la tabla %1 aparece dos veces").arg(entry.name));
        seen.insert(entry.name.toCaseFolded());
        m_tables.push_back(entry);
    }
}

} // namespace catalogue
