#include "catalogue/private/jetheader.h"

#include <cstring>

#include <QFile>
#include <QFileInfo>

#include "catalogue/catalogueerror.h"
#include "jetheaderkey.h"

namespace catalogue {

namespace {

constexpr int VersionOffset = 0x14;
constexpr int PasswordOffset = 0x42;
constexpr int CreationDateOffset = 0x72;
constexpr int LatestKnownVersion = 6;
constexpr int MinimumPages = 3; // page 2 holds the system catalogue

bool hasJetSignature(const QByteArray &page)
{
    static const char *const signatures[] = {"Standard Jet DB", "Standard ACE DB"};
    if (page.at(0) != 0)
        return false;
    for (const char *signature : signatures) {
        if (std::memcmp(page.constData() + 4, signature, std::strlen(signature)) == 0)
            return true;
    }
    return false;
}

} // namespace

QString decodeJetPassword(const QByteArray &plainPage0, int version)
{
    if (version == 0) {
        // Jet 3: up to 20 single-byte characters, no further mask.
        const QByteArray field = plainPage0.mid(PasswordOffset, 20);
        const int end = field.indexOf('\0');
        return QString::fromLatin1(field.left(end < 0 ? field.size() : end));
    }
    double created = 0;
    std::memcpy(&created, plainPage0.constData() + CreationDateOffset, sizeof created);
    const qint32 whole = (created > -2147483648.0 && created < 2147483648.0) ? qint32(created) : 0;
    const auto maskWord = static_cast<quint32>(whole);
    QString password;
    for (int i = 0; i + 1 < 40; i += 2) {
        const auto lo = static_cast<unsigned char>(plainPage0[PasswordOffset + i]) ^ ((maskWord >> (8 * (i % 4))) & 0xFF);
        const auto hi = static_cast<unsigned char>(plainPage0[PasswordOffset + i + 1]) ^ ((maskWord >> (8 * ((i + 1) % 4))) & 0xFF);
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == 0)
            break;
        password.append(QChar(unit));
    }
    return password;
}

JetHeader readJetHeader(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw CatalogueError::missingFile(path);
    if (!info.isFile())
        throw CatalogueError::notADatabase(path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError::unreadable(path, file.errorString());
    QByteArray page = file.read(2048);
    if (page.size() < 2048) {
        if (page.size() >= 0x20 && hasJetSignature(page))
            throw CatalogueError::damaged(path, QStringLiteral("el archivo está incompleto"));
        throw CatalogueError::notADatabase(path);
    }
    if (!hasJetSignature(page))
        throw CatalogueError::notADatabase(path);

    JetHeader header;
    header.version = static_cast<unsigned char>(page.at(VersionOffset));
    if (header.version > LatestKnownVersion)
        throw CatalogueError::notADatabase(path);
    header.pageSize = header.isJet3() ? 2048 : 4096;
    const qint64 size = file.size();
    if (size % header.pageSize != 0 || size / header.pageSize < MinimumPages)
        throw CatalogueError::damaged(path, QStringLiteral("el archivo está incompleto"));
    header.pageCount = size / header.pageSize;

    xorJetHeaderKey(reinterpret_cast<unsigned char *>(page.data()) + JetHeaderKeyStart, header.isJet3() ? 126 : 128);
    header.password = decodeJetPassword(page, header.version);
    return header;
}

} // namespace catalogue
