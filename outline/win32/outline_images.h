// The outline image strip (bitmap 208 of the language library) as an image
// list: the outline tree, its toolbar and the completion popup's rows all
// draw from it.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace outline_images {

// A new image list the caller owns (ImageList_Destroy); null when the
// bitmap is missing or does not hold exactly the expected number of images.
HIMAGELIST load();

} // namespace outline_images
