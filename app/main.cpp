#include "app/application.h"

int main(int argc, char** argv)
{
    return gp::runApplication(argc, argv);
}
