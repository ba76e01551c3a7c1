/* The fault child's side of libfiu. The child defines the file calls it watches (open,
 * write, fsync, rename ...): the dynamic linker binds every library's calls to these first.
 * Each notes whether its call is one that counts, then hands it on to the next definition,
 * libfiu's preloaded wrapper, which asks fiu_fail() and so our callback. Calls that libfiu
 * does not wrap (renameat2, mkostemp) ask fiu_fail() here under the wrapper's name. */
#define _GNU_SOURCE
#include "tests/robustness/fault_points.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
/* The core API is only compiled in with FIU_ENABLE. */
#define FIU_ENABLE 1
#include <fiu-control.h>
#include <fiu.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static atomic_int counting;
static atomic_int counts[FAULT_KINDS];
static atomic_int fired;
static enum fault_kind armed = FAULT_NONE;
static int armedAt;
/* Set by the watched call just before it hands on: the kind it counts as, or FAULT_NONE. */
static _Thread_local enum fault_kind pending = FAULT_NONE;

static int decide(const char* name, int* failnum, void** failinfo, unsigned* flags) {
    (void)name;
    (void)failnum;
    (void)failinfo;
    (void)flags;
    const enum fault_kind kind = pending;
    pending = FAULT_NONE;
    if (kind == FAULT_NONE || !atomic_load(&counting))
        return 0;
    const int n = atomic_fetch_add(&counts[kind], 1) + 1;
    if (kind == armed && n == armedAt) {
        atomic_store(&fired, 1);
        return 1;
    }
    return 0;
}

static const struct {
    const char* name;
    int err;
} points[] = {
    {"posix/io/rw/write", ENOSPC},     {"posix/io/rw/pwrite", ENOSPC},
    {"posix/io/rw/writev", ENOSPC},    {"posix/io/rw/pwritev", ENOSPC},
    {"posix/io/sync/fsync", EIO},      {"posix/io/sync/fdatasync", EIO},
    {"posix/io/dir/rename", EIO},      {"posix/io/oc/open", EIO},
};

int fault_arm(enum fault_kind kind, int nth) {
    armed = kind;
    armedAt = nth;
    if (fiu_init(0) != 0)
        return -1;
    for (size_t i = 0; i < sizeof points / sizeof points[0]; ++i)
        if (fiu_enable_external(points[i].name, 1, (void*)(long)points[i].err, 0, decide) != 0)
            return -1;
    /* The wrappers are there when the write ours hands on to is libfiu's. */
    Dl_info where;
    return dladdr(dlsym(RTLD_NEXT, "write"), &where) && where.dli_fname &&
                   strstr(where.dli_fname, "fiu_posix_preload")
               ? 0
               : -1;
}

void fault_start(void) {
    atomic_store(&counting, 1);
}
void fault_stop(void) {
    atomic_store(&counting, 0);
}
int fault_count(enum fault_kind kind) {
    return atomic_load(&counts[kind]);
}
int fault_injected(void) {
    return atomic_load(&fired);
}

/* ---- the watched calls ------------------------------------------------------------------- */

#define NEXT(name, type)                                                                       \
    static type next_##name;                                                                   \
    if (!next_##name)                                                                          \
        next_##name = (type)dlsym(RTLD_NEXT, #name);

static enum fault_kind onFile(int fd, enum fault_kind kind) {
    struct stat st;
    return fd > 2 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? kind : FAULT_NONE;
}
static enum fault_kind forWriting(int flags) {
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) ? FAULT_OPEN : FAULT_NONE;
}

typedef int (*open_fn)(const char*, int, ...);
int open(const char* path, int flags, ...) {
    NEXT(open, open_fn)
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list ap;
        va_start(ap, flags);
        mode = va_arg(ap, mode_t);
        va_end(ap);
    }
    pending = forWriting(flags);
    const int r = next_open(path, flags, mode);
    pending = FAULT_NONE;
    return r;
}
int open64(const char* path, int flags, ...) {
    NEXT(open64, open_fn)
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list ap;
        va_start(ap, flags);
        mode = va_arg(ap, mode_t);
        va_end(ap);
    }
    pending = forWriting(flags);
    const int r = next_open64(path, flags, mode);
    pending = FAULT_NONE;
    return r;
}

typedef ssize_t (*write_fn)(int, const void*, size_t);
ssize_t write(int fd, const void* buf, size_t n) {
    NEXT(write, write_fn)
    pending = onFile(fd, FAULT_WRITE);
    const ssize_t r = next_write(fd, buf, n);
    pending = FAULT_NONE;
    return r;
}
typedef ssize_t (*pwrite_fn)(int, const void*, size_t, off_t);
ssize_t pwrite(int fd, const void* buf, size_t n, off_t at) {
    NEXT(pwrite, pwrite_fn)
    pending = onFile(fd, FAULT_WRITE);
    const ssize_t r = next_pwrite(fd, buf, n, at);
    pending = FAULT_NONE;
    return r;
}
ssize_t pwrite64(int fd, const void* buf, size_t n, off_t at) {
    NEXT(pwrite64, pwrite_fn)
    pending = onFile(fd, FAULT_WRITE);
    const ssize_t r = next_pwrite64(fd, buf, n, at);
    pending = FAULT_NONE;
    return r;
}
typedef ssize_t (*writev_fn)(int, const struct iovec*, int);
ssize_t writev(int fd, const struct iovec* iov, int count) {
    NEXT(writev, writev_fn)
    pending = onFile(fd, FAULT_WRITE);
    const ssize_t r = next_writev(fd, iov, count);
    pending = FAULT_NONE;
    return r;
}

typedef int (*sync_fn)(int);
int fsync(int fd) {
    NEXT(fsync, sync_fn)
    pending = onFile(fd, FAULT_FSYNC);
    const int r = next_fsync(fd);
    pending = FAULT_NONE;
    return r;
}
int fdatasync(int fd) {
    NEXT(fdatasync, sync_fn)
    pending = onFile(fd, FAULT_FSYNC);
    const int r = next_fdatasync(fd);
    pending = FAULT_NONE;
    return r;
}

typedef int (*rename_fn)(const char*, const char*);
int rename(const char* from, const char* to) {
    NEXT(rename, rename_fn)
    pending = FAULT_RENAME;
    const int r = next_rename(from, to);
    pending = FAULT_NONE;
    return r;
}

/* Not wrapped by libfiu: asked here under the wrapper's name, with its errno. */
static int failsHere(const char* point, enum fault_kind kind, int err) {
    pending = kind;
    const int fails = fiu_fail(point);
    pending = FAULT_NONE;
    if (fails)
        errno = err;
    return fails;
}

typedef int (*renameat2_fn)(int, const char*, int, const char*, unsigned);
int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    NEXT(renameat2, renameat2_fn)
    if (failsHere("posix/io/dir/rename", FAULT_RENAME, EIO))
        return -1;
    return next_renameat2(fromDir, from, toDir, to, flags);
}

typedef int (*mkostemp_fn)(char*, int);
int mkostemp(char* pattern, int flags) {
    NEXT(mkostemp, mkostemp_fn)
    if (failsHere("posix/io/oc/open", FAULT_OPEN, EIO))
        return -1;
    return next_mkostemp(pattern, flags);
}
