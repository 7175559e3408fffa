#include "forms/qt/gbk_limit.h"

#include "forms/qt/looks.h"

namespace forms::qt {

QValidator::State GbkByteLimit::validate(QString& input, int&) const {
    return static_cast<int>(to_gbk(input).size()) <= bytes_ ? Acceptable : Invalid;
}

}  // namespace forms::qt
