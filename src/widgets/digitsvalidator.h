#pragma once

#include <QValidator>

namespace modcol {

// A box that takes digits only, however they come (typed, pasted or
// dropped): whatever else reaches it is dropped, so "4x5" reads "45". The
// price boxes and the zoom box take numbers this way.
class DigitsValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

} // namespace modcol
