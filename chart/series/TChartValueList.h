// One dimension (x, y, ...) of a series' points: the values, their order and cached statistics.
#pragma once

#include <QString>

#include <vector>

namespace rna::chart {

class TChartSeries;

enum class TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList final {
public:
    // A value list always belongs to a series; the series creates it (TChartSeries::CreateValueList).
    TChartValueList(TChartSeries& owner, const QString& name);
    ~TChartValueList() = default;
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    TChartSeries& Owner() const { return *owner_; }

    int ValueCount() const { return static_cast<int>(values_.size()); }
    // Stored value times Multiplier; throws TListIndexError outside 0 .. count - 1.
    double ValueAt(int index) const { return RawValueAt(index) * multiplier_; }
    double operator[](int index) const { return ValueAt(index); }
    double LastValue() const;
    // The value as stored, without Multiplier (what ordering compares).
    double RawValueAt(int index) const
    {
        CheckIndex(index, ValueCount());
        return values_[static_cast<size_t>(index)];
    }

    // Stores the value where Order wants it (equal values keep arrival order); answers its index.
    int AddInOrder(double value);
    void InsertAt(int index, double value);
    void ReplaceAt(int index, double value);
    void RemoveAt(int index);
    void RemoveAll();
    // The most values whose buffer a cleared list keeps for its next points.
    static constexpr std::size_t KeptCapacity = 4096;
    void RotateLeft();
    // Swaps two stored values (used when the series exchanges whole points).
    void Exchange(int i, int j);

    double Highest() const;
    double Lowest() const;
    double Sum() const;
    double SumOfMagnitudes() const;

    int IndexOfValue(double value) const;
    void Renumber();
    // Sorts the whole series (every list, colours, labels) by this list when Order is not loNone.
    void SortPoints();

    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double value);
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder value) { order_ = value; }
    const QString& Name() const { return name_; }
    void SetName(const QString& value) { name_ = value; }
    const QString& ValueSource() const { return valueSource_; }
    void SetValueSource(const QString& value);

    // The value AddPoint is about to store; OnBeforeAdd handlers may change it.
    double PendingValue() const { return pending_; }
    void SetPendingValue(double value) { pending_ = value; }

    // Copies Order, DateTime, Multiplier and ValueSource (not Name, not the values).
    void Assign(const TChartValueList& source);

private:
    void CheckIndex(int index, int count) const
    {
        if (index < 0 || index >= count)
            ThrowIndexError(index);
    }
    [[noreturn]] static void ThrowIndexError(int index);
    void Recalculate() const;
    int CompareIndexes(int a, int b) const;
    void SortRange(int low, int high);

    TChartSeries* owner_;
    QString name_;
    std::vector<double> values_;
    double multiplier_ = 1.0;
    TChartListOrder order_ = TChartListOrder::loNone;
    bool dateTime_ = false;
    QString valueSource_;
    double pending_ = 0.0;

    mutable bool stale_ = true;
    mutable double highest_ = 0.0;
    mutable double lowest_ = 0.0;
    mutable double sum_ = 0.0;
    mutable double sumOfMagnitudes_ = 0.0;
};

}  // namespace rna::chart
