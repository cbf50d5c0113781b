// The factories of the widget test classes.
#pragma once

#include <QObject>
#include <memory>

namespace vendarion::test {

std::unique_ptr<QObject> MakeListsTest();
std::unique_ptr<QObject> MakeFieldsTest();
std::unique_ptr<QObject> MakeEntriesTest();
std::unique_ptr<QObject> MakeDialogsTest();
std::unique_ptr<QObject> MakeListViewTest();
std::unique_ptr<QObject> MakeSearchTest();
std::unique_ptr<QObject> MakeGoTest();
std::unique_ptr<QObject> MakeWindowTest();
std::unique_ptr<QObject> MakeStartupWidgetsTest();
std::unique_ptr<QObject> MakeExportTest();
std::unique_ptr<QObject> MakeNotesTest();
std::unique_ptr<QObject> MakeAssistantTest();

}  // namespace vendarion::test
