#include "GLControl.h"
#include "vcl/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    PrepareOpenGLFormat();
    vcl::TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
