#include "platform/JpegImage.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE without including its header

#include <jpeglib.h>

#include "platform/SysUtils.h"

namespace {

// A picture beyond this would only be a corrupt or hostile header asking for gigabytes.
constexpr unsigned long long MaxPixels = 1ULL << 26;

// libjpeg hands its error manager back to the callbacks; the rest of the record travels
// behind it, so the record must start with it.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf failed;
    int warnings;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager& ErrorsOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

// libjpeg's own handler would print the message and end the program.
[[noreturn]] void FailDecoding(j_common_ptr info) {
    ErrorManager& errors = ErrorsOf(info);
    (*info->err->format_message)(info, errors.message);
    std::longjmp(errors.failed, 1);
}

void KeepQuiet(j_common_ptr) {}

// Level -1 is a warning, the levels above it trace messages.
void CountWarning(j_common_ptr info, int level) {
    if (level < 0) ++ErrorsOf(info).warnings;
}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
    const unsigned char* input;
    unsigned long inputSize;
    unsigned char* output;
};

using DecodingStep = void (*)(Decoder&);

// Bytes per pixel of libjpeg's RGB output.
constexpr std::size_t RgbBytes = 3;

// The steps that RunGuarded runs. libjpeg may leave them by longjmp, so they hold no object
// with a destructor either.
void ReadHeader(Decoder& decoder) {
    jpeg_create_decompress(&decoder.info);
    jpeg_mem_src(&decoder.info, decoder.input, decoder.inputSize);
    jpeg_read_header(&decoder.info, TRUE);
}

void StartDecompressing(Decoder& decoder) {
    decoder.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder.info);
}

void ReadPixels(Decoder& decoder) {
    jpeg_decompress_struct& info = decoder.info;
    const std::size_t rowBytes = std::size_t{info.output_width} * RgbBytes;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoder.output + info.output_scanline * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
}

// longjmp skips destructors, so this frame holds no C++ object; the decoder's state lives in
// the caller, whose frame longjmp never crosses. False when libjpeg gave up.
bool RunGuarded(Decoder& decoder, DecodingStep step) {
    if (setjmp(decoder.errors.failed) != 0) return false;
    step(decoder);
    return true;
}

// Frees libjpeg's memory however decoding ends; a decoder never created has nothing to free.
class DecoderRelease {
public:
    explicit DecoderRelease(Decoder& decoder) : decoder_(decoder) {}
    ~DecoderRelease() { jpeg_destroy_decompress(&decoder_.info); }
    DecoderRelease(const DecoderRelease&) = delete;
    DecoderRelease& operator=(const DecoderRelease&) = delete;

private:
    Decoder& decoder_;
};

void Run(Decoder& decoder, DecodingStep step) {
    if (!RunGuarded(decoder, step)) throw EConvertError(decoder.errors.message);
}

void CheckSize(const jpeg_decompress_struct& info) {
    const unsigned long long pixels = 1ULL * info.image_width * info.image_height;
    if (pixels > MaxPixels)
        throw EConvertError("JPEG picture too large: " + IntToStr(info.image_width) + " x " +
                            IntToStr(info.image_height) + " pixels");
}

}  // namespace

TDecodedImage DecodeJpeg(const std::string& bytes) {
    Decoder decoder{};  // zeroed, so releasing it before creation is harmless
    decoder.info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = FailDecoding;
    decoder.errors.base.output_message = KeepQuiet;
    decoder.errors.base.emit_message = CountWarning;
    decoder.input = reinterpret_cast<const unsigned char*>(bytes.data());
    decoder.inputSize = static_cast<unsigned long>(bytes.size());
    const DecoderRelease release(decoder);

    Run(decoder, ReadHeader);
    CheckSize(decoder.info);
    Run(decoder, StartDecompressing);

    TDecodedImage image;
    image.Width = static_cast<int>(decoder.info.output_width);
    image.Height = static_cast<int>(decoder.info.output_height);
    image.Rgb.resize(std::size_t{decoder.info.output_width} * decoder.info.output_height * RgbBytes);
    decoder.output = image.Rgb.data();
    Run(decoder, ReadPixels);
    image.Warnings = decoder.errors.warnings;
    return image;
}
