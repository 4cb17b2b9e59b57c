#include "ui/font_warmup.h"

#include <dlfcn.h>
#include <thread>

void warmUpFontConfiguration()
{
    // The toolkit links fontconfig already; only look it up, never load it here.
    void *library = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return;
    using InitFunction = int (*)();
    auto init = reinterpret_cast<InitFunction>(dlsym(library, "FcInit"));
    if (!init) {
        dlclose(library);
        return;
    }
    // fontconfig initialises its default configuration once, safely from any
    // thread; whichever thread comes second finds it done.
    std::thread([init, library] {
        init();
        dlclose(library);
    }).detach();
}
