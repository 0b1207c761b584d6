#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

namespace catalogue {
class Database;
}

namespace partnercheck {

// Why a catalogue cannot be handed out, for the report.
struct Refusal
{
    QString reason;
};

// One offer the searches reach, with its photo rows as the program reads them.
struct OfferRows
{
    int key = 0;
    QString firstRuta; // the first photo's `ruta`, which the result cell falls back on
    QStringList rutas; // every photo's, as the record card lists them
};

// A catalogue read as the program reads it. Each step throws Refusal when
// the program could not open the catalogue or one of its statements fails
// on it.
class CatalogueWalk
{
public:
    explicit CatalogueWalk(const QString &path);
    ~CatalogueWalk();

    // The keys of the offers on the result pages, in their order.
    const std::vector<int> &keys() const { return m_keys; }

    // The photo rows of one offer, by the program's statements.
    OfferRows rowsOf(int key);

    // Every other statement of the program, the per-offer ones on the first
    // offer, as a session that opens its card and viewer sends them.
    void sendOtherStatements();

private:
    std::unique_ptr<catalogue::Database> m_database;
    std::vector<int> m_keys;
};

} // namespace partnercheck
