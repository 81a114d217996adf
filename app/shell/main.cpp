// vellum842, the Pagewright program.
#include "shell/Program.h"

int main(int argc, char** argv)
{
    return pagewright::RunProgram(argc, argv);
}
