#include "app/varidex_main.h"

int main(int argc, char **argv)
{
    return varidexMain(argc, argv);
}
