#pragma once
// An edit box's length limit counts GBK bytes, as the program stores text:
// a Chinese character fills two bytes of the limit.
#include <QLineEdit>
#include <QValidator>

namespace forms::qt {

// Text that does not fit is cut as Windows' edit box cuts it: of what was
// typed or pasted, the longest beginning that fits goes in, so a character
// typed into a full box is refused and a long paste fills the box. Before
// that, what was put in is kept to one line (forms/single_line.h). A limit of
// 0 or less counts nothing.
class GbkByteLimit final : public QValidator {
public:
    GbkByteLimit(QLineEdit* edit, int bytes);
    State validate(QString& input, int& position) const override;

private:
    int bytes_;
    QString before_;  // the box's text before the change being validated
};

// Text set whole, past the validator (as a reader's tool sets it through the
// box's accessible text): its first line, and of that the longest beginning
// that fits the limit.
QString fitted_whole(const QString& text, int bytes);

}  // namespace forms::qt
