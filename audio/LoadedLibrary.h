#pragma once

namespace audio {

// A shared library opened the first time a sound needs it instead of at every start: libsndfile
// with the codec libraries behind it and the resampler take a command-line tool longer to load
// than most of its commands take to run. Functions keep the types of the library's own header.
// A library stays open for the life of the process once opened: the resampler's OpenMP runtime
// keeps memory and threads of its own that closing would cut loose.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* soname);
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    // Null when the library could not be opened or does not have the function.
    template <typename Function> Function* function(const char* name) const
    {
        return reinterpret_cast<Function*>(symbol(name));
    }

private:
    void* symbol(const char* name) const;

    void* m_handle;
};

} // namespace audio
