// The information panel below the zoomed image: its background, the resize
// grip, the zoom label, the text lines and the colour-history row.
#pragma once

#include <windows.h>

#include "view/InfoPanelText.h"
#include "view/ViewLayout.h"

// Draws into dc with the redraw's layout, colours and lines.
void DrawInfoPanel(HDC dc, const ViewLayout& l, const ViewColors& colors, ColorRef pointerColor,
                   const PanelTexts* texts);
