#include "check/report/check_open.h"
#include "check/ask/check_console.h"
#include "check/report/check_report.h"
#include "check/system/setting_write.h"

#include <string.h>

void PrintCannotOpen(FILE *out, const wchar_t *path, const char *shown, OpenProbe *probe)
{
    static const ReportText REASONS[] = {TEXT_OPEN_NOT_FOUND, TEXT_OPEN_FOLDER, TEXT_OPEN_NO_ACCESS,
                                         TEXT_OPEN_IN_USE, TEXT_OPEN_OTHER};
    ProbeOpenFailure(path, probe);
    PrintText(out, TEXT_CANNOT_OPEN, shown);
    if (probe->failure == OPEN_NOT_FOUND)
        PrintText(out, TEXT_OPEN_NOT_FOUND, probe->folder);
    else
        PrintText(out, REASONS[probe->failure], probe->error);
    if (probe->nearName[0]) {
        // The name as the user gave it, without its folder.
        const char *name = shown + strlen(shown);
        while (name > shown && name[-1] != '/' && name[-1] != '\\')
            --name;
        PrintText(out, TEXT_NEAR_NAME, probe->nearName, name);
    }
}

int OfferRename(const OpenProbe *probe, const wchar_t *path, const char *shown)
{
    if (probe->failure != OPEN_NOT_FOUND || !probe->nearName[0])
        return 0;
    PrintText(stdout, TEXT_OFFER_RENAME, probe->nearName, shown);
    wchar_t answer[64];
    ReadAnswer(answer, 64);
    if (!SaysYes(answer))
        return 0;
    int error = RenameSettingFile(probe->nearPath, path);
    if (error != 0) {
        PrintText(stderr, TEXT_RENAME_FAILED, probe->nearName, shown, error);
        return 0;
    }
    PrintText(stdout, TEXT_RENAMED, probe->nearName, shown);
    return 1;
}
