#include "platform/ui/Dialogs.h"

#include "platform/core/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/internal/ActiveWindowReturn.h"
#include "platform/ui/internal/QtConvert.h"

#include <QFileDialog>
#include <QStringList>

using QtConvert::FromQString;
using QtConvert::ToQString;

namespace {

// "Text files|*.txt;*.lng|All|*.*" becomes "Text files (*.txt *.lng);;All (*.*)".
QStringList QtFilters(const std::string& filter) {
    QStringList parts = ToQString(filter).split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        result << parts[i] + QStringLiteral(" (") + patterns + QStringLiteral(")");
    }
    return result;
}

} // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute() {
    return ExecuteAs(false);
}

bool TSaveDialog::Execute() {
    return ExecuteAs(true);
}

bool TOpenDialog::ExecuteAs(bool save) {
    TTestSeam& seam = Application->TestSeam();
    std::optional<std::string> chosen;
    if (seam.Active()) {
        chosen = seam.AnswerFileDialog(
            {save, FTitle, FInitialDir, FFilter, FFilterIndex, FFileName, FDefaultExt});
    } else {
        Application->Initialize();
        ActiveWindowReturn activeWindowReturn;
        QStringList filters = QtFilters(FFilter);
        QString selected = FFilterIndex >= 1 && FFilterIndex <= filters.size()
                               ? filters[FFilterIndex - 1]
                               : QString();
        std::string start = FInitialDir;
        if (!FFileName.empty())
            start = start.empty() ? FFileName : JoinPath(start, ExtractFileName(FFileName));
        QFileDialog::Options options;
        if (save && !FOptions.Contains(ofOverwritePrompt))
            options |= QFileDialog::DontConfirmOverwrite;
        QString title = ToQString(FTitle);
        QString path = save ? QFileDialog::getSaveFileName(nullptr, title, ToQString(start),
                                                           filters.join(QStringLiteral(";;")),
                                                           &selected, options)
                            : QFileDialog::getOpenFileName(nullptr, title, ToQString(start),
                                                           filters.join(QStringLiteral(";;")),
                                                           &selected, options);
        if (!path.isEmpty()) {
            chosen = FromQString(path);
            qsizetype index = filters.indexOf(selected);
            if (index >= 0)
                FFilterIndex = static_cast<int>(index) + 1;
        }
    }
    if (!chosen)
        return false;
    FFileName = ApplyDefaultExt(*chosen, FDefaultExt);
    return true;
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt) {
    std::string ext = defaultExt;
    if (!ext.empty() && ext.front() == '.')
        ext.erase(0, 1);
    if (fileName.empty() || ext.empty() || !ExtractFileExt(fileName).empty())
        return fileName;
    return fileName + "." + ext;
}
