// vellum842, the Pagewright program.
#include "mainwindow/Program.h"

int main(int argc, char** argv)
{
    return pagewright::RunProgram(argc, argv);
}
