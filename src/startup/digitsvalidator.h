#pragma once

#include <QValidator>

namespace viewer {

// The zoom box takes digits only, however they come (typed, pasted or
// dropped): whatever else reaches it is dropped, so "4x5" reads "45".
class ZoomValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

} // namespace viewer
