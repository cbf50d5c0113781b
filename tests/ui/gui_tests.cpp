#include "gui_tests.h"

#include "gui_test_classes.h"

namespace vendarion::test {

const std::vector<GuiTest>& GuiTests() {
    static const std::vector<GuiTest> tests = {
        {"ListsTest", MakeListsTest},       {"FieldsTest", MakeFieldsTest},
        {"EntriesTest", MakeEntriesTest},   {"DialogsTest", MakeDialogsTest},
        {"SearchTest", MakeSearchTest},     {"GoTest", MakeGoTest},
        {"WindowTest", MakeWindowTest},     {"StartupWidgetsTest", MakeStartupWidgetsTest},
        {"ExportTest", MakeExportTest},     {"NotesTest", MakeNotesTest},
        {"ListViewTest", MakeListViewTest}, {"AssistantTest", MakeAssistantTest},
    };
    return tests;
}

}  // namespace vendarion::test
