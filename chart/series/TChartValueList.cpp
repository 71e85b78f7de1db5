#include "chart/series/TChartValueList.h"

#include "chart/core/ListIndexError.h"
#include "chart/series/TChartSeries.h"

#include <cmath>

namespace rna::chart {

TChartValueList::TChartValueList(TChartSeries& owner, const QString& name) : owner_(&owner), name_(name)
{
    RemoveAll();
}

void TChartValueList::ThrowIndexError(int index)
{
    throw ListIndexError(index);
}

double TChartValueList::LastValue() const
{
    return ValueAt(ValueCount() - 1);
}

int TChartValueList::AddInOrder(double value)
{
    stale_ = true;
    const int count = ValueCount();
    if (order_ == TChartListOrder::loNone || count == 0) {
        values_.push_back(value);
        return count;
    }
    // Arrival order is kept among equal values: the scan stops at the first value that does
    // not belong after the new one, and the new value goes just after it.
    const bool ascending = order_ == TChartListOrder::loAscending;
    auto after = [ascending, value](double stored) { return ascending ? stored > value : stored < value; };
    if (!after(values_.back())) {  // also true for NaN, which is appended
        values_.push_back(value);
        return count;
    }
    int pos = count - 1;
    while (pos >= 0 && after(values_[static_cast<size_t>(pos)]))
        --pos;
    const int index = pos + 1;
    values_.insert(values_.begin() + index, value);
    return index;
}

void TChartValueList::InsertAt(int index, double value)
{
    // Points arrive mostly in order: a value for the end is appended without the shifting insert.
    const int count = ValueCount();
    if (index == count)
        values_.push_back(value);
    else {
        CheckIndex(index, count + 1);
        values_.insert(values_.begin() + index, value);
    }
    stale_ = true;
}

void TChartValueList::ReplaceAt(int index, double value)
{
    CheckIndex(index, ValueCount());
    values_[static_cast<size_t>(index)] = value;
    stale_ = true;
    owner_->NotifyDependents(SeriesChange::Modify, index);
}

void TChartValueList::RemoveAt(int index)
{
    CheckIndex(index, ValueCount());
    values_.erase(values_.begin() + index);
    stale_ = true;
}

void TChartValueList::RemoveAll()
{
    // A cleared list keeps a buffer of up to KeptCapacity values, so that a series refilled with the same
    // few points on every update allocates nothing; a larger one gives its memory back.
    if (values_.capacity() > KeptCapacity)
        std::vector<double>().swap(values_);
    else
        values_.clear();
    stale_ = true;
}

void TChartValueList::RotateLeft()
{
    if (values_.empty())
        return;
    const double first = values_.front();
    values_.erase(values_.begin());
    values_.push_back(first);
    stale_ = true;
}

void TChartValueList::Exchange(int i, int j)
{
    CheckIndex(i, ValueCount());
    CheckIndex(j, ValueCount());
    std::swap(values_[static_cast<size_t>(i)], values_[static_cast<size_t>(j)]);
    stale_ = true;
}

void TChartValueList::Recalculate() const
{
    stale_ = false;
    highest_ = lowest_ = sum_ = sumOfMagnitudes_ = 0.0;
    if (values_.empty())
        return;
    const double first = ValueAt(0);
    highest_ = lowest_ = sum_ = first;
    sumOfMagnitudes_ = std::fabs(first);
    for (size_t i = 1; i < values_.size(); ++i) {
        const double v = values_[i] * multiplier_;
        if (v < lowest_)
            lowest_ = v;
        else if (v > highest_)
            highest_ = v;
        sum_ += v;
        sumOfMagnitudes_ += std::fabs(v);
    }
}

double TChartValueList::Highest() const
{
    if (stale_)
        Recalculate();
    return highest_;
}

double TChartValueList::Lowest() const
{
    if (stale_)
        Recalculate();
    return lowest_;
}

double TChartValueList::Sum() const
{
    if (stale_)
        Recalculate();
    return sum_;
}

double TChartValueList::SumOfMagnitudes() const
{
    if (stale_)
        Recalculate();
    return sumOfMagnitudes_;
}

int TChartValueList::IndexOfValue(double value) const
{
    for (int i = 0; i < ValueCount(); ++i) {
        if (ValueAt(i) == value)
            return i;
    }
    return -1;
}

void TChartValueList::Renumber()
{
    for (int i = 0; i < ValueCount(); ++i)
        ReplaceAt(i, i);
}

int TChartValueList::CompareIndexes(int a, int b) const
{
    const double va = ValueAt(a);
    const double vb = ValueAt(b);
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return order_ == TChartListOrder::loDescending ? -result : result;
}

void TChartValueList::SortPoints()
{
    if (order_ != TChartListOrder::loNone && ValueCount() > 1)
        SortRange(0, ValueCount() - 1);
}

// Quicksort over point indexes; whole points move through the series' ExchangePoints, and the
// pivot index follows the pivot point when that point itself is moved.
void TChartValueList::SortRange(int low, int high)
{
    int i = low;
    int j = high;
    int pivot = (low + high) / 2;
    while (i <= j) {
        while (CompareIndexes(i, pivot) < 0)
            ++i;
        while (CompareIndexes(pivot, j) < 0)
            --j;
        if (i <= j) {
            if (i != j) {
                owner_->ExchangePoints(i, j);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
            }
            ++i;
            --j;
        }
    }
    if (low < j)
        SortRange(low, j);
    if (i < high)
        SortRange(i, high);
}

// Dependents read the multiplied values, so they reload before the chart repaints.
void TChartValueList::SetMultiplier(double value)
{
    StoreSetting(multiplier_, value, [this] {
        stale_ = true;
        owner_->NotifyDependents(SeriesChange::Refresh, 0);
        owner_->ChangeNotify();
    });
}

void TChartValueList::SetDateTime(bool value)
{
    StoreSetting(dateTime_, value, [this] { owner_->ChangeNotify(); });
}

void TChartValueList::SetValueSource(const QString& value)
{
    StoreSetting(valueSource_, value, [this] { owner_->ReloadFromSources(); });
}

void TChartValueList::Assign(const TChartValueList& source)
{
    order_ = source.order_;
    dateTime_ = source.dateTime_;
    multiplier_ = source.multiplier_;
    valueSource_ = source.valueSource_;
    stale_ = true;
}

}  // namespace rna::chart
