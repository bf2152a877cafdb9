// The picture control with real Qt widgets: it shows the decoded picture at its own size and
// reports a left click anywhere on it; and reading resources that are not there.
#include "platform/Image.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "platform/JpegImage.h"
#include "platform/Resources.h"
#include "platform/SysUtils.h"
#include "tests/support/FormTesting.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

// The test binary holds none of the program's resources, so the picture comes from its file.
const char* const CreditsPicture = "resources/credits.jpg";

class TPictureForm : public TForm {
public:
    TPictureForm() : TForm("PictureForm") {
        SetBounds(10, 10, 600, 500);
        Image1 = Make<TImage>(this, "Image1");
        Image1->SetBounds(0, 0, 297, 337);
    }
    TImage* Image1;
};

class ImageControl : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        form->Image1->OnClick = [this] { ++clicks; };
    }
    void TearDown() override { Application->DestroyForms(); }

    // Loads the credits picture and gives the control its size, as the credits window does.
    void LoadCredits() {
        form->Image1->LoadJpeg(ReadFileBytes(CreditsPicture));
        form->Image1->SetBounds(0, 0, form->Image1->PictureWidth(), form->Image1->PictureHeight());
    }
    const QLabel& Label() const { return *static_cast<QLabel*>(form->Image1->Widget()); }

    TPictureForm* form = nullptr;
    int clicks = 0;
};

TEST_F(ImageControl, LoadedPictureReportsItsSizeAndIsShownUnscaled) {
    EXPECT_EQ(form->Image1->PictureWidth(), 0);
    EXPECT_EQ(form->Image1->PictureHeight(), 0);
    form->Image1->LoadJpeg(ReadFileBytes(CreditsPicture));
    EXPECT_EQ(form->Image1->PictureWidth(), 492);
    EXPECT_EQ(form->Image1->PictureHeight(), 383);
    EXPECT_EQ(form->Image1->Width(), 297) << "loading a picture leaves the control's size alone";

    const QPixmap shown = Label().pixmap();
    EXPECT_EQ(shown.size(), QSize(492, 383));
    EXPECT_FALSE(Label().hasScaledContents());
    EXPECT_EQ(Label().alignment(), Qt::AlignLeft | Qt::AlignTop);

    // The pixels are the decoder's, kept after its buffer is gone.
    const TDecodedImage decoded = DecodeJpeg(ReadFileBytes(CreditsPicture));
    const QImage pixels = shown.toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(246, 112), QPoint(491, 382)}) {
        const std::size_t offset = (static_cast<std::size_t>(at.y()) * decoded.Width + at.x()) * 3;
        const QColor expected(decoded.Rgb[offset], decoded.Rgb[offset + 1], decoded.Rgb[offset + 2]);
        EXPECT_EQ(pixels.pixelColor(at), expected) << at.x() << "," << at.y();
    }
}

TEST_F(ImageControl, DataThatIsNoPictureKeepsTheOldOne) {
    LoadCredits();
    EXPECT_THROW(form->Image1->LoadJpeg("not a picture"), EConvertError);
    EXPECT_EQ(form->Image1->PictureWidth(), 492);
    EXPECT_EQ(Label().pixmap().size(), QSize(492, 383));
}

TEST_F(ImageControl, LeftClickAnywhereOnThePictureClicksOnce) {
    LoadCredits();
    ASSERT_TRUE(ShowActive(*form));
    QWidget* picture = form->Image1->Widget();
    for (const QPoint at : {QPoint(0, 0), QPoint(246, 191), QPoint(491, 382)}) {
        clicks = 0;
        QTest::mouseClick(picture, Qt::LeftButton, {}, at);
        EXPECT_EQ(clicks, 1) << at.x() << "," << at.y();
    }
}

TEST_F(ImageControl, OnlyALeftPressAndReleaseOnThePictureIsAClick) {
    LoadCredits();
    ASSERT_TRUE(ShowActive(*form));
    QWidget* picture = form->Image1->Widget();
    const QPoint inside(100, 100);
    const QPoint outside(520, 100);

    QTest::mouseClick(picture, Qt::RightButton, {}, inside);
    EXPECT_EQ(clicks, 0) << "right button";

    QTest::mousePress(picture, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks, 0) << "released outside";

    QTest::mouseRelease(picture, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 0) << "released without a press";

    QTest::mouseClick(form->Widget(), Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks, 0) << "on the window beside the picture";
}

TEST_F(ImageControl, AFailingClickHandlerIsReported) {
    ScriptedDialogsScope dialogs;
    dialogs->ExpectErrorReport();
    form->Image1->OnClick = [] { throw EFileError("picture handler failed"); };
    LoadCredits();
    ASSERT_TRUE(ShowActive(*form));
    QTest::mouseClick(form->Image1->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->Boxes()[0].text, "picture handler failed");
}

TEST(ReadResource, MissingResourceIsAFileError) {
    try {
        ReadResource(":/no-such-picture.jpg");
        ADD_FAILURE() << "read";
    } catch (const EFileError& error) {
        EXPECT_NE(error.Message().find(":/no-such-picture.jpg"), std::string::npos) << error.Message();
    }
}

}  // namespace
