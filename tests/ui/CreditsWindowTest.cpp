// The credits window as built and as the user ends it: the embedded picture, a client area of
// exactly the picture's size that the user cannot resize, and a modal showing that ends with
// a click anywhere on the picture or with the title bar's close button.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "platform/Resources.h"
#include "ui/Unit2.h"

namespace {

const QSize PictureSize(492, 383);

// The first form created is the application's main form, whose close ends the program; the
// credits window never is.
class TMainStandIn : public TForm {
public:
    TMainStandIn() : TForm("Main") {}
};

class CreditsWindow : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(mainForm);
        Application->CreateForm(form);
    }
    void TearDown() override { Application->DestroyForms(); }

    // Shows the window modally and runs `act` from its event loop. False when the window was
    // still open after the safety wait, so the test had to close it itself.
    bool ShowModalUntilClosedBy(const std::function<void()>& act) {
        bool closedByTest = false;
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [&] {
            closedByTest = true;
            form->Close();
        });
        safety.start(5000);
        QTimer::singleShot(0, form->Widget(), act);
        form->ShowModal();
        return !closedByTest;
    }

    TMainStandIn* mainForm = nullptr;
    TForm2* form = nullptr;
};

TEST_F(CreditsWindow, EmbeddedPictureIsTheCreditsFile) {
    EXPECT_EQ(ReadResource(":/credits.jpg"), ReadFileBytes("resources/credits.jpg"));
}

TEST_F(CreditsWindow, WindowSettingsAndWiringAreTheDesigns) {
    EXPECT_EQ(form->Name(), "Form2");
    EXPECT_EQ(form->Caption(), "GTA VC - Wendrix v1.0");
    EXPECT_EQ(form->Left(), 200);
    EXPECT_EQ(form->Top(), 116);
    EXPECT_EQ(form->Font().Name, "MS Sans Serif");
    EXPECT_EQ(form->Font().Height, -11);
    EXPECT_FALSE(form->Widget()->windowIcon().isNull());
    EXPECT_TRUE(form->OnCreate == TNotifyEvent(form, &TForm2::FormCreate));
    EXPECT_TRUE(form->Image1->OnClick == TNotifyEvent(form, &TForm2::Image1Click));
    EXPECT_EQ(form->AllControls().size(), 1u);
    EXPECT_FALSE(form->Visible()) << "the window stays hidden until the main window closes";
    EXPECT_FALSE(form->Widget()->isVisible());
}

TEST_F(CreditsWindow, ClientAreaAndPictureControlHaveThePicturesSize) {
    EXPECT_EQ(form->ClientWidth(), PictureSize.width());
    EXPECT_EQ(form->ClientHeight(), PictureSize.height());
    EXPECT_EQ(form->Widget()->size(), PictureSize);

    EXPECT_EQ(form->Image1->Left(), 0);
    EXPECT_EQ(form->Image1->Top(), 0);
    EXPECT_EQ(form->Image1->Width(), PictureSize.width());
    EXPECT_EQ(form->Image1->Height(), PictureSize.height());
    EXPECT_EQ(form->Image1->Widget()->geometry(), QRect(QPoint(0, 0), PictureSize));

    form->Show();
    EXPECT_EQ(form->Widget()->size(), PictureSize) << "showing keeps the size";
    EXPECT_EQ(form->Widget()->pos(), QPoint(200, 116));
}

TEST_F(CreditsWindow, UserCannotResizeIt) {
    EXPECT_EQ(form->BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_EQ(form->Widget()->minimumSize(), PictureSize);
    EXPECT_EQ(form->Widget()->maximumSize(), PictureSize);
    form->Show();
    form->Widget()->resize(700, 500);
    EXPECT_EQ(form->Widget()->size(), PictureSize);
}

struct ClickPoint {
    const char* name;
    QPoint at;  // in the client area
};

// Names the point in the test's listing, instead of the raw bytes of the struct.
void PrintTo(const ClickPoint& point, std::ostream* out) { *out << point.name; }

class CreditsWindowClick : public CreditsWindow, public testing::WithParamInterface<ClickPoint> {};

// Clicks whatever widget lies under the client point, as the mouse does.
void ClickClientPoint(QWidget& client, const QPoint& at) {
    QWidget* target = client.childAt(at);
    if (target == nullptr) target = &client;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&client, at));
}

TEST_P(CreditsWindowClick, ClickOnThePictureEndsTheModalShowing) {
    const QPoint at = GetParam().at;
    EXPECT_TRUE(ShowModalUntilClosedBy([&] { ClickClientPoint(*form->Widget(), at); }))
        << "a click at " << GetParam().name << " did not close the window";
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_FALSE(form->ModalShowing());
    EXPECT_FALSE(Application->Terminated()) << "only the main window's close ends the program";
}

INSTANTIATE_TEST_SUITE_P(Points, CreditsWindowClick,
                         testing::Values(ClickPoint{"TopLeftCorner", {0, 0}},
                                         ClickPoint{"BottomRightCorner", {491, 382}},
                                         ClickPoint{"Centre", {246, 191}}),
                         [](const testing::TestParamInfo<ClickPoint>& info) { return std::string(info.param.name); });

TEST_F(CreditsWindow, TitleBarCloseButtonEndsTheModalShowing) {
    EXPECT_TRUE(ShowModalUntilClosedBy([&] { form->Widget()->close(); }));
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_FALSE(form->ModalShowing());
}

}  // namespace
