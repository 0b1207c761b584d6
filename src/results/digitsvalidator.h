#pragma once

#include <QValidator>

namespace results {

// Keeps the digits of whatever reaches a price box, typed, pasted or
// dropped, and drops everything else: "4x5" reads "45".
class DigitsValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

} // namespace results
