#include "outline/win32/outline_images.h"

#include "frame/win32/language.h"
#include "lang/resource_ids.h"

namespace outline_images {

HIMAGELIST load() {
    HMODULE library = lang::module();
    if (!library) return nullptr;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(library, MAKEINTRESOURCEW(VEXA_LANG_OUTLINE_BITMAP), IMAGE_BITMAP,
                                                  0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return nullptr;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HIMAGELIST images = nullptr;
    if (info.bmWidth == VEXA_LANG_OUTLINE_IMAGE_SIZE * VEXA_LANG_OUTLINE_IMAGE_COUNT &&
        info.bmHeight == VEXA_LANG_OUTLINE_IMAGE_SIZE) {
        images = ImageList_Create(VEXA_LANG_OUTLINE_IMAGE_SIZE, VEXA_LANG_OUTLINE_IMAGE_SIZE, ILC_COLOR24 | ILC_MASK,
                                  VEXA_LANG_OUTLINE_IMAGE_COUNT, 0);
        if (images) ImageList_AddMasked(images, bitmap, VEXA_LANG_OUTLINE_KEY);
        if (images && ImageList_GetImageCount(images) != VEXA_LANG_OUTLINE_IMAGE_COUNT) {
            ImageList_Destroy(images);
            images = nullptr;
        }
    }
    DeleteObject(bitmap);
    return images;
}

} // namespace outline_images
