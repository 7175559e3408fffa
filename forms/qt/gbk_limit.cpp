#include "forms/qt/gbk_limit.h"

#include "forms/qt/looks.h"
#include "forms/single_line.h"

namespace forms::qt {

namespace {

int gbk_size(const QString& text) { return static_cast<int>(to_gbk(text).size()); }

}  // namespace

GbkByteLimit::GbkByteLimit(QLineEdit* edit, int bytes) : QValidator(edit), bytes_(bytes), before_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

// What was inserted ends at the cursor. The text before it fitted, so taking
// characters off from the cursor backwards meets the fitting length before
// it reaches anything that was there already.
QValidator::State GbkByteLimit::validate(QString& input, int& position) const {
    const EditedText one_line =
        single_line_edit(before_.toStdU16String(), input.toStdU16String(), std::size_t(position));
    input = QString::fromStdU16String(one_line.text);
    position = int(one_line.cursor);
    if (bytes_ <= 0) return Acceptable;
    int excess = gbk_size(input) - bytes_;
    if (excess <= 0) return Acceptable;
    if (gbk_size(before_) > bytes_) return Invalid;
    int start = position;
    while (excess > 0 && start > 0) {
        const int length =
            start >= 2 && input[start - 1].isLowSurrogate() && input[start - 2].isHighSurrogate() ? 2 : 1;
        start -= length;
        excess -= gbk_size(input.mid(start, length));
    }
    QString cut = input;
    cut.remove(start, position - start);
    if (excess > 0 || cut == before_) return Invalid;
    input = cut;
    position = start;
    return Acceptable;
}

QString fitted_whole(const QString& text, int bytes) {
    QString fitted =
        QString::fromStdU16String(single_line_edit(u"", text.toStdU16String(), std::size_t(text.size())).text);
    while (bytes > 0 && gbk_size(fitted) > bytes) {
        const bool pair =
            fitted.size() >= 2 && fitted.back().isLowSurrogate() && fitted[fitted.size() - 2].isHighSurrogate();
        fitted.chop(pair ? 2 : 1);
    }
    return fitted;
}

}  // namespace forms::qt
