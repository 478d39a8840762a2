/* Preloaded into 32-bit Wine when it runs under qemu-user (machines whose
 * kernel cannot execute i386 code). qemu treats MAP_FIXED_NOREPLACE as a mere
 * hint and maps elsewhere; Wine then keeps the stray mappings as reservations
 * and later subdivides its whole upper address space down to 64 KiB pieces,
 * which costs about a minute per process start. Failing the call with EEXIST,
 * as the kernel would, brings start-up back to about a second. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <sys/mman.h>
#include <sys/types.h>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

static void *as_kernel_would(void *got, void *wanted, size_t len, int flags)
{
    if ((flags & MAP_FIXED_NOREPLACE) && got != MAP_FAILED && got != wanted) {
        munmap(got, len);
        errno = EEXIST;
        return MAP_FAILED;
    }
    return got;
}

void *mmap(void *addr, size_t len, int prot, int flags, int fd, off_t off)
{
    static void *(*real)(void *, size_t, int, int, int, off_t);
    if (!real) real = (void *(*)(void *, size_t, int, int, int, off_t))dlsym(RTLD_NEXT, "mmap");
    return as_kernel_would(real(addr, len, prot, flags, fd, off), addr, len, flags);
}

void *mmap64(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    static void *(*real)(void *, size_t, int, int, int, off64_t);
    if (!real) real = (void *(*)(void *, size_t, int, int, int, off64_t))dlsym(RTLD_NEXT, "mmap64");
    return as_kernel_would(real(addr, len, prot, flags, fd, off), addr, len, flags);
}
