// The rejected-value path with Qt's own message box instead of the scripted one: the box is a
// real modal window that takes the focus while the click that caused it is still under way.
#include <QMessageBox>
#include <QTimer>

#include "tests/support/HandlingFixtures.h"
#include "tests/support/app/StartedEditor.h"

namespace {

// Puts the program's own dialogs in place for one test, and closes every box that comes.
class RealDialogsScope {
public:
    RealDialogsScope() : scripted_(Application->SetDialogs(nullptr)) {
        Application->SetDialogs(CreateDesktopDialogs());
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text().toStdString());
                box->accept();
            }
        });
        closer_.start(10);
    }
    ~RealDialogsScope() { Application->SetDialogs(std::move(scripted_)); }
    std::vector<std::string> texts;

private:
    std::unique_ptr<IModalDialogs> scripted_;
    QTimer closer_;
};

using RealDialogs = StartedEditor;

TEST_F(RealDialogs, ARejectedValueStopsTheClickThatLeftItsEditor) {
    StartWith({"; cars", RecordLine("CARA", {{1, "1000"}}), RecordLine("CARB"), "; end"});
    const std::string onDisk = ReadFile(HandlingPath());
    RealDialogsScope real;
    TypeInto(*form->LabeledEdit1, "heavy");
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    EXPECT_EQ(ReadFile(HandlingPath()), onDisk);
    EXPECT_TRUE(form->LabeledEdit1->Focused());

    // Back in the window, as the desktop makes it after the box: a click on the list.
    ASSERT_TRUE(ShowActive(*form));
    ClickListEntry(*form->ListBox1, 1);
    EXPECT_EQ(real.texts, (std::vector<std::string>{"slot 8", "slot 8"}));
    EXPECT_EQ(form->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(form->LabeledEdit1->Text(), "heavy");
    EXPECT_EQ(form->HandlingLines.Get(1), RecordLine("CARA", {{1, "1000"}}));
    EXPECT_TRUE(form->LabeledEdit1->Focused());
}

}  // namespace
