#include "bench/driver/summary.h"

#include <stdlib.h>

static int CompareDoubles(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

Summary Summarize(double* values, int count)
{
    Summary s = {0, 0.0, 0.0, 0.0};
    if (count <= 0) return s;
    qsort(values, (size_t)count, sizeof *values, CompareDoubles);
    s.count = count;
    s.min = values[0];
    s.max = values[count - 1];
    s.median = count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2.0;
    return s;
}
