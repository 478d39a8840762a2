/* What a Windows executable costs on disk: its sections and the DLLs it
 * loads, read straight from its PE headers. */
#ifndef BENCH_PE_IMAGE_H
#define BENCH_PE_IMAGE_H

#include <windows.h>

#define PE_MAX_SECTIONS 16
#define PE_MAX_IMPORTS 32
#define PE_NAME_SIZE 64

typedef struct PeSection {
    char name[IMAGE_SIZEOF_SHORT_NAME + 1];
    DWORD virtualSize;
    DWORD rawSize;
} PeSection;

typedef struct PeImage {
    DWORD fileSize;
    DWORD headerSize;   /* headers up to the first section */
    DWORD trailingSize; /* bytes after the last section: symbols, overlays */
    DWORD resourceSize; /* raw size of .rsrc */
    int sectionCount;
    PeSection sections[PE_MAX_SECTIONS];
    int importCount; /* ordinary and delay-loaded imports together */
    char imports[PE_MAX_IMPORTS][PE_NAME_SIZE];
} PeImage;

/* Fills image from the file at path. On failure returns FALSE and leaves a
 * reason in error. */
BOOL PeImageLoad(const char* path, PeImage* image, char* error, int errorSize);

/* The file without its resources: what the code, data and imports cost. */
DWORD PeImageCodeSize(const PeImage* image);

BOOL PeImageImports(const PeImage* image, const char* dll);

#endif
