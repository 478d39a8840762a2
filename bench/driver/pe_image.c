#include "bench/driver/pe_image.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>

typedef struct FileBytes {
    const BYTE* data;
    DWORD size;
} FileBytes;

/* The file is our own build output, but every offset is still checked so
 * that a damaged file gives a message instead of a crash. */
static const void* At(const FileBytes* file, DWORD offset, DWORD length)
{
    if (offset > file->size || length > file->size - offset) return NULL;
    return file->data + offset;
}

static BOOL RvaToOffset(const IMAGE_SECTION_HEADER* sections, int count, DWORD rva, DWORD* offset)
{
    int i;
    for (i = 0; i < count; ++i) {
        const IMAGE_SECTION_HEADER* s = &sections[i];
        DWORD extent = s->Misc.VirtualSize > s->SizeOfRawData ? s->Misc.VirtualSize : s->SizeOfRawData;
        if (rva >= s->VirtualAddress && rva - s->VirtualAddress < extent) {
            if (rva - s->VirtualAddress >= s->SizeOfRawData) return FALSE; /* not in the file */
            *offset = s->PointerToRawData + (rva - s->VirtualAddress);
            return TRUE;
        }
    }
    return FALSE;
}

static BOOL AddImport(PeImage* image, const FileBytes* file, const IMAGE_SECTION_HEADER* sections,
                      int count, DWORD nameRva)
{
    DWORD offset;
    int length = 0;
    char* name;
    if (image->importCount >= PE_MAX_IMPORTS || !RvaToOffset(sections, count, nameRva, &offset))
        return FALSE;
    name = image->imports[image->importCount];
    while (length < PE_NAME_SIZE - 1 && offset + length < file->size && file->data[offset + length])
        name[length] = (char)file->data[offset + length], ++length;
    name[length] = '\0';
    ++image->importCount;
    return length > 0;
}

static BOOL ReadImports(PeImage* image, const FileBytes* file, const IMAGE_NT_HEADERS32* nt,
                        const IMAGE_SECTION_HEADER* sections, int count)
{
    const IMAGE_DATA_DIRECTORY* dirs = nt->OptionalHeader.DataDirectory;
    DWORD offset;
    const IMAGE_DATA_DIRECTORY* imports = &dirs[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const IMAGE_DATA_DIRECTORY* delayed = &dirs[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];

    if (imports->VirtualAddress && RvaToOffset(sections, count, imports->VirtualAddress, &offset)) {
        for (;; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const IMAGE_IMPORT_DESCRIPTOR* d = At(file, offset, sizeof *d);
            if (!d) return FALSE;
            if (!d->Name) break;
            if (!AddImport(image, file, sections, count, d->Name)) return FALSE;
        }
    }
    /* A DLL loaded on first use is still a DLL the program needs. */
    if (delayed->VirtualAddress && RvaToOffset(sections, count, delayed->VirtualAddress, &offset)) {
        for (;; offset += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
            const IMAGE_DELAYLOAD_DESCRIPTOR* d = At(file, offset, sizeof *d);
            DWORD nameRva;
            if (!d) return FALSE;
            if (!d->DllNameRVA) break;
            /* Old-style descriptors hold addresses, not offsets from the base. */
            nameRva = (d->Attributes.AllAttributes & 1) ? d->DllNameRVA
                                                        : d->DllNameRVA - nt->OptionalHeader.ImageBase;
            if (!AddImport(image, file, sections, count, nameRva)) return FALSE;
        }
    }
    return TRUE;
}

static BOOL Parse(PeImage* image, const FileBytes* file, char* error, int errorSize)
{
    const IMAGE_DOS_HEADER* dos = At(file, 0, sizeof *dos);
    const IMAGE_NT_HEADERS32* nt;
    const IMAGE_SECTION_HEADER* sections;
    DWORD sectionsOffset, end = 0;
    int i, count;

    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) {
        snprintf(error, errorSize, "no MZ header");
        return FALSE;
    }
    nt = At(file, (DWORD)dos->e_lfanew, sizeof *nt);
    if (!nt || nt->Signature != IMAGE_NT_SIGNATURE ||
        nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        snprintf(error, errorSize, "not a 32-bit PE image");
        return FALSE;
    }
    count = nt->FileHeader.NumberOfSections;
    sectionsOffset = (DWORD)dos->e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                     nt->FileHeader.SizeOfOptionalHeader;
    sections = At(file, sectionsOffset, (DWORD)count * sizeof *sections);
    if (!sections || count > PE_MAX_SECTIONS) {
        snprintf(error, errorSize, "section table out of range (%d sections)", count);
        return FALSE;
    }

    image->headerSize = nt->OptionalHeader.SizeOfHeaders;
    image->sectionCount = count;
    for (i = 0; i < count; ++i) {
        const IMAGE_SECTION_HEADER* s = &sections[i];
        PeSection* out = &image->sections[i];
        memcpy(out->name, s->Name, IMAGE_SIZEOF_SHORT_NAME);
        out->name[IMAGE_SIZEOF_SHORT_NAME] = '\0';
        out->virtualSize = s->Misc.VirtualSize;
        out->rawSize = s->SizeOfRawData;
        if (strcmp(out->name, ".rsrc") == 0) image->resourceSize += s->SizeOfRawData;
        if (s->SizeOfRawData && s->PointerToRawData + s->SizeOfRawData > end)
            end = s->PointerToRawData + s->SizeOfRawData;
    }
    image->trailingSize = file->size > end ? file->size - end : 0;

    if (!ReadImports(image, file, nt, sections, count)) {
        snprintf(error, errorSize, "import table out of range");
        return FALSE;
    }
    return TRUE;
}

BOOL PeImageLoad(const char* path, PeImage* image, char* error, int errorSize)
{
    HANDLE handle;
    DWORD size, read = 0;
    BYTE* data;
    BOOL ok;
    FileBytes file;

    memset(image, 0, sizeof *image);
    handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (handle == INVALID_HANDLE_VALUE) {
        snprintf(error, errorSize, "cannot open (error %lu)", GetLastError());
        return FALSE;
    }
    size = GetFileSize(handle, NULL);
    data = size == INVALID_FILE_SIZE ? NULL : HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    ok = data && ReadFile(handle, data, size, &read, NULL) && read == size;
    CloseHandle(handle);
    if (!ok) {
        snprintf(error, errorSize, "cannot read");
        if (data) HeapFree(GetProcessHeap(), 0, data);
        return FALSE;
    }
    image->fileSize = size;
    file.data = data;
    file.size = size;
    ok = Parse(image, &file, error, errorSize);
    HeapFree(GetProcessHeap(), 0, data);
    return ok;
}

DWORD PeImageCodeSize(const PeImage* image)
{
    return image->fileSize - image->resourceSize;
}

BOOL PeImageImports(const PeImage* image, const char* dll)
{
    int i;
    for (i = 0; i < image->importCount; ++i)
        if (lstrcmpiA(image->imports[i], dll) == 0) return TRUE;
    return FALSE;
}
