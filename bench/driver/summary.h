/* Minimum, median and maximum of a run of measurements. */
#ifndef BENCH_SUMMARY_H
#define BENCH_SUMMARY_H

typedef struct Summary {
    int count;
    double min;
    double median;
    double max;
} Summary;

/* Sorts values in place. A summary of nothing has count 0. */
Summary Summarize(double* values, int count);

#endif
