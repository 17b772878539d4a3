#include "platform/keys.h"
#include "platform/sim/SimDesktop.h"

#include <gtest/gtest.h>

namespace {

Control Box(const char* name) {
    Control c;
    c.name = name;
    c.kind = ControlKind::TextBox;
    return c;
}

struct SimFormsTest : testing::Test {
    SimDesktop sim{"."};
    Form form;
    std::vector<std::string> events;
    std::int64_t t = 0;

    void SetUp() override {
        form.name = "frmTest";
        form.controls = {Box("txtOne"), Box("txtTwo")};
        Control label;
        label.name = "lblNote";
        form.controls.push_back(label);
        Control check;
        check.name = "chkFlag";
        check.kind = ControlKind::CheckBox;
        form.controls.push_back(check);
        Control button;
        button.name = "cmdGo";
        button.kind = ControlKind::Button;
        form.controls.push_back(button);
        Form* forms[] = {&form};
        sim.attachForms(forms);
        sim.setActionHandler([this](const UserAction& a) {
            const char* kind = a.kind == UserAction::Kind::Change  ? "change "
                               : a.kind == UserAction::Kind::Click ? "click "
                                                                   : "other ";
            events.push_back(kind + a.control + " " + FindControl(form, a.control)->text);
        });
    }

    void key(std::uint8_t k, bool shift = false) {
        if (shift) sim.schedulePhysicalKey(t, vk::LShift, false);
        sim.schedulePhysicalKey(t, k, false);
        sim.schedulePhysicalKey(t + 30'000, k, true);
        if (shift) sim.schedulePhysicalKey(t + 30'000, vk::LShift, true);
        t += 90'000;
    }
    void settle() {
        while (sim.nowMicros() < t) {
            sim.sleepMs(1);
            sim.doEvents(EventSite::Nested);
        }
    }
};

TEST_F(SimFormsTest, KeysGoToTheFocusedBoxAndTabMovesAlongTheTabOrder) {
    sim.showForm(form, true);
    EXPECT_EQ(sim.focusName(), "frmTest.txtOne");
    key('H', true);
    key('I');
    key(vk::Tab);
    key('X');
    key(vk::Back);
    key('Y');
    settle();
    EXPECT_EQ(FindControl(form, "txtOne")->text, "Hi");
    EXPECT_EQ(FindControl(form, "txtTwo")->text, "y");
    EXPECT_EQ(sim.document().text, "");
    EXPECT_EQ(events,
              (std::vector<std::string>{"change txtOne H", "change txtOne Hi", "change txtTwo x",
                                        "change txtTwo ", "change txtTwo y"}));
    key(vk::Tab); // past the label, onto the check box
    key(vk::Space);
    key(vk::Tab);
    key(vk::Return);
    key(vk::Tab, true);
    settle();
    EXPECT_TRUE(FindControl(form, "chkFlag")->checked);
    EXPECT_EQ(events.back(), "click cmdGo ");
    EXPECT_EQ(sim.focusName(), "frmTest.chkFlag");
}

TEST_F(SimFormsTest, AFormShownWithoutActivationLeavesTheFocusInTheDocument) {
    sim.showForm(form, false);
    key('A');
    settle();
    EXPECT_EQ(sim.document().text, "a");
    EXPECT_EQ(sim.focusName(), "Document");
    ASSERT_TRUE(sim.clickInto("frmTest", "txtTwo"));
    key('B');
    settle();
    EXPECT_EQ(FindControl(form, "txtTwo")->text, "b");
    // The key state stays global: the program's loop sees keys typed into its own boxes.
    key('C');
    sim.sleepMs(10);
    EXPECT_NE(sim.getAsyncKeyState('C'), 0);
    settle();
    ASSERT_TRUE(sim.setForegroundWindow(SimDesktop::kDocument));
    key('D');
    settle();
    EXPECT_EQ(sim.document().text, "ad");
    EXPECT_FALSE(sim.clickInto("frmTest", "lblNote")); // a label takes no focus
}

TEST_F(SimFormsTest, EditingKeysWorkInABoxAsInTheDocument) {
    sim.showForm(form, true);
    for (std::uint8_t k : {std::uint8_t('A'), std::uint8_t('B'), std::uint8_t('C')}) key(k);
    key(vk::Left, true);
    settle();
    sim.schedulePhysicalKey(t, vk::LControl, false);
    key('X');
    key('V');
    key('V');
    sim.schedulePhysicalKey(t, vk::LControl, true);
    key(vk::Home);
    key(vk::Delete);
    settle();
    EXPECT_EQ(FindControl(form, "txtOne")->text, "bcc");
    EXPECT_EQ(sim.clipboardText(), "c");
}

} // namespace
