#include <jotwell/jotwell.h>

#include <iostream>
#include <sstream>

int main()
{
    Jotwell::Config config;
    config.importance = Jotwell::Error;
    std::ostringstream text;
    config.print(text);
    const bool ok = text.str() == "active       = false;\nimportance   = '>>';" &&
                    SimpleTime::Minute / SimpleTime::Second == 60.0;
    std::cout << (ok ? "consumer ok" : "consumer FAILED") << std::endl;
    return ok ? 0 : 1;
}
