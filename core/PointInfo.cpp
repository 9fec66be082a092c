#include "core/PointInfo.h"

#include <string.h>

#include "core/TextUtil.h"

void ResetPointInfoFields(PointInfo* info, const SysTime* now) {
    if (!info)
        return;
    memset(info, 0, sizeof(*info));
    info->Red = 255;
    info->Green = 255;
    info->Blue = 255;
    info->Color = 0xFFFFFF;
    strcpy(info->ClassName, "(classname)");
    strcpy(info->Text, "(text)");
    strcpy(info->ExeName, "(exename)");
    strcpy(info->ExePath, "(exefolderpath)");
    if (now)
        info->Time = *now;
}

void SplitModulePath(const char* path, char* nameOut, char* folderOut) {
    size_t start = PathNameStart(path);
    CopyTextCut(nameOut, path + start, TextFieldSize - 1);

    char folder[1024];
    size_t n = start < sizeof(folder) - 1 ? start : sizeof(folder) - 1;
    memcpy(folder, path, n);
    folder[n] = 0;
    // Drop the trailing separator of the directory part (PathNameStart
    // only ever stops after a real one); a module in the root of a drive
    // leaves the drive letter and colon alone.
    if (n > 0 && (folder[n - 1] == '\\' || folder[n - 1] == '/'))
        folder[n - 1] = 0;
    CopyTextCut(folderOut, folder, TextFieldSize - 1);
}
