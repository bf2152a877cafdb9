// Fuzzes the JPEG decoder: any bytes give either a conversion error or a whole picture,
// never an exit, a crash or a pixel buffer of the wrong size.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/JpegImage.h"
#include "fuzz/FuzzProperties.h"
#include "platform/SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TDecodedImage image;
    try {
        image = DecodeJpeg(bytes);
    } catch (const EConvertError&) {
        return 0;
    } catch (...) {
        StopOnUnexpectedFailure("DecodeJpeg");
    }
    Require(image.Width > 0 && image.Height > 0, "a decoded picture has pixels");
    Require(image.Rgb.size() == std::size_t(image.Width) * std::size_t(image.Height) * 3,
            "the RGB buffer holds Width * Height * 3 bytes");
    Require(image.Warnings >= 0, "the warning count is never negative");
    return 0;
}
