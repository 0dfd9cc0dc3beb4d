#pragma once
// The median of a series of measurements: one slow run (a page fault, another process) does not
// move it as it moves the mean.
#include <algorithm>
#include <vector>

template <class T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
