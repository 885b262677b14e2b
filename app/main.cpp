#include <iostream>

#include "DisplayCheck.h"
#include "Tavrel.h"

int main(int, char** argv) {
    if (!DisplayAvailable()) {
        std::cerr << NoDisplayMessage(argv[0]) << '\n';
        return 1;
    }
    CTavrelApp theApp(argv[0]);
    theApp.InitInstance();
    return 0;
}
