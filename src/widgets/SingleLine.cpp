#include "widgets/SingleLine.h"

#include "common/ScriptWriter.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Rewrites the text in place; QLineEdit takes the rewritten text for typed,
// pasted and assigned text alike. The cursor stays after the same text.
class LineBreakToBlank : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        position = int(ScriptWriter::OneLine(input.left(position)).size());
        input = ScriptWriter::OneLine(input);
        return Acceptable;
    }
};

} // namespace

void KeepSingleLine(QWidget* window) {
    auto* validator = new LineBreakToBlank(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!box->validator())
            box->setValidator(validator);
    }
}
