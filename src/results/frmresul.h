#pragma once

#include <QWidget>

class QPushButton;

namespace results {

class ResultPages;
class SearchFilters;
class StartPanel;

// The program's main window: the search filters, the pages of results and,
// until the first search, the agency's start panel. Escape ends the program.
class frmresul : public QWidget
{
    Q_OBJECT

public:
    explicit frmresul(QWidget *parent = nullptr);

    // What only the tests reach: the window's parts.
    struct TestAccess
    {
        SearchFilters *filters;
        ResultPages *pages;
        StartPanel *frmimagen;
        QPushButton *botcerrar;
    };
    TestAccess testAccess() const;

signals:
    // The catalogue's whole content is there: the lists, and the photos
    // that a search shows.
    void catalogueReady();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Opens the catalogue and fills the lists, once, after the window is
    // first shown, and then loads the photos; all the reading is done off
    // the window's thread, which goes on answering events. A failure ends
    // the program.
    void firstLayout();
    void preloadPhotos();
    void photosArrived();
    void botbuscar_Click();
    void botcerrar_Click();
    void Image1_Click();
    // The record card on the offer of a clicked cell; then the page of the offer it showed last.
    void openCard(const QString &where, int codOfer);
    void Label4_Click(); // the record card without an offer

    SearchFilters *m_filters;
    ResultPages *m_pages;
    StartPanel *frmimagen;
    QPushButton *botcerrar;
    bool m_laidOut = false;
    bool m_photosReady = false;
    bool m_searchWaiting = false; // "Buscar" pressed before the photos were there
};

} // namespace results
