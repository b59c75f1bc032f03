#include "GLControl.h"
#include "vcl/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as ctest does to find them) runs none, so it needs no display and no
    // application.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    PrepareOpenGLFormat();
    vcl::TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
