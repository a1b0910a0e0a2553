#include "widgets/SingleLine.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Rewrites the text in place; QLineEdit takes the rewritten text for typed,
// pasted and assigned text alike.
class LineBreakToBlank : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (input.at(i) == u'\r' && i + 1 < input.size() && input.at(i + 1) == u'\n') {
                input.remove(i + 1, 1); // one blank for a CR LF pair
                if (position > i + 1)
                    --position;
            }
            if (input.at(i) == u'\r' || input.at(i) == u'\n')
                input[i] = u' ';
        }
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
