#pragma once
// The dimension variables a document carries and a dimension style stores:
// their names, DXF group codes, kinds and the values of a new metric drawing.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/cad/cad.h"

namespace korvel::cad {

enum class VariableKind { Whole, Real, Text };

struct DimVariable {
    const char* name;  // upper case: "DIMTXT"
    int code;          // group code in a DIMSTYLE record
    VariableKind kind;
    Variable initial;  // a new metric drawing's value
};

// Every variable the back end knows, in the order a style record lists them.
const std::vector<DimVariable>& dimVariables();

// The variable of that name, case-insensitive; nullptr when unknown.
const DimVariable* findDimVariable(std::string_view name);

// A full set of dimension variables by upper-case name.
class DimSettings {
public:
    // The values of a new metric drawing.
    DimSettings();

    // Throws Error for an unknown name or a value of the wrong kind. A whole
    // number is taken for a real variable, a real number with no fraction
    // for a whole one.
    void set(std::string_view name, const Variable& value);
    const Variable& get(std::string_view name) const;
    double real(std::string_view name) const;
    int whole(std::string_view name) const;
    const std::string& text(std::string_view name) const;

    // The variables whose values differ from `base`'s, in table order.
    std::vector<const DimVariable*> differencesFrom(const DimSettings& base) const;

    bool operator==(const DimSettings&) const = default;

private:
    std::map<std::string, Variable, std::less<>> values_;
};

}  // namespace korvel::cad
