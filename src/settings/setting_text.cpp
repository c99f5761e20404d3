#include "settings/setting_text.h"
#include "platform/platform.h"

enum { GB18030_CODE_PAGE = 54936 };

int SettingTextToWide(const char *source, int sourceBytes, wchar_t *destination, int destinationChars)
{
    // UTF-8 and GB18030 take no flag but MB_ERR_INVALID_CHARS; given
    // MB_PRECOMPOSED the conversion fails and every target would become "".
    unsigned codePage = PlatformOemCodePage();
    unsigned flags = codePage == CP_UTF8 || codePage == GB18030_CODE_PAGE ? 0 : MB_PRECOMPOSED;
    return PlatformMultiByteToWide(CP_OEMCP, flags, source, sourceBytes, destination, destinationChars);
}
