#include "app/windows/HART_Scan_Texts.h"

#include "app/core/ULanguage.h"

THART_Scan_Texts HART_Scan_Texts() {
    THART_Scan_Texts texts;
    texts.Init_Scan = Lang_Str(1624);
    texts.Search_Started = Lang_Str(1625);
    texts.Error_Search_Start = Lang_Str(1626);
    texts.Search_Finished = Lang_Str(1627);
    texts.Still_Searching = Lang_Str(1636);
    texts.Error_Status = Lang_Str(1637);
    texts.Reading_Device = Lang_Str(1638);
    texts.Error_Read = Lang_Str(1639);
    texts.Scan_Done = Lang_Str(1640);
    texts.Scan_Failed = Lang_Str(1641);
    texts.Devices_Cut_Short = Lang_Str(1644);
    texts.Invalid_Address = Lang_Str(1645);
    return texts;
}
