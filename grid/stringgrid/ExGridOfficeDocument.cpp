// Writing the string grid as a table into a word-processor document: a new one, the running
// application's active one, or appended to a document file, at a bookmark or at its end.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HourGlassCursor.h"
#include "platform/office/WordApplication.h"

void TExStringGrid::SaveToDOC(const std::string& Filename, bool CreateNewDocument) {
    WriteDOC(Filename, "", false, CreateNewDocument);
}

void TExStringGrid::AppendToDoc(const std::string& Filename, const std::string& Bookmark) {
    WriteDOC(Filename, Bookmark, true, false);
}

void TExStringGrid::WriteDOC(const std::string& FileName, const std::string& Bookmark, bool Append,
                             bool CreateNewDocument) {
    THourGlassCursor busy;
    std::unique_ptr<TWordApplication> ownApplication;
    TWordApplication& application = TWordApplication::RunningOrNew(ownApplication);

    TWordDocument* document = nullptr;
    if (Append)
        document = &application.Open(FileName);
    else if (CreateNewDocument || application.Count() == 0)
        document = &application.Add();
    else
        document = application.Active();

    document->SetShowSpellingErrors(false);
    document->TypeText(Text());
    document->TypeParagraph();

    TDocumentRange range = document->StartRange();
    if (Append && !Bookmark.empty() && document->BookmarkExists(Bookmark)) {
        range = document->BookmarkRange(Bookmark);
    } else if (Append) {
        document->AddParagraph();
        range = document->EndRange();
    }
    TWordTable table = document->AddTable(range, RowCount(), ColCount());

    std::string text;
    ExportNotification(esExportStart, 0);
    for (int a = 1; a <= RowCount(); ++a) {
        ExportNotification(esExportNextRow, a);
        for (int c = 1; c <= ColCount(); ++c) {
            const int realCol = RealColIndex(c - 1);
            SaveCell(realCol, a - 1, text);
            table.InsertAfter(a, c, text);
            TAlignment horizontal = taLeftJustify;
            TVAlignment vertical = vtaTop;
            GetCellAlignment(realCol, a - 1, horizontal, vertical);
            if (horizontal == taRightJustify)
                table.SetAlignment(a, c, wdAlignParagraphRight);
            else if (horizontal == taCenter)
                table.SetAlignment(a, c, wdAlignParagraphCenter);
        }
    }
    ExportNotification(esExportDone, -1);
    document->SaveAs(FileName);
    if (ownApplication)
        ownApplication->Quit();
}
