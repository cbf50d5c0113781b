// The widget tests run headless: the offscreen platform, a German locale and a
// fixed font resolution. Each test class runs alone when its name is the first
// argument (CTest runs them one by one), else all run.
#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "gui_tests.h"
#include "ui/program_font.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    // The offscreen platform cannot pass size hints on; nothing to see in a test.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication application(argc, argv);
    vendarion::UseProgramFont(application);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> arguments = {argv[0]};
    for (int i = only != nullptr ? 2 : 1; i < argc; ++i) arguments.push_back(argv[i]);
    int failed = 0;
    int run = 0;
    for (const vendarion::test::GuiTest& test : vendarion::test::GuiTests()) {
        if (only != nullptr && std::strcmp(only, test.name) != 0) continue;
        std::unique_ptr<QObject> object = test.make();
        failed += QTest::qExec(object.get(), static_cast<int>(arguments.size()), arguments.data());
        ++run;
    }
    // A class name that names no class must not pass as an empty success.
    if (run == 0) std::fprintf(stderr, "no test class %s\n", only);
    return failed == 0 && run > 0 ? 0 : 1;
}
