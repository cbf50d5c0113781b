#include "gui_tests.h"

#include "gui_test_classes.h"

namespace vendarion::test {

const std::vector<GuiTest>& GuiTests() {
    static const std::vector<GuiTest> tests = {
        {"ListsTest", MakeListsTest},   {"ListViewTest", MakeListViewTest},
        {"SearchTest", MakeSearchTest}, {"GoTest", MakeGoTest},
        {"WindowTest", MakeWindowTest}, {"StartupWidgetsTest", MakeStartupWidgetsTest},
    };
    return tests;
}

}  // namespace vendarion::test
