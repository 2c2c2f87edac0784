#include "app/application_setup.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests run real widgets in one QApplication, styled as the program is.
int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ondulix::setUpApplication(app);
    // The window's load handler creates its settings file in the current directory; tests
    // start from a folder of their own, so none lands in the build tree.
    QTemporaryDir startFolder;
    QDir::setCurrent(startFolder.path());
    return RUN_ALL_TESTS();
}
