// The least a C++ program converting one value pays: it reads the value
// from its argument, multiplies it and prints one double. bench_cli_startup
// measures mezura-convert against it.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    const std::string typed = argc > 1 ? argv[1] : "1";
    std::printf("%.14g\n", std::stod(typed) * 0.62137119223733);
    return 0;
}
