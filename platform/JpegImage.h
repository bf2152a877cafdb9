// Decoding of a JPEG picture into plain RGB pixels, through libjpeg and without any window
// toolkit, so the picture's checks run in the tests that need no display.
#pragma once

#include <string>
#include <vector>

struct TDecodedImage {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgb;  // Width * Height * 3 bytes, rows top to bottom
    // Problems libjpeg recovered from, such as a truncated file whose rest it filled grey.
    int Warnings = 0;
};

// Decodes a whole JPEG file held in memory. EConvertError with libjpeg's message when the
// bytes are no picture it can decode.
TDecodedImage DecodeJpeg(const std::string& bytes);
