#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "frame/save_dialog.h"
#include "imaging/image_block.h"
#include "texts/gallery_messages.h"

// The galleries' Save As (the selected image) and Save All (every image of
// the table under numbered names), with the confirmation before a file is
// overwritten. One command for both galleries; what differs is here.
struct GallerySaveKind {
    const SaveRules* dialog;
    const gallery_texts::SaveTexts* texts;
    ImageRead (*build)(ByteSource&, const FoundImage&, std::vector<uint8_t>&);
    // The free bytes the run needs (more than this must be free).
    uint64_t (*room)(int first, int last);
};

void SaveGalleryImages(HWND window, const GallerySaveKind& kind, bool saveAll);
