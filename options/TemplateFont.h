// Dialog templates in memory, as the property sheet hands its own to its
// callback before it makes its window. Pure.
//
// The sheet makes room for a page by the page's size in the sheet's dialog
// units, which follow the sheet's font; a page in a larger font then needs
// more room than it gets and is clipped at its right and bottom. Given the
// pages' font, the frame's units and the pages' units are the same.
#pragma once

// Sets the font of the dialog template at tmpl (DLGTEMPLATE or
// DLGTEMPLATEEX, with its font fields) to pointSize, and its face name to
// face (ASCII) when the template's own face has as many characters, so the
// template keeps its length. 2 when size and face were set, 1 when only the
// size was, 0 when the template names no font (then nothing changes).
int SetTemplateFont(void* tmpl, int pointSize, const char* face);
