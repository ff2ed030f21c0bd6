// A program that only includes the library: starting and stopping it is all
// it does. The echo tests run it with VX_TRACE_ flags set.
#include <jotwell/jotwell.h>

#include <iostream>

int main()
{
    std::cout << "main" << std::endl;
    return 0;
}
