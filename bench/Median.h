#pragma once
// The median of a series of measurements: one slow run (a page fault, another process) does not
// move it as it moves the mean.
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

template <class T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median time of `wiederholungen` runs of `lauf`, in milliseconds.
inline double median_ms(int wiederholungen, const std::function<void()>& lauf)
{
    std::vector<double> zeiten;
    for (int i = 0; i < wiederholungen; ++i) {
        QElapsedTimer t;
        t.start();
        lauf();
        zeiten.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(std::move(zeiten));
}
