// Resources that every language library carries, by the numbers the plug-in
// loads them with. Shared by the libraries' resource scripts and the code
// that reads them, so neither side can drift from the other.
#pragma once

// The toolbar strip: one 16x16 image per toolbar button, in the order of the
// toolbar table, side by side in one 8-bit bitmap.
#define VEXA_LANG_TOOLBAR_BITMAP 202
#define VEXA_LANG_TOOLBAR_IMAGE_SIZE 16
#define VEXA_LANG_TOOLBAR_IMAGE_COUNT 113
// Pixels of this colour are transparent: the image list is built with it as
// the mask colour. COLORREF layout 0x00BBGGRR; magenta reads the same both ways.
#define VEXA_LANG_TOOLBAR_KEY 0x00FF00FF
