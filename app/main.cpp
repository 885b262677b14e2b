#include <iostream>

#include "app/Application.h"
#include "app/DisplayCheck.h"

int main(int, char** argv) {
    if (!DisplayAvailable()) {
        std::cerr << NoDisplayMessage(argv[0]) << '\n';
        return 1;
    }
    Application application(argv[0]);
    application.Run();
    return 0;
}
