#pragma once

#include <QDialog>

namespace modcol {
class ClickLabel;
}

namespace results {

// The maker's window: its products and services, the web address, the
// support telephone and the help document. Shown modally, on its parent.
class frmbrezomar : public QDialog
{
    Q_OBJECT

public:
    explicit frmbrezomar(QWidget *parent);

private:
    void Image1_Click();
    void Label1_Click();

    modcol::ClickLabel *Image1; // the help document's icon
};

} // namespace results
