#pragma once
// A screen's numbers by stable name, for whoever sets or reads them without knowing the screen's controls: its
// panels, lesson files, exercises. The names are those of the screens' symbols ("p", "w1", "b3"), never texts.
#include "neuron/model/TransferFunctionTable.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace rna::neuron {

class NamedValues {
public:
    using Names = std::span<const std::string_view>;

    virtual ~NamedValues() = default;

    // The values a user sets (the screen's sliders), in the screen's order.
    Names ValueNames() const { return values_; }
    // The results the model computes from them ("n", "a"; "n1" ... "a" on the network), in the screen's order.
    Names ResultNames() const { return results_; }
    // The transfer functions, one per neuron ("f"; "f1", "f2", "f3" on the network).
    Names FunctionNames() const { return functions_; }

    // A value or a result as stored; none for a name the model does not have.
    virtual std::optional<double> Value(std::string_view name) const = 0;
    // Stores a value (not a result); false, and nothing changed, for another name. Nothing is recomputed.
    bool SetValue(std::string_view name, double value)
    {
        const std::size_t index = ValueIndex(name);
        if (index == NoValue)
            return false;
        SetValueAt(index, value);
        return true;
    }
    // The same by the value's index in ValueNames, for a caller that sets the same values often (a screen's panel
    // looks its rows up once).
    static constexpr std::size_t NoValue = static_cast<std::size_t>(-1);
    std::size_t ValueIndex(std::string_view name) const
    {
        const std::span<const std::string_view> names = ValueNames();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name)
                return i;
        return NoValue;
    }
    virtual void SetValueAt(std::size_t index, double value) = 0;
    // The function of that name's neuron; null for a name the model does not have. An empty function is none
    // (a list with no selection).
    virtual const std::optional<TransferKind>* Function(std::string_view name) const = 0;
    std::optional<TransferKind>* Function(std::string_view name)
    {
        return const_cast<std::optional<TransferKind>*>(std::as_const(*this).Function(name));
    }

protected:
    // The lists of names, kept for the model's life (constant tables).
    NamedValues(Names values, Names results, Names functions)
        : values_(values), results_(results), functions_(functions)
    {}
    NamedValues(const NamedValues&) = default;
    NamedValues& operator=(const NamedValues&) = default;

private:
    Names values_;
    Names results_;
    Names functions_;
};

}  // namespace rna::neuron
