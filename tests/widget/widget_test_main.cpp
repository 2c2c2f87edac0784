#include "app/application_setup.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run real widgets in one QApplication, styled as the program is.
int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ondulix::setUpApplication(app);
    return RUN_ALL_TESTS();
}
