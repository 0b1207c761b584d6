#include "viewer/viewermodel.h"

#include <algorithm>

#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "filelookup/cataloguepaths.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "viewer/logging.h"

namespace viewer {
namespace {

// A step of the page's reading that fails is skipped and the next one runs.
template <typename Step>
void skip(Step &&step)
{
    modcol::skipFailure(lcViewer(), std::forward<Step>(step));
}

QString columnText(const catalogue::Recordset &rs, const char *column)
{
    return catalogue::numberAsText(rs.Fields(QLatin1String(column)).Value);
}

} // namespace

ViewerModel::ViewerModel(std::unique_ptr<catalogue::Recordset> photos, QObject *parent)
    : QObject(parent)
    , m_photos(std::move(photos))
{
    connect(m_photos.get(), &catalogue::Recordset::Reposition, this, &ViewerModel::currentChanged);
}

ViewerModel::~ViewerModel() = default;

bool ViewerModel::hasPhotos() const
{
    return TotalFotos() > 0;
}

int ViewerModel::TotalFotos() const
{
    return m_photos->RecordCount();
}

int ViewerModel::currentKey() const
{
    return m_photos->AbsolutePosition() < 0 ? 0 : m_photos->Fields(0).Value.toInt();
}

QString ViewerModel::currentFile() const
{
    return m_photos->AbsolutePosition() < 0 ? QString() : rowFile();
}

QString ViewerModel::rowFile() const
{
    return modcol::photoFile(modcol::baseFolders(), columnText(*m_photos, "ruta"));
}

void ViewerModel::goToPhoto(int key)
{
    if (key > 0 && findPhoto(key))
        return;
    m_photos->MoveFirst();
}

bool ViewerModel::findPhoto(int key)
{
    m_photos->FindFirst(m_photos->FieldName(0) + QLatin1Char('=') + QString::number(key));
    return !m_photos->NoMatch();
}

void ViewerModel::advance()
{
    if (!hasPhotos())
        return;
    if (!m_photos->Eof())
        m_photos->MoveNext();
    if (m_photos->Eof())
        m_photos->MoveFirst();
}

void ViewerModel::readPage(int cellCount)
{
    catalogue::Recordset &rs = *m_photos;
    m_page.clear();
    skip([&] {
        if (cellCount >= TotalFotos() || rs.AbsolutePosition() < 0)
            rs.MoveFirst();
    });
    while (int(m_page.size()) < cellCount && !rs.Eof()) {
        QString file;
        skip([&] { file = rowFile(); });
        // A photo without a file takes no cell.
        if (!file.isEmpty())
            m_page.push_back(readPagePhoto(file));
        rs.MoveNext();
    }
    m_markedCell = -1;
    emit marksChanged();
}

PagePhoto ViewerModel::readPagePhoto(const QString &file) const
{
    const catalogue::Recordset &rs = *m_photos;
    PagePhoto photo{0, file, QString(), QString()};
    skip([&] {
        photo.caption = columnText(rs, "precio") + QLatin1Char('-') + columnText(rs, "tipo") + QLatin1Char('\n')
                        + columnText(rs, "ciudad") + QLatin1Char('-') + columnText(rs, "zona");
    });
    skip([&] { photo.key = rs.Fields(0).Value.toInt(); });
    skip([&] { photo.reference = columnText(rs, "ref"); });
    return photo;
}

bool ViewerModel::turnPage(int rows)
{
    if (m_page.empty())
        return false;
    catalogue::Recordset &rs = *m_photos;
    skip([&] { findPhoto(m_page.front().key); });
    skip([&] { rs.Move(rows); });
    return true;
}

void ViewerModel::MarcaFoto(int Clave)
{
    const auto held = std::find_if(m_page.cbegin(), m_page.cend(), [Clave](const PagePhoto &photo) {
        return Clave != 0 && photo.key == Clave;
    });
    m_markedCell = held == m_page.cend() ? -1 : int(held - m_page.cbegin());
    m_photoMarked = m_shownKey != 0 && m_shownKey == Clave;
    emit marksChanged();
}

void ViewerModel::markCell(int index)
{
    m_markedCell = index;
    emit marksChanged();
}

void ViewerModel::moveMark(int cells)
{
    // Within the page: paging turns it.
    const int target = m_markedCell < 0 ? 0 : m_markedCell + cells;
    if (target >= 0 && target < int(m_page.size()))
        markCell(target);
}

void ViewerModel::unmarkCells()
{
    if (m_markedCell == -1)
        return;
    m_markedCell = -1;
    emit marksChanged();
}

int ViewerModel::FotoMarcada() const
{
    if (m_markedCell >= 0)
        return m_page[m_markedCell].key;
    return m_photoMarked ? m_shownKey : 0;
}

} // namespace viewer
