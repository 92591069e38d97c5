// Preloaded into a program by bench/startup.sh: at the first image the program
// puts on an X window (its first painted frame), writes the microseconds since
// FIRSTFRAME_START_US to FIRSTFRAME_LOG and ends the program.
#include <dlfcn.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

void firstFrame()
{
    struct timeval now;
    gettimeofday(&now, NULL);
    const char* start = getenv("FIRSTFRAME_START_US");
    const char* path = getenv("FIRSTFRAME_LOG");
    if (start && path) {
        long long elapsed = (long long)now.tv_sec * 1000000 + now.tv_usec - atoll(start);
        FILE* log = fopen(path, "a");
        if (log) {
            fprintf(log, "%lld\n", elapsed);
            fclose(log);
        }
    }
    _exit(0);
}

// The Qt platform plugin loads the xcb libraries into a local scope, where
// RTLD_NEXT does not look; they are found by name instead.
void* realFunction(const char* library, const char* name)
{
    if (void* function = dlsym(RTLD_NEXT, name))
        return function;
    void* handle = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
    return handle ? dlsym(handle, name) : nullptr;
}

} // namespace

extern "C" {

struct xcb_void_cookie_t {
    unsigned int sequence;
};

#define HOOK(library, name, params, args)                                                          \
    xcb_void_cookie_t name params                                                                  \
    {                                                                                              \
        static auto real =                                                                         \
            reinterpret_cast<xcb_void_cookie_t(*) params>(realFunction(library, #name));           \
        xcb_void_cookie_t cookie = real args;                                                      \
        firstFrame();                                                                              \
        return cookie;                                                                             \
    }

HOOK("libxcb-shm.so.0", xcb_shm_put_image,
     (void* c, unsigned drawable, unsigned gc, unsigned short total_width,
      unsigned short total_height, unsigned short src_x, unsigned short src_y,
      unsigned short src_width, unsigned short src_height, short dst_x, short dst_y,
      unsigned char depth, unsigned char format, unsigned char send_event, unsigned shmseg,
      unsigned offset),
     (c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height, dst_x, dst_y,
      depth, format, send_event, shmseg, offset))

HOOK("libxcb.so.1", xcb_put_image,
     (void* c, unsigned char format, unsigned drawable, unsigned gc, unsigned short width,
      unsigned short height, short dst_x, short dst_y, unsigned char left_pad, unsigned char depth,
      unsigned data_len, const unsigned char* data),
     (c, format, drawable, gc, width, height, dst_x, dst_y, left_pad, depth, data_len, data))

HOOK("libxcb.so.1", xcb_copy_area,
     (void* c, unsigned src_drawable, unsigned dst_drawable, unsigned gc, short src_x, short src_y,
      short dst_x, short dst_y, unsigned short width, unsigned short height),
     (c, src_drawable, dst_drawable, gc, src_x, src_y, dst_x, dst_y, width, height))

} // extern "C"
