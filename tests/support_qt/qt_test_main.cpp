#include <QApplication>

#include <gtest/gtest.h>

// The Qt tests need one application object for the whole run; ctest sets the offscreen
// platform.
int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
