#include "platform/ui/Dialogs.h"

#include "platform/core/Files.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/internal/ActiveWindowReturn.h"
#include "platform/ui/internal/FileDialogFilters.h"
#include "platform/ui/internal/QtConvert.h"

#include <QFileDialog>
#include <QStringList>

#include <algorithm>
#include <string_view>

using QtConvert::FromQString;
using QtConvert::ToQString;

namespace {

// The patterns of a list separated by semicolons, commas or blanks.
std::vector<std::string> SplitPatterns(std::string_view list) {
    std::vector<std::string> patterns;
    std::string current;
    for (char c : list) {
        if (c == ';' || c == ',' || c == ' ' || c == '\t') {
            if (!current.empty())
                patterns.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        patterns.push_back(std::move(current));
    return patterns;
}

std::vector<std::string> SortedLowerCase(std::vector<std::string> patterns) {
    for (std::string& pattern : patterns)
        pattern = LowerCase(pattern);
    std::sort(patterns.begin(), patterns.end());
    return patterns;
}

// The description without a trailing "(patterns)" that names exactly these patterns.
std::string WithoutOwnPatterns(const std::string& description,
                               const std::vector<std::string>& patterns) {
    const std::string text = TrimRight(description);
    const size_t open = text.rfind('(');
    if (text.empty() || text.back() != ')' || open == std::string::npos)
        return text;
    const std::string_view inside = std::string_view(text).substr(open + 1, text.size() - open - 2);
    if (SortedLowerCase(SplitPatterns(inside)) != SortedLowerCase(patterns))
        return text;
    return TrimRight(text.substr(0, open));
}

QStringList QtFilters(const std::string& filter) {
    QStringList result;
    for (const std::string& entry : FileDialogFilters(filter))
        result << ToQString(entry);
    return result;
}

} // namespace

std::vector<std::string> FileDialogFilters(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t bar = filter.find('|'); bar != std::string::npos; bar = filter.find('|', start)) {
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    parts.push_back(filter.substr(start));

    std::vector<std::string> result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::vector<std::string> patterns = SplitPatterns(parts[i + 1]);
        if (patterns.empty())
            patterns.push_back("*");
        const std::string description = WithoutOwnPatterns(parts[i], patterns);
        const std::string shown = "(" + Join(patterns, " ") + ")";
        result.push_back(description.empty() ? shown : description + " " + shown);
    }
    return result;
}

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
    // Designs give the extension as "gsd", ".gsd" or as the filter's "*.gsd".
    std::string ext = defaultExt;
    if (!ext.empty() && ext.front() == '*')
        ext.erase(0, 1);
    if (!ext.empty() && ext.front() == '.')
        ext.erase(0, 1);
    if (fileName.empty() || ext.empty() || !ExtractFileExt(fileName).empty())
        return fileName;
    return fileName + "." + ext;
}
