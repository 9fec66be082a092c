// Resource and control identifiers of Mirabo, shared by the resource script
// and the code.
#pragma once

#define IDI_MIRABO 1001

// Dialog templates of the options sheet and the capture-key editor.
#define IDD_COPYKEY_EDITOR 106
#define IDD_PAGE_WINDOW 1002
#define IDD_PAGE_COPYKEYS 1003
#define IDD_PAGE_DISPLAY 1004
#define IDD_PAGE_OTHER 1005
