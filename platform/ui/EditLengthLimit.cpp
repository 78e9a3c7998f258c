#include "platform/ui/internal/EditLengthLimit.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

class LengthLimit final : public QValidator {
public:
    explicit LengthLimit(QLineEdit* line) : QValidator(line), Line(line), LastText(line->text()) {
        QObject::connect(line, &QLineEdit::textChanged, this,
                         [this](const QString& text) { LastText = text; });
    }

    QLineEdit* Line;
    int Limit = 0;
    bool ProgramChange = false;
    // The text as it stood before the edit being validated.
    QString LastText;

    State validate(QString& input, int& pos) const override {
        if (ProgramChange || Limit <= 0 || input.size() <= Limit || input.size() <= LastText.size())
            return Acceptable;
        // A text set as a whole (by the program, or from the item a combo box's user picks)
        // leaves the edit unmodified and is shown whole.
        if (!Line->isModified())
            return Acceptable;
        // The inserted run ends at the caret; what follows the caret is the old tail.
        qsizetype suffix = std::clamp<qsizetype>(input.size() - pos, 0, LastText.size());
        if (input.right(suffix) != LastText.right(suffix))
            suffix = 0;
        qsizetype prefix = 0;
        const qsizetype prefixLimit = std::min(input.size(), LastText.size()) - suffix;
        while (prefix < prefixLimit && input[prefix] == LastText[prefix])
            ++prefix;
        const qsizetype inserted = input.size() - prefix - suffix;
        // The old text that stays: before and after the replaced run.
        const qsizetype kept = prefix + suffix;
        qsizetype room = std::clamp<qsizetype>(Limit - kept, 0, inserted);
        if (room > 0 && room < inserted && input[prefix + room - 1].isHighSurrogate())
            --room;
        input = input.left(prefix) + input.mid(prefix, room) + input.right(suffix);
        pos = static_cast<int>(prefix + room);
        return Acceptable;
    }
};

LengthLimit* Installed(const QLineEdit* line) {
    return line != nullptr
               ? const_cast<LengthLimit*>(dynamic_cast<const LengthLimit*>(line->validator()))
               : nullptr;
}

} // namespace

namespace EditLengthLimit {

void Apply(QLineEdit* line, int limit) {
    LengthLimit* installed = Installed(line);
    if (installed == nullptr) {
        installed = new LengthLimit(line);
        line->setValidator(installed);
    }
    installed->Limit = std::max(limit, 0);
}

void ProgramChange(QLineEdit* line, const std::function<void()>& change) {
    LengthLimit* installed = Installed(line);
    if (installed == nullptr) {
        change();
        return;
    }
    installed->ProgramChange = true;
    change();
    installed->ProgramChange = false;
}

bool InProgramChange(const QLineEdit* line) {
    const LengthLimit* installed = Installed(line);
    return installed != nullptr && installed->ProgramChange;
}

} // namespace EditLengthLimit
