#include <cstdio>

int main() { std::puts("fupc"); return 0; }
