#pragma once
// An edit box's length limit counts GBK bytes, as the program stores text:
// a Chinese character fills two bytes of the limit.
#include <QValidator>

namespace forms::qt {

class GbkByteLimit final : public QValidator {
public:
    GbkByteLimit(QObject* parent, int bytes) : QValidator(parent), bytes_(bytes) {}
    State validate(QString& input, int& position) const override;

private:
    int bytes_;
};

}  // namespace forms::qt
