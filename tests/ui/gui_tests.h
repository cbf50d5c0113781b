// The widget test classes of this program, by name.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vendarion::test {

struct GuiTest {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

const std::vector<GuiTest>& GuiTests();

}  // namespace vendarion::test
