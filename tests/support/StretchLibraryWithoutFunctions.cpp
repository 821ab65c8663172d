// A libSoundTouchDll.so.1 without any of the stretcher's functions. Found before the system's (by
// LD_LIBRARY_PATH, or already loaded by a test program that links it), it stands for a system
// without libsoundtouch1, which a test cannot take away.
