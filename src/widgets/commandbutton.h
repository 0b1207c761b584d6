#pragma once

#include <QPushButton>

namespace modcol {

// A command button as the windows' users know it: with the focus, Enter
// presses it as Space does. It is never a default button, so Enter in any
// other control stays that control's.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace modcol
