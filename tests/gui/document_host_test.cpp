// A class window works through its host alone: the main window is one host, this fake another.
#include "document/document_host.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "dialogs/dialogs.h"
#include "document/child_form.h"
#include "platform/scripted_platform.h"

namespace tav::testing {
namespace {

class FakeHost : public DocumentHost {
public:
    explicit FakeHost(Platform& platform) : platform_(platform), dialogs_(platform) {}

    Platform& platform() override { return platform_; }
    Dialogs& dialogs() override {
        dialogs_.make();
        return dialogs_;
    }
    void enableDocumentControls() override { calls.push_back("controls on"); }
    void setSaveControlsEnabled(bool on) override { calls.push_back(on ? "save on" : "save off"); }
    void showFunctionList(const std::vector<std::string>& entries) override { functions = entries; }
    void showDataList(const std::vector<std::string>& entries) override { data = entries; }

    std::vector<std::string> calls;
    std::vector<std::string> functions;
    std::vector<std::string> data;

private:
    Platform& platform_;
    Dialogs dialogs_;
};

TEST(DocumentHost, AClassWindowSwitchesAndFillsItsHostsControls) {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    FakeHost host(platform);
    platform.modalScripts.push_back([&](QDialog*) {
        host.dialogs().NewClassDlg->Name->setText("Shape");
        host.dialogs().NewClassDlg->setDirectory(dir.path());
        return ModalOk;
    });
    TChildForm document(&host);
    document.setAttribute(Qt::WA_DeleteOnClose, false);

    document.NewClass();
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front(), "save on");
    EXPECT_EQ(host.calls.back(), "controls on");

    document.FormActivate();
    EXPECT_EQ(host.functions, (std::vector<std::string>{"Shape::Shape()", "Shape::~Shape()"}));
    EXPECT_TRUE(host.data.empty());

    ASSERT_TRUE(document.SaveClass());
    EXPECT_EQ(host.calls.back(), "save off");
    EXPECT_TRUE(QDir(dir.path()).exists("Shape.cpp"));
}

}  // namespace
}  // namespace tav::testing
