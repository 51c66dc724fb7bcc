#include <doctest/doctest.h>

#include "fakes.h"
#include "help/help.h"

using namespace vexmora;

TEST_CASE("Help > Topics...") {
    fake::Machine m;
    REQUIRE(m.frm.Form_Load());
    const std::string path = "C:\\Program Files\\Vexmora\\vexmhelp.chm";

    SUBCASE("no help file: the stop box, and the viewer is never asked") {
        m.frm.mnuTopics_Click();
        REQUIRE(m.dialogs.shown.size() == 1);
        CHECK(m.dialogs.shown[0].text == "Help file (vexmhelp.chm) not found");
        CHECK(m.dialogs.shown[0].title == "Vexmora");
        CHECK(m.dialogs.shown[0].flags == kMbIconError);
        CHECK(m.help.calls.empty());
    }
    SUBCASE("the file opens at its default topic, without an owner, each time") {
        m.help.files.insert(path);
        m.frm.mnuTopics_Click();
        m.frm.mnuTopics_Click();
        CHECK(m.dialogs.shown.empty());
        REQUIRE(m.help.calls.size() == 2);
        CHECK(m.help.calls[0].path == path);
        CHECK(m.help.calls[0].owner == 0);
        CHECK(m.help.calls[0].command == kHhDisplayTopic);
        CHECK(m.help.calls[0].data == 0);
    }
    SUBCASE("a viewer that does not open gets the same message") {
        m.help.files.insert(path);
        m.help.viewer = 0;
        m.frm.mnuTopics_Click();
        REQUIRE(m.dialogs.shown.size() == 1);
        CHECK(m.dialogs.shown[0].text == kHelpNotFound);
    }
    SUBCASE("a context number asks for that topic") {
        m.help.files.insert(path);
        CHECK(ShowHelp(m.help, path, 7, 42));
        CHECK(m.help.calls[0].command == kHhHelpContext);
        CHECK(m.help.calls[0].data == 42);
    }
}

TEST_CASE("File > Exit and Help > About...") {
    fake::Machine m;
    REQUIRE(m.frm.Form_Load());
    m.frm.mnuAbout_Click();
    m.frm.mnuAbout_Click();
    CHECK(m.window.aboutShown == 2);
    CHECK_FALSE(m.window.ended);
    m.frm.mnuExit_Click();
    CHECK(m.window.ended);
}
