#include "audio/LoadedLibrary.h"

#include <dlfcn.h>

namespace audio {

LoadedLibrary::LoadedLibrary(const char* soname)
    : m_handle(::dlopen(soname, RTLD_NOW | RTLD_LOCAL))
{
}

void* LoadedLibrary::symbol(const char* name) const
{
    return m_handle == nullptr ? nullptr : ::dlsym(m_handle, name);
}

} // namespace audio
