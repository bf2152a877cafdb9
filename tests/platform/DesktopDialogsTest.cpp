// The desktop's own open dialog, answered by a timer as a user would.
#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "tests/support/TempFolder.h"

namespace {

TEST(DesktopDialogs, TheOpenDialogGivesThePathInTheFileSystemsOwnEncoding) {
    TempFolder temp;
    const std::string folder = temp / "Spiele \xC3\x9C \xD0\x96";  // "Spiele Ü Ж" in UTF-8
    MakeFolder(folder);
    WriteFile(folder + "/gta-vc.exe", "");
    const std::unique_ptr<IModalDialogs> dialogs = CreateDesktopDialogs();

    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialog->selectFile(QString::fromUtf8(folder + "/gta-vc.exe"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    chooser.start(20);
    std::string chosen;
    ASSERT_TRUE(dialogs->OpenFile({"gta-vc.exe|gta-vc.exe"}, chosen));
    EXPECT_EQ(chosen, folder + "/gta-vc.exe");
}

}  // namespace
