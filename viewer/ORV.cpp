// The program ORV: shows the Kincaid SF6 tracer data in tables and as bars over a map.
#include "GLControl.h"
#include "Main.h"
#include "resources/Icons.h"
#include "vcl/Application.h"

int main(int argc, char** argv)
{
    PrepareOpenGLFormat();
    vcl::TApplication application(argc, argv);
    application.setWindowIcon(MainIcon());
    return RunViewer();
}
