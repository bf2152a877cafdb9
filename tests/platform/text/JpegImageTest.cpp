// Decoding JPEG pictures: the shipped credits picture in full, and what truncated and corrupt
// data give. A failure must come back as an error, never end the program or print.
#include "platform/JpegImage.h"

#include "platform/FileSystem.h"
#include "platform/SysUtils.h"

#include <cstddef>
#include <string>

#include <gtest/gtest.h>

namespace {

const char* const CreditsPicture = "resources/credits.jpg";
constexpr int CreditsWidth = 492;
constexpr int CreditsHeight = 383;

unsigned Byte(const std::string& bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

// Where the frame header (SOF0) starts, found by walking the marker segments before it.
std::size_t FrameHeaderAt(const std::string& jpeg) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && Byte(jpeg, at + 1) != 0xC0)
        at += 2 + (Byte(jpeg, at + 2) << 8 | Byte(jpeg, at + 3));
    return at;
}

// The picture with the frame header claiming another size: marker, length, precision, then
// height and width, two bytes each, high byte first.
std::string WithFrameSize(std::string jpeg, unsigned width, unsigned height) {
    const std::size_t at = FrameHeaderAt(jpeg);
    jpeg[at + 5] = static_cast<char>(height >> 8);
    jpeg[at + 6] = static_cast<char>(height & 0xFF);
    jpeg[at + 7] = static_cast<char>(width >> 8);
    jpeg[at + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

struct Rgb {
    int r, g, b;
};

Rgb PixelAt(const TDecodedImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.Width + x) * 3;
    return {image.Rgb[at], image.Rgb[at + 1], image.Rgb[at + 2]};
}

TEST(DecodeJpeg, ShippedCreditsPictureDecodesWholeWithoutWarnings) {
    const TDecodedImage image = DecodeJpeg(ReadFileBytes(CreditsPicture));
    EXPECT_EQ(image.Width, CreditsWidth);
    EXPECT_EQ(image.Height, CreditsHeight);
    EXPECT_EQ(image.Rgb.size(), std::size_t{3} * CreditsWidth * CreditsHeight);
    EXPECT_EQ(image.Warnings, 0);
}

TEST(DecodeJpeg, PixelsComeAsRedGreenBlueWithTheTopRowFirst) {
    const TDecodedImage image = DecodeJpeg(ReadFileBytes(CreditsPicture));
    ASSERT_EQ(image.Width, CreditsWidth);
    // The night sky in the top-left corner is blue; the sun just above the horizon in the
    // middle is warm. Swapped channels or rows upside down would show the other way round.
    const Rgb sky = PixelAt(image, 4, 4);
    EXPECT_GT(sky.b, sky.r + 10);
    const Rgb sun = PixelAt(image, CreditsWidth / 2, 112);
    EXPECT_GT(sun.r, 200);
    EXPECT_GT(sun.r, sun.b + 60);
}

TEST(DecodeJpeg, TruncatedPictureDecodesWithWarningsAndPrintsNothing) {
    const std::string bytes = ReadFileBytes(CreditsPicture);
    testing::internal::CaptureStderr();
    // libjpeg-turbo does not fail here: it warns of the premature end and fills the rest in.
    const TDecodedImage image = DecodeJpeg(bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_GT(image.Warnings, 0);
    EXPECT_EQ(image.Width, CreditsWidth);
    EXPECT_EQ(image.Height, CreditsHeight);
    EXPECT_EQ(image.Rgb.size(), std::size_t{3} * CreditsWidth * CreditsHeight);
}

TEST(DecodeJpeg, DataThatIsNoPictureThrowsWithLibjpegsMessage) {
    const std::string picture = ReadFileBytes(CreditsPicture);
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"empty", "", "Empty input file"},
        {"text", "not a picture at all", "Not a JPEG file: starts with 0x6e 0x6f"},
        {"PNG", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "Not a JPEG file: starts with 0x89 0x50"},
        {"start marker only", "\xFF\xD8", "contains no image"},
        {"cut inside the frame header", picture.substr(0, FrameHeaderAt(picture) + 6), "Bogus marker length"},
        {"no rows", WithFrameSize(picture, CreditsWidth, 0), "Empty JPEG image"},
        {"too large to hold", WithFrameSize(picture, 65500, 65500), "too large: 65500 x 65500"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        try {
            DecodeJpeg(c.bytes);
            ADD_FAILURE() << "decoded";
        } catch (const EConvertError& error) {
            EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

}  // namespace
