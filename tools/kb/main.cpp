#include <cstdio>

int main()
{
    std::puts("splitwick-kb: not built yet");
    return 1;
}
