// A system.ini with every key away from its default, written the way the
// writer writes, so that reading it and writing it back gives the same
// bytes: with the window at Left/Top, also what the program writes at exit.
#pragma once

// The Format texts hold every escape of the file, a template escape (a
// doubled backslash in a copy key, raw in the user line), trail bytes 0x5C
// (表, ソ) and Japanese.
inline constexpr char kFullSettingsFile[] =
    "[System]\r\n"
    "Left=150\r\nTop=120\r\nWidth=320\r\nHeight=240\r\nWindowTop=0\r\nWindowAlpha=1\r\n"
    "Opacity=65\r\nEndDispoption=2\r\n"
    "CustomColor=#010203,#112233,#223344,#334455,#445566,#556677,#667788,#778899,#8899AA,"
    "#99AABB,#AABBCC,#BBCCDD,#CCDDEE,#DDEEFF,#EEFF00,#FF0011\r\n"
    "BackColorMode=1\r\nBackColor=#336699\r\nFrameWidth=4\r\nDispZoomImage=0\r\nDispCursor=0\r\n"
    "CursorMode=2\r\nDispGrid=1\r\nZoom=5\r\nTimerInterval=250\r\nMouseMoveRedraw=0\r\n"
    "DispMouseDownInfo=1\r\nDispInfoUser=1\r\n"
    "DispInfoUserFormat=表示 [HEX02R]:[DECG], \\1 ソ\r\n"
    "DispInfoColor=0\r\nDispInfoMouse=0\r\nDispInfoHWND=0\r\nDispInfoClass=0\r\n"
    "DispInfoTitle=0\r\nDispInfoArea=0\r\nDispColorHistory=0\r\nHistorySizeX=20\r\n"
    "HistorySizeY=30\r\nHistoryOrder=1\r\nHistoryColor=#FF0000,#00FF00,#0000FF\r\nFixMouse=1\r\n"
    "FixMouseX=10\r\nFixMouseY=20\r\nReversColor=1\r\nReversH=1\r\nReversV=1\r\nHalfTone=1\r\n"
    "WebSafeColor=1\r\nInvalidHotkey=0\r\nDoubleClickMin=1\r\nSampleSize=5\r\n"
    "\r\n"
    "[CopyKey]\r\n"
    "Key=0,#[HEX02R][HEX02G][HEX02B],32,32,0,0,579,0\r\n"
    "Key=0,RGB([DECR]\\,[DECG]\\,[DECB])\\n\\t表示\\\\ソ,32,32,0,0,0,1656\r\n"
    "Key=2,,0,0,0,0,0,0\r\n"
    "Key=1,,64,48,1,2,0,0\r\n"
    "Key=0,日付 \\\\5 [TEXT],10,10,0,0,0,0\r\n"
    "\r\n";

