#pragma once
// Names of the program's resources, shared by the resource script and the code.

#define IDR_MANIFEST 1
// Picture strips; the resources carry the art's size after the name
// ("NODEIMAGES16", "NODEIMAGES24").
#define IDB_NODE_IMAGES "NODEIMAGES"
#define IDB_GLYPH_ENDE "GLYPHENDE"
#define IDB_GLYPH_SUCHEN "GLYPHSUCHEN"
#define IDC_ZOOM "CZOOM"
#define IDC_NOZOOM "CNOZOOM"
#define IDI_MAIN "MAINICON"
