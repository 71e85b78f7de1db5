#pragma once
// A fixed-capacity unsigned big integer for the exact decimal <-> binary conversions; it never allocates.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace rna::reference {

// Capacity is in 32-bit limbs. The conversions size it from the exponent range they admit, so the
// capacity check below is a guard against a wrong bound, never a path of ordinary input.
template <std::size_t Capacity>
class BigUnsigned {
public:
    BigUnsigned() = default;
    explicit BigUnsigned(std::uint64_t value) { Assign(value); }
    BigUnsigned(const BigUnsigned&) = delete;
    BigUnsigned& operator=(const BigUnsigned&) = delete;

    void Assign(std::uint64_t value)
    {
        size_ = 0;
        for (; value != 0; value >>= 32)
            Push(static_cast<std::uint32_t>(value));
    }

    void Assign(const BigUnsigned& other)
    {
        size_ = other.size_;
        std::copy_n(other.limbs_.begin(), size_, limbs_.begin());
    }

    bool IsZero() const { return size_ == 0; }

    int BitLength() const
    {
        if (size_ == 0)
            return 0;
        std::uint32_t top = limbs_[size_ - 1];
        int bits = 0;
        for (; top != 0; top >>= 1)
            ++bits;
        return static_cast<int>(size_ - 1) * 32 + bits;
    }

    // *this = *this * factor + addend
    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0)
    {
        std::uint64_t carry = addend;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            Push(static_cast<std::uint32_t>(carry));
        Trim();
    }

    void MultiplyPow5(int exponent)
    {
        constexpr std::uint32_t pow5_13 = 1220703125;
        for (; exponent >= 13; exponent -= 13)
            MultiplyAdd(pow5_13);
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent)
            rest *= 5;
        MultiplyAdd(rest);
    }

    void MultiplyPow10(int exponent)
    {
        MultiplyPow5(exponent);
        ShiftLeft(exponent);
    }

    void ShiftLeft(int bits)
    {
        if (size_ == 0 || bits <= 0)
            return;
        const std::size_t limbShift = static_cast<std::size_t>(bits) / 32;
        const int bitShift = bits % 32;
        Reserve(size_ + limbShift + 1);
        limbs_[size_ + limbShift] = 0;
        for (std::size_t i = size_; i-- > 0;) {
            const std::uint64_t wide = std::uint64_t{limbs_[i]} << bitShift;
            limbs_[i + limbShift + 1] |= static_cast<std::uint32_t>(wide >> 32);
            limbs_[i + limbShift] = static_cast<std::uint32_t>(wide);
        }
        std::fill_n(limbs_.begin(), limbShift, 0u);
        size_ += limbShift + 1;
        Trim();
    }

    void ShiftRightOne()
    {
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint32_t high = i + 1 < size_ ? limbs_[i + 1] : 0;
            limbs_[i] = (limbs_[i] >> 1) | (high << 31);
        }
        Trim();
    }

    // Requires *this >= other.
    void Subtract(const BigUnsigned& other)
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            std::int64_t difference = std::int64_t{limbs_[i]} - borrow - (i < other.size_ ? other.limbs_[i] : 0);
            borrow = difference < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        Trim();
    }

    // -1, 0 or 1 as a is less than, equal to or greater than b.
    friend int Compare(const BigUnsigned& a, const BigUnsigned& b)
    {
        if (a.size_ != b.size_)
            return a.size_ < b.size_ ? -1 : 1;
        for (std::size_t i = a.size_; i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i])
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
        return 0;
    }

private:
    void Reserve(std::size_t limbs)
    {
        if (limbs > Capacity)
            std::abort();
    }

    void Push(std::uint32_t limb)
    {
        Reserve(size_ + 1);
        limbs_[size_++] = limb;
    }

    void Trim()
    {
        while (size_ > 0 && limbs_[size_ - 1] == 0)
            --size_;
    }

    // Only the first size_ limbs are meaningful; the rest is left unset on purpose (several kilobytes).
    std::array<std::uint32_t, Capacity> limbs_;
    std::size_t size_ = 0;
};

}  // namespace rna::reference
