// The icon directory reader on any .ico file: nothing is read outside the file, every image listed lies
// wholly inside it with a size an icon can have, and the image picked for any size is one of them.
//
// Input: the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "ui/core/IconDirectory.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tonvel;
    // A copy of exactly the input's size, so that any read past it is found.
    const std::vector<uint8_t> bytes(data, data + size);
    const std::vector<ui::ICON_IMAGE> images = ui::ReadIconDirectory(bytes);
    const size_t count = size >= 6 ? static_cast<size_t>(bytes[4] | bytes[5] << 8) : 0;
    TONVEL_FUZZ_CHECK(images.size() <= count);
    for (const ui::ICON_IMAGE& image : images) {
        TONVEL_FUZZ_CHECK(uint64_t{image.Offset} + image.Length <= size);
        TONVEL_FUZZ_CHECK(image.Width > 0 && image.Width <= 1024 && image.Height > 0 && image.Height <= 1024);
    }
    for (const int32_t wanted : {16, 20, 24, 32, 48, 256}) {
        const int32_t picked = ui::PickIconImage(images, wanted);
        TONVEL_FUZZ_CHECK(images.empty() ? picked == -1
                                         : picked >= 0 && static_cast<size_t>(picked) < images.size());
    }
    return 0;
}
