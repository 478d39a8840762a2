/* Measures Pellorin.exe against the raw-Win32 floor in one run: size and
 * imports from the two files, start-up time and memory from launches that
 * alternate between the two programs round by round, so that whatever the
 * machine does meanwhile falls on both alike.
 *
 * bench_driver [--rounds N] [--raw FILE] FLOOR.exe PELLORIN.exe
 *
 * Exit status: 0 when every launch worked and Pellorin.exe imports only
 * Windows DLLs, 1 otherwise, 2 for bad arguments. The budget lines say PASS
 * or FAIL but do not change the status: start-up differences of a few per
 * cent are within the noise of one run. */
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench/driver/launch.h"
#include "bench/driver/pe_image.h"
#include "bench/driver/summary.h"
#include "bench/driver/system_dlls.h"

enum { FLOOR, PELLORIN, PROGRAMS };
static const char* const kNames[PROGRAMS] = {"floor", "Pellorin"};

#define DEFAULT_ROUNDS 41
#define MAX_ROUNDS 1000
#define DEADLINE_MS 30000 /* generous: 32-bit Wine may run under emulation */
#define MAX_FAILURES 3    /* a program that keeps failing need not be tried 41 times */

/* The budget, each item against the floor measured in the same run. */
#define CODE_BUDGET_BYTES (24 * 1024)
#define MEMORY_BUDGET_KIB 128
#define STARTUP_BUDGET_RATIO 1.05
/* The one DLL Pellorin.exe may add to the floor's: it paints its icon when
 * the dialog is minimised. */
static const char kExtraDll[] = "gdi32.dll";

static const char kSettingsKey[] = "Software\\Kestrune\\Talvo\\REG";

typedef struct Options {
    int rounds;
    const char* rawPath;
    const char* paths[PROGRAMS];
} Options;

typedef struct Samples {
    int count;
    double startupMs[MAX_ROUNDS + 1];
    double pagefileKiB[MAX_ROUNDS + 1];
    double privateKiB[MAX_ROUNDS + 1];
    double committedKiB[MAX_ROUNDS + 1];
    double exitMs[MAX_ROUNDS + 1];
} Samples;

static Samples g_samples[PROGRAMS];
static double g_roundRatios[MAX_ROUNDS];

static BOOL ParseOptions(int argc, char** argv, Options* options)
{
    int i, positional = 0;
    options->rounds = DEFAULT_ROUNDS;
    options->rawPath = NULL;
    for (i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            options->rounds = atoi(argv[++i]);
            if (options->rounds < 1 || options->rounds > MAX_ROUNDS) return FALSE;
        } else if (strcmp(argv[i], "--raw") == 0 && i + 1 < argc) {
            options->rawPath = argv[++i];
        } else if (argv[i][0] != '-' && positional < PROGRAMS) {
            options->paths[positional++] = argv[i];
        } else {
            return FALSE;
        }
    }
    return positional == PROGRAMS;
}

static const char* WineVersion(void)
{
    typedef const char*(CDECL * GetVersionFn)(void);
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    GetVersionFn get = ntdll ? (GetVersionFn)(void (*)(void))GetProcAddress(ntdll, "wine_get_version")
                             : NULL;
    return get ? get() : NULL;
}

/* Both programs must find the same (empty) store, so that neither reads more
 * than the other. Nothing else touches the key during a run: no one presses OK. */
static BOOL ResetSettings(void)
{
    HKEY key;
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return FALSE;
    }
    return TRUE;
}

static void PrintImage(const char* name, const PeImage* image)
{
    int i;
    printf("  %-9s %9lu %9lu %9lu %9lu %9lu\n", name, image->fileSize, image->resourceSize,
           PeImageCodeSize(image), image->headerSize, image->trailingSize);
    printf("  %-9s sections (raw/virtual):", "");
    for (i = 0; i < image->sectionCount; ++i)
        printf(" %s %lu/%lu", image->sections[i].name, image->sections[i].rawSize,
               image->sections[i].virtualSize);
    printf("\n");
}

static void PrintImports(const char* name, const PeImage* image)
{
    int i;
    printf("  %-9s", name);
    for (i = 0; i < image->importCount; ++i)
        printf(" %s%s", image->imports[i], IsWindowsSystemDll(image->imports[i]) ? "" : "(NOT WINDOWS)");
    printf("\n");
}

static BOOL ImportsOnlyWindows(const PeImage* image)
{
    int i;
    for (i = 0; i < image->importCount; ++i)
        if (!IsWindowsSystemDll(image->imports[i])) return FALSE;
    return TRUE;
}

/* Pellorin's DLLs beyond the floor's and the one extra allowed; returns how
 * many, listing them into extra. */
static int ExtraImports(const PeImage* pellorin, const PeImage* floor, char* extra, int extraSize)
{
    int i, count = 0;
    extra[0] = '\0';
    for (i = 0; i < pellorin->importCount; ++i) {
        const char* dll = pellorin->imports[i];
        if (PeImageImports(floor, dll) || lstrcmpiA(dll, kExtraDll) == 0) continue;
        ++count;
        strncat(extra, " ", extraSize - strlen(extra) - 1);
        strncat(extra, dll, extraSize - strlen(extra) - 1);
    }
    return count;
}

static void PrintSummary(const char* name, Summary s, const char* format)
{
    printf("  %-9s", name);
    printf(format, s.min);
    printf(format, s.median);
    printf(format, s.max);
    printf("   (n=%d)\n", s.count);
}

static void Record(Samples* samples, const LaunchResult* result)
{
    int n = samples->count++;
    samples->startupMs[n] = result->startupMs;
    samples->pagefileKiB[n] = (double)result->pagefileKiB;
    samples->privateKiB[n] = (double)result->privateKiB;
    samples->committedKiB[n] = (double)result->committedKiB;
    samples->exitMs[n] = result->exitMs;
}

static const char* Verdict(BOOL pass)
{
    return pass ? "PASS" : "FAIL";
}

typedef struct RunTally {
    int launches;
    int failures;
    int ratioCount;
} RunTally;

/* Round 0 is a warm-up for the file cache and is not counted; rounds from 1
 * on are. Odd rounds start with the floor, even ones with Pellorin. */
static BOOL RunRounds(const Options* options, FILE* raw, RunTally* tally)
{
    int round, i;
    for (round = 0; round <= options->rounds && tally->failures < MAX_FAILURES; ++round) {
        LaunchResult results[PROGRAMS];
        for (i = 0; i < PROGRAMS; ++i) {
            int p = round % 2 ? i : PROGRAMS - 1 - i;
            LaunchResult* result = &results[p];
            if (!ResetSettings()) {
                printf("cannot delete HKCU\\%s before a launch\n", kSettingsKey);
                return FALSE;
            }
            LaunchDialogProgram(options->paths[p], DEADLINE_MS, result);
            ++tally->launches;
            if (raw)
                fprintf(raw, "%d\t%s\t%d\t%.3f\t%.3f\t%lu\t%lu\t%lu\t%lu\n", round, kNames[p],
                        result->ok, result->startupMs, result->exitMs,
                        (unsigned long)result->pagefileKiB, (unsigned long)result->privateKiB,
                        (unsigned long)result->workingSetKiB, (unsigned long)result->committedKiB);
            if (!result->ok) {
                ++tally->failures;
                printf("LAUNCH FAILED: round %d, %s: %s\n", round, kNames[p], result->error);
                fflush(stdout);
            } else if (round > 0) {
                Record(&g_samples[p], result);
            }
        }
        if (round > 0 && results[FLOOR].ok && results[PELLORIN].ok && results[FLOOR].startupMs > 0)
            g_roundRatios[tally->ratioCount++] =
                results[PELLORIN].startupMs / results[FLOOR].startupMs;
    }
    if (tally->failures >= MAX_FAILURES)
        printf("stopped after %d failed launches\n", tally->failures);
    return TRUE;
}

static void PrintTable(const char* title, const Summary summaries[PROGRAMS], const char* format)
{
    int program;
    printf("  %-9s %9s %9s %9s\n", title, "min", "median", "max");
    for (program = 0; program < PROGRAMS; ++program)
        PrintSummary(kNames[program], summaries[program], format);
}

int main(int argc, char** argv)
{
    Options options;
    PeImage images[PROGRAMS];
    char error[160], extra[256];
    FILE* raw = NULL;
    const char* wine = WineVersion();
    RunTally tally = {0, 0, 0};
    int program, extraCount;
    BOOL foreign, measured;
    Summary startup[PROGRAMS], memory[PROGRAMS], privateMemory[PROGRAMS], committed[PROGRAMS];
    Summary exits[PROGRAMS], ratio;
    double sizeRatio, fileRatio, memoryRatio;
    long codeDelta, memoryDelta, committedDelta;

    _setmode(_fileno(stdout), _O_BINARY); /* plain \n: the report is read on Linux */
    if (!ParseOptions(argc, argv, &options)) {
        fprintf(stderr, "usage: bench_driver [--rounds 1..%d] [--raw FILE] FLOOR.exe PELLORIN.exe\n",
                MAX_ROUNDS);
        return 2;
    }

    printf("floor vs Pellorin.exe, %d rounds, order alternating, on %s%s\n", options.rounds,
           wine ? "Wine " : "Windows", wine ? wine : "");
    for (program = 0; program < PROGRAMS; ++program) {
        printf("  %-9s %s\n", kNames[program], options.paths[program]);
        if (!PeImageLoad(options.paths[program], &images[program], error, sizeof error)) {
            printf("cannot read %s: %s\n", options.paths[program], error);
            return 1;
        }
    }

    printf("\nSize (bytes; code = file without .rsrc)\n");
    printf("  %-9s %9s %9s %9s %9s %9s\n", "", "file", ".rsrc", "code", "headers", "after");
    for (program = 0; program < PROGRAMS; ++program) PrintImage(kNames[program], &images[program]);

    printf("\nImported DLLs\n");
    for (program = 0; program < PROGRAMS; ++program) PrintImports(kNames[program], &images[program]);
    fflush(stdout);

    if (options.rawPath && !(raw = fopen(options.rawPath, "w"))) {
        printf("cannot write %s\n", options.rawPath);
        return 1;
    }
    if (raw)
        fprintf(raw, "round\tprogram\tok\tstartup_ms\texit_ms\tpagefile_kib\tprivate_kib"
                     "\tworkingset_kib\tcommitted_kib\n");
    measured = RunRounds(&options, raw, &tally);
    if (raw) fclose(raw);
    if (!measured) return 1;

    for (program = 0; program < PROGRAMS; ++program) {
        Samples* s = &g_samples[program];
        startup[program] = Summarize(s->startupMs, s->count);
        memory[program] = Summarize(s->pagefileKiB, s->count);
        privateMemory[program] = Summarize(s->privateKiB, s->count);
        committed[program] = Summarize(s->committedKiB, s->count);
        exits[program] = Summarize(s->exitMs, s->count);
    }
    ratio = Summarize(g_roundRatios, tally.ratioCount);

    printf("\nStart-up: CreateProcess until the dialog is visible (ms)\n");
    PrintTable("", startup, " %9.1f");
    PrintSummary("ratio", ratio, " %9.3f");
    printf("  (ratio: Pellorin/floor within each round)\n");
    printf("  Cancel until the process has ended (ms), median: floor %.1f, Pellorin %.1f\n",
           exits[FLOOR].median, exits[PELLORIN].median);

    printf("\nMemory while the dialog is up (KiB)\n");
    PrintTable("Pagefile", memory, " %9.0f");
    PrintTable("Committed", committed, " %9.0f");
    printf("  Pagefile:  GetProcessMemoryInfo's PagefileUsage. PrivateUsage would be the\n"
           "             figure, but Wine 8 reports it as %.0f for another process. Wine takes\n"
           "             PagefileUsage from the Unix process, so it also holds Wine's own\n"
           "             Unix-side memory and, where i386 code is emulated, the emulator's.\n"
           "  Committed: private committed pages added up with VirtualQueryEx: what the\n"
           "             program itself committed, whatever runs underneath.\n",
           privateMemory[PELLORIN].median);

    sizeRatio = (double)PeImageCodeSize(&images[PELLORIN]) / (double)PeImageCodeSize(&images[FLOOR]);
    fileRatio = (double)images[PELLORIN].fileSize / (double)images[FLOOR].fileSize;
    memoryRatio = memory[FLOOR].median > 0 ? memory[PELLORIN].median / memory[FLOOR].median : 0.0;
    printf("\nRatios, Pellorin/floor\n");
    printf("  start-up  %.3f  median of the per-round ratios\n", ratio.median);
    printf("  size      %.3f  code (file without .rsrc); whole file %.3f\n", sizeRatio, fileRatio);
    printf("  memory    %.3f  median PagefileUsage over median PagefileUsage\n", memoryRatio);

    codeDelta = (long)PeImageCodeSize(&images[PELLORIN]) - (long)PeImageCodeSize(&images[FLOOR]);
    memoryDelta = (long)(memory[PELLORIN].median - memory[FLOOR].median);
    committedDelta = (long)(committed[PELLORIN].median - committed[FLOOR].median);
    extraCount = ExtraImports(&images[PELLORIN], &images[FLOOR], extra, sizeof extra);
    printf("\nBudget, against the floor of this run (printed only; the exit status ignores it)\n");
    printf("  %s  code      Pellorin - floor = %+ld bytes (limit +%d = 24 KiB)\n",
           Verdict(codeDelta <= CODE_BUDGET_BYTES), codeDelta, CODE_BUDGET_BYTES);
    printf("  %s  memory    Pellorin - floor = %+ld KiB, median PagefileUsage (limit +%d KiB)\n",
           Verdict(ratio.count && memoryDelta <= MEMORY_BUDGET_KIB), memoryDelta, MEMORY_BUDGET_KIB);
    printf("  %s  memory    Pellorin - floor = %+ld KiB, median committed pages (limit +%d KiB)\n",
           Verdict(ratio.count && committedDelta <= MEMORY_BUDGET_KIB), committedDelta,
           MEMORY_BUDGET_KIB);
    printf("  %s  start-up  median per-round ratio %.3f (limit %.2f; about 3%% is noise)\n",
           Verdict(ratio.count && ratio.median <= STARTUP_BUDGET_RATIO), ratio.median,
           STARTUP_BUDGET_RATIO);
    printf("  %s  imports   within the floor's DLLs + %s (beyond that:%s)\n",
           Verdict(extraCount == 0), kExtraDll, extraCount ? extra : " none");

    foreign = !ImportsOnlyWindows(&images[PELLORIN]);
    printf("\nChecks (these decide the exit status)\n");
    printf("  %s  launches: %d of %d succeeded (the rounds and one warm-up round)\n",
           Verdict(!tally.failures), tally.launches - tally.failures, tally.launches);
    printf("  %s  Pellorin.exe imports only DLLs that are part of Windows\n", Verdict(!foreign));

    printf("\n");
    if (ratio.count)
        printf("startup ratio %.2f, size ratio %.2f, memory ratio %.2f\n", ratio.median, sizeRatio,
               memoryRatio);
    else
        printf("startup ratio n/a, size ratio %.2f, memory ratio n/a\n", sizeRatio);
    return tally.failures || foreign ? 1 : 0;
}
