#include "app/guardedapplication.h"

int main(int argc, char *argv[])
{
    GuardedApplication app(argc, argv);
    return 0;
}
